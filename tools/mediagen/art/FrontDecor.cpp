// Front-end decorations in palette colours, drawn with cairo.
#include "art/FrontDecor.h"

#include "art/ArtPen.h"
#include "paint/GamePalette.h"
#include "paint/Ink.h"
#include "paint/TextPainter.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace mediagen {

namespace {

void RoundedRectPath(cairo_t* cr, double x, double y, double w, double h, double r)
{
    cairo_new_sub_path(cr);
    cairo_arc(cr, x + w - r, y + r, r, -M_PI / 2, 0);
    cairo_arc(cr, x + w - r, y + h - r, r, 0, M_PI / 2);
    cairo_arc(cr, x + r, y + h - r, r, M_PI / 2, M_PI);
    cairo_arc(cr, x + r, y + r, r, M_PI, 3 * M_PI / 2);
    cairo_close_path(cr);
}

void HollyLeaf(cairo_t* cr, double length, double angle)
{
    cairo_save(cr);
    cairo_rotate(cr, angle);
    // Three spiky bays on each side of the leaf.
    const double w = length * 0.32;
    cairo_new_path(cr);
    cairo_move_to(cr, 0, 0);
    const int bays = 3;
    for (int i = 0; i < bays; ++i) {
        const double x0 = length * i / bays, x1 = length * (i + 1) / bays;
        const double bulge = w * std::sin(M_PI * (i + 1.0) / (bays + 1.0)) + w * 0.25;
        cairo_curve_to(cr, x0 + (x1 - x0) * 0.3, -bulge * 0.55, x0 + (x1 - x0) * 0.6, -bulge * 0.5, x1, -bulge);
    }
    cairo_line_to(cr, length * 1.08, 0);
    for (int i = bays - 1; i >= 0; --i) {
        const double x0 = length * (i + 1) / bays, x1 = length * i / bays;
        const double bulge = w * std::sin(M_PI * (i + 1.0) / (bays + 1.0)) + w * 0.25;
        cairo_line_to(cr, x0, bulge);
        cairo_curve_to(cr, x0 + (x1 - x0) * 0.4, bulge * 0.5, x0 + (x1 - x0) * 0.7, bulge * 0.55, x1, i == 0 ? 0 : bulge);
    }
    cairo_close_path(cr);
    FillOutlined(cr, pal::kGreen[7], pal::kGreen[0], 1.5);
    cairo_move_to(cr, length * 0.05, 0);
    cairo_line_to(cr, length * 0.95, 0);
    StrokeOnly(cr, pal::kGreen[3], std::max(1.0, length * 0.05));
    cairo_restore(cr);
}

} // namespace

void DrawFrostPanel(cairo_t* cr, double x, double y, double w, double h, bool snowCap)
{
    const double r = 18;
    cairo_save(cr);
    RoundedRectPath(cr, x, y, w, h, r);
    FillBlendDown(cr, y, y + h, {{0.0, pal::kNightSky[5]}, {1.0, pal::kNightSky[2]}});
    StrokeRim(cr, pal::kNightSky[0], 9, pal::kSnow[11], 5);
    RoundedRectPath(cr, x + 8, y + 8, w - 16, h - 16, r - 7);
    SetInk(cr, pal::kGold[9]);
    cairo_set_line_width(cr, 2);
    cairo_stroke(cr);
    if (!snowCap) {
        cairo_restore(cr);
        return;
    }

    // Snow heaped along the top edge, with a few icicles hanging from it.
    cairo_new_path(cr);
    cairo_move_to(cr, x - 4, y + 6);
    const int lumps = std::max(3, int(w / 34));
    for (int i = 0; i < lumps; ++i) {
        const double x0 = x - 4 + (w + 8) * i / lumps, x1 = x - 4 + (w + 8) * (i + 1) / lumps;
        const double rise = 9 + 5 * std::sin(i * 2.3);
        cairo_curve_to(cr, x0 + (x1 - x0) * 0.1, y - rise, x0 + (x1 - x0) * 0.9, y - rise, x1, y + 4);
    }
    cairo_line_to(cr, x + w + 4, y + 10);
    for (int i = lumps; i > 0; --i) {
        const double xs = x - 4 + (w + 8) * i / lumps;
        cairo_curve_to(cr, xs - 6, y + 14, xs - 20, y + 8, xs - (w + 8) / lumps, y + 10);
    }
    cairo_close_path(cr);
    FillOutlined(cr, pal::kWhite, pal::kSnow[4], 2.0);
    for (int i = 1; i < lumps; i += 2) {
        const double ix = x + w * i / lumps + 5 * std::sin(i * 1.7);
        const double len = 10 + 6 * std::fabs(std::sin(i * 3.1));
        PolygonPath(cr, {{ix - 4, y + 10}, {ix + 4, y + 10}, {ix, y + 10 + len}});
        FillOutlined(cr, pal::kSnow[13], pal::kSnow[5], 1.2);
    }
    cairo_restore(cr);
}

void DrawLightString(cairo_t* cr, double x0, double y0, double x1, double y1, double sag, int bulbs)
{
    auto at = [&](double t) {
        const double x = x0 + (x1 - x0) * t;
        const double y = y0 + (y1 - y0) * t + sag * 4 * t * (1 - t);
        return Point{x, y};
    };
    cairo_new_path(cr);
    for (int i = 0; i <= 40; ++i) {
        const Point p = at(i / 40.0);
        if (i == 0) cairo_move_to(cr, p.x, p.y);
        else cairo_line_to(cr, p.x, p.y);
    }
    StrokeOnly(cr, pal::kGreen[1], 2);
    const int colours[] = {pal::kRed[9], pal::kGold[12], pal::kGreen[9], pal::kBlue[5], pal::kPink[5]};
    for (int i = 0; i < bulbs; ++i) {
        const Point p = at((i + 0.5) / bulbs);
        const int colour = colours[i % 5];
        Halo(cr, p.x, p.y + 6, 2, 12, GameColour(colour), 0.55);
        cairo_rectangle(cr, p.x - 2, p.y - 1, 4, 4);
        FillOnly(cr, pal::kGreen[2]);
        EllipsePath(cr, p.x, p.y + 7, 3.5, 5);
        FillOutlined(cr, colour, pal::kGrey[1], 1.0);
        CirclePath(cr, p.x - 1, p.y + 5, 1.2);
        FillOnly(cr, pal::kWhite);
    }
}

void DrawHolly(cairo_t* cr, double cx, double cy, double size, double angle)
{
    cairo_save(cr);
    cairo_translate(cr, cx, cy);
    cairo_rotate(cr, angle);
    HollyLeaf(cr, size, -2.6);
    HollyLeaf(cr, size, -0.55);
    const double r = size * 0.17;
    const Point berries[] = {{-r * 0.9, r * 0.4}, {r * 0.9, r * 0.4}, {0, -r * 0.7}};
    for (const Point& b : berries) {
        CirclePath(cr, b.x, b.y, r);
        FillOutlined(cr, pal::kRed[9], pal::kRed[1], 1.2);
        CirclePath(cr, b.x - r * 0.35, b.y - r * 0.35, r * 0.3);
        FillOnly(cr, pal::kRed[14]);
    }
    cairo_restore(cr);
}

void DrawRibbonBanner(cairo_t* cr, double x, double y, double w, double h)
{
    const double tail = h * 0.9, drop = h * 0.32, notch = h * 0.3;
    // Tails behind the ends, folded down, with a notch cut into each end.
    for (int side = 0; side < 2; ++side) {
        const double s = side == 0 ? -1 : 1;
        const double edge = side == 0 ? x : x + w;
        const double inner = edge - s * h * 0.5;
        const double outer = edge + s * tail;
        PolygonPath(cr, {{inner, y + drop}, {outer, y + drop}, {outer - s * notch, y + drop + h * 0.5},
                         {outer, y + drop + h}, {inner, y + drop + h}});
        FillOutlined(cr, pal::kRed[5], pal::kRed[0], 2.0);
        PolygonPath(cr, {{edge, y + h}, {edge - s * h * 0.5, y + drop + h}, {edge - s * h * 0.5, y + h}});
        FillOutlined(cr, pal::kRed[2], pal::kRed[0], 1.5);
    }
    cairo_rectangle(cr, x, y, w, h);
    FillBlendDown(cr, y, y + h, {{0.0, pal::kRed[11]}, {0.5, pal::kRed[8]}, {1.0, pal::kRed[6]}});
    SetInk(cr, pal::kRed[0]);
    cairo_set_line_width(cr, 2);
    cairo_stroke(cr);
    // Gold stitching along both long edges.
    const double dashes[] = {6, 4};
    cairo_set_dash(cr, dashes, 2, 0);
    for (double ly : {y + 5.0, y + h - 5.0}) {
        cairo_move_to(cr, x + 6, ly);
        cairo_line_to(cr, x + w - 6, ly);
    }
    StrokeOnly(cr, pal::kGold[12], 1.5);
    cairo_set_dash(cr, nullptr, 0, 0);
}

void DrawSnowHills(cairo_t* cr, int width, int height, const double* surfaceY, int points, int shade)
{
    std::vector<Point> line;
    for (int i = 0; i < points; ++i) line.push_back({double(width) * i / (points - 1), surfaceY[i]});
    cairo_new_path(cr);
    cairo_move_to(cr, -4, height + 4);
    cairo_line_to(cr, -4, line.front().y);
    for (size_t i = 0; i + 1 < line.size(); ++i) {
        const Point a = line[i], b = line[i + 1];
        const double mx = (a.x + b.x) / 2;
        cairo_curve_to(cr, mx, a.y, mx, b.y, b.x, b.y);
    }
    cairo_line_to(cr, width + 4, line.back().y);
    cairo_line_to(cr, width + 4, height + 4);
    cairo_close_path(cr);
    double top = height;
    for (const Point& p : line) top = std::min(top, p.y);
    FillBlendDown(cr, top, height, {{0.0, pal::kWhite}, {0.5, pal::kSnow[shade + 3]}, {1.0, pal::kSnow[shade]}});
    SetInk(cr, pal::kSnow[std::max(0, shade - 4)]);
    cairo_set_line_width(cr, 2);
    cairo_stroke(cr);
}

void DrawSnowDrift(cairo_t* cr, double cx, double baseY, double halfWidth, double height)
{
    cairo_new_path(cr);
    cairo_move_to(cr, cx - halfWidth, baseY);
    cairo_curve_to(cr, cx - halfWidth * 0.6, baseY - height, cx + halfWidth * 0.6, baseY - height, cx + halfWidth, baseY);
    cairo_close_path(cr);
    FillBlendDown(cr, baseY - height, baseY, {{0.0, pal::kWhite}, {1.0, pal::kSnow[11]}});
    SetInk(cr, pal::kSnow[6]);
    cairo_set_line_width(cr, 2);
    cairo_stroke(cr);
}

void DrawTitleLogo(cairo_t* cr, const char* text, double cx, double top, double sizePx)
{
    TextStyle style;
    style.sizePx = sizePx;
    style.fill = GameColour(pal::kGold[15]);
    style.fillBottom = GameColour(pal::kOrange[3]);
    style.outline = GameColour(pal::kRed[1]);
    style.outlineWidth = sizePx * 0.07;
    style.shadow = GameColour(pal::kNightSky[0]);
    style.shadowDx = sizePx * 0.05;
    style.shadowDy = sizePx * 0.07;
    style.align = TextAlign::Centre;
    DrawText(cr, style, text, cx, top);
}

} // namespace mediagen
