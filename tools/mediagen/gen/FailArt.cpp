// Groups "story-fail1" and "story-fail2": the two lost rounds. After act 1 the snowmobile smokes in
// a bramble while Glimmer and Tobin sit sad; after a sleigh ride Glimmer sits by the tipped sleigh
// on a frozen pond, blinking, his nose flickering.
#include "MediaGenerator.h"
#include "art/ArtPen.h"
#include "art/ArtRandom.h"
#include "art/GiftArt.h"
#include "art/GlimmerArt.h"
#include "art/GlimmerParts.h"
#include "art/LandscapeArt.h"
#include "art/SkyArt.h"
#include "art/SleighArt.h"
#include "art/SnowmobileArt.h"
#include "art/StoryElf.h"
#include "art/StorySprite.h"
#include "art/StoryStage.h"
#include "art/TryAgainSign.h"
#include "art/VillageArt.h"
#include "paint/Canvas.h"
#include "paint/GamePalette.h"
#include "paint/Ink.h"

#include <cmath>

namespace {

using namespace mediagen;

constexpr PaletteRamp kDusk{192, 32};  // a sad evening: ink blue to dull lilac
constexpr PaletteRamp kSmoke{224, 16}; // smoke: charcoal to pale ash

const Palette& SadPalette()
{
    static const Palette palette = ScenePalette({
        {kDusk, {{6, 8, 22}, {20, 26, 58}, {44, 52, 98}, {86, 86, 136}, {150, 140, 180}}},
        {kSmoke, {{40, 38, 40}, {90, 88, 92}, {160, 158, 160}, {225, 224, 226}}},
    });
    return palette;
}

void WritePicture(const OutputTree& out, const Palette& palette, const char* name, int x, int y, int w, int h,
                  bool soft, void (*paint)(cairo_t*))
{
    Canvas canvas = PictureCanvas(x, y, w, h);
    paint(canvas.Cr());
    WriteOrThrow(out.MediaPath(name), EncodeScenePicture(canvas, palette, soft));
}

void ShadowAt(cairo_t* cr, double cx, double cy, double rx)
{
    EllipsePath(cr, cx, cy, rx, rx * 0.16);
    FillOnly(cr, kDusk[4]);
}

// ---- act 1 lost ------------------------------------------------------------------------

constexpr double kTobinX = 452, kTobinY = 414, kTobinScale = 1.7;
constexpr double kGlimmerX = 230, kGlimmerY = 432, kGlimmerScale = 0.82;

void DrawClearing(cairo_t* cr)
{
    cairo_pattern_t* sky = cairo_pattern_create_linear(0, 0, 0, 380);
    AddStop(sky, 0.0, kDusk[1]);
    AddStop(sky, 0.7, kDusk[12]);
    AddStop(sky, 1.0, kDusk[24]);
    cairo_set_source(cr, sky);
    cairo_rectangle(cr, 0, 0, 640, 480);
    cairo_fill(cr);
    cairo_pattern_destroy(sky);
    ArtRandom random(301);
    for (int i = 0; i < 50; ++i) {
        CirclePath(cr, random.Range(0, 640), random.Range(0, 260), 0.6 + random.Unit());
        FillOnly(cr, pal::kSnow[12]);
    }
    DrawMoon(cr, 560, 90, 30, true, false);
    DrawSnowyHills(cr, 640, 330, 480, 14, kDusk[20], kDusk[14], 303);
    for (double x : {40.0, 110.0, 590.0}) DrawPineTree(cr, {x, 372, 0.9, false}, {130, true, false, 0});
    SmoothPath(cr, {{-10, 480}, {-10, 392}, {160, 382}, {330, 392}, {500, 384}, {650, 394}, {650, 480}});
    FillOnly(cr, pal::kSnow[9]);
    DrawSnowfall(cr, 640, 380, 40, 305);
}

void DrawBramble(cairo_t* cr)
{
    // The snowmobile ploughed nose first into the thorny bush.
    cairo_save(cr);
    cairo_translate(cr, 338, 424);
    cairo_rotate(cr, 0.42);
    DrawSnowmobile(cr, {0, 0, 0.62, false}, {0.3, false, 0});
    cairo_restore(cr);
    ArtRandom random(311);
    for (int k = 0; k < 9; ++k) {
        const double x = 300 + k * 13, y = 440;
        cairo_new_path(cr);
        cairo_move_to(cr, x, y);
        cairo_curve_to(cr, x - 20 + random.Range(0, 40), y - 40, x - 30 + random.Range(0, 60), y - 60, x + random.Range(-30, 30), y - 70 + random.Range(0, 20));
        StrokeOutlined(cr, 3, pal::kFur[2], pal::kBlack);
    }
    for (int k = 0; k < 14; ++k) {
        const double x = 290 + random.Range(0, 110), y = 370 + random.Range(0, 60);
        EllipsePath(cr, x, y, 7, 4, random.Range(0, 3));
        FillOutlined(cr, pal::kGreen[3], pal::kBlack, 1.2);
        PolygonPath(cr, {{x + 6, y - 2}, {x + 10, y - 6}, {x + 8, y}});
        FillOnly(cr, pal::kFur[1]);
    }
    for (int k = 0; k < 4; ++k) {
        CirclePath(cr, 300 + k * 28, 392 + (k % 2) * 20, 3);
        FillOutlined(cr, pal::kRed[6], pal::kBlack, 1);
    }
}

ElfLook SadTobin(double eyesOpen)
{
    ElfLook look;
    look.pose = ElfPose::Sit;
    look.sad = true;
    look.eyesOpen = eyesOpen;
    return look;
}

GlimmerLook SadGlimmer()
{
    GlimmerLook look;
    look.view = GlimmerView::ThreeQuarter;
    look.pose = GlimmerPose::Sad;
    return look;
}

// Lids over Glimmer's eyes in the sad three-quarter view: 0 open, 1 half, 2 shut.
void GlimmerLids(cairo_t* cr, double ax, double ay, double scale, int closed)
{
    if (closed == 0)
        return;
    cairo_save(cr);
    cairo_translate(cr, ax, ay);
    cairo_scale(cr, scale, scale);
    cairo_translate(cr, 2, -86);
    cairo_rotate(cr, 0.2);
    const double eyes[2][4] = {{-7, -7, 5.6, 7.6}, {10, -8, 5.0, 7.0}};
    for (const auto& e : eyes) {
        cairo_save(cr);
        EllipsePath(cr, e[0], e[1], e[2] + 0.8, e[3] + 0.8);
        cairo_clip(cr);
        cairo_rectangle(cr, e[0] - 10, e[1] - 10, 20, closed == 1 ? 10 : 20);
        FillOnly(cr, glimmer::kFur);
        cairo_restore(cr);
        cairo_new_path(cr);
        const double lidY = closed == 1 ? e[1] : e[1] + e[3] * 0.5;
        cairo_move_to(cr, e[0] - e[2], lidY - 1);
        cairo_curve_to(cr, e[0] - e[2] / 2, lidY + 2, e[0] + e[2] / 2, lidY + 2, e[0] + e[2], lidY - 1);
        StrokeOnly(cr, glimmer::kInk, 1.6);
    }
    cairo_restore(cr);
}

void WriteFailOne(const OutputTree& out)
{
    const Palette& palette = SadPalette();
    const ScopedInkPalette ink(palette);
    WriteOrThrow(out.MediaPath("cutscenes\\fail1\\NS_Pallette_Pass_02.bmp"), EncodePaletteFile(palette));
    WritePicture(out, palette, "cutscenes\\fail1\\black.bmp", 0, 0, 640, 480, true, DrawClearing);
    WritePicture(out, palette, "cutscenes\\fail1\\bramble.bmp", 276, 355, 150, 92, false, DrawBramble);
    WritePicture(out, palette, "cutscenes\\fail1\\bramble_shadow.bmp", 274, 424, 160, 30, false,
                 [](cairo_t* cr) { ShadowAt(cr, 352, 440, 74); });
    WritePicture(out, palette, "cutscenes\\fail1\\tobin_shadow.bmp", 400, 417, 120, 24, false,
                 [](cairo_t* cr) { ShadowAt(cr, kTobinX + 10, 426, 50); });
    WritePicture(out, palette, "cutscenes\\fail1\\osric_shadow.bmp", 185, 421, 100, 24, false,
                 [](cairo_t* cr) { ShadowAt(cr, kGlimmerX, 433, 40); });
    WritePicture(out, palette, "cutscenes\\fail1\\tobin_sad.bmp", 401, 257, 120, 170, false,
                 [](cairo_t* cr) { DrawElf(cr, {kTobinX, kTobinY, kTobinScale, false}, SadTobin(1)); });

    // Tobin's eyes: open, closing, shut, opening, and open looking down.
    WriteStageSprite(out, palette, "cutscenes\\fail1\\tobin_blink.spx", 402, 276, 5, [](cairo_t* cr, int i) {
        const double open[] = {1, 0.55, 0, 0.55, 0.85};
        DrawElfHead(cr, {kTobinX, kTobinY, kTobinScale, false}, SadTobin(open[i]));
    });
    // Glimmer sitting dazed: eyes open, half shut, shut.
    WriteStageSprite(out, palette, "cutscenes\\fail1\\osric.spx", 184, 326, 3, [](cairo_t* cr, int i) {
        DrawGlimmer(cr, {kGlimmerX, kGlimmerY, kGlimmerScale, false}, SadGlimmer());
        GlimmerLids(cr, kGlimmerX, kGlimmerY, kGlimmerScale, i);
    });
    // Smoke curling up from the wreck.
    WriteStageSprite(out, palette, "cutscenes\\fail1\\smoke.spx", 279, 323, 6, [](cairo_t* cr, int i) {
        for (int k = 0; k < 4; ++k) {
            const double t = std::fmod(k / 4.0 + i / 24.0, 1.0);
            const double x = 300 + 10 * std::sin(t * 6 + k) + 12 * t, y = 380 - 52 * t;
            CirclePath(cr, x, y, 5 + 9 * t);
            FillOutlined(cr, kSmoke[int(6 + 8 * t)], kSmoke[2], 1.4);
        }
    });
    WriteStageSprite(out, palette, "cutscenes\\fail1\\try_again.spx", 209, 132, kTryAgainFrames,
                     [](cairo_t* cr, int i) { DrawTryAgain(cr, i); });
}

// ---- sleigh ride lost ------------------------------------------------------------------

constexpr PaletteRamp kIce{192, 32};  // black water to pale moonlit ice
constexpr PaletteRamp kGlow{224, 16}; // the nose's glow: deep red to pink-white

const Palette& IcePalette()
{
    static const Palette palette = ScenePalette({
        {kIce, {{2, 4, 12}, {12, 22, 44}, {40, 70, 110}, {110, 150, 190}, {210, 230, 245}}},
        {kGlow, {{120, 10, 20}, {230, 40, 50}, {255, 130, 130}, {255, 225, 220}}},
    });
    return palette;
}

constexpr double kSadScale = 1.3;

GlimmerLook LyingGlimmer()
{
    GlimmerLook look;
    look.pose = GlimmerPose::Sad;
    return look;
}

// The transforms of DrawGlimmer's side view, facing left, at the pose's anchor.
void EnterBody(cairo_t* cr, Point anchor)
{
    cairo_translate(cr, anchor.x, anchor.y);
    cairo_scale(cr, -kSadScale, kSadScale);
    cairo_translate(cr, -4, -45);
    cairo_rotate(cr, 0.05);
}

void EnterHead(cairo_t* cr, Point anchor)
{
    EnterBody(cr, anchor);
    cairo_translate(cr, 36, -21);
    cairo_rotate(cr, 0.42);
}

// The anchor that puts Glimmer's eye on the point the blink sprite is drawn at.
Point SadAnchor()
{
    Canvas probe(4, 4);
    cairo_t* cr = probe.Cr();
    EnterHead(cr, {0, 0});
    const Point eye = UserToCanvas(cr, 5, -4);
    return {394 - eye.x, 299 - eye.y};
}

void DrawPondScene(cairo_t* cr, bool reflection)
{
    const Point anchor = SadAnchor();
    if (!reflection) {
        // A patch of moonlit ice, the tipped sleigh, spilled presents.
        EllipsePath(cr, 330, 384, 160, 16);
        FillOnly(cr, kIce[22]);
    }
    cairo_save(cr);
    cairo_translate(cr, 250, 384);
    cairo_rotate(cr, -0.5);
    DrawSleigh(cr, {0, 0, 0.95, false}, {true, 0.3});
    cairo_restore(cr);
    DrawGift(cr, {316, 388, 0.8, false}, {GiftWrap::PinkWhite, GiftPattern::Dots, 40, 30, 0.4});
    DrawGift(cr, {196, 390, 0.7, false}, {GiftWrap::GreenRed, GiftPattern::Stripes, 40, 30, -0.3});
    DrawGlimmer(cr, {anchor.x, anchor.y, kSadScale, true}, LyingGlimmer());
}

void DrawPose(cairo_t* cr) { DrawPondScene(cr, false); }

void DrawReflection(cairo_t* cr)
{
    // The scene mirrored in the ice under the ground line, then dimmed by dark water.
    cairo_save(cr);
    cairo_translate(cr, 0, 2 * 391);
    cairo_scale(cr, 1, -1);
    DrawPondScene(cr, true);
    cairo_restore(cr);
    cairo_set_operator(cr, CAIRO_OPERATOR_ATOP);
    cairo_pattern_t* water = cairo_pattern_create_linear(0, 393, 0, 470);
    AddStop(water, 0.0, kIce[10], 0.55);
    AddStop(water, 1.0, kIce[2], 0.85);
    cairo_set_source(cr, water);
    cairo_paint(cr);
    cairo_pattern_destroy(water);
    cairo_set_operator(cr, CAIRO_OPERATOR_OVER);
    for (int k = 0; k < 6; ++k) {
        cairo_new_path(cr);
        cairo_move_to(cr, 190 + k * 48, 400 + k % 3 * 14);
        cairo_line_to(cr, 220 + k * 48, 400 + k % 3 * 14);
        StrokeOnly(cr, kIce[26], 1.5);
    }
}

void WriteFailTwo(const OutputTree& out)
{
    const Palette& palette = IcePalette();
    const ScopedInkPalette ink(palette);
    WriteOrThrow(out.MediaPath("cutscenes\\fail2\\NS_Pallette_Fail_02.bmp"), EncodePaletteFile(palette));
    WritePicture(out, palette, "cutscenes\\fail2\\fail_pose.bmp", 170, 239, 330, 154, false, DrawPose);
    WritePicture(out, palette, "cutscenes\\fail2\\reflection.bmp", 168, 393, 332, 80, false, DrawReflection);

    // The nose flickers like a light about to go out.
    WriteStageSprite(out, palette, "cutscenes\\fail2\\nose_glow.spx", 368, 301, 4, [](cairo_t* cr, int i) {
        const double glow[] = {0, 2.5, 4.5, 2};
        EnterHead(cr, SadAnchor());
        if (glow[i] > 0) {
            CirclePath(cr, 27, 3, 5.2 + glow[i]);
            FillOnly(cr, kGlow[int(9 + glow[i])]);
        }
        glimmer::Nose(cr, 27, 3, 5.2, false);
    });
    // His eye: open, closing, shut, opening.
    WriteStageSprite(out, palette, "cutscenes\\fail2\\blink.spx", 379, 289, 4, [](cairo_t* cr, int i) {
        EnterHead(cr, SadAnchor());
        glimmer::Eye(cr, 5, -4, 5.8, 7.2, 0.3, 0.7, glimmer::Mood::Sad);
        if (i == 0)
            return;
        const int closed = i == 2 ? 2 : 1;
        cairo_save(cr);
        EllipsePath(cr, 5, -4, 6.6, 8);
        cairo_clip(cr);
        cairo_rectangle(cr, -6, -14, 22, closed == 1 ? 10 : 20);
        FillOnly(cr, glimmer::kFur);
        cairo_restore(cr);
        const double lidY = closed == 1 ? -4 : 0;
        cairo_new_path(cr);
        cairo_move_to(cr, -1, lidY - 1);
        cairo_curve_to(cr, 2, lidY + 2, 8, lidY + 2, 11, lidY - 1);
        StrokeOnly(cr, glimmer::kInk, 1.6);
    });
    // The tail twitches now and then.
    WriteStageSprite(out, palette, "cutscenes\\fail2\\tail.spx", 442, 286, 8, [](cairo_t* cr, int i) {
        const double swing[] = {0, 0.12, 0.26, 0.34, 0.26, 0.12, 0.04, 0};
        EnterBody(cr, SadAnchor());
        const double a = 2.21 + 1.2 * swing[i];
        const Point base{-27, -6};
        glimmer::Ear(cr, base, {base.x + 12 * std::cos(a), base.y + 12 * std::sin(a)}, 6.5, glimmer::kCream,
                     glimmer::kCreamShade);
    });
    // Dizzy stars circling over the tipped sleigh.
    WriteStageSprite(out, palette, "cutscenes\\fail2\\scratch.spx", 218, 244, 6, [](cairo_t* cr, int i) {
        for (int k = 0; k < 3; ++k) {
            const double a = (i / 6.0 + k / 3.0) * 2 * M_PI;
            const double x = 268 + 36 * std::cos(a), y = 270 + 12 * std::sin(a);
            DrawStar(cr, x, y, 7 + 2 * std::sin(a), a, pal::kGold[12]);
        }
    });
    WriteStageSprite(out, palette, "cutscenes\\fail2\\try_again.spx", 209, 132, kTryAgainFrames,
                     [](cairo_t* cr, int i) { DrawTryAgain(cr, i); });
}

const RegisterGenerator kFailOne("story-fail1", &WriteFailOne);
const RegisterGenerator kFailTwo("story-fail2", &WriteFailTwo);

} // namespace
