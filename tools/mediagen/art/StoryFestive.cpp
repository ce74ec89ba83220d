// Confetti and the waving banner, with hard edges for the colour key.
#include "StoryFestive.h"

#include "ArtPen.h"
#include "SkyArt.h"
#include "paint/GamePalette.h"

#include <cmath>

namespace mediagen {

void DrawConfettiPiece(cairo_t* cr, double cx, double cy, double size, int shape, int colour, double spin,
                       double angle)
{
    cairo_save(cr);
    cairo_translate(cr, cx, cy);
    cairo_rotate(cr, angle);
    // Never quite edge-on, so a piece never vanishes.
    cairo_scale(cr, 0.25 + 0.75 * std::fabs(std::cos(spin * 2 * M_PI)), 1);
    switch (shape % 4) {
    case 0:
        cairo_rectangle(cr, -size * 0.3, -size * 0.7, size * 0.6, size * 1.4);
        break;
    case 1:
        cairo_rectangle(cr, -size * 0.5, -size * 0.5, size, size);
        break;
    case 2:
        CirclePath(cr, 0, 0, size * 0.55);
        break;
    default:
        cairo_move_to(cr, -size * 0.3, -size * 0.9);
        cairo_curve_to(cr, size * 0.8, -size * 0.5, -size * 0.8, size * 0.1, size * 0.3, size * 0.9);
        StrokeOnly(cr, pal::kBlack, size * 0.55 + 1.6);
        cairo_move_to(cr, -size * 0.3, -size * 0.9);
        cairo_curve_to(cr, size * 0.8, -size * 0.5, -size * 0.8, size * 0.1, size * 0.3, size * 0.9);
        StrokeOnly(cr, colour, size * 0.55);
        cairo_restore(cr);
        return;
    }
    FillOutlined(cr, colour, pal::kBlack, 1.0);
    cairo_restore(cr);
}

void DrawHangingBanner(cairo_t* cr, double x, double y, double width, double length, int cloth, int clothShade,
                       double phase)
{
    const double turn = 2 * M_PI * phase;
    const double inset = 4;
    // The cloth's sides ripple: a wave running down it, growing towards the free end.
    auto sway = [&](double t) { return 3.2 * t * std::sin(turn - t * 5.0); };
    const int steps = 16;
    auto side = [&](double edgeX, bool down) {
        for (int i = 0; i <= steps; ++i) {
            const int k = down ? i : steps - i;
            const double t = double(k) / steps;
            cairo_line_to(cr, edgeX + sway(t), y + 3 + t * (length - 3));
        }
    };
    const double left = x + inset, right = x + width - inset;
    const double notch = length * 0.2;
    cairo_new_path(cr);
    cairo_move_to(cr, left, y + 3);
    side(left, true);
    cairo_line_to(cr, (left + right) / 2 + sway(1 - notch / length), y + length - notch);
    side(right, false);
    cairo_close_path(cr);
    cairo_path_t* shape = cairo_copy_path(cr);
    FillOutlined(cr, cloth, pal::kBlack);
    // A shaded fold that runs with the wave, a gold border and a star.
    cairo_save(cr);
    cairo_append_path(cr, shape);
    cairo_clip(cr);
    const double fold = left + (right - left) * (0.5 + 0.35 * std::sin(turn));
    cairo_rectangle(cr, fold, y, (right - left) * 0.3, length);
    FillOnly(cr, clothShade);
    cairo_new_path(cr);
    cairo_move_to(cr, left + 3, y + 4);
    side(left + 3, true);
    StrokeOnly(cr, pal::kGold[11], 2);
    cairo_move_to(cr, right - 3, y + 4);
    side(right - 3, true);
    StrokeOnly(cr, pal::kGold[11], 2);
    cairo_restore(cr);
    cairo_path_destroy(shape);
    const double starT = 0.42;
    DrawStar(cr, (left + right) / 2 + sway(starT), y + starT * length, (right - left) * 0.3,
             0.15 * std::sin(turn - starT * 5.0));

    // The rod, with a knob at each end and a cord to hang it by.
    cairo_new_path(cr);
    cairo_move_to(cr, x + width / 2 - 9, y);
    cairo_line_to(cr, x + width / 2, y - 9);
    cairo_line_to(cr, x + width / 2 + 9, y);
    StrokeOnly(cr, pal::kGold[5], 1.6);
    cairo_rectangle(cr, x + 2, y - 1.5, width - 4, 4);
    FillOutlined(cr, pal::kGold[9], pal::kGold[2], 1.0);
    CirclePath(cr, x + 3, y + 0.5, 3);
    FillOutlined(cr, pal::kGold[12], pal::kGold[2], 1.0);
    CirclePath(cr, x + width - 3, y + 0.5, 3);
    FillOutlined(cr, pal::kGold[12], pal::kGold[2], 1.0);
}

} // namespace mediagen
