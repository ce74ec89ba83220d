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
    SDL_SetWindowFullscreen(mWindow, fullScreen ? 0 : SDL_WINDOW_FULLSCREEN_DESKTOP);
}

} // namespace Vl
