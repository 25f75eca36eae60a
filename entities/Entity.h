#pragma once

#include <memory>

#include "entities/EntityEvents.h"
#include "render/Sprite.h"

class StateHash;

// The code kind() returns; the play screen's copy of the game (which pairs
// entities of the same kind) and the robot (which looks for zombies) read it.
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
// names, size, depth, position, links to the play screen's lists and to its
// listener); spawn() once; then update and draw once per frame, in that
// order; then destroy.
//
// Each kind keeps its whole state in its own class: it copies itself, hands
// the in-game menu's copy of the game what that copy keeps, and adds its
// fields to the replays' state hash.
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

    // A copy of the whole state, of the same kind. Links (the play screen's
    // lists, the listener) are copied as they are: an owner that moves the
    // copy elsewhere links it anew.
    virtual std::unique_ptr<Entity> clone() const;

    // Takes over from `running`, the entity at the same place in the game
    // being suspended, what the in-game menu's copy of the game keeps of it:
    // its centre and the kind's own list of fields. Everything else stays as
    // this entity's own load of the level made it. An entity of another kind
    // gives nothing.
    virtual void takeOver(const Entity& running);

    // Adds what replays compare of this entity: the kind, the speed and the
    // sprite, then the kind's own fields. Texture names and anything only
    // drawn are left out.
    void addState(StateHash& h) const;

    float speed = 0.0f; // units per second, or an approach rate; set by spawn
    Sprite sprite;
    // Hears of this entity's hits, throws and the like; not owned, and
    // nothing is reported while it is null.
    EntityEvents* events = nullptr;

protected:
    // The kind's own fields, in addState after the common ones. The base
    // kind has none.
    virtual void addOwnState(StateHash& h) const;
    // Takes over the centre of running's sprite.
    void takeCentre(const Entity& running);
    // Reports the blow to the listener and returns the damage, for an update
    // that ends on a hit: `return dealt(biteDamage, Blow::ZombieBite);`.
    int dealt(int damage, EntityEvents::Blow blow) const;
};

// True when (px, py) lies in the sprite's unrotated rectangle, edges included.
// Ignores visibility and rotation.
bool pointInSprite(const Sprite& sprite, float px, float py);

// True when the unrotated rectangles of a and b overlap or touch. Symmetric;
// ignores visibility and rotation.
bool spritesOverlap(const Sprite& a, const Sprite& b);
