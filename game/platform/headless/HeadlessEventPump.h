// The event pump of a run without a window: quits on request or on F12.
#pragma once

#include "VlHost.h"

namespace Vl {

class HeadlessEventPump : public EventPump {
public:
    // keys may be null; F12 is then never seen.
    explicit HeadlessEventPump(KeyState* keys);

    // True once RequestQuit was called, or while F12 is down, as the window's
    // pump quits on F12.
    bool Pump() override;
    void RequestQuit();

private:
    KeyState* mKeys;
    bool mQuitRequested = false;
};

} // namespace Vl
