// A presenter that only keeps the last picture it was given, for saving chosen frames.
#pragma once

#include "lrPresenter.h"

#include <vector>

class FrameKeeper : public lrPresenter {
public:
    bool Open(void* window, int width, int height, bool windowed) override;
    void Present(const uint8_t* pixels, int width, int height, const uint8_t* palette) override;
    void Close() override;

    const std::vector<uint8_t>& Pixels() const { return mPixels; }
    const std::vector<uint8_t>& Palette() const { return mPalette; }
    int Width() const { return mWidth; }
    int Height() const { return mHeight; }
    int PresentCount() const { return mPresentCount; }
    // How the display was opened: windowed, or full-screen.
    bool Windowed() const { return mWindowed; }

private:
    std::vector<uint8_t> mPixels;
    std::vector<uint8_t> mPalette;
    int mWidth = 0;
    int mHeight = 0;
    int mPresentCount = 0;
    bool mWindowed = false;
};
