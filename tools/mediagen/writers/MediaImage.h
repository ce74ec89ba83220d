// Plain picture and palette types shared by every media writer and generator.
#pragma once

#include <array>
#include <cstdint>
#include <vector>

namespace mediagen {

struct Rgb {
    uint8_t r, g, b;
};

using Palette = std::array<Rgb, 256>;

struct IndexedImage {
    int width = 0;
    int height = 0;
    std::vector<uint8_t> pixels; // top row first, width*height, no padding
};

} // namespace mediagen
