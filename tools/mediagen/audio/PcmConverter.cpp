// Quantisation of float buffers to 8- or 16-bit samples.
#include "PcmConverter.h"

#include <algorithm>
#include <cmath>

#include "Noise.h"

namespace mediagen {

PcmSound ToPcm(const AudioBuffer& buffer, int bitsPerSample, float peakLevel, std::uint32_t ditherSeed)
{
    PcmSound sound;
    sound.channels = 1;
    sound.sampleRate = buffer.SampleRate();
    sound.bitsPerSample = bitsPerSample == 8 ? 8 : 16;
    const float peak = buffer.Peak();
    const double gain = peak > 0.0f ? peakLevel / peak : 0.0;
    const double steps = sound.bitsPerSample == 8 ? 128.0 : 32768.0;
    const int lowest = sound.bitsPerSample == 8 ? -128 : -32768;
    const int highest = sound.bitsPerSample == 8 ? 127 : 32767;
    Noise dither(ditherSeed);
    sound.samples.resize(buffer.Size());
    for (std::size_t i = 0; i < buffer.Size(); ++i) {
        const double tpdf = (dither.Uniform() - dither.Uniform()) * 0.5;
        const int q = static_cast<int>(std::floor(buffer[i] * gain * steps + tpdf + 0.5));
        const int clamped = std::clamp(q, lowest, highest);
        sound.samples[i] = static_cast<std::int16_t>(sound.bitsPerSample == 8 ? clamped * 256 : clamped);
    }
    return sound;
}

}  // namespace mediagen
