// Things that ride the toy catcher's belts besides gifts: beehive and bees, oil can, the 2x badge, snow bursts.
#pragma once

#include "ArtPen.h"

#include <cairo.h>

namespace mediagen {

// A straw skep hive with a dark entrance and a drip of honey. Size at scale 1: about 30
// wide and 30 high. Anchor: the middle of its bottom edge; `tilt` turns it about its middle.
void DrawBeehive(cairo_t* cr, const Placement& placement, double tilt = 0);

// One bee, about 8 long at scale 1: striped body, sting, two wings beating with `phase`.
// Anchor: the middle of the body; faceLeft turns it round.
void DrawBee(cairo_t* cr, const Placement& placement, double phase);

// A red oil can with a long spout and a handle. Size at scale 1: about 30 wide, 32 high.
// Anchor: the middle of its bottom edge; `tilt` turns it about its middle.
void DrawOilCan(cairo_t* cr, const Placement& placement, double tilt = 0);

// A gold star badge with "2x" on it; `shine` 0..1 brightens it and lengthens its rays.
// Radius about 18 at scale 1. Anchor: the centre.
void DrawDoubleBadge(cairo_t* cr, const Placement& placement, double shine);

// Snow thrown up where something lands: `burst` 0 is the first puff, 1 a low heap with
// flakes settling. About 40 wide and 24 high at scale 1. Anchor: the middle of the ground line.
void DrawSnowBurst(cairo_t* cr, const Placement& placement, double burst);

// A fluffy lump of blown snow with bits trailing behind it, about 36 across at scale 1;
// `phase` turns the bits. Anchor: the centre.
void DrawSnowClump(cairo_t* cr, const Placement& placement, double phase);

} // namespace mediagen
