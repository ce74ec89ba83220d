// Glimmer from the seat up, driving: for sprites that show his head and arms apart from the vehicle.
#pragma once

#include "ArtPen.h"

#include <cairo.h>

namespace mediagen {

enum class DriverEyes {
    Open,  // looking ahead
    Blink, // lids down
    Shut,  // squeezed shut: just hit
    Dizzy, // spirals
};

struct DriverLook {
    double bob = 0;         // lifts the head, in units (negative lowers it)
    double headTilt = 0;    // radians; positive tips the nose down
    DriverEyes eyes = DriverEyes::Open;
    double snow = 0;        // 0..1: a heap of snow sitting on his head
    double snowFlying = 0;  // 0..1: bits of snow shaken off, flying out
    bool stars = false;     // little stars circling above his head
    double phase = 0;       // turns the stars, waves the scarf
};

// Faces right. Anchor: the middle of his head (radius about 15 at scale 1, the muzzle
// reaches 28 ahead of it). His body goes down about 64 to the seat and his foreleg
// reaches 36 ahead and 40 down, to the handlebar.
void DrawGlimmerDriver(cairo_t* cr, const Placement& placement, const DriverLook& look);

} // namespace mediagen
