// "Try again!" popping in with a bounce, as the two losing scenes show it.
#pragma once

#include "paint/Canvas.h"

#include <cairo.h>

namespace mediagen {

inline constexpr int kTryAgainFrames = 9;

// Frame i (0..8) of the sign centred on x = 320, its top near y = 132, in screen coordinates.
void DrawTryAgain(cairo_t* cr, int frame);

} // namespace mediagen
