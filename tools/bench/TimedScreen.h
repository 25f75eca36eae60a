#pragma once

#include "screens/Screen.h"

// Stands in for a screen as the current screen and hands every call of the
// frame loop on to it, measuring the CPU time of its update and its render.
// The measured screen stays the caller's; should it hand the game over (a
// fade, the death sequence), currentScreen stops being this stand-in and the
// caller sees it.
class TimedScreen : public Screen {
public:
    explicit TimedScreen(Screen& screen) : screen_(screen) {}

    void mouseMove(float x, float y) override { screen_.mouseMove(x, y); }
    void keysHeld(const unsigned char* keys) override { screen_.keysHeld(keys); }
    void update() override;
    void render() override;

    // The CPU time, in milliseconds, of the last update and render.
    double updateMs = 0.0;
    double renderMs = 0.0;

private:
    Screen& screen_;
};
