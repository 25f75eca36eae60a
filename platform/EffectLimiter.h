#pragma once

#include <array>
#include <cstdint>

#include "platform/Audio.h"

// Keeps the repeats of one effect to a musical rate: after an effect starts,
// the same effect may start again only once its shortest gap has passed
// (a sixteenth, an eighth or a half note at 120 beats a minute), so a
// continuous hazard (a flame held on the player, a burst of knives) ticks in
// time instead of piling up. Different effects never hold each other back.
class EffectLimiter {
public:
    // True when `effect` may start at nowMs (a millisecond clock that may
    // wrap around); it then counts as started at nowMs. False when it
    // started less than its shortest gap before.
    bool admit(Effect effect, std::uint32_t nowMs);

    // The shortest time between two starts of the effect, in milliseconds.
    static std::uint32_t shortestGap(Effect effect);

private:
    std::array<bool, effectCount> started_{};
    std::array<std::uint32_t, effectCount> lastStart_{};
};
