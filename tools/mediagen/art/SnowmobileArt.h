// The snowmobile Glimmer drives in the toy catcher: ski, track, windshield and an open trunk.
#pragma once

#include "ArtPen.h"

#include <cairo.h>

namespace mediagen {

struct SnowmobileLook {
    double phase = 0;         // turns the track and bogie wheels (one turn of the tread pattern)
    bool withGlimmer = true;  // Glimmer in the seat, hooves on the handlebars
    double bounce = 0;        // lifts the body over the track, in units
};

// Size at scale 1: about 130 wide, 60 high (115 with Glimmer). Anchor: the ground under
// the middle of the track and ski. Faces right. The trunk, an open box behind the seat,
// is where caught gifts land: its opening spans x -62..-30 at y -44 (scale 1, facing right).
void DrawSnowmobile(cairo_t* cr, const Placement& placement, const SnowmobileLook& look);

} // namespace mediagen
