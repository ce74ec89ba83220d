// Bounded readers for the story pictures in the install tree: 8-bit bitmaps and SPX sprites.
#pragma once

#include <cstdint>
#include <fstream>
#include <iterator>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

namespace storyart {

inline std::vector<uint8_t> ReadBytes(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    if (!in) throw std::runtime_error("cannot open " + path);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// Every read is checked against the size of what was read.
class Bytes {
public:
    explicit Bytes(const std::vector<uint8_t>& bytes) : mBytes(bytes) {}
    void Need(size_t at, size_t count) const
    {
        if (at > mBytes.size() || count > mBytes.size() - at) throw std::runtime_error("read past the end");
    }
    uint32_t U32(size_t at) const
    {
        Need(at, 4);
        return uint32_t(mBytes[at]) | uint32_t(mBytes[at + 1]) << 8 | uint32_t(mBytes[at + 2]) << 16 |
               uint32_t(mBytes[at + 3]) << 24;
    }
    uint16_t U16(size_t at) const
    {
        Need(at, 2);
        return uint16_t(mBytes[at] | mBytes[at + 1] << 8);
    }
    uint8_t U8(size_t at) const
    {
        Need(at, 1);
        return mBytes[at];
    }

private:
    const std::vector<uint8_t>& mBytes;
};

struct Colour {
    uint8_t r, g, b;
    bool operator==(const Colour&) const = default;
};

struct Picture {
    int width = 0;
    int height = 0;
    std::vector<uint8_t> pixels;  // top row first
    std::vector<Colour> colours;  // the colour table, 256 entries
    uint8_t At(int x, int y) const { return pixels.at(size_t(y) * width + x); }
};

// An uncompressed 8-bit Windows bitmap, bottom-up, rows padded to four bytes.
inline Picture ReadBmp(const std::string& path)
{
    const std::vector<uint8_t> bytes = ReadBytes(path);
    const Bytes r(bytes);
    if (r.U16(0) != 0x4D42) throw std::runtime_error(path + ": not a bitmap");
    Picture p;
    p.width = int(r.U32(18));
    p.height = int(r.U32(22));
    if (r.U16(28) != 8 || r.U32(30) != 0) throw std::runtime_error(path + ": not 8-bit uncompressed");
    if (p.width <= 0 || p.height <= 0 || p.width > 4096 || p.height > 4096) throw std::runtime_error(path + ": bad size");
    const size_t tableAt = 14 + size_t(r.U32(14));
    r.Need(tableAt, 1024);
    for (size_t i = 0; i < 256; ++i)
        p.colours.push_back({r.U8(tableAt + 4 * i + 2), r.U8(tableAt + 4 * i + 1), r.U8(tableAt + 4 * i)});
    const size_t stride = (size_t(p.width) + 3) & ~size_t(3);
    const size_t dataAt = r.U32(10);
    r.Need(dataAt, stride * size_t(p.height));
    p.pixels.resize(size_t(p.width) * size_t(p.height));
    for (int y = 0; y < p.height; ++y)
        for (int x = 0; x < p.width; ++x)
            p.pixels[size_t(y) * p.width + x] = bytes[dataAt + size_t(p.height - 1 - y) * stride + size_t(x)];
    return p;
}

struct Frame {
    int width = 0;
    int height = 0;
    std::vector<uint8_t> pixels;
    uint8_t At(int x, int y) const { return pixels.at(size_t(y) * width + x); }
};

struct Sprite {
    std::vector<Frame> frames;
    std::vector<std::pair<int, int>> path;
    // Where frame i lands when the game draws the sprite at (x, y).
    std::pair<int, int> PlaceOf(size_t i, int x, int y) const
    {
        if (path.size() <= i) return {x, y};
        return {x + path[i].first - path[0].first, y + path[i].second - path[0].second};
    }
};

constexpr uint32_t Tag(const char (&t)[5])
{
    return uint32_t(uint8_t(t[0])) << 24 | uint32_t(uint8_t(t[1])) << 16 | uint32_t(uint8_t(t[2])) << 8 |
           uint32_t(uint8_t(t[3]));
}

// The SPX layout the game reads; every row must decode to exactly its width.
inline Sprite ReadSpx(const std::string& path)
{
    const std::vector<uint8_t> bytes = ReadBytes(path);
    const Bytes r(bytes);
    if (r.U32(0) != Tag("MQ2 ") || r.U32(16) != Tag("SPRX") || r.U32(20) != 2)
        throw std::runtime_error(path + ": not an SPX file");
    const uint32_t frameCount = r.U32(32);
    if (frameCount == 0 || frameCount > 4096) throw std::runtime_error(path + ": bad frame count");
    Sprite sprite;
    size_t at = 48;
    if (r.U32(at) == Tag("PTHI") && r.U32(at + 4) > 0) {
        const uint32_t points = r.U32(at + 8);
        if (points > 4096) throw std::runtime_error(path + ": bad point count");
        at += 16;
        for (uint32_t i = 0; i < points; ++i, at += 8)
            sprite.path.push_back({int32_t(r.U32(at)), int32_t(r.U32(at + 4))});
    } else {
        at += 8;
    }
    while (r.U32(at) != Tag("SPR ")) at += 8;
    at += 8 + 14;
    for (uint32_t i = 0; i < frameCount; ++i) {
        Frame f;
        f.width = int(r.U32(at + 4));
        f.height = int(r.U32(at + 8));
        const size_t encoded = r.U32(at + 20);
        at += 40 + (i == 0 ? 1024 : 0);
        if (f.width <= 0 || f.height <= 0 || f.width > 4096 || f.height > 4096)
            throw std::runtime_error(path + ": bad frame size");
        r.Need(at, encoded);
        const size_t end = at + encoded;
        for (int y = 0; y < f.height; ++y) {
            int produced = 0;
            while (produced < f.width) {
                if (at >= end) throw std::runtime_error(path + ": packets end inside a row");
                const int control = int8_t(bytes[at++]);
                const int count = control >= 0 ? control + 1 : -control;
                if (produced + count > f.width) throw std::runtime_error(path + ": a packet crosses a row end");
                if (control >= 0) {
                    if (at >= end) throw std::runtime_error(path + ": repeat without its byte");
                    f.pixels.insert(f.pixels.end(), size_t(count), bytes[at++]);
                } else {
                    if (end - at < size_t(count)) throw std::runtime_error(path + ": literal past the end");
                    f.pixels.insert(f.pixels.end(), bytes.begin() + long(at), bytes.begin() + long(at) + count);
                    at += size_t(count);
                }
                produced += count;
            }
        }
        if (at != end) throw std::runtime_error(path + ": frame data longer than its pixels");
        sprite.frames.push_back(std::move(f));
    }
    return sprite;
}

} // namespace storyart
