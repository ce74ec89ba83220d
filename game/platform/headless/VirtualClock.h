// A millisecond clock that moves only when told to, for deterministic runs.
#pragma once

#include "VlHost.h"

#include <cstdint>

namespace Vl {

class VirtualClock : public Clock {
public:
    explicit VirtualClock(uint32_t startMs);

    uint32_t Milliseconds() override;
    // Moves on by the given time, at least 1 ms, so a loop waiting on the
    // clock always ends.
    void Idle(uint32_t milliseconds) override;

    void Advance(uint32_t ms);
    void Set(uint32_t ms);

private:
    uint32_t mNow;
};

} // namespace Vl
