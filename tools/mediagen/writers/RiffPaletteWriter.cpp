// RIFF palette encoder.
#include "RiffPaletteWriter.h"

#include "ByteSink.h"

namespace mediagen {

std::vector<uint8_t> EncodeRiffPalette(const Palette& palette)
{
    const uint32_t dataSize = 4 + 4 * 256;
    std::vector<uint8_t> bytes;
    ByteSink out(bytes);
    out.Chars("RIFF");
    out.U32(4 + 8 + dataSize);
    out.Chars("PAL ");
    out.Chars("data");
    out.U32(dataSize);
    out.U16(0x0300);
    out.U16(256);
    for (const Rgb& c : palette) {
        out.U8(c.r);
        out.U8(c.g);
        out.U8(c.b);
        out.U8(0);
    }
    return bytes;
}

} // namespace mediagen
