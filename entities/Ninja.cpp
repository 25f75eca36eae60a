#include "entities/Ninja.h"

#include <cstddef>

#include "entities/Random.h"
#include "entities/StateHash.h"
#include "entities/Wander.h"
#include "platform/FrameStep.h"

bool Ninja::nextNinjaHorizontal = false;

namespace {
constexpr float lungeLength = 12.0f;      // lungeTimer at the start of a lunge
constexpr float lungeRate = 64.0f;        // lungeTimer units per second, lunge and recovery
constexpr float recoveredAt = -25.0f;     // at or below this the ninja travels again
constexpr float lungeStartSquared = 350.0f; // a lunge starts under about 18.71 units
constexpr float hitSquared = 400.0f;      // the lunge hits under 20 units
constexpr int hitDamage = 10;
constexpr float arrivalDistance = 0.5f;   // a leg ends when less than this remains
constexpr float glideRate = 6.4f;         // fraction of the remaining way per second
constexpr float crowdedGlideRate = 1.2f;
constexpr int legScatter = 10;            // a leg ends 5 below to 4 above the player's coordinate

float squaredDistance(float ax, float ay, float bx, float by)
{
    const float dx = bx - ax;
    const float dy = by - ay;
    return dx * dx + dy * dy;
}
}

void Ninja::spawn()
{
    // The first leg ends where the ninja stands, so its first travelling
    // frame is an arrival that chooses the first real leg.
    targetX = sprite.x;
    targetY = sprite.y;
    lungeTimer = 0.0f;
    nextNinjaHorizontal = !nextNinjaHorizontal;
    horizontalNext = nextNinjaHorizontal;
}

void Ninja::keep(const Ninja& running)
{
    horizontalNext = running.horizontalNext;
    targetX = running.targetX;
    targetY = running.targetY;
    index = running.index;
}

void Ninja::addOwnState(StateHash& h) const
{
    h.add(index);
    h.add(horizontalNext);
    h.add(targetX);
    h.add(targetY);
    h.add(lungeTimer);
}

int Ninja::update(float playerX, float playerY)
{
    faceTowards(sprite, targetX);

    if (lungeTimer > 0.0f) {
        lungeTimer -= lungeRate * frameStep;
        showLungePicture();
        if (lungeTimer < 0.0f
            && squaredDistance(sprite.x, sprite.y, playerX, playerY) < hitSquared)
            return dealt(hitDamage, EntityEvents::Blow::NinjaStrike);
        return 0;
    }

    if (lungeTimer > recoveredAt) {
        lungeTimer -= lungeRate * frameStep;
        if (lungeFrames && !lungeFrames->empty())
            sprite.texture = lungeFrames->front();
        return 0;
    }

    if (distanceBetween(sprite.x, sprite.y, targetX, targetY) < arrivalDistance) {
        sprite.x = targetX;
        sprite.y = targetY;
        if (horizontalNext) {
            targetY = sprite.y;
            targetX = playerX + static_cast<float>(thrask::rand() % legScatter) - legScatter / 2;
        } else {
            targetX = sprite.x;
            targetY = playerY + static_cast<float>(thrask::rand() % legScatter) - legScatter / 2;
        }
        horizontalNext = !horizontalNext;
        return 0;
    }

    if (squaredDistance(sprite.x, sprite.y, playerX, playerY) < lungeStartSquared) {
        lungeTimer = lungeLength;
        return 0;
    }

    speed = crowded() ? crowdedGlideRate : glideRate;
    const float k = speed * frameStep;
    sprite.y += (targetY - sprite.y) * k;
    sprite.x += (targetX - sprite.x) * k;
    return 0;
}

bool Ninja::crowded() const
{
    // Only ninjas created later are looked at, so of two that overlap the
    // earlier one gives way and the last one is never slowed.
    if (!ninjas)
        return false;
    for (const Ninja* other : *ninjas) {
        if (other && other->index > index && spritesOverlap(other->sprite, sprite))
            return true;
    }
    return false;
}

void Ninja::showLungePicture()
{
    // The pictures run from the first to the last as lungeTimer falls from
    // 12 to 0; the last one shows in the frame that decides the hit.
    const int n = lungeFrames ? static_cast<int>(lungeFrames->size()) : 0;
    if (n == 0)
        return;
    const double position = (1.0 - static_cast<double>(lungeTimer) / lungeLength) * (n - 1);
    // Limited to the array before the conversion, so any timer is safe: a
    // timer far below 0 still shows the last picture.
    int frame = 0;
    if (position >= n - 1)
        frame = n - 1;
    else if (position > 0.0)
        frame = static_cast<int>(position);
    sprite.texture = (*lungeFrames)[static_cast<std::size_t>(frame)];
}
