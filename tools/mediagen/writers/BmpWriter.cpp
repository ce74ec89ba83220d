// Uncompressed 8-bit Windows bitmap encoder.
#include "BmpWriter.h"

#include "BitmapHeaders.h"
#include "ImageCheck.h"

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

} // namespace mediagen
