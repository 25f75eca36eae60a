#pragma once

#include <cstdint>
#include <deque>
#include <random>

class PlayScreen;

// How a play-test bot plays. The default is the careful bot: it sees the
// field as it is this frame, steers exactly, knows when cabbages will
// surface, keeps well away from zombies and picks the pepper that is nearest
// once the danger around it is counted. A novice plays as a person new to the
// game does: it acts on what it saw a reaction time ago, holds a key for a
// moment once pressed, now and then steers a little off its aim, heads for
// the nearest pepper whatever guards it, minds a zombie only once it is near,
// and only dodges a cabbage it can see.
struct BotProfile {
    int reactionFrames = 0;   // frames between seeing and pressing
    int holdFrames = 1;       // frames a chosen direction is kept at least
    float slip = 0.0f;        // chance that a new direction is 45 degrees off
    bool cabbageForesight = true;
    float zombieWariness = 42.0f; // distance from which a walking zombie is avoided
    bool weighsGoals = true;  // a pepper's cost counts the danger around it
    // Frames the bot stands still at the start of a level, looking at the
    // field before its first move; it sees and decides meanwhile, so its
    // first move acts on what it saw a reaction time before.
    int firstMoveFrames = 0;
    std::uint32_t seed = 1;   // the bot's own random draws (never the game's)

    // The novice: about 250 ms reaction at 60 frames a second, keys held
    // for 100 ms, one direction in six a little off.
    static BotProfile novice(std::uint32_t seed);
};

// A careful but ordinary player, for trying out levels: it walks to the
// nearest pepper (or a heart when hurt), steps aside from knives flying at
// it, and keeps its distance from zombies, ninjas, emerged cabbages and
// robot flames. It sees only what the player sees on screen.
class PlayBot {
public:
    PlayBot() = default;
    explicit PlayBot(const BotProfile& profile);

    // Fills the 256-entry key state with the arrow keys to hold this frame.
    void chooseKeys(const PlayScreen& play, unsigned char* keys);

private:
    struct Direction {
        int dx = 0;
        int dy = 0;
    };
    // The direction the bot would take now, from what it sees now.
    Direction aim(const PlayScreen& play) const;
    // The novice's steering: keeps a direction for a while, sometimes slips.
    Direction steer(Direction wanted);

    BotProfile profile_;
    std::deque<Direction> pending_; // chosen, not yet acted on (the reaction time)
    Direction held_;
    int heldFor_ = 0;
    int framesPlayed_ = 0;
    std::mt19937 random_{1};
};
