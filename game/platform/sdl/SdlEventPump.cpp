// SDL events turned into the game's quit request, window commands, key taps and the focus pause.
#include "SdlEventPump.h"

#include "SdlClock.h"
#include "SdlKeyboard.h"

#include <utility>

namespace Vl {

SdlEventPump::SdlEventPump(SDL_Window* window, SdlKeyboard* keyboard, SdlClock* clock)
    : mWindow(window), mKeyboard(keyboard), mClock(clock)
{
    SDL_ShowCursor(SDL_DISABLE);
}

void SdlEventPump::SetPauseOnFocusLoss(bool pause)
{
    mPauseOnFocusLoss = pause;
}

void SdlEventPump::SetPauseHandlers(std::function<void(bool)> paused, std::function<void()> repaint)
{
    mPaused = std::move(paused);
    mRepaint = std::move(repaint);
}

bool SdlEventPump::Pump()
{
    if (mKeyboard)
        mKeyboard->BeginFrame(SDL_GetTicks());
    SDL_Event event;
    while (SDL_PollEvent(&event))
        Handle(event);
    if (mFocusLost && mPauseOnFocusLoss && !mQuitRequested)
        WaitForFocus();
    return mQuitRequested;
}

bool SdlEventPump::Handle(const SDL_Event& event)
{
    switch (event.type) {
    case SDL_QUIT:
        mQuitRequested = true;
        break;
    case SDL_WINDOWEVENT:
        if (event.window.event == SDL_WINDOWEVENT_CLOSE)
            mQuitRequested = true;
        if (event.window.event == SDL_WINDOWEVENT_FOCUS_LOST)
            mFocusLost = true;
        if (event.window.event == SDL_WINDOWEVENT_FOCUS_GAINED) {
            mFocusLost = false;
            return true;
        }
        if (event.window.event == SDL_WINDOWEVENT_EXPOSED && mFocusLost && mRepaint)
            mRepaint();
        break;
    case SDL_KEYDOWN:
        HandleKey(event.key);
        break;
    case SDL_CONTROLLERBUTTONDOWN:
        if (mKeyboard)
            mKeyboard->ButtonWentDown(event.cbutton.button, SDL_GetTicks());
        break;
    case SDL_CONTROLLERBUTTONUP:
        if (mKeyboard)
            mKeyboard->ButtonWentUp(event.cbutton.button);
        break;
    case SDL_CONTROLLERAXISMOTION:
        if (mKeyboard)
            mKeyboard->AxisMoved(event.caxis.axis, event.caxis.value);
        break;
    case SDL_CONTROLLERDEVICEADDED:
        if (mKeyboard)
            mKeyboard->AddController(event.cdevice.which);
        break;
    case SDL_CONTROLLERDEVICEREMOVED:
        if (mKeyboard)
            mKeyboard->RemoveController(event.cdevice.which);
        break;
    default:
        break;
    }
    return false;
}

void SdlEventPump::WaitForFocus()
{
    if (mClock)
        mClock->Pause();
    if (mPaused)
        mPaused(true);
    SDL_Event event;
    while (!mQuitRequested) {
        if (!SDL_WaitEventTimeout(&event, 250))
            continue;
        if (Handle(event))
            break;
    }
    // What was pressed while away from the game does not count.
    if (mKeyboard)
        mKeyboard->BeginFrame(SDL_GetTicks());
    if (mPaused)
        mPaused(false);
    if (mClock)
        mClock->Resume();
}

void SdlEventPump::HandleKey(const SDL_KeyboardEvent& key)
{
    SDL_Scancode code = key.keysym.scancode;
    if (code == SDL_SCANCODE_F12) {
        mQuitRequested = true;
        return;
    }
    if (key.repeat)
        return;
    bool enter = code == SDL_SCANCODE_RETURN || code == SDL_SCANCODE_KP_ENTER;
    bool switchKey = code == SDL_SCANCODE_F11 || (enter && (key.keysym.mod & KMOD_ALT));
    if (mKeyboard && !switchKey)
        mKeyboard->KeyWentDown(code);
    if (switchKey)
        SwitchFullScreen();
}

void SdlEventPump::SwitchFullScreen()
{
    if (!mWindow)
        return;
    bool fullScreen = (SDL_GetWindowFlags(mWindow) & SDL_WINDOW_FULLSCREEN) != 0;
    if (fullScreen) {
        SDL_SetWindowFullscreen(mWindow, 0);
        SDL_SetWindowSize(mWindow, 640, 480);
        SDL_SetWindowPosition(mWindow, SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED);
        return;
    }
    // Cover the desktop first: without a window manager the full-screen
    // request alone leaves the window at its old size.
    SDL_DisplayMode desktop;
    if (SDL_GetDesktopDisplayMode(SDL_GetWindowDisplayIndex(mWindow), &desktop) == 0) {
        SDL_SetWindowPosition(mWindow, 0, 0);
        SDL_SetWindowSize(mWindow, desktop.w, desktop.h);
    }
    SDL_SetWindowFullscreen(mWindow, SDL_WINDOW_FULLSCREEN_DESKTOP);
}

} // namespace Vl
