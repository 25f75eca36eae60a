#include "entities/Pirate.h"

#include <cmath>
#include <utility>

#include "entities/Random.h"
#include "entities/StateHash.h"
#include "entities/Wander.h"
#include "platform/FrameStep.h"

namespace {
constexpr float roamSpeed = 36.0f;
constexpr float throwInterval = 1.0f; // seconds from one throw to the timer's next run below 0
constexpr float knifeSpeed = 120.0f;  // units per second when the player is far
constexpr float handOffset = 10.0f;   // the knife leaves this far beside and above the centre
constexpr int aimJitter = 15;         // 0 to 14 units added to the player's x and y
}

void Pirate::spawn()
{
    throwTimer = 0.0f;
    targetX = randomFieldCoordinate();
    speed = roamSpeed;
    targetY = randomFieldCoordinate();
}

void Pirate::keep(const Pirate& running)
{
    throwTimer = running.throwTimer;
    targetX = running.targetX;
    targetY = running.targetY;
}

void Pirate::addOwnState(StateHash& h) const
{
    h.add(throwTimer);
    h.add(targetX);
    h.add(targetY);
}

int Pirate::update(float playerX, float playerY)
{
    faceTowards(sprite, targetX);
    wanderStep(sprite, targetX, targetY, speed);

    if (throwTimer < 0.0f) {
        throwKnife(playerX, playerY);
        throwTimer = throwInterval;
    } else {
        throwTimer -= frameStep;
    }
    return 0;
}

void Pirate::throwKnife(float playerX, float playerY)
{
    const float x = sprite.x;
    const float y = sprite.y;
    auto knife = std::make_unique<Knife>();
    knife->sprite.x = targetX > x ? x + handOffset : x - handOffset;
    knife->sprite.y = y + handOffset;

    const int jitterX = thrask::rand() % aimJitter;
    const int jitterY = thrask::rand() % aimJitter;
    // The knife flies parallel to the line from the pirate to the player; the
    // jittered aiming point only sets its speed.
    const float a = distanceBetween(x, y, playerX + jitterX, playerY + jitterY);
    // When the pirate stands on the aiming point there is no direction to
    // throw in: no knife this time (the jitter is drawn all the same).
    if (!(a > 0.0f))
        return;
    const float velocityX = (playerX - x) / a * knifeSpeed;
    const float velocityY = (playerY - y) / a * knifeSpeed;
    if (!std::isfinite(velocityX) || !std::isfinite(velocityY))
        return;
    knife->velocityX = velocityX;
    knife->velocityY = velocityY;

    knife->texture = knifeTexture;
    knife->events = events;
    knife->spawn();
    if (projectiles) {
        projectiles->push_back(std::move(knife));
        if (events != nullptr)
            events->knifeThrown();
    }
}
