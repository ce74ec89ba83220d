// The team reindeer: a side-view rig whose legs stretch out and gather in a flying gallop.
#include "StoryReindeer.h"

#include "GlimmerParts.h"

#include <cmath>

namespace mediagen {

namespace {

using namespace glimmer;

constexpr int kNoseDark = pal::kFur[2];
constexpr int kBell = pal::kGold[11];

// A leg from the hip: thigh at `upper` radians from straight down (positive swings forward),
// shin bent `lower` further; both measured in the body's space.
void Leg(cairo_t* cr, Point hip, double upper, double lower, int fur)
{
    const double thigh = 15, shin = 15;
    const Point knee{hip.x + std::sin(upper) * thigh, hip.y + std::cos(upper) * thigh};
    const Point hoof{knee.x + std::sin(upper + lower) * shin, knee.y + std::cos(upper + lower) * shin};
    Limb(cr, {hip, knee, hoof}, 8.5, fur, kInk);
    const double dx = hoof.x - knee.x, dy = hoof.y - knee.y, l = std::hypot(dx, dy);
    cairo_new_path(cr);
    cairo_move_to(cr, hoof.x - dx / l * 4, hoof.y - dy / l * 4);
    cairo_line_to(cr, hoof.x, hoof.y);
    StrokeOnly(cr, kHoof, 8.5);
}

} // namespace

void DrawTeamReindeer(cairo_t* cr, const Placement& placement, const TeamReindeerLook& look)
{
    FigureSpace space(cr, placement);
    const double s = Turn(look.phase);
    // stretch 1: front legs reach forward and hind legs kick back; -1: all four gathered under.
    const double stretch = std::sin(s);
    cairo_rotate(cr, -0.08 * std::cos(s));

    const Point head{31, -26};
    // Far side first: antler, ear and the two far legs.
    cairo_save(cr);
    cairo_translate(cr, head.x, head.y);
    Antler(cr, {4, -10}, -1, 0.9, kAntlerFar);
    cairo_restore(cr);
    Leg(cr, {17, 6}, 0.45 + 0.75 * stretch, -0.2 - 0.6 * (1 - stretch) / 2, kFurFar);
    Leg(cr, {-17, 5}, -0.65 - 0.75 * stretch, 0.4 + 0.5 * (1 - stretch) / 2, kFurFar);
    // A short white tail, flicking up.
    Ear(cr, {-26, -6}, {-36, -14 - 3 * stretch}, 5, kCream, kCreamShade);
    Leg(cr, {-20, 7}, -0.75 - 0.8 * stretch, 0.35 + 0.5 * (1 - stretch) / 2, kFur);
    Leg(cr, {20, 7}, 0.6 + 0.8 * stretch, -0.3 - 0.6 * (1 - stretch) / 2, kFur);

    // Body, neck and head as one silhouette.
    cairo_new_path(cr);
    EllipsePath(cr, 0, 0, 28, 15);
    SmoothPath(cr, {{8, -10}, {head.x - 10, head.y + 2}, {head.x + 4, head.y + 10}, {26, 2}, {14, 6}});
    CirclePath(cr, head.x, head.y, 12.5);
    EllipsePath(cr, head.x + 12, head.y + 5, 12, 8, 0.15);
    Silhouette(cr, kFur, kInk);
    cairo_save(cr);
    EllipsePath(cr, 0, 0, 28, 15);
    cairo_clip(cr);
    EllipsePath(cr, -2, -9, 20, 5);
    FillOnly(cr, kFurLight);
    EllipsePath(cr, 4, 11, 21, 7);
    FillOnly(cr, kCream);
    cairo_restore(cr);

    // The harness: a strap round the middle and a collar of bells.
    cairo_save(cr);
    EllipsePath(cr, 0, 0, 28, 15);
    cairo_clip(cr);
    cairo_rectangle(cr, -4, -16, 7, 32);
    FillOutlined(cr, look.harness, kInk, 1.2);
    cairo_restore(cr);
    cairo_new_path(cr);
    cairo_move_to(cr, 13, -13);
    cairo_curve_to(cr, 18, -6, 22, -2, 26, 3);
    const double o = 2 * DeviceToUser(cr, kOutlinePx);
    StrokeOnly(cr, kInk, 6 + o);
    cairo_move_to(cr, 13, -13);
    cairo_curve_to(cr, 18, -6, 22, -2, 26, 3);
    StrokeOnly(cr, look.harness, 6);
    for (const Point& bell : {Point{16, -7}, Point{21, -2}, Point{25.5, 4}}) {
        CirclePath(cr, bell.x, bell.y + 2, 2.8);
        FillOutlined(cr, kBell, pal::kGold[2], 1.0);
    }

    // The face.
    cairo_save(cr);
    cairo_translate(cr, head.x, head.y);
    Ear(cr, {-6, -7}, {-20, -14}, 5, kFur);
    EllipsePath(cr, 13, 6, 9, 5.5, 0.15);
    FillOnly(cr, kCream);
    Eye(cr, 3, -3, 4.2, 5.4, 0.6, -0.1, Mood::Happy);
    Mouth(cr, 15, 9, 6, Mood::Happy);
    EllipsePath(cr, 23, 2.5, 4.2, 3.6);
    FillOutlined(cr, kNoseDark, kInk, 1.2);
    EllipsePath(cr, 22, 1.2, 1.5, 1.0);
    FillOnly(cr, pal::kFur[6]);
    Antler(cr, {-3, -11}, -1, 0.95, kAntler);
    cairo_restore(cr);
}

} // namespace mediagen
