#include "platform/Ticks.h"

#include <SDL_timer.h>

std::uint32_t tickCount()
{
    return SDL_GetTicks();
}
