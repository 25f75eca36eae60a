#include "entities/Wander.h"

#include <cmath>

#include "entities/Random.h"
#include "platform/FrameStep.h"
#include "render/Sprite.h"

namespace {
constexpr float mirrored = -1.0f;
constexpr float unmirrored = 1.0f;
}

void faceTowards(Sprite& sprite, float pointX)
{
    sprite.texture.u1 = pointX > sprite.x ? mirrored : unmirrored;
}

bool facesRight(const Sprite& sprite)
{
    return sprite.texture.u1 == mirrored;
}

float distanceBetween(float ax, float ay, float bx, float by)
{
    const float dx = bx - ax;
    const float dy = by - ay;
    return std::sqrt(dx * dx + dy * dy);
}

void wanderStep(Sprite& sprite, float& targetX, float& targetY, float speed)
{
    const float d = distanceBetween(sprite.x, sprite.y, targetX, targetY);
    const float step = speed * frameStep;
    // d == 0 also covers a distance too small to square: the direction would
    // be 0 / 0, so standing on the target is an arrival.
    if (step > d || d == 0.0f) {
        sprite.x = targetX;
        sprite.y = targetY;
        targetX = randomFieldCoordinate();
        targetY = randomFieldCoordinate();
        return;
    }
    sprite.x += (targetX - sprite.x) / d * step;
    sprite.y += (targetY - sprite.y) / d * step;
}
