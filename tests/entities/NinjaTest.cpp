#include <memory>
#include <set>
#include <vector>

#include "EntityTestSupport.h"
#include "entities/Ninja.h"

// Ninjas as the level loader builds them, lunge pictures 501 to 505.
class NinjaTest : public Seeded {
protected:
    // A ninja at (x, y) with the given lungeTimer (travelling by default),
    // its leg ending at (tx, ty).
    Ninja& add(float x, float y, float timer = -25.0f, float tx = 0.0f, float ty = 50.0f)
    {
        owned.push_back(std::make_unique<Ninja>());
        Ninja& n = *owned.back();
        n.sprite.width = n.sprite.height = 32.0f;
        n.sprite.x = x;
        n.sprite.y = y;
        n.spawn();
        n.lungeFrames = &lungeFrames;
        n.index = static_cast<int>(ninjas.size());
        n.ninjas = &ninjas;
        ninjas.push_back(&n);
        n.lungeTimer = timer;
        n.targetX = tx;
        n.targetY = ty;
        return n;
    }
    int step(Ninja& n, float dt, float px, float py)
    {
        frameStep = dt;
        return n.update(px, py);
    }
    std::vector<Ninja*> ninjas;
    std::vector<std::unique_ptr<Ninja>> owned;
    const std::vector<Texture> lungeFrames{named(501), named(502), named(503), named(504), named(505)};
};

TEST_F(NinjaTest, SpawnAlternatesTheFirstLegAcrossTheWholeRun)
{
    const bool before = Ninja::nextNinjaHorizontal;
    Ninja a, b;
    a.sprite.x = 12.0f;
    a.spawn();
    b.spawn();
    EXPECT_EQ(a.horizontalNext, !before);
    EXPECT_EQ(b.horizontalNext, before);
    EXPECT_EQ(Ninja::nextNinjaHorizontal, before);
    EXPECT_EQ(a.targetX, 12.0f);
    EXPECT_EQ(a.lungeTimer, 0.0f);
}

TEST_F(NinjaTest, RecoversStandingStillThenItsFirstTravelIsAnArrival)
{
    Ninja& n = add(10.0f, 20.0f, 0.0f, 10.3f, 20.0f);
    n.horizontalNext = true;
    for (float timer : {-6.4f, -12.8f, -19.2f, -25.6f}) {
        EXPECT_EQ(step(n, 0.1f, 10.0f, 20.0f), 0) << "no lunge while recovering";
        EXPECT_FLOAT_EQ(n.lungeTimer, timer);
        EXPECT_EQ(n.sprite.texture.glName, 501u);
    }
    EXPECT_EQ(step(n, 0.1f, -40.0f, 60.0f), 0);
    EXPECT_EQ(n.sprite.x, 10.3f) << "snapped onto the leg's end";
    // The seed's draws 7584 and 19164 end both legs 1 short of the player.
    EXPECT_EQ(n.targetX, -41.0f);
    EXPECT_EQ(n.targetY, 20.0f);
    EXPECT_FALSE(n.horizontalNext);
    const float legEnd = n.targetX;
    n.sprite.x = legEnd;
    step(n, 0.0f, 50.0f, -30.0f); // the next arrival turns the corner
    EXPECT_EQ(n.targetX, legEnd);
    EXPECT_EQ(n.targetY, -31.0f);
}

TEST_F(NinjaTest, LegsEndFrom5BelowTo4AboveThePlayersCoordinate)
{
    Ninja& n = add(0.0f, 0.0f, -25.0f, 0.0f, 0.0f);
    std::set<float> ends;
    for (int leg = 0; leg < 400; ++leg) {
        n.sprite.x = n.targetX;
        n.sprite.y = n.targetY;
        step(n, 0.0f, 30.0f, -30.0f);
        // An arrival flips horizontalNext: the leg just chosen is the other kind.
        ends.insert(n.horizontalNext ? n.targetY + 30.0f : n.targetX - 30.0f);
    }
    EXPECT_EQ(ends.size(), 10u);
    EXPECT_EQ(*ends.begin(), -5.0f);
    EXPECT_EQ(*ends.rbegin(), 4.0f);
}

TEST_F(NinjaTest, LungeStartsUnder350SquaredAndHitsUnder400Squared)
{
    const Point edge = atSquared(350.0f), inside = atSquared(350.0f, true);
    Ninja& far = add(0.0f, 0.0f);
    step(far, 0.1f, edge.x, edge.y);
    EXPECT_EQ(far.lungeTimer, -25.0f);
    EXPECT_FLOAT_EQ(far.sprite.y, 32.0f);
    Ninja& near = add(0.0f, 0.0f);
    step(near, 0.1f, inside.x, inside.y);
    EXPECT_EQ(near.lungeTimer, 12.0f);
    EXPECT_EQ(near.sprite.y, 0.0f);

    const struct { float px, py, dt; int damage; } ends[] = {
        {20, 0, 1.0f / 32, 0}, {12, 16, 1.0f / 32, 0}, {std::nextafter(20.0f, 0.0f), 0, 1.0f / 32, 10},
        {5, 5, 1.0f / 64, 0}, // the timer lands on 0, not below: no hit
        {5, 5, 1.0f, 10}};    // a long frame far below 0 still hits once
    for (auto c : ends) {
        Ninja& n = add(0.0f, 0.0f, 1.0f);
        EXPECT_EQ(step(n, c.dt, c.px, c.py), c.damage) << c.px << ", " << c.py << " dt " << c.dt;
        EXPECT_EQ(n.sprite.texture.glName, 505u);
        EXPECT_EQ(step(n, c.dt, c.px, c.py), 0);
    }
}

TEST_F(NinjaTest, LungePicturesFollowTheTimer)
{
    const struct { float after; unsigned picture; } cases[] = {
        {11.99f, 501}, {9.01f, 501}, {9.0f, 502}, {6.0f, 503}, {3.0f, 504}, {0.01f, 504}, {-0.01f, 505}};
    for (auto c : cases) {
        Ninja& n = add(0.0f, 0.0f, 12.0f);
        step(n, (12.0f - c.after) / 64.0f, 90.0f, 90.0f);
        EXPECT_EQ(n.sprite.texture.glName, c.picture) << c.after;
    }
}

TEST_F(NinjaTest, TheEarlierOfTwoOverlappingNinjasGivesWay)
{
    Ninja& first = add(0.0f, 0.0f, -25.0f, 50.0f, 0.0f);
    Ninja& second = add(10.0f, 0.0f, -25.0f, 50.0f, 0.0f);
    Ninja& third = add(20.0f, 0.0f, -25.0f, 50.0f, 0.0f);
    Ninja& alone = add(-60.0f, -60.0f, -25.0f, -10.0f, -60.0f);
    for (Ninja* n : ninjas)
        step(*n, 0.1f, 90.0f, 90.0f);
    EXPECT_EQ(first.speed, 1.2f);
    EXPECT_EQ(second.speed, 1.2f);
    EXPECT_EQ(third.speed, 6.4f);
    EXPECT_EQ(alone.speed, 6.4f);
    EXPECT_FLOAT_EQ(first.sprite.x, 50.0f * 0.12f);
    EXPECT_FLOAT_EQ(alone.sprite.x, -60.0f + 50.0f * 0.64f);
    EXPECT_EQ(first.sprite.texture.u1, -1.0f) << "faces the leg's end";
    third.index = second.index;
    step(second, 0.1f, 90.0f, 90.0f);
    EXPECT_EQ(second.speed, 6.4f) << "an equal index does not crowd";
}
