// SDL events turned into the game's quit request and window commands.
#include "SdlEventPump.h"

#include "SdlKeyboard.h"

namespace Vl {

SdlEventPump::SdlEventPump(SDL_Window* window, SdlKeyboard* keyboard) : mWindow(window), mKeyboard(keyboard)
{
    SDL_ShowCursor(SDL_DISABLE);
}

bool SdlEventPump::Pump()
{
    SDL_Event event;
    while (SDL_PollEvent(&event)) {
        switch (event.type) {
        case SDL_QUIT:
            mQuitRequested = true;
            break;
        case SDL_WINDOWEVENT:
            if (event.window.event == SDL_WINDOWEVENT_CLOSE)
                mQuitRequested = true;
            break;
        case SDL_KEYDOWN:
            HandleKey(event.key);
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
    }
    return mQuitRequested;
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
    if (code == SDL_SCANCODE_F11 || (enter && (key.keysym.mod & KMOD_ALT)))
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
