// The play rules of one frame, the fade between levels, the win and the death.
#include <algorithm>
#include <climits>
#include <cmath>

#include "PlayTestSupport.h"
#include "app/Globals.h"
#include "entities/Knife.h"
#include "entities/Random.h"
#include "entities/Robot.h"
#include "entities/Zombie.h"
#include "menus/EndingScreen.h"
#include "menus/TitleScreen.h"
#include "play/PlayConstants.h"
#include "screens/FadeScreen.h"
#include "render/Renderer.h"

namespace {

// An enemy that takes a fixed number of hit points every frame and records
// where it was told the player stood.
class Biter : public Entity {
public:
    explicit Biter(int damage) : damage_(damage) {}
    int update(float playerX, float playerY) override
    {
        ++calls;
        seenX = playerX;
        seenY = playerY;
        return damage_;
    }
    int calls = 0;
    float seenX = 0.0f;
    float seenY = 0.0f;

private:
    int damage_;
};

std::unique_ptr<Knife> knifeAt(float x, float y, float velocityX, bool visible)
{
    auto knife = std::make_unique<Knife>();
    knife->spawn();
    knife->sprite.x = x;
    knife->sprite.y = y;
    knife->velocityX = velocityX;
    knife->sprite.visible = visible;
    return knife;
}

float ambientLevel()
{
    const float ambient[4] = {renderer().ambient(), renderer().ambient(), renderer().ambient(), 1.0f};
    return ambient[0];
}

} // namespace

class PlayRulesTest : public SeededPlay {
protected:
    // A level with the given peppers in a row along y = -80 and nothing else.
    std::unique_ptr<PlayScreen> pepperLevel(int level, int peppers, int points)
    {
        writeLevel(level, levelLines(0, 0, 0, 0, 0, 0, peppers, points));
        auto screen = newGame(level);
        screen->level = level;
        for (int i = 0; i < peppers; ++i) {
            screen->peppers[i].x = -80.0f + 30.0f * static_cast<float>(i);
            screen->peppers[i].y = -80.0f;
        }
        screen->player.x = 60.0f;
        screen->player.y = 60.0f;
        return screen;
    }
};

TEST_F(PlayRulesTest, ThePlayerReddensPepperByPepperAndTheLastOneCompletesTheLevel)
{
    auto screen = pepperLevel(1, 4, 25);
    frameStep = 0.02f;
    screen->update();
    EXPECT_EQ(screen->player.colour, (Colour{255, 255, 255, 255}));

    const unsigned char tints[] = {191, 127, 63};
    for (int i = 0; i < 3; ++i) {
        screen->player.x = screen->peppers[i].x;
        screen->player.y = screen->peppers[i].y;
        screen->update();
        EXPECT_FALSE(screen->peppers[i].visible);
        EXPECT_EQ(screen->peppersLeft, 3 - i);
        EXPECT_EQ(screen->score, 25 * (i + 1));
        EXPECT_EQ(screen->player.colour, (Colour{255, tints[i], tints[i], 255})) << "after pepper " << i + 1;
    }
    // Standing on an eaten pepper collects nothing more.
    screen->update();
    EXPECT_EQ(screen->score, 75);

    screen->player.x = screen->peppers[3].x;
    screen->player.y = screen->peppers[3].y;
    screen->update();
    EXPECT_EQ(screen->score, 100);
    EXPECT_EQ(screen->player.colour, (Colour{255, 255, 255, 255})) << "full red is never shown";
    EXPECT_TRUE(screen->levelFading);
    EXPECT_FALSE(screen->nextLevelLoaded);
    EXPECT_EQ(screen->fadePhase, -50.0f);
    EXPECT_EQ(screen->level, 2);
    EXPECT_EQ(screen->peppersLeft, 4) << "reset to the pepper sprites of the level";
}

TEST_F(PlayRulesTest, HealingComesAfterAllDamageAndTheCutTo30AfterHealing)
{
    auto screen = pepperLevel(1, 1, 1);
    auto* biter = new Biter(4);
    screen->entities.add(std::unique_ptr<Entity>(biter));
    HealthPickup pickup;
    pickup.sprite.x = screen->player.x;
    pickup.sprite.y = screen->player.y;
    pickup.clock = 1.0f;
    pickup.lifetime = 14.0f;
    screen->healthPickups.push_back(pickup);
    screen->projectiles.push_back(knifeAt(screen->player.x, screen->player.y, 0.0f, true));

    // 30 - 4 (bite) - 3 (knife) + 5..9 (pickup) = 28..32, cut to 30 only at
    // the end: a cut before the damage would leave 23.
    frameStep = 0.01f;
    screen->update();
    EXPECT_EQ(biter->calls, 1);
    EXPECT_FALSE(screen->healthPickups[0].available);
    EXPECT_GE(screen->hp, 28);
    EXPECT_LE(screen->hp, 30);

    // Without a pickup the damage simply stays.
    screen->healthPickups.clear();
    screen->hp = 30;
    screen->update();
    EXPECT_EQ(screen->hp, 26);

    // A pickup at full health is used up all the same.
    screen->entities.clear();
    screen->hp = 30;
    pickup.available = true;
    screen->healthPickups.push_back(pickup);
    screen->update();
    EXPECT_EQ(screen->hp, 30);
    EXPECT_FALSE(screen->healthPickups[0].available);
}

TEST_F(PlayRulesTest, EnemiesMeetThePlayerInsideTheField)
{
    auto screen = pepperLevel(1, 1, 1);
    auto* biter = new Biter(0);
    screen->entities.add(std::unique_ptr<Entity>(biter));
    struct Case {
        float x, y, expectX, expectY;
    };
    const Case cases[] = {
        {200.0f, -300.0f, 95.0f, -95.0f}, {-95.5f, 95.0f, -95.0f, 95.0f},
        {94.0f, -94.0f, 94.0f, -94.0f}, {-1000.0f, 1000.0f, -95.0f, 95.0f},
    };
    frameStep = 0.01f;
    for (const Case& c : cases) {
        screen->player.x = c.x;
        screen->player.y = c.y;
        screen->update();
        EXPECT_EQ(screen->player.x, c.expectX);
        EXPECT_EQ(screen->player.y, c.expectY);
        // The enemies saw the player where it stood before being put back.
        EXPECT_EQ(biter->seenX, c.x);
        EXPECT_EQ(biter->seenY, c.y);
    }
}

TEST_F(PlayRulesTest, SpentKnivesAreRemovedWithoutSkippingTheNextButTheLastStays)
{
    auto screen = pepperLevel(1, 1, 1);
    screen->projectiles.push_back(knifeAt(-50.0f, 0.0f, 10.0f, false));
    screen->projectiles.push_back(knifeAt(-40.0f, 0.0f, 10.0f, true));
    screen->projectiles.push_back(knifeAt(-30.0f, 0.0f, 10.0f, false));
    screen->projectiles.push_back(knifeAt(-20.0f, 0.0f, 10.0f, true));
    frameStep = 0.5f;
    screen->update();
    ASSERT_EQ(screen->projectiles.size(), 2u);
    EXPECT_EQ(screen->projectiles.front()->sprite.x, -35.0f) << "each flying knife moved once";
    EXPECT_EQ(screen->projectiles.back()->sprite.x, -15.0f);

    // Both fly off the field; the first is removed, the last one stays.
    for (auto& knife : screen->projectiles)
        knife->sprite.x = 104.0f;
    screen->update();
    ASSERT_EQ(screen->projectiles.size(), 1u);
    EXPECT_FALSE(screen->projectiles.front()->sprite.visible);
    screen->update();
    EXPECT_EQ(screen->projectiles.size(), 1u);
}

TEST_F(PlayRulesTest, PausesStopTheRulesButNotTheCompletionCheck)
{
    auto screen = pepperLevel(1, 2, 5);
    auto* biter = new Biter(1);
    screen->entities.add(std::unique_ptr<Entity>(biter));
    screen->player.x = screen->peppers[0].x;
    screen->player.y = screen->peppers[0].y;
    frameStep = 0.1f;
    for (bool PlayScreen::*flag : {&PlayScreen::introShowing, &PlayScreen::levelFading, &PlayScreen::dying}) {
        screen.get()->*flag = true;
        screen->update();
        screen.get()->*flag = false;
    }
    EXPECT_EQ(biter->calls, 0);
    EXPECT_EQ(screen->score, 0);
    EXPECT_EQ(screen->peppersLeft, 2);

    // During the intro pause a level without peppers left completes anyway.
    screen->introShowing = true;
    screen->peppersLeft = 0;
    screen->update();
    EXPECT_TRUE(screen->levelFading);
    EXPECT_EQ(screen->level, 2);
}

TEST_F(PlayRulesTest, TheLevelFadeLoadsTheNextLevelAtItsDarkestPoint)
{
    auto screen = pepperLevel(1, 1, 5);
    writeLevel(2, levelLines(0, 0, 0, 0, 0, 0, 3, 7));
    screen->player.x = screen->peppers[0].x;
    screen->player.y = screen->peppers[0].y;
    frameStep = 0.125f; // 10 fade units a frame
    screen->update();
    ASSERT_TRUE(screen->levelFading);
    currentScreen = screen.get();

    const float phases[] = {-40, -30, -20, -10};
    for (float phase : phases) {
        screen->render();
        EXPECT_EQ(screen->fadePhase, phase);
        EXPECT_FLOAT_EQ(ambientLevel(), -phase * 0.02f);
        EXPECT_EQ(screen->peppers.size(), 1u) << "still the old level at phase " << phase;
        screen->update();
    }
    screen->render();
    EXPECT_EQ(screen->fadePhase, 0.0f);
    EXPECT_TRUE(screen->nextLevelLoaded);
    EXPECT_EQ(screen->peppers.size(), 3u);
    EXPECT_EQ(screen->pointsPerPepper, 7);
    EXPECT_EQ(ambientLevel(), 0.0f);
    for (int i = 0; i < 5; ++i) {
        screen->update();
        screen->render();
    }
    EXPECT_EQ(screen->fadePhase, 50.0f);
    EXPECT_FALSE(screen->levelFading);
    EXPECT_EQ(ambientLevel(), 1.0f);
    EXPECT_EQ(screen->peppers.size(), 3u) << "loaded once";
    EXPECT_EQ(screen->level, 2);
    EXPECT_EQ(screen->score, 5);
}

TEST_F(PlayRulesTest, ALevelWithoutPeppersClimbsOneLevelPerFrameToTheEnding)
{
    // No level files at all: every level is empty and complete at once.
    auto* screen = new PlayScreen();
    screen->enter();
    screen->setup(1);
    screen->score = 1234;
    currentScreen = screen;
    frameStep = 0.01f;
    for (int frame = 1; frame <= 14; ++frame) {
        screen->update();
        EXPECT_EQ(screen->level, 1 + frame);
        screen->render();
        EXPECT_FALSE(screen->nextLevelLoaded) << "the fade restarts before it reaches the loading point";
        ASSERT_EQ(currentScreen, screen);
    }
    screen->update();
    EXPECT_EQ(screen->level, 16);
    EXPECT_TRUE(screen->leaving);
    auto* fade = dynamic_cast<FadeScreen*>(currentScreen);
    ASSERT_NE(fade, nullptr);
    EXPECT_EQ(fade->oldScreen, screen);
    EXPECT_EQ(fade->halfDuration, 12.5f);
    auto* ending = dynamic_cast<EndingScreen*>(fade->newScreen);
    ASSERT_NE(ending, nullptr);
    EXPECT_EQ(ending->finalScore, 1234);

    // The fade draws the play screen on; it changes nothing any more.
    screen->render();
    screen->update();
    EXPECT_EQ(screen->level, 16);
    EXPECT_EQ(currentScreen, fade);

    frameStep = 10.0f;
    fade->update(); // destroys the play screen and itself
    EXPECT_EQ(currentScreen, ending);
    delete ending;
}

TEST_F(PlayRulesTest, DeathDimsTheLightGrowsTheDeadPictureAndReturnsToTheMenu)
{
    auto* screen = pepperLevel(1, 2, 5).release();
    auto* biter = new Biter(45);
    screen->entities.add(std::unique_ptr<Entity>(biter));
    screen->projectiles.push_back(knifeAt(-50.0f, 50.0f, 10.0f, true));
    currentScreen = screen;
    frameStep = 0.125f; // 5 death fade units a frame

    screen->update();
    EXPECT_EQ(screen->hp, -15);
    screen->render();
    EXPECT_EQ(screen->hp, 0);
    EXPECT_TRUE(screen->dying);
    EXPECT_EQ(screen->fadePhase, -50.0f);
    EXPECT_TRUE(screen->deadPicture.visible);

    struct Step {
        float phase, width, height;
    };
    // brightness = |phase| * 0.02
    const Step steps[] = {
        {-45, 25, 12.5f}, {-40, 25, 12.5f}, {-35, 25, 12.5f}, {-30, 50, 25}, {-25, 50, 25},
        {-20, 50, 25},    {-15, 75, 37.5f}, {-10, 75, 37.5f}, {-5, 75, 37.5f},
    };
    const float knifeX = screen->projectiles.front()->sprite.x;
    for (const Step& step : steps) {
        screen->keysHeld(keyState);
        screen->update();
        screen->render();
        ASSERT_EQ(currentScreen, screen);
        EXPECT_EQ(screen->fadePhase, step.phase);
        EXPECT_EQ(screen->deadPicture.width, step.width) << "phase " << step.phase;
        EXPECT_EQ(screen->deadPicture.height, step.height) << "phase " << step.phase;
        EXPECT_FLOAT_EQ(ambientLevel(), -step.phase * 0.02f);
    }
    EXPECT_EQ(biter->calls, 1) << "enemies stand still while the player dies";
    EXPECT_EQ(screen->projectiles.front()->sprite.x, knifeX) << "knives stop";

    // 1.25 s after the first frame of the sequence the game is over.
    screen->update();
    screen->render();
    auto* title = dynamic_cast<TitleScreen*>(currentScreen);
    ASSERT_NE(title, nullptr);
    EXPECT_FALSE(title->inGame);
    ASSERT_EQ(retiredScreens.size(), 1u);
    EXPECT_EQ(retiredScreens[0], screen);
    freeRetiredScreens();
    delete title;
}

TEST_F(PlayRulesTest, TheGameIsOverOnlyOnceThePlayScreenIsCurrent)
{
    auto screen = pepperLevel(1, 1, 5);
    Screen other;
    currentScreen = &other; // a screen fade is drawing the play screen
    screen->hp = 0;
    frameStep = 0.5f;
    for (int i = 0; i < 5; ++i)
        screen->render();
    EXPECT_EQ(currentScreen, &other);
    EXPECT_TRUE(retiredScreens.empty());
    EXPECT_GE(screen->fadePhase, 0.0f);
}

TEST_F(PlayRulesTest, ATintWithoutPepperSpritesStaysWhite)
{
    writeLevel(1, levelLines(0, 0, 0, 0, 0, 0, -3, 5));
    auto screen = newGame(1);
    frameStep = 0.02f;
    screen->player.colour.g = 10;
    screen->update();
    EXPECT_EQ(screen->player.colour, (Colour{255, 255, 255, 255}));
    EXPECT_FALSE(screen->levelFading) << "a negative pepper count never completes";
    EXPECT_EQ(screen->peppersLeft, -3);

    // More peppers left than sprites (a copy of an older file): no overflow.
    auto peppered = pepperLevel(2, 2, 5);
    peppered->peppersLeft = 7;
    peppered->update();
    EXPECT_EQ(peppered->player.colour, (Colour{255, 255, 255, 255}));
    peppered->peppersLeft = -1;
    peppered->update();
    EXPECT_EQ(peppered->player.colour, (Colour{255, 0, 0, 255}));
}

TEST_F(PlayRulesTest, ExtremeNumbersFromFilesWrapOrHoldInsteadOfOverflowing)
{
    // Points per pepper as large as the file allows: the score wraps as a
    // 32-bit number.
    writeLevel(1, {"0", "0", "0", "0", "0", "0", "2", "2147483647", "bg.png", "none"});
    auto screen = newGame(1);
    screen->score = 10;
    screen->peppers[0].x = screen->player.x = -80.0f;
    screen->peppers[0].y = screen->player.y = -80.0f;
    screen->peppers[1].x = screen->peppers[1].y = 80.0f;
    frameStep = 0.01f;
    screen->update();
    EXPECT_EQ(screen->score, static_cast<int>(10u + 2147483647u));

    // A saved game at the largest level number: its missing level completes
    // at once and the game is won without the number wrapping.
    auto* last = new PlayScreen();
    last->enter();
    last->level = INT_MAX;
    last->setup(INT_MAX);
    currentScreen = last;
    last->update();
    EXPECT_EQ(last->level, INT_MAX);
    EXPECT_TRUE(last->leaving);
    auto* fade = dynamic_cast<FadeScreen*>(currentScreen);
    ASSERT_NE(fade, nullptr);
    Screen* ending = fade->newScreen;
    frameStep = 10.0f;
    fade->update();
    delete ending;
}

TEST_F(PlayRulesTest, RobotsSetTheSameZombiesBurningThroughTheZombieGridAsThroughTheList)
{
    // A crowded level: the robots' flames keep meeting zombies.
    writeLevel(1, levelLines(0, 0, 40, 300, 0, 0, 1, 1));
    struct Frame {
        int hp;
        std::vector<float> positions;
        std::vector<bool> burning;
    };
    const auto play = [](PlayScreen& screen) {
        std::vector<Frame> frames;
        screen.introShowing = false;
        screen.peppers[0].x = screen.peppers[0].y = 95.0f;
        frameStep = 0.05f;
        for (int frame = 0; frame < 400; ++frame) {
            screen.hp = play::maxHealth; // no death sequence
            screen.player.x = 60.0f * std::sin(frame * 0.02f);
            screen.update();
            Frame seen{screen.hp, {}, {}};
            for (const auto& entity : screen.entities) {
                seen.positions.push_back(entity->sprite.x);
                seen.positions.push_back(entity->sprite.y);
                if (entity->kind() == EntityKind::Zombie)
                    seen.burning.push_back(static_cast<Zombie&>(*entity).burning);
            }
            frames.push_back(seen);
        }
        return frames;
    };

    const std::uint32_t start = thrask::randState();
    auto throughGrid = newGame(1);
    const std::vector<Frame> gridFrames = play(*throughGrid);
    thrask::srand(start);
    auto throughList = newGame(1);
    for (const auto& entity : throughList->entities)
        if (entity->kind() == EntityKind::Robot)
            static_cast<Robot&>(*entity).zombieIndex = nullptr;
    const std::vector<Frame> listFrames = play(*throughList);

    for (std::size_t frame = 0; frame < gridFrames.size(); ++frame) {
        ASSERT_EQ(gridFrames[frame].hp, listFrames[frame].hp) << "frame " << frame;
        ASSERT_EQ(gridFrames[frame].positions, listFrames[frame].positions) << "frame " << frame;
        ASSERT_EQ(gridFrames[frame].burning, listFrames[frame].burning) << "frame " << frame;
    }
    const std::vector<bool>& last = gridFrames.back().burning;
    EXPECT_GT(std::count(last.begin(), last.end(), true), 20) << "the flames met zombies";
}
