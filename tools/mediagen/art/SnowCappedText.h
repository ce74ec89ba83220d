// Title lettering with a cap of snow lying on top of every letter.
#pragma once

#include "paint/TextPainter.h"

#include <cairo.h>

#include <string>

namespace mediagen {

// How deep the snow lies and how its lower edge undulates along the letters.
struct SnowCap {
    double depth = 6;      // pixels, at the middle of the wave
    double ripple = 0.35;  // how far the depth swings, as a share of it
    double wavelength = 6; // pixels of x per radian of the wave
};

// Draws `text` as DrawText does, then whitens the part of each letter whose pixels a wavy
// `cap.depth` above lie outside the letter.
void DrawSnowCappedText(cairo_t* cr, const TextStyle& style, const std::string& text, double x, double y,
                        const SnowCap& cap);

} // namespace mediagen
