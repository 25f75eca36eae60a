#include "EntityTestSupport.h"
#include "entities/Robot.h"
#include "entities/Zombie.h"
#include "platform/headless/HeadlessContext.h"
#include "screens/Camera.h"

namespace {

Colour rgb(unsigned char r, unsigned char g, unsigned char b)
{
    Colour c;
    c.r = r;
    c.g = g;
    c.b = b;
    return c;
}

bool sameColour(Colour a, Colour b)
{
    return a.r == b.r && a.g == b.g && a.b == b.b;
}

} // namespace

// Untextured sprites in plain colours on a headless context: what the player
// would see of a zombie's fire and a robot's flame.
class EntityDrawTest : public SeededFrame {
protected:
    void SetUp() override
    {
        SeededFrame::SetUp();
        ASSERT_TRUE(context.valid());
        Camera camera;
        camera.apply();
        context.clear();
    }

    HeadlessContext context;
};

TEST_F(EntityDrawTest, AZombieCarriesItsFireOnlyWhileBurning)
{
    Zombie zombie;
    zombie.spawn();
    zombie.sprite.depth = 2.0f;
    zombie.sprite.width = 32.0f;
    zombie.sprite.height = 32.0f;
    zombie.sprite.colour = rgb(0, 255, 0);
    zombie.fire.colour = rgb(255, 0, 0);
    zombie.fire.x = 5.0f; // where a zombie facing -x carries it

    zombie.draw();
    EXPECT_TRUE(sameColour(context.pixelAtView(0.0f, 0.0f), rgb(0, 255, 0)));
    EXPECT_TRUE(sameColour(context.pixelAtView(5.0f, 20.0f), rgb(0, 0, 0))) << "no fire yet";

    zombie.ignite();
    context.clear();
    zombie.draw();
    EXPECT_TRUE(sameColour(context.pixelAtView(0.0f, 0.0f), rgb(0, 255, 0)));
    EXPECT_TRUE(sameColour(context.pixelAtView(5.0f, 20.0f), rgb(255, 0, 0)));
}

TEST_F(EntityDrawTest, ARobotDrawsItsFlameWhereTheUpdatePutIt)
{
    Robot robot;
    robot.spawn();
    robot.sprite.x = 0.0f;
    robot.sprite.y = 0.0f;
    robot.sprite.width = 32.0f;
    robot.sprite.height = 32.0f;
    robot.sprite.depth = 2.0f;
    robot.sprite.colour = rgb(0, 0, 255);
    robot.flame.colour = rgb(255, 255, 0);
    robot.sprite.texture.u1 = -1.0f; // faces +x
    robot.targetX = 80.0f;
    robot.speed = 0.0f;
    robot.update(-90.0f, -90.0f);

    robot.draw();
    EXPECT_TRUE(sameColour(context.pixelAtView(0.0f, 0.0f), rgb(0, 0, 255)));
    EXPECT_TRUE(sameColour(context.pixelAtView(50.0f, -3.5f), rgb(255, 255, 0)));
    EXPECT_TRUE(sameColour(context.pixelAtView(-50.0f, -3.5f), rgb(0, 0, 0)));
}
