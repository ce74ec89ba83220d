// The window's event pump: quit requests, window switching, controllers.
#pragma once

#include "VlHost.h"

#include <SDL.h>

namespace Vl {

class SdlKeyboard;

class SdlEventPump : public EventPump {
public:
    // Hides the cursor over the game's window; keyboard may be null.
    SdlEventPump(SDL_Window* window, SdlKeyboard* keyboard);

    // Takes every pending event. Closing the window or F12 asks to quit (and
    // the answer stays true from then on); Alt+Enter and F11 switch between
    // desktop full-screen and a window.
    bool Pump() override;

private:
    void HandleKey(const SDL_KeyboardEvent& key);
    void SwitchFullScreen();

    SDL_Window* mWindow;
    SdlKeyboard* mKeyboard;
    bool mQuitRequested = false;
};

} // namespace Vl
