// The SDL presenter: palette indices to a streaming texture, letterboxed into the window.
#include "lrSdlPresenter.h"

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
    if (WantsSoftwareRenderer())
        return SDL_CreateRenderer(window, -1, SDL_RENDERER_SOFTWARE);
    SDL_Renderer* renderer = SDL_CreateRenderer(window, -1, SDL_RENDERER_ACCELERATED | SDL_RENDERER_PRESENTVSYNC);
    if (!renderer) {
        // A machine without a working graphics driver still gets a picture.
        SDL_Log("lrSdlPresenter: no accelerated renderer (%s), trying any renderer", SDL_GetError());
        renderer = SDL_CreateRenderer(window, -1, 0);
    }
    return renderer;
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

    Uint32 colors[256];
    for (int i = 0; i < 256; ++i)
        colors[i] = 0xFF000000u | (Uint32(palette[i * 4]) << 16) | (Uint32(palette[i * 4 + 1]) << 8)
            | palette[i * 4 + 2];

    void* texturePixels = nullptr;
    int pitch = 0;
    if (SDL_LockTexture(mTexture, nullptr, &texturePixels, &pitch) != 0)
        return;
    for (int y = 0; y < height; ++y) {
        const uint8_t* source = pixels + static_cast<size_t>(y) * width;
        Uint32* target = reinterpret_cast<Uint32*>(static_cast<uint8_t*>(texturePixels) + static_cast<size_t>(y) * pitch);
        for (int x = 0; x < width; ++x)
            target[x] = colors[source[x]];
    }
    SDL_UnlockTexture(mTexture);

    SDL_SetRenderDrawColor(mRenderer, 0, 0, 0, 255);
    SDL_RenderClear(mRenderer);
    SDL_RenderCopy(mRenderer, mTexture, nullptr, nullptr);
    SDL_RenderPresent(mRenderer);
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
