// Group "act2-cities", buildings: each region's far-row buildings ("b_N.bmp") and near-row
// street fronts ("t_N.bmp"), the house that waits for the gift ("h_N.spx"), and the cloud halves.
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
#include "paint/SpriteBuilder.h"

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

namespace mediagen {
namespace {

constexpr int kInk = pal::kBlack;
constexpr double kTau = 6.283185307179586;

enum Region { kEurope, kRussia, kAfrica, kMiddleEast, kSouthAsia, kEastAsia, kOceania, kNorthAmerica, kLatinAmerica };

void Rect(cairo_t* cr, double x, double y, double w, double h)
{
    cairo_new_path(cr);
    cairo_rectangle(cr, x, y, w, h);
}

// Wall colours seen at night, by region: a wall and its darker trim.
struct Wall {
    int wall;
    int trim;
};

Wall RegionWall(int region, int kind, ArtRandom& random)
{
    static const Wall kWalls[kRegionCount][4] = {
        {{pal::kBrick[3], pal::kBrick[1]}, {pal::kGold[4], pal::kGold[1]}, {pal::kStone[3], pal::kStone[1]}, {pal::kPink[2], pal::kPink[0]}},
        {{pal::kGold[5], pal::kGold[2]}, {pal::kGreen[4], pal::kGreen[1]}, {pal::kPink[2], pal::kPink[0]}, {pal::kStone[3], pal::kStone[1]}},
        {{pal::kOrange[2], pal::kOrange[0]}, {pal::kGold[4], pal::kGold[1]}, {pal::kStone[3], pal::kStone[1]}, {pal::kBrick[2], pal::kBrick[0]}},
        {{pal::kGold[4], pal::kGold[2]}, {pal::kStone[4], pal::kStone[2]}, {pal::kOrange[3], pal::kOrange[1]}, {pal::kGold[3], pal::kGold[1]}},
        {{pal::kPink[3], pal::kPink[1]}, {pal::kOrange[3], pal::kOrange[1]}, {pal::kCyan[2], pal::kCyan[0]}, {pal::kGold[4], pal::kGold[2]}},
        {{pal::kStone[2], pal::kStone[0]}, {pal::kBlue[1], pal::kBlue[0]}, {pal::kRed[3], pal::kRed[1]}, {pal::kNightSky[9], pal::kNightSky[5]}},
        {{pal::kCyan[1], pal::kCyan[0]}, {pal::kBlue[2], pal::kBlue[0]}, {pal::kStone[4], pal::kStone[2]}, {pal::kGreen[3], pal::kGreen[1]}},
        {{pal::kBrick[2], pal::kBrick[0]}, {pal::kStone[3], pal::kStone[1]}, {pal::kNightSky[10], pal::kNightSky[5]}, {pal::kBlue[1], pal::kBlue[0]}},
        {{pal::kPink[3], pal::kPink[1]}, {pal::kGold[5], pal::kGold[2]}, {pal::kCyan[3], pal::kCyan[1]}, {pal::kLime[3], pal::kLime[1]}},
    };
    // Neighbouring kinds get different walls, so a row is never one colour.
    random.Unit();
    return kWalls[region % kRegionCount][kind % 4];
}

// A grid of windows over the rectangle; most are lit with warm light.
void Windows(cairo_t* cr, double x0, double y0, double x1, double y1, double winW, double winH, ArtRandom& random,
             bool arched = false, double litShare = 0.65)
{
    const int cols = std::max(1, static_cast<int>((x1 - x0) / (winW * 1.9)));
    const int rows = std::max(1, static_cast<int>((y1 - y0) / (winH * 1.7)));
    const double dx = (x1 - x0) / cols, dy = (y1 - y0) / rows;
    for (int r = 0; r < rows; ++r) {
        for (int c = 0; c < cols; ++c) {
            const double cx = x0 + dx * (c + 0.5), cy = y0 + dy * (r + 0.5);
            const bool lit = random.Unit() < litShare;
            const int glass = lit ? (random.Unit() < 0.3 ? pal::kOrange[6] : pal::kGold[12]) : pal::kNightSky[3];
            cairo_new_path(cr);
            if (arched) {
                cairo_move_to(cr, cx - winW / 2, cy + winH / 2);
                cairo_line_to(cr, cx - winW / 2, cy - winH / 2 + winW / 2);
                cairo_arc(cr, cx, cy - winH / 2 + winW / 2, winW / 2, M_PI, 2 * M_PI);
                cairo_line_to(cr, cx + winW / 2, cy + winH / 2);
                cairo_close_path(cr);
            } else {
                cairo_rectangle(cr, cx - winW / 2, cy - winH / 2, winW, winH);
            }
            FillOutlined(cr, glass, kInk, 1.2);
            if (lit && winW > 5) {
                Rect(cr, cx - winW / 2 + 1, cy - winH / 2 + 1, winW * 0.35, winH * 0.3);
                FillOnly(cr, pal::kGold[14]);
            }
        }
    }
}

// Coloured bulbs along a line, the city dressed for Christmas.
void Lights(cairo_t* cr, double x0, double y0, double x1, double y1, double sag, int bulbs, int seed)
{
    cairo_new_path(cr);
    cairo_move_to(cr, x0, y0);
    cairo_curve_to(cr, x0 + (x1 - x0) / 3, y0 + sag, x0 + 2 * (x1 - x0) / 3, y1 + sag, x1, y1);
    StrokeOnly(cr, pal::kGreen[1], 1);
    static const int kBulbs[4] = {pal::kRed[10], pal::kGold[13], pal::kGreen[11], pal::kBlue[6]};
    for (int i = 1; i < bulbs; ++i) {
        const double t = static_cast<double>(i) / bulbs;
        const double u = 1 - t;
        const double x = u * u * u * x0 + 3 * u * u * t * (x0 + (x1 - x0) / 3) + 3 * u * t * t * (x0 + 2 * (x1 - x0) / 3) + t * t * t * x1;
        const double y = u * u * u * y0 + 3 * u * u * t * (y0 + sag) + 3 * u * t * t * (y1 + sag) + t * t * t * y1;
        CirclePath(cr, x, y + 1.5, 1.8);
        FillOnly(cr, kBulbs[(i + seed) % 4]);
    }
}

// A cap of snow along a roof line from (x0, y) to (x1, y).
void SnowCap(cairo_t* cr, double x0, double x1, double y)
{
    SmoothPath(cr, {{x0 - 2, y + 2}, {x0, y - 3}, {(x0 + x1) / 2, y - 4}, {x1, y - 3}, {x1 + 2, y + 2}, {(x0 + x1) / 2, y + 3}});
    FillOutlined(cr, pal::kSnow[14], pal::kSnow[2], 1.2);
}

// An onion dome standing on (cx, base).
void OnionDome(cairo_t* cr, double cx, double base, double r, int colour, int trim)
{
    Rect(cr, cx - r * 0.7, base - r * 0.5, r * 1.4, r * 0.5);
    FillOutlined(cr, trim, kInk, 1.2);
    cairo_new_path(cr);
    cairo_move_to(cr, cx - r * 0.7, base - r * 0.5);
    cairo_curve_to(cr, cx - r * 1.4, base - r * 1.3, cx - r * 0.2, base - r * 1.8, cx, base - r * 2.5);
    cairo_curve_to(cr, cx + r * 0.2, base - r * 1.8, cx + r * 1.4, base - r * 1.3, cx + r * 0.7, base - r * 0.5);
    cairo_close_path(cr);
    FillOutlined(cr, colour, kInk, 1.2);
    cairo_new_path(cr);
    cairo_move_to(cr, cx, base - r * 2.5);
    cairo_line_to(cr, cx, base - r * 3.2);
    StrokeOnly(cr, pal::kGold[10], 1.5);
}

// A round dome standing on (cx, base).
void RoundDome(cairo_t* cr, double cx, double base, double r, int colour)
{
    cairo_new_path(cr);
    cairo_arc(cr, cx, base, r, M_PI, 2 * M_PI);
    cairo_close_path(cr);
    FillOutlined(cr, colour, kInk, 1.2);
    cairo_new_path(cr);
    cairo_move_to(cr, cx, base - r);
    cairo_line_to(cr, cx, base - r - 6);
    StrokeOnly(cr, pal::kGold[10], 1.5);
}

// The far-row building of a region: a wall, its windows and the roof its part of the world has.
void DrawFarBuilding(cairo_t* cr, int region, int kind, double w, double h)
{
    ArtRandom random(static_cast<uint32_t>(3301 + region * 97 + kind * 31));
    const Wall wall = RegionWall(region, kind, random);
    const bool tall = kind % 4 == 3;
    double top = 0;
    switch (region) {
    case kEurope: {
        const double roofH = w * 0.45;
        top = roofH;
        if (kind % 3 == 1) {
            // A stepped gable.
            cairo_new_path(cr);
            cairo_move_to(cr, 1, h);
            cairo_line_to(cr, 1, roofH);
            for (int s = 0; s < 4; ++s) {
                const double x = 1 + s * (w / 2 - 1) / 4, y = roofH - s * roofH / 4;
                cairo_line_to(cr, x, y);
                cairo_line_to(cr, x + (w / 2 - 1) / 4, y);
            }
            for (int s = 3; s >= 0; --s) {
                const double x = w - 1 - s * (w / 2 - 1) / 4, y = roofH - s * roofH / 4;
                cairo_line_to(cr, x - (w / 2 - 1) / 4, y);
                cairo_line_to(cr, x, y);
            }
            cairo_line_to(cr, w - 1, h);
            cairo_close_path(cr);
            FillOutlined(cr, wall.wall, kInk);
            Windows(cr, w * 0.3, roofH * 0.35, w * 0.7, roofH * 0.9, 7, 9, random);
        } else {
            Rect(cr, 1, roofH, w - 2, h - roofH);
            FillOutlined(cr, wall.wall, kInk);
            Rect(cr, w * 0.65, roofH * 0.1, 8, roofH * 0.6);
            FillOutlined(cr, pal::kBrick[2], kInk, 1.2);
            PolygonPath(cr, {{0, roofH + 2}, {w / 2, 2}, {w, roofH + 2}});
            FillOutlined(cr, kind % 3 == 0 ? pal::kStone[2] : pal::kBlue[0], kInk);
            SnowCap(cr, w * 0.2, w * 0.8, roofH * 0.45);
            Rect(cr, w / 2 - 5, roofH * 0.45, 10, 10);
            FillOutlined(cr, pal::kGold[12], kInk, 1.2);
        }
        Windows(cr, 6, top + 8, w - 6, h - 24, 9, 13, random);
        Lights(cr, 2, top + 4, w - 2, top + 4, 6, 8, kind);
        break;
    }
    case kRussia: {
        top = kind % 3 == 0 ? w * 0.55 : 6;
        Rect(cr, 1, top, w - 2, h - top);
        FillOutlined(cr, wall.wall, kInk);
        Rect(cr, 0, top, w, 6);
        FillOutlined(cr, pal::kSnow[12], kInk, 1.2);
        if (kind % 3 == 0)
            OnionDome(cr, w / 2, top, w * 0.17, kind % 2 ? pal::kGold[9] : pal::kGreen[7], wall.trim);
        Windows(cr, 6, top + 12, w - 6, h - 20, 8, 13, random, true);
        for (double y = top + 40; y < h - 20; y += 40) {
            Rect(cr, 1, y, w - 2, 2);
            FillOnly(cr, wall.trim);
        }
        break;
    }
    case kAfrica: {
        if (tall) {
            top = 10;
            Rect(cr, 1, top, w - 2, h - top);
            FillOutlined(cr, pal::kBlue[1], kInk);
            Windows(cr, 4, top + 6, w - 4, h - 6, 6, 6, random, false, 0.55);
            Rect(cr, w * 0.3, 1, w * 0.4, top);
            FillOutlined(cr, pal::kStone[2], kInk, 1.2);
        } else {
            top = h * 0.35;
            Rect(cr, 1, top, w - 2, h - top);
            FillOutlined(cr, wall.wall, kInk);
            Rect(cr, 0, top - 4, w, 5);
            FillOutlined(cr, wall.trim, kInk, 1.2);
            if (kind % 2 == 0) {
                Rect(cr, w * 0.6, top - 26, 18, 14);
                FillOutlined(cr, pal::kStone[4], kInk, 1.2);
                Rect(cr, w * 0.6 + 3, top - 12, 2, 10);
                Rect(cr, w * 0.6 + 13, top - 12, 2, 10);
                FillOnly(cr, kInk);
            }
            Windows(cr, 6, top + 8, w - 6, h - 14, 10, 11, random);
            Lights(cr, 2, top - 2, w - 2, top - 2, 5, 8, kind);
        }
        break;
    }
    case kMiddleEast: {
        if (tall) {
            // A minaret beside a low house.
            const double mx = w * 0.72, mw = std::min(20.0, w * 0.22);
            Rect(cr, mx - mw / 2, 24, mw, h - 24);
            FillOutlined(cr, wall.wall, kInk);
            Rect(cr, mx - mw / 2 - 4, h * 0.3, mw + 8, 5);
            FillOutlined(cr, wall.trim, kInk, 1.2);
            RoundDome(cr, mx, 26, mw / 2 + 1, pal::kCyan[3]);
            Windows(cr, mx - 3, h * 0.38, mx + 3, h * 0.9, 4, 8, random, true);
            top = h * 0.55;
            Rect(cr, 1, top, w * 0.6, h - top);
            FillOutlined(cr, wall.wall, kInk);
            Windows(cr, 6, top + 8, w * 0.6 - 4, h - 10, 8, 12, random, true);
        } else {
            top = h * 0.25;
            Rect(cr, 1, top, w - 2, h - top);
            FillOutlined(cr, wall.wall, kInk);
            for (double x = 1; x < w - 6; x += 10) {
                Rect(cr, x, top - 6, 6, 6);
                FillOutlined(cr, wall.wall, kInk, 1.2);
            }
            if (kind % 3 == 0)
                RoundDome(cr, w / 2, top - 5, w * 0.22, kind % 2 ? pal::kGold[8] : pal::kCyan[3]);
            Windows(cr, 6, top + 10, w - 6, h - 10, 9, 14, random, true);
        }
        break;
    }
    case kSouthAsia: {
        top = h * 0.2;
        Rect(cr, 1, top, w - 2, h - top);
        FillOutlined(cr, wall.wall, kInk);
        Rect(cr, 0, top - 3, w, 5);
        FillOutlined(cr, pal::kWhite, kInk, 1.2);
        for (double cx : {12.0, w - 12.0}) {
            Rect(cr, cx - 7, top - 14, 14, 11);
            FillOutlined(cr, wall.trim, kInk, 1.2);
            RoundDome(cr, cx, top - 14, 8, pal::kSnow[13]);
        }
        Windows(cr, 6, top + 8, w - 6, h - 12, 9, 14, random, true, 0.75);
        for (double y = top + 34; y < h - 16; y += 34) {
            Rect(cr, 4, y, w - 8, 3);
            FillOutlined(cr, pal::kGold[8], kInk, 1);
        }
        Lights(cr, 2, top + 2, w - 2, top + 2, 8, 9, kind);
        break;
    }
    case kEastAsia: {
        if (tall || kind % 3 == 0) {
            top = 12;
            Rect(cr, 1, top, w - 2, h - top);
            FillOutlined(cr, wall.wall, kInk);
            Windows(cr, 5, top + 6, w - 5, h - 6, 5, 5, random, false, 0.5);
            // A neon sign down the front.
            Rect(cr, w - 16, top + 20, 12, std::min(90.0, h * 0.4));
            FillOutlined(cr, kind % 2 ? pal::kPink[6] : pal::kCyan[6], kInk, 1.2);
            for (double y = top + 26; y < top + 20 + std::min(90.0, h * 0.4) - 6; y += 14) {
                Rect(cr, w - 13, y, 6, 8);
                FillOnly(cr, pal::kWhite);
            }
            cairo_new_path(cr);
            cairo_move_to(cr, w / 2, top);
            cairo_line_to(cr, w / 2, 1);
            StrokeOnly(cr, pal::kStone[4], 2);
            CirclePath(cr, w / 2, 2, 2);
            FillOnly(cr, pal::kRed[11]);
        } else {
            // Curved eaves over a lantern-lit front.
            top = w * 0.3;
            Rect(cr, 4, top, w - 8, h - top);
            FillOutlined(cr, wall.wall, kInk);
            cairo_new_path(cr);
            cairo_move_to(cr, 0, top + 4);
            cairo_curve_to(cr, w * 0.2, top, w * 0.3, 4, w / 2, 2);
            cairo_curve_to(cr, w * 0.7, 4, w * 0.8, top, w, top + 4);
            cairo_close_path(cr);
            FillOutlined(cr, pal::kNightSky[4], kInk);
            SnowCap(cr, w * 0.3, w * 0.7, top * 0.4);
            Windows(cr, 10, top + 10, w - 10, h - 12, 10, 10, random);
            for (double x = 10; x < w - 6; x += 18) {
                EllipsePath(cr, x, top + 8, 4, 5);
                FillOutlined(cr, pal::kRed[9], kInk, 1);
            }
        }
        break;
    }
    case kOceania: {
        if (tall || kind % 2 == 0) {
            top = 8;
            cairo_new_path(cr);
            cairo_move_to(cr, 1, h);
            cairo_line_to(cr, 1, top + 14);
            cairo_line_to(cr, w - 1, top);
            cairo_line_to(cr, w - 1, h);
            cairo_close_path(cr);
            FillOutlined(cr, wall.wall, kInk);
            Windows(cr, 5, top + 20, w - 5, h - 6, 6, 5, random, false, 0.55);
        } else {
            top = h * 0.45;
            Rect(cr, 1, top, w - 2, h - top);
            FillOutlined(cr, wall.wall, kInk);
            PolygonPath(cr, {{-1, top + 2}, {w * 0.2, top - 18}, {w * 0.8, top - 18}, {w + 1, top + 2}});
            FillOutlined(cr, pal::kStone[3], kInk);
            for (double x = w * 0.22; x < w * 0.8; x += 6) {
                cairo_new_path(cr);
                cairo_move_to(cr, x, top - 17);
                cairo_line_to(cr, x - 3, top + 1);
                StrokeOnly(cr, pal::kStone[5], 1);
            }
            Windows(cr, 8, top + 10, w - 8, h - 10, 12, 12, random);
            Lights(cr, 0, top + 1, w, top + 1, 6, 9, kind);
        }
        break;
    }
    case kNorthAmerica: {
        if (tall || kind % 3 == 0) {
            // A skyscraper with setbacks and a spire.
            const double s1 = h * 0.25, s2 = h * 0.12;
            Rect(cr, 1, s1, w - 2, h - s1);
            FillOutlined(cr, wall.wall, kInk);
            Rect(cr, w * 0.15, s2, w * 0.7, s1 - s2 + 1);
            FillOutlined(cr, wall.wall, kInk);
            Rect(cr, w * 0.3, 12, w * 0.4, s2 - 11);
            FillOutlined(cr, wall.wall, kInk);
            cairo_new_path(cr);
            cairo_move_to(cr, w / 2, 12);
            cairo_line_to(cr, w / 2, 1);
            StrokeOnly(cr, pal::kStone[5], 2);
            Windows(cr, 5, s1 + 6, w - 5, h - 6, 5, 6, random, false, 0.6);
            Windows(cr, w * 0.15 + 4, s2 + 4, w * 0.85 - 4, s1 - 2, 5, 6, random, false, 0.6);
            SnowCap(cr, 2, w * 0.15, s1);
            SnowCap(cr, w * 0.85, w - 2, s1);
            top = s1;
        } else {
            top = 30;
            Rect(cr, 1, top, w - 2, h - top);
            FillOutlined(cr, wall.wall, kInk);
            // A water tank on legs.
            Rect(cr, w * 0.25, 6, 22, 16);
            FillOutlined(cr, pal::kFur[3], kInk, 1.2);
            PolygonPath(cr, {{w * 0.25 - 2, 7}, {w * 0.25 + 11, -1}, {w * 0.25 + 24, 7}});
            FillOutlined(cr, pal::kFur[2], kInk, 1.2);
            Rect(cr, w * 0.25 + 3, 22, 2, top - 22);
            Rect(cr, w * 0.25 + 17, 22, 2, top - 22);
            FillOnly(cr, kInk);
            SnowCap(cr, 2, w - 2, top);
            Windows(cr, 6, top + 8, w - 6, h - 10, 8, 11, random);
            // A fire escape zig-zag.
            cairo_new_path(cr);
            for (double y = top + 18; y < h - 20; y += 24) {
                cairo_move_to(cr, w * 0.55, y);
                cairo_line_to(cr, w * 0.85, y);
            }
            StrokeOnly(cr, kInk, 1.5);
        }
        break;
    }
    default: {
        // Latin America: painted colonial fronts with balconies and tiled roofs.
        if (tall) {
            const double tx = w * 0.5, tw = w * 0.36;
            Rect(cr, tx - tw / 2, 30, tw, h - 30);
            FillOutlined(cr, pal::kSnow[11], kInk);
            PolygonPath(cr, {{tx - tw / 2 - 2, 32}, {tx, 6}, {tx + tw / 2 + 2, 32}});
            FillOutlined(cr, pal::kBrick[4], kInk);
            cairo_new_path(cr);
            cairo_arc(cr, tx, 52, tw * 0.28, M_PI, 2 * M_PI);
            cairo_rel_line_to(cr, 0, 14);
            cairo_rel_line_to(cr, -tw * 0.56, 0);
            cairo_close_path(cr);
            FillOutlined(cr, pal::kNightSky[3], kInk, 1.2);
            CirclePath(cr, tx, 56, 5);
            FillOutlined(cr, pal::kGold[10], kInk, 1.2);
            top = h * 0.55;
        } else {
            top = 16;
        }
        Rect(cr, 1, top, w - 2, h - top);
        FillOutlined(cr, wall.wall, kInk);
        PolygonPath(cr, {{-1, top + 2}, {4, top - 12}, {w - 4, top - 12}, {w + 1, top + 2}});
        FillOutlined(cr, pal::kBrick[4], kInk);
        Windows(cr, 8, top + 10, w - 8, h - 12, 10, 16, random, true, 0.7);
        for (double y = top + 34; y < h - 20; y += 40) {
            Rect(cr, 6, y, w - 12, 3);
            FillOutlined(cr, kInk, kInk, 1);
            for (double x = 8; x < w - 8; x += 5) {
                Rect(cr, x, y - 8, 1.2, 8);
                FillOnly(cr, kInk);
            }
        }
        Lights(cr, 2, top + 2, w - 2, top + 2, 7, 9, kind);
        break;
    }
    }
    // A door at the street.
    Rect(cr, w * 0.4, h - 16, std::max(8.0, w * 0.16), 16);
    FillOutlined(cr, pal::kFur[2], kInk, 1.2);
}

void WriteFarBuildings(const OutputTree& out)
{
    for (int region = 0; region < kRegionCount; ++region) {
        for (int kind = 0; kind < kFarKinds; ++kind) {
            const PictureSize size = FarPictureSize(region, kind);
            Canvas canvas(size.width, size.height);
            DrawFarBuilding(canvas.Cr(), region, kind, size.width, size.height);
            WriteOrThrow(out.MediaPath("act2\\cities\\b_" + std::to_string(FarPicture(region, kind)) + ".bmp"),
                         EncodeCanvasBmp(canvas));
        }
    }
}

void PalmTree(cairo_t* cr, double x, double base, double height, double lean)
{
    cairo_new_path(cr);
    cairo_move_to(cr, x, base);
    cairo_curve_to(cr, x + lean * 0.3, base - height * 0.4, x + lean * 0.7, base - height * 0.8, x + lean, base - height);
    StrokeOutlined(cr, 6, pal::kFur[3], kInk);
    const double tx = x + lean, ty = base - height;
    for (int k = 0; k < 6; ++k) {
        const double a = -M_PI / 2 + (k - 2.5) * 0.55;
        cairo_new_path(cr);
        cairo_move_to(cr, tx, ty);
        cairo_curve_to(cr, tx + std::cos(a) * 14, ty + std::sin(a) * 14 - 6, tx + std::cos(a) * 24, ty + std::sin(a) * 10,
                       tx + std::cos(a) * 28, ty + std::sin(a) * 10 + 10);
        StrokeOutlined(cr, 4.5, pal::kGreen[3], kInk);
    }
    Lights(cr, tx - 4, ty + 8, x + 2, base - 6, 0, 7, static_cast<int>(x));
}

void LampPost(cairo_t* cr, double x, double base, double height)
{
    Rect(cr, x - 2, base - height, 4, height);
    FillOutlined(cr, pal::kNightSky[2], kInk, 1.2);
    CirclePath(cr, x, base - height - 5, 6);
    FillOutlined(cr, pal::kGold[13], kInk, 1.2);
    CirclePath(cr, x, base - height * 0.6, 5);
    StrokeOnly(cr, pal::kGreen[5], 3);
    CirclePath(cr, x, base - height * 0.6 + 5, 1.8);
    FillOnly(cr, pal::kRed[10]);
}

// A near-row piece: the street passing close under the sleigh, dark against the lit city.
void DrawNearPiece(cairo_t* cr, int region, int kind, double w, double h)
{
    const bool snowy = SnowyRegion(region);
    const int dark = pal::kNightSky[2];
    switch (kind) {
    case 0:
    case 4:
        if (snowy || region == kEastAsia) {
            DrawPineTree(cr, {w * 0.5, h, 1, false}, {h * 0.95, true, true, kind * 0.25});
            if (kind == 4)
                DrawPineTree(cr, {w * 0.2, h, 0.7, false}, {h * 0.95, true, false, 0});
        } else {
            PalmTree(cr, w * 0.45, h, h * 0.85, kind == 4 ? -8 : 8);
        }
        break;
    case 1: {
        Rect(cr, 0, h - 16, w, 16);
        FillOutlined(cr, dark, kInk);
        for (double x = 3; x < w; x += 7) {
            Rect(cr, x, h - 26, 2, 10);
            FillOnly(cr, kInk);
        }
        Rect(cr, 0, h - 27, w, 2);
        FillOnly(cr, kInk);
        LampPost(cr, w * 0.5, h - 16, h * 0.75);
        if (snowy)
            SnowCap(cr, 1, w - 1, h - 16);
        break;
    }
    case 2: {
        const double top = h * 0.35;
        Rect(cr, 2, top, w - 4, h - top);
        FillOutlined(cr, pal::kNightSky[4], kInk);
        Rect(cr, 8, top + 14, w - 16, h * 0.3);
        FillOutlined(cr, pal::kGold[12], kInk, 1.2);
        // A striped awning.
        for (int s = 0; s < 6; ++s) {
            PolygonPath(cr, {{2 + s * (w - 4) / 6, top}, {2 + (s + 1) * (w - 4) / 6, top},
                             {2 + (s + 1) * (w - 4) / 6, top + 9}, {2 + s * (w - 4) / 6, top + 9}});
            FillOnly(cr, s % 2 ? pal::kWhite : (region == kEastAsia ? pal::kRed[8] : pal::kGreen[6]));
        }
        Rect(cr, 2, top, w - 4, 9);
        StrokeOnly(cr, kInk, 1.5);
        if (snowy)
            SnowCap(cr, 2, w - 2, top);
        else
            Lights(cr, 2, top + 10, w - 2, top + 10, 5, 8, kind);
        break;
    }
    default: {
        const double top = h * 0.6;
        Rect(cr, 0, top, w, h - top);
        FillOutlined(cr, region == kMiddleEast || region == kAfrica ? pal::kOrange[1] : dark, kInk);
        for (double y = top + 6; y < h; y += 8) {
            Rect(cr, 0, y, w, 1);
            FillOnly(cr, kInk);
        }
        if (snowy)
            SnowCap(cr, 0, w, top);
        else
            Lights(cr, 0, top - 2, w, top - 2, 6, 10, kind + region);
        if (region == kEastAsia) {
            for (double x = w * 0.25; x < w; x += w * 0.5) {
                EllipsePath(cr, x, top - 16, 6, 8);
                FillOutlined(cr, pal::kRed[9], kInk, 1.2);
            }
        }
        break;
    }
    }
}

void WriteNearPieces(const OutputTree& out)
{
    for (int region = 0; region < kRegionCount; ++region) {
        for (int kind = 0; kind < kNearKinds; ++kind) {
            const PictureSize size = NearPictureSize(region, kind);
            Canvas canvas(size.width, size.height);
            DrawNearPiece(canvas.Cr(), region, kind, size.width, size.height);
            WriteOrThrow(out.MediaPath("act2\\cities\\t_" + std::to_string(NearPicture(region, kind)) + ".bmp"),
                         EncodeCanvasBmp(canvas));
        }
    }
}

// The house that waits: a cosy house whose chimney glows gold, with a star above it that
// twinkles and a little tree and a candle in its windows (four frames at two a second).
void WriteHouse(const OutputTree& out, int type, int region)
{
    static const int kWalls[kRegionCount] = {pal::kBrick[4], pal::kGold[6], pal::kOrange[3], pal::kGold[5],
                                             pal::kPink[4], pal::kRed[5], pal::kCyan[3], pal::kBrick[3], pal::kCyan[4]};
    static const int kRoofs[kRegionCount] = {pal::kStone[2], pal::kGreen[3], pal::kBrick[3], pal::kStone[4],
                                             pal::kBrick[4], pal::kNightSky[5], pal::kRed[4], pal::kStone[2], pal::kBrick[5]};
    HouseLook look;
    look.width = 96;
    look.height = 64;
    look.wall = kWalls[region];
    look.wallShade = kWalls[region] - 2;
    look.roof = kRoofs[region];
    look.chimneyAt = 0.3 + 0.4 * ((type * 37) % 10) / 10.0;
    SpriteBuilder sprite;
    for (int frame = 0; frame < 4; ++frame) {
        Canvas canvas(128, 150);
        cairo_t* cr = canvas.Cr();
        const Placement place{64, 149, 1, false};
        const Point chimney = HouseChimneyTop(place, look);
        // The glow of the fire below, lighting the chimney's mouth.
        for (int ring = 3; ring >= 1; --ring) {
            CirclePath(cr, chimney.x, chimney.y, 4.0 + ring * 3.5);
            FillOnly(cr, ring == 3 ? pal::kOrange[4] : ring == 2 ? pal::kGold[10] : pal::kGold[14]);
        }
        DrawHouse(cr, place, look);
        const double w = look.width, h = look.height;
        // A little tree in the left window, its lights changing; a candle in the right one.
        const double lx = 64 - w * 0.3, ly = 149 - h * 0.55;
        PolygonPath(cr, {{lx, ly - 7}, {lx - 5, ly + 6}, {lx + 5, ly + 6}});
        FillOutlined(cr, pal::kGreen[5], kInk, 1);
        static const int kBulbs[3] = {pal::kRed[10], pal::kBlue[6], pal::kWhite};
        CirclePath(cr, lx - 2, ly + 2, 1.3);
        FillOnly(cr, kBulbs[frame % 3]);
        CirclePath(cr, lx + 2, ly - 1, 1.3);
        FillOnly(cr, kBulbs[(frame + 1) % 3]);
        const double rx = 64 + w * 0.3, ry = 149 - h * 0.55;
        Rect(cr, rx - 1.5, ry - 1, 3, 7);
        FillOutlined(cr, pal::kWhite, kInk, 1);
        EllipsePath(cr, rx, ry - 3 - (frame % 2), 1.6, 2.5 + (frame % 2));
        FillOnly(cr, pal::kOrange[6]);
        // The star that shows where the gift goes.
        DrawStar(cr, chimney.x, chimney.y - 22 - (frame % 2) * 2, 7 + (frame % 2) * 1.5, frame * 0.3, pal::kGold[12]);
        for (int k = 0; k < 3; ++k) {
            const double a = frame * 0.8 + k * kTau / 3;
            DrawTwinkle(cr, chimney.x + std::cos(a) * 15, chimney.y - 8 + std::sin(a) * 7, 3.5, 0.6, pal::kGold[14]);
        }
        sprite.AddFrame(canvas, 0, 0);
    }
    WriteOrThrow(out.MediaPath("act2\\cities\\h_" + std::to_string(type) + ".spx"), sprite.Encode());
}

void WriteHouses(const OutputTree& out)
{
    WriteHouse(out, 0, 0);
    for (const WorldCity& city : WorldCities())
        WriteHouse(out, city.number, RegionIndex(city.region));
}

// A drifting cloud: the back half is the whole moonlit cloud; the front half is the same
// cloud's lower part only, so the sleigh seems to fly into the cloud and out again.
void CloudPath(cairo_t* cr, const std::vector<Point>& lobes, const std::vector<double>& radii, double w, double h)
{
    cairo_new_path(cr);
    for (size_t i = 0; i < lobes.size(); ++i) {
        cairo_new_sub_path(cr);
        cairo_arc(cr, lobes[i].x, lobes[i].y, radii[i], 0, kTau);
    }
    cairo_new_sub_path(cr);
    cairo_rectangle(cr, w * 0.14, h * 0.5, w * 0.72, h * 0.36);
}

void DrawCloud(cairo_t* cr, const std::vector<Point>& lobes, const std::vector<double>& radii, double w, double h)
{
    CloudPath(cr, lobes, radii, w, h);
    Silhouette(cr, pal::kNightSky[11], pal::kNightSky[5]);
    cairo_new_path(cr);
    for (size_t i = 0; i < lobes.size(); ++i) {
        cairo_new_sub_path(cr);
        cairo_arc(cr, lobes[i].x - radii[i] * 0.2, lobes[i].y - radii[i] * 0.25, radii[i] * 0.72, 0, kTau);
    }
    FillOnly(cr, pal::kNightSky[13]);
    cairo_new_path(cr);
    for (size_t i = 0; i < lobes.size(); ++i) {
        cairo_new_sub_path(cr);
        cairo_arc(cr, lobes[i].x - radii[i] * 0.35, lobes[i].y - radii[i] * 0.45, radii[i] * 0.32, 0, kTau);
    }
    FillOnly(cr, pal::kSnow[9]);
    // A flat, shaded underside.
    cairo_new_path(cr);
    cairo_rectangle(cr, w * 0.16, h * 0.8, w * 0.68, h * 0.05);
    FillOnly(cr, pal::kNightSky[8]);
}

void WriteCloudPair(const OutputTree& out, int pair)
{
    ArtRandom random(static_cast<uint32_t>(5501 + pair * 19));
    const int w = 110 + random.Below(70), h = 46 + random.Below(20);
    std::vector<Point> lobes;
    std::vector<double> radii;
    const int count = 4 + random.Below(3);
    for (int i = 0; i < count; ++i) {
        const double t = (i + 0.5) / count;
        lobes.push_back({w * (0.16 + 0.68 * t), h * (0.62 - 0.28 * std::sin(t * M_PI)) + random.Range(-3, 3)});
        radii.push_back(h * (0.2 + 0.16 * std::sin(t * M_PI)) + random.Range(-2, 2));
    }
    Canvas back(w, h);
    DrawCloud(back.Cr(), lobes, radii, w, h);
    // The front half: thin wisps of mist along the cloud's underside, pale enough to read as
    // mist where they pass in front of the buildings.
    Canvas front(w, h);
    {
        cairo_t* cr = front.Cr();
        for (size_t i = 0; i < lobes.size(); i += 2) {
            EllipsePath(cr, lobes[i].x + radii[i] * 0.3, h * 0.8, radii[i] * 0.95, std::max(3.0, radii[i] * 0.22));
            FillOutlined(cr, pal::kSnow[9], pal::kNightSky[9], 1.5);
            EllipsePath(cr, lobes[i].x + radii[i] * 0.1, h * 0.78, radii[i] * 0.5, std::max(1.5, radii[i] * 0.09));
            FillOnly(cr, pal::kSnow[13]);
        }
    }
    const std::string stem = "act2\\cities\\cloud_" + std::to_string(pair);
    WriteOrThrow(out.MediaPath(stem + "a.bmp"), EncodeCanvasBmp(back));
    WriteOrThrow(out.MediaPath(stem + "b.bmp"), EncodeCanvasBmp(front));
}

void WriteCityFiles(const OutputTree& out)
{
    for (const WorldCity& city : WorldCities()) {
        const std::string text = CityFileText(city);
        WriteOrThrow(out.MediaPath("act2\\config\\city_" + std::to_string(city.number) + ".txt"),
                     std::vector<uint8_t>(text.begin(), text.end()));
    }
}

void GenerateCityBuildings(const OutputTree& out)
{
    WriteFarBuildings(out);
    WriteNearPieces(out);
    WriteHouses(out);
    for (int pair = 0; pair < kCloudPairs; ++pair)
        WriteCloudPair(out, pair);
    WriteCityFiles(out);
}

const RegisterGenerator kRegistration("act2-cities", &GenerateCityBuildings);

} // namespace
} // namespace mediagen
