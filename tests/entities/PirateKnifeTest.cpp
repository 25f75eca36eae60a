#include <cmath>
#include <list>
#include <memory>
#include <vector>

#include "EntityTestSupport.h"
#include "entities/Knife.h"
#include "entities/Pirate.h"

// A pirate built the way the level loader builds it, at the origin.
class PirateTest : public SeededFrame {
protected:
    void SetUp() override
    {
        SeededFrame::SetUp();
        pirate.sprite.width = 32.0f;
        pirate.sprite.height = 32.0f;
        pirate.sprite.depth = 2.0f;
        pirate.sprite.texture = named(600);
        pirate.projectiles = &knives;
        pirate.knifeTexture = named(700);
        pirate.spawn();
        pirate.sprite.x = 0.0f;
        pirate.sprite.y = 0.0f;
    }

    int step(float dt, float playerX, float playerY)
    {
        frameStep = dt;
        return pirate.update(playerX, playerY);
    }

    // Throws in this very frame without moving: the timer already below 0,
    // a frame step of 0, the target away from the pirate, the jitter chosen.
    Knife* throwWith(int jitterX, int jitterY, float playerX, float playerY, float targetX = 50.0f)
    {
        pirate.throwTimer = -1.0f;
        pirate.targetX = targetX;
        pirate.targetY = 0.0f;
        thrask::srand(seedGiving(15, jitterX, jitterY));
        const std::size_t before = knives.size();
        EXPECT_EQ(step(0.0f, playerX, playerY), 0);
        EXPECT_EQ(pirate.throwTimer, 1.0f);
        return knives.size() > before ? knives.back().get() : nullptr;
    }

    std::list<std::unique_ptr<Knife>> knives;
    Pirate pirate;
};

float speedOf(const Knife& knife)
{
    return std::sqrt(knife.velocityX * knife.velocityX + knife.velocityY * knife.velocityY);
}

TEST_F(PirateTest, SpawnDrawsTargetXThenY)
{
    ExpectedDraws expected(seed);
    EXPECT_EQ(pirate.targetX, expected.field());
    EXPECT_EQ(pirate.targetY, expected.field());
    EXPECT_EQ(thrask::randState(), expected.state());
    EXPECT_EQ(pirate.throwTimer, 0.0f);
    EXPECT_EQ(pirate.speed, 36.0f);
    EXPECT_EQ(static_cast<int>(pirate.kind()), 3);
}

TEST_F(PirateTest, ThrowsOnTheSecondFrameAndThenAboutOnceASecond)
{
    pirate.targetX = 80.0f;
    pirate.targetY = 0.0f;
    std::vector<int> throws;
    for (int frame = 1; frame <= 14; ++frame) {
        const std::size_t before = knives.size();
        EXPECT_EQ(step(0.25f, -90.0f, 0.0f), 0) << "the pirate itself never hurts";
        if (knives.size() > before)
            throws.push_back(frame);
    }
    // 1.0 counts down to exactly 0 in four frames; 0 is not below 0.
    EXPECT_EQ(throws, (std::vector<int>{2, 8, 14}));
}

TEST_F(PirateTest, AZeroFrameStepNeverThrows)
{
    pirate.targetX = 80.0f;
    for (int frame = 0; frame < 10; ++frame)
        step(0.0f, -90.0f, 0.0f);
    EXPECT_TRUE(knives.empty());
    EXPECT_EQ(pirate.sprite.x, 0.0f);
}

TEST_F(PirateTest, TheKnifeLeavesBesideAndAboveAndFliesParallelToThePlayerLine)
{
    Knife* knife = throwWith(3, 11, 40.0f, -30.0f);
    ASSERT_NE(knife, nullptr);
    EXPECT_EQ(knife->sprite.x, 10.0f);
    EXPECT_EQ(knife->sprite.y, 10.0f);
    EXPECT_EQ(static_cast<int>(knife->kind()), 128);
    EXPECT_EQ(knife->sprite.texture.glName, 700u);
    EXPECT_EQ(knife->texture.glName, 700u);
    EXPECT_EQ(knife->sprite.width, 11.5f);
    EXPECT_EQ(knife->sprite.height, 10.0f);
    // Parallel to (40, -30); speed 120 x 50 / |(43, -19)|.
    EXPECT_NEAR(knife->velocityX * -30.0f - knife->velocityY * 40.0f, 0.0f, 1e-3f);
    EXPECT_GT(knife->velocityX, 0.0f);
    EXPECT_NEAR(speedOf(*knife), 120.0f * 50.0f / std::sqrt(43.0f * 43.0f + 19.0f * 19.0f), 1e-3f);

    Knife* left = throwWith(3, 11, 40.0f, -30.0f, -50.0f);
    ASSERT_NE(left, nullptr);
    EXPECT_EQ(left->sprite.x, -10.0f) << "the side follows the target, not the player";
    EXPECT_EQ(knives.size(), 2u);
}

TEST_F(PirateTest, JitterIsDrawnXThenY)
{
    // Player 10 to the right: jitter (14, 0) aims at 24 away, (0, 14) at 17.2.
    Knife* knife = throwWith(14, 0, 10.0f, 0.0f);
    ASSERT_NE(knife, nullptr);
    EXPECT_NEAR(speedOf(*knife), 50.0f, 1e-3f);
}

TEST_F(PirateTest, NearbyPlayerMakesSlowOrFastKnives)
{
    const struct {
        float playerX, playerY, speed;
    } cases[] = {
        {10.0f, 10.0f, 120.0f * std::sqrt(200.0f) / std::sqrt(578.0f)}, // about 71
        {-10.0f, -10.0f, 120.0f * std::sqrt(200.0f) / std::sqrt(18.0f)}, // about 400
    };
    for (const auto& c : cases) {
        Knife* knife = throwWith(7, 7, c.playerX, c.playerY);
        ASSERT_NE(knife, nullptr);
        EXPECT_NEAR(speedOf(*knife), c.speed, 1e-2f);
    }
}

TEST_F(PirateTest, TheNewTargetOfAnArrivalSidesTheKnifeAndIsDrawnBeforeTheJitter)
{
    pirate.targetX = 0.0f; // standing on the target: arrives in this frame
    pirate.targetY = 0.0f;
    pirate.throwTimer = -1.0f;
    thrask::srand(seed);
    step(0.0f, 60.0f, 60.0f);
    ExpectedDraws expected(seed);
    const float targetX = expected.field();
    expected.field();
    const int jitterX = expected.next() % 15;
    const int jitterY = expected.next() % 15;
    EXPECT_EQ(pirate.targetX, targetX);
    ASSERT_EQ(knives.size(), 1u);
    const Knife& knife = *knives.back();
    EXPECT_EQ(knife.sprite.x, targetX > 0.0f ? 10.0f : -10.0f);
    const float a = std::sqrt((60.0f + jitterX) * (60.0f + jitterX) + (60.0f + jitterY) * (60.0f + jitterY));
    EXPECT_FLOAT_EQ(knife.velocityX, 60.0f / a * 120.0f);
    EXPECT_EQ(thrask::randState(), expected.state());
}

TEST_F(PirateTest, StandingOnTheAimingPointThrowsNothingAndNeverANan)
{
    Knife* knife = throwWith(3, 4, -3.0f, -4.0f);
    EXPECT_EQ(knife, nullptr);
    EXPECT_TRUE(knives.empty());
    ExpectedDraws expected(seedGiving(15, 3, 4));
    expected.next();
    expected.next();
    EXPECT_EQ(thrask::randState(), expected.state()) << "the jitter is still drawn";

    // The player on the pirate itself with no jitter: the same.
    EXPECT_EQ(throwWith(0, 0, 0.0f, 0.0f), nullptr);
}

TEST_F(PirateTest, WithoutAProjectileListTheThrowIsDropped)
{
    pirate.projectiles = nullptr;
    EXPECT_EQ(throwWith(3, 4, 50.0f, 50.0f), nullptr);
}

// Flies a knife until it is gone, in small steps; returns the damage done.
int flyOut(Knife& knife, float playerX, float playerY)
{
    frameStep = 0.01f;
    int damage = 0;
    for (int frame = 0; frame < 2000 && knife.sprite.visible; ++frame)
        damage += knife.update(playerX, playerY);
    EXPECT_FALSE(knife.sprite.visible);
    return damage;
}

TEST_F(PirateTest, AKnifeMissesWhenItsLinePassesMoreThan11UnitsFromThePlayer)
{
    // The line passes the player at 10 x |s Dy - Dx|: 10 for a player straight
    // right or up (s = +1), 14.1 for one down-right or up-left.
    const struct {
        float playerX, playerY;
        int damage;
    } cases[] = {{80.0f, 0.0f, 3}, {0.0f, 80.0f, 3}, {60.0f, -60.0f, 0}, {-60.0f, 60.0f, 0}};
    for (const auto& c : cases) {
        Knife* knife = throwWith(5, 9, c.playerX, c.playerY);
        ASSERT_NE(knife, nullptr);
        EXPECT_EQ(flyOut(*knife, c.playerX, c.playerY), c.damage) << c.playerX << ", " << c.playerY;
    }
}

class KnifeTest : public SeededFrame {
protected:
    Knife knifeAt(float x, float y, float velocityX, float velocityY)
    {
        Knife knife;
        knife.texture = named(700);
        knife.sprite.x = x;
        knife.sprite.y = y;
        knife.velocityX = velocityX;
        knife.velocityY = velocityY;
        knife.spawn();
        return knife;
    }
};

TEST_F(KnifeTest, HitsWhenTheCentresAreUnder11ApartOnlyOnce)
{
    Knife far = knifeAt(11.0f, 0.0f, 0.0f, 0.0f);
    EXPECT_EQ(far.update(0.0f, 0.0f), 0);
    EXPECT_TRUE(far.sprite.visible);

    const Offset edge = offsetAtSquaredDistance(121.0f);
    Knife onEdge = knifeAt(edge.x, edge.y, 0.0f, 0.0f);
    EXPECT_EQ(onEdge.update(0.0f, 0.0f), 0);

    const Offset inside = offsetJustUnder(121.0f);
    Knife near = knifeAt(inside.x, inside.y, 0.0f, 0.0f);
    EXPECT_EQ(near.update(0.0f, 0.0f), 3);
    EXPECT_FALSE(near.sprite.visible);
    frameStep = 0.1f;
    EXPECT_EQ(near.update(inside.x, inside.y), 0);
    EXPECT_EQ(near.sprite.x, inside.x) << "a gone knife is inert";
}

TEST_F(KnifeTest, Exactly105IsStillInTheFieldAndBeyondIsGone)
{
    const float beyond = std::nextafter(105.0f, 200.0f);
    const struct {
        float x, y;
        bool visible;
    } cases[] = {
        {105.0f, 0.0f, true},  {-105.0f, 0.0f, true},  {0.0f, 105.0f, true},  {0.0f, -105.0f, true},
        {beyond, 0.0f, false}, {-beyond, 0.0f, false}, {0.0f, beyond, false}, {0.0f, -beyond, false},
    };
    for (const auto& c : cases) {
        Knife knife = knifeAt(c.x, c.y, 0.0f, 0.0f);
        EXPECT_EQ(knife.update(500.0f, 500.0f), 0);
        EXPECT_EQ(knife.sprite.visible, c.visible) << c.x << ", " << c.y;
    }
}

TEST_F(KnifeTest, FacesItsFlightAndSpinsOnceASecond)
{
    const struct {
        float velocityX;
        float u1;
    } cases[] = {{30.0f, -1.0f}, {0.0f, 1.0f}, {-30.0f, 1.0f}};
    for (const auto& c : cases) {
        Knife knife = knifeAt(0.0f, 0.0f, c.velocityX, 50.0f);
        frameStep = 0.25f;
        knife.update(90.0f, -90.0f);
        EXPECT_EQ(knife.sprite.texture.u1, c.u1);
        EXPECT_FLOAT_EQ(knife.sprite.rotation, 90.0f);
        EXPECT_FLOAT_EQ(knife.sprite.x, c.velocityX * 0.25f);
        EXPECT_FLOAT_EQ(knife.sprite.y, 12.5f);
        knife.update(90.0f, -90.0f);
        EXPECT_EQ(knife.sprite.texture.u1, c.u1);
        EXPECT_FLOAT_EQ(knife.sprite.rotation, 180.0f);
    }
}

TEST_F(KnifeTest, AKnifeWithNoNumberForAPositionLeavesTheField)
{
    Knife knife = knifeAt(0.0f, 0.0f, NAN, 0.0f);
    frameStep = 0.1f;
    EXPECT_EQ(knife.update(50.0f, 50.0f), 0);
    EXPECT_FALSE(knife.sprite.visible);
}
