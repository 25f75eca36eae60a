#include <memory>
#include <vector>

#include "EntityTestSupport.h"
#include "entities/EntityList.h"
#include "entities/Robot.h"
#include "entities/Zombie.h"

// A robot at the origin facing +x, roaming towards (80, 0).
class RobotTest : public Seeded {
protected:
    void SetUp() override
    {
        Seeded::SetUp();
        r.entities = &list;
        r.spawn();
        r.sprite.x = r.sprite.y = 0.0f;
        r.sprite.texture.u1 = -1.0f;
        r.targetX = 80.0f;
        r.targetY = 0.0f;
    }
    Zombie* zombieAt(float x)
    {
        Zombie& zombie = list.add<Zombie>();
        zombie.sprite.x = x;
        zombie.sprite.y = -3.5f;
        return &zombie;
    }
    int step(float dt, float px = -90.0f, float py = 90.0f)
    {
        frameStep = dt;
        return r.update(px, py);
    }
    EntityList list;
    Robot r;
};

TEST_F(RobotTest, SpawnDrawsTargetThenPosition)
{
    Robot fresh;
    thrask::srand(seed);
    fresh.spawn();
    Lcg g{seed};
    for (float value : {fresh.targetX, fresh.targetY, fresh.sprite.x, fresh.sprite.y})
        EXPECT_EQ(value, g.field());
    EXPECT_EQ(fresh.flameCooldown, 3.0f);
    EXPECT_EQ(fresh.flame.depth, 3.0f);
    EXPECT_EQ(fresh.speed, 36.0f);
}

TEST_F(RobotTest, TheFlameFollowsThePreviousFramesPositionAndFacing)
{
    r.sprite.texture.u1 = 1.0f; // faces -x, turns to its target in this frame
    step(0.1f);
    const float s = std::sin(0.5f);
    EXPECT_FLOAT_EQ(r.flame.width, 5 * s + 50);
    EXPECT_FLOAT_EQ(r.flame.height, 5 * s + 10);
    EXPECT_FLOAT_EQ(r.flame.x, -13.0f - r.flame.width / 2);
    EXPECT_FLOAT_EQ(r.flame.y, -3.5f);
    EXPECT_EQ(r.flame.texture.u1, 1.0f);
    EXPECT_FLOAT_EQ(r.sprite.x, 3.6f);
    step(0.1f);
    EXPECT_EQ(r.flame.texture.u1, -1.0f);
    EXPECT_FLOAT_EQ(r.flame.x, 3.6f + 13.0f + r.flame.width / 2);
}

TEST_F(RobotTest, BurnsOnlyAfterTheGraceThenEveryHalfSecond)
{
    r.speed = 0.0f;
    std::vector<int> burns;
    for (int frame = 1; frame <= 16; ++frame)
        if (step(0.25f, 35.0f, -3.5f) == 3) // always inside the pulsing flame
            burns.push_back(frame);
    EXPECT_EQ(burns, (std::vector<int>{12, 14, 16})) << "a cooldown of exactly 0 burns";

    // The flame's edge counts (phase 0: 50 x 10 around (38, -3.5)).
    r.flamePhase = r.flameCooldown = 0.0f;
    EXPECT_EQ(step(0.0f, 63.0f, 1.5f), 3);
    r.flameCooldown = 0.0f;
    EXPECT_EQ(step(0.0f, std::nextafter(63.0f, 99.0f), 1.5f), 0);
}

TEST_F(RobotTest, ABurnFrameNeitherMovesNorIgnites)
{
    Zombie* zombie = zombieAt(30.0f);
    r.flameCooldown = 0.1f;
    EXPECT_EQ(step(0.1f, 35.0f, -3.5f), 3);
    EXPECT_EQ(r.sprite.x, 0.0f);
    EXPECT_FALSE(zombie->burning);
}

TEST_F(RobotTest, IgnitesOneZombieAFrameFirstInTheList)
{
    r.speed = 0.0f;
    list.add(std::make_unique<Entity>()); // not a zombie, though in the flame
    list.back()->sprite.x = 30.0f;
    list.add<Robot>().sprite.x = 30.0f; // nor is a robot
    Zombie* first = zombieAt(30.0f);
    Zombie* second = zombieAt(40.0f);
    r.flameCooldown = 0.0f;
    step(0.0f);
    EXPECT_TRUE(first->burning);
    EXPECT_EQ(first->speed, 36.0f);
    EXPECT_FALSE(second->burning);
    step(0.0625f);
    EXPECT_FALSE(second->burning) << "0.1 s have not passed";
    step(0.0625f);
    EXPECT_FALSE(second->burning) << "the first, ignited again, takes the turn";
    EXPECT_FLOAT_EQ(r.flameCooldown, 0.1f);
    first->sprite.x = -30.0f;
    step(0.0625f);
    step(0.0625f);
    EXPECT_TRUE(second->burning);
}
