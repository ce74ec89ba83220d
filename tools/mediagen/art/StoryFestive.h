// Party things for the briefing screens: confetti pieces and a hanging banner that waves.
#pragma once

#include <cairo.h>

namespace mediagen {

// One piece of confetti centred on (cx, cy): shape picks a strip, a square, a dot or a curl.
// `spin` (whole turns) flips it over as it flutters: its width narrows and widens, so a
// piece seen edge-on is a thin line.
void DrawConfettiPiece(cairo_t* cr, double cx, double cy, double size, int shape, int colour, double spin,
                       double angle);

// A pennant banner hanging from a gold rod: the rod spans x..x+width at y, the cloth hangs
// `length` below it with a swallowtail, waving with `phase` (whole turns repeat).
void DrawHangingBanner(cairo_t* cr, double x, double y, double width, double length, int cloth, int clothShade,
                       double phase);

} // namespace mediagen
