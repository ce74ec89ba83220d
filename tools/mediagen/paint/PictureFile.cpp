// Canvas to bitmap, and median-cut palettes for pictures that carry their own colours.
#include "PictureFile.h"

#include "BmpWriter.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace mediagen {

namespace {

// Colours are binned at 5 bits a channel; each bin keeps the exact sums of its pixels.
struct Bin {
    uint32_t key;
    uint64_t count;
    uint64_t r, g, b;
};

struct Box {
    size_t begin, end; // range in the bin list
    uint64_t weight;
    int Channel(const Bin& bin, int axis) const
    {
        return axis == 0 ? (bin.key >> 10) & 31 : axis == 1 ? (bin.key >> 5) & 31 : bin.key & 31;
    }
};

} // namespace

std::vector<uint8_t> EncodeCanvasBmp(const Canvas& canvas, const Palette& palette, const QuantizeOptions& options)
{
    return EncodeBmp8(QuantizeCanvas(canvas, palette, options), palette);
}

Palette FitPalette(const Canvas& canvas)
{
    std::vector<Bin> bins(32768);
    for (uint32_t k = 0; k < bins.size(); ++k) bins[k].key = k;
    for (int y = 0; y < canvas.Height(); ++y) {
        for (int x = 0; x < canvas.Width(); ++x) {
            const Rgba p = canvas.Pixel(x, y);
            if (p.a < 128) continue;
            Bin& bin = bins[uint32_t(p.r >> 3) << 10 | uint32_t(p.g >> 3) << 5 | (p.b >> 3)];
            ++bin.count;
            bin.r += p.r;
            bin.g += p.g;
            bin.b += p.b;
        }
    }
    bins.erase(std::remove_if(bins.begin(), bins.end(), [](const Bin& b) { return b.count == 0; }), bins.end());

    constexpr int kColours = 253;
    std::vector<Box> boxes;
    uint64_t total = 0;
    for (const Bin& b : bins) total += b.count;
    if (!bins.empty()) boxes.push_back({0, bins.size(), total});

    while (boxes.size() < kColours) {
        // Split the box with the greatest weight times extent; ties go to the first box,
        // so the result depends on nothing but the pixels.
        int bestBox = -1, bestAxis = 0;
        double bestScore = 0;
        for (size_t i = 0; i < boxes.size(); ++i) {
            const Box& box = boxes[i];
            if (box.end - box.begin < 2) continue;
            for (int axis = 0; axis < 3; ++axis) {
                int lo = 31, hi = 0;
                for (size_t j = box.begin; j < box.end; ++j) {
                    lo = std::min(lo, box.Channel(bins[j], axis));
                    hi = std::max(hi, box.Channel(bins[j], axis));
                }
                const double score = double(hi - lo) * std::sqrt(double(box.weight));
                if (score > bestScore) {
                    bestScore = score;
                    bestBox = int(i);
                    bestAxis = axis;
                }
            }
        }
        if (bestBox < 0) break;
        Box box = boxes[bestBox];
        std::stable_sort(bins.begin() + box.begin, bins.begin() + box.end, [&](const Bin& a, const Bin& b) {
            return box.Channel(a, bestAxis) < box.Channel(b, bestAxis);
        });
        uint64_t half = 0;
        size_t cut = box.begin;
        while (cut < box.end - 1 && half + bins[cut].count <= box.weight / 2) half += bins[cut++].count;
        if (cut == box.begin) half += bins[cut++].count;
        boxes[bestBox] = {box.begin, cut, half};
        boxes.push_back({cut, box.end, box.weight - half});
    }

    Palette palette{};
    for (size_t i = 0; i < boxes.size(); ++i) {
        uint64_t r = 0, g = 0, b = 0, n = 0;
        for (size_t j = boxes[i].begin; j < boxes[i].end; ++j) {
            r += bins[j].r;
            g += bins[j].g;
            b += bins[j].b;
            n += bins[j].count;
        }
        palette[1 + i] = {uint8_t((r + n / 2) / n), uint8_t((g + n / 2) / n), uint8_t((b + n / 2) / n)};
    }
    palette[pal::kTransparent] = {255, 0, 255};
    return palette;
}

} // namespace mediagen
