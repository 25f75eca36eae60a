#include "EntityTestSupport.h"
#include "entities/Entity.h"
#include "entities/Wander.h"

namespace {
Sprite box(float x, float y, float w, float h)
{
    Sprite s;
    s.x = x, s.y = y, s.width = w, s.height = h;
    return s;
}
const float out = std::nextafter(14.0f, 99.0f);
} // namespace

TEST(Collision, EdgesBelongToTheRectangleWhateverTheRotationOrVisibility)
{
    Sprite s = box(10.0f, -4.0f, 8.0f, 6.0f); // x 6..14, y -7..-1
    s.rotation = 90.0f;
    s.visible = false;
    const struct { float x, y; bool in; } points[] = {
        {6, -7, true}, {14, -1, true}, {14, -4, true}, {out, -4, false}, {10, std::nextafter(-1.0f, 9.0f), false}};
    for (auto p : points)
        EXPECT_EQ(pointInSprite(s, p.x, p.y), p.in) << p.x << ", " << p.y;

    const struct { Sprite b; bool overlap; } others[] = {
        {box(18, -4, 8, 6), true}, {box(out, -4, 0, 6), false},
        {box(2, 2, 8, 6), true},  {box(10, 10, 100, 1), false}, {box(10, -4, 0, 0), true}};
    for (const auto& o : others) {
        EXPECT_EQ(spritesOverlap(s, o.b), o.overlap) << o.b.x << ", " << o.b.y;
        EXPECT_EQ(spritesOverlap(o.b, s), o.overlap) << o.b.x << ", " << o.b.y;
    }
}

class Wander : public Seeded {};

TEST_F(Wander, StepArrivalAndFacing)
{
    // From (0, 0) towards (3, 4), 5 away.
    const struct { float dt, speed, x; bool arrives; } cases[] = {
        {1.0f, 6.0f, 3.0f, true},   // the step passes the target
        {1.0f, 5.0f, 3.0f, false},  // lands on it: no arrival yet
        {0.5f, 2.0f, 0.6f, false},  // along the line
        {0.0f, 36.0f, 0.0f, false}, // a step of 0 moves nothing
    };
    for (auto c : cases) {
        Sprite s = box(0, 0, 10, 10);
        float tx = 3.0f, ty = 4.0f;
        thrask::srand(seed);
        frameStep = c.dt;
        wanderStep(s, tx, ty, c.speed);
        EXPECT_FLOAT_EQ(s.x, c.x);
        EXPECT_FLOAT_EQ(s.y, c.x * 4 / 3);
        Lcg g{seed};
        EXPECT_EQ(tx, c.arrives ? g.field() : 3.0f);
        EXPECT_EQ(ty, c.arrives ? g.field() : 4.0f);
    }
    // Standing on the target is an arrival even with a step of 0.
    Sprite s = box(3, 4, 10, 10);
    float tx = 3.0f, ty = 4.0f;
    frameStep = 0.0f;
    thrask::srand(seed);
    wanderStep(s, tx, ty, 36.0f);
    Lcg g{seed};
    EXPECT_EQ(s.x, 3.0f);
    EXPECT_EQ(tx, g.field());
    EXPECT_EQ(ty, g.field());

    faceTowards(s, std::nextafter(3.0f, 9.0f));
    EXPECT_EQ(s.texture.u1, -1.0f);
    faceTowards(s, 3.0f);
    EXPECT_EQ(s.texture.u1, 1.0f);
}
