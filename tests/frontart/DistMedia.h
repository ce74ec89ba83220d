// Bounded readers for the generated install tree: 8-bit bitmaps, SPX sprites, alphabets, text lines.
#pragma once

#include <cstdint>
#include <fstream>
#include <iterator>
#include <map>
#include <stdexcept>
#include <string>
#include <vector>

namespace frontart {

inline std::string DistPath(const std::string& relative) { return std::string(SKYRUN_DIST_DIR) + "/" + relative; }

// The game names media with '\'; the install tree stores them with '/'.
inline std::string MediaFile(std::string gameName)
{
    for (char& c : gameName)
        if (c == '\\') c = '/';
    return DistPath("_media/" + gameName);
}

inline std::vector<uint8_t> ReadBytes(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    if (!in) throw std::runtime_error("cannot open " + path);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

inline std::string ReadText(const std::string& path)
{
    const std::vector<uint8_t> bytes = ReadBytes(path);
    return std::string(bytes.begin(), bytes.end());
}

class ByteReader {
public:
    explicit ByteReader(const std::vector<uint8_t>& bytes) : mBytes(bytes) {}
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
    void Need(size_t at, size_t count) const
    {
        if (at > mBytes.size() || count > mBytes.size() - at) throw std::runtime_error("read past the end");
    }

private:
    const std::vector<uint8_t>& mBytes;
};

struct Rgb {
    uint8_t r, g, b;
    bool operator==(const Rgb&) const = default;
};

struct Picture {
    int width = 0;
    int height = 0;
    std::vector<uint8_t> pixels; // top row first
    std::vector<Rgb> colours;    // the bitmap's colour table
    uint8_t At(int x, int y) const { return pixels.at(size_t(y) * width + x); }
};

// An uncompressed 8-bit Windows bitmap, bottom-up, rows padded to four bytes.
inline Picture ReadBmp(const std::string& path)
{
    const std::vector<uint8_t> bytes = ReadBytes(path);
    const ByteReader r(bytes);
    if (r.U16(0) != 0x4D42) throw std::runtime_error(path + ": not a bitmap");
    Picture p;
    p.width = int(r.U32(18));
    p.height = int(r.U32(22));
    if (r.U16(28) != 8 || r.U32(30) != 0) throw std::runtime_error(path + ": not 8-bit uncompressed");
    if (p.width <= 0 || p.height <= 0 || p.width > 4096 || p.height > 4096) throw std::runtime_error(path + ": bad size");
    const size_t tableAt = 14 + r.U32(14);
    for (int i = 0; i < 256; ++i) {
        r.Need(tableAt + 4 * i, 4);
        p.colours.push_back({bytes[tableAt + 4 * i + 2], bytes[tableAt + 4 * i + 1], bytes[tableAt + 4 * i]});
    }
    const size_t stride = (size_t(p.width) + 3) & ~size_t(3);
    const size_t dataAt = r.U32(10);
    r.Need(dataAt, stride * p.height);
    p.pixels.resize(size_t(p.width) * p.height);
    for (int y = 0; y < p.height; ++y)
        for (int x = 0; x < p.width; ++x)
            p.pixels[size_t(y) * p.width + x] = bytes[dataAt + size_t(p.height - 1 - y) * stride + x];
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
};

constexpr uint32_t Tag(const char (&t)[5])
{
    return uint32_t(uint8_t(t[0])) << 24 | uint32_t(uint8_t(t[1])) << 16 | uint32_t(uint8_t(t[2])) << 8 |
           uint32_t(uint8_t(t[3]));
}

// The SPX layout the game reads; every read is checked against the file's size, and every
// row must decode to exactly its width.
inline Sprite ReadSpx(const std::string& path)
{
    const std::vector<uint8_t> bytes = ReadBytes(path);
    const ByteReader r(bytes);
    if (r.U32(0) != Tag("MQ2 ") || r.U32(16) != Tag("SPRX") || r.U32(20) != 2)
        throw std::runtime_error(path + ": not an SPX file");
    const uint32_t frameCount = r.U32(32);
    if (frameCount == 0 || frameCount > 4096) throw std::runtime_error(path + ": bad frame count");
    Sprite sprite;
    size_t at = 48;
    if (r.U32(at) == Tag("PTHI") && r.U32(at + 4) > 0) {
        const uint32_t points = r.U32(at + 8);
        at += 16;
        for (uint32_t i = 0; i < points; ++i, at += 8) sprite.path.push_back({int(r.U32(at)), int(r.U32(at + 4))});
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
                    f.pixels.insert(f.pixels.end(), bytes.begin() + at, bytes.begin() + at + count);
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

// An alphabet as the game builds it: the description's first line names the frames in order,
// and a character's advance is its frame's width.
struct Alphabet {
    std::string characters;
    std::map<char, Frame> glyphs;

    int TextWidth(const std::string& text) const
    {
        int width = 0;
        for (char c : text) {
            const auto it = glyphs.find(c);
            if (it != glyphs.end()) width += it->second.width;
        }
        return width;
    }
    bool Has(char c) const { return glyphs.count(c) != 0; }
    int Height() const { return glyphs.empty() ? 0 : glyphs.begin()->second.height; }
};

inline std::string FirstLine(const std::string& text) { return text.substr(0, text.find_first_of("\r\n")); }

inline Alphabet ReadAlphabet(const std::string& spriteName, const std::string& descriptionName)
{
    Alphabet alphabet;
    const Sprite sprite = ReadSpx(MediaFile(spriteName));
    alphabet.characters = FirstLine(ReadText(MediaFile(descriptionName)));
    for (size_t i = 0; i < alphabet.characters.size() && i < sprite.frames.size(); ++i)
        alphabet.glyphs[alphabet.characters[i]] = sprite.frames[i];
    return alphabet;
}

// Lines as the game takes them: only lines ended by a line end count.
inline std::vector<std::string> EndedLines(const std::string& text)
{
    std::vector<std::string> lines;
    size_t start = 0;
    for (size_t end; (end = text.find('\n', start)) != std::string::npos; start = end + 1) {
        std::string line = text.substr(start, end - start);
        if (!line.empty() && line.back() == '\r') line.pop_back();
        lines.push_back(line);
    }
    return lines;
}

} // namespace frontart
