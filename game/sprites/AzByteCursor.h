// A little-endian reader over a byte buffer that refuses every read past its end.
#pragma once

#include <cstddef>
#include <cstdint>

class AzByteCursor {
public:
    AzByteCursor(const uint8_t* data, size_t size);

    // Each read either succeeds whole and moves on, or fails and leaves the cursor where it was.
    bool ReadU16(uint16_t& value);
    bool ReadU32(uint32_t& value);
    bool ReadI32(int32_t& value);
    bool Skip(size_t count);
    // Hands out a pointer to the next count bytes and moves past them.
    bool Take(size_t count, const uint8_t*& bytes);
    bool SeekTo(size_t position);

    size_t Position() const { return mPosition; }
    size_t Remaining() const { return mSize - mPosition; }

private:
    const uint8_t* mData;
    size_t mSize;
    size_t mPosition = 0;
};
