#include <vector>

#include "EntityTestSupport.h"
#include "entities/HealthPickup.h"

// A pickup built the way the level loader builds it, and the player's sprite.
class HealthPickupTest : public SeededFrame {
protected:
    void SetUp() override
    {
        SeededFrame::SetUp();
        pickup.sprite.depth = 4.0f;
        pickup.sprite.texture = named(900);
        pickup.reset();
        player.width = 10.0f;
        player.height = 10.0f;
        player.x = 500.0f; // far away unless a test moves it
    }

    // Out in the open at the origin, for `lifetime` seconds.
    void outAtOrigin(float lifetime)
    {
        pickup.clock = 0.0f;
        pickup.lifetime = lifetime;
        pickup.sprite.x = 0.0f;
        pickup.sprite.y = 0.0f;
    }

    int step(float dt)
    {
        frameStep = dt;
        return pickup.update(player);
    }

    HealthPickup pickup;
    Sprite player;
};

TEST_F(HealthPickupTest, ResetDrawsWaitLifetimeXThenY)
{
    ExpectedDraws expected(seed);
    EXPECT_TRUE(pickup.available);
    EXPECT_EQ(pickup.clock, -static_cast<float>(expected.next() % 45));
    EXPECT_EQ(pickup.lifetime, static_cast<float>(expected.next() % 15));
    EXPECT_EQ(pickup.sprite.x, expected.field());
    EXPECT_EQ(pickup.sprite.y, expected.field());
    EXPECT_EQ(thrask::randState(), expected.state());
    EXPECT_EQ(pickup.sprite.width, 10.0f);
}

TEST_F(HealthPickupTest, WaitsInvisiblyThenComesOut)
{
    pickup.clock = -1.0f;
    pickup.lifetime = 5.0f;
    EXPECT_EQ(step(0.5f), 0);
    EXPECT_FALSE(pickup.sprite.visible);
    EXPECT_EQ(step(0.5f), 0);
    EXPECT_FALSE(pickup.sprite.visible) << "a clock of exactly 0 still waits";
    EXPECT_EQ(step(0.5f), 0);
    EXPECT_TRUE(pickup.sprite.visible);
}

TEST_F(HealthPickupTest, AWaitOfZeroComesOutInTheFirstFrameThatAdvances)
{
    outAtOrigin(3.0f);
    EXPECT_EQ(step(0.0f), 0);
    EXPECT_FALSE(pickup.sprite.visible);
    EXPECT_EQ(step(0.01f), 0);
    EXPECT_TRUE(pickup.sprite.visible);
}

TEST_F(HealthPickupTest, TimingOutReArmsWithDrawsInOrder)
{
    outAtOrigin(0.0f); // a lifetime of 0 is never seen
    thrask::srand(seed);
    EXPECT_EQ(step(0.1f), 0);
    EXPECT_FALSE(pickup.sprite.visible);
    EXPECT_TRUE(pickup.available);
    ExpectedDraws expected(seed);
    EXPECT_EQ(pickup.clock, -static_cast<float>(expected.next() % 45));
    EXPECT_EQ(pickup.lifetime, static_cast<float>(expected.next() % 15));
    EXPECT_EQ(pickup.sprite.x, expected.field());
    EXPECT_EQ(pickup.sprite.y, expected.field());
}

TEST_F(HealthPickupTest, StaysOutUntilItsLifetimeIsPassed)
{
    outAtOrigin(1.0f);
    thrask::srand(seed);
    EXPECT_EQ(step(0.5f), 0);
    EXPECT_EQ(step(0.5f), 0);
    EXPECT_TRUE(pickup.sprite.visible) << "a clock equal to the lifetime is still out";
    EXPECT_EQ(thrask::randState(), seed);
    step(0.5f);
    EXPECT_FALSE(pickup.sprite.visible);
    EXPECT_NE(thrask::randState(), seed);
}

TEST_F(HealthPickupTest, TouchingTheSpriteEdgeHealsFiveToNineOnce)
{
    outAtOrigin(5.0f);
    player.x = 10.0f; // edges touch
    player.y = -10.0f;
    thrask::srand(seed);
    const int healed = step(0.1f);
    ExpectedDraws expected(seed);
    EXPECT_EQ(healed, expected.next() % 5 + 5);
    EXPECT_FALSE(pickup.available);
    EXPECT_FALSE(pickup.sprite.visible);

    // Taken: inert for the rest of the level, draws nothing more.
    for (int frame = 0; frame < 100; ++frame)
        EXPECT_EQ(step(1.0f), 0);
    EXPECT_FALSE(pickup.sprite.visible);
    EXPECT_EQ(thrask::randState(), expected.state());
}

TEST_F(HealthPickupTest, HealsWhateverThePlayersHealth)
{
    // The pickup knows nothing of the player's health: at 30 it is taken all
    // the same and its healing is lost to the cap.
    std::vector<int> heals;
    for (std::uint32_t s = 1; s <= 200; ++s) {
        outAtOrigin(5.0f);
        pickup.available = true;
        player.x = 0.0f;
        player.y = 0.0f;
        thrask::srand(s);
        heals.push_back(step(0.1f));
    }
    for (int heal : heals) {
        EXPECT_GE(heal, 5);
        EXPECT_LE(heal, 9);
    }
}

TEST_F(HealthPickupTest, AHairApartIsNotTaken)
{
    outAtOrigin(5.0f);
    player.x = std::nextafter(10.0f, 20.0f);
    EXPECT_EQ(step(0.1f), 0);
    EXPECT_TRUE(pickup.available);
    EXPECT_TRUE(pickup.sprite.visible);
}

TEST_F(HealthPickupTest, ATimedOutPickupReturnsAtItsNewSpot)
{
    outAtOrigin(0.0f);
    step(0.1f); // re-armed
    const float wait = -pickup.clock;
    const float x = pickup.sprite.x;
    player.x = x;
    player.y = pickup.sprite.y;
    int healed = 0;
    float waited = 0.0f;
    while (healed == 0 && waited < 60.0f) {
        healed = step(0.25f);
        waited += 0.25f;
    }
    EXPECT_GT(healed, 0);
    EXPECT_GT(waited, wait);
    EXPECT_EQ(pickup.sprite.x, x);
}

TEST_F(HealthPickupTest, CopiesAreIndependentValues)
{
    outAtOrigin(5.0f);
    HealthPickup copy = pickup;
    EXPECT_EQ(copy.sprite.texture.glName, 900u);
    EXPECT_EQ(copy.sprite.depth, 4.0f);
    EXPECT_EQ(copy.lifetime, 5.0f);
    player.x = 0.0f;
    EXPECT_GT(step(0.1f), 0);
    EXPECT_TRUE(copy.available);
    EXPECT_EQ(copy.clock, 0.0f);
}
