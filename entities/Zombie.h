#pragma once

#include <vector>

#include "entities/EntityOf.h"

// Shambles about the field, chases a player within 65 units, and lunges at a
// player within 25: a five-picture lunge that takes 5 hit points (15 when
// burning) from a player still within reach at its end. A robot's flame sets
// it burning: faster, with a scrolling fire picture.
class Zombie : public EntityOf<Zombie, EntityKind::Zombie> {
public:
    void draw() const override;
    void spawn() override;
    int update(float playerX, float playerY) override;

    // Set burning by a robot's flame: burning = true, speed = 36. A zombie
    // not yet burning reports that it has caught fire.
    void ignite();

    bool burning = false;
    Sprite fire;
    float targetY = 0.0f;
    float targetX = 0.0f;
    Texture idleTexture;               // only its name is used; owned by the play screen
    // The lunge pictures, first to last: a list the play screen keeps for all
    // its zombies. Not owned; no pictures while it is null.
    const std::vector<Texture>* lungeFrames = nullptr;
    float lungeTimer = 0.0f;

protected:
    void keep(const Zombie& running) override;
    void addOwnState(StateHash& h) const override;

private:
    // Shows the lunge picture for the current lungeTimer. With no lunge
    // pictures the body keeps its picture.
    void showLungePicture();
};
