// A sprite whose frames are drawn in screen coordinates for a screen that places it at one fixed point.
#pragma once

#include "paint/Canvas.h"
#include "paint/Quantizer.h"

#include "MediaImage.h"
#include "SpxWriter.h"

#include <cstdint>
#include <vector>

namespace mediagen {

// The game draws frame i at the screen's point plus (path point i - path point 0), and frame 0
// with its top-left corner exactly on that point. So each frame here is cropped to what it
// shows and keeps its screen position as its path point, and frame 0 is trimmed to the part
// right of and below the point, then padded out to start on it. What frame 0 loses lies off
// the screen or under the letterbox in every sprite that places it so.
class StorySprite {
public:
    StorySprite(int screenX, int screenY, const Palette& palette, const QuantizeOptions& options = {});

    // The canvas's top-left corner lies at (left, top) on the screen.
    void AddFrame(const Canvas& canvas, int left, int top);
    int FrameCount() const { return int(mFrames.size()); }
    const std::vector<SpxFrame>& Frames() const { return mFrames; }
    std::vector<uint8_t> Encode() const;

private:
    SpxFrame PlaceFirst(const IndexedImage& image, int left, int top) const;

    int mScreenX;
    int mScreenY;
    Quantizer mQuantizer;
    QuantizeOptions mOptions;
    std::vector<SpxFrame> mFrames;
};

} // namespace mediagen
