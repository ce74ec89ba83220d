// SDL's tick counter as the game clock.
#include "SdlClock.h"

#include <SDL.h>

namespace Vl {

uint32_t SdlClock::Milliseconds()
{
    return SDL_GetTicks();
}

void SdlClock::Idle(uint32_t milliseconds)
{
    SDL_Delay(milliseconds);
}

} // namespace Vl
