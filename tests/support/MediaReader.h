// Bounded readers for the media files tests check: little-endian fields, 8-bit bitmaps, SPX sprites.
#pragma once

#include <algorithm>
#include <cstdint>
#include <fstream>
#include <iterator>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

namespace mediatest {

inline std::vector<uint8_t> ReadFileBytes(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    if (!in) throw std::runtime_error("cannot open " + path);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

inline std::string DistPath(const std::string& relative) { return std::string(SKYRUN_DIST_DIR) + "/" + relative; }

// The game names media with '\'; the install tree stores them with '/'.
inline std::string MediaFile(std::string gameName)
{
    std::replace(gameName.begin(), gameName.end(), '\\', '/');
    return DistPath("_media/" + gameName);
}

// Every field read is checked against the bytes there are.
inline void NeedBytes(const std::vector<uint8_t>& b, size_t at, size_t count)
{
    if (at > b.size() || count > b.size() - at) throw std::runtime_error("read past the end");
}

inline uint8_t U8At(const std::vector<uint8_t>& b, size_t at)
{
    NeedBytes(b, at, 1);
    return b[at];
}

inline uint16_t U16At(const std::vector<uint8_t>& b, size_t at)
{
    NeedBytes(b, at, 2);
    return uint16_t(b[at] | b[at + 1] << 8);
}

inline uint32_t U32At(const std::vector<uint8_t>& b, size_t at)
{
    NeedBytes(b, at, 4);
    return uint32_t(b[at]) | uint32_t(b[at + 1]) << 8 | uint32_t(b[at + 2]) << 16 | uint32_t(b[at + 3]) << 24;
}

inline std::string CharsAt(const std::vector<uint8_t>& b, size_t at, size_t n = 4)
{
    NeedBytes(b, at, n);
    return std::string(b.begin() + long(at), b.begin() + long(at + n));
}

// The game's tag numbers: first character in the top byte.
constexpr uint32_t Tag(const char (&t)[5])
{
    return uint32_t(uint8_t(t[0])) << 24 | uint32_t(uint8_t(t[1])) << 16 | uint32_t(uint8_t(t[2])) << 8 |
           uint32_t(uint8_t(t[3]));
}

struct Colour {
    uint8_t r, g, b;
    bool operator==(const Colour&) const = default;
};

struct Picture {
    int width = 0;
    int height = 0;
    std::vector<uint8_t> pixels; // top row first
    std::vector<Colour> colours; // the colour table, 256 entries
    uint8_t At(int x, int y) const { return pixels.at(size_t(y) * width + x); }
};

// An uncompressed 256-colour Windows bitmap, bottom-up, rows padded to four bytes, checked
// strictly: nothing may follow the last row.
inline Picture ParseBmp(const std::vector<uint8_t>& b, const std::string& name = "bitmap")
{
    if (CharsAt(b, 0, 2) != "BM") throw std::runtime_error(name + ": not a bitmap");
    Picture p;
    p.width = int32_t(U32At(b, 18));
    p.height = int32_t(U32At(b, 22));
    if (U16At(b, 28) != 8 || U32At(b, 30) != 0 || U32At(b, 46) != 256)
        throw std::runtime_error(name + ": not an uncompressed 256-colour bitmap");
    if (p.width <= 0 || p.height <= 0 || p.width > 4096 || p.height > 4096)
        throw std::runtime_error(name + ": bad size");
    const size_t tableAt = 14 + size_t(U32At(b, 14));
    NeedBytes(b, tableAt, 1024);
    for (size_t i = 0; i < 256; ++i)
        p.colours.push_back({b[tableAt + 4 * i + 2], b[tableAt + 4 * i + 1], b[tableAt + 4 * i]});
    const size_t stride = (size_t(p.width) + 3) & ~size_t(3);
    const size_t dataAt = U32At(b, 10);
    NeedBytes(b, dataAt, stride * size_t(p.height));
    if (dataAt + stride * size_t(p.height) != b.size())
        throw std::runtime_error(name + ": size does not match the rows");
    p.pixels.resize(size_t(p.width) * size_t(p.height));
    for (int y = 0; y < p.height; ++y) {
        const auto row = b.begin() + long(dataAt + size_t(p.height - 1 - y) * stride);
        std::copy(row, row + p.width, p.pixels.begin() + long(y) * p.width);
    }
    return p;
}

inline Picture ReadBmp(const std::string& path) { return ParseBmp(ReadFileBytes(path), path); }

struct Frame {
    int width = 0;
    int height = 0;
    std::vector<uint8_t> pixels;
    uint8_t At(int x, int y) const { return pixels.at(size_t(y) * width + x); }
};

struct Sprite {
    std::vector<Frame> frames;
    std::vector<std::pair<int, int>> path;
    // Where the parts were found, for checking a writer's layout.
    size_t spritesAt = 0;
    std::vector<size_t> frameHeaderAt;

    // Where frame i lands when the game draws the sprite at (x, y).
    std::pair<int, int> PlaceOf(size_t i, int x, int y) const
    {
        if (path.size() <= i) return {x, y};
        return {x + path[i].first - path[0].first, y + path[i].second - path[0].second};
    }
};

// Packets as the game decodes them (a row ends once it has `width` pixels), insisting that
// every row ends exactly at its width and that the data is used up exactly.
inline std::vector<uint8_t> DecodeSpxRows(const std::vector<uint8_t>& b, size_t at, size_t size, int width,
                                          int height)
{
    NeedBytes(b, at, size);
    const size_t end = at + size;
    std::vector<uint8_t> pixels;
    for (int y = 0; y < height; ++y) {
        int produced = 0;
        while (produced < width) {
            if (at >= end) throw std::runtime_error("packets end inside a row");
            const int control = int8_t(b[at++]);
            const int count = control >= 0 ? control + 1 : -control;
            if (produced + count > width) throw std::runtime_error("a packet crosses the end of a row");
            if (control >= 0) {
                if (at >= end) throw std::runtime_error("repeat packet without its byte");
                pixels.insert(pixels.end(), size_t(count), b[at++]);
            } else {
                if (end - at < size_t(count)) throw std::runtime_error("literal packet past the end");
                pixels.insert(pixels.end(), b.begin() + long(at), b.begin() + long(at) + count);
                at += size_t(count);
            }
            produced += count;
        }
    }
    if (at != end) throw std::runtime_error("bytes left after the last row");
    return pixels;
}

// The SPX layout the game reads, walked as the game walks it, with every chunk size, header
// and frame checked against the file.
inline Sprite ParseSpx(const std::vector<uint8_t>& b, const std::string& name = "sprite")
{
    if (U32At(b, 0) != Tag("MQ2 ") || U32At(b, 16) != Tag("SPRX") || U32At(b, 20) != 2)
        throw std::runtime_error(name + ": not an SPX file");
    const uint32_t frameCount = U32At(b, 32);
    if (frameCount > 4096) throw std::runtime_error(name + ": bad frame count");
    Sprite sprite;
    size_t at = 56;
    if (U32At(b, 48) == Tag("PTHI") && U32At(b, 52) > 0) {
        const uint32_t points = U32At(b, 56);
        if (points > 4096) throw std::runtime_error(name + ": bad point count");
        if (U32At(b, 52) != 8 + 8 * points) throw std::runtime_error(name + ": path chunk size");
        at = 64;
        for (uint32_t i = 0; i < points; ++i, at += 8)
            sprite.path.push_back({int32_t(U32At(b, at)), int32_t(U32At(b, at + 4))});
    }
    while (U32At(b, at) != Tag("SPR ")) at += 8;
    sprite.spritesAt = at;
    if (U32At(b, at + 4) != b.size() - at - 8) throw std::runtime_error(name + ": sprite chunk size");
    at += 8;
    if (CharsAt(b, at, 2) != "BM") throw std::runtime_error(name + ": no bitmap header");
    at += 14;
    for (uint32_t i = 0; i < frameCount; ++i) {
        sprite.frameHeaderAt.push_back(at);
        if (U32At(b, at) != 40) throw std::runtime_error(name + ": frame header size");
        Frame f;
        f.width = int32_t(U32At(b, at + 4));
        f.height = int32_t(U32At(b, at + 8));
        const size_t encoded = U32At(b, at + 20);
        at += 40 + (i == 0 ? 1024 : 0);
        if (f.width <= 0 || f.height <= 0 || f.width > 4096 || f.height > 4096)
            throw std::runtime_error(name + ": bad frame size");
        f.pixels = DecodeSpxRows(b, at, encoded, f.width, f.height);
        at += encoded;
        sprite.frames.push_back(std::move(f));
    }
    if (at != b.size()) throw std::runtime_error(name + ": bytes after the last frame");
    return sprite;
}

// A sprite the game loads has at least one frame.
inline Sprite ReadSpx(const std::string& path)
{
    Sprite sprite = ParseSpx(ReadFileBytes(path), path);
    if (sprite.frames.empty()) throw std::runtime_error(path + ": no frames");
    return sprite;
}

} // namespace mediatest
