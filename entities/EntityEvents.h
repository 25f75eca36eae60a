#pragma once

// The listener of what entities do in their updates that the rest of the game
// wants to hear of (the play screen's sounds). An entity reports to the
// listener its creator gave it (Entity::events) during its update, as things
// happen; it never reports while being copied, spawned or hashed.
class EntityEvents {
public:
    // The blows an entity deals the player.
    enum class Blow {
        ZombieBite,
        BurningZombieBite,
        NinjaStrike,
        Flame,
        CabbageBite,
        Knife,
    };

    // The entity is taking hit points from the player with this blow; at most
    // once per update, in the update that returns them.
    virtual void hit(Blow blow) = 0;
    // A pirate has thrown a knife: it is now in the play screen's list.
    virtual void knifeThrown() = 0;
    // A zombie that was not burning has caught fire.
    virtual void zombieLit() = 0;
    // A cabbage has come out of the ground: shown and grown since it was
    // spawned at the end of its update, where it was not at the start.
    virtual void cabbagePopped() = 0;

protected:
    ~EntityEvents() = default;
};
