// The player's controls, the copy of the game handed to the in-game menu, and
// saving that copy.
#include <cstdio>
#include <tuple>
#include <vector>

#include "PlayTestSupport.h"
#include "app/Globals.h"
#include "entities/Knife.h"
#include "entities/Ninja.h"
#include "entities/Pirate.h"
#include "entities/Robot.h"
#include "menus/TitleScreen.h"
#include "platform/VirtualKeys.h"
#include "play/SaveRecord.h"
#include "screens/FadeScreen.h"

namespace {

void holdOnly(std::initializer_list<int> keys)
{
    for (unsigned char& key : keyState)
        key = 0;
    for (int key : keys)
        keyState[key] = 1;
}

using Place = std::tuple<float, float, float, float>; // target x, y, centre x, y

} // namespace

class PlayControlsTest : public SeededPlay {
protected:
    void TearDown() override
    {
        holdOnly({});
        SeededPlay::TearDown();
    }

    // Holds the keys over a play screen made with new, checks that it fades
    // into the in-game menu, lets the fade end (which destroys the play
    // screen) and returns the copy the menu held.
    std::unique_ptr<PlayScreen> openMenu(PlayScreen* screen, std::initializer_list<int> keys)
    {
        currentScreen = screen;
        holdOnly(keys);
        screen->keysHeld(keyState);
        auto* fade = dynamic_cast<FadeScreen*>(currentScreen);
        auto* menu = fade != nullptr ? dynamic_cast<TitleScreen*>(fade->newScreen) : nullptr;
        if (menu == nullptr) {
            ADD_FAILURE() << "no fade into a menu";
            return nullptr;
        }
        EXPECT_EQ(fade->oldScreen, screen);
        EXPECT_EQ(fade->halfDuration, 7.5f);
        EXPECT_TRUE(menu->inGame);
        std::unique_ptr<PlayScreen> copy = std::move(menu->suspended);
        frameStep = 10.0f;
        fade->update();
        delete menu;
        currentScreen = nullptr;
        return copy;
    }
};

TEST_F(PlayControlsTest, ArrowsMoveThePlayer80UnitsASecondOnEachAxis)
{
    writeLevel(1, levelLines(0, 0, 0, 0, 0, 0, 1, 1));
    auto screen = newGame(1);
    struct Case {
        std::initializer_list<int> keys;
        float dx, dy;
    };
    const Case cases[] = {
        {{vk::up}, 0, 40},           {{vk::down}, 0, -40},          {{vk::right}, 40, 0},
        {{vk::left}, -40, 0},        {{vk::up, vk::right}, 40, 40},   {{vk::up, vk::down}, 0, 0},
        {{vk::left, vk::right}, 0, 0}, {{vk::down, vk::left}, -40, -40}, {{}, 0, 0},
    };
    frameStep = 0.5f;
    for (const Case& c : cases) {
        screen->player.x = 0.0f;
        screen->player.y = 0.0f;
        holdOnly(c.keys);
        screen->keysHeld(keyState);
        EXPECT_EQ(screen->player.x, c.dx);
        EXPECT_EQ(screen->player.y, c.dy);
    }

    // During the intro pause the player moves too and is put back on the
    // field by the first update after the pause.
    screen->introShowing = true;
    screen->player.x = 90.0f;
    holdOnly({vk::right});
    screen->keysHeld(keyState);
    EXPECT_EQ(screen->player.x, 130.0f);
    holdOnly({vk::enter});
    screen->keysHeld(keyState);
    EXPECT_FALSE(screen->introShowing);
    screen->update();
    EXPECT_EQ(screen->player.x, 95.0f);

    // Fades and the death sequence ignore every key, Esc included.
    for (bool PlayScreen::*flag : {&PlayScreen::levelFading, &PlayScreen::dying}) {
        screen.get()->*flag = true;
        screen->introShowing = true;
        currentScreen = screen.get();
        holdOnly({vk::up, vk::enter, vk::escape, vk::home});
        screen->keysHeld(keyState);
        EXPECT_EQ(screen->player.y, 0.0f);
        EXPECT_TRUE(screen->introShowing);
        EXPECT_EQ(currentScreen, screen.get());
        screen.get()->*flag = false;
    }
}

TEST_F(PlayControlsTest, TheMenuCopyKeepsTheStateOfTheRunningGame)
{
    writeLevel(3, levelLines(1, 2, 1, 1, 1, 2, 4, 15));
    auto* screen = newGame(3).release();
    screen->level = 3;
    frameStep = 0.05f;
    screen->player.x = 90.0f;
    screen->player.y = 90.0f;
    for (int i = 0; i < 3; ++i)
        screen->update();
    // Eat the second pepper, away from the others.
    for (std::size_t i = 0; i < 4; ++i) {
        screen->peppers[i].x = i == 1 ? -70.0f : 70.0f;
        screen->peppers[i].y = -70.0f + 10.0f * static_cast<float>(i);
    }
    screen->player.x = -70.0f;
    screen->player.y = -60.0f;
    screen->update();
    ASSERT_FALSE(screen->peppers[1].visible);
    screen->player.x = -12.5f;
    screen->player.y = 33.25f;
    screen->hp = 17;
    screen->score = 615;
    screen->introShowing = true;

    // Every enemy stands somewhere of its own; what else each kind keeps is
    // its own test's (tests/entities/EntityCopyTest.cpp).
    ASSERT_EQ(screen->entities.size(), 6u);
    std::vector<std::tuple<EntityKind, float, float>> enemies; // kind, centre
    for (std::size_t i = 0; i < screen->entities.size(); ++i) {
        Entity& enemy = *screen->entities[i];
        enemy.sprite.x = 10.0f * static_cast<float>(i) + 1.0f;
        enemy.sprite.y = -10.0f * static_cast<float>(i) - 2.0f;
        enemy.speed = 99.0f; // not kept: the copy's own load sets it
        enemies.emplace_back(enemy.kind(), enemy.sprite.x, enemy.sprite.y);
    }

    screen->projectiles.clear();
    for (bool visible : {true, false}) {
        auto knife = std::make_unique<Knife>();
        knife->sprite.x = visible ? 10.0f : 50.0f;
        knife->sprite.y = 20.0f;
        knife->velocityX = 30.0f;
        knife->velocityY = -20.0f;
        knife->sprite.visible = visible;
        screen->projectiles.push_back(std::move(knife));
    }

    HealthPickup& taken = screen->healthPickups[0];
    taken.available = false;
    taken.sprite.visible = false;
    HealthPickup& out = screen->healthPickups[1];
    std::tie(out.clock, out.lifetime, out.sprite.visible, out.available) = std::tuple{2.5f, 9.0f, true, true};
    const float outX = out.sprite.x;
    const float outY = out.sprite.y;

    setTicks(777); // the copy's load draws other spots
    std::unique_ptr<PlayScreen> copy = openMenu(screen, {vk::escape});
    ASSERT_NE(copy, nullptr);

    EXPECT_EQ(std::make_tuple(copy->level, copy->hp, copy->score, copy->peppersLeft, copy->pointsPerPepper),
              std::make_tuple(3, 17, 615, 3, 15));
    EXPECT_TRUE(copy->introShowing) << "Esc in the pause: the copy shows the intro again";
    EXPECT_FALSE(copy->levelFading || copy->dying || copy->leaving);
    EXPECT_EQ(copy->player.x, -12.5f);
    EXPECT_EQ(copy->player.y, 33.25f);
    ASSERT_EQ(copy->peppers.size(), 4u);
    for (std::size_t i = 0; i < 4; ++i) {
        EXPECT_EQ(copy->peppers[i].visible, i != 1);
        EXPECT_EQ(copy->peppers[i].y, -70.0f + 10.0f * static_cast<float>(i));
    }

    ASSERT_EQ(copy->entities.size(), enemies.size());
    for (std::size_t i = 0; i < enemies.size(); ++i) {
        const Entity& enemy = *copy->entities[i];
        EXPECT_EQ(std::make_tuple(enemy.kind(), enemy.sprite.x, enemy.sprite.y), enemies[i]) << i;
        EXPECT_NE(enemy.speed, 99.0f) << i;
        EXPECT_EQ(enemy.events, &copy->sounds) << i;
    }
    EXPECT_EQ(static_cast<Ninja&>(*copy->entities[2]).ninjas, &copy->ninjas);
    EXPECT_EQ(static_cast<Pirate&>(*copy->entities[4]).projectiles, &copy->projectiles);
    EXPECT_EQ(static_cast<Robot&>(*copy->entities[5]).entities, &copy->entities);

    ASSERT_EQ(copy->projectiles.size(), 2u);
    const Knife& k = *copy->projectiles.front();
    EXPECT_EQ(Place(k.velocityX, k.velocityY, k.sprite.x, k.sprite.y), Place(30, -20, 10, 20));
    EXPECT_EQ(k.sprite.texture.glName, copy->knifeTexture.glName);
    EXPECT_EQ(k.sprite.width, 11.5f) << "spawned";
    EXPECT_EQ(k.events, &copy->sounds);
    EXPECT_TRUE(copy->projectiles.back()->sprite.visible) << "a spent knife flies on in the copy";

    ASSERT_EQ(copy->healthPickups.size(), 2u);
    EXPECT_FALSE(copy->healthPickups[0].available);
    EXPECT_FALSE(copy->healthPickups[0].sprite.visible);
    const HealthPickup& o = copy->healthPickups[1];
    EXPECT_EQ(std::make_tuple(o.clock, o.lifetime, o.sprite.visible, o.available), std::make_tuple(2.5f, 9.0f, true, true));
    EXPECT_NE(o.sprite.x * 1000 + o.sprite.y, outX * 1000 + outY) << "pickups stand at the copy's own spots";

    // Resumed, the game runs on: the intro pause first, then the knife flies.
    frameStep = 0.1f;
    copy->update();
    EXPECT_EQ(copy->projectiles.front()->sprite.x, 10.0f);
    copy->introShowing = false;
    copy->update();
    EXPECT_FLOAT_EQ(copy->projectiles.front()->sprite.x, 13.0f);
    EXPECT_FLOAT_EQ(copy->projectiles.front()->sprite.y, 18.0f);
}

TEST_F(PlayControlsTest, EnterWithHomeEndsThePauseFirstAndAVanishedLevelFileCopiesNothing)
{
    // The copy reloads the level: a level file gone in between leaves it
    // empty, and nothing is copied out of bounds.
    writeLevel(2, levelLines(1, 1, 1, 1, 1, 1, 3, 1));
    auto* screen = newGame(2).release();
    screen->level = 2;
    screen->introShowing = true;
    std::remove("Levels/l2.lvl");
    std::unique_ptr<PlayScreen> copy = openMenu(screen, {vk::enter, vk::home});
    ASSERT_NE(copy, nullptr);
    EXPECT_FALSE(copy->introShowing);
    EXPECT_TRUE(copy->entities.empty());
    EXPECT_TRUE(copy->peppers.empty());
    EXPECT_EQ(copy->peppersLeft, 3);
}

TEST_F(PlayControlsTest, SavingWritesLevelHealthScoreAndThePause)
{
    writeLevel(1, levelLines(0, 0, 0, 0, 0, 0, 2, 1));
    auto screen = newGame(1);
    screen->level = 7;
    screen->hp = 9;
    screen->score = 4321;
    screen->introShowing = true;
    ASSERT_TRUE(screen->saveGame("Save/mine.sav"));
    const SaveRecord record = readSaveRecord("Save/mine.sav");
    EXPECT_EQ(std::make_tuple(record.level, record.hp, record.score, record.introShowing),
              std::make_tuple(7, 9, 4321, std::uint8_t{1}));

    writeFile("blocker", "a file where a directory should be");
    EXPECT_FALSE(screen->saveGame("blocker/x.sav"));
}

TEST_F(PlayControlsTest, LosingTheFocusOpensTheMenuAsEscDoesButNotDuringAFadeOrDeath)
{
    writeLevel(1, levelLines(0, 0, 0, 1, 0, 0, 2, 1));
    for (const char* busy : {"levelFading", "dying", "leaving"}) {
        SCOPED_TRACE(busy);
        auto screen = newGame(1);
        currentScreen = screen.get();
        screen->levelFading = std::string(busy) == "levelFading";
        screen->dying = std::string(busy) == "dying";
        screen->leaving = std::string(busy) == "leaving";
        screen->focusLost();
        EXPECT_EQ(currentScreen, screen.get());
        currentScreen = nullptr;
    }

    auto* screen = newGame(1).release();
    screen->score = 55;
    screen->player.x = 12.0f;
    currentScreen = screen;
    screen->focusLost();
    auto* fade = dynamic_cast<FadeScreen*>(currentScreen);
    ASSERT_NE(fade, nullptr);
    EXPECT_EQ(fade->oldScreen, screen);
    EXPECT_EQ(fade->halfDuration, 7.5f);
    auto* menu = dynamic_cast<TitleScreen*>(fade->newScreen);
    ASSERT_NE(menu, nullptr);
    EXPECT_TRUE(menu->inGame);
    ASSERT_NE(menu->suspended, nullptr);
    EXPECT_EQ(menu->suspended->score, 55) << "the menu holds the copy Esc would have made";
    EXPECT_FLOAT_EQ(menu->suspended->player.x, 12.0f);
    frameStep = 10.0f;
    fade->update();
    delete menu;
    currentScreen = nullptr;
}
