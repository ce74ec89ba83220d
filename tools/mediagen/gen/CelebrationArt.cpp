// Group "story-celebration": the level delivered. The sleigh lands in the village square, Glimmer,
// Tobin and the elves dance round the great tree, fireworks burst and confetti falls.
#include "MediaGenerator.h"
#include "art/ArtPen.h"
#include "art/ArtRandom.h"
#include "art/GiftArt.h"
#include "art/GlimmerArt.h"
#include "art/SkyArt.h"
#include "art/SleighArt.h"
#include "art/StoryElf.h"
#include "art/StoryFestive.h"
#include "art/StoryScript.h"
#include "art/StorySprite.h"
#include "art/StoryStage.h"
#include "art/VillageArt.h"
#include "paint/Canvas.h"
#include "paint/GamePalette.h"
#include "paint/Ink.h"
#include "paint/TextPainter.h"

#include <cmath>
#include <functional>
#include <string>

namespace {

using namespace mediagen;

constexpr PaletteRamp kFestiveNight{192, 32}; // deep blue night to a warm glow over the square
constexpr PaletteRamp kLights{224, 16};       // string lights and lamp glow

const Palette& FestivePalette()
{
    static const Palette palette = ScenePalette({
        {kFestiveNight, {{6, 8, 30}, {18, 28, 74}, {44, 60, 130}, {110, 90, 160}, {210, 140, 150}}},
        {kLights, {{150, 60, 10}, {250, 150, 40}, {255, 220, 120}, {255, 250, 220}}},
    });
    return palette;
}

constexpr int kLast = 668;
constexpr double kTreeX = 320, kGround = 392;
constexpr double kParkX = 530;

void DrawSquare(cairo_t* cr)
{
    cairo_pattern_t* sky = cairo_pattern_create_linear(0, 50, 0, 330);
    AddStop(sky, 0.0, kFestiveNight[1]);
    AddStop(sky, 0.7, kFestiveNight[14]);
    AddStop(sky, 1.0, kFestiveNight[26]);
    cairo_set_source(cr, sky);
    cairo_rectangle(cr, 0, 50, 640, 350);
    cairo_fill(cr);
    cairo_pattern_destroy(sky);
    ArtRandom random(701);
    for (int i = 0; i < 60; ++i) {
        CirclePath(cr, random.Range(0, 640), random.Range(52, 220), 0.6 + random.Unit());
        FillOnly(cr, pal::kGold[14]);
    }
    // Houses round the square, windows lit, wreaths on the doors.
    const int walls[] = {pal::kBlue[5], pal::kBrick[4], pal::kGold[8], pal::kGreen[7], pal::kPurple[5]};
    const double spots[][2] = {{50, 0.9}, {150, 0.75}, {470, 0.8}, {590, 0.95}};
    for (int k = 0; k < 4; ++k) {
        HouseLook look;
        look.wall = walls[k];
        look.wallShade = walls[k] - 2;
        look.roof = k % 2 ? pal::kStone[2] : pal::kRed[4];
        look.smoke = k % 2 == 0;
        DrawHouse(cr, {spots[k][0], 330, spots[k][1], false}, look);
    }
    SmoothPath(cr, {{-10, 402}, {-10, 332}, {320, 326}, {650, 332}, {650, 402}});
    FillBlendDown(cr, 326, 400, {{0.0, pal::kSnow[13]}, {1.0, pal::kSnow[9]}});
    // A string of lights across the square.
    for (int side = 0; side < 2; ++side) {
        const double x0 = side ? 640 : 0, x1 = kTreeX;
        cairo_new_path(cr);
        cairo_move_to(cr, x0, 150);
        cairo_curve_to(cr, (x0 + x1) / 2, 200, (x0 + x1) / 2, 200, x1, 140);
        StrokeOnly(cr, pal::kGreen[2], 2);
        for (int k = 1; k < 8; ++k) {
            const double t = k / 8.0, mt = 1 - t;
            const double x = mt * mt * mt * x0 + 3 * mt * mt * t * (x0 + x1) / 2 + 3 * mt * t * t * (x0 + x1) / 2 + t * t * t * x1;
            const double y = mt * mt * mt * 150 + 3 * mt * mt * t * 200 + 3 * mt * t * t * 200 + t * t * t * 140;
            const int colours[] = {pal::kRed[10], kLights[12], pal::kGreen[10], pal::kBlue[6]};
            EllipsePath(cr, x, y + 5, 3.5, 5);
            FillOutlined(cr, colours[k % 4], pal::kBlack, 1.2);
        }
    }
    DrawPineTree(cr, {kTreeX, 340, 2.6, false}, {100, true, true, 0.4});
    DrawStar(cr, kTreeX, 84, 16, 0, pal::kGold[12]);
    const GiftWrap wraps[] = {GiftWrap::RedGold, GiftWrap::BlueSilver, GiftWrap::PinkWhite, GiftWrap::GreenRed};
    for (int k = 0; k < 4; ++k)
        DrawGift(cr, {kTreeX - 60 + k * 40, 352.0 + (k % 2) * 6, 0.9, false}, {wraps[k], GiftPattern(k % 3), 40, 30, 0});
}

// A firework burst drawn round the middle of a 140 x 140 box: 0-2 the rocket climbs, 3-11 it
// bursts into a ring of sparks that spreads, droops and fades.
void Burst(cairo_t* cr, int i, int colourA, int colourB)
{
    const double cx = 70, cy = 70;
    if (i < 3) {
        const double y = 140 - 30 * (i + 1);
        cairo_new_path(cr);
        cairo_move_to(cr, cx, y);
        cairo_line_to(cr, cx, y + 22);
        StrokeOnly(cr, kLights[12], 3);
        DrawTwinkle(cr, cx, y, 5, 1, pal::kWhite);
        return;
    }
    const double t = (i - 3) / 8.0, r = 12 + 52 * std::sqrt(t);
    for (int k = 0; k < 14; ++k) {
        const double a = k * 2 * M_PI / 14;
        const double x = cx + std::cos(a) * r, y = cy + std::sin(a) * r + 18 * t * t;
        if (t < 0.9) {
            cairo_new_path(cr);
            cairo_move_to(cr, cx + std::cos(a) * r * 0.6, cy + std::sin(a) * r * 0.6 + 10 * t * t);
            cairo_line_to(cr, x, y);
            StrokeOnly(cr, k % 2 ? colourA : colourB, 2.5 - 1.5 * t);
        }
        DrawTwinkle(cr, x, y, 5 - 3 * t, 1 - t * 0.5, k % 2 ? colourA : pal::kWhite);
    }
}

void WriteCelebration(const OutputTree& out)
{
    const Palette& palette = FestivePalette();
    const ScopedInkPalette ink(palette);
    {
        // The square is also the scene's palette file: its colour table is what the scene loads.
        Canvas canvas = PictureCanvas(0, 50, 640, 350);
        DrawSquare(canvas.Cr());
        WriteOrThrow(out.MediaPath("cutscenes\\celebration\\BG_02_8bit.bmp"), EncodeScenePicture(canvas, palette, true));
    }

    // The sleigh team swoops in from the top left (1-30) and the empty sleigh settles (31-36).
    WriteStageSprite(out, FestivePalette(), "cutscenes\\celebration\\sleigh.spx", 300, 120, 36, [](cairo_t* cr, int i) {
        if (i < 30) {
            const double t = i / 29.0;
            const double x = -160 + (kParkX + 40) * t, y = 120 + (kGround - 120) * t * t;
            cairo_save(cr);
            cairo_translate(cr, x, y);
            cairo_rotate(cr, 0.3 * (1 - t));
            DrawSleighTeam(cr, {0, 0, 0.6 + 0.3 * t, false}, {true, i / 4.0});
            cairo_restore(cr);
            return;
        }
        DrawSleigh(cr, {kParkX, kGround - (i == 30 ? 6 : i == 32 ? 2 : 0), 0.9, false}, {true, 0});
    });
    // Glimmer dances: cheering jumps and waves.
    WriteStageSprite(out, FestivePalette(), "cutscenes\\celebration\\glimmer.spx", 380, 250, 8, [](cairo_t* cr, int i) {
        GlimmerLook look;
        look.view = GlimmerView::ThreeQuarter;
        look.pose = i < 4 ? GlimmerPose::Cheer : GlimmerPose::Wave;
        look.phase = (i % 4) / 4.0;
        DrawGlimmer(cr, {430, kGround, 1.0, false}, look);
    });
    // Tobin and two more elves hop round the tree.
    WriteStageSprite(out, FestivePalette(), "cutscenes\\celebration\\elves.spx", 60, 260, 8, [](cairo_t* cr, int i) {
        const double phases[] = {0.0, 0.25, 0.5, 0.75};
        ElfLook tobin;
        tobin.pose = ElfPose::Cheer;
        tobin.phase = phases[i % 4];
        tobin.mouthOpen = i % 2 == 0;
        DrawElf(cr, {200, kGround, 1.2, false}, tobin);
        ElfLook blue = tobin;
        blue.tunic = pal::kBlue[6];
        blue.phase = phases[(i + 2) % 4];
        blue.pose = i < 4 ? ElfPose::Cheer : ElfPose::Point;
        DrawElf(cr, {120, kGround - 4, 1.0, true}, blue);
        ElfLook purple = tobin;
        purple.tunic = pal::kPurple[6];
        purple.phase = phases[(i + 1) % 4];
        DrawElf(cr, {250, kGround + 2, 0.95, true}, purple);
    });
    WriteStageSprite(out, FestivePalette(), "cutscenes\\celebration\\burst_gold.spx", 0, 0, 12,
                     [](cairo_t* cr, int i) { cairo_translate(cr, -kStageLeft, 0); Burst(cr, i, pal::kGold[12], pal::kRed[10]); });
    WriteStageSprite(out, FestivePalette(), "cutscenes\\celebration\\burst_green.spx", 0, 0, 12,
                     [](cairo_t* cr, int i) { cairo_translate(cr, -kStageLeft, 0); Burst(cr, i, pal::kGreen[11], pal::kCyan[6]); });
    // Confetti drifting down over the square, looping.
    WriteStageSprite(out, FestivePalette(), "cutscenes\\celebration\\confetti.spx", 0, 50, 12, [](cairo_t* cr, int i) {
        ArtRandom random(720);
        const int colours[] = {pal::kRed[10], pal::kGold[12], pal::kGreen[10], pal::kBlue[6], pal::kPink[5]};
        for (int k = 0; k < 60; ++k) {
            const double x = random.Range(0, 640), y0 = random.Range(0, 350);
            const double y = 50 + std::fmod(y0 + i * 350.0 / 12.0, 350.0);
            DrawConfettiPiece(cr, x + 5 * std::sin(y / 30 + k), y, 5, k % 4, colours[k % 5], i / 12.0 + k * 0.1, k);
        }
    });
    // The banner over the square.
    WriteStageSprite(out, FestivePalette(), "cutscenes\\celebration\\banner.spx", 150, 52, 6, [](cairo_t* cr, int i) {
        // A ribbon strung between two poles, its middle rippling in the wind.
        const double turn = i / 6.0 * 2 * M_PI;
        auto edge = [turn](double x, double base) { return base + 4 * std::sin(turn + x / 40.0); };
        cairo_new_path(cr);
        cairo_move_to(cr, 160, edge(160, 62));
        for (double x = 170; x <= 480; x += 10) cairo_line_to(cr, x, edge(x, 62));
        cairo_line_to(cr, 466, edge(480, 84));
        cairo_line_to(cr, 480, edge(480, 104));
        for (double x = 470; x >= 160; x -= 10) cairo_line_to(cr, x, edge(x, 104));
        cairo_line_to(cr, 174, edge(160, 84));
        cairo_close_path(cr);
        FillOutlined(cr, pal::kRed[8], pal::kBlack);
        for (double base : {67.0, 99.0}) {
            cairo_new_path(cr);
            cairo_move_to(cr, 172, edge(172, base));
            for (double x = 180; x <= 468; x += 10) cairo_line_to(cr, x, edge(x, base));
            StrokeOnly(cr, pal::kGold[11], 2);
        }
        TextStyle style;
        style.sizePx = 26;
        style.fill = GameColour(pal::kGold[13]);
        style.outline = GameColour(pal::kRed[1]);
        style.outlineWidth = 2;
        style.align = TextAlign::Centre;
        DrawText(cr, style, "Hooray, Glimmer!", 320, edge(320, 67));
    });

    StoryScript script;
    script.Comment("The celebration: the sleigh lands, the village dances, fireworks, and a thank-you.");
    script.BeginProp("square", "cutscenes\\celebration\\BG_02_8bit.bmp");
    script.PropAction(0, kLast, 5000, 0, 50);
    script.End();
    script.BeginProp("bars", "cutscenes\\black.bmp");
    for (int y : {0, 400, 430}) script.PropAction(0, kLast, 10, 0, y);
    script.End();
    script.BeginSprite("sleigh", "cutscenes\\celebration\\sleigh.spx");
    script.SpriteAction(false, 0, kLast, 1500, 300, 120, "s 1 36 r 36 633");
    script.End();
    script.BeginSprite("glimmer", "cutscenes\\celebration\\glimmer.spx");
    script.SpriteAction(true, 40, kLast, 1000, 380, 250, "s 1 8");
    script.End();
    script.BeginSprite("elves", "cutscenes\\celebration\\elves.spx");
    script.SpriteAction(true, 0, kLast, 1100, 60, 260, "s 1 8");
    script.End();
    script.BeginSprite("banner", "cutscenes\\celebration\\banner.spx");
    script.SpriteAction(true, 60, kLast, 900, 150, 52, "s 1 6");
    script.End();
    script.BeginSprite("confetti", "cutscenes\\celebration\\confetti.spx");
    script.SpriteAction(true, 48, 300, 200, 0, 50, "s 1 12");
    script.SpriteAction(true, 520, kLast, 200, 0, 50, "s 1 12");
    script.End();
    // Fireworks over the roofs, one after another, left and right.
    struct Shot {
        int frame, x, y;
        bool gold;
    };
    const Shot shots[] = {{100, 60, 70, false},  {130, 430, 60, false}, {170, 240, 80, true}, {200, 500, 90, false},
                          {240, 100, 60, true},  {300, 380, 70, false}, {340, 20, 90, true},  {380, 470, 60, false},
                          {420, 200, 70, true},  {470, 520, 80, false}, {520, 80, 60, true},  {560, 400, 70, false},
                          {600, 260, 60, true}};
    for (bool gold : {true, false}) {
        script.BeginSprite(gold ? "burst_gold" : "burst_green",
                           gold ? "cutscenes\\celebration\\burst_gold.spx" : "cutscenes\\celebration\\burst_green.spx");
        for (const Shot& shot : shots)
            if (shot.gold == gold) script.SpriteAction(false, shot.frame, shot.frame + 11, 4000, shot.x, shot.y, "s 1 12");
        script.End();
    }
    script.BeginSound("boom", "cutscenes\\celebration\\firework.wav");
    for (const Shot& shot : shots) script.SoundAction(shot.frame);
    script.End();
    script.BeginSound("music", "cutscenes\\celebration\\music.wav");
    script.SoundAction(0);
    script.SoundAction(260);
    script.End();
    script.BeginSound("cheer", "cutscenes\\celebration\\cheer.wav");
    script.SoundAction(36);
    script.SoundAction(330);
    script.SoundAction(620);
    script.End();
    script.BeginSound("thanks", "cutscenes\\celebration\\glimmer_thanks.wav");
    script.SoundAction(90);
    script.End();
    const std::string& text = script.Text();
    WriteOrThrow(out.MediaPath("cutscenes\\celebration\\config.txt"), std::vector<uint8_t>(text.begin(), text.end()));
}

const RegisterGenerator kRegistration("story-celebration", &WriteCelebration);

} // namespace
