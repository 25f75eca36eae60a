#include <list>
#include <memory>
#include <vector>

#include "EntityTestSupport.h"
#include "entities/Knife.h"
#include "entities/Pirate.h"

// A pirate at the origin roaming towards (50, 0); knife picture 700.
class PirateTest : public Seeded {
protected:
    void SetUp() override
    {
        Seeded::SetUp();
        p.projectiles = &knives;
        p.knifeTexture = named(700);
        p.spawn();
        p.targetX = 50.0f;
        p.targetY = 0.0f;
    }
    // Throws in this frame without moving, with the aim jitter chosen; the
    // knife thrown, if any.
    Knife* throwAt(int jx, int jy, float px, float py)
    {
        p.throwTimer = -1.0f;
        thrask::srand(seedGiving(15, jx, jy));
        const std::size_t before = knives.size();
        frameStep = 0.0f;
        p.update(px, py);
        EXPECT_EQ(p.throwTimer, 1.0f);
        return knives.size() > before ? knives.back().get() : nullptr;
    }
    std::list<std::unique_ptr<Knife>> knives;
    Pirate p;
};

float speedOf(const Knife* k)
{
    return std::hypot(k->velocityX, k->velocityY);
}

TEST_F(PirateTest, SpawnDrawsTargetXThenYAndThrowsFromTheSecondFrame)
{
    Lcg g{seed};
    Pirate fresh;
    thrask::srand(seed);
    fresh.spawn();
    EXPECT_EQ(fresh.targetX, g.field());
    EXPECT_EQ(fresh.targetY, g.field());
    EXPECT_EQ(fresh.throwTimer, 0.0f);

    std::vector<int> throws;
    frameStep = 0.25f;
    for (int frame = 1; frame <= 14; ++frame) {
        const std::size_t before = knives.size();
        EXPECT_EQ(p.update(-90.0f, 0.0f), 0);
        if (knives.size() > before)
            throws.push_back(frame);
    }
    EXPECT_EQ(throws, (std::vector<int>{2, 8, 14})) << "1.0 falls to exactly 0, which is not below 0";
}

TEST_F(PirateTest, TheKnifeFliesParallelToThePlayerLineAtAJitteredSpeed)
{
    Knife* k = throwAt(3, 11, 40.0f, -30.0f);
    ASSERT_NE(k, nullptr);
    EXPECT_EQ(k->sprite.x, 10.0f) << "beside the pirate, on its target's side";
    EXPECT_EQ(k->sprite.y, 10.0f);
    EXPECT_EQ(k->sprite.texture.glName, 700u);
    EXPECT_EQ(k->sprite.width, 11.5f);
    EXPECT_NEAR(k->velocityX * -30.0f - k->velocityY * 40.0f, 0.0f, 1e-3f);

    const struct { int jx, jy; float px, py, speed; } cases[] = {
        {7, 7, 10, 10, 120.0f * std::sqrt(200.0f / 578.0f)}, // about 71
        {7, 7, -10, -10, 120.0f * std::sqrt(200.0f / 18.0f)}, // about 400
        {14, 0, 10, 0, 50.0f}};                               // x jitter first: 24 away
    for (auto c : cases) {
        Knife* knife = throwAt(c.jx, c.jy, c.px, c.py);
        ASSERT_NE(knife, nullptr);
        EXPECT_NEAR(speedOf(knife), c.speed, 1e-2f) << c.px << ", " << c.py;
    }
    p.targetX = -50.0f;
    EXPECT_EQ(throwAt(3, 11, 40.0f, -30.0f)->sprite.x, -10.0f);
}

TEST_F(PirateTest, OnTheAimingPointNoKnifeIsThrownButTheJitterIsDrawn)
{
    EXPECT_EQ(throwAt(3, 4, -3.0f, -4.0f), nullptr);
    Lcg g{seedGiving(15, 3, 4)};
    g.next();
    g.next();
    EXPECT_EQ(thrask::randState(), g.state);
    EXPECT_EQ(throwAt(0, 0, 0.0f, 0.0f), nullptr);
    EXPECT_TRUE(knives.empty());
}

TEST_F(PirateTest, AKnifeMissesWhenItsLinePassesOver11Away)
{
    // The line passes the player at 10 x |s Dy - Dx|, s = +1 here: 10 for a
    // player straight right or up, 14.1 down-right or up-left.
    const struct { float px, py; int damage; } cases[] = {
        {80, 0, 3}, {0, 80, 3}, {60, -60, 0}, {-60, 60, 0}};
    for (auto c : cases) {
        Knife* k = throwAt(5, 9, c.px, c.py);
        ASSERT_NE(k, nullptr);
        frameStep = 0.01f;
        int damage = 0;
        for (int i = 0; i < 2000 && k->sprite.visible; ++i)
            damage += k->update(c.px, c.py);
        EXPECT_FALSE(k->sprite.visible);
        EXPECT_EQ(damage, c.damage) << c.px << ", " << c.py;
    }
}

TEST(Knife, HitRangeFieldBoundsFacingAndSpin)
{
    const Point edge = atSquared(121.0f), inside = atSquared(121.0f, true);
    const float beyond = std::nextafter(105.0f, 200.0f);
    const struct { float x, y, px, py; int damage; bool visible; } cases[] = {
        {edge.x, edge.y, 0, 0, 0, true}, {inside.x, inside.y, 0, 0, 3, false},
        {105, 0, 0, 0, 0, true}, {0, -105, 0, 0, 0, true},
        {beyond, 0, 0, 0, 0, false}, {0, -beyond, 0, 0, 0, false}, {NAN, 0, 0, 0, 0, false}};
    frameStep = 0.0f;
    for (auto c : cases) {
        Knife k;
        k.sprite.x = c.x;
        k.sprite.y = c.y;
        EXPECT_EQ(k.update(c.px, c.py), c.damage) << c.x << ", " << c.y;
        EXPECT_EQ(k.sprite.visible, c.visible) << c.x << ", " << c.y;
        EXPECT_EQ(k.update(c.px, c.py), 0) << "hits once";
    }
    for (float vx : {30.0f, 0.0f, -30.0f}) {
        Knife k;
        k.velocityX = vx;
        k.velocityY = 50.0f;
        frameStep = 0.25f;
        k.update(90.0f, -90.0f);
        EXPECT_EQ(k.sprite.texture.u1, vx > 0 ? -1.0f : 1.0f);
        EXPECT_FLOAT_EQ(k.sprite.rotation, 90.0f);
        EXPECT_FLOAT_EQ(k.sprite.y, 12.5f);
    }
    frameStep = 0.0f;
}
