// Bounded little-endian reads over a byte buffer.
#include "AzByteCursor.h"

AzByteCursor::AzByteCursor(const uint8_t* data, size_t size) : mData(data), mSize(data ? size : 0) {}

bool AzByteCursor::ReadU16(uint16_t& value)
{
    const uint8_t* bytes;
    if (!Take(2, bytes)) return false;
    value = static_cast<uint16_t>(bytes[0] | (bytes[1] << 8));
    return true;
}

bool AzByteCursor::ReadU32(uint32_t& value)
{
    const uint8_t* bytes;
    if (!Take(4, bytes)) return false;
    value = static_cast<uint32_t>(bytes[0]) | (static_cast<uint32_t>(bytes[1]) << 8) |
            (static_cast<uint32_t>(bytes[2]) << 16) | (static_cast<uint32_t>(bytes[3]) << 24);
    return true;
}

bool AzByteCursor::ReadI32(int32_t& value)
{
    uint32_t raw;
    if (!ReadU32(raw)) return false;
    value = static_cast<int32_t>(raw);
    return true;
}

bool AzByteCursor::Skip(size_t count)
{
    if (count > Remaining()) return false;
    mPosition += count;
    return true;
}

bool AzByteCursor::Take(size_t count, const uint8_t*& bytes)
{
    if (count > Remaining()) return false;
    bytes = mData + mPosition;
    mPosition += count;
    return true;
}

bool AzByteCursor::SeekTo(size_t position)
{
    if (position > mSize) return false;
    mPosition = position;
    return true;
}
