#include "play/Ticks.h"

#include <chrono>

namespace {

std::uint32_t steadyClockTicks()
{
    const auto now = std::chrono::steady_clock::now().time_since_epoch();
    const auto ms = std::chrono::duration_cast<std::chrono::milliseconds>(now).count();
    return static_cast<std::uint32_t>(ms);
}

PlayTickSource tickSource = steadyClockTicks;

} // namespace

void setPlayTickSource(PlayTickSource source)
{
    tickSource = source != nullptr ? source : steadyClockTicks;
}

std::uint32_t playTickCount()
{
    return tickSource();
}
