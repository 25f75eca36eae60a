#pragma once

#include <array>

#include "entities/EntityOf.h"

// Grows out of the ground, stands for a while, sinks back and comes up again
// somewhere else. While out it bites a player within 10 units for 10 hit
// points, at most once every half second.
class Cabbage : public EntityOf<Cabbage, EntityKind::Cabbage> {
public:
    void spawn() override;
    int update(float playerX, float playerY) override;

    float biteCooldown = 0.0f;
    float growPhase = 0.0f;
    std::array<Texture, 3> growFrames; // names owned by the play screen

    // True while the cabbage stands out of the ground: shown, and grown since
    // it was spawned. The update that brings it out reports it popped.
    bool out() const;

protected:
    void keep(const Cabbage& running) override;
    void addOwnState(StateHash& h) const override;

private:
    // The update itself: growth, the bite, the move underground.
    int grow(float playerX, float playerY);
};
