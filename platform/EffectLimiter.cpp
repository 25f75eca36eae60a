#include "platform/EffectLimiter.h"

namespace {

// Note lengths at 120 beats a minute, in milliseconds.
constexpr std::uint32_t sixteenth = 125;
constexpr std::uint32_t eighth = 250;
constexpr std::uint32_t half = 1000;

// In the order of Effect. Short ticks (peppers, menu moves, throws) may
// repeat every sixteenth; hits and pickups every eighth; the long jingles
// (level cleared, death, the ending) at most once a half note.
constexpr std::uint32_t gaps[effectCount] = {
    sixteenth, // Pepper
    sixteenth, // Tint
    eighth,    // HurtZombie
    eighth,    // HurtBurning
    eighth,    // HurtNinja
    eighth,    // HurtKnife
    eighth,    // HurtFlame
    eighth,    // HurtCabbage
    eighth,    // Health
    sixteenth, // KnifeThrow
    eighth,    // FlameLit
    eighth,    // CabbagePop
    half,      // LevelClear
    half,      // Death
    sixteenth, // MenuHover
    sixteenth, // MenuClick
    eighth,    // Save
    half,      // Fanfare
};

} // namespace

std::uint32_t EffectLimiter::shortestGap(Effect effect)
{
    return gaps[static_cast<int>(effect)];
}

bool EffectLimiter::admit(Effect effect, std::uint32_t nowMs)
{
    const auto i = static_cast<std::size_t>(effect);
    // Unsigned subtraction gives the right gap across a wrap of the clock.
    if (started_[i] && nowMs - lastStart_[i] < shortestGap(effect))
        return false;
    started_[i] = true;
    lastStart_[i] = nowMs;
    return true;
}
