#pragma once

#include <string>

class Playback;
struct Replay;

// How a recording played to its end went, as the replay tool
// (thrask-replay --expect) and the window's viewer both print it.
struct ReplayVerdict {
    int frames = 0;            // frames played
    std::string finalState;    // describeGameState() at the end
    std::string departure;     // the first departure from the recording, or empty
    int hashesChecked = 0;     // recorded state hashes compared

    // Played to the end with no departure and, for a finished recording,
    // the recorded final state.
    bool matches(const Replay& replay) const;
};

// The verdict on a playback that has stopped (no frame left, or the game
// ended first), with the game's state as it is now. A game that ended
// before the recorded run did departs at the frame it ended on.
ReplayVerdict verdictOf(const Playback& playback);

// The lines that say how `replay` ended, each ending in a newline:
// "frames N", the final state's lines, "departs at ..." after a departure,
// then with `expect` whether it ended as recorded ("ends as recorded (H
// state hashes compared)", or a line starting "FAIL: " with what the
// recording holds). The same run gives the same lines on every machine.
std::string replayVerdictLines(const ReplayVerdict& verdict, const Replay& replay, bool expect);
