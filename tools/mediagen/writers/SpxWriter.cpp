// SPX sprite file encoder and its row run-length coder.
#include "SpxWriter.h"

#include "BitmapHeaders.h"
#include "ImageCheck.h"

namespace mediagen {

namespace {

constexpr size_t kMaxPacket = 128;

// Length of the run of equal bytes starting at `at`, at most kMaxPacket.
size_t RunLength(const uint8_t* row, size_t at, size_t width)
{
    size_t n = 1;
    while (at + n < width && n < kMaxPacket && row[at + n] == row[at]) ++n;
    return n;
}

void EncodeRow(const uint8_t* row, size_t width, std::vector<uint8_t>& out)
{
    size_t x = 0;
    while (x < width) {
        const size_t run = RunLength(row, x, width);
        // A pair costs as much either way; only runs of three or more break a literal.
        if (run >= 3 || (run == 2 && x + run == width)) {
            out.push_back(static_cast<uint8_t>(run - 1));
            out.push_back(row[x]);
            x += run;
            continue;
        }
        size_t end = x;
        while (end < width && end - x < kMaxPacket && RunLength(row, end, width) < 3) ++end;
        const size_t count = end - x;
        out.push_back(static_cast<uint8_t>(-static_cast<int>(count)));
        out.insert(out.end(), row + x, row + end);
        x = end;
    }
}

Palette GreyRamp()
{
    Palette grey{};
    for (int c = 0; c < 256; ++c) grey[c] = {uint8_t(c), uint8_t(c), uint8_t(c)};
    return grey;
}

} // namespace

std::vector<uint8_t> EncodeSpxPixels(const IndexedImage& image)
{
    CheckImage(image, "EncodeSpxPixels");
    std::vector<uint8_t> out;
    for (int y = 0; y < image.height; ++y) {
        EncodeRow(image.pixels.data() + static_cast<size_t>(y) * image.width, static_cast<size_t>(image.width), out);
    }
    return out;
}

std::vector<uint8_t> EncodeSpx(const std::vector<SpxFrame>& frames, const SpxOptions& options)
{
    std::vector<std::vector<uint8_t>> packed;
    packed.reserve(frames.size());
    for (const SpxFrame& frame : frames) packed.push_back(EncodeSpxPixels(frame.image));

    std::vector<uint8_t> bytes;
    ByteSink out(bytes);
    out.NumberTag("MQ2 ");
    const size_t fileSizeAt = out.Size();
    out.U32(0);
    out.Zeros(8);
    out.NumberTag("SPRX");
    out.U32(2);
    out.Zeros(8);
    out.U32(static_cast<uint32_t>(frames.size()));
    out.Zeros(12);

    out.NumberTag("PTHI");
    if (options.writePath) {
        out.U32(static_cast<uint32_t>(8 + 8 * frames.size()));
        out.U32(static_cast<uint32_t>(frames.size()));
        out.U32(0);
        for (const SpxFrame& frame : frames) {
            out.U32(static_cast<uint32_t>(frame.pathX));
            out.U32(static_cast<uint32_t>(frame.pathY));
        }
    } else {
        out.U32(0);
    }

    out.NumberTag("SPR ");
    const size_t spriteSizeAt = out.Size();
    out.U32(0);
    const size_t spriteStart = out.Size();

    // The bitmap header's size field counts the whole chunk, known only at the end.
    const size_t bitmapSizeAt = out.Size() + 2;
    PutBitmapFileHeader(out, 0);

    for (size_t i = 0; i < frames.size(); ++i) {
        const IndexedImage& image = frames[i].image;
        PutBitmapInfoHeader(out, image.width, image.height, static_cast<uint32_t>(packed[i].size()));
        // The game takes its colours from palette files; a grey ramp keeps the table harmless.
        if (i == 0) PutBitmapColourTable(out, GreyRamp());
        bytes.insert(bytes.end(), packed[i].begin(), packed[i].end());
    }

    out.PatchU32(fileSizeAt, static_cast<uint32_t>(bytes.size() - 8));
    out.PatchU32(spriteSizeAt, static_cast<uint32_t>(bytes.size() - spriteStart));
    out.PatchU32(bitmapSizeAt, static_cast<uint32_t>(bytes.size() - spriteStart));
    return bytes;
}

} // namespace mediagen
