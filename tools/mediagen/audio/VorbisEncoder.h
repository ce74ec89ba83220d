// Stereo music to Ogg Vorbis bytes through libvorbisenc, with a fixed stream serial so the bytes never change.
#pragma once

#include <cstdint>
#include <vector>

namespace mediagen {

class VorbisEncoder {
public:
    // quality from -0.1 to 1.0 (0.4 is about 128 kbit/s); an empty answer if the encoder refuses the setup.
    static std::vector<std::uint8_t> Encode(const std::vector<float>& left, const std::vector<float>& right,
                                            int sampleRate, float quality, int streamSerial);
};

}  // namespace mediagen
