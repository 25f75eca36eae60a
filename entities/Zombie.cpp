#include "entities/Zombie.h"

#include <cstddef>

#include "entities/Random.h"
#include "entities/SpriteState.h"
#include "entities/StateHash.h"
#include "entities/Wander.h"
#include "platform/FrameStep.h"

namespace {
constexpr float walkSpeed = 24.0f;
constexpr float burningSpeed = 36.0f;
constexpr float chaseDistance = 65.0f; // the player is chased when nearer than this
constexpr float lungeReach = 25.0f;    // a lunge starts, and hits, when nearer than this
constexpr float lungeLength = 10.0f;   // lungeTimer at the start of a lunge
constexpr float lungeRate = 24.0f;     // lungeTimer units per second
constexpr int biteDamage = 5;
constexpr int burningBiteDamage = 15;
constexpr float fireWidth = 20.0f;
constexpr float fireHeight = 45.0f;
constexpr float fireOffset = 5.0f;     // the fire sits this far behind the body's centre
constexpr float fireScrollRate = 2.0f; // picture widths per second
}

void Zombie::draw() const
{
    sprite.draw();
    if (burning)
        fire.draw();
}

void Zombie::spawn()
{
    // The creator sets the zombie's own depth only after spawn, so this puts
    // the fire at the depth the zombie ends up with.
    fire.depth = sprite.depth + 1.0f;
    burning = false;
    fire.width = fireWidth;
    fire.height = fireHeight;
    targetX = randomFieldCoordinate();
    targetY = randomFieldCoordinate();
    lungeTimer = 0.0f;
    speed = walkSpeed;
    sprite.texture = idleTexture;
}

void Zombie::keep(const Zombie& running)
{
    targetX = running.targetX;
    targetY = running.targetY;
}

void Zombie::addOwnState(StateHash& h) const
{
    h.add(burning);
    h.add(targetX);
    h.add(targetY);
    h.add(lungeTimer);
    addSprite(h, fire);
}

void Zombie::ignite()
{
    if (!burning && events != nullptr)
        events->zombieLit();
    burning = true;
    speed = burningSpeed;
}

int Zombie::update(float playerX, float playerY)
{
    if (lungeTimer <= 0.0f) {
        const float d = distanceBetween(sprite.x, sprite.y, playerX, playerY);
        if (d < lungeReach) {
            // The lunge starts; the zombie stands still and keeps its picture
            // in this frame.
            lungeTimer = lungeLength;
        } else if (d < chaseDistance) {
            const float step = speed * frameStep;
            sprite.x += (playerX - sprite.x) / d * step;
            sprite.y += (playerY - sprite.y) / d * step;
            faceTowards(sprite, playerX);
        } else {
            faceTowards(sprite, targetX);
            wanderStep(sprite, targetX, targetY, speed);
        }
    } else {
        lungeTimer -= lungeRate * frameStep;
        if (lungeTimer <= 0.0f) {
            sprite.texture = idleTexture;
            if (distanceBetween(sprite.x, sprite.y, playerX, playerY) < lungeReach)
                return burning ? dealt(burningBiteDamage, EntityEvents::Blow::BurningZombieBite)
                               : dealt(biteDamage, EntityEvents::Blow::ZombieBite);
        } else {
            showLungePicture();
        }
    }

    if (burning) {
        fire.x = facesRight(sprite) ? sprite.x - fireOffset : sprite.x + fireOffset;
        fire.y = sprite.y;
        fire.texture.u0 += fireScrollRate * frameStep;
        fire.texture.u1 += fireScrollRate * frameStep;
    }
    return 0;
}

void Zombie::showLungePicture()
{
    // The pictures run from the first to the last as lungeTimer falls from
    // 10 to 0, each for an equal share of the lunge.
    const int n = lungeFrames ? static_cast<int>(lungeFrames->size()) : 0;
    if (n == 0)
        return;
    // A timer above the lunge's start (never set by the game) shows the first
    // picture; limiting it first keeps the conversion to int in range.
    const float timer = lungeTimer < lungeLength ? lungeTimer : lungeLength;
    const int k = static_cast<int>(timer * 0.1 * n);
    int index = n - 1 - k;
    if (index < 0)
        index = 0;
    if (index > n - 1)
        index = n - 1;
    sprite.texture = (*lungeFrames)[static_cast<std::size_t>(index)];
}
