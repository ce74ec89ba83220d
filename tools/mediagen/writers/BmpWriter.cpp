// Uncompressed 8-bit and 4-bit Windows bitmap encoders.
#include "BmpWriter.h"

#include "BitmapHeaders.h"
#include "ImageCheck.h"

#include <algorithm>
#include <stdexcept>

namespace mediagen {

std::vector<uint8_t> EncodeBmp8(const IndexedImage& image, const Palette& palette)
{
    CheckImage(image, "EncodeBmp8");
    const uint32_t stride = (static_cast<uint32_t>(image.width) + 3u) & ~3u;
    const uint32_t pixelBytes = stride * static_cast<uint32_t>(image.height);

    std::vector<uint8_t> bytes;
    bytes.reserve(kBitmapPixelOffset + pixelBytes);
    ByteSink out(bytes);
    PutBitmapFileHeader(out, kBitmapPixelOffset + pixelBytes);
    PutBitmapInfoHeader(out, image.width, image.height, pixelBytes);
    PutBitmapColourTable(out, palette);
    for (int y = image.height - 1; y >= 0; --y) {
        const uint8_t* row = image.pixels.data() + static_cast<size_t>(y) * image.width;
        bytes.insert(bytes.end(), row, row + image.width);
        out.Zeros(stride - static_cast<uint32_t>(image.width));
    }
    return bytes;
}

std::vector<uint8_t> EncodeBmp4(const IndexedImage& image, const std::array<Rgb, 16>& colours)
{
    CheckImage(image, "EncodeBmp4");
    if (std::any_of(image.pixels.begin(), image.pixels.end(), [](uint8_t index) { return index > 15; }))
        throw std::invalid_argument("EncodeBmp4: a pixel index above 15");
    const uint32_t stride = ((static_cast<uint32_t>(image.width) + 1u) / 2u + 3u) & ~3u;
    const uint32_t pixelBytes = stride * static_cast<uint32_t>(image.height);
    constexpr uint32_t kPixelOffset = 14 + 40 + 16 * 4;

    std::vector<uint8_t> bytes;
    bytes.reserve(kPixelOffset + pixelBytes);
    ByteSink out(bytes);
    out.U8('B');
    out.U8('M');
    out.U32(kPixelOffset + pixelBytes);
    out.U32(0);
    out.U32(kPixelOffset);
    out.U32(40);
    out.U32(static_cast<uint32_t>(image.width));
    out.U32(static_cast<uint32_t>(image.height));
    out.U16(1);
    out.U16(4);
    out.U32(0);
    out.U32(pixelBytes);
    out.U32(2835); // 72 dpi
    out.U32(2835);
    out.U32(16);
    out.U32(0);
    for (const Rgb& c : colours) {
        out.U8(c.b);
        out.U8(c.g);
        out.U8(c.r);
        out.U8(0);
    }
    for (int y = image.height - 1; y >= 0; --y) {
        const uint8_t* row = image.pixels.data() + static_cast<size_t>(y) * image.width;
        uint32_t written = 0;
        for (int x = 0; x < image.width; x += 2, ++written)
            out.U8(static_cast<uint32_t>(row[x]) << 4 | (x + 1 < image.width ? row[x + 1] : 0u));
        out.Zeros(stride - written);
    }
    return bytes;
}

} // namespace mediagen
