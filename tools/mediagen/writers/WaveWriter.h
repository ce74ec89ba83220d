// Writes 8- or 16-bit PCM sounds as RIFF WAVE files.
#pragma once

#include <cstdint>
#include <vector>

namespace mediagen {

struct PcmSound {
    int channels = 1;
    int sampleRate = 22050;
    int bitsPerSample = 16;
    std::vector<int16_t> samples; // interleaved, full 16-bit range
};

// 8-bit sounds keep the top byte of each sample, stored unsigned; 16-bit
// sounds are stored signed little-endian. Any other bit depth is written as 16.
std::vector<uint8_t> EncodeWave(const PcmSound& sound);

} // namespace mediagen
