// The card program's people and creatures: elves, Santa and Mrs. Claus, Frostine, the sprite and friends.
#pragma once

#include "ArtPen.h"
#include "paint/GamePalette.h"

#include <cairo.h>

namespace mediagen {

// An elf about 70 wide and 110 high at scale 1 (hat tip included). Anchor: the ground between
// the boots. Hands are placed by the look, so a prop can be drawn at handLeft / handRight.
struct CardElfLook {
    int tunic = pal::kGreen[8];
    int tunicShade = pal::kGreen[5];
    int hat = pal::kRed[9];
    int hair = pal::kFur[4];
    bool girl = false;        // braids and a skirt hem
    bool glasses = false;
    bool sitting = false;     // sits on the ground, legs forward
    Point handLeft{-24, -46}; // hand positions in figure units (facing right)
    Point handRight{24, -46};
    double hatSwing = 0;      // radians: the floppy tip hangs this way
};
void DrawCardElf(cairo_t* cr, const Placement& placement, const CardElfLook& look);

// Santa: about 110 wide and 150 high. Anchor: the ground. waving raises his right arm.
void DrawSanta(cairo_t* cr, const Placement& placement, bool waving);
// Mrs. Claus with a tray of cookies: about 90 wide and 140 high. Anchor: the ground.
void DrawMrsClaus(cairo_t* cr, const Placement& placement);
// Frostine the storm-witch: ice-blue gown, frost crown, wand. About 100 wide and 150 high standing;
// flying she lies along a trail of frost. Anchor: the ground (standing) or her middle (flying).
void DrawFrostine(cairo_t* cr, const Placement& placement, bool flying);
// A small snow sprite with ice wings: about 70 wide and 80 high. Anchor: its middle.
void DrawSnowSprite(cairo_t* cr, const Placement& placement);
// Vex the fox in a striped scarf, sitting: about 90 wide and 100 high. Anchor: the ground.
void DrawFox(cairo_t* cr, const Placement& placement);
// Quarn the polar bear standing on all fours: about 150 wide and 95 high. Anchor: the ground.
void DrawPolarBear(cairo_t* cr, const Placement& placement);
// Lila, a girl in a red winter coat and bobble hat: about 60 wide and 110 high. Anchor: the ground.
void DrawGirl(cairo_t* cr, const Placement& placement);
// Horace the walrus with a bow tie: about 130 wide and 100 high. Anchor: the ground.
void DrawWalrus(cairo_t* cr, const Placement& placement);

} // namespace mediagen
