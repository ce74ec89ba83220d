// The SDL presenter: palette indices to a streaming texture, letterboxed into the window, paced to the display.
#include "lrSdlPresenter.h"

#include "lrPaletteConvert.h"

#include <SDL.h>

#include <cstdlib>
#include <cstring>

namespace {

bool WantsIntegerScale()
{
    const char* value = std::getenv("SKYRUN_INTEGER_SCALE");
    return value && std::strcmp(value, "1") == 0;
}

bool WantsSoftwareRenderer()
{
    const char* driver = SDL_GetHint(SDL_HINT_RENDER_DRIVER);
    return driver && SDL_strcasecmp(driver, "software") == 0;
}

SDL_Renderer* CreateRenderer(SDL_Window* window)
{
    if (WantsSoftwareRenderer()) {
        // Otherwise SDL shows the software renderer's window surface through
        // an OpenGL texture: on a machine without a GPU that means a software
        // GL (llvmpipe), slower to start than the whole game and busier than
        // the drawing itself, for a copy the X server can do from shared memory.
        SDL_SetHint(SDL_HINT_FRAMEBUFFER_ACCELERATION, "0");
        return SDL_CreateRenderer(window, -1, SDL_RENDERER_SOFTWARE);
    }
    SDL_Renderer* renderer = SDL_CreateRenderer(window, -1, SDL_RENDERER_ACCELERATED | SDL_RENDERER_PRESENTVSYNC);
    if (!renderer) {
        // A machine without a working graphics driver still gets a picture.
        SDL_Log("lrSdlPresenter: no accelerated renderer (%s), trying any renderer", SDL_GetError());
        renderer = SDL_CreateRenderer(window, -1, 0);
    }
    return renderer;
}

double NowMs()
{
    return static_cast<double>(SDL_GetPerformanceCounter()) * 1000.0 / static_cast<double>(SDL_GetPerformanceFrequency());
}

// Without vsync the loop is held to the display's refresh rate (60 Hz when
// the display does not say): faster frames are never seen, only paid for.
double PeriodWithoutVsync(SDL_Window* window)
{
    SDL_DisplayMode mode;
    int rate = 60;
    if (SDL_GetCurrentDisplayMode(SDL_GetWindowDisplayIndex(window), &mode) == 0 && mode.refresh_rate >= 30 &&
        mode.refresh_rate <= 240)
        rate = mode.refresh_rate;
    return 1000.0 / rate;
}

} // namespace

lrSdlPresenter::~lrSdlPresenter()
{
    Close();
}

bool lrSdlPresenter::Open(void* window, int width, int height, bool windowed)
{
    Close();
    if (!window || width <= 0 || height <= 0)
        return false;
    mWindow = static_cast<SDL_Window*>(window);

    // Shown before the mode is set: some window systems (X without a window
    // manager among them) ignore full-screen on a window that is not mapped yet.
    SDL_ShowWindow(mWindow);
    if (windowed) {
        SDL_SetWindowFullscreen(mWindow, 0);
        SDL_SetWindowSize(mWindow, width, height);
        SDL_SetWindowPosition(mWindow, SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED);
    } else {
        // Cover the desktop first: without a window manager the full-screen
        // request alone leaves the window at its old size.
        SDL_DisplayMode desktop;
        if (SDL_GetDesktopDisplayMode(SDL_GetWindowDisplayIndex(mWindow), &desktop) == 0) {
            SDL_SetWindowPosition(mWindow, 0, 0);
            SDL_SetWindowSize(mWindow, desktop.w, desktop.h);
        }
        SDL_SetWindowFullscreen(mWindow, SDL_WINDOW_FULLSCREEN_DESKTOP);
    }

    mRenderer = CreateRenderer(mWindow);
    if (!mRenderer) {
        SDL_Log("lrSdlPresenter: cannot create a renderer: %s", SDL_GetError());
        mWindow = nullptr;
        return false;
    }
    mTexture = SDL_CreateTexture(mRenderer, SDL_PIXELFORMAT_ARGB8888, SDL_TEXTUREACCESS_STREAMING, width, height);
    if (!mTexture) {
        SDL_Log("lrSdlPresenter: cannot create the frame texture: %s", SDL_GetError());
        Close();
        return false;
    }
    mWidth = width;
    mHeight = height;
    // The software renderer claims vsync but only copies the picture; and a
    // GL driver may claim it and not wait either (a virtual X server). The
    // clock paces those; a present that really waits is checked for below.
    SDL_RendererInfo info;
    bool vsync = SDL_GetRendererInfo(mRenderer, &info) == 0 && (info.flags & SDL_RENDERER_PRESENTVSYNC) != 0 &&
        SDL_strcasecmp(info.name, "software") != 0;
    mFramePeriodMs = PeriodWithoutVsync(mWindow);
    mPeriodMs = vsync ? 0.0 : mFramePeriodMs;
    mNextPresentMs = 0.0;
    mQuickPresents = 0;

    // The logical size letterboxes the frame into any window shape with its
    // aspect ratio kept, through full-screen and window switches alike.
    SDL_RenderSetLogicalSize(mRenderer, width, height);
    bool integerScale = WantsIntegerScale();
    SDL_RenderSetIntegerScale(mRenderer, integerScale ? SDL_TRUE : SDL_FALSE);
    SDL_SetTextureScaleMode(mTexture, integerScale ? SDL_ScaleModeNearest : SDL_ScaleModeLinear);

    SDL_ShowCursor(SDL_DISABLE);
    return true;
}

void lrSdlPresenter::Present(const uint8_t* pixels, int width, int height, const uint8_t* palette)
{
    if (!mTexture || !pixels || !palette || width != mWidth || height != mHeight)
        return;

    uint32_t colors[256];
    lrBuildArgbColors(palette, colors);
    void* texturePixels = nullptr;
    int pitch = 0;
    if (SDL_LockTexture(mTexture, nullptr, &texturePixels, &pitch) != 0)
        return;
    lrConvertToArgb(pixels, width, height, colors, texturePixels, pitch);
    SDL_UnlockTexture(mTexture);
    Show();
    WaitForNextFrame();
}

void lrSdlPresenter::Repaint()
{
    if (mTexture)
        Show();
}

double lrSdlPresenter::PacingPeriodMs() const
{
    return mPeriodMs;
}

void lrSdlPresenter::Show()
{
    SDL_SetRenderDrawColor(mRenderer, 0, 0, 0, 255);
    SDL_RenderClear(mRenderer);
    SDL_RenderCopy(mRenderer, mTexture, nullptr, nullptr);
    SDL_RenderPresent(mRenderer);
}

void lrSdlPresenter::WaitForNextFrame()
{
    const double now = NowMs();
    if (mPeriodMs <= 0.0) {
        // Trusting vsync: two seconds of presents that come back far sooner
        // than a refresh mean it does not hold the loop, so the clock must.
        const bool quick = mLastPresentMs > 0.0 && now - mLastPresentMs < mFramePeriodMs / 2;
        mQuickPresents = quick ? mQuickPresents + 1 : 0;
        mLastPresentMs = now;
        if (mQuickPresents >= 120)
            mPeriodMs = mFramePeriodMs;
        return;
    }
    // Frames are due on a fixed beat; a late frame (a load, a pause) starts a
    // new beat instead of being followed by a burst that catches up.
    mNextPresentMs += mPeriodMs;
    if (mNextPresentMs < now - mPeriodMs || mNextPresentMs > now + mPeriodMs)
        mNextPresentMs = now + mPeriodMs;
    const double wait = mNextPresentMs - now;
    if (wait >= 1.0)
        SDL_Delay(static_cast<Uint32>(wait));
}

void lrSdlPresenter::Close()
{
    if (mTexture)
        SDL_DestroyTexture(mTexture);
    if (mRenderer)
        SDL_DestroyRenderer(mRenderer);
    if (mWindow)
        SDL_ShowCursor(SDL_ENABLE);
    mTexture = nullptr;
    mRenderer = nullptr;
    mWindow = nullptr;
    mWidth = 0;
    mHeight = 0;
}
