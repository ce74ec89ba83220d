// Choosing cairo colours by palette index or RGB, and mixing colours.
#pragma once

#include "MediaImage.h"

#include <cairo.h>

namespace mediagen {

// A colour of the game palette.
Rgb GameColour(int index);

// While one lives, GameColour reads indices from `palette` instead of the game palette, so a
// scene that trades the mixed colours for ramps of its own draws them by index with the kit.
class ScopedInkPalette {
public:
    explicit ScopedInkPalette(const Palette& palette);
    ~ScopedInkPalette();
    ScopedInkPalette(const ScopedInkPalette&) = delete;
    ScopedInkPalette& operator=(const ScopedInkPalette&) = delete;

private:
    const Palette* mPrevious;
};
void SetInk(cairo_t* cr, int paletteIndex, double alpha = 1.0);
void SetInk(cairo_t* cr, Rgb colour, double alpha = 1.0);
// t = 0 gives a, t = 1 gives b.
Rgb MixRgb(Rgb a, Rgb b, double t);
// Adds a colour stop of the game palette to a cairo gradient.
void AddStop(cairo_pattern_t* pattern, double offset, int paletteIndex, double alpha = 1.0);
void AddStop(cairo_pattern_t* pattern, double offset, Rgb colour, double alpha = 1.0);

} // namespace mediagen
