// The magic ring and the sparkles, drawn with hard edges so they survive the colour key.
#include "StoryMagic.h"

#include "ArtPen.h"
#include "SkyArt.h"
#include "paint/GamePalette.h"
#include "paint/Ink.h"

#include <cmath>

namespace mediagen {

namespace {

// A star of `points` long points, radius r, inner radius r * waist.
void StarPath(cairo_t* cr, double cx, double cy, double r, double waist, int points, double angle)
{
    cairo_new_path(cr);
    for (int i = 0; i < 2 * points; ++i) {
        const double a = angle - M_PI / 2 + i * M_PI / points;
        const double rr = i % 2 == 0 ? r : r * waist;
        if (i == 0) cairo_move_to(cr, cx + std::cos(a) * rr, cy + std::sin(a) * rr);
        else cairo_line_to(cr, cx + std::cos(a) * rr, cy + std::sin(a) * rr);
    }
    cairo_close_path(cr);
}

} // namespace

void DrawMagicRing(cairo_t* cr, double cx, double cy, double radius, double open, double spin)
{
    if (open <= 0) return;
    const double r = std::max(3.0, radius * open);
    // The light inside: white at the heart, pale gold, then sky blue at the rim.
    cairo_pattern_t* light = cairo_pattern_create_radial(cx, cy, 0, cx, cy, r);
    AddStop(light, 0.0, pal::kWhite);
    AddStop(light, 0.45, pal::kGold[15]);
    AddStop(light, 0.8, pal::kGold[13]);
    AddStop(light, 1.0, pal::kCyan[6]);
    CirclePath(cr, cx, cy, r);
    cairo_set_source(cr, light);
    cairo_fill(cr);
    cairo_pattern_destroy(light);
    // A swirl of light in the middle, turning with the spin.
    cairo_save(cr);
    cairo_translate(cr, cx, cy);
    cairo_rotate(cr, spin * 2 * M_PI);
    cairo_new_path(cr);
    for (int arm = 0; arm < 3; ++arm) {
        const double a = arm * 2 * M_PI / 3;
        cairo_move_to(cr, std::cos(a) * r * 0.15, std::sin(a) * r * 0.15);
        cairo_curve_to(cr, std::cos(a + 0.9) * r * 0.5, std::sin(a + 0.9) * r * 0.5, std::cos(a + 1.6) * r * 0.7,
                       std::sin(a + 1.6) * r * 0.7, std::cos(a + 2.2) * r * 0.85, std::sin(a + 2.2) * r * 0.85);
    }
    StrokeOnly(cr, pal::kWhite, std::max(1.5, r * 0.06));
    cairo_restore(cr);
    // The rim: a gold band with a dark edge, and twinkles riding on it.
    cairo_new_path(cr);
    cairo_arc(cr, cx, cy, r, 0, 2 * M_PI);
    StrokeOnly(cr, pal::kGold[3], std::max(3.0, r * 0.1) + 2);
    cairo_new_path(cr);
    cairo_arc(cr, cx, cy, r, 0, 2 * M_PI);
    StrokeOnly(cr, pal::kGold[11], std::max(2.0, r * 0.1));
    cairo_new_path(cr);
    cairo_arc(cr, cx, cy, r - std::max(1.0, r * 0.03), M_PI * 1.1, M_PI * 1.6);
    StrokeOnly(cr, pal::kGold[15], std::max(1.0, r * 0.03));
    const int twinkles = r < 20 ? 4 : 8;
    for (int i = 0; i < twinkles; ++i) {
        const double a = (spin + double(i) / twinkles) * 2 * M_PI;
        const double size = (i % 2 ? 0.16 : 0.24) * r + 3;
        DrawTwinkle(cr, cx + std::cos(a) * r, cy + std::sin(a) * r, size, 1, i % 2 ? pal::kWhite : pal::kGold[14]);
    }
}

void DrawSparkle(cairo_t* cr, double cx, double cy, double size, double life, SparkleKind kind)
{
    if (life <= 0 || life >= 1) return;
    const double grow = std::sin(M_PI * life);
    const double r = size * (0.25 + 0.75 * grow);
    const double turn = life * 0.8;
    if (kind == SparkleKind::GoldTwinkle) {
        StarPath(cr, cx, cy, r, 0.18, 4, turn);
        FillOutlined(cr, pal::kGold[12], pal::kGold[3], 1.5);
        StarPath(cr, cx, cy, r * 0.55, 0.22, 4, turn + M_PI / 4);
        FillOnly(cr, pal::kGold[15]);
        CirclePath(cr, cx, cy, r * 0.16);
        FillOnly(cr, pal::kWhite);
    } else {
        cairo_new_path(cr);
        cairo_arc(cr, cx, cy, r * 0.62, 0, 2 * M_PI);
        StrokeOnly(cr, pal::kCyan[6], std::max(1.2, r * 0.07));
        StarPath(cr, cx, cy, r, 0.3, 8, turn);
        FillOutlined(cr, pal::kCyan[7], pal::kBlue[2], 1.5);
        StarPath(cr, cx, cy, r * 0.6, 0.35, 4, turn);
        FillOnly(cr, pal::kWhite);
    }
    // In the second half, dots fly out from the heart and shrink.
    if (life > 0.45) {
        const double t = (life - 0.45) / 0.55;
        for (int i = 0; i < 6; ++i) {
            const double a = i * M_PI / 3 + 0.5 + turn;
            const double d = size * (0.5 + 0.7 * t);
            CirclePath(cr, cx + std::cos(a) * d, cy + std::sin(a) * d, std::max(1.0, size * 0.09 * (1 - t) + 0.8));
            FillOnly(cr, kind == SparkleKind::GoldTwinkle ? pal::kGold[14] : pal::kWhite);
        }
    }
}

} // namespace mediagen
