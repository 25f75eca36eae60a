#include "EntityTestSupport.h"
#include "entities/HealthPickup.h"

// A pickup and a 10 x 10 player far away.
class HealthPickupTest : public Seeded {
protected:
    void SetUp() override
    {
        Seeded::SetUp();
        h.reset();
        player.x = 500.0f;
    }
    void outAtOrigin(float lifetime)
    {
        h.clock = 0.0f;
        h.lifetime = lifetime;
        h.sprite.x = h.sprite.y = 0.0f;
        thrask::srand(seed);
    }
    int step(float dt)
    {
        frameStep = dt;
        return h.update(player);
    }
    HealthPickup h;
    Sprite player;
};

TEST_F(HealthPickupTest, ResetAndTimeOutDrawWaitLifetimeXThenY)
{
    for (int round = 0; round < 2; ++round) {
        Lcg g{seed};
        EXPECT_TRUE(h.available);
        EXPECT_EQ(h.clock, -static_cast<float>(g.next() % 45));
        EXPECT_EQ(h.lifetime, static_cast<float>(g.next() % 15));
        EXPECT_EQ(h.sprite.x, g.field());
        EXPECT_EQ(h.sprite.y, g.field());
        outAtOrigin(0.0f); // a lifetime of 0: re-armed in the frame it comes out
        EXPECT_EQ(step(0.1f), 0);
        EXPECT_FALSE(h.sprite.visible);
    }
}

TEST_F(HealthPickupTest, WaitsComesOutAndStaysItsLifetime)
{
    h.clock = -0.5f;
    h.lifetime = 1.0f;
    const struct { float dt; bool visible; } frames[] = {
        {0.0f, false}, {0.5f, false}, {0.01f, true}, {0.99f, true}, {0.01f, false}};
    for (auto f : frames) {
        EXPECT_EQ(step(f.dt), 0);
        EXPECT_EQ(h.sprite.visible, f.visible) << "clock " << h.clock;
    }
}

TEST_F(HealthPickupTest, TouchingSpritesTakeItOnceForFiveToNine)
{
    outAtOrigin(5.0f);
    player.x = std::nextafter(10.0f, 20.0f);
    EXPECT_EQ(step(0.1f), 0) << "a hair apart";
    player.x = 10.0f; // the edges touch: taken, whatever the player's health
    player.y = -10.0f;
    thrask::srand(seed);
    Lcg g{seed};
    EXPECT_EQ(step(0.1f), g.next() % 5 + 5);
    EXPECT_FALSE(h.available);
    EXPECT_FALSE(h.sprite.visible);
    for (int i = 0; i < 100; ++i)
        EXPECT_EQ(step(1.0f), 0);
    EXPECT_EQ(thrask::randState(), g.state) << "taken: inert for the rest of the level";
}
