// SDL start-up and the main window of the game.
#include "SdlHost.h"

#include "SdlClock.h"
#include "SdlEventPump.h"
#include "SdlKeyboard.h"

#include <png.h>
#include <sys/stat.h>

#include <cstdlib>
#include <cstring>
#include <iostream>
#include <string>
#include <vector>

namespace Vl {

namespace {

// SDL's stand-ins that draw nowhere; a player only gets them by asking.
bool IsInvisibleDriver(const char* driver)
{
    return driver && (SDL_strcasecmp(driver, "dummy") == 0 || SDL_strcasecmp(driver, "offscreen") == 0);
}

bool AskedFor(const char* driver)
{
    const char* asked = std::getenv("SDL_VIDEODRIVER");
    return asked && driver && SDL_strcasecmp(asked, driver) == 0;
}

bool IsSet(const char* variable)
{
    const char* value = std::getenv(variable);
    return value && value[0] != '\0';
}

// Nothing names a display server and none is listening in the usual place.
// Asked anyway, SDL would try each driver in turn, let the libraries print
// their own complaints, and settle on one that draws nowhere.
bool NoDisplayServer()
{
    if (IsSet("SDL_VIDEODRIVER") || IsSet("DISPLAY") || IsSet("WAYLAND_DISPLAY"))
        return false;
    const char* runtime = std::getenv("XDG_RUNTIME_DIR");
    if (!runtime || runtime[0] != '/')
        return true;
    struct stat info;
    return stat((std::string(runtime) + "/wayland-0").c_str(), &info) != 0;
}

void ReportNoDisplay(const char* reason)
{
    std::cerr << "skyrun: no display to open the game window on (" << reason
              << "); start it from a desktop session, or set DISPLAY or WAYLAND_DISPLAY.\n";
}

} // namespace

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
    // The desktop names the program (sound mixers, screen-saver inhibition) by this.
    SDL_SetHint(SDL_HINT_APP_NAME, "skyrun");
    SDL_SetHint(SDL_HINT_AUDIO_DEVICE_APP_NAME, "skyrun");
    if (NoDisplayServer()) {
        ReportNoDisplay("no X or Wayland server: neither DISPLAY nor WAYLAND_DISPLAY is set");
        return false;
    }
    if (SDL_Init(SDL_INIT_VIDEO | SDL_INIT_EVENTS) != 0) {
        ReportNoDisplay(SDL_GetError());
        return false;
    }
    mStarted = true;
    const char* driver = SDL_GetCurrentVideoDriver();
    if (IsInvisibleDriver(driver) && !AskedFor(driver)) {
        ReportNoDisplay((std::string("only SDL's \"") + driver + "\" driver is available").c_str());
        return false;
    }
    // A machine without controller support still plays from the keyboard.
    if (SDL_InitSubSystem(SDL_INIT_GAMECONTROLLER) != 0)
        std::cerr << "SdlHost::Start - no game controllers: " << SDL_GetError() << "\n";

    mWindow = SDL_CreateWindow("skyrun", 0, 0, 640, 480, SDL_WINDOW_HIDDEN | SDL_WINDOW_RESIZABLE);
    if (!mWindow) {
        std::cerr << "SdlHost::Start - the window could not be made: " << SDL_GetError() << "\n";
        return false;
    }
    mClock = std::make_unique<SdlClock>();
    mKeyboard = std::make_unique<SdlKeyboard>();
    mEvents = std::make_unique<SdlEventPump>(mWindow, mKeyboard.get(), mClock.get());
    return true;
}

void SdlHost::Fill(Host& host)
{
    host.clock = mClock.get();
    host.keys = mKeyboard.get();
    host.events = mEvents.get();
    host.window = mWindow;
}

bool SdlHost::SetIcon(const std::string& pngPath)
{
    if (!mWindow)
        return false;
    png_image image;
    std::memset(&image, 0, sizeof image);
    image.version = PNG_IMAGE_VERSION;
    if (!png_image_begin_read_from_file(&image, pngPath.c_str()))
        return false;
    image.format = PNG_FORMAT_RGBA;
    if (image.width == 0 || image.width > 1024 || image.height == 0 || image.height > 1024) {
        png_image_free(&image);
        return false;
    }
    std::vector<uint8_t> pixels(PNG_IMAGE_SIZE(image));
    if (!png_image_finish_read(&image, nullptr, pixels.data(), 0, nullptr))
        return false;
    SDL_Surface* surface = SDL_CreateRGBSurfaceWithFormatFrom(pixels.data(), static_cast<int>(image.width),
        static_cast<int>(image.height), 32, static_cast<int>(image.width * 4), SDL_PIXELFORMAT_RGBA32);
    if (!surface)
        return false;
    SDL_SetWindowIcon(mWindow, surface);
    SDL_FreeSurface(surface);
    return true;
}

SDL_Window* SdlHost::Window() const
{
    return mWindow;
}

SdlEventPump* SdlHost::Events() const
{
    return mEvents.get();
}

} // namespace Vl
