#pragma once

#include <cstdint>
#include <string>

#include "render/RendererChoice.h"

// The soak: the real screens on the off-screen context, driven for many
// rounds, with what the game holds counted between rounds.
struct SoakOptions {
    std::string dataDir;          // the game's data folder
    int rounds = 100;             // screen round trips (tools/soak/RoundTrip.h)
    std::string replayPath;       // with loops: a recording played again and again
    int loops = 0;
    int warmUp = 10;              // rounds (or loops) before the counts are compared
    double residentGrowthMb = 0;  // allowed resident growth after warm-up; 0: not checked
    int reportEvery = 100;        // a line every this many rounds
    std::uint32_t frameMilliseconds = 33;
    int width = 640;
    int height = 480;
    bool trimHeap = false;        // hand freed heap back to the system before each count
    // Leaves each frame's drawing to the driver's queue instead of finishing
    // it as a buffer swap does: shows how much the software renderer keeps.
    bool unfinishedFrames = false;
    // When set, the round trips are recorded into this file (the game's
    // -replay shows them again in the real window); every round then loads
    // the same level, since a recording holds the saved games of its start only.
    std::string recordPath;
    // What draws the screens: texture names, lists and buffers are counted
    // on its context (or in its own table, for null).
    RendererKind renderer = RendererKind::gl1;
};

// Runs the round trips. Prints one line every reportEvery rounds and a last
// line with the totals. Returns 0, or 1 when a round got stuck or a save
// failed, a count of texture names, display lists or buffers at the main
// menu differs from the count after warm-up, anything but the renderer's own
// buffers is left on the context when the screens are gone, or the resident
// size grew by more than allowed.
int soakRoundTrips(const SoakOptions& options);

// Plays the recording options.loops times, each run checked against the
// recording, with the same counts and bounds between runs.
int soakReplayLoops(const SoakOptions& options);
