#include <cmath>
#include <vector>

#include "EntityTestSupport.h"
#include "entities/Cabbage.h"

namespace {
constexpr float pi = 3.14159265f;
}

// A cabbage built the way the level loader builds it.
class CabbageTest : public SeededFrame {
protected:
    void SetUp() override
    {
        SeededFrame::SetUp();
        setUp(cabbage);
    }

    static void setUp(Cabbage& c)
    {
        c.growFrames = {named(801), named(802), named(803)};
        c.spawn();
    }

    // Puts the cabbage out of the ground at the origin, ready to bite.
    void outAndReady(float phase = pi / 2)
    {
        cabbage.growPhase = phase;
        cabbage.biteCooldown = -1.0f;
        cabbage.sprite.x = 0.0f;
        cabbage.sprite.y = 0.0f;
    }

    int step(float dt, float playerX, float playerY)
    {
        frameStep = dt;
        return cabbage.update(playerX, playerY);
    }

    Cabbage cabbage;
};

TEST_F(CabbageTest, SpawnDrawsXThenYAndStartsInTheGround)
{
    ExpectedDraws expected(seed);
    EXPECT_EQ(cabbage.sprite.x, expected.field());
    EXPECT_EQ(cabbage.sprite.y, expected.field());
    EXPECT_EQ(thrask::randState(), expected.state());
    EXPECT_EQ(cabbage.sprite.width, 12.0f);
    EXPECT_EQ(cabbage.sprite.height, 12.0f);
    EXPECT_EQ(cabbage.sprite.depth, 2.0f);
    EXPECT_EQ(cabbage.sprite.texture.glName, 801u);
    EXPECT_EQ(cabbage.biteCooldown, 3.0f);
    EXPECT_EQ(cabbage.growPhase, 0.0f);
    EXPECT_EQ(static_cast<int>(cabbage.kind()), 5);
}

TEST_F(CabbageTest, AZeroStepAfterSpawnKeepsItUndergroundAtANewSpot)
{
    thrask::srand(seed);
    EXPECT_EQ(step(0.0f, 0.0f, 0.0f), 0);
    EXPECT_FALSE(cabbage.sprite.visible);
    ExpectedDraws expected(seed);
    EXPECT_EQ(cabbage.sprite.x, expected.field());
    EXPECT_EQ(cabbage.sprite.y, expected.field());

    EXPECT_EQ(step(0.01f, 0.0f, 0.0f), 0);
    EXPECT_TRUE(cabbage.sprite.visible);
    EXPECT_EQ(cabbage.sprite.texture.glName, 801u);
    EXPECT_EQ(thrask::randState(), expected.state()) << "it stays put while out";
}

TEST_F(CabbageTest, PicturesFollowTheHeightRisingAndSinking)
{
    const struct {
        float phase;
        unsigned picture;
    } cases[] = {
        {std::asin(0.19f), 801},      {std::asin(0.21f), 802},      {std::asin(0.39f), 802},
        {std::asin(0.41f), 803},      {pi / 2, 803},                {pi - std::asin(0.41f), 803},
        {pi - std::asin(0.39f), 802}, {pi - std::asin(0.19f), 801},
    };
    for (const auto& c : cases) {
        cabbage.growPhase = c.phase;
        step(0.0f, 90.0f, 90.0f);
        EXPECT_TRUE(cabbage.sprite.visible);
        EXPECT_EQ(cabbage.sprite.texture.glName, c.picture) << "phase " << c.phase;
    }
}

TEST_F(CabbageTest, OutForHalfTheCycleUndergroundForTheOther)
{
    const struct {
        float phase;
        bool out;
    } cases[] = {{0.0f, false}, {0.01f, true}, {3.1f, true}, {3.2f, false}, {6.2f, false}, {2 * pi + 0.01f, true}};
    for (const auto& c : cases) {
        cabbage.growPhase = c.phase;
        step(0.0f, 90.0f, 90.0f);
        EXPECT_EQ(cabbage.sprite.visible, c.out) << "phase " << c.phase;
    }
}

TEST_F(CabbageTest, BitesStrictlyWithin10Units)
{
    const struct {
        float playerX, playerY;
        int damage;
    } cases[] = {
        {10.0f, 0.0f, 0}, {6.0f, 8.0f, 0}, {0.0f, -10.0f, 0}, {std::nextafter(10.0f, 0.0f), 0.0f, 10}, {0.0f, 0.0f, 10},
    };
    for (const auto& c : cases) {
        outAndReady();
        EXPECT_EQ(step(0.0f, c.playerX, c.playerY), c.damage) << c.playerX << ", " << c.playerY;
        EXPECT_EQ(cabbage.biteCooldown, c.damage ? 0.5f : -1.0f);
    }
}

TEST_F(CabbageTest, NoBiteInTheFirstThreeSeconds)
{
    step(0.125f, 90.0f, 90.0f); // comes out
    ASSERT_TRUE(cabbage.sprite.visible);
    const float x = cabbage.sprite.x;
    const float y = cabbage.sprite.y;
    std::vector<int> bites;
    for (int frame = 2; frame <= 25; ++frame) {
        if (step(0.125f, x, y) == 10)
            bites.push_back(frame);
    }
    // The cooldown is exactly 0 after 24 frames (not below 0); frame 25,
    // 3.125 s in, is the first bite while the cabbage is still out.
    EXPECT_EQ(bites, std::vector<int>{25});
}

TEST_F(CabbageTest, BitesAgainAfterTheCooldownRunsBelowZero)
{
    outAndReady();
    std::vector<int> bites;
    for (int frame = 1; frame <= 11; ++frame) {
        if (step(0.125f, 0.0f, 0.0f) == 10)
            bites.push_back(frame);
    }
    EXPECT_EQ(bites, (std::vector<int>{1, 6, 11}));
}

TEST_F(CabbageTest, TheCooldownRunsOnUndergroundSoASurfacingCabbageBitesAtOnce)
{
    cabbage.growPhase = 2 * pi - 0.3f;
    cabbage.biteCooldown = 3.0f;
    for (int frame = 0; frame < 3; ++frame)
        EXPECT_EQ(step(0.05f, 0.0f, 0.0f), 0);
    EXPECT_FALSE(cabbage.sprite.visible);
    EXPECT_FLOAT_EQ(cabbage.biteCooldown, 2.85f);

    cabbage.biteCooldown = -20.0f;
    // It comes up where the last underground frame put it; the player waits there.
    const float x = cabbage.sprite.x;
    const float y = cabbage.sprite.y;
    EXPECT_EQ(step(0.3f, x, y), 10);
    EXPECT_TRUE(cabbage.sprite.visible);
    EXPECT_EQ(cabbage.sprite.x, x);
}

TEST_F(CabbageTest, CabbagesOfALevelComeUpTogether)
{
    Cabbage other;
    setUp(other);
    for (int frame = 0; frame < 100; ++frame) {
        step(0.1f, 90.0f, 90.0f);
        other.update(90.0f, 90.0f);
        ASSERT_EQ(cabbage.sprite.visible, other.sprite.visible) << "frame " << frame;
    }
}
