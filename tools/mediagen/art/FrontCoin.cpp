// A coin seen while it spins: its face narrows to the milled edge and widens again as the back.
#include "art/FrontCoin.h"

#include "art/ArtPen.h"
#include "paint/GamePalette.h"
#include "paint/Ink.h"

#include <cmath>

namespace mediagen {

namespace {

constexpr double kThickness = 0.22; // of the radius

// Glimmer's head in relief, in face units (radius 1, y down).
void DrawReindeerEmblem(cairo_t* cr)
{
    const int relief = pal::kGold[5];
    const int line = pal::kGold[1];
    // Antlers first, so the head covers their roots.
    for (int side = -1; side <= 1; side += 2) {
        Limb(cr, {{0.16 * side, -0.18}, {0.30 * side, -0.42}, {0.34 * side, -0.66}}, 0.09, relief, line, 1.0);
        Limb(cr, {{0.30 * side, -0.42}, {0.52 * side, -0.50}, {0.60 * side, -0.62}}, 0.08, relief, line, 1.0);
        Limb(cr, {{0.32 * side, -0.56}, {0.18 * side, -0.70}}, 0.07, relief, line, 1.0);
        EllipsePath(cr, 0.36 * side, -0.08, 0.17, 0.08, side * 0.45);
        FillOutlined(cr, relief, line, 1.0);
    }
    EllipsePath(cr, 0.0, 0.05, 0.28, 0.32);
    FillOutlined(cr, relief, line, 1.0);
    EllipsePath(cr, 0.0, 0.30, 0.20, 0.16);
    FillOutlined(cr, pal::kGold[8], line, 1.0);
    CirclePath(cr, 0.0, 0.40, 0.09);
    FillOutlined(cr, pal::kRed[9], pal::kRed[1], 1.0);
    for (int side = -1; side <= 1; side += 2) {
        CirclePath(cr, 0.11 * side, -0.02, 0.055);
        FillOnly(cr, pal::kGold[0]);
    }
}

void DrawStarEmblem(cairo_t* cr)
{
    cairo_new_path(cr);
    for (int i = 0; i < 10; ++i) {
        const double a = -M_PI / 2 + i * M_PI / 5;
        const double r = (i % 2 == 0) ? 0.62 : 0.27;
        if (i == 0) cairo_move_to(cr, r * std::cos(a), r * std::sin(a));
        else cairo_line_to(cr, r * std::cos(a), r * std::sin(a));
    }
    cairo_close_path(cr);
    FillOutlined(cr, pal::kGold[6], pal::kGold[1], 1.0);
}

} // namespace

void DrawSpinningCoin(cairo_t* cr, double cx, double cy, double radius, double turn)
{
    const double angle = 2.0 * M_PI * turn;
    const double squeeze = std::cos(angle);
    const double width = std::max(std::fabs(squeeze), 0.02);
    // The face towards the viewer sits on one side of the edge band, the far face on the other.
    const double shift = radius * kThickness * 0.5 * std::sin(angle);

    cairo_save(cr);
    // The milled edge: the band swept between the two faces, outlined as one shape.
    EllipsePath(cr, cx - shift, cy, radius * width, radius);
    cairo_rectangle(cr, cx - std::fabs(shift), cy - radius, 2 * std::fabs(shift), 2 * radius);
    EllipsePath(cr, cx + shift, cy, radius * width, radius);
    cairo_set_fill_rule(cr, CAIRO_FILL_RULE_WINDING);
    SetInk(cr, pal::kGold[0]);
    cairo_set_line_width(cr, 2.0);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    cairo_stroke_preserve(cr);
    SetInk(cr, pal::kGold[3]);
    cairo_fill(cr);
    if (std::fabs(shift) > 1.0) {
        // Milling ridges across the edge.
        for (int i = -6; i <= 6; ++i) {
            const double y = cy + radius * i / 7.0;
            cairo_move_to(cr, cx - std::fabs(shift) + 1, y);
            cairo_line_to(cr, cx + std::fabs(shift) - 1, y);
        }
        StrokeOnly(cr, pal::kGold[1], 0.8);
    }

    // The near face: a shaded disc with a raised rim and its emblem.
    const double faceX = cx + shift;
    if (width > 0.08) {
        cairo_pattern_t* shine =
            cairo_pattern_create_linear(faceX - radius * width, cy - radius, faceX + radius * width, cy + radius);
        AddStop(shine, 0.0, pal::kGold[15]);
        AddStop(shine, 0.45, pal::kGold[11]);
        AddStop(shine, 1.0, pal::kGold[7]);
        EllipsePath(cr, faceX, cy, radius * width, radius);
        cairo_set_source(cr, shine);
        cairo_fill(cr);
        cairo_pattern_destroy(shine);

        EllipsePath(cr, faceX, cy, radius * width * 0.82, radius * 0.82);
        StrokeOnly(cr, pal::kGold[6], radius * 0.07);

        cairo_save(cr);
        cairo_translate(cr, faceX, cy);
        cairo_scale(cr, radius * 0.88 * width * (squeeze < 0 ? -1 : 1), radius * 0.88);
        if (squeeze >= 0) DrawReindeerEmblem(cr);
        else DrawStarEmblem(cr);
        cairo_restore(cr);
    }
    EllipsePath(cr, faceX, cy, radius * width, radius);
    SetInk(cr, pal::kGold[0]);
    cairo_set_line_width(cr, 2.0);
    cairo_stroke(cr);
    if (width > 0.97) {
        // A glint as the coin faces the light square on.
        const double gx = faceX - radius * 0.5, gy = cy - radius * 0.55, g = radius * 0.3;
        cairo_move_to(cr, gx, gy - g);
        cairo_curve_to(cr, gx, gy, gx, gy, gx + g, gy);
        cairo_curve_to(cr, gx, gy, gx, gy, gx, gy + g);
        cairo_curve_to(cr, gx, gy, gx, gy, gx - g, gy);
        cairo_curve_to(cr, gx, gy, gx, gy, gx, gy - g);
        cairo_close_path(cr);
        FillOnly(cr, pal::kWhite);
    }
    cairo_restore(cr);
}

} // namespace mediagen
