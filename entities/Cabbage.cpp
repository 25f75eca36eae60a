#include "entities/Cabbage.h"

#include <cstddef>

#include "entities/Random.h"
#include "entities/Sine.h"
#include "entities/StateHash.h"
#include "entities/Wander.h"
#include "platform/FrameStep.h"

namespace {
constexpr float cabbageSize = 12.0f;
constexpr float cabbageDepth = 2.0f;
constexpr float startCooldown = 3.0f; // seconds before the first bite
constexpr float biteCooldownAfterBite = 0.5f;
constexpr float biteReach = 10.0f;    // bites a player nearer than this
constexpr int biteDamage = 10;
constexpr float growHeight = 50.0f;   // height of the rise at its peak
}

void Cabbage::spawn()
{
    sprite.width = cabbageSize;
    sprite.height = cabbageSize;
    sprite.x = randomFieldCoordinate();
    sprite.y = randomFieldCoordinate();
    sprite.texture = growFrames[0];
    sprite.depth = cabbageDepth;
    biteCooldown = startCooldown;
    growPhase = 0.0f;
}

void Cabbage::keep(const Cabbage& running)
{
    biteCooldown = running.biteCooldown;
    growPhase = running.growPhase;
}

void Cabbage::addOwnState(StateHash& h) const
{
    h.add(biteCooldown);
    h.add(growPhase);
}

bool Cabbage::out() const
{
    return sprite.visible && growPhase > 0.0f;
}

int Cabbage::update(float playerX, float playerY)
{
    const bool wasOut = out();
    const int damage = grow(playerX, playerY);
    if (!wasOut && out() && events != nullptr)
        events->cabbagePopped();
    return damage;
}

int Cabbage::grow(float playerX, float playerY)
{
    growPhase += frameStep;
    biteCooldown -= frameStep;
    const float s = growHeight * thrask::sine(growPhase);

    if (s > 0.0f) {
        sprite.visible = true;
        // One growth picture per 10 units of height; rising and sinking show
        // the same pictures.
        int frame = static_cast<int>(s * 0.1);
        const int lastFrame = static_cast<int>(growFrames.size()) - 1;
        if (frame > lastFrame)
            frame = lastFrame;
        sprite.texture = growFrames[static_cast<std::size_t>(frame)];
        if (distanceBetween(sprite.x, sprite.y, playerX, playerY) < biteReach
            && biteCooldown < 0.0f) {
            biteCooldown = biteCooldownAfterBite;
            return dealt(biteDamage, EntityEvents::Blow::CabbageBite);
        }
        return 0;
    }

    // Underground: a new spot every frame, so the cabbage comes up where the
    // last underground frame put it.
    sprite.visible = false;
    sprite.x = randomFieldCoordinate();
    sprite.y = randomFieldCoordinate();
    return 0;
}
