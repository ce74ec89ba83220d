// Tobin the elf: green tunic, striped stockings, curly shoes and a long red hat with a bell.
#pragma once

#include "ArtPen.h"

#include <cairo.h>

namespace mediagen {

enum class ElfPose {
    Stand,
    Sit,   // sitting on the ground, legs forward, hands in the lap
    Throw, // phase 0 reaches back, 0.5 swings over, 1 follows through (the right arm)
    Cheer, // both arms up, a little hop with the phase
    Point, // the right arm points ahead
};

struct ElfLook {
    ElfPose pose = ElfPose::Stand;
    double phase = 0;   // whole turns; also swings the hat's bell
    bool sad = false;   // a frown and drooping brows
    double eyesOpen = 1; // 1 open, 0 shut (blinks)
    bool mouthOpen = false; // talking or shouting
    int tunic = 0;      // palette index; 0 picks the green of the kit
};

// Size at scale 1: about 50 wide and 95 high with the hat. Anchor: the ground between the
// feet (sitting: under the seat). Faces right.
void DrawElf(cairo_t* cr, const Placement& placement, const ElfLook& look);

// The head alone, drawn exactly where DrawElf draws it: for blink overlays.
void DrawElfHead(cairo_t* cr, const Placement& placement, const ElfLook& look);

} // namespace mediagen
