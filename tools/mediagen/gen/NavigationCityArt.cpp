// Group "navig": one picture per city for the corner panels (its best-known landmark), zooming in over 7 frames.
#include "MediaGenerator.h"
#include "NavigationPlaces.h"
#include "WorldCities.h"
#include "art/ArtPen.h"
#include "art/SkyArt.h"
#include "paint/Canvas.h"
#include "paint/GamePalette.h"
#include "paint/Ink.h"
#include "paint/SpriteBuilder.h"

#include <cmath>
#include <functional>
#include <map>
#include <stdexcept>
#include <string>

namespace mediagen {
namespace {

constexpr double kPi = 3.14159265358979;
constexpr double W = kCityPictureWidth;
constexpr double H = kCityPictureHeight;

enum class Sky { Day, Dusk, Night, Warm };

void Box(cairo_t* cr, double x, double y, double w, double h, int fill, double outline = 1.5)
{
    cairo_rectangle(cr, x, y, w, h);
    FillOutlined(cr, fill, pal::kBlack, outline);
}

void Disc(cairo_t* cr, double x, double y, double r, int fill, double outline = 1.5)
{
    CirclePath(cr, x, y, r);
    FillOutlined(cr, fill, pal::kBlack, outline);
}

void Shape(cairo_t* cr, std::initializer_list<Point> points, int fill, double outline = 1.5)
{
    PolygonPath(cr, points);
    FillOutlined(cr, fill, pal::kBlack, outline);
}

void Ground(cairo_t* cr, double top, int colour)
{
    cairo_rectangle(cr, 0, top, W, H - top);
    FillOnly(cr, colour);
}

void Water(cairo_t* cr, double top)
{
    cairo_rectangle(cr, 0, top, W, H - top);
    FillBlendDown(cr, top, H, {{0, pal::kBlue[5]}, {1, pal::kBlue[1]}});
    cairo_new_path(cr);
    for (double x = 4; x < W; x += 12) {
        cairo_move_to(cr, x, top + 5);
        cairo_line_to(cr, x + 5, top + 5);
    }
    StrokeOnly(cr, pal::kCyan[7], 1);
}

void Backdrop(cairo_t* cr, Sky sky)
{
    cairo_rectangle(cr, 0, 0, W, H);
    switch (sky) {
    case Sky::Day: FillBlendDown(cr, 0, H, {{0, pal::kBlue[4]}, {1, pal::kBlue[7]}}); break;
    case Sky::Dusk: FillBlendDown(cr, 0, H, {{0, pal::kPurple[3]}, {0.6, pal::kPink[5]}, {1, pal::kOrange[6]}}); break;
    case Sky::Night: FillBlendDown(cr, 0, H, {{0, pal::kNightSky[2]}, {1, pal::kNightSky[9]}}); break;
    case Sky::Warm: FillBlendDown(cr, 0, H, {{0, pal::kCyan[4]}, {1, pal::kGold[14]}}); break;
    }
    cairo_new_path(cr);
}

using Painter = std::function<void(cairo_t*)>;

struct Landmark {
    Sky sky;
    Painter paint;
};

std::map<int, Landmark> Landmarks()
{
    std::map<int, Landmark> art;
    art[1] = {Sky::Day, [](cairo_t* cr) { // clock tower
        Ground(cr, 52, pal::kGreen[7]);
        Box(cr, 20, 18, 16, 36, pal::kGold[7]);
        Shape(cr, {{18, 18}, {28, 2}, {38, 18}}, pal::kStone[2]);
        Disc(cr, 28, 26, 6, pal::kWhite);
        cairo_move_to(cr, 28, 26); cairo_line_to(cr, 28, 22); cairo_move_to(cr, 28, 26); cairo_line_to(cr, 31, 26);
        StrokeOnly(cr, pal::kBlack, 1.2);
        for (int i = 0; i < 3; ++i) Box(cr, 23 + i * 4, 38, 2, 8, pal::kGold[3], 0.5);
    }};
    art[2] = {Sky::Dusk, [](cairo_t* cr) { // iron lattice tower
        Ground(cr, 54, pal::kGreen[6]);
        Shape(cr, {{27, 2}, {29, 2}, {33, 24}, {44, 55}, {36, 55}, {28, 40}, {20, 55}, {12, 55}, {23, 24}}, pal::kFur[5]);
        Box(cr, 19, 24, 18, 3, pal::kFur[3]);
        Box(cr, 15, 38, 26, 3, pal::kFur[3]);
        cairo_move_to(cr, 24, 10); cairo_line_to(cr, 32, 22); cairo_move_to(cr, 32, 10); cairo_line_to(cr, 24, 22);
        StrokeOnly(cr, pal::kFur[2], 0.8);
    }};
    art[3] = {Sky::Day, [](cairo_t* cr) { // round arena
        Ground(cr, 50, pal::kGold[9]);
        Shape(cr, {{4, 20}, {52, 14}, {52, 52}, {4, 52}}, pal::kOrange[5]);
        for (int row = 0; row < 3; ++row)
            for (int i = 0; i < 6; ++i) {
                const double x = 7 + i * 7.5, y = 22 + row * 10 - (i * 0.9);
                cairo_move_to(cr, x, y + 7); cairo_line_to(cr, x, y + 3);
                cairo_arc(cr, x + 2.5, y + 3, 2.5, kPi, 0); cairo_line_to(cr, x + 5, y + 7); cairo_close_path(cr);
                FillOnly(cr, pal::kFur[2]);
            }
        Shape(cr, {{40, 15}, {52, 14}, {52, 30}, {44, 26}}, pal::kBlue[6], 0); // a broken edge shows the sky
    }};
    art[4] = {Sky::Day, [](cairo_t* cr) { // gate with columns
        Ground(cr, 52, pal::kStone[3]);
        Box(cr, 5, 16, 46, 7, pal::kStone[6]);
        for (int i = 0; i < 6; ++i) Box(cr, 7 + i * 7.6, 23, 3.5, 29, pal::kStone[7]);
        Shape(cr, {{22, 16}, {34, 16}, {32, 8}, {24, 8}}, pal::kGreen[5]);
        Disc(cr, 28, 6, 2.5, pal::kGreen[5], 1);
    }};
    art[5] = {Sky::Night, [](cairo_t* cr) { // onion domes
        Ground(cr, 54, pal::kSnow[12]);
        const int colours[3] = {pal::kRed[10], pal::kGreen[9], pal::kBlue[5]};
        const double xs[3] = {13, 28, 43}, tops[3] = {22, 10, 22};
        for (int i = 0; i < 3; ++i) {
            Box(cr, xs[i] - 5, tops[i] + 10, 10, 44 - tops[i], pal::kRed[6]);
            cairo_move_to(cr, xs[i], tops[i] - 6);
            cairo_curve_to(cr, xs[i] + 12, tops[i] + 2, xs[i] + 8, tops[i] + 10, xs[i], tops[i] + 10);
            cairo_curve_to(cr, xs[i] - 8, tops[i] + 10, xs[i] - 12, tops[i] + 2, xs[i], tops[i] - 6);
            FillOutlined(cr, colours[i], pal::kBlack, 1.5);
            cairo_move_to(cr, xs[i] - 5, tops[i] + 2); cairo_line_to(cr, xs[i] + 5, tops[i] + 6);
            StrokeOnly(cr, pal::kGold[13], 1.5);
        }
    }};
    art[6] = {Sky::Warm, [](cairo_t* cr) { // pyramids
        Disc(cr, 44, 12, 6, pal::kGold[14], 0);
        Ground(cr, 46, pal::kGold[10]);
        Shape(cr, {{2, 50}, {20, 20}, {38, 50}}, pal::kGold[8]);
        Shape(cr, {{20, 20}, {38, 50}, {28, 50}}, pal::kGold[5], 0);
        Shape(cr, {{26, 52}, {42, 28}, {56, 52}}, pal::kGold[9]);
    }};
    art[7] = {Sky::Warm, [](cairo_t* cr) { // acacia tree and giraffe
        Ground(cr, 50, pal::kGold[9]);
        Box(cr, 9, 22, 3, 30, pal::kFur[2]);
        EllipsePath(cr, 12, 18, 12, 5); FillOutlined(cr, pal::kGreen[5], pal::kBlack, 1.5);
        Limb(cr, {{36, 52}, {36, 40}}, 2.5, pal::kGold[11], pal::kBlack);
        Limb(cr, {{46, 52}, {46, 40}}, 2.5, pal::kGold[11], pal::kBlack);
        EllipsePath(cr, 41, 38, 8, 5); FillOutlined(cr, pal::kGold[11], pal::kBlack, 1.5);
        Limb(cr, {{46, 36}, {48, 16}}, 3.5, pal::kGold[11], pal::kBlack);
        EllipsePath(cr, 50, 14, 4, 2.5); FillOutlined(cr, pal::kGold[11], pal::kBlack, 1.2);
        for (const Point& spot : {Point{38, 37}, Point{43, 40}, Point{47, 28}, Point{41, 35}}) {
            CirclePath(cr, spot.x, spot.y, 1.3); FillOnly(cr, pal::kFur[3]);
        }
    }};
    art[8] = {Sky::Dusk, [](cairo_t* cr) { // domed palace
        Water(cr, 50);
        Box(cr, 10, 30, 36, 20, pal::kWhite);
        cairo_arc(cr, 28, 30, 10, kPi, 0); FillOutlined(cr, pal::kSnow[13], pal::kBlack, 1.5);
        Shape(cr, {{27, 14}, {28, 8}, {29, 14}}, pal::kGold[12], 1);
        Box(cr, 4, 18, 4, 32, pal::kWhite); Box(cr, 48, 18, 4, 32, pal::kWhite);
        Box(cr, 24, 38, 8, 12, pal::kStone[3]);
    }};
    art[9] = {Sky::Day, [](cairo_t* cr) { // temple with tiered roof
        Ground(cr, 50, pal::kStone[6]);
        for (int tier = 0; tier < 3; ++tier) {
            const double y = 40 - tier * 11, half = 22 - tier * 5;
            Box(cr, 28 - half + 5, y, (half - 5) * 2, 10, pal::kRed[8]);
            Shape(cr, {{28 - half, y + 1}, {28 + half, y + 1}, {28 + half - 6, y - 4}, {28 - half + 6, y - 4}}, pal::kBlue[3]);
        }
        Disc(cr, 28, 9, 2.5, pal::kGold[12], 1);
    }};
    art[10] = {Sky::Day, [](cairo_t* cr) { // red pagoda with the snowy mountain
        Shape(cr, {{0, 50}, {16, 26}, {32, 50}}, pal::kBlue[2], 0);
        Shape(cr, {{11, 33}, {16, 26}, {21, 33}}, pal::kWhite, 0);
        Ground(cr, 52, pal::kGreen[7]);
        for (int tier = 0; tier < 5; ++tier) {
            const double y = 46 - tier * 8, half = 13 - tier * 1.6;
            Box(cr, 40 - half + 4, y, (half - 4) * 2, 6, pal::kRed[9], 1);
            Shape(cr, {{40 - half, y + 1}, {40 + half, y + 1}, {40, y - 3}}, pal::kRed[4], 1);
        }
        Box(cr, 39, 4, 2, 6, pal::kGold[10], 0.5);
    }};
    art[11] = {Sky::Warm, [](cairo_t* cr) { // golden temple spire
        Ground(cr, 52, pal::kStone[5]);
        Shape(cr, {{8, 52}, {14, 40}, {42, 40}, {48, 52}}, pal::kWhite);
        cairo_move_to(cr, 14, 41); cairo_curve_to(cr, 16, 24, 26, 26, 28, 4); cairo_curve_to(cr, 30, 26, 40, 24, 42, 41);
        cairo_close_path(cr); FillOutlined(cr, pal::kGold[11], pal::kBlack, 1.5);
        for (int ring = 0; ring < 3; ++ring) {
            cairo_move_to(cr, 19 + ring * 2.5, 34 - ring * 7); cairo_line_to(cr, 37 - ring * 2.5, 34 - ring * 7);
        }
        StrokeOnly(cr, pal::kOrange[3], 1.2);
    }};
    art[12] = {Sky::Dusk, [](cairo_t* cr) { // tower on a hill
        cairo_move_to(cr, 0, H); cairo_curve_to(cr, 10, 36, 46, 36, W, H); cairo_close_path(cr);
        FillOutlined(cr, pal::kGreen[6], pal::kBlack, 1.5);
        Box(cr, 26, 16, 4, 26, pal::kWhite);
        EllipsePath(cr, 28, 18, 7, 3.5); FillOutlined(cr, pal::kStone[6], pal::kBlack, 1.2);
        Box(cr, 27.3, 2, 1.4, 12, pal::kRed[10], 0.6);
    }};
    art[13] = {Sky::Day, [](cairo_t* cr) { // lion fountain
        Water(cr, 48);
        cairo_move_to(cr, 22, 22); cairo_curve_to(cr, 12, 18, 6, 8, 2, 4); StrokeOnly(cr, pal::kCyan[7], 3);
        Box(cr, 28, 40, 20, 12, pal::kStone[4]);
        cairo_move_to(cr, 30, 40); cairo_curve_to(cr, 26, 30, 40, 28, 44, 40); cairo_close_path(cr);
        FillOutlined(cr, pal::kWhite, pal::kBlack, 1.5); // the fish tail body
        Disc(cr, 32, 22, 10, pal::kSnow[12]); // mane
        Disc(cr, 30, 24, 6, pal::kWhite, 1);
        CirclePath(cr, 28, 22, 1.2); FillOnly(cr, pal::kBlack);
        Shape(cr, {{24, 26}, {20, 24}, {24, 28}}, pal::kRed[9], 1);
    }};
    art[14] = {Sky::Dusk, [](cairo_t* cr) { // grand arch by the sea
        Water(cr, 50);
        Box(cr, 6, 18, 44, 32, pal::kGold[9]);
        cairo_move_to(cr, 20, 50); cairo_line_to(cr, 20, 34); cairo_arc(cr, 28, 34, 8, kPi, 0); cairo_line_to(cr, 36, 50);
        cairo_close_path(cr); FillOutlined(cr, pal::kFur[2], pal::kBlack, 1);
        for (const double x : {8.0, 20.0, 32.0, 44.0}) {
            Box(cr, x, 10, 4, 8, pal::kGold[8], 1);
            cairo_arc(cr, x + 2, 10, 2.5, kPi, 0); FillOutlined(cr, pal::kGold[8], pal::kBlack, 1);
        }
    }};
    art[15] = {Sky::Day, [](cairo_t* cr) { // opera house
        Water(cr, 46);
        Box(cr, 4, 42, 48, 6, pal::kStone[6]);
        for (int i = 0; i < 4; ++i) {
            const double x = 8 + i * 11, h = 22 - std::abs(i - 1.5) * 4;
            Shape(cr, {{x, 42}, {x + 14, 42 - h}, {x + 12, 42}}, pal::kWhite);
        }
    }};
    art[16] = {Sky::Dusk, [](cairo_t* cr) { // tall needle tower among houses
        Water(cr, 54);
        Box(cr, 4, 40, 10, 14, pal::kStone[4]); Box(cr, 38, 36, 12, 18, pal::kStone[5]);
        Shape(cr, {{24, 54}, {26, 20}, {30, 20}, {32, 54}}, pal::kSnow[12]);
        EllipsePath(cr, 28, 20, 8, 4); FillOutlined(cr, pal::kStone[7], pal::kBlack, 1.2);
        Box(cr, 27.3, 2, 1.5, 15, pal::kSnow[14], 0.6);
    }};
    art[17] = {Sky::Warm, [](cairo_t* cr) { // palm trees and volcano
        Shape(cr, {{0, 48}, {18, 16}, {26, 16}, {44, 48}}, pal::kFur[3]);
        Halo(cr, 22, 12, 0, 8, GameColour(pal::kOrange[6]), 0.8);
        Water(cr, 48);
        Ground(cr, 50, pal::kGold[12]);
        Limb(cr, {{44, 52}, {46, 36}, {44, 22}}, 3, pal::kFur[6], pal::kBlack);
        for (int leaf = 0; leaf < 5; ++leaf) {
            const double a = -kPi + leaf * kPi / 4;
            EllipsePath(cr, 44 + 7 * std::cos(a), 22 + 5 * std::sin(a) + 2, 8, 2.2, a);
            FillOutlined(cr, pal::kGreen[8], pal::kBlack, 1);
        }
    }};
    art[18] = {Sky::Night, [](cairo_t* cr) { // snowy mountain and pines
        Shape(cr, {{0, 54}, {26, 10}, {56, 54}}, pal::kStone[3]);
        Shape(cr, {{16, 27}, {26, 10}, {36, 27}, {30, 24}, {26, 28}, {21, 24}}, pal::kWhite, 1);
        Ground(cr, 52, pal::kSnow[13]);
        for (const double x : {8.0, 46.0}) {
            Shape(cr, {{x - 6, 54}, {x, 36}, {x + 6, 54}}, pal::kGreen[3], 1);
        }
    }};
    art[19] = {Sky::Warm, [](cairo_t* cr) { // hut on stilts over the lagoon
        Water(cr, 42);
        for (const double x : {16.0, 24.0, 32.0, 40.0}) Box(cr, x, 34, 2, 18, pal::kFur[3], 1);
        Box(cr, 12, 30, 32, 6, pal::kFur[6]);
        Box(cr, 16, 20, 24, 10, pal::kGold[9]);
        Shape(cr, {{10, 22}, {28, 6}, {46, 22}}, pal::kGold[6]);
        Box(cr, 25, 23, 6, 7, pal::kFur[2], 1);
    }};
    art[20] = {Sky::Day, [](cairo_t* cr) { // totem pole
        Ground(cr, 54, pal::kGreen[6]);
        const int colours[3] = {pal::kRed[9], pal::kGreen[8], pal::kBlue[5]};
        for (int face = 0; face < 3; ++face) {
            const double y = 12 + face * 14;
            Box(cr, 20, y, 16, 14, colours[face]);
            Disc(cr, 25, y + 5, 2.2, pal::kWhite, 1); Disc(cr, 31, y + 5, 2.2, pal::kWhite, 1);
            Box(cr, 24, y + 9, 8, 2.5, pal::kBlack, 0);
        }
        Shape(cr, {{6, 16}, {20, 12}, {20, 18}}, pal::kGold[10]);
        Shape(cr, {{50, 16}, {36, 12}, {36, 18}}, pal::kGold[10]);
        Shape(cr, {{22, 12}, {28, 4}, {34, 12}}, pal::kFur[4]);
    }};
    art[21] = {Sky::Dusk, [](cairo_t* cr) { // suspension bridge
        Water(cr, 44);
        cairo_move_to(cr, 0, 30); cairo_curve_to(cr, 10, 40, 8, 40, 14, 8); cairo_curve_to(cr, 20, 40, 36, 40, 42, 8);
        cairo_curve_to(cr, 48, 40, 46, 40, 56, 30); StrokeOnly(cr, pal::kOrange[2], 1.6);
        Box(cr, 0, 36, W, 3, pal::kOrange[3], 1);
        for (const double x : {12.0, 40.0}) {
            Box(cr, x, 6, 4, 42, pal::kOrange[3], 1);
            Box(cr, x - 1, 14, 6, 2, pal::kOrange[2], 0.5);
        }
    }};
    art[22] = {Sky::Day, [](cairo_t* cr) { // statue with a torch
        Water(cr, 52);
        Shape(cr, {{18, 54}, {20, 44}, {36, 44}, {38, 54}}, pal::kStone[6]);
        cairo_move_to(cr, 21, 44); cairo_curve_to(cr, 20, 30, 22, 24, 26, 20); cairo_line_to(cr, 32, 20);
        cairo_curve_to(cr, 35, 26, 36, 34, 35, 44); cairo_close_path(cr);
        FillOutlined(cr, pal::kCyan[3], pal::kBlack, 1.5);
        Disc(cr, 29, 16, 4, pal::kCyan[3], 1.2);
        Shape(cr, {{24, 13}, {29, 6}, {34, 13}}, pal::kCyan[4], 1);
        Limb(cr, {{32, 22}, {38, 12}, {39, 6}}, 2.5, pal::kCyan[3], pal::kBlack);
        Shape(cr, {{37, 6}, {39, 0}, {41, 6}}, pal::kGold[13], 1);
    }};
    art[23] = {Sky::Night, [](cairo_t* cr) { // needle tower over the lake front
        Water(cr, 52);
        for (int i = 0; i < 6; ++i) Box(cr, 2 + i * 9, 52 - (12 + (i * 7) % 13), 8, 12 + (i * 7) % 13, pal::kStone[2 + i % 3], 1);
        Shape(cr, {{22, 52}, {26, 22}, {30, 22}, {34, 52}}, pal::kStone[7]);
        Disc(cr, 28, 22, 5, pal::kStone[6], 1.2);
        Box(cr, 27.2, 1, 1.6, 17, pal::kRed[9], 0.6);
    }};
    art[24] = {Sky::Warm, [](cairo_t* cr) { // stepped pyramid
        Ground(cr, 52, pal::kGreen[7]);
        for (int step = 0; step < 5; ++step) {
            const double half = 26 - step * 4.5;
            Box(cr, 28 - half, 46 - step * 7, half * 2, 7, pal::kStone[5 - (step % 2)]);
        }
        Box(cr, 22, 5, 12, 8, pal::kRed[7]);
        Box(cr, 26, 20, 4, 32, pal::kStone[2], 0.5);
    }};
    art[25] = {Sky::Day, [](cairo_t* cr) { // statue on the mountain
        Water(cr, 50);
        cairo_move_to(cr, 4, 52); cairo_curve_to(cr, 16, 30, 20, 22, 28, 22); cairo_curve_to(cr, 36, 22, 42, 30, 52, 52);
        cairo_close_path(cr); FillOutlined(cr, pal::kGreen[5], pal::kBlack, 1.5);
        Box(cr, 26, 10, 4, 13, pal::kWhite, 1);
        Box(cr, 14, 12, 28, 3.5, pal::kWhite, 1);
        Disc(cr, 28, 8, 2.8, pal::kWhite, 1);
    }};
    art[26] = {Sky::Day, [](cairo_t* cr) { // white obelisk on a wide avenue
        Shape(cr, {{0, 60}, {22, 46}, {34, 46}, {56, 60}}, pal::kStone[3], 0);
        Ground(cr, 46, pal::kGreen[8]);
        Shape(cr, {{0, 60}, {24, 46}, {32, 46}, {56, 60}}, pal::kStone[4], 1);
        Shape(cr, {{23, 50}, {25, 8}, {28, 2}, {31, 8}, {33, 50}}, pal::kWhite);
        Box(cr, 26.5, 14, 3, 4, pal::kStone[4], 0.5);
    }};
    art[27] = {Sky::Day, [](cairo_t* cr) { // ruins below the green peak
        cairo_move_to(cr, 20, H); cairo_curve_to(cr, 28, 20, 34, 6, 40, 6); cairo_curve_to(cr, 46, 10, 52, 30, W, H);
        cairo_close_path(cr); FillOutlined(cr, pal::kGreen[5], pal::kBlack, 1.5);
        Ground(cr, 44, pal::kGreen[8]);
        for (int row = 0; row < 3; ++row)
            for (int i = 0; i < 4; ++i)
                Box(cr, 2 + i * 9 + row * 2, 48 - row * 6, 7, 5, pal::kStone[6], 1);
    }};
    art[kNorthPoleNumber] = {Sky::Night, [](cairo_t* cr) { // the North Pole: the striped pole before the workshop
        Ground(cr, 46, pal::kSnow[13]);
        Box(cr, 24, 30, 28, 16, pal::kRed[7]);
        Shape(cr, {{21, 31}, {38, 18}, {55, 31}}, pal::kWhite);
        Box(cr, 34, 36, 6, 10, pal::kFur[2], 1);
        Box(cr, 27, 34, 5, 5, pal::kGold[13], 1);
        Box(cr, 8, 12, 6, 40, pal::kWhite);
        for (int stripe = 0; stripe < 5; ++stripe) {
            const double y = stripe * 8.0;
            Shape(cr, {{8, 16 + y}, {14, 12 + y}, {14, 16 + y}, {8, 20 + y}}, pal::kRed[10], 0);
        }
        Disc(cr, 11, 9, 4.5, pal::kGold[12]);
        DrawSnowflake(cr, 44, 8, 4, 0, pal::kWhite);
        DrawSnowflake(cr, 22, 6, 3, 0.3, pal::kWhite);
    }};
    return art;
}

// The full picture in a round frame.
Canvas DrawPicture(const Landmark& landmark)
{
    Canvas canvas(kCityPictureWidth, kCityPictureHeight);
    cairo_t* cr = canvas.Cr();
    // Round, so the corner panel's wreath frames it without covering it.
    auto frame = [cr]() {
        cairo_new_path(cr);
        EllipsePath(cr, W / 2, H / 2, W / 2 - 1.5, H / 2 - 1.5);
    };
    cairo_save(cr);
    frame();
    cairo_clip(cr);
    Backdrop(cr, landmark.sky);
    landmark.paint(cr);
    cairo_restore(cr);
    frame();
    cairo_set_source_rgb(cr, 0, 0, 0);
    cairo_set_line_width(cr, 2.5);
    cairo_stroke(cr);
    return canvas;
}

void WriteCityPicture(const OutputTree& out, int number, const Landmark& landmark)
{
    const Canvas full = DrawPicture(landmark);
    SpriteBuilder sprite;
    for (int frame = 0; frame < kCityPictureFrames; ++frame) {
        Canvas canvas(kCityPictureWidth, kCityPictureHeight);
        cairo_t* cr = canvas.Cr();
        const double scale = (frame + 1.0) / kCityPictureFrames;
        cairo_translate(cr, W / 2, H / 2);
        cairo_scale(cr, scale, scale);
        cairo_set_source_surface(cr, full.Surface(), -W / 2, -H / 2);
        cairo_paint(cr);
        sprite.AddFrame(canvas, 0, 0);
    }
    WriteOrThrow(out.MediaPath("navig\\" + CityPictureFile(number)), sprite.Encode());
}

void WriteCityPictures(const OutputTree& out)
{
    const std::map<int, Landmark> art = Landmarks();
    for (const WorldCity& city : WorldCities()) {
        auto found = art.find(city.number);
        if (found == art.end())
            throw std::runtime_error("no picture for city " + std::to_string(city.number));
        WriteCityPicture(out, city.number, found->second);
    }
    WriteCityPicture(out, kNorthPoleNumber, art.at(kNorthPoleNumber));
}

const RegisterGenerator kRegistration("navig", &WriteCityPictures);

} // namespace
} // namespace mediagen
