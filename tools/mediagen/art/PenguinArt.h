// A penguin: black and white, orange beak and feet; waddling, throwing snowballs or flying.
#pragma once

#include "ArtPen.h"

#include <cairo.h>

namespace mediagen {

enum class PenguinPose {
    Stand,
    Waddle, // phase 0..1 is one left-right step (use 4 or more phases)
    Throw,  // phase 0 winds up with a snowball behind the head, 0.5 lets go, 1 follows through
    Fly,    // goggles on, flippers flapping with the phase
};

struct PenguinLook {
    PenguinPose pose = PenguinPose::Stand;
    double phase = 0;
};

// Size at scale 1: about 40 wide and 55 high. Anchor: the ground between the feet
// (flying: the middle of the body, which lies level).
void DrawPenguin(cairo_t* cr, const Placement& placement, const PenguinLook& look);

// A snowball of radius r centred at (x, y) in the current user space.
void DrawSnowball(cairo_t* cr, double x, double y, double r);

} // namespace mediagen
