// Palette lookup of a whole frame, four pixels a step.
#include "lrPaletteConvert.h"

#include <cstddef>

void lrBuildArgbColors(const uint8_t* palette, uint32_t colors[256])
{
    for (int i = 0; i < 256; ++i)
        colors[i] = 0xFF000000u | (uint32_t(palette[i * 4]) << 16) | (uint32_t(palette[i * 4 + 1]) << 8) |
            palette[i * 4 + 2];
}

void lrConvertToArgb(const uint8_t* pixels, int width, int height, const uint32_t colors[256], void* target,
                     int targetPitch)
{
    for (int y = 0; y < height; ++y) {
        const uint8_t* source = pixels + static_cast<size_t>(y) * width;
        uint32_t* row = reinterpret_cast<uint32_t*>(static_cast<uint8_t*>(target) + static_cast<size_t>(y) * targetPitch);
        int x = 0;
        for (; x + 4 <= width; x += 4) {
            row[x] = colors[source[x]];
            row[x + 1] = colors[source[x + 1]];
            row[x + 2] = colors[source[x + 2]];
            row[x + 3] = colors[source[x + 3]];
        }
        for (; x < width; ++x)
            row[x] = colors[source[x]];
    }
}
