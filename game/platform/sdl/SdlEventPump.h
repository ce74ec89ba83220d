// The window's event pump: quit requests, window switching, controllers, taps, focus pause.
#pragma once

#include "VlHost.h"

#include <SDL.h>

#include <functional>

namespace Vl {

class SdlClock;
class SdlKeyboard;

class SdlEventPump : public EventPump {
public:
    // Hides the cursor over the game's window; keyboard and clock may be null.
    SdlEventPump(SDL_Window* window, SdlKeyboard* keyboard, SdlClock* clock = nullptr);

    // Takes every pending event. Closing the window or F12 asks to quit (and
    // the answer stays true from then on); Alt+Enter and F11 switch between
    // desktop full-screen and a window. Keys and buttons that went down are
    // handed to the keyboard, so a tap between two frames still counts.
    // When the window loses the focus (and pausing is on) the call waits,
    // with the clock stopped and the sound muted, until the focus comes back
    // or a quit is asked.
    bool Pump() override;
    void SetPauseOnFocusLoss(bool pause) override;

    // Called with true when a focus pause begins and false when it ends
    // (mute and unmute); repaint is called while paused when the window
    // needs its picture again.
    void SetPauseHandlers(std::function<void(bool)> paused, std::function<void()> repaint);

private:
    // Handles one event; answers true when it gave the window the focus back.
    bool Handle(const SDL_Event& event);
    void HandleKey(const SDL_KeyboardEvent& key);
    void SwitchFullScreen();
    void WaitForFocus();

    SDL_Window* mWindow;
    SdlKeyboard* mKeyboard;
    SdlClock* mClock;
    bool mQuitRequested = false;
    bool mPauseOnFocusLoss = true;
    bool mFocusLost = false;
    std::function<void(bool)> mPaused;
    std::function<void()> mRepaint;
};

} // namespace Vl
