// The present with a lid: box, inside, light rays, lid, ribbons and bow.
#include "StoryPresent.h"

#include "paint/Ink.h"

#include <cmath>

namespace mediagen {

namespace {

constexpr int kInk = pal::kBlack;

void Bow(cairo_t* cr, double cx, double cy, double size, const PresentLook& look)
{
    SmoothPath(cr, {{cx, cy}, {cx - size * 0.6, cy - size * 0.2}, {cx - size * 1.1, cy - size * 0.85},
                    {cx - size * 0.45, cy - size * 0.95}});
    FillOutlined(cr, look.ribbon, kInk);
    SmoothPath(cr, {{cx, cy}, {cx + size * 0.6, cy - size * 0.2}, {cx + size * 1.1, cy - size * 0.85},
                    {cx + size * 0.45, cy - size * 0.95}});
    FillOutlined(cr, look.ribbon, kInk);
    EllipsePath(cr, cx, cy - size * 0.12, size * 0.28, size * 0.24);
    FillOutlined(cr, look.ribbonShade, kInk);
}

} // namespace

void DrawPresent(cairo_t* cr, const Placement& placement, const PresentLook& look)
{
    FigureSpace space(cr, placement);
    const double w = look.width * (1 + look.squash * 0.5), h = look.height * (1 - look.squash);
    const double top = look.width * 0.18; // depth of the top face seen from above
    const double band = look.width * 0.16;
    // Rock about the bottom corner on the side the box leans to.
    const double pivot = look.shake > 0 ? w / 2 : -w / 2;
    cairo_translate(cr, pivot, 0);
    cairo_rotate(cr, look.shake);
    cairo_translate(cr, -pivot, 0);

    // The box front.
    cairo_rectangle(cr, -w / 2, -h, w, h);
    FillOutlined(cr, look.paper, kInk);
    cairo_rectangle(cr, -w / 2 + 2, -h * 0.3, w - 4, h * 0.3 - 2);
    FillOnly(cr, look.paperShade);
    cairo_rectangle(cr, -band / 2, -h, band, h);
    FillOutlined(cr, look.ribbon, kInk, 1.2);

    if (look.lidLift > 1) {
        // The open top: the dark inside, then light pouring up from it.
        PolygonPath(cr, {{-w / 2, -h}, {-w / 2 + top * 0.8, -h - top}, {w / 2 - top * 0.8, -h - top}, {w / 2, -h}});
        FillOutlined(cr, look.paperShade, kInk);
        EllipsePath(cr, 0, -h - top * 0.5, w / 2 - top * 0.6, top * 0.42);
        FillOnly(cr, pal::kRed[1]);
        if (look.glow > 0) {
            const int rays = 7;
            for (int i = 0; i < rays; ++i) {
                const double a = -M_PI / 2 + (i - (rays - 1) / 2.0) * 0.22;
                const double len = h * (1.0 + 0.9 * look.glow) * (i % 2 ? 0.75 : 1.0);
                const double bx = (i - (rays - 1) / 2.0) * w * 0.07;
                PolygonPath(cr, {{bx - 3, -h - top * 0.5}, {bx + 3, -h - top * 0.5},
                                 {bx + std::cos(a + 0.06) * len, -h - top * 0.5 + std::sin(a + 0.06) * len},
                                 {bx + std::cos(a - 0.06) * len, -h - top * 0.5 + std::sin(a - 0.06) * len}});
                FillOnly(cr, i % 2 ? pal::kGold[14] : pal::kGold[15]);
            }
            EllipsePath(cr, 0, -h - top * 0.5, w / 2 - top * 0.9, top * 0.3);
            FillOnly(cr, pal::kGold[15]);
        }
    }

    // The lid: a band a little wider than the box, with its top face, ribbon and bow.
    cairo_save(cr);
    cairo_translate(cr, 0, -h - look.lidLift);
    cairo_rotate(cr, look.lidTilt);
    const double lw = w + 6, lh = h * 0.26 + 4;
    PolygonPath(cr, {{-lw / 2, 0}, {-lw / 2, -lh}, {-lw / 2 + top, -lh - top}, {lw / 2 - top, -lh - top},
                     {lw / 2, -lh}, {lw / 2, 0}});
    FillOutlined(cr, look.paper, kInk);
    PolygonPath(cr, {{-lw / 2, -lh}, {-lw / 2 + top, -lh - top}, {lw / 2 - top, -lh - top}, {lw / 2, -lh}});
    FillOutlined(cr, look.paperLight, kInk, 1.2);
    cairo_rectangle(cr, -band / 2, -lh, band, lh);
    FillOutlined(cr, look.ribbon, kInk, 1.2);
    PolygonPath(cr, {{-band / 2, -lh}, {-band / 2 + top * 0.1, -lh - top}, {band / 2 + top * 0.1, -lh - top}, {band / 2, -lh}});
    FillOutlined(cr, look.ribbon, kInk, 1.2);
    PolygonPath(cr, {{-lw / 2 + top * 0.5, -lh - top * 0.5 - band * 0.3}, {lw / 2 - top * 0.5, -lh - top * 0.5 - band * 0.3},
                     {lw / 2 - top * 0.5, -lh - top * 0.5 + band * 0.3}, {-lw / 2 + top * 0.5, -lh - top * 0.5 + band * 0.3}});
    FillOutlined(cr, look.ribbonShade, kInk, 1.0);
    Bow(cr, 0, -lh - top * 0.5, look.width * 0.28, look);
    cairo_restore(cr);
}

} // namespace mediagen
