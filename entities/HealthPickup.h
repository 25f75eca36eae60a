#pragma once

#include "render/Sprite.h"

class StateHash;

// A health bonus that comes out at a random spot after a random wait, stays
// for a random time, and heals the player by 5 to 9 when touched; then it is
// gone for the rest of the level. Held by value in the play screen's list.
class HealthPickup {
public:
    HealthPickup() = default;
    virtual ~HealthPickup() = default;

    // Arms the pickup: a new wait, lifetime and spot.
    void reset();

    // Advances the pickup by frameStep seconds, given the player's sprite.
    // Returns the hit points the player gains in this frame (0, or 5 to 9).
    int update(const Sprite& player);

    // Adds what replays compare of the pickup: its state, then its sprite.
    void addState(StateHash& h) const;

    Sprite sprite;
    bool available = true;
    float lifetime = 0.0f; // seconds it stays out, 0 to 14
    float clock = 0.0f;    // seconds since it came out; negative while waiting
};
