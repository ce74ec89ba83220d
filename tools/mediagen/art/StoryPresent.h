// A present with a lift-off lid, for gifts that shake, pop open and close again.
#pragma once

#include "ArtPen.h"
#include "paint/GamePalette.h"

#include <cairo.h>

namespace mediagen {

struct PresentLook {
    double width = 60;        // of the box front, at scale 1
    double height = 40;       // of the box below the lid
    double lidLift = 0;       // how far the lid floats above the box
    double lidTilt = 0;       // radians, turning the lid about its middle
    double shake = 0;         // radians, rocking the closed box on its bottom corners
    double squash = 0;        // 0 keeps its shape; 0.2 squats it a fifth lower and wider
    double glow = 0;          // 0..1: light streaming out of the open box
    int paper = pal::kRed[8];
    int paperLight = pal::kRed[10];
    int paperShade = pal::kRed[5];
    int ribbon = pal::kGold[10];
    int ribbonShade = pal::kGold[6];
};

// Seen from the front and a little above. Anchor: the middle of the box's bottom edge.
// The lid is a little wider than the box and carries the bow.
void DrawPresent(cairo_t* cr, const Placement& placement, const PresentLook& look);

} // namespace mediagen
