// Writes 8- or 16-bit PCM sounds as AIFF files.
#pragma once

#include "WaveWriter.h"

#include <cstdint>
#include <vector>

namespace mediagen {

// FORM AIFF with a COMM chunk (80-bit extended sample rate) and an SSND chunk
// (offset and block size 0) of big-endian signed samples. 8-bit sounds keep
// the top byte of each sample; any other bit depth is written as 16.
std::vector<uint8_t> EncodeAiff(const PcmSound& sound);

} // namespace mediagen
