// Bitmap loading into memory images, bounded by the bytes the file really has.
#include "AzImageLoader.h"

#include "AzBitmapHeader.h"
#include "AzFileSlot.h"
#include "AzMemoryImage.h"
#include "VlLog.h"

#include <memory>

bool azLogFileErrors = true;

namespace {

AzFileSlot sImageSlot;

bool IsReadableLayout(const AzBitmapHeader& header)
{
    // Top-down (negative height), paletted 1/4-bit, true-colour and bit-field bitmaps
    // would be read as garbage one byte per pixel, so they are turned away.
    return header.bitsPerPixel == 8 && header.compression == AzBitmapHeader::kCompressionNone &&
           header.width > 0 && header.width <= AzImageLoader::kMaxSide && header.height > 0 &&
           header.height <= AzImageLoader::kMaxSide;
}

uint32_t PaddedRowBytes(int32_t width)
{
    return (static_cast<uint32_t>(width) + 3u) & ~3u;
}

} // namespace

AzMemoryImage* AzImageLoader::GetNew(const std::string& name)
{
    static const AzFileSlot::LoaderLines lines{
        "AzImageLoader::GetNew - Vl::FileCreate failed.  Returning NULL object. ",
        "AzImageLoader::GetNew - returning NULL object. ",
        "AzImageLoader::GetNew - unrecognized file extension. "};
    return sImageSlot.LoadWithExtension(name, lines, azLogFileErrors, "BMP", GetDIB);
}

AzMemoryImage* AzImageLoader::GetDIB()
{
    AzBitmapHeader header;
    uint32_t fileLength = 0;
    if (!sImageSlot.Open() || !sImageSlot.Length(fileLength) || !header.Read(sImageSlot)) return nullptr;

    if (header.compression == AzBitmapHeader::kCompressionRle8) {
        azLog() << "AzImageLoader::GetDIB - Could not read BI_RLE8 type DIB file.\n" << std::flush;
        return nullptr;
    }
    if (!IsReadableLayout(header)) return nullptr;

    // The pixel data offset of the file header is ignored on purpose: the rows are
    // taken to follow the colour table directly, as every bitmap of the game has them.
    const uint64_t tableBytes = static_cast<uint64_t>(header.colorsUsed) * 4u;
    const uint64_t rowBytes = PaddedRowBytes(header.width);
    const uint64_t pixelStart = AzBitmapHeader::kFileHeaderBytes + AzBitmapHeader::kInfoHeaderBytes + tableBytes;
    // The last row may come without its padding.
    const uint64_t needed = pixelStart + rowBytes * (header.height - 1) + header.width;
    if (needed > fileLength || !sImageSlot.SkipForward(static_cast<uint32_t>(tableBytes))) return nullptr;

    auto image = std::make_unique<AzMemoryImage>(header.width, header.height, 8);
    const uint32_t width = static_cast<uint32_t>(header.width);
    for (int32_t row = header.height - 1; row >= 0; --row) {
        if (!sImageSlot.ReadExact(image->GetRow(row), width)) return nullptr;
        if (width % 4 != 0 && row > 0 && !sImageSlot.SkipForward(4 - width % 4)) return nullptr;
    }
    return image.release();
}
