// Appends little- and big-endian numbers and four-character tags to a byte vector.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace mediagen {

class ByteSink {
public:
    explicit ByteSink(std::vector<uint8_t>& bytes) : mBytes(bytes) {}

    void U8(uint32_t v) { mBytes.push_back(static_cast<uint8_t>(v)); }
    void U16(uint32_t v) { U8(v); U8(v >> 8); }
    void U32(uint32_t v) { U16(v); U16(v >> 16); }
    void U16BE(uint32_t v) { U8(v >> 8); U8(v); }
    void U32BE(uint32_t v) { U16BE(v >> 16); U16BE(v); }
    void Zeros(std::size_t count) { mBytes.insert(mBytes.end(), count, 0); }
    // The four characters in reading order, as RIFF and AIFF store them.
    void Chars(const char (&tag)[5]) { for (int i = 0; i < 4; ++i) U8(static_cast<uint8_t>(tag[i])); }
    // A tag as a number with its first character in the top byte, stored little-endian (SPX).
    void NumberTag(const char (&tag)[5]) {
        U32((uint32_t(uint8_t(tag[0])) << 24) | (uint32_t(uint8_t(tag[1])) << 16) |
            (uint32_t(uint8_t(tag[2])) << 8) | uint32_t(uint8_t(tag[3])));
    }
    std::size_t Size() const { return mBytes.size(); }
    // Overwrites a 32-bit little-endian number written earlier (sizes known only at the end).
    void PatchU32(std::size_t at, uint32_t v) {
        for (int i = 0; i < 4; ++i) mBytes[at + i] = static_cast<uint8_t>(v >> (8 * i));
    }

private:
    std::vector<uint8_t>& mBytes;
};

} // namespace mediagen
