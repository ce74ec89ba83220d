// The program's host: SDL start-up, the main window, clock, keys and events.
#pragma once

#include "VlHost.h"

struct SDL_Window;

#include <memory>

namespace Vl {

class SdlClock;
class SdlKeyboard;
class SdlEventPump;

class SdlHost {
public:
    SdlHost();
    // Closes the window and SDL itself, so it must outlive everything that
    // uses SDL (display, audio).
    ~SdlHost();
    SdlHost(const SdlHost&) = delete;
    SdlHost& operator=(const SdlHost&) = delete;

    // Starts SDL video, events and game controllers and makes the main window
    // "VlApp", 640 x 480, resizable and still hidden (the display shows it).
    // False after a message on standard error.
    bool Start();

    // Puts clock, keys, events and window into the host record; its launcher
    // and audio device are left as they are. Only after a successful Start.
    void Fill(Host& host);

    SDL_Window* Window() const;

private:
    bool mStarted = false;
    SDL_Window* mWindow = nullptr;
    std::unique_ptr<SdlClock> mClock;
    std::unique_ptr<SdlKeyboard> mKeyboard;
    std::unique_ptr<SdlEventPump> mEvents;
};

} // namespace Vl
