#pragma once

class PlayScreen;

// A careful but ordinary player, for trying out levels: it walks to the
// nearest pepper (or a heart when hurt), steps aside from knives flying at
// it, and keeps its distance from zombies, ninjas, emerged cabbages and
// robot flames. It sees only what the player sees on screen.
class PlayBot {
public:
    // Fills the 256-entry key state with the arrow keys to hold this frame.
    void chooseKeys(const PlayScreen& play, unsigned char* keys);
};
