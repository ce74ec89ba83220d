// The real millisecond clock of the program, which stands still while the game is paused.
#pragma once

#include "VlHost.h"

namespace Vl {

class SdlClock : public Clock {
public:
    // Milliseconds since SDL started, minus the time spent paused; wrapping
    // after 49 days like timeGetTime.
    uint32_t Milliseconds() override;
    // Sleeps, so a waiting loop does not spin a core.
    void Idle(uint32_t milliseconds) override;

    // While paused the clock does not move, so the game's frame time resumes
    // where it stopped and nothing jumps. Nested calls are not counted.
    void Pause();
    void Resume();
    bool IsPaused() const;

private:
    uint32_t mPausedAt = 0;
    uint32_t mPausedTotal = 0;
    bool mPaused = false;
};

} // namespace Vl
