#pragma once

#include <cstdint>

// The millisecond tick count the level loader seeds the game's random
// generator with: the platform's tick count, unless a test or a tool hands
// the play screen another source to get the same level every time.
using PlayTickSource = std::uint32_t (*)();

// Sets the function playTickCount() reads; null restores the platform's.
void setPlayTickSource(PlayTickSource source);

// The function playTickCount() reads now (the platform's by default), so
// that who takes it over for a while can give it back.
PlayTickSource playTickSource();

// The current millisecond tick count, wrapping at 2^32.
std::uint32_t playTickCount();
