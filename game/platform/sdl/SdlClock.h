// The real millisecond clock of the program.
#pragma once

#include "VlHost.h"

namespace Vl {

class SdlClock : public Clock {
public:
    // Milliseconds since SDL started, wrapping after 49 days like timeGetTime.
    uint32_t Milliseconds() override;
    // Sleeps, so a waiting loop does not spin a core.
    void Idle(uint32_t milliseconds) override;
};

} // namespace Vl
