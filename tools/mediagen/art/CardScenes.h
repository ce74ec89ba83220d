// The clip art's props and its backgrounds (scenes and card frames), drawn for the card program.
#pragma once

#include "ArtPen.h"

#include <cairo.h>

namespace mediagen {

// Props at scale 1, anchored on the ground under their middle.
void DrawSnowman(cairo_t* cr, const Placement& placement);      // about 80 x 120
void DrawCandyCane(cairo_t* cr, const Placement& placement);    // about 50 x 120
void DrawStocking(cairo_t* cr, const Placement& placement);     // about 70 x 100, hanging from its top
void DrawPoleSign(cairo_t* cr, const Placement& placement);     // about 110 x 140
void DrawSled(cairo_t* cr, const Placement& placement);         // about 130 x 50
void DrawGiftBag(cairo_t* cr, const Placement& placement);      // about 110 x 110

// Backgrounds fill the whole width x height rectangle.
void DrawBlankBackground(cairo_t* cr, double width, double height);
void DrawPostOfficeScene(cairo_t* cr, double width, double height);
void DrawMountainScene(cairo_t* cr, double width, double height);
void DrawIceCastleScene(cairo_t* cr, double width, double height);
void DrawRoomScene(cairo_t* cr, double width, double height);
void DrawVillageScene(cairo_t* cr, double width, double height);
// Card frames 1 to 5: a white card with a festive border (holly, candy stripes, snowflakes,
// stars and lights, presents and ribbon).
void DrawCardFrame(cairo_t* cr, double width, double height, int style);

} // namespace mediagen
