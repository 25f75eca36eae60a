#pragma once

#include <functional>

#include "tools/bench/TimingSeries.h"

class Screen;

// Runs a screen through the game's own frame loop (runFrame) with a steady
// 16 ms tick source, the renderer's finish standing in for the buffer swap,
// and keeps the times of every frame after the warm-up ones: the CPU time of
// update, of render (the screen's drawing calls and the renderer playing
// them: everything of the frame on the game's thread but the update) and of
// both together, and the wall time of the whole frame (Mesa drawing it
// included).
class FrameSampler {
public:
    FrameSampler(int warmUpFrames, int frames) : warmUp_(warmUpFrames), frames_(frames) {}

    // Makes screen the current screen behind a TimedScreen and runs the
    // frames, calling beforeFrame first in each. Returns false, with the
    // frames run so far kept, when the screen handed the game over (then the
    // screen now current holds it). Leaves currentScreen null otherwise; the
    // screen stays the caller's.
    bool run(Screen& screen, const std::function<void()>& beforeFrame);

    TimingSeries update;
    TimingSeries render;
    TimingSeries updateAndRender;
    TimingSeries frame;

private:
    int warmUp_;
    int frames_;
};
