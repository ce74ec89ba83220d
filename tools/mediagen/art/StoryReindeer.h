// A reindeer of the sleigh team: brown, with antlers, a harness and a collar of bells, galloping on air.
#pragma once

#include "ArtPen.h"
#include "paint/GamePalette.h"

#include <cairo.h>

namespace mediagen {

struct TeamReindeerLook {
    double phase = 0;               // one stride of the gallop per whole turn
    int harness = pal::kRed[7];     // the strap colour tells the team members apart
};

// Size at scale 1: about 110 wide and 105 high, antlers included. Anchor: the middle of
// the body. Faces right. Unlike Glimmer the team wears no scarf and has a dark nose.
void DrawTeamReindeer(cairo_t* cr, const Placement& placement, const TeamReindeerLook& look);

} // namespace mediagen
