#include <cmath>
#include <memory>
#include <vector>

#include "EntityTestSupport.h"
#include "entities/Robot.h"
#include "entities/Zombie.h"

// A robot built the way the level loader builds it. Tests that need it to
// hold still set its speed to 0 after spawn.
class RobotTest : public SeededFrame {
protected:
    void SetUp() override
    {
        SeededFrame::SetUp();
        robot.flame.texture = named(400);
        robot.entities = &entities;
        robot.sprite.texture = named(300);
        robot.sprite.width = 32.0f;
        robot.sprite.height = 32.0f;
        robot.sprite.depth = 2.0f;
        robot.spawn();
    }

    // Puts the robot at the origin facing +x, its target far to the right.
    void standFacingRight()
    {
        robot.sprite.x = 0.0f;
        robot.sprite.y = 0.0f;
        robot.sprite.texture.u1 = -1.0f;
        robot.targetX = 80.0f;
        robot.targetY = 0.0f;
    }

    Zombie* addZombie(float x, float y)
    {
        auto zombie = std::make_unique<Zombie>();
        zombie->sprite.x = x;
        zombie->sprite.y = y;
        Zombie* raw = zombie.get();
        entities.push_back(std::move(zombie));
        return raw;
    }

    int step(float dt, float playerX, float playerY)
    {
        frameStep = dt;
        return robot.update(playerX, playerY);
    }

    std::vector<std::unique_ptr<Entity>> entities;
    Robot robot;
};

TEST_F(RobotTest, SpawnDrawsTargetThenPositionAndStartsTheGrace)
{
    ExpectedDraws expected(seed);
    EXPECT_EQ(robot.targetX, expected.field());
    EXPECT_EQ(robot.targetY, expected.field());
    EXPECT_EQ(robot.sprite.x, expected.field());
    EXPECT_EQ(robot.sprite.y, expected.field());
    EXPECT_EQ(thrask::randState(), expected.state());
    EXPECT_EQ(robot.speed, 36.0f);
    EXPECT_EQ(robot.flamePhase, 0.0f);
    EXPECT_EQ(robot.flameCooldown, 3.0f);
    EXPECT_EQ(robot.flame.depth, 3.0f);
    EXPECT_TRUE(robot.flame.visible);
    EXPECT_EQ(static_cast<int>(robot.kind()), 4);
}

TEST_F(RobotTest, FlamePulsesAndIsPlacedFromThePreviousFacing)
{
    robot.sprite.x = 0.0f;
    robot.sprite.y = 10.0f;
    robot.sprite.texture.u1 = 1.0f; // faces -x
    robot.targetX = 80.0f;          // but will turn to +x in this frame
    robot.targetY = 10.0f;
    step(0.1f, -90.0f, -90.0f);

    const float s = std::sin(0.5f);
    EXPECT_FLOAT_EQ(robot.flame.width, 5.0f * s + 50.0f);
    EXPECT_FLOAT_EQ(robot.flame.height, 5.0f * s + 10.0f);
    EXPECT_FLOAT_EQ(robot.flame.x, 0.0f - 13.0f - robot.flame.width / 2);
    EXPECT_FLOAT_EQ(robot.flame.y, 6.5f);
    EXPECT_EQ(robot.flame.texture.u1, 1.0f);
    EXPECT_EQ(robot.flame.texture.glName, 400u);
    EXPECT_EQ(robot.sprite.texture.u1, -1.0f) << "the body turned";
    EXPECT_FLOAT_EQ(robot.sprite.x, 3.6f);

    // One frame later the flame follows the turn, from the moved position.
    step(0.1f, -90.0f, -90.0f);
    EXPECT_EQ(robot.flame.texture.u1, -1.0f);
    EXPECT_FLOAT_EQ(robot.flame.x, 3.6f + 13.0f + robot.flame.width / 2);
    EXPECT_FLOAT_EQ(robot.sprite.x, 7.2f);
}

TEST_F(RobotTest, NoBurnDuringTheGraceThenEveryHalfSecond)
{
    standFacingRight();
    robot.speed = 0.0f;
    // (35, -3.5) lies in the flame at every size of the pulse.
    std::vector<int> burns;
    for (int frame = 1; frame <= 18; ++frame) {
        if (step(0.25f, 35.0f, -3.5f) == 3)
            burns.push_back(frame);
    }
    // The cooldown reaches exactly 0 in frame 12, and 0 burns.
    EXPECT_EQ(burns, (std::vector<int>{12, 14, 16, 18}));
}

TEST_F(RobotTest, ABurnFrameNeitherMovesNorIgnites)
{
    standFacingRight();
    Zombie* zombie = addZombie(30.0f, -3.5f);
    robot.flameCooldown = 0.1f;
    EXPECT_EQ(step(0.1f, 35.0f, -3.5f), 3);
    EXPECT_EQ(robot.flameCooldown, 0.5f);
    EXPECT_EQ(robot.sprite.x, 0.0f);
    EXPECT_FALSE(zombie->burning);

    EXPECT_EQ(step(0.1f, 35.0f, -3.5f), 0);
    EXPECT_FALSE(zombie->burning) << "still cooling down";
    EXPECT_FLOAT_EQ(robot.sprite.x, 3.6f);
}

TEST_F(RobotTest, IgnitesAtMostOneZombieAFrameInListOrder)
{
    standFacingRight();
    robot.speed = 0.0f;
    Zombie* outside = addZombie(-30.0f, 0.0f);
    Zombie* first = addZombie(30.0f, -3.5f);
    Zombie* second = addZombie(40.0f, -3.5f);
    robot.flameCooldown = 0.0f;

    EXPECT_EQ(step(0.0f, -90.0f, 90.0f), 0);
    EXPECT_TRUE(first->burning);
    EXPECT_EQ(first->speed, 36.0f);
    EXPECT_FALSE(second->burning);
    EXPECT_FALSE(outside->burning);
    EXPECT_FLOAT_EQ(robot.flameCooldown, 0.1f);

    // The first walks out of the flame; while it stood in it, it would take
    // the flame's turn again as the first in the list.
    first->sprite.x = -30.0f;
    step(0.0625f, -90.0f, 90.0f);
    EXPECT_FALSE(second->burning) << "0.1 s have not passed";
    step(0.0625f, -90.0f, 90.0f);
    EXPECT_TRUE(second->burning);
    EXPECT_FALSE(outside->burning);
}

TEST_F(RobotTest, ABurningZombieCanBeIgnitedAgainAndBlocksTheNext)
{
    standFacingRight();
    robot.speed = 0.0f;
    Zombie* first = addZombie(30.0f, -3.5f);
    Zombie* second = addZombie(40.0f, -3.5f);
    first->ignite();
    robot.flameCooldown = 0.0f;
    step(0.0f, -90.0f, 90.0f);
    EXPECT_FALSE(second->burning);
    EXPECT_FLOAT_EQ(robot.flameCooldown, 0.1f);
}

TEST_F(RobotTest, OtherKindsAndTheRobotItselfAreNotTouched)
{
    standFacingRight();
    robot.speed = 0.0f;
    auto bystander = std::make_unique<Entity>();
    bystander->sprite.x = 30.0f;
    bystander->sprite.y = -3.5f;
    entities.push_back(std::move(bystander));
    entities.push_back(nullptr);
    robot.flameCooldown = 0.0f;
    step(0.0f, -90.0f, 90.0f);
    EXPECT_EQ(robot.flameCooldown, 0.0f) << "nothing was ignited";
}

TEST_F(RobotTest, TheFlamesEdgeBurns)
{
    // With the phase at 0 the flame is 50 x 10, centred at (38, -3.5).
    const struct {
        float x, y;
        int damage;
    } cases[] = {
        {63.0f, 1.5f, 3}, {13.0f, -8.5f, 3}, {std::nextafter(63.0f, 99.0f), 0.0f, 0},
        {38.0f, std::nextafter(1.5f, 9.0f), 0},
    };
    for (const auto& c : cases) {
        standFacingRight();
        robot.flamePhase = 0.0f;
        robot.flameCooldown = 0.0f;
        EXPECT_EQ(step(0.0f, c.x, c.y), c.damage) << c.x << ", " << c.y;
    }
}

TEST_F(RobotTest, WithoutAnEntityListItStillBurnsAndRoams)
{
    robot.entities = nullptr;
    standFacingRight();
    robot.flameCooldown = 0.0f;
    EXPECT_EQ(step(0.0f, 35.0f, -3.5f), 3);
    EXPECT_EQ(step(0.1f, -90.0f, 90.0f), 0);
    EXPECT_FLOAT_EQ(robot.sprite.x, 3.6f);
}
