// Shows the display's frames in the game's SDL window, scaled with the aspect ratio kept, at the display's pace.
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
    // Shows the frame, then waits out the rest of the display's refresh
    // period when the renderer does not wait for it (no vsync), so the game
    // never runs faster than the screen can show.
    void Present(const uint8_t* pixels, int width, int height, const uint8_t* palette) override;
    void Close() override;

    // Shows the last frame again (the window was uncovered while the game is paused).
    void Repaint();

    // Milliseconds between two presents when pacing by the clock; 0 with vsync.
    double PacingPeriodMs() const;

private:
    void Show();
    void WaitForNextFrame();

    SDL_Window* mWindow = nullptr;
    SDL_Renderer* mRenderer = nullptr;
    SDL_Texture* mTexture = nullptr;
    int mWidth = 0;
    int mHeight = 0;
    double mFramePeriodMs = 0.0; // the display's refresh period
    double mPeriodMs = 0.0;      // the pace the clock keeps; 0 while vsync does it
    double mNextPresentMs = 0.0;
    double mLastPresentMs = 0.0;
    int mQuickPresents = 0;
};
