#pragma once

#include <cstdint>
#include <deque>

#include "app/KeyLatch.h"

class Screen;

// The player's own game put aside while a recorded game plays in the same
// process (watched from the best-score list): the current screen and every
// global the game computes with, taken away and later given back exactly
// as they were, so that the player's game goes on as if nothing had run in
// between.
class HeldGame {
public:
    HeldGame() = default;
    // Gives the game back if it is still held, so nothing is ever lost.
    ~HeldGame();
    HeldGame(const HeldGame&) = delete;
    HeldGame& operator=(const HeldGame&) = delete;

    // Frees the screens retired last frame, then takes the current screen
    // (leaving none) and copies the globals.
    void hold();
    // Frees whatever screens were left current or retired meanwhile, and
    // puts the player's screen and globals back, at full light.
    void giveBack();
    bool holding() const { return holding_; }

    // The keys the player held when the game was put aside.
    const unsigned char* keysHeld() const { return keyState_; }

private:
    // Calls each(global, kept) for every global the game computes with and
    // the member that keeps it while the game is held (the screen and the
    // random generator are taken and given back on their own).
    template <class Each>
    void eachKept(Each each);

    bool holding_ = false;
    Screen* screen_ = nullptr;
    int windowWidth_ = 0;
    int windowHeight_ = 0;
    bool keepAspect_ = false;
    bool running_ = true;
    unsigned char keyState_[256] = {};
    KeyLatch keyLatch_;
    int mouseX_ = 0;
    int mouseY_ = 0;
    float pointerX_ = 0.0f;
    float pointerY_ = 0.0f;
    float frameStep_ = 0.0f;
    std::uint32_t lastTick_ = 0;
    std::deque<float> frameDurations_;
    bool ninjaLeg_ = false;
    std::uint32_t random_ = 0;
};
