// A presenter without a window: keeps the last frame as RGB, counts frames, saves PNG or BMP.
#pragma once

#include "lrPresenter.h"

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

class lrHeadlessPresenter : public lrPresenter {
public:
    // Called after each present with the frame's index (0 for the first), so a
    // tool can save the frames it wants while the game runs.
    using FrameCallback = std::function<void(int frameIndex)>;

    bool Open(void* window, int width, int height, bool windowed) override;
    void Present(const uint8_t* pixels, int width, int height, const uint8_t* palette) override;
    void Close() override;

    void SetFrameCallback(FrameCallback callback);

    bool IsOpen() const;
    bool IsWindowed() const;
    int PresentCount() const;

    // The last presented frame, 0x00RRGGBB per pixel; empty before the first present.
    bool HasFrame() const;
    int FrameWidth() const;
    int FrameHeight() const;
    const std::vector<uint32_t>& Frame() const;
    uint32_t FramePixel(int x, int y) const; // 0 outside the frame

    bool SaveFramePng(const std::string& path) const;
    bool SaveFrameBmp(const std::string& path) const;

private:
    bool mOpen = false;
    bool mWindowed = false;
    int mPresentCount = 0;
    int mFrameWidth = 0;
    int mFrameHeight = 0;
    std::vector<uint32_t> mFrame;
    FrameCallback mFrameCallback;
};
