// Glimmer the reindeer: brown fur, cream muzzle and belly, big eyes, glowing nose, antlers, red scarf.
#pragma once

#include "ArtPen.h"

#include <cairo.h>

namespace mediagen {

enum class GlimmerPose {
    Stand,
    Run,   // a gallop; phase 0..1 is one stride (use 4 or more phases)
    Fly,   // legs tucked, scarf streaming; phase waves the scarf and bobs the body
    Wave,  // one front hoof raised and waving with the phase
    Cheer, // a happy jump (side) or both arms up (three-quarter)
    Sad,   // head down, ears drooping, sad eyes
    Drive, // sitting, front hooves forward on handlebars (the snowmobile draws him so)
};

enum class GlimmerView {
    Side,         // in profile, four legs
    ThreeQuarter, // turned towards the viewer, standing up on his hind legs like a mascot
};

struct GlimmerLook {
    GlimmerPose pose = GlimmerPose::Stand;
    GlimmerView view = GlimmerView::Side;
    double phase = 0;      // animation phase; whole turns repeat (0 and 1 are the same)
    bool noseGlow = true;  // the soft halo around the nose
    bool lookBack = false; // side view: the head turned back over his shoulder
};

// Size at scale 1: side view about 100 wide and 125 high (antler tips included);
// three-quarter view about 80 wide and 130 high.
// Anchor: the ground under the middle of the body. In the Drive pose the anchor is the
// seat under his rump instead.
void DrawGlimmer(cairo_t* cr, const Placement& placement, const GlimmerLook& look);

} // namespace mediagen
