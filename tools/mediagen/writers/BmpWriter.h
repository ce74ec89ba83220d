// Encodes an indexed picture as an uncompressed 8-bit bottom-up Windows bitmap.
#pragma once

#include "MediaImage.h"

#include <cstdint>
#include <vector>

namespace mediagen {

// 14-byte file header, 40-byte info header (256 colours used), the palette as a
// 1024-byte blue-green-red-0 table, then rows from the bottom up, each padded to 4 bytes.
// Throws std::invalid_argument when the image's size and pixel count disagree.
std::vector<uint8_t> EncodeBmp8(const IndexedImage& image, const Palette& palette);

} // namespace mediagen
