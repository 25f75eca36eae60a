// Which sound each event of play asks for, the music of the levels, and that
// listening changes nothing the rules compute.
#include <climits>
#include <cmath>
#include <functional>
#include <sstream>
#include <stdexcept>

#include "Listening.h"
#include "PlayTestSupport.h"
#include "app/Globals.h"
#include "entities/Cabbage.h"
#include "entities/Knife.h"
#include "entities/Ninja.h"
#include "entities/Pirate.h"
#include "entities/Random.h"
#include "entities/Robot.h"
#include "entities/Zombie.h"
#include "platform/VirtualKeys.h"

namespace {

template <class Kind>
Kind& first(PlayScreen& screen, EntityKind kind)
{
    for (auto& entity : screen.entities)
        if (entity->kind() == kind)
            return static_cast<Kind&>(*entity);
    throw std::logic_error("no such enemy in the level");
}

// A robot's flame reaches out on the side it faces; facing +x from (0, 0),
// its middle lies about here.
constexpr float flameMiddleX = 38.0f;
constexpr float flameMiddleY = -3.5f;

} // namespace

class PlaySoundTest : public SeededPlay {
protected:
    // A new game on a level of the given counts, the player at the centre.
    std::unique_ptr<PlayScreen> level(int pirates, int ninjas, int robots, int zombies, int cabbages,
                                      int pickups, int peppers)
    {
        writeLevel(1, levelLines(pirates, ninjas, robots, zombies, cabbages, pickups, peppers, 10));
        auto screen = newGame(1);
        screen->player.x = 0.0f;
        screen->player.y = 0.0f;
        for (Sprite& pepper : screen->peppers) {
            pepper.x = -90.0f;
            pepper.y = 90.0f;
        }
        return screen;
    }

    Listening listening;
};

TEST_F(PlaySoundTest, EachHitSoundsItsAttacker)
{
    struct Case {
        const char* attacker;
        int counts[5]; // pirates, ninjas, robots, zombies, cabbages
        std::function<void(PlayScreen&)> poise;
        int damage;
        Effect heard;
    };
    const Case cases[] = {
        {"zombie's lunge", {0, 0, 0, 1, 0},
         [](PlayScreen& s) { first<Zombie>(s, EntityKind::Zombie).lungeTimer = 0.1f; }, 5, Effect::HurtZombie},
        {"burning zombie's lunge", {0, 0, 0, 1, 0},
         [](PlayScreen& s) {
             auto& zombie = first<Zombie>(s, EntityKind::Zombie);
             zombie.ignite();
             zombie.lungeTimer = 0.1f;
         },
         15, Effect::HurtBurning},
        {"ninja's strike", {0, 1, 0, 0, 0},
         [](PlayScreen& s) { first<Ninja>(s, EntityKind::Ninja).lungeTimer = 0.1f; }, 10, Effect::HurtNinja},
        {"robot's flame", {0, 0, 1, 0, 0},
         [](PlayScreen& s) {
             auto& robot = first<Robot>(s, EntityKind::Robot);
             robot.sprite.texture.u1 = -1.0f;
             robot.flameCooldown = 0.0f;
             s.player.x = flameMiddleX;
             s.player.y = flameMiddleY;
         },
         3, Effect::HurtFlame},
        {"cabbage's bite", {0, 0, 0, 0, 1},
         [](PlayScreen& s) {
             auto& cabbage = first<Cabbage>(s, EntityKind::Cabbage);
             cabbage.growPhase = 1.0f;
             cabbage.biteCooldown = -1.0f;
         },
         10, Effect::HurtCabbage},
        {"thrown knife", {0, 0, 0, 0, 0},
         [](PlayScreen& s) {
             auto knife = std::make_unique<Knife>();
             knife->events = &s.sounds;
             knife->spawn();
             s.projectiles.push_back(std::move(knife));
         },
         3, Effect::HurtKnife},
    };
    for (const Case& c : cases) {
        auto screen = level(c.counts[0], c.counts[1], c.counts[2], c.counts[3], c.counts[4], 0, 1);
        for (auto& entity : screen->entities) {
            entity->sprite.x = screen->player.x;
            entity->sprite.y = screen->player.y;
        }
        c.poise(*screen);
        listening.heard.clear();
        frameStep = 0.01f;
        screen->update();
        EXPECT_EQ(screen->hp, 30 - c.damage) << c.attacker;
        EXPECT_EQ(listening.heard.effects, std::vector<Effect>{c.heard}) << c.attacker;
    }
}

TEST_F(PlaySoundTest, PeppersSoundEachOneTheFourthWithTheTintAndTheLastClearsTheLevel)
{
    auto screen = level(0, 0, 0, 0, 0, 0, 5);
    frameStep = 0.01f;
    for (Sprite& pepper : screen->peppers) {
        screen->player.x = pepper.x = 50.0f;
        screen->player.y = pepper.y = 50.0f;
        screen->update();
        pepper.x = -90.0f;
    }
    EXPECT_EQ(listening.heard.effects, (std::vector<Effect>{Effect::Pepper, Effect::Pepper, Effect::Pepper,
                                                            Effect::Tint, Effect::Pepper, Effect::LevelClear}));
    listening.heard.clear();
    screen->update();
    EXPECT_TRUE(listening.heard.effects.empty()) << "a cleared level sounds once";

    // The last level ends with the ending's fanfare instead.
    auto last = level(0, 0, 0, 0, 0, 0, 1);
    last->level = 15;
    currentScreen = last.get();
    listening.heard.clear();
    last->player.x = last->peppers[0].x;
    last->player.y = last->peppers[0].y;
    last->update();
    EXPECT_EQ(listening.heard.effects, (std::vector<Effect>{Effect::Pepper, Effect::Fanfare}));
    // The fade to the ending owns the play screen now.
    auto* fade = currentScreen;
    last.release();
    delete fade;
    currentScreen = nullptr;
}

TEST_F(PlaySoundTest, WhatEnemiesDoSoundWhenItHappens)
{
    frameStep = 0.1f;
    // A cabbage pops out at its first rise and again after each spell
    // underground (sin(growPhase) > 0: 0..pi, 2pi..3pi, ...): twice in 7 s.
    auto field = level(0, 0, 0, 0, 1, 0, 1);
    field->player.x = 95.0f;
    field->player.y = -95.0f;
    for (int frame = 0; frame < 70; ++frame)
        field->update();
    EXPECT_EQ(listening.heard.count(Effect::CabbagePop), 2);

    // A pirate whose timer has run out throws at once.
    auto pirates = level(1, 0, 0, 0, 0, 0, 1);
    pirates->player.x = 60.0f;
    auto& pirate = first<Pirate>(*pirates, EntityKind::Pirate);
    pirate.sprite.x = pirate.sprite.y = -80.0f;
    pirate.throwTimer = -1.0f;
    listening.heard.clear();
    pirates->update();
    EXPECT_EQ(pirates->projectiles.size(), 1u);
    EXPECT_EQ(listening.heard.effects, std::vector<Effect>{Effect::KnifeThrow});

    // A zombie in a robot's flame catches fire: the flame sounds once, not at
    // every later ignition of the zombie that already burns.
    frameStep = 0.01f;
    auto fire = level(0, 0, 1, 1, 0, 0, 1);
    fire->player.x = 90.0f;
    fire->player.y = -90.0f;
    auto& robot = first<Robot>(*fire, EntityKind::Robot);
    robot.sprite.x = robot.sprite.y = 0.0f;
    robot.sprite.texture.u1 = -1.0f;
    robot.targetX = 80.0f;
    robot.targetY = 0.0f;
    robot.flameCooldown = 0.0f;
    auto& zombie = first<Zombie>(*fire, EntityKind::Zombie);
    zombie.sprite.x = flameMiddleX;
    zombie.sprite.y = flameMiddleY;
    listening.heard.clear();
    for (int frame = 0; frame < 40; ++frame)
        fire->update();
    EXPECT_TRUE(zombie.burning);
    EXPECT_EQ(listening.heard.effects, std::vector<Effect>{Effect::FlameLit});

    // A health pickup taken.
    auto pickups = level(0, 0, 0, 0, 0, 1, 1);
    HealthPickup& pickup = pickups->healthPickups[0];
    pickup.sprite.x = pickup.sprite.y = 0.0f;
    pickup.clock = 1.0f;
    pickup.lifetime = 14.0f;
    pickups->hp = 10;
    listening.heard.clear();
    pickups->update();
    EXPECT_GT(pickups->hp, 10);
    EXPECT_EQ(listening.heard.effects, std::vector<Effect>{Effect::Health});
}

TEST_F(PlaySoundTest, ThrowsAndFiresSoundOnceAFrameAfterEveryEnemyHasMovedAndBeforeTheKnivesFly)
{
    // Two pirates throw, a robot sets a zombie burning while that zombie
    // bites, and a knife already in flight strikes, all in one frame.
    auto screen = level(2, 0, 1, 1, 0, 0, 1);
    screen->player.x = flameMiddleX;
    screen->player.y = 20.0f; // beside the flame, within the zombie's reach
    for (auto& entity : screen->entities) {
        if (auto* pirate = dynamic_cast<Pirate*>(entity)) {
            pirate->sprite.x = pirate->sprite.y = -80.0f;
            pirate->throwTimer = -1.0f;
        }
    }
    auto& zombie = first<Zombie>(*screen, EntityKind::Zombie);
    zombie.sprite.x = flameMiddleX;
    zombie.sprite.y = flameMiddleY;
    zombie.lungeTimer = 0.1f;
    auto& robot = first<Robot>(*screen, EntityKind::Robot);
    robot.sprite.x = robot.sprite.y = 0.0f;
    robot.sprite.texture.u1 = -1.0f;
    robot.flameCooldown = 0.0f;
    auto knife = std::make_unique<Knife>();
    knife->events = &screen->sounds;
    knife->sprite.x = screen->player.x;
    knife->sprite.y = screen->player.y;
    knife->spawn();
    screen->projectiles.push_back(std::move(knife));

    listening.heard.clear();
    frameStep = 0.01f;
    screen->update();
    EXPECT_TRUE(zombie.burning);
    EXPECT_EQ(screen->projectiles.size(), 2u) << "two thrown, the spent one removed";
    EXPECT_EQ(screen->hp, 30 - 5 - 3);
    EXPECT_EQ(listening.heard.effects,
              (std::vector<Effect>{Effect::HurtZombie, Effect::KnifeThrow, Effect::FlameLit, Effect::HurtKnife}));
}

TEST_F(PlaySoundTest, DeathSoundsOnceAsTheSequenceStarts)
{
    auto* screen = level(0, 0, 0, 1, 0, 0, 1).release();
    currentScreen = screen;
    auto& zombie = first<Zombie>(*screen, EntityKind::Zombie);
    zombie.sprite.x = zombie.sprite.y = 0.0f;
    zombie.lungeTimer = 0.1f;
    screen->hp = 5;
    frameStep = 0.01f;
    screen->update();
    EXPECT_EQ(listening.heard.effects, std::vector<Effect>{Effect::HurtZombie});
    for (int frame = 0; frame < 10; ++frame) {
        screen->render();
        screen->update();
    }
    EXPECT_TRUE(screen->dying);
    EXPECT_EQ(listening.heard.effects, (std::vector<Effect>{Effect::HurtZombie, Effect::Death}));
    delete screen;
    currentScreen = nullptr;
}

TEST_F(PlaySoundTest, LevelsPlayTheirLoopAndFadesTakeTheMusicWithTheLight)
{
    auto screen = level(0, 0, 0, 0, 0, 0, 1);
    const std::pair<int, MusicLoop> loops[] = {
        {1, MusicLoop::Levels1to5},    {5, MusicLoop::Levels1to5},      {6, MusicLoop::Levels6to10},
        {10, MusicLoop::Levels6to10},  {11, MusicLoop::Levels11to15},   {15, MusicLoop::Levels11to15},
        {16, MusicLoop::Levels11to15}, {INT_MAX, MusicLoop::Levels11to15}, {0, MusicLoop::Levels1to5},
        {INT_MIN, MusicLoop::Levels1to5},
    };
    for (const auto& [n, loop] : loops) {
        screen->level = n;
        EXPECT_EQ(screen->musicCue().loop, loop) << "level " << n;
        EXPECT_EQ(screen->musicCue().level, 1.0f) << "level " << n;
    }

    // Clearing level 5: the first loop fades out with the light, the second
    // comes in from the darkest point, where level 6 is loaded.
    writeLevel(6, levelLines(0, 0, 0, 0, 0, 0, 1, 10));
    screen->level = 5;
    screen->player.x = screen->peppers[0].x;
    screen->player.y = screen->peppers[0].y;
    currentScreen = screen.get();
    frameStep = 0.125f; // 10 fade units a frame
    screen->update();
    // Away from where the next level's pepper lies (every level here draws
    // from the same seed).
    screen->player.x = screen->player.y = 95.0f;
    const struct {
        MusicLoop loop;
        float level;
    } fade[] = {{MusicLoop::Levels1to5, 0.8f},  {MusicLoop::Levels1to5, 0.6f},  {MusicLoop::Levels1to5, 0.4f},
                {MusicLoop::Levels1to5, 0.2f},  {MusicLoop::Levels6to10, 0.0f}, {MusicLoop::Levels6to10, 0.2f},
                {MusicLoop::Levels6to10, 0.4f}, {MusicLoop::Levels6to10, 0.6f}, {MusicLoop::Levels6to10, 0.8f},
                {MusicLoop::Levels6to10, 1.0f}};
    for (const auto& step : fade) {
        screen->render();
        EXPECT_EQ(screen->musicCue().loop, step.loop) << "phase " << screen->fadePhase;
        EXPECT_NEAR(screen->musicCue().level, step.level, 1e-6) << "phase " << screen->fadePhase;
        screen->update();
    }

    // A fade within one loop leaves the music alone.
    writeLevel(7, levelLines(0, 0, 0, 0, 0, 0, 1, 10));
    screen->player.x = screen->peppers[0].x;
    screen->player.y = screen->peppers[0].y;
    screen->update();
    ASSERT_TRUE(screen->levelFading);
    screen->player.x = screen->player.y = 95.0f;
    for (int frame = 0; frame < 10; ++frame) {
        screen->render();
        EXPECT_EQ(screen->musicCue().loop, MusicLoop::Levels6to10);
        EXPECT_EQ(screen->musicCue().level, 1.0f);
        screen->update();
    }

    // Dying: the music dims with the light.
    ASSERT_FALSE(screen->levelFading);
    screen->hp = 0;
    screen->render();
    frameStep = 0.25f; // 10 death fade units a frame
    screen->render();
    EXPECT_EQ(screen->musicCue().loop, MusicLoop::Levels6to10);
    EXPECT_FLOAT_EQ(screen->musicCue().level, 0.8f);
    currentScreen = nullptr;
}

// The same game, played by the same steering, with and without a listener:
// every frame's health, score, level, positions and random state agree.
TEST_F(PlaySoundTest, ListeningChangesNothingTheRulesCompute)
{
    writeLevel(1, levelLines(1, 1, 1, 2, 2, 2, 8, 10));
    writeLevel(2, levelLines(1, 1, 1, 2, 2, 2, 8, 20));
    const auto play = [this](bool listen) {
        std::unique_ptr<Listening> ears;
        useAudio(nullptr);
        if (listen)
            ears = std::make_unique<Listening>();
        Ninja::nextNinjaHorizontal = false;
        setTicks(4242);
        auto* screen = newGame(1).release();
        currentScreen = screen;
        std::vector<std::string> frames;
        for (int frame = 0; frame < 1500 && currentScreen == screen; ++frame) {
            // Steer towards the nearest pepper still lying.
            const Sprite* target = nullptr;
            float best = INFINITY;
            for (const Sprite& pepper : screen->peppers) {
                const float d = std::hypot(pepper.x - screen->player.x, pepper.y - screen->player.y);
                if (pepper.visible && d < best) {
                    best = d;
                    target = &pepper;
                }
            }
            std::fill(std::begin(keyState), std::end(keyState), static_cast<unsigned char>(0));
            if (target != nullptr) {
                keyState[vk::right] = target->x > screen->player.x + 1.0f;
                keyState[vk::left] = target->x < screen->player.x - 1.0f;
                keyState[vk::up] = target->y > screen->player.y + 1.0f;
                keyState[vk::down] = target->y < screen->player.y - 1.0f;
            }
            frameStep = 0.016f;
            screen->keysHeld(keyState);
            screen->update();
            screen->render();
            std::ostringstream state;
            state << screen->hp << ' ' << screen->score << ' ' << screen->level << ' ' << screen->player.x << ' '
                  << screen->player.y << ' ' << thrask::randState();
            for (const auto& entity : screen->entities)
                state << ' ' << entity->sprite.x << ',' << entity->sprite.y;
            for (const auto& knife : screen->projectiles)
                state << ' ' << knife->sprite.x << ',' << knife->sprite.y;
            frames.push_back(state.str());
        }
        if (currentScreen == screen) {
            delete screen;
        } else {
            delete currentScreen;
            freeRetiredScreens();
        }
        currentScreen = nullptr;
        std::fill(std::begin(keyState), std::end(keyState), static_cast<unsigned char>(0));
        if (listen) {
            // The run must have sounded, or it proves nothing.
            EXPECT_GT(ears->heard.count(Effect::Pepper) + ears->heard.count(Effect::Tint), 0);
            int hits = 0;
            for (Effect e : {Effect::HurtZombie, Effect::HurtBurning, Effect::HurtNinja, Effect::HurtKnife,
                             Effect::HurtFlame, Effect::HurtCabbage})
                hits += ears->heard.count(e);
            EXPECT_GT(hits, 0);
        }
        return frames;
    };
    const std::vector<std::string> silent = play(false);
    const std::vector<std::string> heard = play(true);
    ASSERT_EQ(silent.size(), heard.size());
    for (std::size_t i = 0; i < silent.size(); ++i)
        ASSERT_EQ(silent[i], heard[i]) << "frame " << i;
}
