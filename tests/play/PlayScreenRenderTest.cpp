// What the play screen puts on screen, read back pixel by pixel.
#include "PlayTestSupport.h"
#include "app/Globals.h"
#include "render/Renderer.h"

namespace {

const Colour red{255, 0, 0, 255};
const Colour green{0, 255, 0, 255};
const Colour blue{0, 0, 255, 255};
const Colour grey{100, 100, 100, 255};
const Colour white{255, 255, 255, 255};

// A 2 x 1 white GIF: the player's picture.
const std::string whiteGif(
    "GIF89a\x02\x00\x01\x00\x80\x00\x00"
    "\xff\xff\xff\x00\x00\x00"
    "\x2c\x00\x00\x00\x00\x02\x00\x01\x00\x00"
    "\x02\x02\x04\x0a\x00\x3b",
    35);

bool nearWithin(const Colour& a, const Colour& b, int tolerance)
{
    auto close = [tolerance](int x, int y) { return x - y <= tolerance && y - x <= tolerance; };
    return close(a.r, b.r) && close(a.g, b.g) && close(a.b, b.b);
}

bool near(const Colour& a, const Colour& b)
{
    return nearWithin(a, b, 6);
}

// The player's picture is one row high: its border colour tinges it a little.
bool nearPlayer(const Colour& a, const Colour& b)
{
    return nearWithin(a, b, 16);
}

} // namespace

class PlayRenderTest : public SeededPlay {
protected:
    void SetUp() override
    {
        SeededPlay::SetUp();
        // A health bar picture of three stripes, ten columns each.
        std::vector<Colour> stripes;
        for (const Colour& c : {red, green, blue})
            stripes.insert(stripes.end(), 10, c);
        writeRowPicture("Textures/HealthBar.png", stripes, 8);
        writeRowPicture("Textures/bg.png", {grey, grey}, 64);
        writeRowPicture("Textures/pepper.png", {green, green}, 8);
        writeFile("Textures/player.gif", whiteGif);
    }

    void draw(PlayScreen& screen)
    {
        context.clear();
        screen.render();
    }
};

TEST_F(PlayRenderTest, TheHealthBarShowsTheLeftPartOfItsPicture)
{
    writeLevel(1, levelLines(0, 0, 0, 0, 0, 0, 0, 0));
    auto screen = newGame(1);
    screen->player.x = 50.0f;

    struct Case {
        int hp;
        float width;
        std::vector<std::pair<float, Colour>> pixels; // x at y = 97
    };
    const Case cases[] = {
        {30, 15.0f, {{-97.5f, red}, {-90.5f, green}, {-83.5f, blue}, {-82.0f, grey}}},
        {20, 10.0f, {{-97.5f, red}, {-90.5f, green}, {-88.5f, green}, {-87.0f, grey}}},
        {10, 5.0f, {{-97.5f, red}, {-94.5f, red}, {-92.0f, grey}}},
        {1, 0.5f, {{-96.0f, grey}}},
        {0, 0.0f, {{-97.5f, grey}}},
        {-12, 0.0f, {{-99.5f, grey}, {-97.5f, grey}}},
    };
    for (const Case& c : cases) {
        screen->hp = c.hp;
        // A screen that saw no earlier health shows no hit, so the bar is
        // not blinking.
        screen->hitFlash = HitFlash();
        draw(*screen);
        const float share = c.hp > 0 ? c.hp / 30.0f : 0.0f;
        EXPECT_FLOAT_EQ(screen->healthBar.texture.u1, share) << "hp " << c.hp;
        EXPECT_FLOAT_EQ(screen->healthBar.width, c.width) << "hp " << c.hp;
        EXPECT_FLOAT_EQ(screen->healthBar.x - screen->healthBar.width / 2, -98.0f) << "hp " << c.hp;
        for (const auto& [x, colour] : c.pixels)
            EXPECT_PRED2(near, context.pixelAtView(x, 97.0f), colour) << "hp " << c.hp << " at x " << x;
        // Undo whatever the death sequence began.
        screen->dying = false;
        screen->hp = 30;
    }
}

TEST_F(PlayRenderTest, LevelFadeDimsTheFieldButNotThePlayer)
{
    writeLevel(1, levelLines(0, 0, 0, 0, 0, 0, 1, 1));
    auto screen = newGame(1);
    screen->player.x = -40.0f;
    screen->player.y = 0.0f;
    screen->peppers[0].x = 40.0f;
    screen->peppers[0].y = 0.0f;
    currentScreen = screen.get();

    draw(*screen);
    EXPECT_PRED2(nearPlayer, context.pixelAtView(-40.0f, 0.0f), white);
    EXPECT_PRED2(near, context.pixelAtView(40.0f, 0.0f), green);
    EXPECT_PRED2(near, context.pixelAtView(0.0f, -50.0f), grey);

    // Half way into the darkness: the background at half brightness, the
    // pepper gone, the player as bright as before.
    screen->levelFading = true;
    screen->nextLevelLoaded = false;
    screen->fadePhase = -50.0f;
    frameStep = 0.3125f; // 25 fade units
    draw(*screen);
    EXPECT_PRED2(near, context.pixelAtView(0.0f, -50.0f), (Colour{50, 50, 50, 255}));
    EXPECT_PRED2(near, context.pixelAtView(40.0f, 0.0f), (Colour{50, 50, 50, 255}));
    EXPECT_PRED2(nearPlayer, context.pixelAtView(-40.0f, 0.0f), white);

    // The tint shows on the unlit player.
    screen->player.colour = Colour{255, 127, 127, 255};
    frameStep = 0.0f;
    draw(*screen);
    EXPECT_PRED2(nearPlayer, context.pixelAtView(-40.0f, 0.0f), (Colour{255, 127, 127, 255}));
}

TEST_F(PlayRenderTest, TheIntroPauseShowsOnlyTheBackgroundAndTheText)
{
    std::vector<std::string> lines = levelLines(0, 0, 0, 0, 0, 0, 1, 1);
    lines[9] = "intro.txt";
    lines.push_back("0 0 255");
    writeLevel(1, lines);
    writeFile("intro.txt", std::string(60, '#') + "\n" + std::string(60, '#') + "\n");
    auto screen = newGame(1);
    ASSERT_TRUE(screen->introShowing);
    screen->player.x = 0.0f;
    screen->player.y = -50.0f;
    screen->peppers[0].x = 40.0f;
    screen->peppers[0].y = -50.0f;

    // Even in darkness the text stays at full brightness. (The HUD's line
    // along the top edge is tested on its own; here the field is as bare as
    // -nohud leaves it.)
        renderer().setAmbient(0.2f);
    hudShown = false;
    draw(*screen);
    hudShown = true;
    EXPECT_PRED2(near, context.pixelAtView(0.0f, -50.0f), (Colour{20, 20, 20, 255})) << "no player";
    EXPECT_PRED2(near, context.pixelAtView(40.0f, -50.0f), (Colour{20, 20, 20, 255})) << "no pepper";
    EXPECT_PRED2(near, context.pixelAtView(-60.0f, 97.0f), (Colour{20, 20, 20, 255})) << "no health bar";
    int bluePixels = 0;
    for (int x = 25; x < 200; ++x)
        for (int y = 150; y < 180; ++y)
            if (nearWithin(context.pixel(x, y), blue, 30))
                ++bluePixels;
    EXPECT_GT(bluePixels, 50) << "the intro text in its own colour, unlit";
}
