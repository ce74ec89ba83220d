// A millisecond clock advanced by its owner.
#include "VirtualClock.h"

namespace Vl {

VirtualClock::VirtualClock(uint32_t startMs) : mNow(startMs)
{
}

uint32_t VirtualClock::Milliseconds()
{
    return mNow;
}

void VirtualClock::Idle(uint32_t milliseconds)
{
    Advance(milliseconds == 0 ? 1 : milliseconds);
}

void VirtualClock::Advance(uint32_t ms)
{
    mNow += ms; // wraps at 2^32 like the real clock
}

void VirtualClock::Set(uint32_t ms)
{
    mNow = ms;
}

} // namespace Vl
