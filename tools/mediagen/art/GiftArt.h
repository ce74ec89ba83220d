// A wrapped present: a box seen from slightly above, ribbon, bow, in several colour schemes.
#pragma once

#include "ArtPen.h"

#include <cairo.h>

namespace mediagen {

enum class GiftWrap { RedGold, GreenRed, BlueSilver, PurpleGold, YellowRed, PinkWhite, OrangeGreen, CyanPink };
inline constexpr int kGiftWrapCount = 8;

enum class GiftPattern { Plain, Dots, Stripes };

struct GiftLook {
    GiftWrap wrap = GiftWrap::RedGold;
    GiftPattern pattern = GiftPattern::Plain;
    double width = 40;  // front and side together, at scale 1
    double height = 30; // of the box, the bow comes on top (about a third more)
    double tilt = 0;    // radians, turning about the box's centre (for falling gifts)
};

// Anchor: the middle of the box's bottom edge.
void DrawGift(cairo_t* cr, const Placement& placement, const GiftLook& look);

} // namespace mediagen
