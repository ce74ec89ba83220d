// Windows bitmap header and colour table fields.
#include "BitmapHeaders.h"

namespace mediagen {

void PutBitmapFileHeader(ByteSink& out, uint32_t fileSize)
{
    out.U8('B');
    out.U8('M');
    out.U32(fileSize);
    out.U16(0);
    out.U16(0);
    out.U32(kBitmapPixelOffset);
}

void PutBitmapInfoHeader(ByteSink& out, int width, int height, uint32_t imageBytes)
{
    out.U32(40);
    out.U32(static_cast<uint32_t>(width));
    out.U32(static_cast<uint32_t>(height));
    out.U16(1);
    out.U16(8);
    out.U32(0);
    out.U32(imageBytes);
    out.U32(2835); // 72 dpi
    out.U32(2835);
    out.U32(256);
    out.U32(0);
}

void PutBitmapColourTable(ByteSink& out, const Palette& palette)
{
    for (const Rgb& c : palette) {
        out.U8(c.b);
        out.U8(c.g);
        out.U8(c.r);
        out.U8(0);
    }
}

} // namespace mediagen
