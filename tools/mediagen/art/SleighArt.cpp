// The sleigh and its team: body with a scrolled back and front, gold trim and runners.
#include "SleighArt.h"

#include "GiftArt.h"
#include "GlimmerArt.h"
#include "paint/GamePalette.h"

#include <cmath>

namespace mediagen {

namespace {

constexpr int kInk = pal::kBlack;
const int kBody = pal::kRed[8];
const int kBodyShade = pal::kRed[5];
const int kBodyLight = pal::kRed[11];
const int kGold = pal::kGold[9];
const int kGoldDark = pal::kGold[4];

void Runners(cairo_t* cr)
{
    // Struts first, so the runner passes in front of them.
    for (double x : {-38.0, -8.0, 22.0}) Limb(cr, {{x, -4}, {x + 2, -16}}, 3.5, kGoldDark, kInk);
    cairo_new_path(cr);
    cairo_move_to(cr, -58, -4);
    cairo_curve_to(cr, -60, 0, -56, -1, -50, -1);
    cairo_line_to(cr, 48, -1);
    cairo_curve_to(cr, 66, -1, 72, -18, 62, -24);
    cairo_curve_to(cr, 55, -28, 50, -18, 58, -16);
    StrokeOutlined(cr, 4.5, kGold, kInk);
}

void Sack(cairo_t* cr, double phase)
{
    const double sway = std::sin(2 * M_PI * phase) * 1.5;
    DrawGift(cr, {-10 + sway, -50, 0.55, false}, {GiftWrap::GreenRed, GiftPattern::Plain, 34, 26, 0.2});
    SmoothPath(cr, {{-52, -40}, {-50, -62}, {-40 + sway, -82}, {-30 + sway, -84}, {-22 + sway, -74}, {-16, -56}, {-18, -40}});
    FillOutlined(cr, pal::kFur[7], kInk);
    SmoothPath(cr, {{-44, -62}, {-38 + sway, -76}, {-32 + sway, -78}, {-30, -66}}, false);
    StrokeOnly(cr, pal::kFur[5], 2);
    DrawGift(cr, {-36 + sway, -76, 0.5, false}, {GiftWrap::BlueSilver, GiftPattern::Dots, 36, 24, -0.25});
    DrawGift(cr, {-24 + sway, -72, 0.45, false}, {GiftWrap::YellowRed, GiftPattern::Stripes, 34, 28, 0.3});
}

} // namespace

void DrawSleigh(cairo_t* cr, const Placement& placement, const SleighLook& look)
{
    FigureSpace space(cr, placement);
    Runners(cr);
    if (look.withSack) Sack(cr, look.phase);

    // The body: a high scrolled back on the left, a low front curling over on the right.
    SmoothPath(cr, {{-56, -16}, {-60, -40}, {-62, -60}, {-54, -68}, {-46, -62}, {-44, -44}, {-30, -40},
                    {10, -38}, {34, -40}, {48, -50}, {56, -46}, {52, -30}, {40, -18}, {30, -14}, {-40, -14}});
    FillOutlined(cr, kBody, kInk);
    // Shading under the rim and a light band along the side.
    SmoothPath(cr, {{-54, -20}, {-20, -18}, {30, -18}, {40, -22}, {30, -16}, {-40, -15}});
    FillOnly(cr, kBodyShade);
    SmoothPath(cr, {{-52, -50}, {-48, -58}, {-50, -62}, {-56, -58}}, false);
    StrokeOnly(cr, kBodyLight, 2);
    // Gold rim along the top and the scrolls.
    SmoothPath(cr, {{-45, -44}, {-30, -40.5}, {10, -38.5}, {34, -40.5}, {47, -50}}, false);
    StrokeOnly(cr, kGold, 3);
    cairo_new_path(cr);
    cairo_arc(cr, -54, -62, 5, 0, 2 * M_PI);
    StrokeOnly(cr, kGold, 2.2);
    cairo_new_path(cr);
    cairo_arc(cr, 52, -45, 4, 0, 2 * M_PI);
    StrokeOnly(cr, kGold, 2.2);
    // A gold swirl on the side and a star.
    cairo_new_path(cr);
    cairo_move_to(cr, -30, -26);
    cairo_curve_to(cr, -20, -36, -6, -34, -4, -28);
    cairo_curve_to(cr, -2, -22, -12, -20, -14, -26);
    cairo_move_to(cr, 2, -28);
    cairo_curve_to(cr, 10, -34, 22, -34, 30, -26);
    StrokeOnly(cr, kGold, 2);
    // The seat cushion peeking over the back rest.
    EllipsePath(cr, -40, -42, 8, 3.5);
    FillOutlined(cr, pal::kPurple[3], kInk);
}

void DrawSleighTeam(cairo_t* cr, const Placement& placement, const SleighLook& look)
{
    FigureSpace space(cr, placement);
    const double bob = std::sin(2 * M_PI * look.phase) * 3;
    // Reins from the sleigh front to Glimmer's scarf and chest.
    cairo_new_path(cr);
    cairo_move_to(cr, 50, -46);
    cairo_curve_to(cr, 80, -40, 110, -58 + bob, 146, -72 + bob);
    cairo_move_to(cr, 48, -40);
    cairo_curve_to(cr, 80, -30, 112, -46 + bob, 150, -60 + bob);
    StrokeOutlined(cr, 2.2, kGold, kInk);
    DrawSleigh(cr, {0, 0, 1, false}, look);
    DrawGlimmer(cr, {170, -24 + bob, 1, false}, {GlimmerPose::Fly, GlimmerView::Side, look.phase, true});
}

} // namespace mediagen
