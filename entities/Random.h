#pragma once

#include <cstdint>

// The game's one pseudo-random generator, shared by every entity. It is its
// own (never the C library's), so a seed gives the same game everywhere:
// state = state * 214013 + 2531011 (mod 2^32), and each value is bits 16 to
// 30 of the new state, 0 to 32767. Kept in this namespace so the names can
// stay rand and srand without shadowing the C library's.
namespace thrask {

void srand(std::uint32_t seed);
int rand();

// The generator's state, for tests that check which values were drawn.
std::uint32_t randState();

} // namespace thrask

// A random field coordinate: (R mod 180) - 90, a whole number from -90 to 89.
float randomFieldCoordinate();
