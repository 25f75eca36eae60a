#pragma once

#include <list>
#include <memory>

#include "entities/EntityOf.h"
#include "entities/Knife.h"

// Roams the field and throws a knife at the player about once a second. The
// pirate itself never hurts the player.
class Pirate : public EntityOf<Pirate, EntityKind::Pirate> {
public:
    void spawn() override;
    int update(float playerX, float playerY) override;

    Texture knifeTexture; // handed to every knife; owned by the play screen
    // The play screen's list of knives in flight; thrown knives are appended
    // here. Not owned by the pirate.
    std::list<std::unique_ptr<Knife>>* projectiles = nullptr;
    float throwTimer = 0.0f;
    float targetY = 0.0f;
    float targetX = 0.0f;

protected:
    void keep(const Pirate& running) override;
    void addOwnState(StateHash& h) const override;

private:
    // Appends a knife aimed at the player to projectiles and reports the
    // throw; the knife reports its own hit to the pirate's listener. Draws
    // the two aim jitters from the game's generator.
    void throwKnife(float playerX, float playerY);
};
