#include <vector>

#include "EntityTestSupport.h"
#include "entities/Cabbage.h"

namespace {
constexpr float pi = 3.14159265f;
}

// A cabbage with growth pictures 801 to 803.
class CabbageTest : public Seeded {
protected:
    void SetUp() override
    {
        Seeded::SetUp();
        c.growFrames = {named(801), named(802), named(803)};
        c.spawn();
    }
    int step(float dt, float px, float py)
    {
        frameStep = dt;
        return c.update(px, py);
    }
    Cabbage c;
};

TEST_F(CabbageTest, UndergroundItMovesEveryFrameOutItStaysAndShowsItsHeight)
{
    Lcg g{seed};
    EXPECT_EQ(c.sprite.x, g.field());
    EXPECT_EQ(c.sprite.y, g.field());
    EXPECT_EQ(c.biteCooldown, 3.0f);
    step(0.0f, 90.0f, 90.0f); // phase 0: still underground, a new spot
    EXPECT_FALSE(c.sprite.visible);
    EXPECT_EQ(c.sprite.x, g.field());
    EXPECT_EQ(c.sprite.y, g.field());
    step(0.01f, 90.0f, 90.0f);
    EXPECT_TRUE(c.sprite.visible);
    EXPECT_EQ(thrask::randState(), g.state) << "out of the ground it stays put";

    const struct { float phase; bool out; unsigned picture; } cases[] = {
        {std::asin(0.19f), true, 801}, {std::asin(0.21f), true, 802}, {std::asin(0.41f), true, 803},
        {pi / 2, true, 803}, {pi - std::asin(0.39f), true, 802}, {pi - std::asin(0.19f), true, 801},
        {3.2f, false, 801}, {6.2f, false, 801}};
    for (auto k : cases) {
        c.growPhase = k.phase;
        c.sprite.texture = named(801);
        step(0.0f, 90.0f, 90.0f);
        EXPECT_EQ(c.sprite.visible, k.out) << k.phase;
        EXPECT_EQ(c.sprite.texture.glName, k.picture) << k.phase;
    }
}

TEST_F(CabbageTest, BitesStrictlyWithin10AfterTheGraceAndTheCooldown)
{
    step(0.125f, 90.0f, 90.0f); // comes out
    std::vector<int> bites;
    for (int frame = 2; frame <= 25; ++frame)
        if (step(0.125f, c.sprite.x, c.sprite.y) == 10)
            bites.push_back(frame);
    EXPECT_EQ(bites, std::vector<int>{25}) << "3 s of grace; a cooldown of 0 does not bite";

    const struct { float px, py; int damage; } reach[] = {
        {10, 0, 0}, {6, -8, 0}, {std::nextafter(10.0f, 0.0f), 0, 10}};
    c.sprite.x = c.sprite.y = 0.0f;
    for (auto r : reach) {
        c.growPhase = pi / 2;
        c.biteCooldown = -1.0f;
        EXPECT_EQ(step(0.0f, r.px, r.py), r.damage) << r.px << ", " << r.py;
    }
    EXPECT_EQ(c.biteCooldown, 0.5f);

    c.growPhase = 4.0f; // underground, the cooldown still runs
    step(1.0f, c.sprite.x, c.sprite.y);
    EXPECT_EQ(c.biteCooldown, -0.5f);
}
