#pragma once

#include <cstdint>

// The clock and the waits the frame pacer uses, in microseconds. They only
// decide when a frame starts; the game's frame clock stays tickCount()
// (platform/Ticks.h).

// A monotonic clock: microseconds since some fixed moment, never going back.
std::int64_t monotonicMicroseconds();

// Sleeps at least about `microseconds` (the system may wake the thread a
// little later). Does nothing for 0 or less.
void sleepMicroseconds(std::int64_t microseconds);

// Gives the processor to any other thread that is ready to run, and returns
// at once when there is none.
void yieldProcessor();
