// Contact sheet: every figure of the art kit, quantized as a sprite would be, on a night-blue ground.
#include "ArtSheet.h"

#include "GiftArt.h"
#include "GlimmerArt.h"
#include "PenguinArt.h"
#include "SkyArt.h"
#include "SleighArt.h"
#include "SnowmobileArt.h"
#include "VillageArt.h"
#include "paint/Canvas.h"
#include "paint/GamePalette.h"
#include "paint/Quantizer.h"
#include "paint/TextPainter.h"

#include <functional>
#include <string>
#include <vector>

namespace mediagen {

namespace {

struct Cell {
    std::string label;
    int width, height;
    std::function<void(cairo_t*, double cx, double groundY)> draw;
};

std::vector<Cell> SheetCells()
{
    std::vector<Cell> cells;
    const char* poseNames[] = {"stand", "run", "fly", "wave", "cheer", "sad", "drive"};
    const GlimmerPose poses[] = {GlimmerPose::Stand, GlimmerPose::Run,   GlimmerPose::Fly, GlimmerPose::Wave,
                                 GlimmerPose::Cheer, GlimmerPose::Sad, GlimmerPose::Drive};
    for (int i = 0; i < 7; ++i) {
        const int phases = poses[i] == GlimmerPose::Run ? 4 : 1;
        for (int f = 0; f < phases; ++f) {
            cells.push_back({std::string("glimmer ") + poseNames[i] + (phases > 1 ? " " + std::to_string(f) : ""), 170,
                             180, [=](cairo_t* cr, double cx, double gy) {
                                 DrawGlimmer(cr, {cx, gy, 1.2, false}, {poses[i], GlimmerView::Side, f / 4.0});
                             }});
        }
    }
    for (int i : {0, 3, 4, 5}) {
        cells.push_back({std::string("glimmer 3/4 ") + poseNames[i], 170, 180, [=](cairo_t* cr, double cx, double gy) {
                             DrawGlimmer(cr, {cx, gy, 1.2, false}, {poses[i], GlimmerView::ThreeQuarter, 0.1});
                         }});
    }
    cells.push_back({"glimmer small left", 170, 180, [](cairo_t* cr, double cx, double gy) {
                         DrawGlimmer(cr, {cx, gy, 0.6, true}, {GlimmerPose::Run, GlimmerView::Side, 0.25});
                     }});
    for (int f = 0; f < 2; ++f) {
        cells.push_back({"snowmobile " + std::to_string(f), 170, 180, [=](cairo_t* cr, double cx, double gy) {
                             DrawSnowmobile(cr, {cx + 5, gy, 1.15, false}, {f / 2.0, true, 0});
                         }});
    }
    cells.push_back({"snowmobile empty", 170, 180, [](cairo_t* cr, double cx, double gy) {
                         DrawSnowmobile(cr, {cx + 5, gy, 1.15, false}, {0, false, 0});
                     }});
    cells.push_back({"sleigh", 170, 180, [](cairo_t* cr, double cx, double gy) {
                         DrawSleigh(cr, {cx, gy, 1.15, false}, {});
                     }});
    cells.push_back({"sleigh team", 345, 180, [](cairo_t* cr, double cx, double gy) {
                         DrawSleighTeam(cr, {cx - 100, gy - 10, 1.1, false}, {});
                     }});
    for (int w = 0; w < kGiftWrapCount; ++w) {
        cells.push_back({"gift " + std::to_string(w), 80, 90, [=](cairo_t* cr, double cx, double gy) {
                             DrawGift(cr, {cx, gy, 1.2, false},
                                      {GiftWrap(w), GiftPattern(w % 3), 40, 30, w == 7 ? 0.4 : 0.0});
                         }});
    }
    const char* penguinNames[] = {"stand", "waddle", "throw", "fly"};
    for (int p = 0; p < 4; ++p) {
        const int phases = p == 1 || p == 2 ? 4 : p == 3 ? 2 : 1;
        for (int f = 0; f < phases; ++f) {
            cells.push_back({std::string("penguin ") + penguinNames[p] + " " + std::to_string(f), 80, 90,
                             [=](cairo_t* cr, double cx, double gy) {
                                 DrawPenguin(cr, {cx, p == 3 ? gy - 30 : gy, 1.2, false},
                                             {PenguinPose(p), f / double(phases)});
                             }});
        }
    }
    cells.push_back({"sky", 170, 180, [](cairo_t* cr, double cx, double gy) {
                         DrawMoon(cr, cx - 30, gy - 110, 28, false, false);
                         DrawMoon(cr, cx + 45, gy - 120, 22, true, false);
                         DrawStar(cr, cx - 40, gy - 30, 20);
                         DrawTwinkle(cr, cx + 10, gy - 40, 14);
                         DrawSnowflake(cr, cx + 50, gy - 40, 16, 0.2);
                         DrawSnowflake(cr, cx + 50, gy - 80, 6, 0.1);
                         DrawSnowflake(cr, cx + 25, gy - 75, 4, 0.1);
                     }});
    cells.push_back({"pine trees", 170, 180, [](cairo_t* cr, double cx, double gy) {
                         DrawPineTree(cr, {cx - 40, gy, 1, false}, {130, true, false});
                         DrawPineTree(cr, {cx + 40, gy, 1, false}, {130, true, true});
                     }});
    cells.push_back({"house", 170, 180, [](cairo_t* cr, double cx, double gy) {
                         HouseLook look;
                         look.smoke = true;
                         DrawHouse(cr, {cx, gy, 1.1, false}, look);
                     }});
    cells.push_back({"house blue", 170, 180, [](cairo_t* cr, double cx, double gy) {
                         HouseLook look;
                         look.wall = pal::kBlue[5];
                         look.wallShade = pal::kBlue[3];
                         look.roof = pal::kRed[4];
                         look.chimneyAt = 0.3;
                         look.litWindows = false;
                         DrawHouse(cr, {cx, gy, 0.9, false}, look);
                     }});
    return cells;
}

} // namespace

bool WriteArtSheet(const std::string& pngPath)
{
    const std::vector<Cell> cells = SheetCells();
    // Cells flow left to right in rows as tall as their tallest cell.
    const int sheetWidth = 1050;
    std::vector<std::pair<int, int>> origin;
    int x = 0, y = 0, rowHeight = 0;
    for (const Cell& c : cells) {
        if (x + c.width > sheetWidth) {
            x = 0;
            y += rowHeight;
            rowHeight = 0;
        }
        origin.push_back({x, y});
        x += c.width + 5;
        rowHeight = std::max(rowHeight, c.height + 18);
    }
    Canvas sheet(sheetWidth, y + rowHeight);
    const Rgb ground = GamePalette()[pal::kNightSky[6]];
    sheet.Fill(ground);
    Quantizer quantizer;
    TextStyle label;
    label.sizePx = 11;
    label.fill = GamePalette()[pal::kSnow[12]];

    for (size_t i = 0; i < cells.size(); ++i) {
        const Cell& cell = cells[i];
        Canvas figure(cell.width, cell.height);
        cell.draw(figure.Cr(), cell.width / 2.0, cell.height - 12.0);
        const IndexedImage image = quantizer.Quantize(figure);
        Canvas shown(cell.width, cell.height);
        unsigned char* data = cairo_image_surface_get_data(shown.Surface());
        const int stride = cairo_image_surface_get_stride(shown.Surface());
        for (int y = 0; y < image.height; ++y) {
            for (int x = 0; x < image.width; ++x) {
                const uint8_t index = image.pixels[size_t(y) * image.width + x];
                if (index == pal::kTransparent) continue;
                const Rgb c = GamePalette()[index];
                uint32_t* px = reinterpret_cast<uint32_t*>(data + y * stride) + x;
                *px = 0xFF000000u | uint32_t(c.r) << 16 | uint32_t(c.g) << 8 | c.b;
            }
        }
        cairo_surface_mark_dirty(shown.Surface());
        const auto [cx, cy] = origin[i];
        sheet.Paste(shown, cx, cy);
        DrawText(sheet.Cr(), label, cell.label, cx + 4, cy + cell.height);
    }
    return sheet.SavePng(pngPath);
}

} // namespace mediagen
