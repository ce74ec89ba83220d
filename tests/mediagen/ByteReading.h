// Little-endian field reads and an independent SPX row decoder for checking written bytes.
#pragma once

#include <cstdint>
#include <stdexcept>
#include <string>
#include <vector>

namespace mediatest {

inline uint32_t U32At(const std::vector<uint8_t>& b, size_t at)
{
    if (at + 4 > b.size()) throw std::out_of_range("U32At past the end");
    return uint32_t(b[at]) | uint32_t(b[at + 1]) << 8 | uint32_t(b[at + 2]) << 16 | uint32_t(b[at + 3]) << 24;
}

inline uint16_t U16At(const std::vector<uint8_t>& b, size_t at)
{
    if (at + 2 > b.size()) throw std::out_of_range("U16At past the end");
    return uint16_t(b[at] | b[at + 1] << 8);
}

inline std::string CharsAt(const std::vector<uint8_t>& b, size_t at, size_t n = 4)
{
    if (at + n > b.size()) throw std::out_of_range("CharsAt past the end");
    return std::string(b.begin() + at, b.begin() + at + n);
}

// The game's tag numbers: first character in the top byte.
constexpr uint32_t Tag(const char (&t)[5])
{
    return uint32_t(uint8_t(t[0])) << 24 | uint32_t(uint8_t(t[1])) << 16 | uint32_t(uint8_t(t[2])) << 8 |
           uint32_t(uint8_t(t[3]));
}

// Decodes packets as the game does (a row ends once it has `width` pixels) and insists
// that every row ends exactly at its width and the data is used up exactly.
inline std::vector<uint8_t> DecodeSpxPixels(const std::vector<uint8_t>& data, int width, int height)
{
    std::vector<uint8_t> pixels;
    size_t at = 0;
    for (int y = 0; y < height; ++y) {
        size_t produced = 0;
        while (produced < size_t(width)) {
            if (at >= data.size()) throw std::runtime_error("packets end inside a row");
            const int control = int8_t(data[at++]);
            if (control >= 0) {
                if (at >= data.size()) throw std::runtime_error("repeat packet without its byte");
                pixels.insert(pixels.end(), size_t(control) + 1, data[at++]);
                produced += size_t(control) + 1;
            } else {
                const size_t count = size_t(-control);
                if (at + count > data.size()) throw std::runtime_error("literal packet past the end");
                pixels.insert(pixels.end(), data.begin() + at, data.begin() + at + count);
                at += count;
                produced += count;
            }
        }
        if (produced != size_t(width)) throw std::runtime_error("a packet crosses the end of a row");
    }
    if (at != data.size()) throw std::runtime_error("bytes left after the last row");
    return pixels;
}

} // namespace mediatest

#include <array>
#include <fstream>
#include <iterator>

namespace mediatest {

inline std::vector<uint8_t> ReadFileBytes(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return std::vector<uint8_t>((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

// An 8-bit bottom-up bitmap as the game reads it, checked strictly.
struct Bmp8 {
    int width = 0, height = 0;
    std::array<std::array<uint8_t, 3>, 256> colours{}; // r, g, b
    std::vector<uint8_t> pixels;                        // top row first
};

inline Bmp8 ParseBmp8(const std::vector<uint8_t>& b)
{
    if (CharsAt(b, 0, 2) != "BM") throw std::runtime_error("not a bitmap");
    Bmp8 bmp;
    bmp.width = int32_t(U32At(b, 18));
    bmp.height = int32_t(U32At(b, 22));
    if (U16At(b, 28) != 8 || U32At(b, 30) != 0 || U32At(b, 46) != 256 || bmp.width <= 0 || bmp.height <= 0) {
        throw std::runtime_error("not an uncompressed 256-colour bitmap");
    }
    for (int i = 0; i < 256; ++i) bmp.colours[i] = {b.at(54 + 4 * i + 2), b.at(54 + 4 * i + 1), b.at(54 + 4 * i)};
    const size_t stride = (size_t(bmp.width) + 3) & ~size_t(3);
    if (1078 + stride * bmp.height != b.size()) throw std::runtime_error("size does not match the rows");
    bmp.pixels.resize(size_t(bmp.width) * bmp.height);
    for (int y = 0; y < bmp.height; ++y) {
        const size_t from = 1078 + stride * size_t(bmp.height - 1 - y);
        std::copy(b.begin() + from, b.begin() + from + bmp.width, bmp.pixels.begin() + size_t(y) * bmp.width);
    }
    return bmp;
}

} // namespace mediatest
