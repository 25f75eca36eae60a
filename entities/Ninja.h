#pragma once

#include <vector>

#include "entities/EntityOf.h"

// Stalks the player in right-angled legs, easing into each end point, lunges
// at a player within about 18.7 units (10 hit points to a player still within
// 20 at the lunge's end) and then recovers. Crowded ninjas slow down, the
// earlier-created one giving way.
class Ninja : public EntityOf<Ninja, EntityKind::Ninja> {
public:
    void spawn() override;
    int update(float playerX, float playerY) override;

    int index = 0;
    bool horizontalNext = false;
    float targetY = 0.0f;
    float targetX = 0.0f;
    // The lunge pictures, first to last: a list the play screen keeps for all
    // its ninjas. Not owned; no pictures while it is null.
    const std::vector<Texture>* lungeFrames = nullptr;
    // The play screen's list of this level's ninjas. Not owned.
    const std::vector<Ninja*>* ninjas = nullptr;
    float lungeTimer = 0.0f;

    // Flipped by every spawn across the whole run of the program (levels and
    // play screens alike); starts false, so the first ninja ever spawned
    // starts with a horizontal leg. A global of the game kept with the one
    // class that uses it (entities/ may not include app/Globals.h).
    static bool nextNinjaHorizontal;

protected:
    void keep(const Ninja& running) override;
    void addOwnState(StateHash& h) const override;

private:
    // True when a ninja created later than this one overlaps it.
    bool crowded() const;
    // Shows the lunge picture for the current lungeTimer. With no lunge
    // pictures the body keeps its picture.
    void showLungePicture();
};
