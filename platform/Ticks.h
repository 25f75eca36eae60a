#pragma once

#include <cstdint>

// Milliseconds since the window system started, as an unsigned 32-bit count
// that wraps after about 49.7 days.
std::uint32_t tickCount();

// Sleeps for about ms milliseconds (the system's scheduler decides).
void sleepMilliseconds(std::uint32_t ms);
