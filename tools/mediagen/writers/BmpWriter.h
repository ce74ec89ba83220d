// Encodes an indexed picture as an uncompressed 8-bit (or 4-bit) bottom-up Windows bitmap.
#pragma once

#include "MediaImage.h"

#include <array>
#include <cstdint>
#include <vector>

namespace mediagen {

// 14-byte file header, 40-byte info header (256 colours used), the palette as a
// 1024-byte blue-green-red-0 table, then rows from the bottom up, each padded to 4 bytes.
// Throws std::invalid_argument when the image's size and pixel count disagree.
std::vector<uint8_t> EncodeBmp8(const IndexedImage& image, const Palette& palette);

// The 16-colour form: a 64-byte colour table and two pixels a byte, the left one in the high
// half. Throws std::invalid_argument for a pixel index above 15 as well.
std::vector<uint8_t> EncodeBmp4(const IndexedImage& image, const std::array<Rgb, 16>& colours);

} // namespace mediagen
