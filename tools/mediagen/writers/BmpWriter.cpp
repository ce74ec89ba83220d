// Uncompressed 8-bit Windows bitmap encoder.
#include "BmpWriter.h"

#include "ByteSink.h"
#include "ImageCheck.h"

namespace mediagen {

std::vector<uint8_t> EncodeBmp8(const IndexedImage& image, const Palette& palette)
{
    CheckImage(image, "EncodeBmp8");
    const uint32_t stride = (static_cast<uint32_t>(image.width) + 3u) & ~3u;
    const uint32_t pixelBytes = stride * static_cast<uint32_t>(image.height);
    const uint32_t pixelOffset = 14 + 40 + 1024;

    std::vector<uint8_t> bytes;
    bytes.reserve(pixelOffset + pixelBytes);
    ByteSink out(bytes);
    out.U8('B');
    out.U8('M');
    out.U32(pixelOffset + pixelBytes);
    out.U16(0);
    out.U16(0);
    out.U32(pixelOffset);

    out.U32(40);
    out.U32(static_cast<uint32_t>(image.width));
    out.U32(static_cast<uint32_t>(image.height));
    out.U16(1);
    out.U16(8);
    out.U32(0);
    out.U32(pixelBytes);
    out.U32(2835); // 72 dpi
    out.U32(2835);
    out.U32(256);
    out.U32(0);

    for (const Rgb& c : palette) {
        out.U8(c.b);
        out.U8(c.g);
        out.U8(c.r);
        out.U8(0);
    }
    for (int y = image.height - 1; y >= 0; --y) {
        const uint8_t* row = image.pixels.data() + static_cast<size_t>(y) * image.width;
        bytes.insert(bytes.end(), row, row + image.width);
        out.Zeros(stride - static_cast<uint32_t>(image.width));
    }
    return bytes;
}

} // namespace mediagen
