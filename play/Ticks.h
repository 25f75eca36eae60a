#pragma once

#include <cstdint>

// The millisecond tick count the level loader seeds the game's random
// generator with. The play screen does not talk to the platform itself: the
// frame loop hands it the platform's tick function with setPlayTickSource,
// and tests hand it a fixed one to get the same level every time. Until a
// source is set, a steady clock of the standard library stands in.
using PlayTickSource = std::uint32_t (*)();

// Sets the function playTickCount() reads; null restores the stand-in clock.
void setPlayTickSource(PlayTickSource source);

// The current millisecond tick count, wrapping at 2^32.
std::uint32_t playTickCount();
