// Nearest-colour search in the Oklab space, where equal distances look about equally different.
#include "Quantizer.h"

#include <algorithm>
#include <cmath>

namespace mediagen {

namespace {

float Linear(uint8_t c)
{
    const float v = c / 255.0f;
    return v <= 0.04045f ? v / 12.92f : std::pow((v + 0.055f) / 1.055f, 2.4f);
}

constexpr int kBayer8[8][8] = {
    {0, 32, 8, 40, 2, 34, 10, 42},  {48, 16, 56, 24, 50, 18, 58, 26}, {12, 44, 4, 36, 14, 46, 6, 38},
    {60, 28, 52, 20, 62, 30, 54, 22}, {3, 35, 11, 43, 1, 33, 9, 41},  {51, 19, 59, 27, 49, 17, 57, 25},
    {15, 47, 7, 39, 13, 45, 5, 37},  {63, 31, 55, 23, 61, 29, 53, 21},
};

uint8_t Clamp255(double v) { return uint8_t(std::clamp(std::lround(v), 0L, 255L)); }

} // namespace

Quantizer::Lab Quantizer::ToLab(Rgb c)
{
    const float r = Linear(c.r), g = Linear(c.g), b = Linear(c.b);
    const float l = std::cbrt(0.4122214708f * r + 0.5363325363f * g + 0.0514459929f * b);
    const float m = std::cbrt(0.2119034982f * r + 0.6806995451f * g + 0.1073969566f * b);
    const float s = std::cbrt(0.0883024619f * r + 0.2817188376f * g + 0.6299787005f * b);
    return {0.2104542553f * l + 0.7936177850f * m - 0.0040720468f * s,
            1.9779984951f * l - 2.4285922050f * m + 0.4505937099f * s,
            0.0259040371f * l + 0.7827717662f * m - 0.8086757660f * s};
}

Quantizer::Quantizer(const Palette& palette) : mPalette(palette)
{
    for (int i = 0; i < 256; ++i) mLab[i] = ToLab(palette[i]);
}

uint8_t Quantizer::Nearest(Rgb c, bool allowReserved)
{
    const uint32_t key = uint32_t(allowReserved) << 24 | uint32_t(c.r) << 16 | uint32_t(c.g) << 8 | c.b;
    if (auto it = mCache.find(key); it != mCache.end()) return it->second;
    const Lab p = ToLab(c);
    float best = 1e30f;
    int bestIndex = 0;
    const int count = allowReserved ? 256 : pal::kTransparent;
    for (int i = 0; i < count; ++i) {
        const float dl = p.l - mLab[i].l, da = p.a - mLab[i].a, db = p.b - mLab[i].b;
        const float d = dl * dl + da * da + db * db;
        if (d < best) {
            best = d;
            bestIndex = i;
        }
    }
    mCache.emplace(key, uint8_t(bestIndex));
    return uint8_t(bestIndex);
}

bool Quantizer::IsPaletteColour(Rgb c, bool allowReserved)
{
    const Rgb p = mPalette[Nearest(c, allowReserved)];
    return p.r == c.r && p.g == c.g && p.b == c.b;
}

IndexedImage Quantizer::Quantize(const Canvas& canvas, const QuantizeOptions& options)
{
    IndexedImage image{canvas.Width(), canvas.Height(), {}};
    image.pixels.resize(size_t(image.width) * image.height);
    for (int y = 0; y < image.height; ++y) {
        for (int x = 0; x < image.width; ++x) {
            const Rgba px = canvas.Pixel(x, y);
            uint8_t& out = image.pixels[size_t(y) * image.width + x];
            if (px.a < options.alphaThreshold) {
                out = pal::kTransparent;
                continue;
            }
            Rgb c{px.r, px.g, px.b};
            // Dither only what lies between palette colours: flat areas painted in an exact
            // palette colour (outlines, black borders, text) stay flat.
            if (options.dither && !IsPaletteColour(c, options.allowReserved)) {
                const double offset = (kBayer8[y & 7][x & 7] + 0.5) / 64.0 - 0.5;
                const double d = offset * options.ditherSpread;
                c = {Clamp255(c.r + d), Clamp255(c.g + d), Clamp255(c.b + d)};
            }
            out = Nearest(c, options.allowReserved);
        }
    }
    return image;
}

IndexedImage QuantizeCanvas(const Canvas& canvas, const Palette& palette, const QuantizeOptions& options)
{
    Quantizer quantizer(palette);
    return quantizer.Quantize(canvas, options);
}

} // namespace mediagen
