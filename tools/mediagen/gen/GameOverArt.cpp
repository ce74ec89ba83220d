// Group "story-gameover": lightning over Frostine's dark castle; she rises laughing out of the storm.
#include "MediaGenerator.h"
#include "art/ArtPen.h"
#include "art/ArtRandom.h"
#include "art/SkyArt.h"
#include "art/StorySprite.h"
#include "art/StoryStage.h"
#include "paint/Canvas.h"
#include "paint/GamePalette.h"
#include "paint/Ink.h"

#include <cmath>

namespace {

using namespace mediagen;

constexpr PaletteRamp kStorm{192, 32};  // storm clouds: black violet to grey lilac
constexpr PaletteRamp kFlash{224, 16};  // lightning: steel blue to white
constexpr PaletteRamp kFrost{240, 14};  // Frostine's icy robes: deep teal to frost

const Palette& StormPalette()
{
    static const Palette palette = ScenePalette({
        {kStorm, {{4, 2, 10}, {24, 16, 40}, {52, 40, 74}, {96, 84, 118}, {150, 140, 170}}},
        {kFlash, {{90, 110, 170}, {170, 190, 240}, {235, 240, 255}, {255, 255, 255}}},
        {kFrost, {{10, 50, 70}, {40, 130, 160}, {140, 220, 240}, {235, 252, 255}}},
    });
    return palette;
}

constexpr double kTowerX = 420, kTowerTop = 150;

// The castle on its crag: towers with pointed roofs, one tall tower where the bolts strike.
void CastlePath(cairo_t* cr)
{
    cairo_new_path(cr);
    cairo_move_to(cr, 170, 402);
    cairo_line_to(cr, 230, 330);
    cairo_line_to(cr, 250, 300);
    // Left tower.
    cairo_line_to(cr, 262, 300);
    cairo_line_to(cr, 262, 222);
    cairo_line_to(cr, 276, 190);
    cairo_line_to(cr, 290, 222);
    cairo_line_to(cr, 290, 262);
    // The keep with battlements.
    for (double x = 290; x < 390; x += 20) {
        cairo_line_to(cr, x, 240);
        cairo_line_to(cr, x + 10, 240);
        cairo_line_to(cr, x + 10, 248);
        cairo_line_to(cr, x + 20, 248);
    }
    // The tall tower.
    cairo_line_to(cr, 396, 248);
    cairo_line_to(cr, 400, 190);
    cairo_line_to(cr, kTowerX, kTowerTop);
    cairo_line_to(cr, 440, 190);
    cairo_line_to(cr, 444, 252);
    cairo_line_to(cr, 470, 252);
    cairo_line_to(cr, 470, 232);
    cairo_line_to(cr, 482, 206);
    cairo_line_to(cr, 494, 232);
    cairo_line_to(cr, 494, 300);
    cairo_line_to(cr, 520, 330);
    cairo_line_to(cr, 600, 402);
    cairo_close_path(cr);
}

void Windows(cairo_t* cr, int colour)
{
    const double windows[][2] = {{272, 236}, {416, 200}, {416, 226}, {330, 270}, {360, 270}, {478, 248}};
    for (const auto& w : windows) {
        cairo_new_path(cr);
        cairo_move_to(cr, w[0], w[1] + 12);
        cairo_line_to(cr, w[0], w[1] + 4);
        cairo_arc(cr, w[0] + 4, w[1] + 4, 4, M_PI, 0);
        cairo_line_to(cr, w[0] + 8, w[1] + 12);
        cairo_close_path(cr);
        FillOnly(cr, colour);
    }
}

void StormSky(cairo_t* cr, int top, int bottom)
{
    cairo_pattern_t* sky = cairo_pattern_create_linear(0, 50, 0, 400);
    AddStop(sky, 0.0, kStorm[top]);
    AddStop(sky, 1.0, kStorm[bottom]);
    cairo_set_source(cr, sky);
    cairo_rectangle(cr, -2, 50, 644, 352);
    cairo_fill(cr);
    cairo_pattern_destroy(sky);
    ArtRandom random(401);
    for (int k = 0; k < 14; ++k) {
        const double x = random.Range(-40, 660), y = random.Range(50, 190);
        EllipsePath(cr, x, y, random.Range(50, 110), random.Range(14, 26));
        FillOnly(cr, kStorm[std::min(31, top + 4 + random.Below(6))], 0.85);
    }
}

void DrawCastleScene(cairo_t* cr)
{
    StormSky(cr, 2, 10);
    // Hills of snow in the dark, and the crag.
    SmoothPath(cr, {{-10, 402}, {-10, 340}, {120, 320}, {240, 350}, {400, 330}, {560, 345}, {650, 330}, {650, 402}});
    FillOnly(cr, kStorm[6]);
    CastlePath(cr);
    FillOutlined(cr, kStorm[4], pal::kBlack);
    cairo_save(cr);
    CastlePath(cr);
    cairo_clip(cr);
    for (double y = 200; y < 400; y += 14)
        for (double x = 240 + (int(y) / 14 % 2) * 12; x < 600; x += 24) {
            cairo_rectangle(cr, x, y, 22, 12);
            StrokeOnly(cr, kStorm[2], 1.2);
        }
    cairo_restore(cr);
    Windows(cr, pal::kGreen[10]);
}

void WriteBackground(const OutputTree& out)
{
    Canvas canvas = PictureCanvas(0, 50, 640, 350);
    DrawCastleScene(canvas.Cr());
    WriteOrThrow(out.MediaPath("cutscenes\\gameover\\bg.bmp"), EncodeScenePicture(canvas, StormPalette(), true));
}

// The moment before a flash: everything but the castle's outline goes dark.
void WriteDarkness(const OutputTree& out)
{
    Canvas canvas = PictureCanvas(-2, 52, 644, 348);
    cairo_t* cr = canvas.Cr();
    cairo_rectangle(cr, -2, 52, 644, 348);
    FillOnly(cr, kStorm[0]);
    CastlePath(cr);
    FillOutlined(cr, pal::kBlack, kStorm[5], 1.5);
    Windows(cr, pal::kGreen[6]);
    WriteOrThrow(out.MediaPath("cutscenes\\gameover\\black.bmp"), EncodeScenePicture(canvas, StormPalette(), false));
}

// The flash itself: a white sky with the castle black against it.
void WriteWhiteOut(const OutputTree& out)
{
    Canvas canvas = PictureCanvas(0, 50, 640, 350);
    cairo_t* cr = canvas.Cr();
    cairo_pattern_t* sky = cairo_pattern_create_linear(0, 50, 0, 400);
    AddStop(sky, 0.0, kFlash[15]);
    AddStop(sky, 1.0, kFlash[6]);
    cairo_set_source(cr, sky);
    cairo_rectangle(cr, 0, 50, 640, 350);
    cairo_fill(cr);
    cairo_pattern_destroy(sky);
    CastlePath(cr);
    FillOnly(cr, pal::kBlack);
    WriteOrThrow(out.MediaPath("cutscenes\\gameover\\white_out.bmp"), EncodeScenePicture(canvas, StormPalette(), true));
}

// The castle lit by the strike, all its stones showing.
void WriteCastleBright(const OutputTree& out)
{
    WriteStageSprite(out, StormPalette(), "cutscenes\\gameover\\castle_bright.spx", 190, 50, 1, [](cairo_t* cr, int) {
        CastlePath(cr);
        FillOutlined(cr, kFlash[4], pal::kBlack);
        cairo_save(cr);
        CastlePath(cr);
        cairo_clip(cr);
        for (double y = 200; y < 400; y += 14)
            for (double x = 240 + (int(y) / 14 % 2) * 12; x < 600; x += 24) {
                cairo_rectangle(cr, x, y, 22, 12);
                StrokeOnly(cr, kFlash[1], 1.2);
            }
        cairo_restore(cr);
        Windows(cr, pal::kGreen[12]);
    });
}

// Sky-wide flashes around the castle: 0 the full flash, 1 its afterglow.
void WriteFlash(const OutputTree& out)
{
    WriteStageSprite(out, StormPalette(), "cutscenes\\gameover\\flash01.spx", 0, 50, 2, [](cairo_t* cr, int i) {
        cairo_save(cr);
        cairo_rectangle(cr, 0, 50, 640, 350);
        CastlePath(cr);
        cairo_set_fill_rule(cr, CAIRO_FILL_RULE_EVEN_ODD);
        cairo_clip(cr);
        cairo_rectangle(cr, 0, 50, 640, 300);
        cairo_pattern_t* glow = cairo_pattern_create_linear(0, 50, 0, 400);
        AddStop(glow, 0.0, kFlash[i == 0 ? 14 : 7]);
        AddStop(glow, 1.0, kFlash[i == 0 ? 8 : 1]);
        cairo_set_source(cr, glow);
        cairo_fill(cr);
        cairo_pattern_destroy(glow);
        cairo_restore(cr);
    });
}

// A jagged bolt from the clouds down to the tall tower, with a branch.
void Bolt(cairo_t* cr, uint32_t seed, double width)
{
    ArtRandom random(seed);
    Point p{kTowerX + random.Range(-40, 40), -20};
    std::vector<Point> points{p};
    const int steps = 9;
    for (int k = 1; k <= steps; ++k) {
        const double t = double(k) / steps;
        p = {p.x + random.Range(-22, 22) + (kTowerX - p.x) * t * 0.5, -20 + (kTowerTop - 2 + 20) * t};
        points.push_back(p);
    }
    points.back() = {kTowerX, kTowerTop - 2};
    for (int pass = 0; pass < 2; ++pass) {
        cairo_new_path(cr);
        cairo_move_to(cr, points[0].x, points[0].y);
        for (const Point& q : points) cairo_line_to(cr, q.x, q.y);
        const Point& fork = points[3];
        cairo_move_to(cr, fork.x, fork.y);
        cairo_line_to(cr, fork.x + random.Range(20, 40), fork.y + 30);
        cairo_line_to(cr, fork.x + random.Range(40, 60), fork.y + 44);
        StrokeOnly(cr, pass == 0 ? kFlash[6] : pal::kWhite, pass == 0 ? width + 5 : width);
    }
}

void WriteLightning(const OutputTree& out)
{
    WriteStageSprite(out, StormPalette(), "cutscenes\\gameover\\lightningbolt.spx", 383, -27, 4,
                     [](cairo_t* cr, int i) {
                         const double widths[] = {5, 6, 4, 3};
                         Bolt(cr, 410 + i, widths[i]);
                     });
}

// Frostine, the storm-witch: pale blue skin, white hair flying, an ice crown, a robe of cloud.
void DrawFrostine(cairo_t* cr, double cx, double top, double rise, double armsUp, double laugh)
{
    const double y = top + (1 - rise) * 60;
    cairo_save(cr);
    cairo_translate(cr, cx, y);
    const double s = 0.4 + 0.6 * rise;
    cairo_scale(cr, s, s);
    // Hair streaming in the wind behind her.
    SmoothPath(cr, {{-30, -10}, {-70, 0}, {-96, 30}, {-60, 20}, {-40, 40}, {-20, 20}});
    FillOutlined(cr, pal::kSnow[15], pal::kBlack);
    // Arms raised to the sky: sleeves of her robe.
    for (int side : {-1, 1}) {
        const double hx = side * (40 + 20 * armsUp), hy = 40 - 70 * armsUp;
        Limb(cr, {{side * 16.0, 44}, {side * 32.0, 40 - 20 * armsUp}, {hx, hy}}, 12, kFrost[5], pal::kBlack);
        CirclePath(cr, hx, hy - 4, 6);
        FillOutlined(cr, kFrost[11], pal::kBlack);
        for (int f = -1; f <= 1; ++f) {
            cairo_new_path(cr);
            cairo_move_to(cr, hx, hy - 6);
            cairo_line_to(cr, hx + f * 5 + side * 2, hy - 16);
            StrokeOnly(cr, kFrost[11], 3);
        }
    }
    // The robe flows down into the cloud.
    SmoothPath(cr, {{-22, 34}, {22, 34}, {40, 90}, {20, 120}, {-20, 120}, {-40, 90}});
    FillOutlined(cr, kFrost[3], pal::kBlack);
    SmoothPath(cr, {{-8, 40}, {8, 40}, {4, 110}, {-4, 110}}, true);
    FillOnly(cr, kFrost[8]);
    // Head, crown of ice, wicked eyes, the laugh.
    CirclePath(cr, 0, 12, 20);
    FillOutlined(cr, kFrost[12], pal::kBlack);
    SmoothPath(cr, {{-22, 6}, {-10, -14}, {10, -14}, {22, 6}, {12, -2}, {-12, -2}});
    FillOutlined(cr, pal::kSnow[15], pal::kBlack);
    PolygonPath(cr, {{-16, -6}, {-12, -26}, {-6, -10}, {0, -32}, {6, -10}, {12, -26}, {16, -6}});
    FillOutlined(cr, kFrost[10], pal::kBlack);
    for (int side : {-1, 1}) {
        PolygonPath(cr, {{side * 12.0, 6}, {side * 3.0, 10}, {side * 12.0, 12}});
        FillOutlined(cr, pal::kGold[13], pal::kBlack, 1.2);
        cairo_new_path(cr);
        cairo_move_to(cr, side * 14.0, 1);
        cairo_line_to(cr, side * 4.0, 6);
        StrokeOnly(cr, pal::kBlack, 2.4);
    }
    EllipsePath(cr, 0, 22, 8, 3 + 6 * laugh);
    FillOutlined(cr, pal::kPurple[1], pal::kBlack);
    cairo_restore(cr);
}

void StormCloud(cairo_t* cr, double spin, bool lit)
{
    ArtRandom random(420);
    for (int k = 0; k < 12; ++k) {
        const double a = random.Range(0, 2 * M_PI) + spin;
        const double d = random.Range(10, 60);
        const double x = 300 + std::cos(a) * d, y = 196 + std::sin(a) * d * 0.45;
        CirclePath(cr, x, y, random.Range(22, 38));
        FillOutlined(cr, lit ? kFlash[3 + k % 4] : kStorm[8 + k % 6], pal::kBlack, 1.4);
    }
}

// 0 the cloud lit by a flash, 1 the dark swirling cloud, 2-5 Frostine rising out of it,
// 6-8 her laugh with arms to the sky.
void WriteStormy(const OutputTree& out)
{
    WriteStageSprite(out, StormPalette(), "cutscenes\\gameover\\stormy.spx", 199, 46, 9, [](cairo_t* cr, int i) {
        if (i >= 2) {
            const double rise = i >= 6 ? 1.0 : (i - 1) / 5.0;
            const double arms = i >= 6 ? 0.7 + 0.3 * ((i - 6) % 2) : 0.2 * rise;
            DrawFrostine(cr, 300, 104 + (i == 7 ? -4 : 0), rise, arms, i >= 6 ? (i - 5) / 3.0 : 0.2);
        }
        StormCloud(cr, i * 0.15, i == 0);
    });
}

void WriteGameOverArt(const OutputTree& out)
{
    const ScopedInkPalette ink(StormPalette());
    WriteOrThrow(out.MediaPath("cutscenes\\gameover\\game_over_Pallette.bmp"), EncodePaletteFile(StormPalette()));
    WriteBackground(out);
    WriteDarkness(out);
    WriteWhiteOut(out);
    WriteCastleBright(out);
    WriteFlash(out);
    WriteLightning(out);
    WriteStormy(out);
}

const RegisterGenerator kRegistration("story-gameover", &WriteGameOverArt);

} // namespace
