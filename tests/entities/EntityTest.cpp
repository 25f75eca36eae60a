#include <cmath>

#include "EntityTestSupport.h"
#include "entities/Entity.h"
#include "entities/Wander.h"

namespace {

Sprite box(float x, float y, float width, float height)
{
    Sprite s;
    s.x = x;
    s.y = y;
    s.width = width;
    s.height = height;
    return s;
}

float above(float v) { return std::nextafter(v, 1e9f); }
float below(float v) { return std::nextafter(v, -1e9f); }

} // namespace

TEST(PointInSprite, EdgesAndCornersBelongToTheRectangle)
{
    const Sprite s = box(10.0f, -4.0f, 8.0f, 6.0f); // x 6..14, y -7..-1
    struct Case {
        float px, py;
        bool inside;
    } cases[] = {
        {10.0f, -4.0f, true},        {6.0f, -4.0f, true},         {14.0f, -4.0f, true},
        {10.0f, -7.0f, true},        {10.0f, -1.0f, true},        {6.0f, -7.0f, true},
        {14.0f, -1.0f, true},        {below(6.0f), -4.0f, false}, {above(14.0f), -4.0f, false},
        {10.0f, below(-7.0f), false}, {10.0f, above(-1.0f), false},
    };
    for (const Case& c : cases)
        EXPECT_EQ(pointInSprite(s, c.px, c.py), c.inside) << c.px << ", " << c.py;
}

TEST(PointInSprite, ZeroSizeRectangleHoldsItsCentreLine)
{
    const Sprite thin = box(0.0f, 0.0f, 0.0f, 10.0f);
    EXPECT_TRUE(pointInSprite(thin, 0.0f, 5.0f));
    EXPECT_FALSE(pointInSprite(thin, above(0.0f), 0.0f));
}

TEST(PointInSprite, IgnoresRotationAndVisibility)
{
    Sprite s = box(0.0f, 0.0f, 20.0f, 2.0f);
    s.rotation = 90.0f;
    s.visible = false;
    EXPECT_TRUE(pointInSprite(s, 9.0f, 0.0f));
    EXPECT_FALSE(pointInSprite(s, 0.0f, 9.0f));
}

TEST(SpritesOverlap, TouchingOverlapsAndTheTestIsSymmetric)
{
    const Sprite a = box(0.0f, 0.0f, 10.0f, 10.0f);
    struct Case {
        Sprite b;
        bool overlap;
    } cases[] = {
        {box(10.0f, 0.0f, 10.0f, 10.0f), true},         // right edges touch
        {box(-10.0f, 0.0f, 10.0f, 10.0f), true},        // left
        {box(0.0f, 10.0f, 10.0f, 10.0f), true},         // top
        {box(0.0f, -10.0f, 10.0f, 10.0f), true},        // bottom
        {box(10.0f, 10.0f, 10.0f, 10.0f), true},        // corners touch
        {box(above(10.0f), 0.0f, 10.0f, 10.0f), false}, // a hair apart
        {box(0.0f, below(-10.0f), 10.0f, 10.0f), false},
        {box(2.0f, 2.0f, 2.0f, 2.0f), true},            // inside
        {box(0.0f, 0.0f, 100.0f, 1.0f), true},          // crossing
        {box(0.0f, 30.0f, 100.0f, 1.0f), false},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(spritesOverlap(a, c.b), c.overlap) << c.b.x << ", " << c.b.y;
        EXPECT_EQ(spritesOverlap(c.b, a), c.overlap) << c.b.x << ", " << c.b.y;
    }
}

TEST(SpritesOverlap, IgnoresRotationAndVisibility)
{
    Sprite a = box(0.0f, 0.0f, 40.0f, 2.0f);
    a.rotation = 90.0f;
    a.visible = false;
    EXPECT_TRUE(spritesOverlap(a, box(19.0f, 0.0f, 1.0f, 1.0f)));
    EXPECT_FALSE(spritesOverlap(a, box(0.0f, 19.0f, 1.0f, 1.0f)));
}

TEST(BareEntity, IsKindZeroAndHarmless)
{
    Entity e;
    EXPECT_EQ(static_cast<int>(e.kind()), 0);
    frameStep = 1.0f;
    EXPECT_EQ(e.update(0.0f, 0.0f), 0);
    frameStep = 0.0f;
    EXPECT_EQ(e.sprite.width, 10.0f);
    EXPECT_TRUE(e.sprite.visible);
}

TEST(Facing, MirrorsOnlyForAPointStrictlyToTheRight)
{
    Sprite s = box(5.0f, 0.0f, 10.0f, 10.0f);
    const struct {
        float pointX, u1;
    } cases[] = {{above(5.0f), -1.0f}, {5.0f, 1.0f}, {-50.0f, 1.0f}, {90.0f, -1.0f}};
    for (const auto& c : cases) {
        s.texture.u1 = 0.5f;
        faceTowards(s, c.pointX);
        EXPECT_EQ(s.texture.u1, c.u1) << c.pointX;
        EXPECT_EQ(facesRight(s), c.u1 == -1.0f);
    }
}

class WanderStep : public SeededFrame {};

TEST_F(WanderStep, MovesByTheStepAlongTheLineToTheTarget)
{
    Sprite s = box(0.0f, 0.0f, 10.0f, 10.0f);
    float tx = 30.0f, ty = 40.0f; // 50 away
    frameStep = 0.5f;
    wanderStep(s, tx, ty, 20.0f); // 10 units
    EXPECT_FLOAT_EQ(s.x, 6.0f);
    EXPECT_FLOAT_EQ(s.y, 8.0f);
    EXPECT_EQ(tx, 30.0f);
    EXPECT_EQ(ty, 40.0f);
    EXPECT_EQ(thrask::randState(), seed) << "no arrival, so nothing drawn";
}

TEST_F(WanderStep, ArrivesWhenTheStepPassesTheTargetAndDrawsXThenY)
{
    Sprite s = box(0.0f, 0.0f, 10.0f, 10.0f);
    float tx = 3.0f, ty = 4.0f; // 5 away
    frameStep = 1.0f;
    wanderStep(s, tx, ty, 6.0f);
    EXPECT_EQ(s.x, 3.0f);
    EXPECT_EQ(s.y, 4.0f);
    ExpectedDraws expected(seed);
    EXPECT_EQ(tx, expected.field());
    EXPECT_EQ(ty, expected.field());
}

TEST_F(WanderStep, AStepOfExactlyTheDistanceIsNoArrival)
{
    Sprite s = box(0.0f, 0.0f, 10.0f, 10.0f);
    float tx = 3.0f, ty = 4.0f;
    frameStep = 1.0f;
    wanderStep(s, tx, ty, 5.0f);
    EXPECT_FLOAT_EQ(s.x, 3.0f);
    EXPECT_FLOAT_EQ(s.y, 4.0f);
    EXPECT_EQ(tx, 3.0f);
    EXPECT_EQ(thrask::randState(), seed);
}

TEST_F(WanderStep, ZeroStepMovesNothingButStandingOnTheTargetIsAnArrival)
{
    Sprite s = box(7.0f, -2.0f, 10.0f, 10.0f);
    float tx = 20.0f, ty = 20.0f;
    wanderStep(s, tx, ty, 36.0f);
    EXPECT_EQ(s.x, 7.0f);
    EXPECT_EQ(s.y, -2.0f);
    EXPECT_EQ(thrask::randState(), seed);

    tx = 7.0f;
    ty = -2.0f;
    wanderStep(s, tx, ty, 36.0f);
    EXPECT_EQ(s.x, 7.0f);
    EXPECT_EQ(s.y, -2.0f);
    ExpectedDraws expected(seed);
    EXPECT_EQ(tx, expected.field());
    EXPECT_EQ(ty, expected.field());
}

TEST_F(WanderStep, ATargetTooCloseToSquareNeverGivesAnUndefinedPosition)
{
    Sprite s = box(0.0f, 0.0f, 10.0f, 10.0f);
    float tx = 1e-30f, ty = 0.0f; // its square is 0 in float
    wanderStep(s, tx, ty, 36.0f);
    EXPECT_TRUE(std::isfinite(s.x));
    EXPECT_TRUE(std::isfinite(s.y));
    EXPECT_EQ(s.x, 1e-30f);
}
