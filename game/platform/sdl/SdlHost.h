// The program's host: SDL start-up, the main window, clock, keys and events.
#pragma once

#include "VlHost.h"

struct SDL_Window;

#include <memory>
#include <string>

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
    // "skyrun", 640 x 480, resizable and still hidden (the display shows it).
    // With no display to show it on (no X or Wayland server, or SDL falling
    // back to an off-screen driver nobody asked for) it writes one line to
    // standard error and answers false; also false after a message when the
    // window cannot be made.
    bool Start();

    // Puts clock, keys, events and window into the host record; its launcher
    // and audio device are left as they are. Only after a successful Start.
    void Fill(Host& host);

    // Gives the window the picture of a PNG file (the program's icon); false
    // when it cannot be read.
    bool SetIcon(const std::string& pngPath);

    SDL_Window* Window() const;
    SdlEventPump* Events() const;

private:
    bool mStarted = false;
    SDL_Window* mWindow = nullptr;
    std::unique_ptr<SdlClock> mClock;
    std::unique_ptr<SdlKeyboard> mKeyboard;
    std::unique_ptr<SdlEventPump> mEvents;
};

} // namespace Vl
