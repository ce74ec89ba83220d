// Groups "story-setup1" and "story-setup2": the two set-up scenes told by animation scripts. In the
// first Tobin gives Glimmer his task at the North Pole and Glimmer drives off on the snowmobile;
// in the second Tobin loads the sleigh and Glimmer pulls it up into the night.
#include "MediaGenerator.h"
#include "art/ArtPen.h"
#include "art/ArtRandom.h"
#include "art/GiftArt.h"
#include "art/GlimmerArt.h"
#include "art/LandscapeArt.h"
#include "art/SkyArt.h"
#include "art/SleighArt.h"
#include "art/SnowmobileArt.h"
#include "art/StoryElf.h"
#include "art/StoryScript.h"
#include "art/StorySprite.h"
#include "art/StoryStage.h"
#include "art/VillageArt.h"
#include "paint/Canvas.h"
#include "paint/GamePalette.h"
#include "paint/Ink.h"

#include <algorithm>
#include <cmath>
#include <functional>
#include <string>

namespace {

using namespace mediagen;

void WriteScript(const OutputTree& out, const std::string& name, const StoryScript& script)
{
    const std::string& text = script.Text();
    WriteOrThrow(out.MediaPath(name), std::vector<uint8_t>(text.begin(), text.end()));
}

void Letterbox(StoryScript& script, int last)
{
    script.BeginProp("bars", "cutscenes\\black.bmp");
    for (int y : {0, 400, 430}) script.PropAction(0, last, 10, 0, y);
    script.End();
}

// Snow drifting down over the whole picture; the last frame runs into the first.
void WriteSnowfall(const OutputTree& out, const Palette& palette, const std::string& name, int frames, uint32_t seed)
{
    WriteStageSprite(out, palette, name, 0, 50, frames, [frames, seed](cairo_t* cr, int i) {
        ArtRandom random(seed);
        for (int k = 0; k < 70; ++k) {
            const double x0 = random.Range(0, 640), y0 = random.Range(0, 350), size = random.Range(1.5, 4);
            const double fall = 350.0 / frames * (size > 3 ? 2 : 1);
            const double y = 50 + std::fmod(y0 + fall * i, 350.0);
            const double x = x0 + 6 * std::sin((y0 + fall * i) / 40 + k);
            if (size > 3)
                DrawSnowflake(cr, x, y, size + 1, k, pal::kSnow[15]);
            else {
                CirclePath(cr, x, y, size * 0.6);
                FillOnly(cr, pal::kSnow[15]);
            }
        }
    });
}

GlimmerLook Front(GlimmerPose pose, double phase)
{
    GlimmerLook look;
    look.view = GlimmerView::ThreeQuarter;
    look.pose = pose;
    look.phase = phase;
    return look;
}

// ---- set-up 1: the task ------------------------------------------------------------------

constexpr PaletteRamp kSunset{192, 32}; // violet zenith through rose to a golden horizon
constexpr PaletteRamp kTimber{224, 16}; // the workshop's timber and lamplight

const Palette& TaskPalette()
{
    static const Palette palette = ScenePalette({
        {kSunset, {{40, 36, 100}, {96, 70, 150}, {190, 110, 160}, {250, 160, 130}, {255, 220, 150}}},
        {kTimber, {{80, 40, 20}, {150, 90, 40}, {230, 170, 90}, {255, 235, 180}}},
    });
    return palette;
}

constexpr int kSetupOneLast = 368;
constexpr double kTobinX = 112, kTobinY = 392, kTobinScale = 1.35;
constexpr double kGlimmerX = 420, kGlimmerY = 392;
constexpr double kSledX = 536, kSledY = 392;
constexpr double kChuteTopX = 262, kChuteTopY = 248, kChuteEndX = 336, kChuteEndY = 330;

void DrawWorkshopYard(cairo_t* cr)
{
    cairo_pattern_t* sky = cairo_pattern_create_linear(0, 50, 0, 330);
    AddStop(sky, 0.0, kSunset[2]);
    AddStop(sky, 0.45, kSunset[14]);
    AddStop(sky, 0.8, kSunset[24]);
    AddStop(sky, 1.0, kSunset[31]);
    cairo_set_source(cr, sky);
    cairo_rectangle(cr, 0, 50, 640, 350);
    cairo_fill(cr);
    cairo_pattern_destroy(sky);
    ArtRandom random(501);
    for (int i = 0; i < 30; ++i) DrawTwinkle(cr, random.Range(0, 640), random.Range(56, 150), 2 + 2 * random.Unit(), random.Unit());
    DrawSnowyHills(cr, 640, 300, 402, 12, pal::kSnow[9], pal::kSnow[6], 503);
    for (double x : {18.0, 590.0, 624.0}) DrawPineTree(cr, {x, 340, 0.9, false}, {120, true, false, 0});

    // The workshop: a long red house with a green roof, and a chute from its side window.
    HouseLook workshop;
    workshop.width = 118;
    workshop.height = 72;
    workshop.wall = pal::kRed[7];
    workshop.wallShade = pal::kRed[4];
    workshop.roof = pal::kGreen[5];
    workshop.smoke = true;
    DrawHouse(cr, {182, 338, 1.9, false}, workshop);
    SmoothPath(cr, {{-10, 402}, {-10, 338}, {200, 332}, {420, 340}, {650, 334}, {650, 402}});
    FillBlendDown(cr, 330, 400, {{0.0, pal::kSnow[14]}, {1.0, pal::kSnow[10]}});
    cairo_new_path(cr);
    SmoothPath(cr, {{-10, 338}, {200, 332}, {420, 340}, {650, 334}}, false);
    StrokeOnly(cr, pal::kSnow[6], 2);

    cairo_new_path(cr);
    cairo_move_to(cr, kChuteTopX - 6, kChuteTopY - 6);
    cairo_line_to(cr, kChuteEndX + 6, kChuteEndY - 8);
    cairo_line_to(cr, kChuteEndX + 6, kChuteEndY + 2);
    cairo_line_to(cr, kChuteTopX - 6, kChuteTopY + 6);
    cairo_close_path(cr);
    FillOutlined(cr, kTimber[6], pal::kBlack);
    for (double t = 0.2; t < 1; t += 0.3)
        Limb(cr, {{kChuteTopX + (kChuteEndX - kChuteTopX) * t, kChuteTopY + (kChuteEndY - kChuteTopY) * t + 2},
                  {kChuteTopX + (kChuteEndX - kChuteTopX) * t, 336}},
             3, kTimber[4], pal::kBlack);
    // The pile of gifts the machines have made so far.
    const GiftWrap wraps[] = {GiftWrap::BlueSilver, GiftWrap::GreenRed, GiftWrap::PurpleGold, GiftWrap::YellowRed,
                              GiftWrap::RedGold};
    for (int k = 0; k < 5; ++k)
        DrawGift(cr, {kChuteEndX + 22 + (k % 3) * 22 - (k / 3) * 10, 346.0 - (k / 3) * 24, 0.9, false},
                 {wraps[k], GiftPattern(k % 3), 40, 30, 0.1 * (k - 2)});
    // The North Pole itself.
    cairo_rectangle(cr, 300, 190, 8, 146);
    FillOutlined(cr, pal::kSnow[15], pal::kBlack);
    for (double y = 192; y < 334; y += 12) {
        cairo_new_path(cr);
        cairo_move_to(cr, 300, y + 8);
        cairo_line_to(cr, 308, y);
        StrokeOnly(cr, pal::kRed[8], 4);
    }
    CirclePath(cr, 304, 188, 7);
    FillOutlined(cr, pal::kGold[11], pal::kBlack);
}

void WriteSetupOne(const OutputTree& out)
{
    const Palette& palette = TaskPalette();
    const ScopedInkPalette ink(palette);
    WriteOrThrow(out.MediaPath("cutscenes\\setup1\\setup_01_pallette.bmp"), EncodePaletteFile(palette));
    {
        Canvas canvas = PictureCanvas(0, 50, 640, 350);
        DrawWorkshopYard(canvas.Cr());
        WriteOrThrow(out.MediaPath("cutscenes\\setup1\\workshop.bmp"), EncodeScenePicture(canvas, palette, true));
    }
    WriteSnowfall(out, palette, "cutscenes\\setup1\\snow.spx", 12, 511);

    // Two gifts at a time slide down the chute from the workshop.
    WriteStageSprite(out, palette, "cutscenes\\setup1\\gifts.spx", 250, 226, 8, [](cairo_t* cr, int i) {
        for (int k = 0; k < 2; ++k) {
            const double t = std::fmod(i / 8.0 + k * 0.5, 1.0);
            const double x = kChuteTopX + (kChuteEndX - kChuteTopX) * t, y = kChuteTopY + (kChuteEndY - kChuteTopY) * t;
            DrawGift(cr, {x, y - 2, 0.7, false}, {k ? GiftWrap::PinkWhite : GiftWrap::OrangeGreen, GiftPattern::Dots, 40, 30, 0.8});
        }
    });

    // Tobin: 1-4 talking with his arm, 5-6 waving goodbye.
    WriteStageSprite(out, palette, "cutscenes\\setup1\\tobin.spx", 60, 250, 6, [](cairo_t* cr, int i) {
        ElfLook look;
        if (i < 4) {
            look.pose = i % 2 ? ElfPose::Point : ElfPose::Stand;
            look.phase = i / 4.0;
            look.eyesOpen = i == 3 ? 0.3 : 1;
            look.mouthOpen = i == 1 || i == 2;
        } else {
            look.pose = ElfPose::Cheer;
            look.phase = (i - 4) * 0.5 + 0.25;
        }
        DrawElf(cr, {kTobinX, kTobinY, kTobinScale, false}, look);
    });

    // Glimmer: 1-2 listening, 3-5 waving, 6-8 jumping for joy.
    WriteStageSprite(out, palette, "cutscenes\\setup1\\glimmer.spx", 370, 250, 8, [](cairo_t* cr, int i) {
        if (i < 2)
            DrawGlimmer(cr, {kGlimmerX, kGlimmerY, 1.05, false}, Front(GlimmerPose::Stand, i * 0.5));
        else if (i < 5)
            DrawGlimmer(cr, {kGlimmerX, kGlimmerY, 1.05, false}, Front(GlimmerPose::Wave, (i - 2) / 3.0));
        else
            DrawGlimmer(cr, {kGlimmerX, kGlimmerY, 1.05, false}, Front(GlimmerPose::Cheer, (i - 5) / 3.0));
    });

    // The snowmobile: 1 parked, 2-41 Glimmer drives it off to the right, faster and faster.
    WriteStageSprite(out, palette, "cutscenes\\setup1\\snowmobile.spx", 450, 300, 41, [](cairo_t* cr, int i) {
        if (i == 0) {
            DrawSnowmobile(cr, {kSledX, kSledY, 1.0, false}, {0, false, 0});
            return;
        }
        const double k = i - 1;
        const double x = kSledX + 0.17 * k * k;
        DrawSnowmobile(cr, {x, kSledY, 1.0, false}, {k * 0.35, true, k < 4 ? 2 - k * 0.5 : 0});
        ArtRandom random(520 + i);
        for (int p = 0; p < 4; ++p) {
            CirclePath(cr, x - 70 - p * 14 - random.Range(0, 8), kSledY - 6 - random.Range(0, 14), 4 + p * 1.5);
            FillOutlined(cr, pal::kSnow[15], pal::kSnow[6], 1.2);
        }
    });

    StoryScript script;
    script.Comment("Set-up before act 1: Tobin gives Glimmer his task and Glimmer drives off to catch the gifts.");
    script.BeginProp("yard", "cutscenes\\setup1\\workshop.bmp");
    script.PropAction(0, kSetupOneLast, 5000, 0, 50);
    script.End();
    Letterbox(script, kSetupOneLast);
    script.BeginSprite("snow", "cutscenes\\setup1\\snow.spx");
    script.SpriteAction(true, 0, kSetupOneLast, 300, 0, 50, "s 1 12");
    script.End();
    script.BeginSprite("chute", "cutscenes\\setup1\\gifts.spx");
    script.SpriteAction(true, 0, kSetupOneLast, 2500, 250, 226, "s 1 8");
    script.End();
    script.BeginSprite("tobin", "cutscenes\\setup1\\tobin.spx");
    script.SpriteAction(true, 0, 17, 1200, 60, 250, "r 1 6");
    script.SpriteAction(true, 18, 95, 1200, 60, 250, "a 6 1 2 3 4 3 2");
    script.SpriteAction(true, 96, 149, 1200, 60, 250, "r 1 5 a 1 4");
    script.SpriteAction(true, 150, 190, 1200, 60, 250, "a 6 1 2 3 4 3 2");
    script.SpriteAction(true, 191, kSetupOneLast, 1200, 60, 250, "r 5 3 r 6 3");
    script.End();
    script.BeginSprite("glimmer", "cutscenes\\setup1\\glimmer.spx");
    script.SpriteAction(true, 0, 99, 1100, 370, 250, "r 1 4 r 2 4");
    script.SpriteAction(true, 100, 139, 1100, 370, 250, "a 8 3 4 5 4 3 4 5 4");
    script.SpriteAction(true, 140, 199, 1100, 370, 250, "r 1 4 r 2 4");
    script.SpriteAction(true, 200, 239, 1100, 370, 250, "a 8 6 7 8 7 6 7 8 7");
    script.End();
    script.BeginSprite("snowmobile", "cutscenes\\setup1\\snowmobile.spx");
    script.SpriteAction(false, 0, 239, 1000, 450, 300, "r 1 240");
    script.SpriteAction(false, 240, 300, 1000, 450, 300, "s 2 41 r 41 21");
    script.End();
    script.BeginSound("jingle", "cutscenes\\setup1\\jingle.wav");
    script.SoundAction(0);
    script.End();
    script.BeginSound("task", "cutscenes\\setup1\\tobin_task.wav");
    script.SoundAction(18);
    script.End();
    script.BeginSound("ready", "cutscenes\\setup1\\glimmer_ready.wav");
    script.SoundAction(100);
    script.End();
    script.BeginSound("goodluck", "cutscenes\\setup1\\tobin_goodluck.wav");
    script.SoundAction(150);
    script.End();
    script.BeginSound("engine", "cutscenes\\setup1\\engine_start.wav");
    script.SoundAction(236);
    script.End();
    WriteScript(out, "cutscenes\\setup1\\config.txt", script);
}

// ---- set-up 2: the sleigh --------------------------------------------------------------

constexpr PaletteRamp kEvening{192, 32}; // navy night over a last rose glow
constexpr PaletteRamp kLantern{224, 16}; // lantern light: amber to cream

const Palette& LaunchPalette()
{
    static const Palette palette = ScenePalette({
        {kEvening, {{8, 10, 34}, {22, 30, 80}, {60, 60, 130}, {140, 90, 150}, {230, 150, 150}}},
        {kLantern, {{140, 70, 10}, {240, 160, 40}, {255, 220, 120}, {255, 248, 210}}},
    });
    return palette;
}

constexpr int kSetupTwoLast = 338;
constexpr double kSleighX = 360, kSleighY = 392, kSleighScale = 1.35;
constexpr double kPileX = 92, kPileY = 392;

void DrawLaunchField(cairo_t* cr)
{
    cairo_pattern_t* sky = cairo_pattern_create_linear(0, 50, 0, 340);
    AddStop(sky, 0.0, kEvening[1]);
    AddStop(sky, 0.6, kEvening[14]);
    AddStop(sky, 1.0, kEvening[30]);
    cairo_set_source(cr, sky);
    cairo_rectangle(cr, 0, 50, 640, 350);
    cairo_fill(cr);
    cairo_pattern_destroy(sky);
    DrawMoon(cr, 520, 110, 30, true, false);
    DrawSnowyHills(cr, 640, 310, 402, 12, pal::kSnow[7], pal::kSnow[4], 531);
    HouseLook workshop;
    workshop.wall = pal::kRed[7];
    workshop.wallShade = pal::kRed[4];
    workshop.roof = pal::kGreen[5];
    workshop.smoke = true;
    DrawHouse(cr, {70, 340, 1.1, false}, workshop);
    DrawPineTree(cr, {180, 342, 0.8, false}, {110, true, true, 0.3});
    DrawPineTree(cr, {616, 342, 0.9, false}, {110, true, false, 0});
    SmoothPath(cr, {{-10, 402}, {-10, 340}, {320, 336}, {650, 342}, {650, 402}});
    FillBlendDown(cr, 336, 400, {{0.0, pal::kSnow[12]}, {1.0, pal::kSnow[8]}});
    // Lanterns along the runway.
    for (double x : {250.0, 350.0, 450.0, 550.0}) {
        Limb(cr, {{x, 352}, {x, 318}}, 3, pal::kGrey[4], pal::kBlack);
        Halo(cr, x, 314, 4, 14, LaunchPalette()[kLantern[12]], 0.6);
        CirclePath(cr, x, 314, 5);
        FillOutlined(cr, kLantern[12], pal::kBlack, 1.2);
    }
    // The gifts waiting to be loaded.
    const GiftWrap wraps[] = {GiftWrap::RedGold, GiftWrap::BlueSilver, GiftWrap::GreenRed, GiftWrap::YellowRed};
    for (int k = 0; k < 4; ++k)
        DrawGift(cr, {kPileX - 26 + (k % 2) * 30 + (k / 2) * 14, kPileY - 2 - (k / 2) * 26, 0.85, false},
                 {wraps[k], GiftPattern(k % 3), 40, 30, 0});
}

// Glimmer in harness in front of the sleigh, stamping and ready.
void DrawHarnessed(cairo_t* cr, int fill, double stamp)
{
    DrawSleigh(cr, {kSleighX, kSleighY, kSleighScale, false}, {false, 0});
    const GiftWrap wraps[] = {GiftWrap::RedGold, GiftWrap::BlueSilver, GiftWrap::GreenRed, GiftWrap::PurpleGold,
                              GiftWrap::YellowRed};
    for (int k = 0; k < fill; ++k)
        DrawGift(cr, {kSleighX - 40 + (k % 3) * 28, kSleighY - 50 - (k / 3) * 24, 0.8, false},
                 {wraps[k], GiftPattern(k % 3), 40, 30, 0.15 * (k - 2)});
    GlimmerLook look;
    look.pose = GlimmerPose::Stand;
    look.phase = stamp;
    DrawGlimmer(cr, {kSleighX + 160, kSleighY, 1.0, false}, look);
    for (int pass = 0; pass < 2; ++pass) {
        cairo_new_path(cr);
        cairo_move_to(cr, kSleighX + 66, kSleighY - 58);
        cairo_curve_to(cr, kSleighX + 100, kSleighY - 40, kSleighX + 120, kSleighY - 50, kSleighX + 150, kSleighY - 62);
        StrokeOnly(cr, pass == 0 ? pal::kBlack : pal::kGold[11], pass == 0 ? 4 : 2);
    }
}

void WriteSetupTwo(const OutputTree& out)
{
    const Palette& palette = LaunchPalette();
    const ScopedInkPalette ink(palette);
    WriteOrThrow(out.MediaPath("cutscenes\\setup2\\setup_2_pall.bmp"), EncodePaletteFile(palette));
    {
        Canvas canvas = PictureCanvas(0, 50, 640, 350);
        DrawLaunchField(canvas.Cr());
        WriteOrThrow(out.MediaPath("cutscenes\\setup2\\field.bmp"), EncodeScenePicture(canvas, palette, true));
    }
    WriteSnowfall(out, palette, "cutscenes\\setup2\\snow.spx", 12, 541);

    // 1-6 loading (no gifts to five), 7-56 the take-off: up over the field and away to the top right.
    WriteStageSprite(out, palette, "cutscenes\\setup2\\sleigh.spx", 180, 170, 56, [](cairo_t* cr, int i) {
        if (i < 6) {
            DrawHarnessed(cr, i, 0);
            return;
        }
        const double t = (i - 6) / 49.0;
        const double x = kSleighX + 40 + 560 * t * t + 120 * t, y = kSleighY - 10 - 320 * std::sin(t * M_PI / 2) * (0.3 + 0.7 * t);
        const double scale = 1.2 - 0.6 * t;
        cairo_save(cr);
        cairo_translate(cr, x, y);
        cairo_rotate(cr, -0.35 * std::min(1.0, t * 4));
        DrawSleighTeam(cr, {0, 0, scale, false}, {true, i / 4.0});
        cairo_restore(cr);
        ArtRandom random(560 + i);
        for (int k = 1; k <= 4; ++k)
            DrawTwinkle(cr, x - 90 * scale - k * 18 + random.Range(-6, 6), y + random.Range(-8, 12), 7 - k, 1,
                        k % 2 ? pal::kGold[14] : pal::kWhite);
    });

    // Tobin: 1-8 carries a gift to the sleigh, 9-16 walks back for the next, 17-18 waves.
    WriteStageSprite(out, palette, "cutscenes\\setup2\\tobin.spx", 20, 250, 18, [](cairo_t* cr, int i) {
        ElfLook look;
        if (i < 16) {
            const bool carrying = i < 8;
            const double t = (i % 8) / 7.0;
            const double x = carrying ? kPileX + 30 + 150 * t : kPileX + 180 - 150 * t;
            look.pose = carrying ? ElfPose::Cheer : ElfPose::Stand;
            look.phase = (i % 4) / 4.0;
            DrawElf(cr, {x, kPileY - 2 * std::fabs(std::sin(i * M_PI / 2)), 1.25, !carrying}, look);
            if (carrying)
                DrawGift(cr, {x, kPileY - 108, 0.8, false}, {GiftWrap::RedGold, GiftPattern::Dots, 40, 30, 0});
        } else {
            look.pose = ElfPose::Cheer;
            look.phase = (i - 16) * 0.5 + 0.25;
            look.mouthOpen = i == 16;
            DrawElf(cr, {kPileX + 60, kPileY, 1.25, false}, look);
        }
    });

    StoryScript script;
    script.Comment("Set-up before act 2: Tobin loads the sleigh and Glimmer pulls it up into the night.");
    script.BeginProp("field", "cutscenes\\setup2\\field.bmp");
    script.PropAction(0, kSetupTwoLast, 5000, 0, 50);
    script.End();
    Letterbox(script, kSetupTwoLast);
    script.BeginSprite("snow", "cutscenes\\setup2\\snow.spx");
    script.SpriteAction(true, 0, kSetupTwoLast, 300, 0, 50, "s 1 12");
    script.End();
    script.BeginSprite("sleigh", "cutscenes\\setup2\\sleigh.spx");
    script.SpriteAction(false, 0, 239, 1500, 180, 170, "r 1 8 r 2 36 r 3 36 r 4 36 r 5 36 r 6 88");
    script.SpriteAction(false, 240, kSetupTwoLast, 1500, 180, 170, "s 7 56 r 56 49");
    script.End();
    script.BeginSprite("tobin", "cutscenes\\setup2\\tobin.spx");
    // Five trips, each gift landing in the sleigh at the eighth frame of a walk.
    std::string trips;
    for (int k = 0; k < 5; ++k) trips += "s 1 16 r 1 20 ";
    script.SpriteAction(false, 0, 207, 1200, 20, 250, trips + "s 1 16 r 1 12");
    script.SpriteAction(true, 208, kSetupTwoLast, 1200, 20, 250, "r 17 3 r 18 3 r 17 3 r 18 3 r 17 3 r 18 3");
    script.End();
    script.BeginSound("thump", "cutscenes\\setup2\\thump.wav");
    for (int k = 0; k < 6; ++k) script.SoundAction(8 + 36 * k);
    script.End();
    script.BeginSound("loaded", "cutscenes\\setup2\\tobin_loaded.wav");
    script.SoundAction(212);
    script.End();
    script.BeginSound("go", "cutscenes\\setup2\\glimmer_go.wav");
    script.SoundAction(244);
    script.End();
    script.BeginSound("takeoff", "cutscenes\\setup2\\takeoff.wav");
    script.SoundAction(250);
    script.End();
    script.BeginSound("bells", "cutscenes\\pass2\\sleighbells.wav");
    script.SoundAction(0);
    script.SoundAction(280);
    script.End();
    WriteScript(out, "cutscenes\\setup2\\config.txt", script);
}

const RegisterGenerator kSetupOne("story-setup1", &WriteSetupOne);
const RegisterGenerator kSetupTwo("story-setup2", &WriteSetupTwo);

} // namespace
