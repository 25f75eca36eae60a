#include "platform/Ticks.h"

#include <SDL_timer.h>

std::uint32_t tickCount()
{
    return SDL_GetTicks();
}

void sleepMilliseconds(std::uint32_t ms)
{
    SDL_Delay(ms);
}
