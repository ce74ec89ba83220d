// Snowflakes, stars, twinkles, the moon.
#include "SkyArt.h"

#include "ArtPen.h"
#include "paint/Ink.h"

#include <cmath>

namespace mediagen {

void DrawSnowflake(cairo_t* cr, double x, double y, double r, double rotation, int colour)
{
    cairo_save(cr);
    cairo_translate(cr, x, y);
    cairo_rotate(cr, rotation);
    cairo_new_path(cr);
    for (int arm = 0; arm < 6; ++arm) {
        const double a = arm * M_PI / 3;
        const double c = std::cos(a), s = std::sin(a);
        cairo_move_to(cr, 0, 0);
        cairo_line_to(cr, c * r, s * r);
        for (double t : {0.45, 0.72}) {
            const double bx = c * r * t, by = s * r * t, len = r * (t < 0.5 ? 0.32 : 0.22);
            for (double side : {-1.0, 1.0}) {
                const double ba = a + side * 0.9;
                cairo_move_to(cr, bx, by);
                cairo_line_to(cr, bx + std::cos(ba) * len, by + std::sin(ba) * len);
            }
        }
    }
    StrokeOnly(cr, colour, std::max(1.2, r * 0.14));
    CirclePath(cr, 0, 0, r * 0.16);
    FillOnly(cr, colour);
    cairo_restore(cr);
}

void DrawStar(cairo_t* cr, double x, double y, double r, double rotation, int colour)
{
    auto starPath = [&](double radius) {
        cairo_new_path(cr);
        for (int i = 0; i < 10; ++i) {
            const double a = rotation - M_PI / 2 + i * M_PI / 5;
            const double rr = i % 2 == 0 ? radius : radius * 0.45;
            if (i == 0) cairo_move_to(cr, x + std::cos(a) * rr, y + std::sin(a) * rr);
            else cairo_line_to(cr, x + std::cos(a) * rr, y + std::sin(a) * rr);
        }
        cairo_close_path(cr);
    };
    starPath(r);
    FillOutlined(cr, colour, pal::kGold[2]);
    starPath(r * 0.5);
    FillOnly(cr, pal::kGold[14]);
}

void DrawTwinkle(cairo_t* cr, double x, double y, double r, double shine, int colour)
{
    const double len = r * (0.55 + 0.45 * shine), waist = r * 0.16;
    cairo_new_path(cr);
    cairo_move_to(cr, x, y - len);
    cairo_curve_to(cr, x + waist * 0.3, y - waist, x + waist, y - waist * 0.3, x + len, y);
    cairo_curve_to(cr, x + waist, y + waist * 0.3, x + waist * 0.3, y + waist, x, y + len);
    cairo_curve_to(cr, x - waist * 0.3, y + waist, x - waist, y + waist * 0.3, x - len, y);
    cairo_curve_to(cr, x - waist, y - waist * 0.3, x - waist * 0.3, y - waist, x, y - len);
    cairo_close_path(cr);
    FillOnly(cr, colour);
    CirclePath(cr, x, y, r * 0.14);
    FillOnly(cr, pal::kWhite);
}

void DrawMoon(cairo_t* cr, double x, double y, double r, bool crescent, bool glow)
{
    if (glow) {
        Halo(cr, x, y, r, r * 2.2, GameColour(pal::kGold[14]), 0.35);
    }
    cairo_save(cr);
    cairo_new_path(cr);
    CirclePath(cr, x, y, r);
    cairo_clip(cr);
    if (crescent) {
        // The lit part: the disc minus a disc shifted to the left.
        cairo_set_fill_rule(cr, CAIRO_FILL_RULE_EVEN_ODD);
        cairo_rectangle(cr, x - r, y - r, 2 * r, 2 * r);
        CirclePath(cr, x - r * 0.45, y - r * 0.12, r * 0.88);
        cairo_clip(cr);
    }
    cairo_pattern_t* face = cairo_pattern_create_radial(x - r * 0.3, y - r * 0.3, r * 0.1, x, y, r * 1.05);
    AddStop(face, 0, pal::kGold[15]);
    AddStop(face, 1, pal::kGold[12]);
    cairo_set_source(cr, face);
    cairo_paint(cr);
    cairo_pattern_destroy(face);
    const double craters[][3] = {{0.3, -0.25, 0.18}, {-0.2, 0.35, 0.14}, {0.45, 0.3, 0.1}, {-0.05, -0.5, 0.09}};
    for (const auto& c : craters) {
        CirclePath(cr, x + c[0] * r, y + c[1] * r, c[2] * r);
        FillOnly(cr, pal::kGold[12]);
        CirclePath(cr, x + c[0] * r + c[2] * r * 0.25, y + c[1] * r + c[2] * r * 0.25, c[2] * r * 0.7);
        FillOnly(cr, pal::kGold[13]);
    }
    cairo_restore(cr);
}

} // namespace mediagen
