// Things of the winter sky: snowflakes, stars, twinkles and the moon.
#pragma once

#include "paint/GamePalette.h"

#include <cairo.h>

namespace mediagen {

// A six-armed snowflake with side branches, centred at (x, y); no outline (it is drawn
// over skies). Reads as a flake from a radius of about 4 up.
void DrawSnowflake(cairo_t* cr, double x, double y, double radius, double rotation = 0,
                   int colour = pal::kSnow[15]);

// A five-pointed star with a dark outline and a highlight, the kind found on a tree top.
void DrawStar(cairo_t* cr, double x, double y, double radius, double rotation = 0, int colour = pal::kGold[11]);

// A four-pointed twinkle for night skies; `shine` 0..1 lengthens the points (animate it).
void DrawTwinkle(cairo_t* cr, double x, double y, double radius, double shine = 1, int colour = pal::kGold[14]);

// The moon: a full, cratered disc or a crescent (opening to the left), with a soft glow
// when `glow` (for backgrounds only: the glow's edge is soft).
void DrawMoon(cairo_t* cr, double x, double y, double radius, bool crescent = false, bool glow = true);

} // namespace mediagen
