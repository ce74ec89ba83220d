// Finished buffers to the integer samples the files hold: level, dither and word size.
#pragma once

#include <cstdint>

#include "AudioBuffer.h"
#include "WaveWriter.h"

namespace mediagen {

// Scales the buffer so its peak reaches peakLevel (a fraction of full scale), then quantises to 8 or 16 bits
// with a little seeded triangular dither, so quiet tails fade smoothly instead of stepping.
// 8-bit results are kept on multiples of 256, which is exactly what an 8-bit file can hold.
PcmSound ToPcm(const AudioBuffer& buffer, int bitsPerSample, float peakLevel, std::uint32_t ditherSeed);

}  // namespace mediagen
