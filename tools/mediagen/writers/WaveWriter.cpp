// RIFF WAVE encoding: a 16-byte PCM "fmt " chunk followed by "data".
#include "WaveWriter.h"

#include "ByteSink.h"

namespace mediagen {

std::vector<uint8_t> EncodeWave(const PcmSound& sound)
{
    const bool eightBit = sound.bitsPerSample == 8;
    const uint32_t bits = eightBit ? 8 : 16;
    const uint32_t channels = static_cast<uint32_t>(sound.channels);
    const uint32_t rate = static_cast<uint32_t>(sound.sampleRate);
    const uint32_t blockAlign = channels * bits / 8;
    const uint32_t dataSize = static_cast<uint32_t>(sound.samples.size() * (bits / 8));
    // RIFF chunks are padded to an even size; the pad is not counted in the chunk size.
    const uint32_t pad = dataSize & 1;

    std::vector<uint8_t> bytes;
    bytes.reserve(44 + dataSize + pad);
    ByteSink out(bytes);
    out.Chars("RIFF");
    out.U32(4 + (8 + 16) + (8 + dataSize + pad));
    out.Chars("WAVE");

    out.Chars("fmt ");
    out.U32(16);
    out.U16(1);
    out.U16(channels);
    out.U32(rate);
    out.U32(rate * blockAlign);
    out.U16(blockAlign);
    out.U16(bits);

    out.Chars("data");
    out.U32(dataSize);
    for (int16_t sample : sound.samples) {
        if (eightBit)
            out.U8((static_cast<uint16_t>(sample) >> 8) ^ 0x80);
        else
            out.U16(static_cast<uint16_t>(sample));
    }
    out.Zeros(pad);
    return bytes;
}

} // namespace mediagen
