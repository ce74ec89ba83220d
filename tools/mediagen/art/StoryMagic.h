// Magic light for the story scenes: a ring of light that opens like an iris, and sparkles.
#pragma once

#include <cairo.h>

namespace mediagen {

// A golden ring full of soft light, centred on (cx, cy). `open` 0..1 grows it from a
// bright point to `radius`; `spin` turns the sparkles riding on its rim (whole turns).
void DrawMagicRing(cairo_t* cr, double cx, double cy, double radius, double open, double spin);

enum class SparkleKind {
    GoldTwinkle, // a four-pointed gold glint with a white heart
    IceStar,     // an eight-pointed white and ice-blue star in a thin ring
};

// One sparkle's life: `life` 0 is nothing, it flares to full size at 0.5 and fades out by 1,
// turning a little as it goes; small dots fly out from it in the second half.
void DrawSparkle(cairo_t* cr, double cx, double cy, double size, double life, SparkleKind kind);

} // namespace mediagen
