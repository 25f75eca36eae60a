#include <set>

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
    // The seed's first draws are 7584, 19164, 25795 and 22125: a wait of
    // 24 s, a lifetime of 9 s, then x -35 and y 75, in that order.
    for (int round = 0; round < 2; ++round) {
        EXPECT_TRUE(h.available);
        EXPECT_EQ(h.clock, -24.0f);
        EXPECT_EQ(h.lifetime, 9.0f);
        EXPECT_EQ(h.sprite.x, -35.0f);
        EXPECT_EQ(h.sprite.y, 75.0f);
        outAtOrigin(0.0f); // a lifetime of 0: re-armed in the frame it comes out
        EXPECT_EQ(step(0.1f), 0);
        EXPECT_FALSE(h.sprite.visible);
    }
}

TEST_F(HealthPickupTest, WaitsRunFrom0To44SecondsAndLifetimesFrom0To14)
{
    std::set<float> waits;
    std::set<float> lifetimes;
    for (int i = 0; i < 5000; ++i) {
        h.reset();
        waits.insert(-h.clock);
        lifetimes.insert(h.lifetime);
    }
    EXPECT_EQ(waits.size(), 45u);
    EXPECT_EQ(*waits.begin(), 0.0f);
    EXPECT_EQ(*waits.rbegin(), 44.0f);
    EXPECT_EQ(lifetimes.size(), 15u);
    EXPECT_EQ(*lifetimes.begin(), 0.0f);
    EXPECT_EQ(*lifetimes.rbegin(), 14.0f);
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
    EXPECT_EQ(step(0.1f), 9) << "the seed's first draw, 7584, heals the most";
    Lcg g{seed};
    g.next();
    EXPECT_FALSE(h.available);
    EXPECT_FALSE(h.sprite.visible);
    for (int i = 0; i < 100; ++i)
        EXPECT_EQ(step(1.0f), 0);
    EXPECT_EQ(thrask::randState(), g.state) << "taken: inert for the rest of the level";
}

TEST_F(HealthPickupTest, EveryHealFrom5To9Occurs)
{
    std::set<int> heals;
    for (std::uint32_t s = 1; s <= 200; ++s) {
        outAtOrigin(5.0f);
        h.available = true;
        player.x = player.y = 0.0f;
        thrask::srand(s);
        heals.insert(step(0.1f));
    }
    EXPECT_EQ(heals, (std::set<int>{5, 6, 7, 8, 9}));
}
