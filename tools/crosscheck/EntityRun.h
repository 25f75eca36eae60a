#pragma once

#include <cstdint>
#include <list>
#include <memory>
#include <vector>

#include "entities/EntityList.h"
#include "entities/HealthPickup.h"
#include "entities/Knife.h"
#include "entities/ZombieIndex.h"

class Ninja;

// A level's objects run headless, without a play screen: every kind of
// enemy, knives and health pickups, created as a level creates them and
// updated in the rules' order, with a player walking a fixed path and frame
// steps from a fixed tick sequence. Nothing is drawn and no picture is
// loaded (texture names are plain numbers), so it runs wherever the rules
// compile; the state it reaches after a frame depends only on the rules'
// arithmetic, which is what two builds of the game are compared by.
class EntityRun {
public:
    // Creates `perKind` objects of every kind from the game's generator
    // seeded with seed.
    EntityRun(std::uint32_t seed, int perKind);
    EntityRun(const EntityRun&) = delete;
    EntityRun& operator=(const EntityRun&) = delete;

    // Advances one frame: the player's step, every entity, every knife, every
    // pickup, as the play rules order them.
    void frame();

    // The hash replays would compare of the objects, the player, the hit
    // points taken and given, and the generator's state.
    std::uint64_t stateHash() const;

    int frames() const { return frames_; }
    int damageTaken() const { return damageTaken_; }
    int healed() const { return healed_; }

private:
    // The zombies' and the ninjas' lunge pictures, which each points to.
    std::vector<Texture> zombieFrames_;
    std::vector<Texture> ninjaFrames_;
    EntityList entities_;
    std::list<std::unique_ptr<Knife>> projectiles_;
    std::vector<HealthPickup> pickups_;
    std::vector<Ninja*> ninjas_;
    ZombieIndex zombieIndex_;
    Sprite player_;
    int frames_ = 0;
    int damageTaken_ = 0;
    int healed_ = 0;
};
