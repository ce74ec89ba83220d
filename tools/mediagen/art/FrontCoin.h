// The high-score coin: a gold coin with Glimmer's head on its face and a star on its back.
#pragma once

#include <cairo.h>

namespace mediagen {

// Draws the coin centred on (cx, cy) with the given radius, turned about its upright axis
// by `turn` (0..1 is one full turn; 0 shows the face square on, 0.5 the back).
void DrawSpinningCoin(cairo_t* cr, double cx, double cy, double radius, double turn);

} // namespace mediagen
