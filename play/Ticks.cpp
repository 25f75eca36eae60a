#include "play/Ticks.h"

#include "platform/Ticks.h"

namespace {

PlayTickSource tickSource = tickCount;

} // namespace

void setPlayTickSource(PlayTickSource source)
{
    tickSource = source != nullptr ? source : tickCount;
}

std::uint32_t playTickCount()
{
    return tickSource();
}

PlayTickSource playTickSource()
{
    return tickSource;
}
