#include "entities/HealthPickup.h"

#include "entities/Entity.h"
#include "entities/Random.h"
#include "entities/SpriteState.h"
#include "entities/StateHash.h"
#include "platform/FrameStep.h"

namespace {
constexpr int longestWait = 45;     // waits are 0 to 44 seconds
constexpr int longestLifetime = 15; // stays out 0 to 14 seconds
constexpr int healSpread = 5;       // heals 5 to 9 hit points
constexpr int leastHeal = 5;

float drawWait()
{
    return -static_cast<float>(thrask::rand() % longestWait);
}

float drawLifetime()
{
    return static_cast<float>(thrask::rand() % longestLifetime);
}
}

void HealthPickup::reset()
{
    available = true;
    clock = drawWait();
    lifetime = drawLifetime();
    sprite.x = randomFieldCoordinate();
    sprite.y = randomFieldCoordinate();
}

int HealthPickup::update(const Sprite& player)
{
    if (!available)
        return 0;
    clock += frameStep;
    if (clock <= 0.0f) {
        sprite.visible = false;
        return 0;
    }
    sprite.visible = true;
    if (clock > lifetime) {
        // Timed out: wait again and come out somewhere else.
        clock = drawWait();
        sprite.visible = false;
        lifetime = drawLifetime();
        sprite.x = randomFieldCoordinate();
        sprite.y = randomFieldCoordinate();
        return 0;
    }
    if (spritesOverlap(player, sprite)) {
        sprite.visible = false;
        available = false;
        return thrask::rand() % healSpread + leastHeal;
    }
    return 0;
}

void HealthPickup::addState(StateHash& h) const
{
    h.add(available);
    h.add(lifetime);
    h.add(clock);
    addSprite(h, sprite);
}
