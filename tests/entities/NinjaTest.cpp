#include <cmath>
#include <memory>
#include <vector>

#include "EntityTestSupport.h"
#include "entities/Ninja.h"

// Ninjas built the way the level loader builds them, each in `ninjas`.
class NinjaTest : public SeededFrame {
protected:
    Ninja& addNinja(float x, float y)
    {
        auto ninja = std::make_unique<Ninja>();
        ninja->sprite.texture = named(501);
        ninja->sprite.width = 32.0f;
        ninja->sprite.height = 32.0f;
        ninja->sprite.depth = 2.0f;
        ninja->sprite.x = x;
        ninja->sprite.y = y;
        ninja->spawn();
        for (unsigned name = 501; name <= 505; ++name)
            ninja->lungeFrames.push_back(named(name));
        ninja->index = static_cast<int>(ninjas.size());
        ninja->ninjas = &ninjas;
        ninjas.push_back(ninja.get());
        owned.push_back(std::move(ninja));
        return *owned.back();
    }

    // A ninja at (x, y) past its recovery, gliding towards (targetX, targetY).
    Ninja& travelling(float x, float y, float targetX, float targetY)
    {
        Ninja& ninja = addNinja(x, y);
        ninja.lungeTimer = -25.0f;
        ninja.targetX = targetX;
        ninja.targetY = targetY;
        return ninja;
    }

    int step(Ninja& ninja, float dt, float playerX, float playerY)
    {
        frameStep = dt;
        return ninja.update(playerX, playerY);
    }

    std::vector<Ninja*> ninjas;
    std::vector<std::unique_ptr<Ninja>> owned;
};

TEST_F(NinjaTest, SpawnAimsAtItsOwnSpotAndAlternatesTheFirstLeg)
{
    const bool before = Ninja::nextNinjaHorizontal;
    Ninja& a = addNinja(12.0f, -7.0f);
    Ninja& b = addNinja(0.0f, 0.0f);
    Ninja& c = addNinja(0.0f, 0.0f);
    EXPECT_EQ(a.horizontalNext, !before);
    EXPECT_EQ(b.horizontalNext, before);
    EXPECT_EQ(c.horizontalNext, !before);
    EXPECT_EQ(Ninja::nextNinjaHorizontal, !before);
    EXPECT_EQ(a.targetX, 12.0f);
    EXPECT_EQ(a.targetY, -7.0f);
    EXPECT_EQ(a.lungeTimer, 0.0f);
    EXPECT_EQ(thrask::randState(), seed) << "spawn draws nothing";
    EXPECT_EQ(static_cast<int>(a.kind()), 2);

    // A new level (or play screen) carries on from there.
    Ninja next;
    next.spawn();
    EXPECT_EQ(next.horizontalNext, before);
}

TEST_F(NinjaTest, ANewNinjaRecoversStandingStillThenChoosesItsFirstLeg)
{
    Ninja& ninja = addNinja(10.0f, 20.0f);
    ninja.horizontalNext = true;
    ninja.sprite.texture = named(999);
    const float timers[] = {-6.4f, -12.8f, -19.2f, -25.6f};
    for (float timer : timers) {
        EXPECT_EQ(step(ninja, 0.1f, 10.0f, 20.0f), 0) << "no lunge while recovering";
        EXPECT_FLOAT_EQ(ninja.lungeTimer, timer);
        EXPECT_EQ(ninja.sprite.texture.glName, 501u);
        EXPECT_EQ(ninja.sprite.x, 10.0f);
    }
    // First travelling frame: an arrival on its own spot, a horizontal leg.
    EXPECT_EQ(step(ninja, 0.1f, -40.0f, 60.0f), 0);
    ExpectedDraws expected(seed);
    EXPECT_EQ(ninja.targetX, -40.0f + static_cast<float>(expected.next() % 10) - 5.0f);
    EXPECT_EQ(ninja.targetY, 20.0f);
    EXPECT_FALSE(ninja.horizontalNext);
    EXPECT_EQ(ninja.sprite.x, 10.0f);
    EXPECT_EQ(thrask::randState(), expected.state());
}

TEST_F(NinjaTest, ArrivalSnapsToTheTargetAndTurnsTheCorner)
{
    Ninja& ninja = travelling(0.3f, 0.2f, 0.0f, 0.0f);
    ninja.horizontalNext = false;
    EXPECT_EQ(step(ninja, 0.1f, 50.0f, -30.0f), 0);
    ExpectedDraws expected(seed);
    EXPECT_EQ(ninja.sprite.x, 0.0f);
    EXPECT_EQ(ninja.sprite.y, 0.0f);
    EXPECT_EQ(ninja.targetX, 0.0f);
    EXPECT_EQ(ninja.targetY, -30.0f + static_cast<float>(expected.next() % 10) - 5.0f);
    EXPECT_TRUE(ninja.horizontalNext);
}

TEST_F(NinjaTest, HalfAUnitAwayIsNoArrival)
{
    Ninja& ninja = travelling(0.5f, 0.0f, 0.0f, 0.0f);
    step(ninja, 0.1f, 80.0f, 80.0f);
    EXPECT_EQ(thrask::randState(), seed);
    EXPECT_FLOAT_EQ(ninja.sprite.x, 0.5f - 0.5f * 0.64f);
}

TEST_F(NinjaTest, LungeStartsStrictlyUnder350Squared)
{
    const struct {
        Offset player;
        bool lunges;
    } cases[] = {
        {offsetAtSquaredDistance(350.0f), false},
        {offsetJustUnder(350.0f), true},
        {{0.0f, 0.0f}, true},
    };
    for (const auto& c : cases) {
        Ninja& ninja = travelling(0.0f, 0.0f, 0.0f, 50.0f);
        EXPECT_EQ(step(ninja, 0.1f, c.player.x, c.player.y), 0);
        if (c.lunges) {
            EXPECT_EQ(ninja.lungeTimer, 12.0f) << c.player.x << ", " << c.player.y;
            EXPECT_EQ(ninja.sprite.y, 0.0f);
        } else {
            EXPECT_EQ(ninja.lungeTimer, -25.0f) << c.player.x << ", " << c.player.y;
            EXPECT_FLOAT_EQ(ninja.sprite.y, 32.0f);
        }
    }
}

TEST_F(NinjaTest, TheHitIsDecidedUnder400SquaredWhenTheTimerDropsBelowZero)
{
    const struct {
        float playerX, playerY;
        int damage;
    } cases[] = {
        {20.0f, 0.0f, 0}, {12.0f, 16.0f, 0}, {std::nextafter(20.0f, 0.0f), 0.0f, 10}, {19.0f, 0.0f, 10},
    };
    for (const auto& c : cases) {
        Ninja& ninja = addNinja(0.0f, 0.0f);
        ninja.lungeTimer = 1.0f;
        EXPECT_EQ(step(ninja, 1.0f / 32, c.playerX, c.playerY), c.damage) << c.playerX;
        EXPECT_EQ(ninja.lungeTimer, -1.0f);
        EXPECT_EQ(ninja.sprite.texture.glName, 505u);
        // The next frame is recovery: nothing more.
        EXPECT_EQ(step(ninja, 1.0f / 32, c.playerX, c.playerY), 0);
        EXPECT_EQ(ninja.sprite.texture.glName, 501u);
    }
}

TEST_F(NinjaTest, ATimerLandingOnZeroDecidesNoHit)
{
    Ninja& ninja = addNinja(0.0f, 0.0f);
    ninja.lungeTimer = 2.0f;
    EXPECT_EQ(step(ninja, 1.0f / 32, 0.0f, 0.0f), 0);
    EXPECT_EQ(ninja.lungeTimer, 0.0f);
    EXPECT_EQ(ninja.sprite.texture.glName, 505u);
    EXPECT_EQ(step(ninja, 1.0f / 32, 0.0f, 0.0f), 0);
    EXPECT_EQ(ninja.lungeTimer, -2.0f);
}

TEST_F(NinjaTest, LungePicturesFollowTheTimer)
{
    const struct {
        float timerAfter;
        unsigned picture;
    } cases[] = {
        {11.99f, 501}, {9.01f, 501}, {9.0f, 502}, {6.01f, 502}, {6.0f, 503},
        {3.0f, 504},   {0.01f, 504}, {-0.01f, 505}, {-1000.0f, 505},
    };
    for (const auto& c : cases) {
        Ninja& ninja = addNinja(0.0f, 0.0f);
        ninja.lungeTimer = 12.0f;
        // The frame step brings the timer from 12 down to timerAfter.
        step(ninja, (12.0f - c.timerAfter) / 64.0f, 90.0f, 90.0f);
        EXPECT_NEAR(ninja.lungeTimer, c.timerAfter, 1e-3f);
        EXPECT_EQ(ninja.sprite.texture.glName, c.picture) << "timer " << c.timerAfter;
    }
}

TEST_F(NinjaTest, ALongLastFrameStillShowsTheFifthPictureAndHits)
{
    Ninja& ninja = addNinja(0.0f, 0.0f);
    ninja.lungeTimer = 1.0f;
    EXPECT_EQ(step(ninja, 1.0f, 5.0f, 5.0f), 10);
    EXPECT_EQ(ninja.sprite.texture.glName, 505u);
}

TEST_F(NinjaTest, CrowdingSlowsOnlyTheEarlierOfTwoOverlappingNinjas)
{
    Ninja& first = travelling(0.0f, 0.0f, 50.0f, 0.0f);
    Ninja& second = travelling(10.0f, 0.0f, 50.0f, 0.0f);
    Ninja& third = travelling(20.0f, 0.0f, 50.0f, 0.0f);
    Ninja& alone = travelling(-60.0f, -60.0f, -10.0f, -60.0f);
    for (Ninja* ninja : ninjas)
        step(*ninja, 0.1f, 90.0f, 90.0f);
    EXPECT_EQ(first.speed, 1.2f);
    EXPECT_EQ(second.speed, 1.2f);
    EXPECT_EQ(third.speed, 6.4f) << "the last-created one is never slowed";
    EXPECT_EQ(alone.speed, 6.4f);
    EXPECT_FLOAT_EQ(first.sprite.x, 50.0f * 0.12f);
    EXPECT_FLOAT_EQ(third.sprite.x, 20.0f + 30.0f * 0.64f);
    EXPECT_FLOAT_EQ(alone.sprite.x, -60.0f + 50.0f * 0.64f);
}

TEST_F(NinjaTest, AnEqualIndexDoesNotCrowd)
{
    Ninja& a = travelling(0.0f, 0.0f, 50.0f, 0.0f);
    Ninja& b = travelling(5.0f, 0.0f, 50.0f, 0.0f);
    b.index = a.index;
    step(a, 0.1f, 90.0f, 90.0f);
    EXPECT_EQ(a.speed, 6.4f);
}

TEST_F(NinjaTest, ALongFrameOvershootsTheLeg)
{
    Ninja& ninja = travelling(0.0f, 0.0f, 10.0f, 0.0f);
    step(ninja, 0.5f, 90.0f, 90.0f);
    EXPECT_FLOAT_EQ(ninja.sprite.x, 32.0f);
}

TEST_F(NinjaTest, FacesItsTargetBeforeMoving)
{
    Ninja& right = travelling(0.0f, 0.0f, 40.0f, 0.0f);
    step(right, 0.1f, 90.0f, 90.0f);
    EXPECT_EQ(right.sprite.texture.u1, -1.0f);
    Ninja& vertical = travelling(-50.0f, 0.0f, -50.0f, 40.0f);
    vertical.sprite.texture.u1 = -1.0f;
    step(vertical, 0.1f, 90.0f, 90.0f);
    EXPECT_EQ(vertical.sprite.texture.u1, 1.0f);
}

TEST_F(NinjaTest, ZeroFrameStepMovesNothing)
{
    Ninja& ninja = travelling(0.0f, 0.0f, 40.0f, 30.0f);
    step(ninja, 0.0f, 90.0f, 90.0f);
    EXPECT_EQ(ninja.sprite.x, 0.0f);
    EXPECT_EQ(ninja.sprite.y, 0.0f);
    Ninja& recovering = addNinja(0.0f, 0.0f);
    step(recovering, 0.0f, 0.0f, 0.0f);
    EXPECT_EQ(recovering.lungeTimer, 0.0f);
}

TEST_F(NinjaTest, WithoutPicturesOrListItStillRuns)
{
    Ninja ninja;
    ninja.spawn();
    ninja.lungeTimer = 1.0f;
    frameStep = 1.0f / 32;
    EXPECT_EQ(ninja.update(0.0f, 0.0f), 10);
    EXPECT_EQ(ninja.update(0.0f, 0.0f), 0);
    ninja.lungeTimer = -25.0f;
    ninja.targetX = 50.0f;
    EXPECT_EQ(ninja.update(90.0f, 90.0f), 0);
    EXPECT_EQ(ninja.speed, 6.4f);
}
