// Drawing helpers shared by every figure: placement, outlined shapes, limbs, ellipses, blends, glows.
#pragma once

#include "MediaImage.h"

#include <cairo.h>

#include <initializer_list>

namespace mediagen {

// Where and how big a figure is drawn. Each figure documents its anchor (usually the point
// on the ground under its middle) and its size at scale 1. Figures face right unless
// faceLeft is set.
struct Placement {
    double x = 0;
    double y = 0;
    double scale = 1;
    bool faceLeft = false;
};

struct Point {
    double x, y;
};

// Saves the cairo state and moves the origin to the anchor, scaled and mirrored;
// restores on destruction.
class FigureSpace {
public:
    FigureSpace(cairo_t* cr, const Placement& placement);
    ~FigureSpace();
    FigureSpace(const FigureSpace&) = delete;
    FigureSpace& operator=(const FigureSpace&) = delete;

private:
    cairo_t* mCr;
};

// Width of the dark outline, in device pixels: wide enough that an outline survives
// quantizing against the transparent key as at least one solid pixel.
inline constexpr double kOutlinePx = 2.0;

// Converts a length in device pixels to the current user units.
double DeviceToUser(cairo_t* cr, double px);

void EllipsePath(cairo_t* cr, double cx, double cy, double rx, double ry, double angle = 0);
void CirclePath(cairo_t* cr, double cx, double cy, double r);
// A closed smooth shape through the points (Catmull-Rom turned into Bezier curves).
void SmoothPath(cairo_t* cr, std::initializer_list<Point> points, bool closed = true);
void PolygonPath(cairo_t* cr, std::initializer_list<Point> points);

// Fills the current path with a palette colour and strokes it with the outline colour;
// the path is consumed.
void FillOutlined(cairo_t* cr, int fill, int outline, double outlinePx = kOutlinePx);
// Strokes every sub-path of the current path twice as wide as the outline, then fills
// them all: overlapping shapes merge into one silhouette with no inner lines.
void Silhouette(cairo_t* cr, int fill, int outline, double outlinePx = kOutlinePx);
void FillOnly(cairo_t* cr, int fill, double alpha = 1.0);
void StrokeOnly(cairo_t* cr, int colour, double widthUnits);
// A limb or antler: a thick round-capped polyline in `fill` with an outline around it.
void Limb(cairo_t* cr, std::initializer_list<Point> points, double widthUnits, int fill, int outline,
          double outlinePx = kOutlinePx);
// Strokes the current path as a limb is drawn: `fill` inside an outline; the path is consumed.
void StrokeOutlined(cairo_t* cr, double widthUnits, int fill, int outline);

// One stop of a blend: where it sits from 0 to 1, and its palette colour.
struct BlendStop {
    double offset;
    int colour;
};
// Fills the current path with the stops blended from `top` down to `bottom`; the path is kept
// for an outline.
void FillBlendDown(cairo_t* cr, double top, double bottom, std::initializer_list<BlendStop> stops);
// A rim in two colours: a wide stroke with a narrower one down its middle; the path is consumed.
void StrokeRim(cairo_t* cr, int outer, double outerWidth, int inner, double innerWidth);
// A soft glow around (cx, cy): `colour` at `alpha` from the inner radius fading out to the outer one.
void Halo(cairo_t* cr, double cx, double cy, double innerRadius, double outerRadius, Rgb colour, double alpha);

} // namespace mediagen
