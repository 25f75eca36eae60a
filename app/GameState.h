#pragma once

#include <cstdint>
#include <string>

// The state of the running game as replays compare it: which screen is
// current and, for every screen that holds a game, its level, health,
// score, peppers and every object of the level, plus the random generator,
// the frame clock and the held keys. Texture names and anything drawn are
// left out, so the same run gives the same state in a window, off screen
// and under the sanitizers.

// A 64-bit hash of the whole state (FNV-1a over its fields' bytes).
std::uint64_t gameStateHash();

// A readable summary, one "name value" per line: screen, level, hp, score,
// peppers left, a hash of the entities, the generator's state and the
// whole state's hash. Two runs that end alike give the same text.
std::string describeGameState();

// True while a game is being played, faded into or out of, or held by a
// menu (the in-game menu and the screens it opens): from New Game or Load
// Game until the game ends (death, the ending screen) or is left for
// another.
bool gameInProgress();
