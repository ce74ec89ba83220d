// Village pieces: layered pine trees with snow, houses with snow-covered roofs.
#include "VillageArt.h"

#include "SkyArt.h"
#include "paint/Ink.h"

#include <cmath>

namespace mediagen {

namespace {

constexpr int kInk = pal::kBlack;

struct Chimney {
    double x0, x1, top, base;
};

Chimney ChimneyOf(const HouseLook& h)
{
    const double roofHeight = h.width * 0.45;
    const double cx = -h.width / 2 + h.width * h.chimneyAt;
    // The roof line at cx, so the chimney stands on it.
    const double roofY = -h.height - roofHeight * (1 - std::fabs(cx) / (h.width / 2 + 8));
    return {cx - h.width * 0.07, cx + h.width * 0.07, roofY - roofHeight * 0.45, roofY + 6};
}

} // namespace

void DrawPineTree(cairo_t* cr, const Placement& placement, const PineLook& look)
{
    FigureSpace space(cr, placement);
    const double h = look.height, w = h * 0.7;
    PolygonPath(cr, {{-w * 0.07, 0}, {w * 0.07, 0}, {w * 0.07, -h * 0.16}, {-w * 0.07, -h * 0.16}});
    FillOutlined(cr, pal::kFur[3], kInk);
    // Three tiers, bottom first, each a wide triangle with a wavy hem.
    for (int tier = 0; tier < 3; ++tier) {
        const double bottom = -h * (0.12 + tier * 0.25);
        const double top = -h * (0.48 + tier * 0.26);
        const double half = w / 2 * (1 - tier * 0.24);
        cairo_new_path(cr);
        cairo_move_to(cr, 0, tier == 2 ? -h : top);
        cairo_line_to(cr, half, bottom);
        for (int k = 4; k >= 0; --k) {
            const double x0 = -half + (half * 2) * (k + 1) / 5, x1 = -half + (half * 2) * k / 5;
            cairo_curve_to(cr, x0 - (x0 - x1) * 0.3, bottom + h * 0.04, x1 + (x0 - x1) * 0.3, bottom + h * 0.04, x1,
                           bottom);
        }
        cairo_close_path(cr);
        FillOutlined(cr, pal::kGreen[4 + tier], kInk);
        if (look.snowy) {
            cairo_new_path(cr);
            const double sTop = tier == 2 ? -h : top;
            cairo_move_to(cr, 0, sTop);
            cairo_line_to(cr, half * 0.45, sTop + (bottom - sTop) * 0.45);
            cairo_curve_to(cr, half * 0.2, sTop + (bottom - sTop) * 0.55, 0, sTop + (bottom - sTop) * 0.38,
                           -half * 0.15, sTop + (bottom - sTop) * 0.5);
            cairo_curve_to(cr, -half * 0.3, sTop + (bottom - sTop) * 0.58, -half * 0.4, sTop + (bottom - sTop) * 0.4,
                           -half * 0.45, sTop + (bottom - sTop) * 0.45);
            cairo_close_path(cr);
            FillOnly(cr, pal::kSnow[15]);
            // Snow along the hem.
            for (int k = 0; k < 5; ++k) {
                const double x = -half + (half * 2) * (k + 0.5) / 5;
                EllipsePath(cr, x, bottom - h * 0.015, half * 0.13, h * 0.022);
                FillOnly(cr, pal::kSnow[13]);
            }
        }
    }
    if (look.decorated) {
        const int colours[] = {pal::kRed[8], pal::kGold[11], pal::kBlue[5], pal::kPink[5], pal::kCyan[5]};
        const double spots[][2] = {{-0.2, 0.22}, {0.18, 0.3}, {-0.05, 0.42}, {0.2, 0.52}, {-0.16, 0.58},
                                   {0.05, 0.7},  {-0.1, 0.82}, {0.1, 0.16}, {0.28, 0.2},  {-0.26, 0.36}};
        int i = 0;
        for (const auto& s : spots) {
            const double twinkle = 0.5 + 0.5 * std::sin(2 * M_PI * look.phase + i * 1.7);
            CirclePath(cr, s[0] * w, -s[1] * h, h * 0.028);
            FillOutlined(cr, colours[i % 5], kInk, 1.2);
            CirclePath(cr, s[0] * w - h * 0.008, -s[1] * h - h * 0.008, h * 0.009 * (0.6 + twinkle));
            FillOnly(cr, pal::kWhite);
            ++i;
        }
        DrawStar(cr, 0, -h - h * 0.02, h * 0.09);
    }
}

void DrawHouse(cairo_t* cr, const Placement& placement, const HouseLook& look)
{
    FigureSpace space(cr, placement);
    const double w = look.width, h = look.height, roofH = w * 0.45;
    const Chimney ch = ChimneyOf(look);

    // Chimney behind the roof, with a snow cap, and smoke.
    PolygonPath(cr, {{ch.x0, ch.base}, {ch.x1, ch.base}, {ch.x1, ch.top}, {ch.x0, ch.top}});
    FillOutlined(cr, pal::kBrick[3], kInk);
    for (double y = ch.top + 6; y < ch.base - 2; y += 6) {
        cairo_new_path(cr);
        cairo_move_to(cr, ch.x0, y);
        cairo_line_to(cr, ch.x1, y);
        StrokeOnly(cr, pal::kBrick[1], 1);
    }
    PolygonPath(cr, {{ch.x0 - 2, ch.top}, {ch.x1 + 2, ch.top}, {ch.x1 + 2, ch.top + 5}, {ch.x0 - 2, ch.top + 5}});
    FillOutlined(cr, pal::kStone[4], kInk);
    SmoothPath(cr, {{ch.x0 - 3, ch.top}, {ch.x0, ch.top - 3}, {(ch.x0 + ch.x1) / 2, ch.top - 4}, {ch.x1 + 1, ch.top - 3},
                    {ch.x1 + 3, ch.top + 1}});
    FillOutlined(cr, pal::kSnow[15], pal::kSnow[0], 1.2);
    if (look.smoke) {
        const double cx = (ch.x0 + ch.x1) / 2;
        for (int i = 0; i < 4; ++i) {
            CirclePath(cr, cx + std::sin(i * 1.3) * 5 + i * 3, ch.top - 10 - i * 11, 4 + i * 1.8);
            FillOnly(cr, pal::kGrey[11 - i], 0.85);
        }
    }

    // Walls, then the shaded gable end under the roof.
    PolygonPath(cr, {{-w / 2, 0}, {w / 2, 0}, {w / 2, -h}, {-w / 2, -h}});
    FillOutlined(cr, look.wall, kInk);
    for (double y = -8; y > -h; y -= 8) {
        cairo_new_path(cr);
        cairo_move_to(cr, -w / 2 + 1, y);
        cairo_line_to(cr, w / 2 - 1, y);
        StrokeOnly(cr, look.wallShade, 0.8);
    }
    // The roof: a wide triangle deep in snow, with a wavy hem of icicles.
    PolygonPath(cr, {{-w / 2 - 8, -h + 2}, {0, -h - roofH}, {w / 2 + 8, -h + 2}});
    FillOutlined(cr, look.roof, kInk);
    cairo_new_path(cr);
    cairo_move_to(cr, -w / 2 - 9, -h + 1);
    cairo_line_to(cr, 0, -h - roofH - 3);
    cairo_line_to(cr, w / 2 + 9, -h + 1);
    for (int k = 8; k >= 0; --k) {
        const double x = -w / 2 - 9 + (w + 18) * k / 8.0;
        cairo_line_to(cr, x + (w + 18) / 16, -h + 5 + (k % 2) * 3);
        cairo_line_to(cr, x, -h + 1);
    }
    cairo_close_path(cr);
    cairo_new_path(cr);
    cairo_move_to(cr, -w / 2 - 9, -h + 2);
    cairo_line_to(cr, 0, -h - roofH - 3);
    cairo_line_to(cr, w / 2 + 9, -h + 2);
    cairo_curve_to(cr, w / 4, -h - 4, w / 8, -h - roofH * 0.2, 0, -h - roofH * 0.35);
    cairo_curve_to(cr, -w / 8, -h - roofH * 0.2, -w / 4, -h + 1, -w / 2 - 9, -h + 2);
    cairo_close_path(cr);
    FillOutlined(cr, pal::kSnow[15], pal::kSnow[0], 1.5);
    for (int k = 0; k < 7; ++k) {
        const double x = -w / 2 + w * (k + 0.5) / 7;
        PolygonPath(cr, {{x - 2.5, -h + 1}, {x + 2.5, -h + 1}, {x, -h + 6 + (k % 3) * 2}});
        FillOnly(cr, pal::kCyan[7]);
    }

    // Windows: warm light and cross bars; a door with a wreath.
    const int glass = look.litWindows ? pal::kGold[12] : pal::kNightSky[4];
    const int glassInner = look.litWindows ? pal::kGold[14] : pal::kNightSky[6];
    auto window = [&](double cx, double cy, double ww, double wh) {
        PolygonPath(cr, {{cx - ww / 2, cy - wh / 2}, {cx + ww / 2, cy - wh / 2}, {cx + ww / 2, cy + wh / 2}, {cx - ww / 2, cy + wh / 2}});
        FillOutlined(cr, glass, kInk);
        EllipsePath(cr, cx, cy, ww * 0.3, wh * 0.3);
        FillOnly(cr, glassInner);
        cairo_new_path(cr);
        cairo_move_to(cr, cx, cy - wh / 2);
        cairo_line_to(cr, cx, cy + wh / 2);
        cairo_move_to(cr, cx - ww / 2, cy);
        cairo_line_to(cr, cx + ww / 2, cy);
        StrokeOnly(cr, pal::kFur[2], std::max(1.5, ww * 0.1));
        PolygonPath(cr, {{cx - ww / 2 - 2, cy + wh / 2}, {cx + ww / 2 + 2, cy + wh / 2}, {cx + ww / 2 + 2, cy + wh / 2 + 3},
                         {cx - ww / 2 - 2, cy + wh / 2 + 3}});
        FillOutlined(cr, pal::kSnow[15], pal::kSnow[3], 1.2);
    };
    const double ww = w * 0.2, wh = h * 0.3;
    window(-w * 0.3, -h * 0.55, ww, wh);
    window(w * 0.3, -h * 0.55, ww, wh);
    const double dw = w * 0.2, dh = h * 0.55;
    cairo_new_path(cr);
    cairo_move_to(cr, -dw / 2, 0);
    cairo_line_to(cr, -dw / 2, -dh + dw / 2);
    cairo_arc(cr, 0, -dh + dw / 2, dw / 2, M_PI, 2 * M_PI);
    cairo_line_to(cr, dw / 2, 0);
    cairo_close_path(cr);
    FillOutlined(cr, pal::kRed[5], kInk);
    CirclePath(cr, dw * 0.28, -dh * 0.45, 1.6);
    FillOnly(cr, pal::kGold[11]);
    if (look.wreath) {
        cairo_new_path(cr);
        cairo_arc(cr, 0, -dh * 0.7, dw * 0.26, 0, 2 * M_PI);
        StrokeOnly(cr, pal::kGreen[6], dw * 0.14);
        CirclePath(cr, 0, -dh * 0.7 + dw * 0.26, dw * 0.08);
        FillOnly(cr, pal::kRed[9]);
    }
    // Snow banked along the bottom.
    SmoothPath(cr, {{-w / 2 - 6, 0}, {-w / 2 - 2, -4}, {-w / 4, -2}, {0, -3.5}, {w / 4, -2}, {w / 2 + 2, -4}, {w / 2 + 6, 0}});
    FillOutlined(cr, pal::kSnow[14], pal::kSnow[0], 1.5);
}

Point HouseChimneyTop(const Placement& p, const HouseLook& look)
{
    const Chimney ch = ChimneyOf(look);
    const double x = (ch.x0 + ch.x1) / 2;
    return {p.x + (p.faceLeft ? -x : x) * p.scale, p.y + ch.top * p.scale};
}

} // namespace mediagen
