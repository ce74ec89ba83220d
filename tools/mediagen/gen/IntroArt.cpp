// Group "story-intro": the intro's palette, letterbox bar, night picture and its seven sprites.
#include "MediaGenerator.h"
#include "art/ArtPen.h"
#include "art/ArtRandom.h"
#include "art/GiftArt.h"
#include "art/GlimmerArt.h"
#include "art/LandscapeArt.h"
#include "art/SkyArt.h"
#include "art/SleighArt.h"
#include "art/SnowCappedText.h"
#include "art/StoryMagic.h"
#include "art/StoryReindeer.h"
#include "art/StorySprite.h"
#include "art/VillageArt.h"
#include "paint/Canvas.h"
#include "paint/GamePalette.h"
#include "paint/Ink.h"
#include "paint/PictureFile.h"
#include "paint/TextPainter.h"

#include "BmpWriter.h"

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

namespace {

using namespace mediagen;

// The intro keeps every ramp of the game palette, so the art kit's characters keep their
// exact colours, and trades the spread of mixed colours for the night it is set in.
constexpr PaletteRamp kMidnight{192, 32}; // black-blue zenith down to a rosy horizon
constexpr PaletteRamp kAurora{224, 16};   // deep teal to bright mint
constexpr PaletteRamp kLamplight{240, 14}; // amber window light to pale moonlight

void FillRamp(Palette& palette, PaletteRamp ramp, const std::vector<Rgb>& keys)
{
    for (int i = 0; i < ramp.count; ++i) {
        const double t = double(i) / (ramp.count - 1) * double(keys.size() - 1);
        const size_t a = std::min(size_t(t), keys.size() - 2);
        palette[ramp.first + i] = MixRgb(keys[a], keys[a + 1], t - double(a));
    }
}

const Palette& IntroPalette()
{
    static const Palette palette = [] {
        Palette p = GamePalette();
        FillRamp(p, kMidnight, {{3, 4, 18}, {10, 16, 48}, {26, 40, 96}, {62, 70, 150}, {140, 110, 180}, {236, 160, 176}});
        FillRamp(p, kAurora, {{0, 40, 52}, {0, 120, 110}, {60, 210, 150}, {190, 255, 210}});
        FillRamp(p, kLamplight, {{150, 70, 10}, {255, 170, 50}, {255, 226, 160}, {255, 248, 220}});
        return p;
    }();
    return palette;
}

Rgb Midnight(double t) { return IntroPalette()[kMidnight.At(t)]; }
Rgb Aurora(double t) { return IntroPalette()[kAurora.At(t)]; }

constexpr int kScreenWidth = 640;
// The picture sits between the letterbox bars: from y 50 to y 400.
constexpr int kPictureTop = 50;
constexpr int kPictureHeight = 350;
constexpr int kBarHeight = 50;

// Where the scene draws each sprite (frame 0's top-left corner).
constexpr int kTitleX = 41, kTitleY = 57;
constexpr int kIrisX = 333, kIrisY = 244;
constexpr int kGlimmerX = 337, kGlimmerY = 248;
constexpr int kShine1X = 34, kShine1Y = 65;
constexpr int kShine2X = 286, kShine2Y = 147;
constexpr int kSleighX = -29, kSleighY = 34;
constexpr int kDeerX = -34, kDeerY = 49;

// Frames each sprite needs: the last frame the scene's timeline shows, plus one.
constexpr int kTitleFrames = 10;
constexpr int kIrisFrames = 5;
constexpr int kGlimmerFrames = 12;
constexpr int kShineFrames = 8;
constexpr int kSleighFrames = 40;
constexpr int kDeerFrames = 41;

// The magic ring opens around the spot where Glimmer lands; his hooves rest on the knoll.
constexpr double kRingX = 410, kRingY = 306, kRingRadius = 70;
constexpr double kGroundX = 400, kGroundY = 393;
constexpr double kMoonX = 548, kMoonY = 128, kMoonRadius = 40;

// The body centre of the deer drawn at (kDeerX, kDeerY), t frames after that deer sets off.
// The team climbs from the left, sweeps across the moon and leaves at the top right,
// speeding up; the bob is one stride of the gallop.
Point FlightPoint(double t)
{
    const double x = -5 + 15 * t + 0.12 * t * t;
    const double y = 212 - 0.09 * t * t - 5 * std::sin(t * M_PI / 2);
    return {x, y};
}

// The scene draws the deer sprite five times: each copy's place, and the frame of the
// scene at which it shows the sprite's frame 0.
struct TeamMember {
    int x, y, start;
};
constexpr TeamMember kTeam[] = {{-34, 49, 21}, {-21, 47, 23}, {-34, 49, 22}, {-46, 49, 25}, {-21, 42, 25}};
constexpr int kSleighStart = 26;
constexpr double kDeerScale = 0.5;
constexpr double kSleighScale = 0.55;

// Where a team member's body centre is at scene frame f.
Point MemberAt(const TeamMember& m, double f)
{
    const Point p = FlightPoint(f - m.start);
    return {p.x + m.x - kDeerX, p.y + m.y - kDeerY};
}

// The sleigh trails the last pair by the length of its reins.
Point SleighAt(double f)
{
    const Point p = FlightPoint(f - 25 - 3.0);
    return {p.x - 14, p.y + 14};
}

void WritePaletteFile(const OutputTree& out)
{
    // 16 x 16 swatches of 8 pixels: only the colour table matters to the game.
    IndexedImage swatches{128, 128, std::vector<uint8_t>(128 * 128)};
    for (int y = 0; y < 128; ++y)
        for (int x = 0; x < 128; ++x) swatches.pixels[y * 128 + x] = uint8_t((y / 8) * 16 + x / 8);
    WriteOrThrow(out.MediaPath("cutscenes\\cut1\\intro_01_pall.bmp"), EncodeBmp8(swatches, IntroPalette()));
}

// Black in every cutscene's palette: index 0 is black throughout the game's palettes.
void WriteLetterboxBar(const OutputTree& out)
{
    const IndexedImage bar{kScreenWidth, kBarHeight, std::vector<uint8_t>(kScreenWidth * kBarHeight, pal::kBlack)};
    WriteOrThrow(out.MediaPath("cutscenes\\black.bmp"), EncodeBmp8(bar, IntroPalette()));
}

void DrawSky(cairo_t* cr)
{
    cairo_pattern_t* sky = cairo_pattern_create_linear(0, kPictureTop, 0, 372);
    AddStop(sky, 0.0, Midnight(0.05));
    AddStop(sky, 0.35, Midnight(0.3));
    AddStop(sky, 0.7, Midnight(0.55));
    AddStop(sky, 0.88, Midnight(0.78));
    AddStop(sky, 1.0, Midnight(1.0));
    cairo_set_source(cr, sky);
    cairo_rectangle(cr, 0, kPictureTop, kScreenWidth, kPictureHeight);
    cairo_fill(cr);
    cairo_pattern_destroy(sky);

    // Northern lights behind the moon: two soft ribbons that thin out towards both ends.
    for (int band = 0; band < 2; ++band) {
        const double base = 150 + band * 28, amp = 16 - band * 5;
        auto edge = [&](double x, double shift) {
            const double t = (x - 360) / 285;
            return base - amp * std::sin(t * 5.5 + band + shift) - 40 * t;
        };
        cairo_new_path(cr);
        cairo_move_to(cr, 360, edge(360, 0));
        for (double x = 365; x <= 645; x += 5) cairo_line_to(cr, x, edge(x, 0));
        for (double x = 645; x >= 360; x -= 5) {
            const double t = (x - 360) / 285, thick = 34 * std::sin(std::min(1.0, t * 1.6) * M_PI / 2);
            cairo_line_to(cr, x, edge(x, 0.4) + thick);
        }
        cairo_close_path(cr);
        cairo_pattern_t* glow = cairo_pattern_create_linear(360, 0, 645, 0);
        const Rgb bright = Aurora(0.85), deep = Aurora(0.3);
        cairo_pattern_add_color_stop_rgba(glow, 0.0, deep.r / 255.0, deep.g / 255.0, deep.b / 255.0, 0.0);
        cairo_pattern_add_color_stop_rgba(glow, 0.45, bright.r / 255.0, bright.g / 255.0, bright.b / 255.0, 0.45);
        cairo_pattern_add_color_stop_rgba(glow, 1.0, deep.r / 255.0, deep.g / 255.0, deep.b / 255.0, 0.35);
        cairo_set_source(cr, glow);
        cairo_fill(cr);
        cairo_pattern_destroy(glow);
    }

    ArtRandom random(31);
    for (int i = 0; i < 120; ++i) {
        const double x = random.Range(0, kScreenWidth), y = random.Range(kPictureTop, 300);
        const double size = random.Unit();
        // The title's corner stays clear of big stars so the letters read cleanly.
        const bool titleCorner = x < 400 && y < 160;
        if (size > 0.92 && !titleCorner) {
            DrawTwinkle(cr, x, y, random.Range(4, 7), random.Unit());
        } else {
            CirclePath(cr, x, y, 0.6 + size * 1.0);
            FillOnly(cr, size > 0.55 ? pal::kGold[14] : pal::kSnow[12]);
        }
    }
    // A cool halo: a warm one would mix with the navy into dull greys.
    Halo(cr, kMoonX, kMoonY, kMoonRadius, kMoonRadius * 2.3, Midnight(0.8), 0.7);
    DrawMoon(cr, kMoonX, kMoonY, kMoonRadius, false, false);
}

void DrawVillage(cairo_t* cr)
{
    struct Spot {
        double x, y, scale;
        int wall, shade, roof;
    };
    const Spot houses[] = {
        {40, 352, 0.36, pal::kBrick[4], pal::kBrick[2], pal::kStone[2]},
        {112, 344, 0.3, pal::kBlue[5], pal::kBlue[3], pal::kRed[4]},
        {178, 356, 0.4, pal::kGold[8], pal::kGold[5], pal::kGreen[3]},
        {250, 348, 0.32, pal::kGreen[9], pal::kGreen[6], pal::kBrick[2]},
    };
    DrawPineTree(cr, {10, 352, 0.5, false}, {90, true, false, 0});
    DrawPineTree(cr, {142, 350, 0.45, false}, {90, true, false, 0});
    DrawPineTree(cr, {290, 352, 0.55, false}, {90, true, false, 0});
    for (const Spot& s : houses) {
        HouseLook look;
        look.wall = s.wall;
        look.wallShade = s.shade;
        look.roof = s.roof;
        look.smoke = int(s.x) % 3 == 0;
        DrawHouse(cr, {s.x, s.y, s.scale, false}, look);
    }
}

void DrawGround(cairo_t* cr)
{
    DrawSnowyHills(cr, kScreenWidth, 318, 400, 14, pal::kSnow[4], pal::kSnow[1], 41);
    DrawVillage(cr);
    DrawSnowyHills(cr, kScreenWidth, 362, 400, 8, pal::kSnow[8], pal::kSnow[5], 43);

    // The knoll Glimmer lands on, lit by the moon from the upper right.
    SmoothPath(cr, {{250, 402}, {300, 388}, {kGroundX, kGroundY - 6}, {500, 386}, {560, 402}});
    FillOnly(cr, pal::kSnow[13]);
    SmoothPath(cr, {{270, 402}, {330, 394}, {kGroundX - 10, kGroundY}, {420, 402}});
    FillOnly(cr, pal::kSnow[11]);

    // Pines framing the right side, the nearest one decorated.
    DrawPineTree(cr, {600, 404, 1.0, false}, {150, true, true, 0.2});
    DrawPineTree(cr, {548, 398, 0.7, false}, {110, true, false, 0});
    DrawPineTree(cr, {24, 406, 0.9, false}, {120, true, false, 0});
    DrawGift(cr, {560, 402, 0.7, false}, {GiftWrap::RedGold, GiftPattern::Plain, 40, 28, 0});
    DrawGift(cr, {626, 404, 0.6, false}, {GiftWrap::BlueSilver, GiftPattern::Dots, 40, 30, 0});
}

void WriteBackground(const OutputTree& out)
{
    Canvas canvas(kScreenWidth, kPictureHeight);
    cairo_t* cr = canvas.Cr();
    // Drawn in screen coordinates, so every place below matches the scene's own.
    cairo_translate(cr, 0, -kPictureTop);
    DrawSky(cr);
    DrawGround(cr);
    QuantizeOptions soft;
    soft.dither = true;
    soft.ditherSpread = 8;
    WriteOrThrow(out.MediaPath("cutscenes\\cut1\\intro_bg.bmp"), EncodeCanvasBmp(canvas, IntroPalette(), soft));
}

// ---- sprites ----------------------------------------------------------------------------

// Moving sprites are drawn on a canvas in screen coordinates that reaches 100 pixels past
// both side edges, so figures entering or leaving are drawn whole before they are cropped.
constexpr int kCanvasLeft = -100;
constexpr int kCanvasWidth = kScreenWidth + 200;

void AddScreenFrame(StorySprite& sprite, Canvas& canvas) { sprite.AddFrame(canvas, kCanvasLeft, 0); }

cairo_t* BeginScreenFrame(Canvas& canvas)
{
    canvas.Clear();
    cairo_t* cr = canvas.Cr();
    cairo_identity_matrix(cr);
    cairo_translate(cr, -kCanvasLeft, 0);
    return cr;
}

TextStyle TitleStyle()
{
    TextStyle title;
    title.sizePx = 84;
    title.fill = GameColour(pal::kGold[13]);
    title.fillBottom = GameColour(pal::kOrange[2]);
    title.outline = GameColour(pal::kRed[1]);
    title.outlineWidth = 4;
    title.shadow = GameColour(pal::kNightSky[0]);
    title.shadowDx = 3;
    title.shadowDy = 5;
    title.letterSpacingPx = 3;
    return title;
}

// The title wipes in from the left behind a glittering edge; the last frame is the whole title.
void WriteTitleWipe(const OutputTree& out)
{
    StorySprite sprite(kTitleX, kTitleY, IntroPalette());
    const double left = kTitleX + 2, top = kTitleY;
    Canvas probe(8, 8);
    const TextBox box = MeasureText(probe.Cr(), TitleStyle(), "skyrun");
    const double width = box.width + 12;
    for (int i = 0; i < kTitleFrames; ++i) {
        const int w = int(width) + 40, h = int(box.height) + 40;
        Canvas canvas(w, h);
        cairo_t* cr = canvas.Cr();
        cairo_translate(cr, -kTitleX, -kTitleY);
        const bool whole = i == kTitleFrames - 1;
        const double edge = left + width * (i + 1) / (kTitleFrames - 1);
        cairo_save(cr);
        if (!whole) {
            cairo_rectangle(cr, 0, 0, edge, 400);
            cairo_clip(cr);
        }
        DrawSnowCappedText(cr, TitleStyle(), "skyrun", left, top, SnowCap{5, 0.4, 5});
        cairo_restore(cr);
        if (!whole) {
            // Glitter along the wiping edge.
            ArtRandom random(100 + i);
            for (int k = 0; k < 6; ++k) {
                const double y = top + 6 + k * (box.height - 4) / 6 + random.Range(-4, 4);
                DrawTwinkle(cr, edge + random.Range(-3, 3), y, random.Range(4, 8), random.Unit(),
                            k % 2 ? pal::kWhite : pal::kGold[14]);
            }
        }
        sprite.AddFrame(canvas, kTitleX, kTitleY);
    }
    WriteOrThrow(out.MediaPath("cutscenes\\cut1\\title_wipe.spx"), sprite.Encode());
}

// The ring of light opens from a point; its last frame is held while the scene waits.
void WriteIris(const OutputTree& out)
{
    StorySprite sprite(kIrisX, kIrisY, IntroPalette());
    const double open[kIrisFrames] = {0.12, 0.4, 0.7, 0.92, 1.0};
    for (int i = 0; i < kIrisFrames; ++i) {
        Canvas canvas(kCanvasWidth, 480);
        cairo_t* cr = BeginScreenFrame(canvas);
        DrawMagicRing(cr, kRingX, kRingY, kRingRadius, open[i], i * 0.07);
        AddScreenFrame(sprite, canvas);
    }
    WriteOrThrow(out.MediaPath("cutscenes\\cut1\\iris.spx"), sprite.Encode());
}

GlimmerLook FrontLook(GlimmerPose pose, double phase)
{
    GlimmerLook look;
    look.view = GlimmerView::ThreeQuarter;
    look.pose = pose;
    look.phase = phase;
    return look;
}

// Glimmer flies out of the closing ring (0-2), lands facing the player (3-4), waves (5-7
// loop with 4), crouches, leaps for joy and lands (8-10) and stands proudly (11). The scene
// also plays 5, 6, 7 straight from 11, so 11 and 4 are the same still pose.
void WriteGlimmerEnter(const OutputTree& out)
{
    StorySprite sprite(kGlimmerX, kGlimmerY, IntroPalette());
    for (int i = 0; i < kGlimmerFrames; ++i) {
        Canvas canvas(kCanvasWidth, 480);
        cairo_t* cr = BeginScreenFrame(canvas);
        switch (i) {
        case 0:
        case 1:
        case 2: {
            const double open[] = {0.85, 0.55, 0.25};
            DrawMagicRing(cr, kRingX, kRingY, kRingRadius, open[i], 0.35 + i * 0.07);
            const double scale[] = {0.42, 0.66, 0.88};
            const double rise[] = {0, 26, 40};
            GlimmerLook fly;
            fly.view = GlimmerView::Side;
            fly.pose = GlimmerPose::Fly;
            fly.phase = i * 0.3;
            DrawGlimmer(cr, {kRingX - 8 + i * 6, kRingY + 28 * scale[i] - rise[i], scale[i], false}, fly);
            for (int k = 0; k < 5; ++k) {
                const double a = k * 1.25 + i * 0.6;
                const double d = 40 + i * 22;
                DrawSparkle(cr, kRingX + std::cos(a) * d, kRingY + std::sin(a) * d * 0.8, 9, 0.35 + i * 0.15,
                            k % 2 ? SparkleKind::IceStar : SparkleKind::GoldTwinkle);
            }
            break;
        }
        case 3:
            DrawGlimmer(cr, {kGroundX, kGroundY - 14, 1.0, false}, FrontLook(GlimmerPose::Cheer, 0.4));
            for (int k = 0; k < 4; ++k) DrawTwinkle(cr, kGroundX - 45 + k * 30, kGroundY - 6 - (k % 2) * 8, 6, 1);
            break;
        case 5:
        case 6:
        case 7:
            DrawGlimmer(cr, {kGroundX, kGroundY, 1.0, false}, FrontLook(GlimmerPose::Wave, (i - 5) / 3.0 + 0.25));
            break;
        case 8:
            DrawGlimmer(cr, {kGroundX, kGroundY + 2, 1.0, false}, FrontLook(GlimmerPose::Cheer, 0.9));
            break;
        case 9:
            DrawGlimmer(cr, {kGroundX, kGroundY - 30, 1.0, false}, FrontLook(GlimmerPose::Cheer, 0.4));
            for (int k = 0; k < 3; ++k) DrawTwinkle(cr, kGroundX - 40 + k * 40, kGroundY - 4 + (k % 2) * 4, 6, 0.8);
            break;
        case 10:
            DrawGlimmer(cr, {kGroundX, kGroundY - 6, 1.0, false}, FrontLook(GlimmerPose::Cheer, 0.15));
            break;
        default: // 4 and 11
            DrawGlimmer(cr, {kGroundX, kGroundY, 1.0, false}, FrontLook(GlimmerPose::Stand, 0));
            break;
        }
        AddScreenFrame(sprite, canvas);
    }
    WriteOrThrow(out.MediaPath("cutscenes\\cut1\\glim_enter.spx"), sprite.Encode());
}

void WriteShine(const OutputTree& out, const char* name, int x, int y, SparkleKind kind)
{
    constexpr int kSize = 44;
    StorySprite sprite(x, y, IntroPalette());
    for (int i = 0; i < kShineFrames; ++i) {
        Canvas canvas(kSize, kSize);
        DrawSparkle(canvas.Cr(), kSize / 2.0, kSize / 2.0, 17, (i + 1.0) / (kShineFrames + 1), kind);
        sprite.AddFrame(canvas, x, y);
    }
    WriteOrThrow(out.MediaPath(name), sprite.Encode());
}

// Reins run from the sleigh's front to the chests of the last pair of the team.
void DrawReins(cairo_t* cr, Point from, Point to)
{
    const Point mid{(from.x + to.x) / 2, std::max(from.y, to.y) + 6};
    for (int pass = 0; pass < 2; ++pass) {
        cairo_new_path(cr);
        cairo_move_to(cr, from.x, from.y);
        cairo_curve_to(cr, mid.x, mid.y, mid.x, mid.y, to.x, to.y);
        StrokeOnly(cr, pass == 0 ? pal::kBlack : pal::kGold[10], pass == 0 ? 3.2 : 1.4);
    }
}

void WriteSleigh(const OutputTree& out)
{
    StorySprite sprite(kSleighX, kSleighY, IntroPalette());
    for (int i = 0; i < kSleighFrames; ++i) {
        const double f = kSleighStart + i;
        Canvas canvas(kCanvasWidth, 480);
        cairo_t* cr = BeginScreenFrame(canvas);
        const Point at = SleighAt(f);
        // A trail of glitter behind the sleigh, shorter with distance; it leaves the screen
        // with the sleigh in the last frame the scene draws.
        ArtRandom random(200 + i);
        for (int k = 1; k <= std::min(5, kSleighFrames - 1 - i); ++k) {
            const Point back = SleighAt(f - k * 0.9);
            DrawTwinkle(cr, back.x - 30 + random.Range(-6, 6), back.y + 14 + random.Range(-6, 6), 6 - k * 0.7,
                        random.Unit(), k % 2 ? pal::kGold[14] : pal::kWhite);
        }
        const double climb = std::atan2(SleighAt(f + 1).y - at.y, SleighAt(f + 1).x - at.x);
        cairo_save(cr);
        cairo_translate(cr, at.x, at.y);
        cairo_rotate(cr, climb * 0.6);
        const Point front{kSleighScale * 50, -kSleighScale * 40};
        for (int m : {3, 4}) {
            const Point deer = MemberAt(kTeam[m], f);
            // Into the sleigh's turned space.
            const double dx = deer.x + 9 - at.x, dy = deer.y - 1 - at.y, c = std::cos(-climb * 0.6),
                         s = std::sin(-climb * 0.6);
            DrawReins(cr, front, {dx * c - dy * s, dx * s + dy * c});
        }
        DrawSleigh(cr, {0, kSleighScale * 30, kSleighScale, false}, {true, i / 4.0});
        cairo_restore(cr);
        AddScreenFrame(sprite, canvas);
    }
    WriteOrThrow(out.MediaPath("cutscenes\\cut1\\sleigh.spx"), sprite.Encode());
}

void WriteDeer(const OutputTree& out)
{
    StorySprite sprite(kDeerX, kDeerY, IntroPalette());
    for (int t = 0; t < kDeerFrames; ++t) {
        Canvas canvas(kCanvasWidth, 480);
        cairo_t* cr = BeginScreenFrame(canvas);
        const Point at = FlightPoint(t);
        const Point next = FlightPoint(t + 1);
        cairo_save(cr);
        cairo_translate(cr, at.x, at.y);
        cairo_rotate(cr, 0.5 * std::atan2(next.y - at.y, next.x - at.x));
        DrawTeamReindeer(cr, {0, 0, kDeerScale, false}, {t / 4.0, pal::kRed[7]});
        cairo_restore(cr);
        AddScreenFrame(sprite, canvas);
    }
    WriteOrThrow(out.MediaPath("cutscenes\\cut1\\deer.spx"), sprite.Encode());
}

void WriteIntroArt(const OutputTree& out)
{
    WritePaletteFile(out);
    WriteLetterboxBar(out);
    WriteBackground(out);
    WriteTitleWipe(out);
    WriteIris(out);
    WriteGlimmerEnter(out);
    WriteShine(out, "cutscenes\\cut1\\shine_01.spx", kShine1X, kShine1Y, SparkleKind::GoldTwinkle);
    WriteShine(out, "cutscenes\\cut1\\shine_02.spx", kShine2X, kShine2Y, SparkleKind::IceStar);
    WriteSleigh(out);
    WriteDeer(out);
}

const RegisterGenerator kRegistration("story-intro", &WriteIntroArt);

} // namespace
