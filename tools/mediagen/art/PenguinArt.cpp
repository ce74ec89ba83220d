// Penguins: an egg-shaped body leaning with each step, a white front, flippers and a beak.
#include "PenguinArt.h"

#include "paint/GamePalette.h"

#include <cmath>

namespace mediagen {

namespace {

constexpr int kInk = pal::kBlack;
const int kCoat = pal::kNightSky[2];
const int kCoatLight = pal::kNightSky[5];
const int kBelly = pal::kSnow[15];
const int kBellyShade = pal::kSnow[10];
const int kBeak = pal::kOrange[3];
const int kBeakShade = pal::kOrange[1];

double Turn(double phase) { return 2 * M_PI * (phase - std::floor(phase)); }

void Flipper(cairo_t* cr, Point shoulder, double angle, double length)
{
    cairo_save(cr);
    cairo_translate(cr, shoulder.x, shoulder.y);
    cairo_rotate(cr, angle);
    SmoothPath(cr, {{-3.5, 0}, {3.5, 0}, {3, length * 0.6}, {0.5, length}, {-2.5, length * 0.6}});
    FillOutlined(cr, kCoat, kInk);
    cairo_restore(cr);
}

void Foot(cairo_t* cr, double x, double lift)
{
    SmoothPath(cr, {{x - 5, -1 - lift}, {x + 1, -4 - lift}, {x + 8, -1.5 - lift}, {x + 7, 0.5 - lift}, {x - 4, 0.8 - lift}});
    FillOutlined(cr, kBeak, kInk);
}

// Body, front, face: in a space where the body stands upright on the origin.
void Body(cairo_t* cr, double blink)
{
    SmoothPath(cr, {{0, -50}, {11, -44}, {15, -26}, {13, -8}, {0, -2}, {-13, -8}, {-15, -26}, {-11, -44}});
    FillOutlined(cr, kCoat, kInk);
    EllipsePath(cr, -5, -38, 4, 7, -0.3);
    FillOnly(cr, kCoatLight);
    SmoothPath(cr, {{6, -40}, {11, -30}, {11, -14}, {3, -5}, {-5, -12}, {-5, -28}, {-1, -38}});
    FillOnly(cr, kBelly);
    EllipsePath(cr, 1, -10, 6, 3);
    FillOnly(cr, kBellyShade);
    // Face: a white eye patch, the eye, a blush, the beak.
    EllipsePath(cr, 6, -41, 5.5, 5.5);
    FillOnly(cr, kBelly);
    if (blink > 0.5) {
        cairo_new_path(cr);
        cairo_move_to(cr, 4, -41);
        cairo_line_to(cr, 9, -41);
        StrokeOnly(cr, kInk, 1.5);
    } else {
        CirclePath(cr, 7, -41, 2.8);
        FillOnly(cr, kInk);
        CirclePath(cr, 7.8, -42, 1);
        FillOnly(cr, pal::kWhite);
    }
    EllipsePath(cr, 6, -34, 2.6, 1.6);
    FillOnly(cr, pal::kPink[6]);
    PolygonPath(cr, {{10, -39.5}, {20, -36.5}, {10, -33.5}});
    FillOutlined(cr, kBeak, kInk);
    cairo_new_path(cr);
    cairo_move_to(cr, 11, -36.5);
    cairo_line_to(cr, 18, -36.5);
    StrokeOnly(cr, kBeakShade, 1);
}

} // namespace

void DrawSnowball(cairo_t* cr, double x, double y, double r)
{
    CirclePath(cr, x, y, r);
    FillOutlined(cr, pal::kSnow[14], pal::kSnow[0]);
    CirclePath(cr, x + r * 0.25, y + r * 0.25, r * 0.55);
    FillOnly(cr, pal::kSnow[10]);
    CirclePath(cr, x - r * 0.3, y - r * 0.3, r * 0.3);
    FillOnly(cr, pal::kWhite);
}

void DrawPenguin(cairo_t* cr, const Placement& placement, const PenguinLook& look)
{
    FigureSpace space(cr, placement);
    const double s = Turn(look.phase);
    switch (look.pose) {
    case PenguinPose::Stand:
    case PenguinPose::Waddle: {
        const bool walking = look.pose == PenguinPose::Waddle;
        const double lean = walking ? 0.16 * std::sin(s) : 0;
        // Each step lifts one foot and shuffles the pair: the front foot leads in the
        // first half of the cycle, the back foot in the second.
        const double liftBack = walking ? 4 * std::max(0.0, std::sin(s)) : 0;
        const double liftFront = walking ? 4 * std::max(0.0, -std::sin(s)) : 0;
        const double shuffle = walking ? 2.5 * std::cos(s) : 0;
        Foot(cr, -8 - shuffle, liftBack);
        cairo_save(cr);
        cairo_rotate(cr, lean);
        Flipper(cr, {-9, -34}, 0.35 + (walking ? 0.25 * std::sin(s) : 0), 18);
        Body(cr, 0);
        Flipper(cr, {-2, -33}, 0.2 - (walking ? 0.3 * std::sin(s) : 0), 19);
        cairo_restore(cr);
        Foot(cr, 1 + shuffle, liftFront);
        break;
    }
    case PenguinPose::Throw: {
        // The throwing flipper swings from behind the head over to the front.
        const double t = look.phase - std::floor(look.phase);
        const double arm = -2.6 + 3.4 * t;
        const double lean = -0.12 + 0.24 * t;
        Foot(cr, -8, 0);
        cairo_save(cr);
        cairo_rotate(cr, lean);
        Flipper(cr, {-9, -34}, 0.4, 18);
        Body(cr, 0);
        Flipper(cr, {-3, -35}, arm, 19);
        if (t < 0.5) DrawSnowball(cr, -3 - std::sin(arm) * 20, -35 + std::cos(arm) * 20, 5);
        cairo_restore(cr);
        Foot(cr, 1, 0);
        break;
    }
    case PenguinPose::Fly: {
        // Lying flat like a swimmer in the air, beak first, flippers beating; the body
        // rises on the down-stroke.
        const double flap = std::sin(s);
        cairo_translate(cr, 0, -2 * std::cos(s));
        Flipper(cr, {4, -5}, 1.65 + 0.95 * flap + 0.3, 20);
        PolygonPath(cr, {{-20, 2}, {-31, -3}, {-29, 4}});
        FillOutlined(cr, kBeak, kInk);
        PolygonPath(cr, {{-20, 5}, {-30, 6}, {-26, 11}});
        FillOutlined(cr, kBeak, kInk);
        SmoothPath(cr, {{24, -2}, {16, -10}, {0, -12}, {-16, -9}, {-25, 0}, {-16, 8}, {0, 12}, {16, 9}});
        FillOutlined(cr, kCoat, kInk);
        SmoothPath(cr, {{20, 3}, {10, 9}, {-4, 11}, {-18, 6}, {-6, 3}, {8, 2}});
        FillOnly(cr, kBelly);
        cairo_new_path(cr);
        cairo_move_to(cr, 6, -10);
        cairo_line_to(cr, 13, -2);
        StrokeOnly(cr, pal::kBrick[2], 3);
        EllipsePath(cr, 16, -3, 5.5, 5.5);
        FillOnly(cr, kBelly);
        CirclePath(cr, 16.5, -4, 4.6);
        FillOutlined(cr, pal::kCyan[6], pal::kBrick[1], 2.5);
        CirclePath(cr, 18, -5.5, 1.5);
        FillOnly(cr, pal::kWhite);
        PolygonPath(cr, {{22, -3}, {32, 0}, {22, 3}});
        FillOutlined(cr, kBeak, kInk);
        Flipper(cr, {2, -3}, 1.65 + 0.95 * flap, 21);
    }
    }
}

} // namespace mediagen
