// The toy catcher's belt props: drawn with the shared pen so they match gifts and penguins.
#include "WorkshopProps.h"

#include "ArtRandom.h"
#include "paint/GamePalette.h"
#include "paint/Ink.h"
#include "paint/TextPainter.h"

#include <cmath>

namespace mediagen {

void DrawBeehive(cairo_t* cr, const Placement& placement, double tilt)
{
    FigureSpace space(cr, placement);
    cairo_translate(cr, 0, -15);
    cairo_rotate(cr, tilt);
    cairo_translate(cr, 0, 15);
    // Stacked straw rings, widest at the bottom.
    const double rings[][3] = {{-1, 14.5, 5}, {-7, 13.5, 5}, {-13, 11.5, 5}, {-19, 9, 4.5}, {-24.5, 6, 4}};
    for (const auto& ring : rings) {
        EllipsePath(cr, 0, ring[0] - ring[2] / 2, ring[1], ring[2] / 2 + 1.2);
        FillOutlined(cr, pal::kGold[8], pal::kGold[1], 1.6);
    }
    EllipsePath(cr, 0, -28.5, 3.5, 2);
    FillOutlined(cr, pal::kGold[9], pal::kGold[1], 1.4);
    for (const auto& ring : rings) {
        cairo_move_to(cr, -ring[1] * 0.6, ring[0] - ring[2] * 0.55);
        cairo_line_to(cr, -ring[1] * 0.2, ring[0] - ring[2] * 0.45);
        StrokeOnly(cr, pal::kGold[13], 1.2);
    }
    // The entrance and a drip of honey under it.
    EllipsePath(cr, 0, -5.5, 4.5, 3);
    FillOutlined(cr, pal::kFur[0], pal::kBlack, 1.2);
    cairo_move_to(cr, 3, -3);
    cairo_curve_to(cr, 5, -1, 4, 1, 4.5, 2);
    StrokeOnly(cr, pal::kOrange[4], 2.2);
}

void DrawBee(cairo_t* cr, const Placement& placement, double phase)
{
    FigureSpace space(cr, placement);
    const double flap = std::sin(phase * 2 * M_PI);
    // Wings first, behind the body, pale and beating.
    EllipsePath(cr, -1, -3.5 - flap * 1.5, 2.6, 3.6 + flap, -0.4);
    FillOutlined(cr, pal::kCyan[7], pal::kBlue[1], 1.0);
    EllipsePath(cr, 1.5, -3 - flap, 2.2, 3 + flap * 0.8, 0.3);
    FillOutlined(cr, pal::kCyan[7], pal::kBlue[1], 1.0);
    EllipsePath(cr, 0, 0, 4.8, 3.2);
    FillOutlined(cr, pal::kGold[12], pal::kBlack, 1.2);
    cairo_save(cr);
    EllipsePath(cr, 0, 0, 4.8, 3.2);
    cairo_clip(cr);
    for (double x : {-2.6, 0.6}) {
        cairo_rectangle(cr, x, -4, 1.6, 8);
        FillOnly(cr, pal::kBlack);
    }
    cairo_restore(cr);
    CirclePath(cr, 4.2, -0.5, 1.0);
    FillOnly(cr, pal::kBlack);
    cairo_move_to(cr, -4.5, 0.3);
    cairo_line_to(cr, -6.8, 0.8);
    StrokeOnly(cr, pal::kBlack, 1.0);
}

void DrawOilCan(cairo_t* cr, const Placement& placement, double tilt)
{
    FigureSpace space(cr, placement);
    cairo_translate(cr, 0, -14);
    cairo_rotate(cr, tilt);
    cairo_translate(cr, 0, 14);
    // Handle at the back, spout at the front.
    cairo_new_path(cr);
    cairo_arc(cr, -8, -14, 7, M_PI * 0.6, M_PI * 1.6);
    StrokeOutlined(cr, 2.6, pal::kGrey[9], pal::kBlack);
    Limb(cr, {{4, -17}, {15, -26}}, 3.2, pal::kGrey[10], pal::kBlack);
    // The can: a round-shouldered body with a cap.
    cairo_new_path(cr);
    cairo_move_to(cr, -10, 0);
    cairo_line_to(cr, 10, 0);
    cairo_line_to(cr, 10, -14);
    cairo_curve_to(cr, 10, -20, 4, -22, 0, -22);
    cairo_curve_to(cr, -4, -22, -10, -20, -10, -14);
    cairo_close_path(cr);
    FillBlendDown(cr, -22, 0, {{0, pal::kRed[10]}, {1, pal::kRed[4]}});
    StrokeOnly(cr, pal::kBlack, 2);
    cairo_rectangle(cr, -10, -10, 20, 4);
    FillOnly(cr, pal::kGold[10]);
    cairo_rectangle(cr, -3, -26, 6, 4.5);
    FillOutlined(cr, pal::kGrey[8], pal::kBlack, 1.4);
    // A drop of oil at the spout and a shine on the can.
    EllipsePath(cr, 16.5, -22.5, 1.6, 2.2);
    FillOutlined(cr, pal::kGold[6], pal::kBlack, 1.0);
    cairo_move_to(cr, -6, -16);
    cairo_line_to(cr, -6, -4);
    StrokeOnly(cr, pal::kRed[13], 2);
}

void DrawDoubleBadge(cairo_t* cr, const Placement& placement, double shine)
{
    FigureSpace space(cr, placement);
    // Rays behind the star, longer as it shines.
    for (int i = 0; i < 8; ++i) {
        const double a = i * M_PI / 4 + M_PI / 8;
        const double r = 17 + 3 * shine;
        cairo_move_to(cr, std::cos(a) * 11, std::sin(a) * 11);
        cairo_line_to(cr, std::cos(a) * r, std::sin(a) * r);
    }
    StrokeOnly(cr, pal::kGold[14], 1.6 + shine);
    cairo_new_path(cr);
    for (int i = 0; i < 10; ++i) {
        const double a = -M_PI / 2 + i * M_PI / 5;
        const double r = i % 2 == 0 ? 17 : 9.5;
        if (i == 0)
            cairo_move_to(cr, std::cos(a) * r, std::sin(a) * r);
        else
            cairo_line_to(cr, std::cos(a) * r, std::sin(a) * r);
    }
    cairo_close_path(cr);
    FillBlendDown(cr, -17, 17, {{0, pal::kGold[14]}, {1, pal::kGold[static_cast<int>(7 + 3 * shine)]}});
    StrokeOnly(cr, pal::kBlack, 2);
    TextStyle style;
    style.sizePx = 13;
    style.fill = GameColour(pal::kRed[7]);
    style.outline = GameColour(pal::kWhite);
    style.outlineWidth = 2.5;
    style.align = TextAlign::Centre;
    DrawText(cr, style, "2x", 0, -8);
}

void DrawSnowBurst(cairo_t* cr, const Placement& placement, double burst)
{
    FigureSpace space(cr, placement);
    const double spread = 14 + 4 * burst;
    const double height = 13 - 6 * burst;
    // The heap on the ground, flattening as the burst settles.
    SmoothPath(cr, {{-spread - 4, 0}, {-spread * 0.7, -height * 0.55}, {-spread * 0.25, -height},
                    {spread * 0.3, -height * 0.85}, {spread * 0.75, -height * 0.4}, {spread + 4, 0}});
    FillOutlined(cr, pal::kSnow[14], pal::kSnow[3], 1.8);
    EllipsePath(cr, -spread * 0.2, -height * 0.6, spread * 0.4, height * 0.22);
    FillOnly(cr, pal::kWhite);
    // Lumps thrown out to both sides, high at first, lying on the ground at the end.
    ArtRandom random(91);
    for (int i = 0; i < 10; ++i) {
        const double side = i % 2 == 0 ? -1 : 1;
        const double reach = random.Range(0.4, 1.0);
        const double x = side * (spread * 0.5 + 8 * reach + 6 * burst);
        const double y = burst < 0.5 ? -height - 2 - 12 * reach * random.Range(0.4, 1.0) : -random.Range(1, 3);
        const double r = burst < 0.5 ? random.Range(1.8, 3.2) : random.Range(1.2, 2.0);
        CirclePath(cr, x, y, r);
        FillOutlined(cr, pal::kSnow[15], pal::kSnow[4], 1.2);
    }
}

void DrawSnowClump(cairo_t* cr, const Placement& placement, double phase)
{
    FigureSpace space(cr, placement);
    // Bits trailing above the falling lump.
    for (int i = 0; i < 6; ++i) {
        const double a = phase * 2 * M_PI + i * M_PI / 3;
        CirclePath(cr, std::cos(a) * 14, -12 + std::sin(a) * 4 - i, 2.2);
        FillOutlined(cr, pal::kSnow[15], pal::kSnow[5], 1.0);
    }
    SmoothPath(cr, {{-13, 2}, {-11, -8}, {-3, -12}, {6, -10}, {13, -4}, {12, 6}, {4, 12}, {-7, 11}});
    FillOutlined(cr, pal::kSnow[14], pal::kSnow[3], 2);
    EllipsePath(cr, 3, 3, 7, 5);
    FillOnly(cr, pal::kSnow[10]);
    EllipsePath(cr, -5, -4, 4, 3);
    FillOnly(cr, pal::kWhite);
}

} // namespace mediagen
