// Palette loading from bitmap colour tables and RIFF "PAL " files.
#include "AzPaletteLoader.h"

#include "AzBitmapHeader.h"
#include "AzByteCursor.h"
#include "AzFileSlot.h"
#include "AzMemoryPalette.h"

#include <algorithm>
#include <memory>
#include <utility>

namespace {

AzFileSlot sPaletteSlot;

// Tags are compared as the little-endian numbers the four characters make.
constexpr uint32_t kTagRiff = 0x46464952;
constexpr uint32_t kTagPal = 0x204C4150;
constexpr uint32_t kTagData = 0x61746164;

constexpr uint32_t kRiffHeaderBytes = 12;
constexpr uint32_t kChunkHeaderBytes = 8;
// The palette version and entry count that open a "data" chunk.
constexpr uint32_t kDataFieldsBytes = 4;

bool ReadU32Pair(AzFileSlot& slot, uint32_t& first, uint32_t& second)
{
    uint8_t bytes[8];
    if (!slot.ReadExact(bytes, sizeof bytes)) return false;
    AzByteCursor in(bytes, sizeof bytes);
    return in.ReadU32(first) && in.ReadU32(second);
}

// Reads one "data" chunk; more than 256 entries are cut to the storage.
std::unique_ptr<AzMemoryPalette> ReadDataChunk(AzFileSlot& slot, uint32_t chunkSize)
{
    if (chunkSize < kDataFieldsBytes) return nullptr;
    auto palette = std::make_unique<AzMemoryPalette>();
    // The two header fields land in entry 0 and are overwritten by the entries at once.
    if (!slot.ReadExact(palette->GetEntries(), kDataFieldsBytes)) return nullptr;
    const uint32_t entryBytes =
        std::min<uint32_t>(chunkSize - kDataFieldsBytes, AzMemoryPalette::kStorageBytes);
    if (!slot.ReadExact(palette->GetEntries(), entryBytes)) return nullptr;
    return palette;
}

} // namespace

AzMemoryPalette* AzPaletteLoader::GetNew(const std::string& name)
{
    static const AzFileSlot::LoaderLines lines{
        "AzPaletteLoader::GetNew - VlFileCreate failed.  Returning NULL object. ",
        "AzPaletteLoader::GetNew - returning NULL object. "};
    // Unlike the image loader, a file that cannot be made is logged whatever azLogFileErrors says.
    return sPaletteSlot.Load(name, lines, true, []() -> AzMemoryPalette* {
        const std::string extension = sPaletteSlot.Extension();
        return (extension == "BMP" || extension == "DIB") ? GetDIBPalette() : GetRIFFPalette();
    });
}

AzMemoryPalette* AzPaletteLoader::GetDIBPalette()
{
    AzBitmapHeader header;
    if (!sPaletteSlot.Open() || !header.Read(sPaletteSlot)) return nullptr;

    const uint32_t count = std::min<uint32_t>(header.colorsUsed, AzMemoryPalette::kEntryCount);
    auto palette = std::make_unique<AzMemoryPalette>();
    palette->SetCount(count);
    uint8_t* entries = palette->GetEntries();
    if (!sPaletteSlot.ReadExact(entries, count * AzMemoryPalette::kEntryBytes)) return nullptr;
    // The file stores blue, green, red; the display wants red, green, blue.
    for (uint32_t i = 0; i < count; ++i) std::swap(entries[i * 4], entries[i * 4 + 2]);
    return palette.release();
}

AzMemoryPalette* AzPaletteLoader::GetRIFFPalette()
{
    uint32_t tag;
    uint32_t riffSize;
    if (!sPaletteSlot.Open() || !ReadU32Pair(sPaletteSlot, tag, riffSize) || tag != kTagRiff) return nullptr;

    uint8_t formBytes[4];
    if (!sPaletteSlot.SeekTo(8) || !sPaletteSlot.ReadExact(formBytes, sizeof formBytes)) return nullptr;
    uint32_t form;
    AzByteCursor formCursor(formBytes, sizeof formBytes);
    if (!formCursor.ReadU32(form) || form != kTagPal) return nullptr;

    uint32_t fileLength = 0;
    if (!sPaletteSlot.Length(fileLength)) return nullptr;

    // Chunks are walked by their sizes within the RIFF size; the walk also stops at the
    // end of the file, so a RIFF size larger than the file cannot send it astray.
    std::unique_ptr<AzMemoryPalette> palette;
    uint64_t position = kRiffHeaderBytes;
    int64_t bytesLeft = static_cast<int64_t>(riffSize) - 4;
    while (bytesLeft > 0 && position + kChunkHeaderBytes <= fileLength) {
        uint32_t chunkTag;
        uint32_t chunkSize;
        if (!sPaletteSlot.SeekTo(static_cast<uint32_t>(position)) || !ReadU32Pair(sPaletteSlot, chunkTag, chunkSize))
            return nullptr;
        if (chunkTag == kTagData) {
            palette = ReadDataChunk(sPaletteSlot, chunkSize);
            if (!palette) return nullptr;
        }
        bytesLeft -= static_cast<int64_t>(chunkSize) + kChunkHeaderBytes;
        position += static_cast<uint64_t>(chunkSize) + kChunkHeaderBytes;
    }
    return palette.release();
}
