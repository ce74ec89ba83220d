// SDL start-up and the main window of the game.
#include "SdlHost.h"

#include "SdlClock.h"
#include "SdlEventPump.h"
#include "SdlKeyboard.h"

#include <iostream>

namespace Vl {

SdlHost::SdlHost() = default;

SdlHost::~SdlHost()
{
    mEvents.reset();
    mKeyboard.reset();
    mClock.reset();
    if (mWindow)
        SDL_DestroyWindow(mWindow);
    if (mStarted)
        SDL_Quit();
}

bool SdlHost::Start()
{
    if (mStarted)
        return mWindow != nullptr;
    if (SDL_Init(SDL_INIT_VIDEO | SDL_INIT_EVENTS) != 0) {
        std::cerr << "SdlHost::Start - SDL could not start: " << SDL_GetError() << "\n";
        return false;
    }
    mStarted = true;
    // A machine without controller support still plays from the keyboard.
    if (SDL_InitSubSystem(SDL_INIT_GAMECONTROLLER) != 0)
        std::cerr << "SdlHost::Start - no game controllers: " << SDL_GetError() << "\n";

    mWindow = SDL_CreateWindow("VlApp", 0, 0, 640, 480,
                               SDL_WINDOW_HIDDEN | SDL_WINDOW_RESIZABLE);
    if (!mWindow) {
        std::cerr << "SdlHost::Start - the window could not be made: " << SDL_GetError() << "\n";
        return false;
    }
    mClock = std::make_unique<SdlClock>();
    mKeyboard = std::make_unique<SdlKeyboard>();
    mEvents = std::make_unique<SdlEventPump>(mWindow, mKeyboard.get());
    return true;
}

void SdlHost::Fill(Host& host)
{
    host.clock = mClock.get();
    host.keys = mKeyboard.get();
    host.events = mEvents.get();
    host.window = mWindow;
}

SDL_Window* SdlHost::Window() const
{
    return mWindow;
}

} // namespace Vl
