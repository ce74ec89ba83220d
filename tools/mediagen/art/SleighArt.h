// The sleigh: red and gold with curled runners and a sack of gifts; and the flying team with Glimmer.
#pragma once

#include "ArtPen.h"

#include <cairo.h>

namespace mediagen {

struct SleighLook {
    bool withSack = true;
    double phase = 0; // sways the sack and, in the team, Glimmer and the reins
};

// Size at scale 1: about 130 wide and 90 high with the sack. Anchor: the ground under
// the middle of the runners. Faces right (its curled front on the right).
void DrawSleigh(cairo_t* cr, const Placement& placement, const SleighLook& look);

// Glimmer flying ahead of the sleigh, joined by golden reins. Size at scale 1: about
// 270 wide and 140 high. Anchor: the sleigh's anchor; Glimmer flies above and ahead.
void DrawSleighTeam(cairo_t* cr, const Placement& placement, const SleighLook& look);

} // namespace mediagen
