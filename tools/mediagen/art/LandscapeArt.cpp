// Night skies, hills and snowfall for backgrounds.
#include "LandscapeArt.h"

#include "ArtPen.h"
#include "ArtRandom.h"
#include "SkyArt.h"
#include "paint/Ink.h"

#include <cmath>
#include <vector>

namespace mediagen {

void DrawNightSky(cairo_t* cr, double width, double height, double horizonY, int stars, uint32_t seed)
{
    cairo_pattern_t* sky = cairo_pattern_create_linear(0, 0, 0, horizonY);
    AddStop(sky, 0.0, pal::kNightSky[1]);
    AddStop(sky, 0.45, pal::kNightSky[5]);
    AddStop(sky, 0.8, pal::kNightSky[9]);
    AddStop(sky, 1.0, pal::kTwilight[5]);
    cairo_set_source(cr, sky);
    cairo_rectangle(cr, 0, 0, width, height);
    cairo_fill(cr);
    cairo_pattern_destroy(sky);

    ArtRandom random(seed);
    for (int i = 0; i < stars; ++i) {
        const double x = random.Range(0, width), y = random.Range(0, horizonY * 0.9);
        const double size = random.Unit();
        if (size > 0.9) {
            DrawTwinkle(cr, x, y, random.Range(4, 7), random.Unit());
        } else {
            CirclePath(cr, x, y, 0.6 + size * 1.1);
            FillOnly(cr, size > 0.5 ? pal::kGold[14] : pal::kSnow[12]);
        }
    }
}

void DrawSnowyHills(cairo_t* cr, double width, double topY, double bottomY, double roughness, int colour,
                    int shadeColour, uint32_t seed)
{
    ArtRandom random(seed);
    const double p1 = random.Range(0, 6.28), p2 = random.Range(0, 6.28);
    const double f1 = random.Range(1.2, 2.2), f2 = random.Range(2.5, 4.0);
    auto top = [&](double x) {
        const double t = x / width * M_PI;
        return topY - roughness * (0.6 * std::sin(t * f1 + p1) + 0.4 * std::sin(t * f2 + p2));
    };
    auto outline = [&] {
        cairo_new_path(cr);
        cairo_move_to(cr, 0, bottomY);
        for (double x = 0; x <= width + 4; x += 4) cairo_line_to(cr, x, top(x));
        cairo_line_to(cr, width, bottomY);
        cairo_close_path(cr);
    };
    outline();
    FillOnly(cr, colour);
    // Shade the slopes that face away from the moon (where the hill falls to the right).
    cairo_save(cr);
    outline();
    cairo_clip(cr);
    cairo_new_path(cr);
    for (double x = 0; x < width; x += 4) {
        const double slope = top(x + 4) - top(x);
        if (slope > 0.35) {
            cairo_rectangle(cr, x, top(x), 4.5, (bottomY - top(x)) * 0.35);
        }
    }
    FillOnly(cr, shadeColour, 0.55);
    cairo_restore(cr);
}

void DrawSnowfall(cairo_t* cr, double width, double height, int count, uint32_t seed)
{
    ArtRandom random(seed);
    for (int i = 0; i < count; ++i) {
        const double x = random.Range(0, width), y = random.Range(0, height);
        const double size = random.Unit();
        if (size > 0.85) {
            DrawSnowflake(cr, x, y, random.Range(4, 7), random.Range(0, 1));
        } else {
            CirclePath(cr, x, y, 1 + size * 1.4);
            FillOnly(cr, pal::kSnow[14], 0.9);
        }
    }
}

} // namespace mediagen
