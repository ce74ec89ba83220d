// Group "story-pass1": act 1 won. Glimmer's snowmobile races down the hill, dives into a drift,
// bursts out in a fountain of snow and lands by the North Pole workshop.
#include "MediaGenerator.h"
#include "art/ArtPen.h"
#include "art/ArtRandom.h"
#include "art/LandscapeArt.h"
#include "art/SkyArt.h"
#include "art/SnowmobileArt.h"
#include "art/StorySprite.h"
#include "art/StoryStage.h"
#include "art/VillageArt.h"
#include "paint/Canvas.h"
#include "paint/GamePalette.h"
#include "paint/Ink.h"

#include <algorithm>
#include <cmath>

namespace {

using namespace mediagen;

constexpr PaletteRamp kDaySky{192, 32};  // deep winter blue down to a pale horizon
constexpr PaletteRamp kSunlit{224, 16};  // snow in low sun: peach to warm white

const Palette& PassPalette()
{
    static const Palette palette = ScenePalette({
        {kDaySky, {{38, 78, 160}, {70, 120, 200}, {120, 170, 230}, {190, 215, 245}, {240, 236, 235}}},
        {kSunlit, {{200, 150, 140}, {240, 200, 170}, {255, 232, 210}, {255, 250, 240}}},
    });
    return palette;
}

// The slope runs from the top-left down into the drift; the drift's front lip is the mask.
double SlopeY(double x) { return 196 + 0.33 * x + 0.00018 * x * x; }
constexpr double kDriftX = 392, kDriftY = 352;
constexpr double kPoleX = 520, kPoleBase = 224;
constexpr double kHouseX = 565, kHouseY = 224;
constexpr double kLandX = 548, kLandY = 330;

void DriftPath(cairo_t* cr)
{
    SmoothPath(cr, {{300, 402}, {318, 340}, {352, 318}, {kDriftX, 310}, {436, 318}, {470, 344}, {486, 402}});
}

void DrawDrift(cairo_t* cr)
{
    DriftPath(cr);
    FillOutlined(cr, pal::kSnow[13], pal::kSnow[4]);
    EllipsePath(cr, kDriftX - 10, 326, 46, 8, -0.05);
    FillOnly(cr, kSunlit[12]);
    EllipsePath(cr, kDriftX + 30, 372, 40, 14);
    FillOnly(cr, pal::kSnow[9], 0.6);
}

void DrawLandscape(cairo_t* cr)
{
    cairo_pattern_t* sky = cairo_pattern_create_linear(0, 50, 0, 260);
    AddStop(sky, 0.0, kDaySky[2]);
    AddStop(sky, 0.5, kDaySky[14]);
    AddStop(sky, 1.0, kDaySky[29]);
    cairo_set_source(cr, sky);
    cairo_rectangle(cr, 0, 50, 640, 350);
    cairo_fill(cr);
    cairo_pattern_destroy(sky);

    // A low winter sun behind the far mountains.
    Halo(cr, 120, 150, 20, 70, PassPalette()[kSunlit[14]], 0.6);
    CirclePath(cr, 120, 150, 20);
    FillOnly(cr, kSunlit[15]);

    // Far mountains, blue with distance, with snowy tops.
    cairo_new_path(cr);
    cairo_move_to(cr, 0, 230);
    const double peaks[][2] = {{40, 170}, {110, 205}, {190, 150}, {270, 200}, {350, 160}, {430, 210}, {520, 168}, {600, 200}, {640, 185}};
    for (const auto& p : peaks) cairo_line_to(cr, p[0], p[1]);
    cairo_line_to(cr, 640, 260);
    cairo_line_to(cr, 0, 260);
    cairo_close_path(cr);
    FillOnly(cr, kDaySky[12]);
    for (const auto& p : peaks) {
        cairo_new_path(cr);
        cairo_move_to(cr, p[0] - 16, p[1] + 14);
        cairo_line_to(cr, p[0], p[1]);
        cairo_line_to(cr, p[0] + 16, p[1] + 14);
        cairo_line_to(cr, p[0] + 5, p[1] + 10);
        cairo_line_to(cr, p[0] - 4, p[1] + 16);
        cairo_close_path(cr);
        FillOnly(cr, kDaySky[30]);
    }
    DrawSnowyHills(cr, 640, 245, 402, 10, pal::kSnow[10], pal::kSnow[6], 61);

    // The long slope from the top-left, lit by the sun.
    cairo_new_path(cr);
    cairo_move_to(cr, 0, SlopeY(0));
    for (double x = 0; x <= 340; x += 10) cairo_line_to(cr, x, SlopeY(x));
    cairo_line_to(cr, 640, 330);
    cairo_line_to(cr, 640, 402);
    cairo_line_to(cr, 0, 402);
    cairo_close_path(cr);
    FillBlendDown(cr, 190, 400, {{0.0, kSunlit[13]}, {0.5, pal::kSnow[13]}, {1.0, pal::kSnow[10]}});
    cairo_new_path(cr);
    cairo_move_to(cr, 0, SlopeY(0));
    for (double x = 0; x <= 340; x += 10) cairo_line_to(cr, x, SlopeY(x));
    StrokeOnly(cr, pal::kSnow[6], 2);

    // Pines along the hill.
    for (double x : {30.0, 78.0, 150.0, 230.0}) DrawPineTree(cr, {x, SlopeY(x) - 4, 0.55, false}, {100, true, false, 0});
    DrawPineTree(cr, {470, 262, 0.5, false}, {100, true, false, 0});
    DrawPineTree(cr, {626, 300, 0.8, false}, {110, true, false, 0});
    DrawDrift(cr);
}

void WriteBackground(const OutputTree& out)
{
    Canvas canvas = PictureCanvas(0, 50, 640, 350);
    DrawLandscape(canvas.Cr());
    WriteOrThrow(out.MediaPath("cutscenes\\pass1\\bg_pass01.bmp"), EncodeScenePicture(canvas, PassPalette(), true));
}

// The drift's front, drawn again over the snowmobile while it is inside.
void WriteMask(const OutputTree& out)
{
    Canvas canvas = PictureCanvas(314, 312, 180, 90);
    cairo_t* cr = canvas.Cr();
    cairo_save(cr);
    cairo_rectangle(cr, 314, 312, 180, 90);
    cairo_clip(cr);
    DrawDrift(cr);
    cairo_restore(cr);
    WriteOrThrow(out.MediaPath("cutscenes\\pass1\\mask.bmp"), EncodeScenePicture(canvas, PassPalette(), false));
}

HouseLook Workshop()
{
    HouseLook look;
    look.width = 118;
    look.height = 72;
    look.wall = pal::kRed[7];
    look.wallShade = pal::kRed[4];
    look.roof = pal::kGreen[5];
    look.smoke = true;
    return look;
}

void WriteHouse(const OutputTree& out)
{
    Canvas canvas = PictureCanvas(482, 74, 158, 160);
    cairo_t* cr = canvas.Cr();
    DrawHouse(cr, {kHouseX, kHouseY, 1.0, false}, Workshop());
    // Snow banked against the walls.
    SmoothPath(cr, {{496, 226}, {520, 214}, {565, 218}, {612, 212}, {634, 228}});
    FillOutlined(cr, pal::kSnow[14], pal::kSnow[6]);
    WriteOrThrow(out.MediaPath("cutscenes\\pass1\\house_mask.bmp"), EncodeScenePicture(canvas, PassPalette(), false));
}

// Fresh runner tracks and puffs where the snowmobile first touched the slope.
void WriteTracks(const OutputTree& out)
{
    Canvas canvas = PictureCanvas(61, 291, 140, 60);
    cairo_t* cr = canvas.Cr();
    for (int k = 0; k < 2; ++k) {
        cairo_new_path(cr);
        cairo_move_to(cr, 64, SlopeY(64) + 98 + k * 6);
        for (double x = 64; x <= 196; x += 6) cairo_line_to(cr, x, SlopeY(x) + 98 + k * 6 - (x - 64) * 0.02);
        StrokeOnly(cr, pal::kSnow[7], 3);
    }
    ArtRandom random(71);
    for (int k = 0; k < 7; ++k) {
        const double x = 70 + k * 18 + random.Range(-4, 4);
        CirclePath(cr, x, SlopeY(x) + 94 + random.Range(-3, 3), 3 + random.Range(0, 3));
        FillOutlined(cr, pal::kSnow[15], pal::kSnow[8], 1.2);
    }
    WriteOrThrow(out.MediaPath("cutscenes\\pass1\\tracks.bmp"), EncodeScenePicture(canvas, PassPalette(), false));
}

// Clouds of snow: round puffs with a dark rim, scattered by a seed.
void SnowPuffs(cairo_t* cr, double cx, double cy, double spread, double size, int count, uint32_t seed)
{
    ArtRandom random(seed);
    for (int k = 0; k < count; ++k) {
        const double a = random.Range(0, 2 * M_PI), d = spread * std::sqrt(random.Unit());
        CirclePath(cr, cx + std::cos(a) * d, cy + std::sin(a) * d * 0.7, size * random.Range(0.5, 1.0));
        FillOutlined(cr, k % 3 ? pal::kSnow[15] : pal::kSnow[12], pal::kSnow[5], 1.4);
    }
}

// Glimmer on the snowmobile, turned to the slope under it.
void SledAt(cairo_t* cr, double x, double y, double angle, double phase, double scale, double bounce = 0)
{
    cairo_save(cr);
    cairo_translate(cr, x, y);
    cairo_rotate(cr, angle);
    DrawSnowmobile(cr, {0, 0, scale, false}, {phase, true, bounce});
    cairo_restore(cr);
}

// Down the slope, faster and faster, then nose first into the drift (the mask hides the rest).
void WriteSled(const OutputTree& out)
{
    WriteStageSprite(out, PassPalette(), "cutscenes\\pass1\\sled.spx", -39, 159, 16, [](cairo_t* cr, int i) {
        // Speeding up along the slope; from frame 12 on, nose first into the drift.
        const int slide = std::min(i, 11);
        const double plunge = std::max(0, i - 11);
        const double x = 10 + 26 * slide + 0.35 * slide * slide + 9 * plunge;
        const double y = SlopeY(std::min(x, 330.0)) + 4 + plunge * 11;
        const double angle = std::atan(0.33 + 0.00036 * x) + plunge * 0.14;
        SledAt(cr, x, y, angle, i * 0.3, 0.72);
        if (i >= 3) SnowPuffs(cr, x - 50, y - 6, 12, 5, 4, 80 + i);
    });
}

void WriteSnowSpray(const OutputTree& out)
{
    WriteStageSprite(out, PassPalette(), "cutscenes\\pass1\\snow2.spx", 245, 271, 9, [](cairo_t* cr, int i) {
        const double grow = (i + 1) / 9.0;
        SnowPuffs(cr, 300 + 14 * grow, 312 - 22 * std::sin(grow * M_PI), 14 + 30 * grow, 8 - 3 * grow, 6 + i, 90 + i);
    });
}

// The candy-striped North Pole with its pennant flapping in the wind.
void WriteFlag(const OutputTree& out)
{
    WriteStageSprite(out, PassPalette(), "cutscenes\\pass1\\flag_wave.spx", 511, 92, 5, [](cairo_t* cr, int i) {
        const double phase = i / 5.0 * 2 * M_PI;
        cairo_new_path(cr);
        cairo_move_to(cr, kPoleX, 96);
        for (double t = 0; t <= 1.0001; t += 0.1) {
            const double x = kPoleX + 4 + 52 * t, wave = 6 * t * std::sin(phase + t * 5);
            cairo_line_to(cr, x, 96 + 8 * t + wave);
        }
        for (double t = 1; t >= -0.0001; t -= 0.1) {
            const double x = kPoleX + 4 + 52 * t, wave = 6 * t * std::sin(phase + t * 5);
            cairo_line_to(cr, x, 126 - 8 * t + wave);
        }
        cairo_close_path(cr);
        FillOutlined(cr, pal::kGreen[8], pal::kBlack);
        DrawStar(cr, kPoleX + 26, 111 + 3 * std::sin(phase + 2.5), 6, 0, pal::kGold[12]);
        cairo_rectangle(cr, kPoleX - 4, 96, 8, kPoleBase - 96);
        FillOutlined(cr, pal::kSnow[15], pal::kBlack);
        cairo_save(cr);
        cairo_rectangle(cr, kPoleX - 4, 96, 8, kPoleBase - 96);
        cairo_clip(cr);
        for (double y = 96; y < kPoleBase; y += 12) {
            cairo_new_path(cr);
            cairo_move_to(cr, kPoleX - 6, y + 6);
            cairo_line_to(cr, kPoleX + 6, y);
            StrokeOnly(cr, pal::kRed[8], 4);
        }
        cairo_restore(cr);
        CirclePath(cr, kPoleX, 94, 6);
        FillOutlined(cr, pal::kGold[11], pal::kBlack);
    });
}

// Out of the drift in a high arc, over to the workshop.
void WriteSledOut(const OutputTree& out)
{
    WriteStageSprite(out, PassPalette(), "cutscenes\\pass1\\sled2.spx", 380, 179, 28, [](cairo_t* cr, int i) {
        const double t = i / 27.0;
        const double x = 400 + 150 * t;
        const double y = 330 - 200 * std::sin(t * M_PI) * (1 - 0.25 * t) + 4 * t;
        const double angle = -0.6 * std::cos(t * M_PI);
        SledAt(cr, x, y, angle, i * 0.25, 0.72);
        if (i < 8) SnowPuffs(cr, x - 30, y + 8, 18 - i, 6, 6, 120 + i);
    });
}

// The landing: a bounce, a skid to a stop, and Glimmer cheering in the seat.
void WriteSledLand(const OutputTree& out)
{
    WriteStageSprite(out, PassPalette(), "cutscenes\\pass1\\sled03.spx", 472, 172, 7, [](cairo_t* cr, int i) {
        const double bounce[] = {6, 0, 3, 0, 1, 0, 0};
        SledAt(cr, kLandX + 4 * std::min(i, 4), kLandY - bounce[i] * 2, -0.04 * (i % 2), i * 0.2, 0.72, bounce[i]);
        if (i < 4) SnowPuffs(cr, kLandX - 40, kLandY - 4, 14 - 2 * i, 5, 5, 140 + i);
        // Joy: twinkles over Glimmer's head once he has stopped.
        if (i >= 4)
            for (int k = 0; k < 3; ++k) DrawTwinkle(cr, kLandX - 30 + 30 * k, 226 - 6 * (k % 2) - 2 * i, 6, 1, pal::kGold[14]);
    });
}

// The fountain of snow: it shoots up, hangs as a big cloud, then falls apart in flakes.
void WriteSplash(const OutputTree& out)
{
    WriteStageSprite(out, PassPalette(), "cutscenes\\pass1\\snow_splash.spx", 339, 148, 17, [](cairo_t* cr, int i) {
        if (i < 12) {
            const double grow = (i + 1) / 12.0;
            const double top = 320 - 150 * std::sqrt(grow);
            for (int k = 0; k < 3; ++k) {
                const double cx = 360 + 40 * k + 10 * grow;
                SnowPuffs(cr, cx, (top + 318) / 2, 10 + 20 * grow, 6 + 6 * grow, 5 + i, 160 + k * 13 + i);
                SnowPuffs(cr, cx, top + 10, 6 + 16 * grow, 4 + 5 * grow, 3 + i / 2, 170 + k * 13 + i);
            }
        } else {
            const double fall = (i - 11) / 5.0;
            ArtRandom random(200 + i);
            for (int k = 0; k < int(30 * (1.1 - fall)); ++k) {
                const double x = 350 + random.Range(0, 130), y = 170 + random.Range(0, 130) + 40 * fall;
                DrawSnowflake(cr, x, y, 3 + random.Range(0, 3), random.Unit(), pal::kSnow[15]);
                CirclePath(cr, x + 6, y + 4, 2);
                FillOnly(cr, pal::kSnow[12]);
            }
        }
    });
}

void WritePassOneArt(const OutputTree& out)
{
    const ScopedInkPalette ink(PassPalette());
    WriteOrThrow(out.MediaPath("cutscenes\\pass1\\pass_1_Pallette.bmp"), EncodePaletteFile(PassPalette()));
    WriteBackground(out);
    WriteMask(out);
    WriteHouse(out);
    WriteTracks(out);
    WriteSled(out);
    WriteSnowSpray(out);
    WriteFlag(out);
    WriteSledOut(out);
    WriteSledLand(out);
    WriteSplash(out);
}

const RegisterGenerator kRegistration("story-pass1", &WritePassOneArt);

} // namespace
