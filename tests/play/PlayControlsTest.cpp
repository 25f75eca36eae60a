// The player's controls, the copy of the game handed to the in-game menu, and
// saving that copy.
#include "PlayTestSupport.h"
#include "app/Globals.h"
#include "entities/Cabbage.h"
#include "entities/Knife.h"
#include "entities/Ninja.h"
#include "entities/Pirate.h"
#include "entities/Robot.h"
#include "entities/Zombie.h"
#include "menus/SaveRecord.h"
#include "menus/TitleScreen.h"
#include "screens/FadeScreen.h"

namespace {

constexpr int vkReturn = 0x0D;
constexpr int vkEscape = 0x1B;
constexpr int vkHome = 0x24;
constexpr int vkLeft = 0x25;
constexpr int vkUp = 0x26;
constexpr int vkRight = 0x27;
constexpr int vkDown = 0x28;

void holdOnly(std::initializer_list<int> keys)
{
    for (unsigned char& key : keyState)
        key = 0;
    for (int key : keys)
        keyState[key] = 1;
}

} // namespace

class PlayControlsTest : public PlayTest {
protected:
    void TearDown() override
    {
        for (unsigned char& key : keyState)
            key = 0;
        PlayTest::TearDown();
    }

    // Presses Esc on a play screen made with new; returns the copy the menu
    // holds, after letting the fade end (which destroys the play screen).
    std::unique_ptr<PlayScreen> openMenu(PlayScreen* screen, int key = vkEscape)
    {
        currentScreen = screen;
        holdOnly({key});
        screen->keysHeld(keyState);
        auto* fade = dynamic_cast<FadeScreen*>(currentScreen);
        EXPECT_NE(fade, nullptr);
        if (fade == nullptr)
            return nullptr;
        EXPECT_EQ(fade->oldScreen, screen);
        EXPECT_EQ(fade->halfDuration, 7.5f);
        auto* menu = dynamic_cast<TitleScreen*>(fade->newScreen);
        EXPECT_NE(menu, nullptr);
        if (menu == nullptr)
            return nullptr;
        EXPECT_TRUE(menu->inGame);
        std::unique_ptr<PlayScreen> copy(menu->suspended);
        EXPECT_NE(copy, nullptr);
        menu->suspended = nullptr;
        frameStep = 10.0f;
        fade->update();
        EXPECT_EQ(currentScreen, menu);
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
        {{vkUp}, 0, 40},           {{vkDown}, 0, -40},          {{vkRight}, 40, 0},
        {{vkLeft}, -40, 0},        {{vkUp, vkRight}, 40, 40},   {{vkUp, vkDown}, 0, 0},
        {{vkLeft, vkRight}, 0, 0}, {{vkDown, vkLeft}, -40, -40}, {{}, 0, 0},
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
    holdOnly({vkRight});
    screen->keysHeld(keyState);
    EXPECT_EQ(screen->player.x, 130.0f);
    holdOnly({vkReturn});
    screen->keysHeld(keyState);
    EXPECT_FALSE(screen->introShowing);
    screen->update();
    EXPECT_EQ(screen->player.x, 95.0f);

    // Fades and the death sequence ignore every key, Esc included.
    for (bool PlayScreen::*flag : {&PlayScreen::levelFading, &PlayScreen::dying}) {
        screen.get()->*flag = true;
        screen->introShowing = true;
        currentScreen = screen.get();
        holdOnly({vkUp, vkReturn, vkEscape, vkHome});
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
    // Eat the second pepper.
    screen->peppers[1].x = -70.0f;
    screen->peppers[1].y = 60.0f;
    screen->player.x = -70.0f;
    screen->player.y = 60.0f;
    for (std::size_t i = 0; i < screen->peppers.size(); ++i) {
        if (i != 1)
            screen->peppers[i].x = 70.0f, screen->peppers[i].y = -70.0f + 10.0f * static_cast<float>(i);
    }
    screen->update();
    ASSERT_FALSE(screen->peppers[1].visible);
    screen->player.x = -12.5f;
    screen->player.y = 33.25f;
    screen->hp = 17;
    screen->score = 615;

    auto& entities = screen->entities;
    ASSERT_EQ(entities.size(), 6u);
    auto* zombie = static_cast<Zombie*>(entities[0].get());
    zombie->targetX = 11, zombie->targetY = 12, zombie->sprite.x = 13, zombie->sprite.y = 14;
    zombie->ignite();
    auto* ninja = static_cast<Ninja*>(entities[2].get());
    ninja->targetX = 21, ninja->targetY = 22, ninja->sprite.x = 23, ninja->sprite.y = 24;
    ninja->horizontalNext = !ninja->horizontalNext;
    const bool ninjaHorizontal = ninja->horizontalNext;
    auto* cabbage = static_cast<Cabbage*>(entities[3].get());
    cabbage->biteCooldown = -0.75f, cabbage->growPhase = 1.3f, cabbage->sprite.x = 33, cabbage->sprite.y = 34;
    auto* pirate = static_cast<Pirate*>(entities[4].get());
    pirate->throwTimer = 0.37f, pirate->targetX = 41, pirate->targetY = 42;
    pirate->sprite.x = 43, pirate->sprite.y = 44;
    auto* robot = static_cast<Robot*>(entities[5].get());
    robot->flamePhase = 2.5f, robot->flameCooldown = -1.25f, robot->targetX = 51, robot->targetY = 52;
    robot->sprite.x = 53, robot->sprite.y = 54;

    screen->projectiles.clear();
    auto flying = std::make_unique<Knife>();
    flying->sprite.x = 10, flying->sprite.y = 20, flying->velocityX = 30, flying->velocityY = -20;
    screen->projectiles.push_back(std::move(flying));
    auto spent = std::make_unique<Knife>();
    spent->sprite.x = 50, spent->sprite.y = 60, spent->sprite.visible = false;
    screen->projectiles.push_back(std::move(spent));

    HealthPickup& taken = screen->healthPickups[0];
    taken.available = false, taken.sprite.visible = false;
    HealthPickup& out = screen->healthPickups[1];
    out.clock = 2.5f, out.lifetime = 9.0f, out.sprite.visible = true, out.available = true;
    const float outX = out.sprite.x, outY = out.sprite.y;

    screen->introShowing = true;
    setTicks(777); // the copy's load draws other spots
    std::unique_ptr<PlayScreen> copy = openMenu(screen);
    ASSERT_NE(copy, nullptr);

    EXPECT_EQ(copy->level, 3);
    EXPECT_EQ(copy->hp, 17);
    EXPECT_EQ(copy->score, 615);
    EXPECT_EQ(copy->peppersLeft, 3);
    EXPECT_EQ(copy->pointsPerPepper, 15);
    EXPECT_TRUE(copy->introShowing);
    EXPECT_FALSE(copy->levelFading || copy->dying || copy->leaving);
    EXPECT_EQ(copy->player.x, -12.5f);
    EXPECT_EQ(copy->player.y, 33.25f);
    ASSERT_EQ(copy->peppers.size(), 4u);
    EXPECT_FALSE(copy->peppers[1].visible);
    EXPECT_EQ(copy->peppers[1].x, -70.0f);
    EXPECT_TRUE(copy->peppers[0].visible);
    EXPECT_EQ(copy->peppers[3].y, -40.0f);

    ASSERT_EQ(copy->entities.size(), 6u);
    auto* z = static_cast<Zombie*>(copy->entities[0].get());
    EXPECT_EQ(z->kind(), EntityKind::Zombie);
    EXPECT_EQ(z->targetX, 11.0f);
    EXPECT_EQ(z->targetY, 12.0f);
    EXPECT_EQ(z->sprite.x, 13.0f);
    EXPECT_EQ(z->sprite.y, 14.0f);
    EXPECT_FALSE(z->burning) << "burning is not part of the copy";
    auto* n = static_cast<Ninja*>(copy->entities[2].get());
    EXPECT_EQ(n->targetX, 21.0f);
    EXPECT_EQ(n->targetY, 22.0f);
    EXPECT_EQ(n->sprite.x, 23.0f);
    EXPECT_EQ(n->sprite.y, 24.0f);
    EXPECT_EQ(n->horizontalNext, ninjaHorizontal);
    EXPECT_EQ(n->index, 1);
    EXPECT_EQ(n->ninjas, &copy->ninjas);
    auto* c = static_cast<Cabbage*>(copy->entities[3].get());
    EXPECT_EQ(c->biteCooldown, -0.75f);
    EXPECT_EQ(c->growPhase, 1.3f);
    EXPECT_EQ(c->sprite.x, 33.0f);
    EXPECT_EQ(c->sprite.y, 34.0f);
    auto* p = static_cast<Pirate*>(copy->entities[4].get());
    EXPECT_EQ(p->throwTimer, 0.37f);
    EXPECT_EQ(p->targetX, 41.0f);
    EXPECT_EQ(p->targetY, 42.0f);
    EXPECT_EQ(p->sprite.x, 43.0f);
    EXPECT_EQ(p->sprite.y, 44.0f);
    EXPECT_EQ(p->projectiles, &copy->projectiles);
    auto* r = static_cast<Robot*>(copy->entities[5].get());
    EXPECT_EQ(r->flamePhase, 2.5f);
    EXPECT_EQ(r->flameCooldown, -1.25f);
    EXPECT_EQ(r->targetX, 51.0f);
    EXPECT_EQ(r->targetY, 52.0f);
    EXPECT_EQ(r->sprite.x, 53.0f);
    EXPECT_EQ(r->sprite.y, 54.0f);
    EXPECT_EQ(r->entities, &copy->entities);

    ASSERT_EQ(copy->projectiles.size(), 2u);
    Knife& k = *copy->projectiles.front();
    EXPECT_EQ(k.sprite.x, 10.0f);
    EXPECT_EQ(k.sprite.y, 20.0f);
    EXPECT_EQ(k.velocityX, 30.0f);
    EXPECT_EQ(k.velocityY, -20.0f);
    EXPECT_EQ(k.sprite.texture.glName, copy->knifeTexture.glName);
    EXPECT_EQ(k.sprite.width, 11.5f);
    EXPECT_TRUE(copy->projectiles.back()->sprite.visible) << "a spent knife flies on in the copy";

    ASSERT_EQ(copy->healthPickups.size(), 2u);
    EXPECT_FALSE(copy->healthPickups[0].available);
    EXPECT_FALSE(copy->healthPickups[0].sprite.visible);
    EXPECT_TRUE(copy->healthPickups[1].available);
    EXPECT_EQ(copy->healthPickups[1].clock, 2.5f);
    EXPECT_EQ(copy->healthPickups[1].lifetime, 9.0f);
    EXPECT_TRUE(copy->healthPickups[1].sprite.visible);
    EXPECT_NE(copy->healthPickups[1].sprite.x * 1000 + copy->healthPickups[1].sprite.y, outX * 1000 + outY)
        << "pickups stand at the copy's own spots";

    // Resumed, the game runs on: the intro pause first, then the knife flies.
    frameStep = 0.1f;
    copy->update();
    EXPECT_EQ(copy->projectiles.front()->sprite.x, 10.0f);
    copy->introShowing = false;
    copy->update();
    EXPECT_FLOAT_EQ(copy->projectiles.front()->sprite.x, 13.0f);
    EXPECT_FLOAT_EQ(copy->projectiles.front()->sprite.y, 18.0f);
}

TEST_F(PlayControlsTest, EnterAndEscapeInOneFrameEndThePauseFirst)
{
    writeLevel(1, levelLines(0, 0, 0, 0, 0, 0, 2, 1));
    auto* screen = newGame(1).release();
    screen->introShowing = true;
    currentScreen = screen;
    holdOnly({vkReturn, vkHome});
    screen->keysHeld(keyState);
    auto* fade = dynamic_cast<FadeScreen*>(currentScreen);
    ASSERT_NE(fade, nullptr);
    auto* menu = dynamic_cast<TitleScreen*>(fade->newScreen);
    ASSERT_NE(menu, nullptr);
    ASSERT_NE(menu->suspended, nullptr);
    EXPECT_FALSE(menu->suspended->introShowing);
    // The menu owns the copy and frees it with itself.
    frameStep = 10.0f;
    fade->update();
    delete menu;
}

TEST_F(PlayControlsTest, HomeOpensTheMenuWithAFreshCopyOfAMissingLevel)
{
    // The copy reloads the level: a level file gone in between leaves it
    // empty, and nothing is copied out of bounds.
    writeLevel(2, levelLines(1, 1, 1, 1, 1, 1, 3, 1));
    auto* screen = newGame(2).release();
    screen->level = 2;
    std::remove("Levels/l2.lvl");
    std::unique_ptr<PlayScreen> copy = openMenu(screen, vkHome);
    ASSERT_NE(copy, nullptr);
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
    EXPECT_EQ(record.level, 7);
    EXPECT_EQ(record.hp, 9);
    EXPECT_EQ(record.score, 4321);
    EXPECT_EQ(record.introShowing, 1);

    writeFile("blocker", "a file where a directory should be");
    EXPECT_FALSE(screen->saveGame("blocker/x.sav"));
}
