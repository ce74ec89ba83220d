// Whole-picture backdrops: night skies with stars, rolling snowy hills, falling snow.
#pragma once

#include "paint/GamePalette.h"

#include <cairo.h>

#include <cstdint>

namespace mediagen {

// Fills the rectangle (0, 0, width, height) with a sky fading from deep navy at the top
// to twilight at `horizonY`, and scatters `stars` twinkles above it (fixed by `seed`).
void DrawNightSky(cairo_t* cr, double width, double height, double horizonY, int stars, uint32_t seed);

// One band of rolling hills across the width: its top wanders around `topY` by
// `roughness` pixels and it is filled down to `bottomY`. Lit from the upper left.
void DrawSnowyHills(cairo_t* cr, double width, double topY, double bottomY, double roughness, int colour,
                    int shadeColour, uint32_t seed);

// `count` snowflakes scattered over the rectangle, small ones as dots, bigger ones as flakes.
void DrawSnowfall(cairo_t* cr, double width, double height, int count, uint32_t seed);

} // namespace mediagen
