#pragma once

#include <cstdint>
#include <string>

#include "app/ReplayFile.h"

class PlayScreen;

// Where a recording of one game starts (ReplayGameStart): what is taken
// when the game's play screen has become the current screen, and how a
// playback makes the same state again.

// The state now, with `play`, the current screen, as the game.
ReplayGameStart captureGameStart(const PlayScreen& play);

// Makes the state what `start` describes, with the random generator at
// `seed` and the settings host installed now (the recording's settings): a
// new play screen, loaded as `start` says, becomes the current screen (what
// was current before is the caller's to free first), and the window size,
// pointer, keys and frame clock are set. False, with the
// reason in `error`, when the state made does not hash as the recorded one
// did; the play screen is current all the same, for the caller to free.
bool rebuildGameStart(const ReplayGameStart& start, std::uint32_t seed, std::string& error);
