// SPX sprite file reading: the whole file goes into memory and is decoded with every
// read checked against its end.
#include "AzSpriteLoader.h"

#include "AzByteCursor.h"
#include "AzFileSlot.h"
#include "AzLoaders.h"
#include "AzMemoryImage.h"
#include "AzMemorySprite.h"
#include "VlLog.h"

#include <memory>
#include <new>
#include <vector>

namespace {

AzFileSlot sSpriteSlot;

// SPX tags are numbers with the first character in the top byte, stored little-endian,
// so "MQ2 " stands in the file as the bytes ' ', '2', 'Q', 'M'.
constexpr uint32_t kTagMq2 = 0x4D513220;
constexpr uint32_t kTagSprx = 0x53505258;
constexpr uint32_t kTagPthi = 0x50544849;
constexpr uint32_t kTagSpr = 0x53505220;
constexpr uint32_t kVersion = 2;

constexpr size_t kSprxAt = 16;
constexpr size_t kFrameCountAt = 32;
constexpr size_t kFirstChunkAt = 48;
constexpr size_t kBitmapFileHeaderBytes = 14;
constexpr size_t kFrameHeaderBytes = 40;
constexpr size_t kColorTableBytes = 1024;
// A two-byte packet makes at most 128 pixels.
constexpr int64_t kMostPixelsPerEncodedByte = 64;

bool ReadTagAt(AzByteCursor& in, size_t at, uint32_t& tag)
{
    return in.SeekTo(at) && in.ReadU32(tag);
}

bool ReadPathBlock(AzByteCursor& in, uint32_t frameCount, AzMemorySprite& sprite)
{
    uint32_t pointCount;
    if (!in.ReadU32(pointCount) || !in.Skip(4) || pointCount > in.Remaining() / 8) return false;
    if (pointCount != frameCount)
        azLog() << "AzSpriteLoader::GetSPX() - trying to read sprite with differing path points and frames!\n"
                << std::flush;
    for (uint32_t i = 0; i < pointCount; ++i) {
        int32_t x;
        int32_t y;
        if (!in.ReadI32(x) || !in.ReadI32(y)) return false;
        sprite.AddPathPoint(x, y);
    }
    return true;
}

// Chunk headers are read one after another, without using their sizes to skip.
bool FindSpriteBlock(AzByteCursor& in)
{
    for (;;) {
        uint32_t tag;
        uint32_t size;
        if (!in.ReadU32(tag) || !in.ReadU32(size)) return false;
        if (tag == kTagSpr) return true;
    }
}

bool ReadFrame(AzByteCursor& in, bool first, AzMemorySprite& sprite, int64_t& totalPixels)
{
    const uint8_t* headerBytes;
    if (!in.Take(kFrameHeaderBytes, headerBytes)) return false;
    AzByteCursor header(headerBytes, kFrameHeaderBytes);
    int32_t width;
    int32_t height;
    uint32_t imageSize;
    if (!header.Skip(4) || !header.ReadI32(width) || !header.ReadI32(height) || !header.Skip(8) ||
        !header.ReadU32(imageSize))
        return false;
    // Palettes come from palette files; the sprite's own colour table is not used.
    if (first && !in.Skip(kColorTableBytes)) return false;
    if (width < 0 || height < 0 || width > AzSpriteLoader::kMaxSide || height > AzSpriteLoader::kMaxSide)
        return false;

    const uint8_t* encoded;
    if (!in.Take(imageSize, encoded)) return false;
    const int64_t pixels = static_cast<int64_t>(width) * height;
    if (pixels > kMostPixelsPerEncodedByte * static_cast<int64_t>(imageSize)) return false;

    auto image = std::make_unique<AzMemoryImage>(width, height, 8);
    if (pixels > 0) {
        az::RleLayout layout;
        layout.stride = width;
        layout.rowLength = width;
        layout.rowCount = height;
        // A frame that overfills is kept with what fitted; one whose data ends early is damaged.
        if (az::UnpackRLE(encoded, imageSize, &layout, image->GetPixels()) == az::kUnpackSourceShort) return false;
    }
    sprite.AddFrame(std::move(image));
    totalPixels += pixels;
    return true;
}

} // namespace

AzMemorySprite* AzSpriteLoader::GetNew(const std::string& name)
{
    static const AzFileSlot::LoaderLines lines{
        "AzSpriteLoader::GetNew - Vl::FileCreate failed.  Returning NULL object. ",
        "AzSpriteLoader::GetNew - returning NULL object. ",
        "AzSpriteLoader::GetNew - unrecognized file extension. "};
    return sSpriteSlot.LoadWithExtension(name, lines, true, "SPX", GetSPX);
}

AzMemorySprite* AzSpriteLoader::GetSPX()
{
    uint32_t length = 0;
    if (!sSpriteSlot.Open() || !sSpriteSlot.Length(length) || length > kMaxFileBytes) return nullptr;
    std::vector<uint8_t> buffer;
    try {
        buffer.resize(length);
    } catch (const std::bad_alloc&) {
        return nullptr;
    }
    if (!sSpriteSlot.ReadExact(buffer.data(), length)) return nullptr;
    return GetSPXFromMemory(buffer.data(), buffer.size());
}

AzMemorySprite* AzSpriteLoader::GetSPXFromMemory(const uint8_t* data, size_t size)
{
    AzByteCursor in(data, size);
    uint32_t tag;
    uint32_t version;
    uint32_t frameCount;
    if (!ReadTagAt(in, 0, tag) || tag != kTagMq2) return nullptr;
    if (!ReadTagAt(in, kSprxAt, tag) || tag != kTagSprx || !in.ReadU32(version) || version != kVersion)
        return nullptr;
    if (!ReadTagAt(in, kFrameCountAt, frameCount) || frameCount > size / kFrameHeaderBytes) return nullptr;

    auto sprite = std::make_unique<AzMemorySprite>(8);
    uint32_t chunkTag;
    uint32_t chunkSize;
    if (!ReadTagAt(in, kFirstChunkAt, chunkTag) || !in.ReadU32(chunkSize)) return nullptr;
    if (chunkTag == kTagPthi && chunkSize > 0 && !ReadPathBlock(in, frameCount, *sprite)) return nullptr;

    if (!FindSpriteBlock(in) || !in.Skip(kBitmapFileHeaderBytes)) return nullptr;
    int64_t totalPixels = 0;
    for (uint32_t i = 0; i < frameCount; ++i) {
        if (!ReadFrame(in, i == 0, *sprite, totalPixels)) return nullptr;
    }

    // A file without path points reports its first point as 0, 0.
    azLog() << "AzSpriteLoader::GetSPX - created an AzMemorySprite with " << frameCount << " frames with the first @ "
            << sprite->GetPathX(0) << ", " << sprite->GetPathY(0) << ", ~" << totalPixels << " bytes.\n"
            << std::flush;
    return sprite.release();
}
