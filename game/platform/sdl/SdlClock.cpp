// SDL's tick counter as the game clock, less the time the game stood paused.
#include "SdlClock.h"

#include <SDL.h>

namespace Vl {

uint32_t SdlClock::Milliseconds()
{
    if (mPaused)
        return mPausedAt - mPausedTotal;
    return SDL_GetTicks() - mPausedTotal;
}

void SdlClock::Idle(uint32_t milliseconds)
{
    SDL_Delay(milliseconds);
}

void SdlClock::Pause()
{
    if (mPaused)
        return;
    mPausedAt = SDL_GetTicks();
    mPaused = true;
}

void SdlClock::Resume()
{
    if (!mPaused)
        return;
    mPausedTotal += SDL_GetTicks() - mPausedAt;
    mPaused = false;
}

bool SdlClock::IsPaused() const
{
    return mPaused;
}

} // namespace Vl
