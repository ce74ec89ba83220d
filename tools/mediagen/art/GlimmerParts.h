// Glimmer's colours and the face parts that both his views share (inside the art kit only).
#pragma once

#include "ArtPen.h"
#include "GlimmerArt.h"
#include "paint/GamePalette.h"

#include <cairo.h>

namespace mediagen::glimmer {

inline constexpr int kInk = pal::kFur[0];
inline constexpr int kFurDark = pal::kFur[3];
inline constexpr int kFurFar = pal::kFur[4];
inline constexpr int kFur = pal::kFur[5];
inline constexpr int kFurLight = pal::kFur[7];
inline constexpr int kCream = pal::kFur[14];
inline constexpr int kCreamShade = pal::kFur[12];
inline constexpr int kHoof = pal::kFur[1];
inline constexpr int kAntler = pal::kFur[11];
inline constexpr int kAntlerFar = pal::kFur[9];
inline constexpr int kNose = pal::kRed[9];
inline constexpr int kScarf = pal::kRed[8];
inline constexpr int kScarfShade = pal::kRed[5];
inline constexpr int kScarfStripe = pal::kSnow[15];
inline constexpr int kEarInside = pal::kPink[5];

enum class Mood { Happy, Joyful, Sad };

double Turn(double phase); // phase in whole turns to radians

// All parts are drawn in the current user space, sized for a head of radius about 15.
void Eye(cairo_t* cr, double cx, double cy, double rx, double ry, double lookX, double lookY, Mood mood,
         bool mirrorBrow = false);
void Nose(cairo_t* cr, double cx, double cy, double r, bool glow);
void Mouth(cairo_t* cr, double cx, double cy, double width, Mood mood);
// An antler rising from `base`; `spread` mirrors it (-1 sweeps left, +1 right).
void Antler(cairo_t* cr, Point base, double spread, double size, int colour);
// A leaf-shaped ear (or tail tuft) from `base` to `tip`, with a lighter inside.
void Ear(cairo_t* cr, Point base, Point tip, double width, int fur, int inside = kEarInside);
// A scarf tail: a ribbon from `from` flowing along `direction` (radians), waving with phase.
void ScarfTail(cairo_t* cr, Point from, double direction, double length, double width, double wave,
               double phase);

} // namespace mediagen::glimmer

namespace mediagen {
void DrawGlimmerSide(cairo_t* cr, const GlimmerLook& look);
void DrawGlimmerThreeQuarter(cairo_t* cr, const GlimmerLook& look);
} // namespace mediagen
