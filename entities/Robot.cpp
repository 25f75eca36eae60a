#include "entities/Robot.h"

#include "entities/EntityList.h"
#include "entities/Random.h"
#include "entities/Sine.h"
#include "entities/SpriteState.h"
#include "entities/StateHash.h"
#include "entities/Wander.h"
#include "entities/Zombie.h"
#include "entities/ZombieIndex.h"
#include "platform/FrameStep.h"

namespace {
constexpr float roamSpeed = 36.0f;
constexpr float startCooldown = 3.0f;  // seconds before the flame first works
constexpr float burnCooldown = 0.5f;   // after burning the player
constexpr float igniteCooldown = 0.1f; // after setting a zombie burning
constexpr int burnDamage = 3;
constexpr float flameDepth = 3.0f;
constexpr float pulseRate = 5.0f;      // radians of flamePhase per second
constexpr float flameWidth = 50.0f;    // the pulse adds -5 .. +5 to both sizes
constexpr float flameHeight = 10.0f;
constexpr float pulseSize = 5.0f;
constexpr float flameReach = 13.0f;    // gap from the robot's centre to the flame's near end
constexpr float flameDrop = 3.5f;      // the flame is held this far below the centre
}

void Robot::draw() const
{
    sprite.draw();
    flame.draw();
}

void Robot::spawn()
{
    targetX = randomFieldCoordinate();
    targetY = randomFieldCoordinate();
    sprite.x = randomFieldCoordinate();
    sprite.y = randomFieldCoordinate();
    speed = roamSpeed;
    flamePhase = 0.0f;
    flameCooldown = startCooldown;
    flame.depth = flameDepth;
}

void Robot::keep(const Robot& running)
{
    flamePhase = running.flamePhase;
    flameCooldown = running.flameCooldown;
    targetX = running.targetX;
    targetY = running.targetY;
}

void Robot::addOwnState(StateHash& h) const
{
    h.add(targetX);
    h.add(targetY);
    h.add(flameCooldown);
    h.add(flamePhase);
    addSprite(h, flame);
}

int Robot::update(float playerX, float playerY)
{
    // The flame is placed from where the robot stands and faces before this
    // frame's move, so it trails the body by one frame.
    flamePhase += pulseRate * frameStep;
    const float s = thrask::sine(flamePhase);
    flame.width = pulseSize * s + flameWidth;
    flame.height = pulseSize * s + flameHeight;
    if (facesRight(sprite)) {
        flame.texture.u1 = -1.0f;
        flame.x = sprite.x + flameReach + flame.width / 2;
    } else {
        flame.texture.u1 = 1.0f;
        flame.x = sprite.x - flameReach - flame.width / 2;
    }
    flame.y = sprite.y - flameDrop;

    flameCooldown -= frameStep;

    if (pointInSprite(flame, playerX, playerY) && flameCooldown <= 0.0f) {
        flameCooldown = burnCooldown;
        return dealt(burnDamage, EntityEvents::Blow::Flame);
    }

    // The first zombie of the list inside the flame catches fire, while the
    // flame works; the cooldown then stands above 0, so no second zombie
    // catches fire in this frame.
    if (zombieIndex != nullptr) {
        if (flameCooldown <= 0.0f) {
            if (Zombie* zombie = zombieIndex->firstInside(flame)) {
                zombie->ignite();
                flameCooldown = igniteCooldown;
            }
        }
    } else if (entities) {
        for (Entity* entity : *entities) {
            if (entity->kind() != EntityKind::Zombie)
                continue;
            if (pointInSprite(flame, entity->sprite.x, entity->sprite.y) && flameCooldown <= 0.0f) {
                // The cooldown now stands above 0, so no second zombie
                // catches fire in this frame.
                if (auto* zombie = dynamic_cast<Zombie*>(entity)) {
                    zombie->ignite();
                    flameCooldown = igniteCooldown;
                }
            }
        }
    }

    faceTowards(sprite, targetX);
    wanderStep(sprite, targetX, targetY, speed);
    return 0;
}
