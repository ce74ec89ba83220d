// Glimmer driving: body, scarf and foreleg, then his head with the expressions the toy catcher needs.
#include "GlimmerDriver.h"

#include "GlimmerParts.h"
#include "SkyArt.h"

#include <cmath>

namespace mediagen {

namespace {

using namespace glimmer;

void DrawEyes(cairo_t* cr, DriverEyes eyes, double phase)
{
    const double cx = 5, cy = -4;
    switch (eyes) {
    case DriverEyes::Open:
        Eye(cr, cx, cy, 5.8, 7.2, 0.6, 0.1, Mood::Happy);
        break;
    case DriverEyes::Blink:
        EllipsePath(cr, cx, cy, 5.8, 7.2);
        FillOutlined(cr, kFur, kInk, 1.5);
        cairo_move_to(cr, cx - 5, cy + 1);
        cairo_curve_to(cr, cx - 2, cy + 4, cx + 2, cy + 4, cx + 5, cy + 1);
        StrokeOnly(cr, kInk, 2);
        break;
    case DriverEyes::Shut:
        EllipsePath(cr, cx, cy, 5.8, 7.2);
        FillOutlined(cr, kFurLight, kInk, 1.5);
        cairo_move_to(cr, cx - 5, cy - 3);
        cairo_line_to(cr, cx + 3, cy);
        cairo_line_to(cr, cx - 5, cy + 3);
        StrokeOnly(cr, kInk, 2.2);
        break;
    case DriverEyes::Dizzy: {
        EllipsePath(cr, cx, cy, 5.8, 7.2);
        FillOutlined(cr, pal::kWhite, kInk, 1.5);
        cairo_new_path(cr);
        const double turn = phase * 2 * M_PI;
        for (int i = 0; i <= 24; ++i) {
            const double a = turn + i * 0.55;
            const double r = 0.3 + i * 0.2;
            const double x = cx + std::cos(a) * r, y = cy + std::sin(a) * r * 1.2;
            if (i == 0)
                cairo_move_to(cr, x, y);
            else
                cairo_line_to(cr, x, y);
        }
        StrokeOnly(cr, kInk, 1.4);
        break;
    }
    }
}

void DrawSnowHeap(cairo_t* cr, double amount)
{
    if (amount <= 0)
        return;
    const double h = 6 + 8 * amount;
    SmoothPath(cr, {{-17, -8}, {-13, -13 - h * 0.6}, {-3, -13 - h}, {8, -12 - h * 0.7}, {16, -9}, {8, -10}, {-8, -10}});
    FillOutlined(cr, pal::kSnow[15], pal::kSnow[4], 1.8);
    CirclePath(cr, -6, -13 - h * 0.6, 2.5 + 1.5 * amount);
    FillOnly(cr, pal::kSnow[10]);
    // Drips down the side of his face.
    for (double x : {-14.0, 12.0}) {
        EllipsePath(cr, x, -6 + 2 * amount, 3, 4 + 3 * amount);
        FillOutlined(cr, pal::kSnow[15], pal::kSnow[4], 1.4);
    }
}

void DrawFlyingSnow(cairo_t* cr, double amount, double phase)
{
    if (amount <= 0)
        return;
    for (int i = 0; i < 6; ++i) {
        const double a = -M_PI * (0.15 + 0.14 * i) + 0.3 * std::sin(phase * 2 * M_PI + i);
        const double r = 20 + 10 * amount + (i % 2) * 4;
        CirclePath(cr, std::cos(a) * r, -6 + std::sin(a) * r, 2.2 + (i % 3) * 0.6);
        FillOutlined(cr, pal::kSnow[15], pal::kSnow[4], 1.2);
    }
}

void DrawStars(cairo_t* cr, double phase)
{
    for (int i = 0; i < 3; ++i) {
        const double a = (phase + i / 3.0) * 2 * M_PI;
        DrawStar(cr, std::cos(a) * 17, -24 + std::sin(a) * 5, 4.5 + std::sin(a) * 1.2, a, pal::kGold[12]);
    }
}

} // namespace

void DrawGlimmerDriver(cairo_t* cr, const Placement& placement, const DriverLook& look)
{
    FigureSpace space(cr, placement);
    const double wave = std::sin(look.phase * 2 * M_PI);

    // Body: a tan chest leaning into the ride, seat below.
    cairo_save(cr);
    cairo_translate(cr, 0, -look.bob * 0.3);
    SmoothPath(cr, {{-16, 12}, {-6, 8}, {6, 16}, {10, 40}, {4, 62}, {-20, 64}, {-28, 44}, {-24, 22}});
    FillOutlined(cr, kFur, kInk);
    SmoothPath(cr, {{2, 20}, {7, 36}, {2, 54}, {-4, 48}, {-2, 30}});
    FillOnly(cr, kCream);
    // Scarf: its tails stream back in the wind.
    ScarfTail(cr, {-8, 16}, M_PI + 0.15, 24, 6.5, 0.35, look.phase);
    ScarfTail(cr, {-8, 16}, M_PI - 0.12, 20, 6, 0.35, look.phase + 0.3);
    SmoothPath(cr, {{-16, 12}, {-4, 9}, {8, 14}, {6, 20}, {-6, 17}, {-16, 19}});
    FillOutlined(cr, kScarf, pal::kRed[1]);
    cairo_move_to(cr, -12, 15.5);
    cairo_line_to(cr, 4, 16.5);
    StrokeOnly(cr, kScarfStripe, 1.6);
    // The foreleg reaching to the handlebar, the hoof gripping it.
    Limb(cr, {{-2, 26}, {16, 34}, {34, 40 + wave * 0.8}}, 7, kFur, kInk);
    CirclePath(cr, 35, 40 + wave * 0.8, 4.2);
    FillOutlined(cr, kHoof, kInk);
    cairo_restore(cr);

    // The head, tilted and bobbing.
    cairo_save(cr);
    cairo_translate(cr, 0, -look.bob);
    cairo_rotate(cr, look.headTilt);
    Antler(cr, {5, -13}, -1, 0.75, kAntlerFar);
    Ear(cr, {-4, -10}, {-19, -6}, 5.5, kFurFar);
    Ear(cr, {-7, -8}, {-22, -2 + wave}, 6, kFur);
    CirclePath(cr, 0, 0, 15.5);
    EllipsePath(cr, 14, 5.5, 14, 9.5, 0.12);
    Silhouette(cr, kFur, kInk);
    EllipsePath(cr, 17, 7.5, 10.5, 6.5, 0.12);
    FillOnly(cr, kCream);
    EllipsePath(cr, 8, 7, 3.6, 2.2);
    FillOnly(cr, pal::kPink[6]);
    DrawEyes(cr, look.eyes, look.phase);
    const bool happy = look.eyes == DriverEyes::Open || look.eyes == DriverEyes::Blink;
    Mouth(cr, 18.5, 10.5, 8.5, happy ? Mood::Happy : Mood::Sad);
    Nose(cr, 27, 3, 5.2, false);
    Antler(cr, {-2, -13}, -1, 0.8, kAntler);
    DrawSnowHeap(cr, look.snow);
    cairo_restore(cr);

    DrawFlyingSnow(cr, look.snowFlying, look.phase);
    if (look.stars)
        DrawStars(cr, look.phase);
}

} // namespace mediagen
