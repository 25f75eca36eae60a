#pragma once

#include "render/Sprite.h"

// The code kind() returns; the play screen's state copy and the robot (which
// looks for zombies) read it.
enum class EntityKind : int {
    Base = 0,
    Zombie = 1,
    Ninja = 2,
    Pirate = 3,
    Robot = 4,
    Cabbage = 5,
    Knife = 128,
};

// Everything in a level besides the player, the peppers and the health
// pickups: the five enemy kinds and the knife. Play-field coordinates: the
// origin at the centre of the 200 x 200 field, x right, y up.
//
// Call order: construct; the creator sets the fields the kind needs (texture
// names, size, depth, position, links to the play screen's lists); spawn()
// once; then update and draw once per frame, in that order; then destroy.
class Entity {
public:
    Entity() = default;

    // Draws the sprite (nothing while it is invisible).
    virtual void draw() const;
    // Sets the kind's starting values.
    virtual void spawn();
    virtual EntityKind kind() const;
    // Advances the entity by frameStep seconds, given the centre of the
    // player's sprite. Returns the hit points it takes from the player in this
    // frame (0 when none).
    virtual int update(float playerX, float playerY);
    virtual ~Entity() = default;

    float speed = 0.0f; // units per second, or an approach rate; set by spawn
    Sprite sprite;
};

// True when (px, py) lies in the sprite's unrotated rectangle, edges included.
// Ignores visibility and rotation.
bool pointInSprite(const Sprite& sprite, float px, float py);

// True when the unrotated rectangles of a and b overlap or touch. Symmetric;
// ignores visibility and rotation.
bool spritesOverlap(const Sprite& a, const Sprite& b);
