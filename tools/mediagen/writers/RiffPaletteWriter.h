// Encodes a palette as a Microsoft RIFF palette file ("RIFF" ... "PAL " with one "data" chunk).
#pragma once

#include "MediaImage.h"

#include <cstdint>
#include <vector>

namespace mediagen {

// The "data" chunk holds version 0x0300, count 256, then 256 x (red, green, blue, flags 0).
std::vector<uint8_t> EncodeRiffPalette(const Palette& palette);

} // namespace mediagen
