// AIFF encoding: COMM and SSND chunks inside a FORM container, all big-endian.
#include "AiffWriter.h"

#include "ByteSink.h"

#include <cmath>

namespace mediagen {

namespace {

// IEEE 754 80-bit extended: sign and 15-bit exponent (bias 16383), then a
// 64-bit mantissa whose top bit is the explicit integer bit.
void PutExtended(ByteSink& out, double value)
{
    uint32_t signExponent = 0;
    uint64_t mantissa = 0;
    if (value < 0) {
        signExponent = 0x8000;
        value = -value;
    }
    if (value > 0) {
        int exponent = 0;
        const double fraction = std::frexp(value, &exponent); // value = fraction * 2^exponent, fraction in [0.5, 1)
        signExponent |= static_cast<uint32_t>(exponent - 1 + 16383) & 0x7FFF;
        mantissa = static_cast<uint64_t>(std::ldexp(fraction, 64));
    }
    out.U16BE(signExponent);
    out.U32BE(static_cast<uint32_t>(mantissa >> 32));
    out.U32BE(static_cast<uint32_t>(mantissa));
}

} // namespace

std::vector<uint8_t> EncodeAiff(const PcmSound& sound)
{
    const bool eightBit = sound.bitsPerSample == 8;
    const uint32_t bytesPerSample = eightBit ? 1 : 2;
    const uint32_t channels = static_cast<uint32_t>(sound.channels);
    const uint32_t frames = channels ? static_cast<uint32_t>(sound.samples.size() / channels) : 0;
    const uint32_t dataSize = static_cast<uint32_t>(sound.samples.size() * bytesPerSample);
    const uint32_t pad = dataSize & 1;
    const uint32_t commSize = 18;
    const uint32_t ssndSize = 8 + dataSize;

    std::vector<uint8_t> bytes;
    bytes.reserve(12 + 8 + commSize + 8 + ssndSize + pad);
    ByteSink out(bytes);
    out.Chars("FORM");
    out.U32BE(4 + (8 + commSize) + (8 + ssndSize + pad));
    out.Chars("AIFF");

    out.Chars("COMM");
    out.U32BE(commSize);
    out.U16BE(channels);
    out.U32BE(frames);
    out.U16BE(eightBit ? 8 : 16);
    PutExtended(out, sound.sampleRate);

    out.Chars("SSND");
    out.U32BE(ssndSize);
    out.U32BE(0);
    out.U32BE(0);
    for (int16_t sample : sound.samples) {
        if (eightBit)
            out.U8(static_cast<uint16_t>(sample) >> 8);
        else
            out.U16BE(static_cast<uint16_t>(sample));
    }
    out.Zeros(pad);
    return bytes;
}

} // namespace mediagen
