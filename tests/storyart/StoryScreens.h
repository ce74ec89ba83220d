// What the intro, briefing and totals screens load from the install tree, and the checks they share.
#pragma once

#include "MediaReader.h"

#include <algorithm>
#include <string>

namespace storyart {

using namespace mediatest;

inline Picture Bmp(const std::string& gameName) { return ReadBmp(MediaFile(gameName)); }
inline Sprite Spx(const std::string& gameName) { return ReadSpx(MediaFile(gameName)); }

constexpr uint8_t kTransparent = 254;
constexpr uint8_t kClear = 255;

inline int CountIndex(const std::vector<uint8_t>& pixels, uint8_t index)
{
    return int(std::count(pixels.begin(), pixels.end(), index));
}

inline bool ShowsSomething(const Frame& frame) { return CountIndex(frame.pixels, kTransparent) < int(frame.pixels.size()); }

// The screen rectangle a frame covers when the sprite is drawn at (x, y).
struct Box {
    int left, top, right, bottom; // right and bottom exclusive
    int CentreX() const { return (left + right) / 2; }
};

inline Box BoxOf(const Sprite& sprite, size_t frame, int x, int y)
{
    const auto [px, py] = sprite.PlaceOf(frame, x, y);
    return {px, py, px + sprite.frames[frame].width, py + sprite.frames[frame].height};
}

// The part of a frame that is not the transparent key, on the screen.
inline Box VisibleBoxOf(const Sprite& sprite, size_t frame, int x, int y)
{
    const Frame& f = sprite.frames[frame];
    int left = f.width, top = f.height, right = -1, bottom = -1;
    for (int v = 0; v < f.height; ++v)
        for (int u = 0; u < f.width; ++u)
            if (f.At(u, v) != kTransparent) {
                left = std::min(left, u);
                right = std::max(right, u);
                top = std::min(top, v);
                bottom = std::max(bottom, v);
            }
    const auto [px, py] = sprite.PlaceOf(frame, x, y);
    if (right < 0) return {px, py, px, py};
    return {px + left, py + top, px + right + 1, py + bottom + 1};
}

} // namespace storyart
