#pragma once

#include <string>

#include "tools/bench/TimingSeries.h"

class PlayScreen;

// What recording a game costs the frame it is played in: the game's own
// recorder of games (GameRecorder) records a level as the game's program
// does, and frames with it and without it are run side by side on the same
// play screen, in alternating blocks, so that a busy machine slows both
// alike. Each frame is the frame loop's runFrame (the renderer's finish standing
// in for the swap) and one key's press and release between frames, recorded or
// only dispatched; the times are the game thread's CPU time. The start of
// a recording (the game's state and saved games taken, the header written)
// is timed on its own, by the wall clock.
//
// Needs a renderer installed (an off-screen one) and the data folder as the working
// directory; the recordings go to `folder` and are removed with it.
class RecordingBench {
public:
    struct Times {
        TimingSeries plain;    // a frame without a recording
        TimingSeries recorded; // the same frame recorded
        TimingSeries start;    // the start of a recording
    };

    RecordingBench(int frames, std::string folder) : frames_(frames), folder_(std::move(folder)) {}

    // Runs `play` (the current screen for the time of the run, which the
    // caller owns and frees) for `frames` frames each way.
    Times run(PlayScreen& play) const;

private:
    int frames_;
    std::string folder_;
};
