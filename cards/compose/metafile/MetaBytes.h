// A bounded little-endian reader over one metafile record: every read past the end fails.
#pragma once

#include <cstddef>
#include <cstdint>

class MetaBytes {
public:
    MetaBytes(const uint8_t* data, size_t size) : mData(data), mSize(size) {}

    size_t Size() const { return mSize; }
    const uint8_t* Data() const { return mData; }
    bool Has(size_t offset, size_t count) const { return offset <= mSize && count <= mSize - offset; }

    bool U8(size_t offset, uint8_t& out) const
    {
        if (!Has(offset, 1)) return false;
        out = mData[offset];
        return true;
    }
    bool U16(size_t offset, uint16_t& out) const
    {
        if (!Has(offset, 2)) return false;
        out = static_cast<uint16_t>(mData[offset] | (mData[offset + 1] << 8));
        return true;
    }
    bool I16(size_t offset, int16_t& out) const
    {
        uint16_t value = 0;
        if (!U16(offset, value)) return false;
        out = static_cast<int16_t>(value);
        return true;
    }
    bool U32(size_t offset, uint32_t& out) const
    {
        if (!Has(offset, 4)) return false;
        out = static_cast<uint32_t>(mData[offset]) | (static_cast<uint32_t>(mData[offset + 1]) << 8) |
              (static_cast<uint32_t>(mData[offset + 2]) << 16) | (static_cast<uint32_t>(mData[offset + 3]) << 24);
        return true;
    }
    bool I32(size_t offset, int32_t& out) const
    {
        uint32_t value = 0;
        if (!U32(offset, value)) return false;
        out = static_cast<int32_t>(value);
        return true;
    }
    bool F32(size_t offset, float& out) const;

    // The sub-range [offset, offset + count), or an empty reader when it does not fit.
    MetaBytes Slice(size_t offset, size_t count) const
    {
        if (!Has(offset, count)) return MetaBytes(nullptr, 0);
        return MetaBytes(mData + offset, count);
    }

private:
    const uint8_t* mData;
    size_t mSize;
};
