// Decorations of the front-end screens: panels behind texts, banners, lights, holly, snow banks.
#pragma once

#include <cairo.h>

namespace mediagen {

// A dark frosted board with an ice border and a gold trim, optionally with snow and icicles
// along its top edge: text written on it in light letters reads clearly.
void DrawFrostPanel(cairo_t* cr, double x, double y, double width, double height, bool snowCap);
// A wire hung from (x0, y0) to (x1, y1) sagging by `sag`, with `bulbs` coloured bulbs.
void DrawLightString(cairo_t* cr, double x0, double y0, double x1, double y1, double sag, int bulbs);
// Two holly leaves and three berries, centred on (cx, cy); size is about the leaf length.
void DrawHolly(cairo_t* cr, double cx, double cy, double size, double angle = 0.0);
// A red ribbon banner with folded tails, its front part spanning x..x+width.
void DrawRibbonBanner(cairo_t* cr, double x, double y, double width, double height);
// Rolling snow from `surfaceY` (give one height per 1/(n-1) of the width) to the bottom.
void DrawSnowHills(cairo_t* cr, int width, int height, const double* surfaceY, int points, int shade);
// A round snow drift, as snow heaped against something, centred on cx with its base at baseY.
void DrawSnowDrift(cairo_t* cr, double cx, double baseY, double halfWidth, double height);
// Big outlined lettering with a gold gradient, for screen titles.
void DrawTitleLogo(cairo_t* cr, const char* text, double cx, double top, double sizePx);

} // namespace mediagen
