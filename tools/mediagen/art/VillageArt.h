// Snowy pine trees and houses with chimneys and lit windows.
#pragma once

#include "ArtPen.h"
#include "paint/GamePalette.h"

#include <cairo.h>

namespace mediagen {

struct PineLook {
    double height = 100;     // trunk to tip, at scale 1 (the width is about 0.7 of it)
    bool snowy = true;       // snow on the branches
    bool decorated = false;  // baubles, a garland and a star on top
    double phase = 0;        // twinkles the baubles of a decorated tree
};

// Anchor: the bottom of the trunk.
void DrawPineTree(cairo_t* cr, const Placement& placement, const PineLook& look);

struct HouseLook {
    double width = 110;          // at scale 1
    double height = 70;          // of the walls; the roof adds about half the width
    int wall = pal::kBrick[4];
    int wallShade = pal::kBrick[2];
    int roof = pal::kStone[2];
    bool litWindows = true;
    bool wreath = true;          // a wreath on the door
    bool smoke = false;          // smoke curling from the chimney
    double chimneyAt = 0.62;     // chimney place along the roof, 0 left .. 1 right
};

// Anchor: the ground under the middle of the house.
void DrawHouse(cairo_t* cr, const Placement& placement, const HouseLook& look);

// The centre of the chimney's opening, in the same space as the placement.
Point HouseChimneyTop(const Placement& placement, const HouseLook& look);

} // namespace mediagen
