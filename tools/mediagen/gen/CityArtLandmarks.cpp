// Group "act2-cities", landmarks: the one sight per city ("lm_N.bmp") that tells a child where
// the sleigh is, floodlit against the night and passing slowly behind the rooftops.
#include "CityPlan.h"
#include "MediaGenerator.h"
#include "art/ArtPen.h"
#include "art/ArtRandom.h"
#include "art/SkyArt.h"
#include "art/VillageArt.h"
#include "paint/Canvas.h"
#include "paint/GamePalette.h"
#include "paint/Ink.h"
#include "paint/PictureFile.h"

#include <cmath>
#include <functional>
#include <string>

namespace mediagen {
namespace {

constexpr int kInk = pal::kBlack;
constexpr double kTau = 6.283185307179586;

void Box(cairo_t* cr, double x, double y, double w, double h, int fill, double outline = kOutlinePx)
{
    cairo_new_path(cr);
    cairo_rectangle(cr, x, y, w, h);
    FillOutlined(cr, fill, kInk, outline);
}

void Line(cairo_t* cr, double x0, double y0, double x1, double y1, int colour, double width)
{
    cairo_new_path(cr);
    cairo_move_to(cr, x0, y0);
    cairo_line_to(cr, x1, y1);
    StrokeOnly(cr, colour, width);
}

void ArchPath(cairo_t* cr, double x, double bottom, double w, double h)
{
    cairo_new_path(cr);
    cairo_move_to(cr, x, bottom);
    cairo_line_to(cr, x, bottom - h + w / 2);
    cairo_arc(cr, x + w / 2, bottom - h + w / 2, w / 2, M_PI, 2 * M_PI);
    cairo_line_to(cr, x + w, bottom);
    cairo_close_path(cr);
}

void Hill(cairo_t* cr, double w, double h, double top, int colour)
{
    SmoothPath(cr, {{-10, h + 2}, {0, h - top * 0.3}, {w * 0.3, h - top * 0.9}, {w * 0.5, h - top}, {w * 0.7, h - top * 0.9},
                    {w, h - top * 0.3}, {w + 10, h + 2}});
    FillOutlined(cr, colour, kInk);
}

// 1: the clock tower by the river, its four faces lit.
void ClockTower(cairo_t* cr, double w, double h)
{
    Box(cr, 10, h - 80, w - 20, 80, pal::kGold[4]);
    for (double x = 16; x < w - 20; x += 14)
        Box(cr, x, h - 70, 6, 18, pal::kGold[12], 1);
    const double cx = w * 0.5, tw = 44;
    Box(cr, cx - tw / 2, 70, tw, h - 70, pal::kGold[5]);
    for (double y = 150; y < h - 10; y += 22)
        Box(cr, cx - 8, y, 16, 12, pal::kGold[11], 1);
    Box(cr, cx - tw / 2 - 4, 66, tw + 8, 52, pal::kGold[6]);
    CirclePath(cr, cx, 92, 19);
    FillOutlined(cr, pal::kGold[14], kInk);
    for (int k = 0; k < 12; ++k) {
        const double a = k * kTau / 12;
        Line(cr, cx + std::cos(a) * 15, 92 + std::sin(a) * 15, cx + std::cos(a) * 17, 92 + std::sin(a) * 17, kInk, 1.5);
    }
    Line(cr, cx, 92, cx, 79, kInk, 2);
    Line(cr, cx, 92, cx + 9, 94, kInk, 2);
    PolygonPath(cr, {{cx - tw / 2 - 2, 66}, {cx, 8}, {cx + tw / 2 + 2, 66}});
    FillOutlined(cr, pal::kNightSky[7], kInk);
    Line(cr, cx, 8, cx, 0, pal::kGold[10], 2);
}

// 2: the iron lattice tower, glowing gold.
void LatticeTower(cairo_t* cr, double w, double h)
{
    const double cx = w / 2;
    cairo_new_path(cr);
    cairo_move_to(cr, 10, h);
    cairo_curve_to(cr, cx - 40, h - 90, cx - 14, h - 200, cx - 4, 30);
    cairo_line_to(cr, cx + 4, 30);
    cairo_curve_to(cr, cx + 14, h - 200, cx + 40, h - 90, w - 10, h);
    cairo_line_to(cr, w - 50, h);
    cairo_curve_to(cr, cx + 20, h - 80, cx - 20, h - 80, 50, h);
    cairo_close_path(cr);
    FillOutlined(cr, pal::kGold[8], kInk);
    // Lattice crossings.
    for (double y = 50; y < h - 10; y += 14) {
        const double spread = 6 + std::pow((y - 30) / (h - 30), 2.2) * (cx - 14);
        Line(cr, cx - spread, y, cx + spread, y + 14, pal::kGold[4], 1.2);
        Line(cr, cx + spread, y, cx - spread, y + 14, pal::kGold[4], 1.2);
    }
    Box(cr, cx - 34, h - 110, 68, 8, pal::kGold[10]);
    Box(cr, cx - 20, h - 200, 40, 6, pal::kGold[10]);
    Line(cr, cx, 30, cx, 2, pal::kGold[12], 3);
    DrawTwinkle(cr, cx, 4, 8, 1, pal::kWhite);
}

// 3: the round arena, its arches in tiers, one side broken down.
void Arena(cairo_t* cr, double w, double h)
{
    cairo_new_path(cr);
    cairo_move_to(cr, 0, h);
    cairo_line_to(cr, 0, 40);
    cairo_curve_to(cr, w * 0.3, 20, w * 0.5, 20, w * 0.62, 30);
    cairo_line_to(cr, w * 0.7, 70);
    cairo_line_to(cr, w * 0.85, 90);
    cairo_line_to(cr, w, 110);
    cairo_line_to(cr, w, h);
    cairo_close_path(cr);
    FillOutlined(cr, pal::kOrange[4], kInk);
    const double rows[4] = {40, 72, 104, 136};
    for (int r = 0; r < 4; ++r) {
        const double top = rows[r];
        for (double x = 8; x < w - 14; x += 22) {
            const double limit = x < w * 0.62 ? 30 : x < w * 0.7 ? 70 : x < w * 0.85 ? 90 : 110;
            if (top < limit)
                continue;
            ArchPath(cr, x, top + 28, 14, 22);
            FillOutlined(cr, r == 0 ? pal::kNightSky[4] : pal::kGold[12], kInk, 1.2);
        }
        Line(cr, 0, top + 30, w, top + 30, pal::kOrange[2], 2);
    }
}

// 4: the city gate: columns under a beam with the four-horse chariot on top.
void CityGate(cairo_t* cr, double w, double h)
{
    Box(cr, 10, 70, w - 20, 30, pal::kSnow[9]);
    Box(cr, 4, 100, w - 8, 10, pal::kSnow[11]);
    for (int k = 0; k < 6; ++k) {
        const double x = 20 + k * (w - 56) / 5;
        Box(cr, x, 110, 16, h - 110, pal::kSnow[12]);
        Line(cr, x + 5, 114, x + 5, h - 4, pal::kSnow[7], 1.5);
    }
    for (int k = 0; k < 5; ++k)
        Box(cr, 36 + k * (w - 56) / 5, 150, (w - 56) / 5 - 20, h - 150, pal::kGold[11], 1.2);
    Box(cr, w * 0.35, 52, w * 0.3, 18, pal::kSnow[9]);
    // The chariot and its horses.
    for (int k = 0; k < 4; ++k) {
        const double x = w * 0.38 + k * 14;
        SmoothPath(cr, {{x, 52}, {x + 2, 36}, {x + 8, 28}, {x + 12, 32}, {x + 8, 40}, {x + 8, 52}});
        FillOutlined(cr, pal::kGreen[4], kInk, 1.2);
    }
    SmoothPath(cr, {{w * 0.5 - 6, 52}, {w * 0.5 - 4, 30}, {w * 0.5, 16}, {w * 0.5 + 4, 30}, {w * 0.5 + 6, 52}});
    FillOutlined(cr, pal::kGreen[5], kInk, 1.2);
}

// 5: the cathedral of many colourful onion domes.
void OnionDomes(cairo_t* cr, double w, double h)
{
    Box(cr, 20, h - 90, w - 40, 90, pal::kBrick[5]);
    for (double x = 30; x < w - 40; x += 24)
        ArchPath(cr, x, h - 20, 12, 30), FillOutlined(cr, pal::kGold[12], kInk, 1.2);
    struct Dome {
        double x, base, r;
        int a, b;
    };
    const Dome domes[5] = {{w * 0.5, 80, 24, pal::kRed[8], pal::kGreen[8]},
                           {w * 0.22, 140, 20, pal::kGreen[7], pal::kGold[12]},
                           {w * 0.78, 140, 20, pal::kBlue[5], pal::kWhite},
                           {w * 0.36, 120, 16, pal::kGold[10], pal::kRed[8]},
                           {w * 0.64, 120, 16, pal::kCyan[5], pal::kRed[9]}};
    for (const Dome& d : domes) {
        Box(cr, d.x - d.r * 0.7, d.base, d.r * 1.4, h - 90 - d.base, pal::kBrick[4]);
        cairo_new_path(cr);
        cairo_move_to(cr, d.x - d.r * 0.8, d.base);
        cairo_curve_to(cr, d.x - d.r * 1.6, d.base - d.r * 1.1, d.x - d.r * 0.2, d.base - d.r * 1.8, d.x, d.base - d.r * 2.6);
        cairo_curve_to(cr, d.x + d.r * 0.2, d.base - d.r * 1.8, d.x + d.r * 1.6, d.base - d.r * 1.1, d.x + d.r * 0.8, d.base);
        cairo_close_path(cr);
        FillOutlined(cr, d.a, kInk);
        // The swirl stripes.
        for (int s = -2; s <= 2; ++s) {
            cairo_new_path(cr);
            cairo_move_to(cr, d.x + s * d.r * 0.35, d.base);
            cairo_curve_to(cr, d.x + s * d.r * 0.6 + d.r * 0.3, d.base - d.r * 0.8, d.x + s * d.r * 0.2, d.base - d.r * 1.6,
                           d.x, d.base - d.r * 2.5);
            StrokeOnly(cr, d.b, 3);
        }
        Line(cr, d.x, d.base - d.r * 2.6, d.x, d.base - d.r * 3.4, pal::kGold[11], 2);
        Line(cr, d.x - 5, d.base - d.r * 3.1, d.x + 5, d.base - d.r * 3.1, pal::kGold[11], 2);
    }
}

// 6: three pyramids in the moonlight, the sphinx before them.
void Pyramids(cairo_t* cr, double w, double h)
{
    const double peaks[3][3] = {{w * 0.28, 10, 150}, {w * 0.62, 40, 130}, {w * 0.86, 110, 70}};
    for (const auto& p : peaks) {
        PolygonPath(cr, {{p[0] - p[2], h}, {p[0], p[1]}, {p[0] + p[2], h}});
        FillOutlined(cr, pal::kGold[6], kInk);
        PolygonPath(cr, {{p[0], p[1]}, {p[0] + p[2], h}, {p[0] + p[2] * 0.3, h}});
        FillOnly(cr, pal::kGold[3]);
        for (double y = p[1] + 16; y < h; y += 16) {
            const double t = (y - p[1]) / (h - p[1]);
            Line(cr, p[0] - p[2] * t, y, p[0] + p[2] * t, y, pal::kGold[2], 1);
        }
    }
    SmoothPath(cr, {{w * 0.04, h}, {w * 0.04, h - 24}, {w * 0.1, h - 30}, {w * 0.12, h - 48}, {w * 0.16, h - 50},
                    {w * 0.18, h - 34}, {w * 0.2, h - 26}, {w * 0.22, h}});
    FillOutlined(cr, pal::kGold[8], kInk);
}

// 7: an acacia tree with a giraffe nibbling its top.
void AcaciaGiraffe(cairo_t* cr, double w, double h)
{
    Hill(cr, w, h, 30, pal::kOrange[1]);
    Line(cr, w * 0.4, h - 20, w * 0.42, h - 120, pal::kFur[2], 8);
    Line(cr, w * 0.42, h - 120, w * 0.3, h - 160, pal::kFur[2], 5);
    Line(cr, w * 0.42, h - 120, w * 0.55, h - 165, pal::kFur[2], 5);
    EllipsePath(cr, w * 0.42, h - 175, w * 0.3, 22);
    FillOutlined(cr, pal::kGreen[3], kInk);
    // The giraffe.
    const double gx = w * 0.78, gy = h - 30;
    for (double dx : {-16.0, -8.0, 10.0, 18.0})
        Line(cr, gx + dx, gy - 40, gx + dx, gy, pal::kGold[7], 4);
    EllipsePath(cr, gx, gy - 48, 26, 14);
    FillOutlined(cr, pal::kGold[9], kInk);
    cairo_new_path(cr);
    cairo_move_to(cr, gx - 16, gy - 56);
    cairo_line_to(cr, gx - 40, gy - 150);
    StrokeOutlined(cr, 8, pal::kGold[9], kInk);
    EllipsePath(cr, gx - 46, gy - 156, 12, 6, -0.3);
    FillOutlined(cr, pal::kGold[9], kInk);
    Line(cr, gx - 40, gy - 162, gx - 38, gy - 170, pal::kFur[3], 2);
    for (int k = 0; k < 8; ++k) {
        CirclePath(cr, gx - 12 + (k % 4) * 8, gy - 52 + (k / 4) * 8, 2.5);
        FillOnly(cr, pal::kFur[3]);
    }
}

// 8: the white domed palace with its minarets, mirrored in a long pool.
void DomedPalace(cairo_t* cr, double w, double h)
{
    const double cx = w / 2;
    Box(cr, cx - 90, h - 90, 180, 90, pal::kSnow[12]);
    ArchPath(cr, cx - 22, h - 10, 44, 70);
    FillOutlined(cr, pal::kGold[10], kInk);
    for (double x : {cx - 70, cx + 42})
        ArchPath(cr, x, h - 20, 28, 44), FillOutlined(cr, pal::kGold[12], kInk, 1.2);
    cairo_new_path(cr);
    cairo_move_to(cr, cx - 50, h - 90);
    cairo_curve_to(cr, cx - 80, h - 150, cx - 30, h - 190, cx, h - 210);
    cairo_curve_to(cr, cx + 30, h - 190, cx + 80, h - 150, cx + 50, h - 90);
    cairo_close_path(cr);
    FillOutlined(cr, pal::kSnow[14], kInk);
    Line(cr, cx, h - 210, cx, h - 228, pal::kGold[11], 2.5);
    for (double x : {cx - 130.0, cx + 130.0}) {
        Box(cr, x - 7, h - 170, 14, 170, pal::kSnow[12]);
        Box(cr, x - 10, h - 120, 20, 4, pal::kSnow[10], 1.2);
        cairo_new_path(cr);
        cairo_arc(cr, x, h - 170, 9, M_PI, 2 * M_PI);
        cairo_close_path(cr);
        FillOutlined(cr, pal::kSnow[14], kInk, 1.2);
    }
}

// 9: the round temple with three blue tiered roofs and a gold top.
void TieredTemple(cairo_t* cr, double w, double h)
{
    const double cx = w / 2;
    Box(cr, cx - 100, h - 20, 200, 20, pal::kSnow[12]);
    const double widths[3] = {90, 68, 46};
    double y = h - 20;
    for (int k = 0; k < 3; ++k) {
        Box(cr, cx - widths[k] * 0.7, y - 40, widths[k] * 1.4, 40, pal::kRed[6]);
        for (double x = cx - widths[k] * 0.6; x < cx + widths[k] * 0.6; x += 10)
            Line(cr, x, y - 36, x, y - 4, pal::kGold[10], 2);
        y -= 40;
        cairo_new_path(cr);
        cairo_move_to(cr, cx - widths[k] - 6, y + 6);
        cairo_curve_to(cr, cx - widths[k] * 0.6, y - 6, cx - widths[k] * 0.4, y - 26, cx, y - 30);
        cairo_curve_to(cr, cx + widths[k] * 0.4, y - 26, cx + widths[k] * 0.6, y - 6, cx + widths[k] + 6, y + 6);
        cairo_close_path(cr);
        FillOutlined(cr, pal::kBlue[3], kInk);
        Line(cr, cx - widths[k] - 4, y + 4, cx + widths[k] + 4, y + 4, pal::kGold[10], 2);
        y -= 20;
    }
    CirclePath(cr, cx, y - 4, 9);
    FillOutlined(cr, pal::kGold[11], kInk);
}

// 10: the five-storey red pagoda.
void RedPagoda(cairo_t* cr, double w, double h)
{
    const double cx = w / 2;
    double y = h;
    for (int k = 0; k < 5; ++k) {
        const double bw = 56 - k * 8, roof = 88 - k * 12;
        Box(cr, cx - bw / 2, y - 34, bw, 34, pal::kRed[7]);
        Box(cr, cx - bw / 4, y - 26, bw / 2, 14, pal::kGold[12], 1.2);
        y -= 34;
        cairo_new_path(cr);
        cairo_move_to(cr, cx - roof / 2 - 8, y - 2);
        cairo_curve_to(cr, cx - roof / 2, y + 2, cx - roof / 3, y - 12, cx, y - 14);
        cairo_curve_to(cr, cx + roof / 3, y - 12, cx + roof / 2, y + 2, cx + roof / 2 + 8, y - 2);
        cairo_line_to(cr, cx + roof / 2 - 4, y + 4);
        cairo_line_to(cr, cx - roof / 2 + 4, y + 4);
        cairo_close_path(cr);
        FillOutlined(cr, pal::kNightSky[3], kInk);
        SmoothPath(cr, {{cx - roof / 3, y - 8}, {cx, y - 14}, {cx + roof / 3, y - 8}, {cx, y - 10}});
        FillOnly(cr, pal::kSnow[14]);
        y -= 12;
    }
    Line(cr, cx, y, cx, y - 50, pal::kGold[9], 4);
    for (int k = 0; k < 6; ++k)
        CirclePath(cr, cx, y - 10 - k * 7, 4), FillOutlined(cr, pal::kGold[10], kInk, 1);
}

// 11: the golden temple spire, tall as a bell and pointed.
void GoldenSpire(cairo_t* cr, double w, double h)
{
    const double cx = w / 2;
    Box(cr, cx - 80, h - 30, 160, 30, pal::kSnow[11]);
    Box(cr, cx - 60, h - 50, 120, 20, pal::kGold[7]);
    cairo_new_path(cr);
    cairo_move_to(cr, cx - 55, h - 50);
    cairo_curve_to(cr, cx - 60, h - 110, cx - 30, h - 150, cx - 8, h - 200);
    cairo_line_to(cr, cx, 4);
    cairo_line_to(cr, cx + 8, h - 200);
    cairo_curve_to(cr, cx + 30, h - 150, cx + 60, h - 110, cx + 55, h - 50);
    cairo_close_path(cr);
    FillOutlined(cr, pal::kGold[10], kInk);
    for (double y = h - 70; y > h - 200; y -= 18) {
        const double t = (h - 50 - y) / 150.0;
        Line(cr, cx - 52 * (1 - t), y, cx + 52 * (1 - t), y, pal::kGold[5], 2);
    }
    for (double x : {cx - 75, cx + 75}) {
        PolygonPath(cr, {{x - 10, h - 30}, {x, h - 90}, {x + 10, h - 30}});
        FillOutlined(cr, pal::kGold[9], kInk);
    }
}

// Tall needle tower with its pod: 12 on a hill, 16 slim with a spike, 23 with two pods.
void NeedleTower(cairo_t* cr, double w, double h, int style)
{
    const double cx = w / 2;
    const double ground = style == 12 ? h - 70 : h;
    if (style == 12)
        Hill(cr, w, h, 80, pal::kGreen[2]);
    cairo_new_path(cr);
    cairo_move_to(cr, cx - (style == 23 ? 16 : 10), ground);
    cairo_line_to(cr, cx - 5, 60);
    cairo_line_to(cr, cx + 5, 60);
    cairo_line_to(cr, cx + (style == 23 ? 16 : 10), ground);
    cairo_close_path(cr);
    FillOutlined(cr, pal::kSnow[10], kInk);
    const double podY = style == 12 ? 80 : 100;
    EllipsePath(cr, cx, podY, style == 23 ? 28 : 20, 12);
    FillOutlined(cr, pal::kSnow[12], kInk);
    Box(cr, cx - (style == 23 ? 24 : 16), podY - 4, style == 23 ? 48 : 32, 6, pal::kGold[12], 1.2);
    if (style == 23) {
        EllipsePath(cr, cx, 62, 10, 6);
        FillOutlined(cr, pal::kSnow[12], kInk);
    }
    Line(cr, cx, 60, cx, 2, style == 12 ? pal::kRed[9] : pal::kSnow[13], style == 16 ? 3 : 4);
    CirclePath(cr, cx, 4, 3);
    FillOnly(cr, pal::kRed[11]);
}

// 13: the lion-headed fountain spouting water into the bay.
void LionFountain(cairo_t* cr, double w, double h)
{
    const double cx = w * 0.55;
    SmoothPath(cr, {{cx - 30, h}, {cx - 36, h - 60}, {cx - 20, h - 120}, {cx + 10, h - 140}, {cx + 30, h - 110},
                    {cx + 24, h - 60}, {cx + 30, h}});
    FillOutlined(cr, pal::kSnow[12], kInk);
    for (double y = h - 100; y < h - 10; y += 12)
        for (double x = cx - 20; x < cx + 20; x += 12)
            cairo_new_path(cr), cairo_arc(cr, x + (int(y) % 24 ? 6 : 0), y, 5, 0, M_PI), StrokeOnly(cr, pal::kSnow[8], 1.2);
    // The maned head looking left.
    CirclePath(cr, cx - 10, h - 160, 34);
    FillOutlined(cr, pal::kSnow[11], kInk);
    CirclePath(cr, cx - 18, h - 160, 22);
    FillOutlined(cr, pal::kSnow[14], kInk);
    CirclePath(cr, cx - 26, h - 168, 3);
    FillOnly(cr, kInk);
    // The water.
    cairo_new_path(cr);
    cairo_move_to(cr, cx - 38, h - 152);
    cairo_curve_to(cr, cx - 90, h - 170, cx - 140, h - 120, cx - 150, h - 20);
    StrokeOutlined(cr, 7, pal::kCyan[7], pal::kBlue[3]);
    for (int k = 0; k < 4; ++k)
        DrawTwinkle(cr, cx - 150 + k * 8, h - 20 - k * 6, 4, 1, pal::kWhite);
}

// 14: the grand arch by the sea with four turrets.
void SeaArch(cairo_t* cr, double w, double h)
{
    const double cx = w / 2;
    Box(cr, cx - 100, h - 150, 200, 150, pal::kGold[6]);
    ArchPath(cr, cx - 34, h, 68, 110);
    FillOutlined(cr, pal::kNightSky[4], kInk);
    for (double x : {cx - 80, cx + 56})
        ArchPath(cr, x, h - 30, 24, 50), FillOutlined(cr, pal::kGold[12], kInk, 1.2);
    for (double x : {cx - 100, cx - 40, cx + 40, cx + 100}) {
        Box(cr, x - 10, h - 190, 20, 40, pal::kGold[6]);
        cairo_new_path(cr);
        cairo_arc(cr, x, h - 190, 11, M_PI, 2 * M_PI);
        cairo_close_path(cr);
        FillOutlined(cr, pal::kGold[8], kInk);
    }
    for (double x = 0; x < w; x += 24) {
        cairo_new_path(cr);
        cairo_arc(cr, x + 12, h - 2, 12, M_PI, 2 * M_PI);
        StrokeOnly(cr, pal::kCyan[6], 3);
    }
}

// 15: the opera house, white sails over the harbour.
void OperaHouse(cairo_t* cr, double w, double h)
{
    Box(cr, 10, h - 36, w - 20, 36, pal::kStone[5]);
    const double sails[6][3] = {{60, 70, 70}, {110, 40, 80}, {160, 64, 60}, {210, 30, 90}, {270, 56, 70}, {320, 90, 50}};
    for (const auto& s : sails) {
        cairo_new_path(cr);
        cairo_move_to(cr, s[0] - s[2] / 2, h - 36);
        cairo_curve_to(cr, s[0] - s[2] / 2, h - 90, s[0] - 10, s[1] + 20, s[0] + s[2] * 0.35, s[1]);
        cairo_curve_to(cr, s[0] + s[2] * 0.2, s[1] + 50, s[0] + s[2] / 2, h - 70, s[0] + s[2] / 2, h - 36);
        cairo_close_path(cr);
        FillOutlined(cr, pal::kSnow[15], kInk);
        cairo_new_path(cr);
        cairo_move_to(cr, s[0] - s[2] * 0.3, h - 40);
        cairo_curve_to(cr, s[0] - s[2] * 0.2, h - 90, s[0], s[1] + 30, s[0] + s[2] * 0.3, s[1] + 6);
        StrokeOnly(cr, pal::kSnow[9], 2);
    }
    for (double x = 0; x < w; x += 20) {
        cairo_new_path(cr);
        cairo_arc(cr, x + 10, h, 10, M_PI, 2 * M_PI);
        StrokeOnly(cr, pal::kCyan[5], 3);
    }
}

// 17: the old volcano by the beach with palm trees.
void VolcanoPalms(cairo_t* cr, double w, double h)
{
    SmoothPath(cr, {{-10, h + 2}, {w * 0.1, h - 60}, {w * 0.3, h - 150}, {w * 0.45, h - 170}, {w * 0.55, h - 150},
                    {w * 0.62, h - 168}, {w * 0.8, h - 80}, {w + 10, h + 2}});
    FillOutlined(cr, pal::kGreen[2], kInk);
    SmoothPath(cr, {{w * 0.35, h - 150}, {w * 0.45, h - 166}, {w * 0.55, h - 148}, {w * 0.5, h - 140}}, false);
    StrokeOnly(cr, pal::kOrange[5], 3);
    for (int k = 0; k < 3; ++k) {
        const double x = w * (0.12 + k * 0.36), top = h - 120 + k * 14;
        cairo_new_path(cr);
        cairo_move_to(cr, x, h);
        cairo_curve_to(cr, x + 10, h - 40, x + 16, top + 40, x + 20, top);
        StrokeOutlined(cr, 6, pal::kFur[3], kInk);
        for (int f = 0; f < 6; ++f) {
            const double a = -M_PI / 2 + (f - 2.5) * 0.55;
            cairo_new_path(cr);
            cairo_move_to(cr, x + 20, top);
            cairo_curve_to(cr, x + 20 + std::cos(a) * 18, top + std::sin(a) * 18 - 8, x + 20 + std::cos(a) * 32,
                           top + std::sin(a) * 12, x + 20 + std::cos(a) * 36, top + std::sin(a) * 12 + 14);
            StrokeOutlined(cr, 5, pal::kGreen[6], kInk);
        }
    }
}

// 18: the great snowy mountain.
void SnowyMountain(cairo_t* cr, double w, double h)
{
    PolygonPath(cr, {{0, h}, {w * 0.22, h - 130}, {w * 0.35, h - 100}, {w * 0.55, h - 240}, {w * 0.72, h - 150},
                     {w * 0.84, h - 180}, {w, h - 60}, {w, h}});
    FillOutlined(cr, pal::kNightSky[8], kInk);
    PolygonPath(cr, {{w * 0.45, h - 170}, {w * 0.55, h - 240}, {w * 0.66, h - 170}, {w * 0.6, h - 180}, {w * 0.55, h - 160},
                     {w * 0.5, h - 178}});
    FillOutlined(cr, pal::kSnow[15], kInk, 1.5);
    PolygonPath(cr, {{w * 0.15, h - 90}, {w * 0.22, h - 130}, {w * 0.28, h - 104}, {w * 0.22, h - 110}});
    FillOutlined(cr, pal::kSnow[14], kInk, 1.5);
    PolygonPath(cr, {{w * 0.79, h - 160}, {w * 0.84, h - 180}, {w * 0.9, h - 150}, {w * 0.84, h - 156}});
    FillOutlined(cr, pal::kSnow[14], kInk, 1.5);
    for (int k = 0; k < 7; ++k)
        DrawPineTree(cr, {w * (0.05 + k * 0.14), h, 0.35, false}, {100, true, false, 0});
}

// 19: the thatched hut on stilts over the lagoon.
void StiltHut(cairo_t* cr, double w, double h)
{
    const double cx = w * 0.5;
    for (double x = cx - 50; x <= cx + 50; x += 25)
        Line(cr, x, h - 60, x, h, pal::kFur[2], 5);
    Box(cr, cx - 60, h - 66, 120, 8, pal::kFur[4]);
    Box(cr, cx - 45, h - 110, 90, 44, pal::kFur[6]);
    Box(cr, cx - 12, h - 100, 24, 30, pal::kGold[12]);
    PolygonPath(cr, {{cx - 75, h - 106}, {cx, h - 170}, {cx + 75, h - 106}});
    FillOutlined(cr, pal::kGold[5], kInk);
    for (double x = cx - 70; x < cx + 70; x += 7)
        Line(cr, x, h - 108, cx + (x - cx) * 0.2, h - 160, pal::kGold[3], 1);
    for (double x = 0; x < w; x += 22) {
        cairo_new_path(cr);
        cairo_arc(cr, x + 11, h, 11, M_PI, 2 * M_PI);
        StrokeOnly(cr, pal::kCyan[6], 3);
    }
}

// 20: the carved totem pole with its spread wings.
void TotemPole(cairo_t* cr, double w, double h)
{
    const double cx = w / 2;
    Box(cr, cx - 22, 50, 44, h - 50, pal::kFur[4]);
    const int faces[4] = {pal::kRed[7], pal::kGreen[6], pal::kBlue[5], pal::kGold[9]};
    for (int k = 0; k < 4; ++k) {
        const double y = 60 + k * (h - 60) / 4;
        Box(cr, cx - 22, y, 44, (h - 60) / 4 - 4, faces[k]);
        for (double ex : {cx - 10, cx + 10}) {
            EllipsePath(cr, ex, y + 16, 7, 5);
            FillOutlined(cr, pal::kWhite, kInk, 1.5);
            CirclePath(cr, ex, y + 16, 2.5);
            FillOnly(cr, kInk);
        }
        Box(cr, cx - 12, y + 32, 24, 6, kInk, 1);
    }
    PolygonPath(cr, {{cx - 22, 64}, {cx - 90, 40}, {cx - 80, 60}, {cx - 22, 84}});
    FillOutlined(cr, pal::kRed[7], kInk);
    PolygonPath(cr, {{cx + 22, 64}, {cx + 90, 40}, {cx + 80, 60}, {cx + 22, 84}});
    FillOutlined(cr, pal::kRed[7], kInk);
    PolygonPath(cr, {{cx - 20, 52}, {cx, 20}, {cx + 20, 52}});
    FillOutlined(cr, pal::kGold[9], kInk);
    PolygonPath(cr, {{cx - 8, 40}, {cx - 26, 52}, {cx - 8, 54}});
    FillOutlined(cr, pal::kGold[11], kInk);
}

// 21: the red suspension bridge across the bay.
void SuspensionBridge(cairo_t* cr, double w, double h)
{
    const double deck = h - 60;
    const double towers[2] = {w * 0.25, w * 0.75};
    cairo_new_path(cr);
    cairo_move_to(cr, 0, deck - 30);
    cairo_curve_to(cr, w * 0.12, deck - 60, w * 0.2, deck - 150, towers[0], 20);
    cairo_curve_to(cr, w * 0.4, deck - 20, w * 0.6, deck - 20, towers[1], 20);
    cairo_curve_to(cr, w * 0.8, deck - 150, w * 0.88, deck - 60, w, deck - 30);
    StrokeOutlined(cr, 3, pal::kRed[8], kInk);
    for (double x = 8; x < w; x += 14) {
        const double t = x < towers[0] ? x / towers[0] : x < towers[1] ? std::fabs(x - w / 2) / (w / 2 - towers[0]) : (w - x) / (w - towers[1]);
        const double cableY = x < towers[0] || x > towers[1] ? deck - 30 - t * t * (deck - 50) : deck - 20 - t * t * (deck - 40);
        Line(cr, x, cableY, x, deck, pal::kRed[6], 1);
    }
    Box(cr, -2, deck, w + 4, 10, pal::kRed[7]);
    for (double tx : towers) {
        Box(cr, tx - 12, 16, 8, h - 16, pal::kRed[8]);
        Box(cr, tx + 4, 16, 8, h - 16, pal::kRed[8]);
        for (double y = 30; y < h - 20; y += 40)
            Box(cr, tx - 6, y, 12, 6, pal::kRed[6], 1.2);
    }
    for (double x = 0; x < w; x += 30)
        CirclePath(cr, x + 15, deck + 5, 2), FillOnly(cr, pal::kGold[13]);
}

// 22: the statue holding up her torch, on her pedestal.
void TorchStatue(cairo_t* cr, double w, double h)
{
    const double cx = w / 2;
    PolygonPath(cr, {{cx - 40, h}, {cx - 30, h - 90}, {cx + 30, h - 90}, {cx + 40, h}});
    FillOutlined(cr, pal::kStone[5], kInk);
    Box(cr, cx - 36, h - 100, 72, 12, pal::kStone[6]);
    SmoothPath(cr, {{cx - 24, h - 100}, {cx - 20, h - 170}, {cx - 14, h - 200}, {cx + 12, h - 200}, {cx + 20, h - 160},
                    {cx + 24, h - 100}});
    FillOutlined(cr, pal::kCyan[3], kInk);
    cairo_new_path(cr);
    cairo_move_to(cr, cx - 14, h - 180);
    cairo_line_to(cr, cx + 10, h - 130);
    StrokeOnly(cr, pal::kCyan[1], 2);
    CirclePath(cr, cx - 1, h - 212, 13);
    FillOutlined(cr, pal::kCyan[4], kInk);
    for (int k = 0; k < 7; ++k) {
        const double a = -M_PI + k * M_PI / 6;
        Line(cr, cx - 1 + std::cos(a) * 12, h - 214 + std::sin(a) * 12, cx - 1 + std::cos(a) * 24,
             h - 214 + std::sin(a) * 24, pal::kCyan[4], 3);
    }
    cairo_new_path(cr);
    cairo_move_to(cr, cx + 12, h - 196);
    cairo_line_to(cr, cx + 26, h - 250);
    StrokeOutlined(cr, 7, pal::kCyan[4], kInk);
    Box(cr, cx + 20, h - 262, 12, 12, pal::kGold[8]);
    SmoothPath(cr, {{cx + 18, h - 262}, {cx + 22, h - 280}, {cx + 26, h - 292}, {cx + 30, h - 280}, {cx + 34, h - 262}});
    FillOutlined(cr, pal::kGold[13], pal::kOrange[3]);
    Box(cr, cx - 30, h - 176, 12, 18, pal::kCyan[5], 1.2);
}

// 24: the stepped pyramid with the temple on its top.
void SteppedPyramid(cairo_t* cr, double w, double h)
{
    const double cx = w / 2;
    for (int k = 0; k < 5; ++k) {
        const double half = 160 - k * 26, y = h - (k + 1) * 28;
        Box(cr, cx - half, y, half * 2, 28, k % 2 ? pal::kStone[4] : pal::kStone[5]);
    }
    PolygonPath(cr, {{cx - 16, h}, {cx - 14, h - 140}, {cx + 14, h - 140}, {cx + 16, h}});
    FillOutlined(cr, pal::kStone[3], kInk);
    for (double y = h - 8; y > h - 140; y -= 8)
        Line(cr, cx - 14, y, cx + 14, y, pal::kStone[1], 1);
    Box(cr, cx - 30, h - 175, 60, 35, pal::kStone[6]);
    ArchPath(cr, cx - 9, h - 140, 18, 24);
    FillOutlined(cr, pal::kOrange[6], kInk);
    Box(cr, cx - 34, h - 182, 68, 8, pal::kBrick[4]);
}

// 25: the statue with open arms on top of the mountain.
void MountainStatue(cairo_t* cr, double w, double h)
{
    const double cx = w / 2;
    SmoothPath(cr, {{-10, h + 2}, {w * 0.15, h - 60}, {cx - 40, h - 170}, {cx - 14, h - 196}, {cx + 14, h - 196},
                    {cx + 50, h - 160}, {w * 0.85, h - 60}, {w + 10, h + 2}});
    FillOutlined(cr, pal::kGreen[2], kInk);
    Box(cr, cx - 10, h - 206, 20, 12, pal::kSnow[10]);
    SmoothPath(cr, {{cx - 8, h - 206}, {cx - 10, h - 260}, {cx + 10, h - 260}, {cx + 8, h - 206}});
    FillOutlined(cr, pal::kSnow[14], kInk);
    Box(cr, cx - 56, h - 262, 112, 9, pal::kSnow[14]);
    CirclePath(cr, cx, h - 272, 9);
    FillOutlined(cr, pal::kSnow[14], kInk);
    for (int k = 0; k < 6; ++k)
        Line(cr, cx, h - 240, cx + std::cos(-M_PI / 2 + (k - 2.5) * 0.5) * 80, h - 240 + std::sin(-M_PI / 2 + (k - 2.5) * 0.5) * 80,
             pal::kGold[12], 1);
}

// 26: the tall white obelisk in the middle of the avenue.
void WhiteObelisk(cairo_t* cr, double w, double h)
{
    const double cx = w / 2;
    PolygonPath(cr, {{cx - 18, h}, {cx - 11, 40}, {cx, 18}, {cx + 11, 40}, {cx + 18, h}});
    FillOutlined(cr, pal::kSnow[14], kInk);
    PolygonPath(cr, {{cx, 18}, {cx + 11, 40}, {cx + 18, h}, {cx + 4, h}});
    FillOnly(cr, pal::kSnow[10]);
    Box(cr, cx - 4, 90, 8, 10, pal::kNightSky[4], 1.2);
    Box(cr, cx - 70, h - 12, 140, 12, pal::kStone[5]);
    for (int k = 0; k < 14; ++k) {
        CirclePath(cr, cx - 65 + k * 10, h - 16, 2);
        FillOnly(cr, k % 2 ? pal::kGold[13] : pal::kRed[10]);
    }
}

// 27: the old stone town on the mountain ridge, the sharp peak behind.
void MountainRuins(cairo_t* cr, double w, double h)
{
    PolygonPath(cr, {{0, h}, {w * 0.15, h - 110}, {w * 0.3, h - 90}, {w * 0.62, h - 230}, {w * 0.72, h - 160},
                     {w * 0.85, h - 120}, {w, h - 140}, {w, h}});
    FillOutlined(cr, pal::kGreen[2], kInk);
    ArtRandom random(27);
    for (int row = 0; row < 3; ++row) {
        const double y = h - 70 + row * 22;
        Box(cr, w * 0.05, y, w * 0.7, 8, pal::kGreen[4], 1.2);
        for (double x = w * 0.08 + row * 10; x < w * 0.7; x += 30 + random.Below(12)) {
            Box(cr, x, y - 14, 20, 14, pal::kStone[5], 1.2);
            PolygonPath(cr, {{x - 2, y - 14}, {x + 10, y - 24}, {x + 22, y - 14}});
            FillOutlined(cr, pal::kStone[4], kInk, 1.2);
        }
    }
}

using LandmarkDrawer = std::function<void(cairo_t*, double, double)>;

LandmarkDrawer DrawerOf(int city)
{
    switch (city) {
    case 1: return ClockTower;
    case 2: return LatticeTower;
    case 3: return Arena;
    case 4: return CityGate;
    case 5: return OnionDomes;
    case 6: return Pyramids;
    case 7: return AcaciaGiraffe;
    case 8: return DomedPalace;
    case 9: return TieredTemple;
    case 10: return RedPagoda;
    case 11: return GoldenSpire;
    case 12: return [](cairo_t* cr, double w, double h) { NeedleTower(cr, w, h, 12); };
    case 13: return LionFountain;
    case 14: return SeaArch;
    case 15: return OperaHouse;
    case 16: return [](cairo_t* cr, double w, double h) { NeedleTower(cr, w, h, 16); };
    case 17: return VolcanoPalms;
    case 18: return SnowyMountain;
    case 19: return StiltHut;
    case 20: return TotemPole;
    case 21: return SuspensionBridge;
    case 22: return TorchStatue;
    case 23: return [](cairo_t* cr, double w, double h) { NeedleTower(cr, w, h, 23); };
    case 24: return SteppedPyramid;
    case 25: return MountainStatue;
    case 26: return WhiteObelisk;
    default: return MountainRuins;
    }
}

void GenerateLandmarks(const OutputTree& out)
{
    for (const WorldCity& city : WorldCities()) {
        const PictureSize size = LandmarkSize(city.number);
        Canvas canvas(size.width, size.height);
        DrawerOf(city.number)(canvas.Cr(), size.width, size.height);
        WriteOrThrow(out.MediaPath("act2\\cities\\lm_" + std::to_string(city.number) + ".bmp"), EncodeCanvasBmp(canvas));
    }
}

const RegisterGenerator kRegistration("act2-cities", &GenerateLandmarks);

} // namespace
} // namespace mediagen
