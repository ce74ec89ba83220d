// Palette, bob and bob-sprite loading, and the bounded run-length decoder.
#include "AzLoaders.h"

#include "AzBlitterObject.h"
#include "AzBobSprite.h"
#include "AzImageLoader.h"
#include "AzMemoryImage.h"
#include "AzMemoryPalette.h"
#include "AzMemorySprite.h"
#include "AzPaletteLoader.h"
#include "AzSpriteLoader.h"
#include "VlLog.h"
#include "lrDisplay.h"

#include <algorithm>
#include <cstring>
#include <memory>

namespace az {

bool SetPaletteFromFile(const std::string& name)
{
    std::unique_ptr<AzMemoryPalette> palette(AzPaletteLoader::GetNew(name));
    if (!palette) {
        azLog() << "az::SetPaletteFromFile - memPalette NULL - didn't call lrSetPalette.\n" << std::flush;
        return false;
    }
    // All 256 entries go to the display whatever the palette's count; a windowed display
    // answers 0 here while still taking the colours, so the answer is not looked at.
    lrSetPalette(palette->GetEntries(), AzMemoryPalette::kEntryCount, 0);
    return true;
}

AzBlitterObject* LoadBlitterObject(const std::string& name)
{
    std::unique_ptr<AzMemoryImage> image(AzImageLoader::GetNew(name));
    if (!image) return nullptr;
    auto* bob = new AzBlitterObject(image->GetWidth(), image->GetHeight(), 0);
    bob->LoadFromMemory(image->GetPixels());
    return bob;
}

AzBobSprite* LoadBobSprite(const std::string& name)
{
    std::unique_ptr<AzMemorySprite> memorySprite(AzSpriteLoader::GetNew(name));
    if (!memorySprite) return nullptr;
    auto* sprite = new AzBobSprite();
    sprite->SetFromMemorySprite(*memorySprite);
    return sprite;
}

namespace {

class PacketSource {
public:
    PacketSource(const uint8_t* data, size_t length) : mData(data), mLength(length) {}

    bool Take(size_t count, const uint8_t*& bytes)
    {
        if (count > mLength - mAt) return false;
        bytes = mData + mAt;
        mAt += count;
        return true;
    }
    size_t Remaining() const { return mLength - mAt; }

private:
    const uint8_t* mData;
    size_t mLength;
    size_t mAt = 0;
};

bool IsValidLayout(const RleLayout* layout)
{
    return layout && layout->channels >= 1 && layout->elementSize >= 1 && layout->stride >= 0 &&
           layout->rowLength >= 0 && layout->rowCount >= 0;
}

// The common case (one channel of bytes) fills and copies whole runs at once.
int UnpackByteRow(PacketSource& source, int64_t rowStart, int64_t rowLength, int64_t capacity, uint8_t* destination)
{
    int64_t produced = 0;
    while (produced < rowLength) {
        const uint8_t* control;
        if (!source.Take(1, control)) return kUnpackSourceShort;
        const int c = static_cast<int8_t>(*control);
        const int64_t count = c >= 0 ? c + 1 : -c;
        const int64_t offset = rowStart + produced;
        const int64_t fits = std::clamp<int64_t>(capacity - offset, 0, count);
        if (c >= 0) {
            const uint8_t* value;
            if (!source.Take(1, value)) return kUnpackSourceShort;
            if (fits > 0) std::memset(destination + offset, *value, static_cast<size_t>(fits));
        } else {
            const int64_t available = std::min<int64_t>(fits, static_cast<int64_t>(source.Remaining()));
            const uint8_t* bytes = nullptr;
            source.Take(static_cast<size_t>(available), bytes);
            if (available > 0) std::memcpy(destination + offset, bytes, static_cast<size_t>(available));
            if (available < fits) return kUnpackSourceShort;
        }
        if (fits < count) return kUnpackFull;
        produced += count;
    }
    return kUnpackOk;
}

int UnpackElementRow(PacketSource& source, const RleLayout& layout, int64_t rowStart, int32_t channel,
                     int64_t capacity, uint8_t* destination)
{
    const int64_t element = layout.elementSize;
    const int64_t step = element * layout.channels;
    int64_t produced = 0;
    while (produced < layout.rowLength) {
        const uint8_t* control;
        if (!source.Take(1, control)) return kUnpackSourceShort;
        const int c = static_cast<int8_t>(*control);
        const int64_t count = c >= 0 ? c + 1 : -c;
        const uint8_t* value = nullptr;
        if (c >= 0 && !source.Take(static_cast<size_t>(element), value)) return kUnpackSourceShort;
        for (int64_t n = 0; n < count; ++n, ++produced) {
            const int64_t offset = rowStart + produced * step + channel * element;
            if (offset + element > capacity) return kUnpackFull;
            if (c < 0 && !source.Take(static_cast<size_t>(element), value)) return kUnpackSourceShort;
            std::memcpy(destination + offset, value, static_cast<size_t>(element));
        }
    }
    return kUnpackOk;
}

} // namespace

int UnpackRLE(const uint8_t* source, size_t sourceLength, const RleLayout* layout, uint8_t* destination)
{
    if (!IsValidLayout(layout)) return kUnpackNoLayout;
    if (!destination) return kUnpackNoDestination;
    if (!source) return kUnpackFull;

    PacketSource packets(source, sourceLength);
    const int64_t capacity = static_cast<int64_t>(layout->stride) * layout->rowCount;
    const bool bytes = layout->channels == 1 && layout->elementSize == 1;
    for (int32_t row = 0; row < layout->rowCount; ++row) {
        const int64_t rowStart = static_cast<int64_t>(row) * layout->stride;
        for (int32_t channel = 0; channel < layout->channels; ++channel) {
            const int result = bytes ? UnpackByteRow(packets, rowStart, layout->rowLength, capacity, destination)
                                     : UnpackElementRow(packets, *layout, rowStart, channel, capacity, destination);
            if (result != kUnpackOk) return result;
        }
    }
    return kUnpackOk;
}

} // namespace az
