// The snowmobile: tread and wheels, a ski, the hood and windshield, and the trunk for gifts.
#include "SnowmobileArt.h"

#include "GlimmerArt.h"
#include "paint/GamePalette.h"

#include <cmath>

namespace mediagen {

namespace {

constexpr int kInk = pal::kBlack;
const int kHood = pal::kBlue[3];
const int kHoodLight = pal::kBlue[5];
const int kHoodDark = pal::kBlue[1];
const int kTread = pal::kGrey[2];
const int kWheel = pal::kGrey[9];

void Track(cairo_t* cr, double phase)
{
    cairo_new_path(cr);
    const double x0 = -58, x1 = 8, y0 = -20, y1 = 0, r = 10;
    cairo_new_sub_path(cr);
    cairo_arc(cr, x1 - r, y0 + r, r, -M_PI / 2, M_PI / 2);
    cairo_arc(cr, x0 + r, y0 + r, r, M_PI / 2, 3 * M_PI / 2);
    cairo_close_path(cr);
    FillOutlined(cr, kTread, kInk);
    // Tread lugs along the bottom, moving with the phase.
    const double step = 8, shift = (phase - std::floor(phase)) * step;
    cairo_save(cr);
    cairo_new_sub_path(cr);
    cairo_arc(cr, x1 - r, y0 + r, r, -M_PI / 2, M_PI / 2);
    cairo_arc(cr, x0 + r, y0 + r, r, M_PI / 2, 3 * M_PI / 2);
    cairo_close_path(cr);
    cairo_clip(cr);
    cairo_new_path(cr);
    for (double x = x0 - step + shift; x < x1 + step; x += step) {
        cairo_move_to(cr, x, y1 + 1);
        cairo_line_to(cr, x + 2, y1 - 4);
        cairo_move_to(cr, x + 2, y0 - 1);
        cairo_line_to(cr, x, y0 + 4);
    }
    StrokeOnly(cr, pal::kGrey[6], 2.2);
    cairo_restore(cr);
    for (double x : {-47.0, -33.0, -19.0, -5.0}) {
        CirclePath(cr, x, -10, 6);
        FillOutlined(cr, kWheel, kInk);
        const double a = 2 * M_PI * phase;
        cairo_new_path(cr);
        cairo_move_to(cr, x + std::cos(a) * 4, -10 + std::sin(a) * 4);
        cairo_line_to(cr, x - std::cos(a) * 4, -10 - std::sin(a) * 4);
        StrokeOnly(cr, pal::kGrey[4], 1.5);
        CirclePath(cr, x, -10, 1.8);
        FillOnly(cr, pal::kGrey[4]);
    }
}

void Ski(cairo_t* cr)
{
    Limb(cr, {{36, -20}, {40, -6}}, 4, pal::kGrey[5], kInk);
    cairo_new_path(cr);
    cairo_move_to(cr, 14, -1.5);
    cairo_line_to(cr, 56, -1.5);
    cairo_curve_to(cr, 64, -1.5, 68, -6, 66, -11);
    StrokeOutlined(cr, 4, pal::kGrey[11], kInk);
}

void Trunk(cairo_t* cr)
{
    // An open crate: back wall, dark inside, front wall with gold bands.
    PolygonPath(cr, {{-62, -44}, {-30, -44}, {-28, -50}, {-60, -50}});
    FillOutlined(cr, pal::kFur[2], kInk);
    PolygonPath(cr, {{-64, -44}, {-28, -44}, {-30, -20}, {-60, -20}});
    FillOutlined(cr, pal::kRed[7], kInk);
    for (double y : {-38.0, -26.0}) {
        cairo_new_path(cr);
        cairo_move_to(cr, -63, y);
        cairo_line_to(cr, -29, y);
        StrokeOnly(cr, pal::kGold[9], 2.2);
    }
}

} // namespace

void DrawSnowmobile(cairo_t* cr, const Placement& placement, const SnowmobileLook& look)
{
    FigureSpace space(cr, placement);
    Ski(cr);
    Track(cr, look.phase);
    cairo_translate(cr, 0, -look.bounce);
    Trunk(cr);

    // Windshield behind the handlebars.
    PolygonPath(cr, {{20, -38}, {12, -60}, {22, -62}, {34, -38}});
    FillOutlined(cr, pal::kCyan[6], pal::kCyan[0]);
    cairo_new_path(cr);
    cairo_move_to(cr, 17, -56);
    cairo_line_to(cr, 22, -42);
    StrokeOnly(cr, pal::kWhite, 2);

    if (look.withGlimmer) {
        DrawGlimmer(cr, {-14, -28, 0.82, false}, {GlimmerPose::Drive, GlimmerView::Side, look.phase, true});
    } else {
        PolygonPath(cr, {{-30, -36}, {6, -36}, {8, -28}, {-30, -28}});
        FillOutlined(cr, pal::kGrey[3], kInk);
    }

    // The hood: from the seat down over the engine to a pointed nose.
    SmoothPath(cr, {{-32, -28}, {-6, -30}, {18, -40}, {44, -34}, {66, -24}, {64, -16}, {40, -14}, {-32, -16}});
    FillOutlined(cr, kHood, kInk);
    SmoothPath(cr, {{-26, -25}, {10, -29}, {40, -29}, {58, -22}, {40, -24}, {10, -24}}, true);
    FillOnly(cr, kHoodLight);
    cairo_new_path(cr);
    cairo_move_to(cr, -28, -20);
    cairo_line_to(cr, 56, -19);
    StrokeOnly(cr, pal::kGold[10], 2.5);
    cairo_new_path(cr);
    cairo_move_to(cr, -30, -16);
    cairo_line_to(cr, 40, -15);
    StrokeOnly(cr, kHoodDark, 2);
    // Headlight.
    EllipsePath(cr, 60, -26, 3.5, 2.8, 0.4);
    FillOutlined(cr, pal::kGold[14], kInk);
    // Handlebar in front of Glimmer's hooves.
    Limb(cr, {{20, -38}, {16, -48}, {22, -50}}, 2.6, pal::kGrey[3], kInk);
}

} // namespace mediagen
