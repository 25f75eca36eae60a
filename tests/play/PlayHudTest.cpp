// The HUD over play: what it shows, where, and what it never covers.
#include <functional>
#include <optional>

#include "PlayTestSupport.h"
#include "app/Globals.h"
#include "play/ScoreBook.h"
#include "render/BitmapFont.h"
#include "screens/Camera.h"
#include "render/Renderer.h"

namespace {

const Colour grey{100, 100, 100, 255};
const Colour green{0, 255, 0, 255};

// A 2 x 1 white GIF: the player's picture.
const std::string whiteGif(
    "GIF89a\x02\x00\x01\x00\x80\x00\x00"
    "\xff\xff\xff\x00\x00\x00"
    "\x2c\x00\x00\x00\x00\x02\x00\x01\x00\x00"
    "\x02\x02\x04\x0a\x00\x3b",
    35);

// A frame read back from the current context.
struct Frame {
    int width = 0;
    int height = 0;
    std::vector<Colour> pixels;

    Colour at(int x, int y) const { return pixels[static_cast<std::size_t>(y * width + x)]; }
};

Frame readFrame(OffscreenRenderer& context)
{
    Frame frame;
    frame.width = context.width();
    frame.height = context.height();
    for (int y = 0; y < frame.height; ++y)
        for (int x = 0; x < frame.width; ++x)
            frame.pixels.push_back(context.pixel(x, y));
    return frame;
}

bool sameColour(const Colour& a, const Colour& b)
{
    return a.r == b.r && a.g == b.g && a.b == b.b;
}

// The ink of a text printed alone by a font of `height` pixels: pixel
// offsets from the ink's lower-left corner, and the ink's size.
struct Ink {
    std::vector<std::pair<int, int>> pixels;
    int width = 0;
    int height = 0;
};

Ink inkOf(OffscreenRenderer& context, const std::string& text, int height = 14)
{
    BitmapFont font;
    font.fontDescription.height = -height;
    font.colour = Colour{255, 255, 255, 255};
    font.text = text;
    renderer().setClearColour(0.0f, 0.0f, 0.0f, 1.0f);
    context.clear();
    Camera().apply();
    renderer().setLighting(false);
    font.print(-95.0f, 0.0f);
    const Frame frame = readFrame(context);
    int left = frame.width, bottom = frame.height, right = -1, top = -1;
    for (int y = 0; y < frame.height; ++y)
        for (int x = 0; x < frame.width; ++x)
            if (frame.at(x, y).r != 0) {
                left = std::min(left, x);
                right = std::max(right, x);
                bottom = std::min(bottom, y);
                top = std::max(top, y);
            }
    Ink ink;
    for (int y = bottom; y <= top; ++y)
        for (int x = left; x <= right; ++x)
            if (frame.at(x, y).r != 0)
                ink.pixels.emplace_back(x - left, y - bottom);
    ink.width = right - left + 1;
    ink.height = top - bottom + 1;
    renderer().setClearColour(0.0f, 0.0f, 0.0f, 0.0f);
    return ink;
}

// Where the frame shows exactly this text in one colour, with its lowest row
// between rows `fromRow` and `toRow`: every ink pixel of that colour, no
// other pixel of the ink's box (and of the few columns after it, so "60" is
// not found in "600") in it.
std::optional<Colour> findText(const Frame& frame, const Ink& ink, int fromRow, int toRow)
{
    const int trail = 6;
    const auto& first = ink.pixels.front();
    const auto& last = ink.pixels.back();
    for (int oy = std::max(0, fromRow); oy <= toRow && oy + ink.height <= frame.height; ++oy)
        for (int ox = 0; ox + ink.width + trail <= frame.width; ++ox) {
            const Colour c = frame.at(ox + first.first, oy + first.second);
            if (!sameColour(frame.at(ox + last.first, oy + last.second), c))
                continue;
            bool all = true;
            for (const auto& p : ink.pixels)
                if (!sameColour(frame.at(ox + p.first, oy + p.second), c)) {
                    all = false;
                    break;
                }
            if (!all)
                continue;
            int inColour = 0;
            for (int y = oy; y < oy + ink.height; ++y)
                for (int x = ox; x < ox + ink.width + trail; ++x)
                    inColour += sameColour(frame.at(x, y), c) ? 1 : 0;
            if (inColour == static_cast<int>(ink.pixels.size()))
                return c;
        }
    return std::nullopt;
}

// Sets hudShown for one test and puts it back.
class HudShown {
public:
    explicit HudShown(bool shown) : saved_(hudShown) { hudShown = shown; }
    ~HudShown() { hudShown = saved_; }

private:
    bool saved_;
};

} // namespace

// Play in a window of the game's size, so that the HUD's text has the
// room it has in the game.
class PlayHudTest : public SeededPlay {
protected:
    // The pixel under a point of the play screen's view.
    int pixelX(float viewX) const { return static_cast<int>((viewX + 100.0f) * window.width() / 200.0f); }
    int pixelY(float viewY) const { return static_cast<int>((viewY + 100.0f) * window.height() / 200.0f); }

    OffscreenRenderer window{RendererKind::gl1, 640, 480};

    void SetUp() override
    {
        SeededPlay::SetUp();
        writeRowPicture("Textures/bg.png", {grey, grey}, 64);
        writeRowPicture("Textures/pepper.png", {green, green}, 8);
        writeFile("Textures/player.gif", whiteGif);
        writeRowPicture("Textures/HealthBar.png", std::vector<Colour>(8, Colour{255, 0, 0, 255}), 8);
    }

    // The text on the top line, in the banner's place or on the death panel.
    std::optional<Colour> onTopLine(const Frame& frame, const std::string& text)
    {
        return findText(frame, inkOf(window, text), pixelY(80.0f), window.height());
    }
    std::optional<Colour> inBanner(const Frame& frame, const std::string& text)
    {
        return findText(frame, inkOf(window, text, 28), pixelY(15.0f), pixelY(45.0f));
    }
    std::optional<Colour> onDeathPanel(const Frame& frame, const std::string& text, int height = 14)
    {
        return findText(frame, inkOf(window, text, height), pixelY(-50.0f), pixelY(0.0f));
    }

    Frame draw(PlayScreen& screen, bool shown = true)
    {
        HudShown hud(shown);
        renderer().setClearColour(0.0f, 0.0f, 0.0f, 0.0f);
        window.clear();
        screen.render();
        return readFrame(window);
    }
};

TEST_F(PlayHudTest, TheTopLineShowsTheScoreTheRulesHoldAfterAPepper)
{
    writeLevel(1, levelLines(0, 0, 0, 0, 0, 0, 2, 60));
    auto screen = newGame(1);
    screen->peppers[0].x = screen->player.x;
    screen->peppers[0].y = screen->player.y;
    screen->peppers[1].x = 60.0f;
    screen->peppers[1].y = -60.0f;
    frameStep = 0.01f;
    screen->update();
    ASSERT_EQ(screen->score, 60);
    ASSERT_EQ(screen->peppersLeft, 1);

    const Frame frame = draw(*screen);
    for (const char* text : {"Score 60", "Level 1/15", "Peppers left 1"}) {
        SCOPED_TRACE(text);
        const std::optional<Colour> shown = onTopLine(frame, text);
        ASSERT_TRUE(shown.has_value());
        EXPECT_FALSE(sameColour(*shown, grey)) << "the text stands out from the field";
    }
    EXPECT_FALSE(onTopLine(frame, "Score 0").has_value());

    // The next pepper ends the level: while it fades out the top line still
    // shows the level just cleared, with nothing left.
    screen->peppers[1].x = screen->player.x;
    screen->peppers[1].y = screen->player.y;
    screen->update();
    ASSERT_TRUE(screen->levelFading);
    const Frame fading = draw(*screen);
    EXPECT_TRUE(onTopLine(fading, "Score 120").has_value());
    EXPECT_TRUE(onTopLine(fading, "Level 1/15").has_value());
    EXPECT_TRUE(onTopLine(fading, "Peppers left 0").has_value());
}

TEST_F(PlayHudTest, TheHudNeverCoversTheHealthBar)
{
    // The longest line the HUD can show, in windows of several shapes.
    const struct {
        int width, height;
    } windows[] = {{200, 200}, {640, 480}, {480, 640}, {1920, 1080}};
    writeLevel(15, levelLines(0, 0, 0, 0, 0, 0, 999, 1));
    for (const auto& w : windows) {
        SCOPED_TRACE(std::to_string(w.width) + " x " + std::to_string(w.height));
        OffscreenRenderer window(RendererKind::gl1, w.width, w.height);
        ASSERT_TRUE(window.valid());
        auto screen = newGame(15);
        screen->score = -2147483647 - 1;
        screen->introShowing = false;
        screen->player.x = 50.0f;
        screen->player.y = -50.0f;
        for (Sprite& pepper : screen->peppers)
            pepper.visible = false;

        renderer().setClearColour(0.0f, 0.0f, 0.0f, 0.0f);
        window.clear();
        {
            HudShown off(false);
            screen->render();
        }
        const Frame without = readFrame(window);
        window.clear();
        screen->render();
        const Frame with = readFrame(window);

        // The bar's rectangle at full health, a pixel more on every side.
        const float toX = static_cast<float>(w.width) / 200.0f;
        const float toY = static_cast<float>(w.height) / 200.0f;
        const int left = static_cast<int>((-98.0f + 100.0f) * toX) - 1;
        const int right = static_cast<int>((-83.0f + 100.0f) * toX) + 1;
        const int bottom = static_cast<int>((95.5f + 100.0f) * toY) - 1;
        int barPixels = 0;
        int hudPixels = 0;
        for (int y = 0; y < w.height; ++y)
            for (int x = 0; x < w.width; ++x) {
                const bool inBar = x >= left && x <= right && y >= bottom;
                const bool changed = !sameColour(with.at(x, y), without.at(x, y));
                barPixels += inBar && sameColour(with.at(x, y), Colour{255, 0, 0, 255}) ? 1 : 0;
                hudPixels += changed ? 1 : 0;
                EXPECT_FALSE(inBar && changed) << "the HUD drew at " << x << ", " << y;
            }
        EXPECT_GT(barPixels, 0) << "the bar is drawn";
        EXPECT_GT(hudPixels, 0) << "the HUD is drawn";
        screen.reset();
    }
}

TEST_F(PlayHudTest, AHitFlashesTheFigureBlinksTheBarAndTheNumberSaysTheHealth)
{
    writeLevel(1, levelLines(0, 0, 0, 0, 0, 0, 1, 1));
    auto screen = newGame(1);
    screen->peppers[0].x = 60.0f;
    screen->player.x = 0.0f;
    screen->player.y = 0.0f;
    frameStep = 0.016f;
    const auto figure = [this](const Frame& frame) { return frame.at(pixelX(0.0f), pixelY(0.0f)); };
    const auto bar = [this](const Frame& frame) { return frame.at(pixelX(-95.0f), pixelY(97.0f)); };
    const Colour barRed{255, 0, 0, 255};

    const Frame before = draw(*screen);
    EXPECT_GT(figure(before).g, 200) << "the figure in its own colours";
    EXPECT_PRED2(sameColour, bar(before), barRed);
    const std::optional<Colour> full = onTopLine(before, "30");
    ASSERT_TRUE(full.has_value()) << "the health beside the bar";

    screen->hp = 24;
    const Frame hit = draw(*screen);
    EXPECT_GT(figure(hit).r, 200);
    EXPECT_LT(figure(hit).g, 100) << "the figure flashes";
    EXPECT_FALSE(sameColour(bar(hit), barRed)) << "the bar blinks";
    const std::optional<Colour> hurt = onTopLine(hit, "24");
    ASSERT_TRUE(hurt.has_value());
    EXPECT_FALSE(sameColour(*hurt, *full)) << "the number shows the hit too";

    frameStep = 0.7f;
    const Frame after = draw(*screen);
    EXPECT_GT(figure(after).g, 200) << "a moment later the figure is itself again";
    EXPECT_PRED2(sameColour, bar(after), barRed);
    const std::optional<Colour> calm = onTopLine(after, "24");
    ASSERT_TRUE(calm.has_value());
    EXPECT_PRED2(sameColour, *calm, *full);

    // -nohud: the figure and the bar still show the hit, no number is drawn.
    screen->hp = 20;
    frameStep = 0.016f;
    const Frame plain = draw(*screen, false);
    EXPECT_LT(figure(plain).g, 100);
    EXPECT_FALSE(onTopLine(plain, "20").has_value());
}

TEST_F(PlayHudTest, ALevelWithoutIntroComesInWithItsBannerForAMoment)
{
    writeLevel(1, levelLines(0, 0, 0, 0, 0, 0, 1, 1));
    std::vector<std::string> withIntro = levelLines(0, 0, 0, 0, 0, 0, 1, 1);
    withIntro[9] = "intro.txt";
    withIntro.push_back("0 0 0");
    writeLevel(2, withIntro);
    writeFile("intro.txt", "Level 2 - A test\n");

    auto screen = newGame(1);
    screen->peppers[0].x = 60.0f;
    frameStep = 0.5f;
    EXPECT_TRUE(inBanner(draw(*screen), "Level 1").has_value()) << "as the level comes in";
    EXPECT_TRUE(inBanner(draw(*screen), "Level 1").has_value()) << "a second later";
    EXPECT_FALSE(inBanner(draw(*screen), "Level 1").has_value()) << "gone after a second and a quarter";

    // The copy the in-game menu resumes is the same level going on.
    auto fresh = newGame(1);
    fresh->peppers[0].x = 60.0f;
    auto copy = fresh->snapshot();
    EXPECT_FALSE(inBanner(draw(*copy), "Level 1").has_value());

    // A level with an intro text says what it is in its first line instead.
    auto intro = newGame(2);
    ASSERT_TRUE(intro->introShowing);
    frameStep = 0.0f;
    EXPECT_FALSE(inBanner(draw(*intro), "Level 2").has_value());

    // -nohud: no banner.
    auto plain = newGame(1);
    EXPECT_FALSE(inBanner(draw(*plain, false), "Level 1").has_value());
}

TEST_F(PlayHudTest, DeathShowsTheScoreAndLevelAndThePlayerNeverCoversThem)
{
    writeLevel(3, levelLines(0, 0, 0, 0, 0, 0, 1, 1));
    auto screen = newGame(3);
    screen->level = 3;
    screen->peppers[0].x = 60.0f;
    screen->peppers[0].y = 60.0f;
    screen->score = 1234;
    // The player stands where the score line goes.
    screen->player.x = 0.0f;
    screen->player.y = -30.0f;
    screen->hp = 0;
    frameStep = 0.01f;
    screen->render(); // the death sequence starts
    ASSERT_TRUE(screen->dying);

    auto playerNear = [this](const Frame& frame) {
        int count = 0;
        for (int y = pixelY(-40.0f); y < pixelY(-20.0f); ++y)
            for (int x = pixelX(-10.0f); x < pixelX(10.0f); ++x)
                count += frame.at(x, y).r > 240 && frame.at(x, y).g > 240 && frame.at(x, y).b > 240;
        return count;
    };
    const Frame plain = draw(*screen, false);
    EXPECT_GT(playerNear(plain), 20) << "-nohud: the player is drawn as always";

    const Frame frame = draw(*screen);
    EXPECT_EQ(playerNear(frame), 0) << "the player stays behind the panel";
    const std::optional<Colour> score = onDeathPanel(frame, "Score 1234", 28);
    ASSERT_TRUE(score.has_value());
    const std::optional<Colour> level = onDeathPanel(frame, "Level 3/15");
    ASSERT_TRUE(level.has_value());
    // Light letters on the dark card: readable while the field goes dark.
    const Colour panel = frame.at(pixelX(0.0f), pixelY(-43.0f));
    EXPECT_LT(panel.r + panel.g + panel.b, 3 * 80);
    EXPECT_GT(score->r + score->g + score->b, 3 * 180);
    EXPECT_GT(level->r + level->g + level->b, 3 * 180);
}

TEST_F(PlayHudTest, TheDeadPictureKeepsItsColoursWhileTheFieldGoesDark)
{
    const Colour cream{250, 240, 200, 255};
    writeRowPicture("Textures/dead.png", {cream, cream}, 8);
    writeLevel(3, levelLines(0, 0, 0, 0, 0, 0, 1, 1));
    auto screen = newGame(3);
    screen->peppers[0].x = 60.0f;
    screen->player.x = 60.0f;
    screen->hp = 0;
    frameStep = 0.01f;
    screen->render(); // the death sequence starts
    ASSERT_TRUE(screen->dying);
    // Most of the way to the end: the light is at a tenth.
    frameStep = 1.1f;
    const Frame frame = draw(*screen);
    ASSERT_TRUE(screen->dying);
    ASSERT_LT(screen->fadePhase, 0.0f);
    EXPECT_PRED2(sameColour, frame.at(pixelX(0.0f), pixelY(2.0f)), cream) << "the dead picture";
    const Colour field = frame.at(pixelX(-90.0f), pixelY(-90.0f));
    EXPECT_LT(field.r + field.g + field.b, 3 * 20) << "the field has gone dark";
}

TEST_F(PlayHudTest, ADeathThatEntersTheBestScoresSaysAtWhichPlaceOnTheCard)
{
    writeLevel(3, levelLines(0, 0, 0, 0, 0, 0, 1, 1));
    auto screen = newGame(3);
    screen->score = 1234;
    screen->hp = 0;
    frameStep = 0.01f;
    screen->render(); // the death sequence starts
    ASSERT_TRUE(screen->dying);
    const auto placeLine = [this](const Frame& frame, const std::string& text) {
        return findText(frame, inkOf(window, text), pixelY(-60.0f), pixelY(-40.0f));
    };

    EXPECT_FALSE(placeLine(draw(*screen), "A new best score: place 1!").has_value())
        << "a run without best scores says nothing of them";
    BestScores list;
    list.enter({5000, 9, "2024-01-01", "", ""});
    list.enter({1000, 3, "2024-01-01", "", ""});
    ScoreBook book(list);
    useScoreBook(&book);
    struct Uninstall {
        ~Uninstall() { useScoreBook(nullptr); }
    } uninstall;
    const Frame frame = draw(*screen);
    const std::optional<Colour> place = placeLine(frame, "A new best score: place 2!");
    ASSERT_TRUE(place.has_value());
    EXPECT_LT(place->r + place->g + place->b, 3 * 120) << "dark on the light panel";
    for (int i = 0; i < 9; ++i)
        list.enter({2000, 3, "2024-01-01", "", ""});
    book = ScoreBook(list);
    EXPECT_FALSE(placeLine(draw(*screen), "A new best score: place 2!").has_value())
        << "a score under the tenth enters nowhere";
}

TEST_F(PlayHudTest, TheIntroTextHasAPanelTheFieldDoesNotShowThrough)
{
    std::vector<std::string> lines = levelLines(0, 0, 0, 0, 0, 0, 1, 1);
    lines[9] = "intro.txt";
    lines.push_back("0 0 0");
    writeLevel(1, lines);
    writeFile("intro.txt", "WWWWWWWW\n\nWWWW\n");
    auto screen = newGame(1);
    ASSERT_TRUE(screen->introShowing);
    for (const bool shown : {true, false}) {
        SCOPED_TRACE(shown);
        const Frame frame = draw(*screen, shown);
        // In the empty middle line (y 64), between the first two lines and
        // beside the short last line (y 53): the panel, lighter than the field.
        const float widest = screen->introText.textWidth("WWWWWWWW", 200.0f);
        for (const auto& p : {std::pair<float, float>{-73.0f, 64.0f}, {-60.0f, 69.5f}, {-75.0f + widest - 2.0f, 53.5f}}) {
            const Colour c = frame.at(pixelX(p.first), pixelY(p.second));
            EXPECT_GT(c.r + c.g + c.b, 3 * 200) << p.first << ", " << p.second;
        }
        // Beyond the text's widest line and below its last line: the field.
        EXPECT_TRUE(sameColour(frame.at(pixelX(-75.0f + widest + 6.0f), pixelY(64.0f)), grey));
        EXPECT_TRUE(sameColour(frame.at(pixelX(-60.0f), pixelY(38.0f)), grey));
    }
}
