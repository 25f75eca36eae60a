#pragma once

#include <vector>

#include "entities/EntityOf.h"

class EntityList;

class ZombieIndex;

// Roams the field from one random point to the next holding a pulsing flame
// in front of it. The flame burns a player inside it for 3 hit points at most
// every half second, and sets zombies inside it burning.
class Robot : public EntityOf<Robot, EntityKind::Robot> {
public:
    void draw() const override;
    void spawn() override;
    int update(float playerX, float playerY) override;

    float targetX = 0.0f;
    float targetY = 0.0f;
    float flameCooldown = 0.0f;
    float flamePhase = 0.0f;
    // The play screen's list of all entities, searched for zombies each
    // frame. Not owned.
    const EntityList* entities = nullptr;
    // The play screen's grid of that list's zombies: when set, the robot asks
    // it instead of searching the list (the same zombie either way). Not owned.
    ZombieIndex* zombieIndex = nullptr;
    Sprite flame;

protected:
    void keep(const Robot& running) override;
    void addOwnState(StateHash& h) const override;
};
