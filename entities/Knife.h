#pragma once

#include "entities/EntityOf.h"

// Thrown by a pirate: flies in a straight line, spinning, until it comes
// within 11 units of the player (3 hit points) or leaves the field, and then
// turns invisible until the play screen removes it.
class Knife : public EntityOf<Knife, EntityKind::Knife> {
public:
    void spawn() override;
    int update(float playerX, float playerY) override;

    Texture texture; // its name is the knife picture, owned by the play screen
    float velocityY = 0.0f;
    float velocityX = 0.0f;

protected:
    void keep(const Knife& running) override;
    void addOwnState(StateHash& h) const override;
};
