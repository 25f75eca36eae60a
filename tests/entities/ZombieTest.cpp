#include "EntityTestSupport.h"
#include "entities/Zombie.h"

// A zombie as the level loader builds it, at the origin; idle picture 100,
// lunge pictures 101 to 105.
class ZombieTest : public Seeded {
protected:
    void SetUp() override
    {
        Seeded::SetUp();
        z.idleTexture = named(100);
        z.spawn();
        z.sprite.depth = 2.0f;
        z.sprite.width = z.sprite.height = 32.0f;
        z.lungeFrames = &lungeFrames;
    }
    int step(float dt, float px, float py = 0.0f)
    {
        frameStep = dt;
        return z.update(px, py);
    }
    // A lunge started and run for three frames with the player at startX
    // (the timer falls by 3 a frame); returns its last frame with the player at endX.
    int lunge(float startX, float endX)
    {
        for (int i = 0; i < 4; ++i)
            step(0.125f, startX);
        return step(0.125f, endX);
    }
    const std::vector<Texture> lungeFrames{named(101), named(102), named(103), named(104), named(105)};
    Zombie z;
};

TEST_F(ZombieTest, SpawnDrawsTargetXThenYAndPutsTheFireAtTheFinalDepth)
{
    Lcg g{seed};
    EXPECT_EQ(z.targetX, g.field());
    EXPECT_EQ(z.targetY, g.field());
    EXPECT_EQ(z.fire.depth, 2.0f);
    EXPECT_EQ(z.sprite.texture.glName, 100u);
    EXPECT_EQ(z.speed, 24.0f);
}

TEST_F(ZombieTest, ReachDecidesLungeChaseOrWander)
{
    // The target lies left, the player right: the move shows which rule ran.
    const struct { float px, x, timer; } cases[] = {
        {std::nextafter(25.0f, 0.0f), 0.0f, 10.0f}, {25.0f, 2.4f, 0.0f},
        {std::nextafter(65.0f, 0.0f), 2.4f, 0.0f},  {65.0f, -2.4f, 0.0f}};
    for (auto c : cases) {
        z.sprite.x = z.lungeTimer = 0.0f;
        z.targetX = -80.0f;
        z.targetY = 0.0f;
        EXPECT_EQ(step(0.1f, c.px), 0);
        EXPECT_FLOAT_EQ(z.sprite.x, c.x) << c.px;
        EXPECT_EQ(z.lungeTimer, c.timer) << c.px;
    }
}

TEST_F(ZombieTest, ChaseFacesFromTheNewPositionWanderFromTheOld)
{
    step(2.0f, 30.0f); // the long step carries it past the player, to 48
    EXPECT_FLOAT_EQ(z.sprite.x, 48.0f);
    EXPECT_EQ(z.sprite.texture.u1, 1.0f);
    z.sprite.x = 0.0f;
    z.targetX = 1.0f;
    z.targetY = 0.0f;
    thrask::srand(1); // the target drawn on arrival lies left, at -49
    step(1.0f, 90.0f, 90.0f);
    EXPECT_EQ(z.targetX, -49.0f);
    EXPECT_EQ(z.sprite.texture.u1, -1.0f);
}

TEST_F(ZombieTest, LungePicturesFollowTheTimer)
{
    const struct { float timer; unsigned picture; } cases[] = {
        {10.0f, 101}, {8.0f, 101}, {7.99f, 102}, {6.0f, 102}, {5.99f, 103}, {4.0f, 103},
        {3.99f, 104}, {2.0f, 104}, {1.99f, 105}, {0.01f, 105}, {1e30f, 101}};
    for (auto c : cases) {
        z.lungeTimer = c.timer;
        step(0.0f, 10.0f);
        EXPECT_EQ(z.sprite.texture.glName, c.picture) << c.timer;
    }
}

TEST_F(ZombieTest, OnlyTheReachAtTheLungesEndCounts)
{
    const struct { float start, end; bool burning; int damage; } cases[] = {
        {20, 20, false, 5}, {20, 30, false, 0}, {24, 10, false, 5}, {20, 25, false, 0}, {20, 20, true, 15}};
    for (auto c : cases) {
        z.lungeTimer = 0.0f;
        z.burning = c.burning;
        EXPECT_EQ(lunge(c.start, c.end), c.damage) << c.start << " to " << c.end;
        EXPECT_EQ(z.sprite.x, 0.0f) << "it never moves while lunging";
        EXPECT_EQ(z.sprite.texture.glName, 100u);
    }
    EXPECT_EQ(step(0.125f, 20.0f), 0);
    EXPECT_EQ(z.lungeTimer, 10.0f) << "still within reach: the next lunge starts";

    const std::vector<Texture> noFrames;
    for (const std::vector<Texture>* none : {&noFrames, static_cast<const std::vector<Texture>*>(nullptr)}) {
        z.lungeFrames = none;
        z.lungeTimer = 0.0f;
        z.burning = false;
        EXPECT_EQ(lunge(20, 20), 5) << "no pictures: the lunge still runs";
        EXPECT_EQ(z.sprite.texture.glName, 100u);
    }
}

TEST_F(ZombieTest, BurningFireTrailsTheFacingScrollsAndHoldsOnAHit)
{
    z.ignite();
    step(0.1f, 30.0f); // chases right at 36: faces +x
    EXPECT_FLOAT_EQ(z.sprite.x, 3.6f);
    EXPECT_FLOAT_EQ(z.fire.x, 3.6f - 5.0f);
    EXPECT_FLOAT_EQ(z.fire.texture.u0, 0.2f);
    EXPECT_FLOAT_EQ(z.fire.texture.u1, 1.2f);
    step(0.1f, -30.0f); // back to 0, faces -x
    EXPECT_FLOAT_EQ(z.fire.x, 5.0f);
    for (int i = 0; i < 4; ++i)
        step(0.125f, 20.0f);
    const float u0 = z.fire.texture.u0;
    EXPECT_EQ(step(0.125f, 20.0f), 15);
    EXPECT_EQ(z.fire.texture.u0, u0);

    z.spawn();
    EXPECT_FALSE(z.burning);
    EXPECT_EQ(z.speed, 24.0f);
}
