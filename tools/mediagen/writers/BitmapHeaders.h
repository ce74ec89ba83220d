// The Windows bitmap headers and colour table that both BMP pictures and SPX sprite frames carry.
#pragma once

#include "ByteSink.h"
#include "MediaImage.h"

#include <cstdint>

namespace mediagen {

// File header, 40-byte info header and a 256-entry colour table: where the pixels start.
inline constexpr uint32_t kBitmapPixelOffset = 14 + 40 + 1024;

// "BM", the file size, two reserved words and the offset of the pixels, kBitmapPixelOffset.
void PutBitmapFileHeader(ByteSink& out, uint32_t fileSize);
// An 8-bit uncompressed info header at 72 dpi with all 256 colours used.
void PutBitmapInfoHeader(ByteSink& out, int width, int height, uint32_t imageBytes);
// The palette as blue-green-red-0 entries.
void PutBitmapColourTable(ByteSink& out, const Palette& palette);

} // namespace mediagen
