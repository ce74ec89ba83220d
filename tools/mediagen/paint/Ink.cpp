// Palette colours as cairo sources.
#include "Ink.h"

#include "GamePalette.h"

#include <cmath>

namespace mediagen {

namespace {
const Palette* sInkPalette = nullptr;
} // namespace

Rgb GameColour(int index)
{
    const Palette& palette = sInkPalette != nullptr ? *sInkPalette : GamePalette();
    return palette[static_cast<uint8_t>(index)];
}

ScopedInkPalette::ScopedInkPalette(const Palette& palette) : mPrevious(sInkPalette) { sInkPalette = &palette; }

ScopedInkPalette::~ScopedInkPalette() { sInkPalette = mPrevious; }

void SetInk(cairo_t* cr, int paletteIndex, double alpha) { SetInk(cr, GameColour(paletteIndex), alpha); }

void SetInk(cairo_t* cr, Rgb c, double alpha)
{
    cairo_set_source_rgba(cr, c.r / 255.0, c.g / 255.0, c.b / 255.0, alpha);
}

Rgb MixRgb(Rgb a, Rgb b, double t)
{
    auto mix = [t](uint8_t x, uint8_t y) { return uint8_t(std::lround(x + (y - x) * t)); };
    return {mix(a.r, b.r), mix(a.g, b.g), mix(a.b, b.b)};
}

void AddStop(cairo_pattern_t* pattern, double offset, int paletteIndex, double alpha)
{
    AddStop(pattern, offset, GameColour(paletteIndex), alpha);
}

void AddStop(cairo_pattern_t* pattern, double offset, Rgb c, double alpha)
{
    cairo_pattern_add_color_stop_rgba(pattern, offset, c.r / 255.0, c.g / 255.0, c.b / 255.0, alpha);
}

} // namespace mediagen
