// Turns an RGBA canvas into palette indices: nearest colour by eye, optional ordered dither.
#pragma once

#include "Canvas.h"
#include "GamePalette.h"
#include "MediaImage.h"

#include <array>
#include <cstdint>
#include <unordered_map>

namespace mediagen {

struct QuantizeOptions {
    // Ordered (8x8 Bayer) dithering: for large soft backgrounds such as skies. Never for
    // sprites or text, whose flat areas must stay flat.
    bool dither = false;
    // Spread of the dither in 0..255 colour steps.
    double ditherSpread = 20.0;
    // Pixels less opaque than this become the transparent key.
    int alphaThreshold = 128;
    // Lets opaque pixels take 254 and 255. Off, an opaque pixel never turns transparent
    // and never takes the clear colour (which later screens may not keep black).
    bool allowReserved = false;
};

class Quantizer {
public:
    explicit Quantizer(const Palette& palette = GamePalette());

    uint8_t Nearest(Rgb colour, bool allowReserved = false);
    IndexedImage Quantize(const Canvas& canvas, const QuantizeOptions& options = {});

private:
    struct Lab {
        float l, a, b;
    };
    static Lab ToLab(Rgb colour);
    bool IsPaletteColour(Rgb colour, bool allowReserved);

    Palette mPalette;

    std::array<Lab, 256> mLab{};
    std::unordered_map<uint32_t, uint8_t> mCache;
};

// One-call form with a fresh quantizer.
IndexedImage QuantizeCanvas(const Canvas& canvas, const Palette& palette = GamePalette(),
                            const QuantizeOptions& options = {});

} // namespace mediagen
