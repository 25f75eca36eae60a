#include <cmath>

#include "EntityTestSupport.h"
#include "entities/Zombie.h"

namespace {
constexpr unsigned idleName = 100;
constexpr unsigned fireName = 200;
}

// A zombie built the way the level loader builds it, standing at the origin.
class ZombieTest : public SeededFrame {
protected:
    void SetUp() override
    {
        SeededFrame::SetUp();
        zombie.idleTexture = named(idleName);
        zombie.spawn();
        zombie.sprite.depth = 2.0f;
        zombie.sprite.width = 32.0f;
        zombie.sprite.height = 32.0f;
        zombie.sprite.x = 0.0f;
        zombie.sprite.y = 0.0f;
        zombie.fire.texture = named(fireName);
        for (unsigned name = 101; name <= 105; ++name)
            zombie.lungeFrames.push_back(named(name));
    }

    int step(float dt, float playerX, float playerY)
    {
        frameStep = dt;
        return zombie.update(playerX, playerY);
    }

    Zombie zombie;
};

TEST_F(ZombieTest, SpawnDrawsTargetXThenYAndPutsTheFireAtTheCreatorsDepth)
{
    ExpectedDraws expected(seed);
    EXPECT_EQ(zombie.targetX, expected.field());
    EXPECT_EQ(zombie.targetY, expected.field());
    EXPECT_EQ(thrask::randState(), expected.state());
    EXPECT_EQ(zombie.fire.depth, 2.0f) << "spawn runs while the depth is still 1";
    EXPECT_EQ(zombie.fire.width, 20.0f);
    EXPECT_EQ(zombie.fire.height, 45.0f);
    EXPECT_EQ(zombie.speed, 24.0f);
    EXPECT_FALSE(zombie.burning);
    EXPECT_EQ(zombie.lungeTimer, 0.0f);
    EXPECT_EQ(zombie.sprite.texture.glName, idleName);
    EXPECT_EQ(static_cast<int>(zombie.kind()), 1);

    zombie.ignite();
    zombie.spawn();
    EXPECT_FALSE(zombie.burning);
    EXPECT_EQ(zombie.speed, 24.0f);
}

TEST_F(ZombieTest, ReachThresholdsDecideLungeChaseOrWander)
{
    // The wander target lies to the left, the player to the right, so the
    // direction of the move tells which rule ran.
    const struct {
        float playerX;
        float expectedX;
        float expectedTimer;
    } cases[] = {
        {std::nextafter(25.0f, 0.0f), 0.0f, 10.0f}, // lunge: stands still
        {25.0f, 2.4f, 0.0f},                        // chase
        {std::nextafter(65.0f, 0.0f), 2.4f, 0.0f},  // chase
        {65.0f, -2.4f, 0.0f},                       // wander
    };
    for (const auto& c : cases) {
        zombie.sprite.x = 0.0f;
        zombie.sprite.y = 0.0f;
        zombie.lungeTimer = 0.0f;
        zombie.targetX = -80.0f;
        zombie.targetY = 0.0f;
        EXPECT_EQ(step(0.1f, c.playerX, 0.0f), 0);
        EXPECT_FLOAT_EQ(zombie.sprite.x, c.expectedX) << "player at " << c.playerX;
        EXPECT_EQ(zombie.lungeTimer, c.expectedTimer) << "player at " << c.playerX;
        EXPECT_EQ(zombie.sprite.texture.glName, idleName) << "a starting lunge keeps the picture";
    }
}

TEST_F(ZombieTest, ChaseMovesAlongTheLineToThePlayer)
{
    step(0.5f, 30.0f, 40.0f); // 50 away, 12 units of walk
    EXPECT_FLOAT_EQ(zombie.sprite.x, 7.2f);
    EXPECT_FLOAT_EQ(zombie.sprite.y, 9.6f);
}

TEST_F(ZombieTest, ChaseFacesThePlayerFromTheNewPosition)
{
    // A long frame carries the zombie past the player: it then faces back.
    step(2.0f, 30.0f, 0.0f);
    EXPECT_FLOAT_EQ(zombie.sprite.x, 48.0f);
    EXPECT_EQ(zombie.sprite.texture.u1, 1.0f);

    zombie.sprite.x = 0.0f;
    step(0.1f, 30.0f, 0.0f);
    EXPECT_EQ(zombie.sprite.texture.u1, -1.0f);
}

TEST_F(ZombieTest, WanderFacesTheTargetFromBeforeTheMove)
{
    zombie.targetX = 1.0f;
    zombie.targetY = 0.0f;
    thrask::srand(1); // the new target drawn on arrival lies to the left (x -49)
    step(1.0f, 90.0f, 90.0f);
    EXPECT_EQ(zombie.sprite.x, 1.0f);
    EXPECT_EQ(zombie.targetX, -49.0f);
    EXPECT_EQ(zombie.sprite.texture.u1, -1.0f);
}

TEST_F(ZombieTest, LungePicturesFollowTheTimer)
{
    const struct {
        float timer;
        unsigned picture;
    } cases[] = {
        {10.0f, 101}, {9.5f, 101}, {8.0f, 101}, {7.99f, 102}, {6.0f, 102}, {5.99f, 103},
        {4.0f, 103},  {3.99f, 104}, {2.0f, 104}, {1.99f, 105}, {0.01f, 105},
    };
    for (const auto& c : cases) {
        zombie.lungeTimer = c.timer;
        EXPECT_EQ(step(0.0f, 10.0f, 0.0f), 0);
        EXPECT_EQ(zombie.sprite.texture.glName, c.picture) << "timer " << c.timer;
    }
}

TEST_F(ZombieTest, ALungeRunsItsPicturesStandingStillThenBites)
{
    EXPECT_EQ(step(0.125f, 20.0f, 0.0f), 0); // starts; the timer falls 3 a frame
    const unsigned pictures[] = {102, 103, 105};
    for (unsigned picture : pictures) {
        EXPECT_EQ(step(0.125f, 20.0f, 0.0f), 0);
        EXPECT_EQ(zombie.sprite.texture.glName, picture);
        EXPECT_EQ(zombie.sprite.x, 0.0f);
        EXPECT_EQ(zombie.sprite.y, 0.0f);
    }
    EXPECT_EQ(step(0.125f, 20.0f, 0.0f), 5);
    EXPECT_EQ(zombie.sprite.texture.glName, idleName);
    // Still within reach: the next frame starts the next lunge.
    EXPECT_EQ(step(0.125f, 20.0f, 0.0f), 0);
    EXPECT_EQ(zombie.lungeTimer, 10.0f);
}

TEST_F(ZombieTest, OnlyTheDistanceAtTheLungesEndCounts)
{
    const struct {
        float startX, middleX, endX;
        int damage;
    } cases[] = {
        {20.0f, 20.0f, 30.0f, 0}, // stepped out before the end
        {24.0f, 90.0f, 10.0f, 5}, // away in between, back at the end
        {20.0f, 20.0f, 25.0f, 0}, // exactly 25 at the end is out of reach
    };
    for (const auto& c : cases) {
        zombie.lungeTimer = 0.0f;
        step(0.125f, c.startX, 0.0f);
        ASSERT_EQ(zombie.lungeTimer, 10.0f);
        for (int i = 0; i < 3; ++i)
            EXPECT_EQ(step(0.125f, c.middleX, 0.0f), 0);
        EXPECT_EQ(step(0.125f, c.endX, 0.0f), c.damage) << "ends at " << c.endX;
        EXPECT_EQ(zombie.sprite.x, 0.0f);
    }
}

TEST_F(ZombieTest, BurningWalksFasterAndBitesFor15)
{
    zombie.ignite();
    EXPECT_TRUE(zombie.burning);
    step(0.1f, 30.0f, 0.0f);
    EXPECT_FLOAT_EQ(zombie.sprite.x, 3.6f);

    zombie.sprite.x = 0.0f;
    step(0.125f, 20.0f, 0.0f);
    for (int i = 0; i < 3; ++i)
        step(0.125f, 20.0f, 0.0f);
    EXPECT_EQ(step(0.125f, 20.0f, 0.0f), 15);
}

TEST_F(ZombieTest, FireSitsBehindTheFacingAndScrolls)
{
    zombie.ignite();
    step(0.1f, 30.0f, 0.0f); // chases right: mirrored, faces +x
    EXPECT_EQ(zombie.sprite.texture.u1, -1.0f);
    EXPECT_FLOAT_EQ(zombie.fire.x, 3.6f - 5.0f);
    EXPECT_EQ(zombie.fire.y, 0.0f);
    EXPECT_FLOAT_EQ(zombie.fire.texture.u0, 0.2f);
    EXPECT_FLOAT_EQ(zombie.fire.texture.u1, 1.2f);
    EXPECT_EQ(zombie.fire.texture.glName, fireName);

    zombie.sprite.y = 7.0f;
    step(0.1f, -30.0f, 7.0f); // chases left: faces -x
    EXPECT_EQ(zombie.sprite.texture.u1, 1.0f);
    EXPECT_FLOAT_EQ(zombie.fire.x, 0.0f + 5.0f);
    EXPECT_EQ(zombie.fire.y, 7.0f);
    EXPECT_FLOAT_EQ(zombie.fire.texture.u0, 0.4f);
}

TEST_F(ZombieTest, TheFireStaysPutInTheFrameOfAHit)
{
    zombie.ignite();
    step(0.125f, 20.0f, 0.0f);
    for (int i = 0; i < 3; ++i)
        step(0.125f, 20.0f, 0.0f);
    const float x = zombie.fire.x;
    const float u0 = zombie.fire.texture.u0;
    ASSERT_EQ(step(0.125f, 20.0f, 0.0f), 15);
    EXPECT_EQ(zombie.fire.x, x);
    EXPECT_EQ(zombie.fire.texture.u0, u0);
}

TEST_F(ZombieTest, AZombieNotBurningLeavesTheFireAlone)
{
    for (int i = 0; i < 5; ++i)
        step(0.1f, 40.0f, 0.0f);
    EXPECT_EQ(zombie.fire.x, 0.0f);
    EXPECT_EQ(zombie.fire.texture.u0, 0.0f);
    EXPECT_EQ(zombie.fire.texture.u1, 1.0f);
}

TEST_F(ZombieTest, ZeroFrameStepMovesNothingYetAnArrivalStillDraws)
{
    step(0.0f, 40.0f, 0.0f); // chasing
    EXPECT_EQ(zombie.sprite.x, 0.0f);
    zombie.lungeTimer = 5.0f;
    step(0.0f, 10.0f, 0.0f);
    EXPECT_EQ(zombie.lungeTimer, 5.0f);

    zombie.lungeTimer = 0.0f;
    zombie.targetX = 0.0f;
    zombie.targetY = 0.0f;
    thrask::srand(seed);
    step(0.0f, 90.0f, 90.0f); // wandering, standing on the target
    EXPECT_EQ(zombie.sprite.x, 0.0f);
    EXPECT_EQ(zombie.sprite.y, 0.0f);
    ExpectedDraws expected(seed);
    EXPECT_EQ(zombie.targetX, expected.field());
    EXPECT_EQ(zombie.targetY, expected.field());
}

TEST_F(ZombieTest, WithoutLungePicturesTheLungeStillRunsSafely)
{
    zombie.lungeFrames.clear();
    step(0.125f, 20.0f, 0.0f);
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(step(0.125f, 20.0f, 0.0f), 0);
        EXPECT_EQ(zombie.sprite.texture.glName, idleName);
    }
    EXPECT_EQ(step(0.125f, 20.0f, 0.0f), 5);
}

TEST_F(ZombieTest, ATimerAboveTheLungeLengthShowsTheFirstPicture)
{
    zombie.lungeTimer = 1e30f;
    step(0.0f, 10.0f, 0.0f);
    EXPECT_EQ(zombie.sprite.texture.glName, 101u);
}
