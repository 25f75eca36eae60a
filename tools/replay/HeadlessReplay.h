#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "app/ReplayFile.h"
#include "app/ReplayVerdict.h"

// Runs recordings without a window, on whatever OpenGL context is current
// (the off-screen one in tools and tests), exactly as the game runs them:
// the same start-up, frame loop and message dispatch, in a private folder
// with the recording's saved games.

struct ReplayOutcome : ReplayVerdict {
    // Empty when the replay ran; otherwise why it could not (other data,
    // no folder for it).
    std::string error;
    std::vector<std::uint64_t> frameHashes; // every frame's state hash, when asked for

    // Ran to the end with no departure and, for a finished recording, the
    // recorded final state.
    bool matches(const Replay& replay) const { return error.empty() && ReplayVerdict::matches(replay); }
};

// Runs `replay` against the data in dataDir. With keepHashes, the state
// hash after every frame goes into frameHashes; afterFrame, when given, is
// called after every frame with its number (the frame's picture is then
// still on the surface); afterInputs, when given, after every hand-over of
// the recording's messages (start-up's included), where it may change what
// only the drawing sees (the viewport).
ReplayOutcome runReplay(const Replay& replay, const std::string& dataDir, bool keepHashes = false,
                        const std::function<void(int frame)>& afterFrame = nullptr,
                        const std::function<void()>& afterInputs = nullptr);

// runReplay without comparing the recording's data files with dataDir's, for
// a caller that takes them as matching (the fuzz target, whose recordings
// name no real data, so the fuzzed input reaches the screens).
ReplayOutcome playReplay(const Replay& replay, const std::string& dataDir, bool keepHashes = false,
                         const std::function<void(int frame)>& afterFrame = nullptr,
                         const std::function<void()>& afterInputs = nullptr);
