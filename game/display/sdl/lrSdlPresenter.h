// Shows the display's frames in the game's SDL window, scaled with the aspect ratio kept.
#pragma once

#include "lrPresenter.h"

#include <cstdint>

struct SDL_Window;
struct SDL_Renderer;
struct SDL_Texture;

class lrSdlPresenter : public lrPresenter {
public:
    ~lrSdlPresenter() override;

    // window is the SDL_Window* of the host. Answers false when no renderer can be made.
    bool Open(void* window, int width, int height, bool windowed) override;
    void Present(const uint8_t* pixels, int width, int height, const uint8_t* palette) override;
    void Close() override;

private:
    SDL_Window* mWindow = nullptr;
    SDL_Renderer* mRenderer = nullptr;
    SDL_Texture* mTexture = nullptr;
    int mWidth = 0;
    int mHeight = 0;
};
