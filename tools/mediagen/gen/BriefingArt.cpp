// Group "story-briefing": the pictures and sprites of the three mission briefings and the totals.
#include "MediaGenerator.h"
#include "art/ArtPen.h"
#include "art/ArtRandom.h"
#include "art/FrontDecor.h"
#include "art/GiftArt.h"
#include "art/LandscapeArt.h"
#include "art/PenguinArt.h"
#include "art/SkyArt.h"
#include "art/SleighArt.h"
#include "art/SnowmobileArt.h"
#include "art/StoryFestive.h"
#include "art/StoryPresent.h"
#include "art/StorySprite.h"
#include "art/VillageArt.h"
#include "paint/Canvas.h"
#include "paint/GamePalette.h"
#include "paint/Ink.h"
#include "paint/PictureFile.h"

#include <cmath>
#include <string>
#include <vector>

namespace {

using namespace mediagen;

// The four screens load the game palette, so everything here is drawn in it.
constexpr int kScreenWidth = 640;
constexpr int kScreenHeight = 480;

// Every screen writes "= lives" beside the coin at (238, 274) and "= gifts" beside the gift
// at (226, 351), centred on x 336: one board holds both rows.
constexpr double kRowsX = 150, kRowsY = 258, kRowsW = 340, kRowsH = 170;

// Where the screens draw the sprites.
constexpr int kSnowmobileX = 271, kSnowmobileY = 164;
constexpr int kGiftIconX = 226, kGiftIconY = 351;
constexpr int kConfettiX = 214, kConfettiY = 259;
constexpr int kOpeningX = 288, kOpeningY = 304;
constexpr int kFlagLeftX = 205, kFlagRightX = 400, kFlagY = 33;

// The screens cycle these at 12 or 15 frames a second.
constexpr int kSnowmobileFrames = 12;
constexpr int kGiftIconFrames = 12;
constexpr int kFlagFrames = 12;
// The opening gift and its confetti share one count, so at one rate they stay in step.
constexpr int kPartyFrames = 30;
constexpr int kBurstFrame = 10;

// The present that opens on the navigation briefing: its bottom centre.
constexpr double kOpeningCx = 320, kOpeningBottom = 372;

QuantizeOptions SoftPicture()
{
    QuantizeOptions options;
    options.dither = true;
    options.ditherSpread = 10.0;
    return options;
}

void WritePicture(const OutputTree& out, const char* name, const Canvas& canvas)
{
    WriteOrThrow(out.MediaPath(name), EncodeCanvasBmp(canvas, GamePalette(), SoftPicture()));
}

// A gold-rimmed plaque behind one line of text.
void DrawPlaque(cairo_t* cr, double x, double y, double w, double h)
{
    const double r = h / 2;
    cairo_new_path(cr);
    cairo_arc(cr, x + r, y + r, r, M_PI / 2, 3 * M_PI / 2);
    cairo_arc(cr, x + w - r, y + r, r, -M_PI / 2, M_PI / 2);
    cairo_close_path(cr);
    FillBlendDown(cr, y, y + h, {{0, pal::kNightSky[6]}, {1, pal::kNightSky[2]}});
    StrokeRim(cr, pal::kGold[3], 5, pal::kGold[10], 2.5);
}

void DrawRowsBoard(cairo_t* cr)
{
    DrawFrostPanel(cr, kRowsX, kRowsY, kRowsW, kRowsH, true);
    DrawHolly(cr, kRowsX + 8, kRowsY + 10, 20, 0.3);
    DrawHolly(cr, kRowsX + kRowsW - 8, kRowsY + 10, 20, -0.3);
}

void DrawSnowyGround(cairo_t* cr, uint32_t seed)
{
    DrawSnowyHills(cr, kScreenWidth, 392, kScreenHeight, 12, pal::kSnow[9], pal::kSnow[5], seed);
    const double hills[] = {446, 436, 450, 458, 452, 460, 448, 440};
    DrawSnowHills(cr, kScreenWidth, kScreenHeight, hills, 8, 8);
}

// ---- act 1 briefing: "Catch N" over the workshop yard -----------------------------------

void WriteActOneBackground(const OutputTree& out)
{
    Canvas canvas(kScreenWidth, kScreenHeight);
    cairo_t* cr = canvas.Cr();
    DrawNightSky(cr, kScreenWidth, kScreenHeight, 400, 60, 61);
    DrawMoon(cr, 570, 62, 26);
    DrawSnowyGround(cr, 62);

    // The workshop on the left, with gifts piled at its door.
    HouseLook workshop;
    workshop.width = 130;
    workshop.height = 80;
    workshop.wall = pal::kRed[6];
    workshop.wallShade = pal::kRed[3];
    workshop.roof = pal::kGreen[3];
    workshop.smoke = true;
    DrawPineTree(cr, {18, 420, 1.0, false}, {120, true, false, 0});
    DrawHouse(cr, {82, 440, 0.95, false}, workshop);
    DrawGift(cr, {40, 470, 0.9, false}, {GiftWrap::GreenRed, GiftPattern::Stripes});
    DrawGift(cr, {88, 472, 1.0, false}, {GiftWrap::BlueSilver, GiftPattern::Dots});
    DrawGift(cr, {130, 466, 0.7, false}, {GiftWrap::YellowRed, GiftPattern::Plain});
    // Penguins on the right, one with a snowball ready.
    DrawPineTree(cr, {612, 424, 1.0, false}, {130, true, false, 0});
    DrawPenguin(cr, {548, 452, 1.2, true}, {PenguinPose::Throw, 0.1});
    DrawPenguin(cr, {596, 466, 1.0, true}, {PenguinPose::Stand, 0});
    DrawSnowball(cr, 520, 468, 7);
    DrawSnowball(cr, 532, 472, 6);

    DrawRibbonBanner(cr, 160, 96, 320, 60);
    // A round of snow under the snowmobile so it does not float.
    DrawSnowDrift(cr, 320, 262, 70, 12);
    DrawRowsBoard(cr);
    WritePicture(out, "menus\\act01_bg.bmp", canvas);
}

// ---- navigation briefing: "Cities To Visit", a number and a gift that opens ------------

void DrawGlobe(cairo_t* cr, double cx, double cy, double r)
{
    // The stand first: an arc of gold and a foot.
    cairo_new_path(cr);
    cairo_arc(cr, cx, cy, r + 8, M_PI * 0.55, M_PI * 1.45);
    StrokeOnly(cr, pal::kGold[3], 7);
    cairo_new_path(cr);
    cairo_arc(cr, cx, cy, r + 8, M_PI * 0.55, M_PI * 1.45);
    StrokeOnly(cr, pal::kGold[10], 4);
    PolygonPath(cr, {{cx - 6, cy + r + 4}, {cx + 6, cy + r + 4}, {cx + 10, cy + r + 24}, {cx - 10, cy + r + 24}});
    FillOutlined(cr, pal::kGold[8], pal::kGold[2]);
    EllipsePath(cr, cx, cy + r + 27, 30, 7);
    FillOutlined(cr, pal::kBrick[3], pal::kBlack);

    cairo_save(cr);
    CirclePath(cr, cx, cy, r);
    cairo_pattern_t* sea = cairo_pattern_create_radial(cx - r * 0.35, cy - r * 0.35, r * 0.1, cx, cy, r);
    AddStop(sea, 0, pal::kCyan[6]);
    AddStop(sea, 1, pal::kBlue[1]);
    cairo_set_source(cr, sea);
    cairo_fill_preserve(cr);
    cairo_pattern_destroy(sea);
    cairo_clip(cr);
    // Continents: friendly blobs, green with snowy tops.
    SmoothPath(cr, {{cx - r * 0.7, cy - r * 0.5}, {cx - r * 0.2, cy - r * 0.7}, {cx, cy - r * 0.3},
                    {cx - r * 0.25, cy + r * 0.1}, {cx - r * 0.15, cy + r * 0.6}, {cx - r * 0.45, cy + r * 0.35},
                    {cx - r * 0.8, cy - r * 0.1}});
    FillOutlined(cr, pal::kGreen[8], pal::kGreen[1], 1.5);
    SmoothPath(cr, {{cx + r * 0.25, cy - r * 0.45}, {cx + r * 0.8, cy - r * 0.55}, {cx + r * 0.95, cy - r * 0.1},
                    {cx + r * 0.6, cy + r * 0.2}, {cx + r * 0.45, cy + r * 0.7}, {cx + r * 0.2, cy + r * 0.2}});
    FillOutlined(cr, pal::kLime[5], pal::kGreen[1], 1.5);
    cairo_rectangle(cr, cx - r, cy - r, 2 * r, r * 0.28);
    FillOnly(cr, pal::kSnow[15]);
    // Meridians and the equator.
    cairo_new_path(cr);
    for (double k : {-0.6, 0.0, 0.6}) {
        EllipsePath(cr, cx, cy, r * std::fabs(k) + 1, r);
    }
    cairo_move_to(cr, cx - r, cy);
    cairo_line_to(cr, cx + r, cy);
    SetInk(cr, pal::kWhite, 0.35);
    cairo_set_line_width(cr, 1.2);
    cairo_stroke(cr);
    cairo_restore(cr);
    cairo_new_path(cr);
    cairo_arc(cr, cx, cy, r, 0, 2 * M_PI);
    StrokeOnly(cr, pal::kBlack, 2.5);
    CirclePath(cr, cx - r * 0.4, cy - r * 0.45, r * 0.12);
    FillOnly(cr, pal::kWhite, 0.8);
    // Red pins on the cities.
    for (const Point& pin : {Point{cx - r * 0.45, cy - r * 0.25}, Point{cx + r * 0.55, cy - r * 0.2},
                             Point{cx - r * 0.3, cy + r * 0.35}}) {
        cairo_new_path(cr);
        cairo_move_to(cr, pin.x, pin.y);
        cairo_line_to(cr, pin.x + 2, pin.y - 12);
        StrokeOnly(cr, pal::kGrey[3], 2);
        CirclePath(cr, pin.x + 2, pin.y - 14, 4);
        FillOutlined(cr, pal::kRed[9], pal::kBlack, 1.2);
    }
}

void WriteNavigationBackground(const OutputTree& out)
{
    Canvas canvas(kScreenWidth, kScreenHeight);
    cairo_t* cr = canvas.Cr();
    DrawNightSky(cr, kScreenWidth, kScreenHeight, 400, 70, 71);
    DrawMoon(cr, 584, 172, 30, true, true);
    DrawSnowyGround(cr, 72);
    DrawGlobe(cr, 72, 330, 52);
    DrawSleighTeam(cr, {520, 300, 0.36, false}, {true, 0.6});
    DrawPineTree(cr, {600, 440, 1.0, false}, {140, true, true, 0.5});
    DrawPineTree(cr, {540, 452, 1.0, false}, {90, true, false, 0});

    DrawRibbonBanner(cr, 130, 56, 380, 60);
    // The number of cities stands on a plaque; below it the gift opens on a drift of snow.
    DrawFrostPanel(cr, 160, 150, 320, 262, true);
    DrawPlaque(cr, 250, 192, 140, 56);
    DrawSnowDrift(cr, kOpeningCx, kOpeningBottom + 6, 62, 14);
    DrawHolly(cr, 168, 160, 20, 0.3);
    DrawHolly(cr, 472, 160, 20, -0.3);
    WritePicture(out, "menus\\navig_bg.bmp", canvas);
}

// ---- sleigh-ride briefing: the chosen city by night ---------------------------------------

void WriteActTwoBackground(const OutputTree& out)
{
    Canvas canvas(kScreenWidth, kScreenHeight);
    cairo_t* cr = canvas.Cr();
    DrawNightSky(cr, kScreenWidth, kScreenHeight, 380, 90, 81);
    DrawMoon(cr, 74, 230, 34);
    DrawSleighTeam(cr, {548, 66, 0.4, true}, {true, 0.2});

    // A town of lit houses along the bottom, chimneys waiting for their gifts.
    DrawSnowyHills(cr, kScreenWidth, 400, kScreenHeight, 8, pal::kSnow[6], pal::kSnow[3], 82);
    struct Spot {
        double x, y, scale;
        int wall, shade, roof;
    };
    const Spot houses[] = {
        {40, 452, 0.62, pal::kBrick[4], pal::kBrick[2], pal::kStone[2]},
        {118, 446, 0.5, pal::kBlue[5], pal::kBlue[3], pal::kRed[4]},
        {524, 450, 0.55, pal::kGold[8], pal::kGold[5], pal::kGreen[3]},
        {602, 446, 0.6, pal::kGreen[9], pal::kGreen[6], pal::kBrick[2]},
    };
    for (const Spot& s : houses) {
        HouseLook look;
        look.wall = s.wall;
        look.wallShade = s.shade;
        look.roof = s.roof;
        look.smoke = int(s.x) % 2 == 0;
        DrawHouse(cr, {s.x, s.y, s.scale, false}, look);
    }
    const double hills[] = {466, 458, 470, 474, 470, 476, 462, 458};
    DrawSnowHills(cr, kScreenWidth, kScreenHeight, hills, 8, 8);

    DrawRibbonBanner(cr, 130, 96, 380, 60);
    DrawPlaque(cr, 170, 164, 300, 40);
    DrawRowsBoard(cr);
    WritePicture(out, "menus\\act02_bg.bmp", canvas);
}

// ---- totals: score, round, lives and gifts under two waving banners ----------------------

void WriteTotalsBackground(const OutputTree& out)
{
    Canvas canvas(kScreenWidth, kScreenHeight);
    cairo_t* cr = canvas.Cr();
    DrawNightSky(cr, kScreenWidth, kScreenHeight, 420, 80, 91);
    DrawLightString(cr, -10, 4, 330, 6, 22, 9);
    DrawLightString(cr, 310, 6, 650, 4, 22, 9);
    // Fireworks of stars on both sides.
    ArtRandom random(92);
    for (const Point& burst : {Point{92, 120}, Point{548, 136}, Point{110, 250}, Point{540, 260}}) {
        for (int k = 0; k < 10; ++k) {
            const double a = k * M_PI / 5 + random.Range(-0.1, 0.1);
            const double d = random.Range(26, 40);
            DrawTwinkle(cr, burst.x + std::cos(a) * d, burst.y + std::sin(a) * d, random.Range(4, 7), 1,
                        k % 2 ? pal::kGold[13] : pal::kPink[6]);
        }
        DrawStar(cr, burst.x, burst.y, 10, random.Range(0, 1));
    }
    DrawSnowyGround(cr, 93);
    DrawPineTree(cr, {30, 440, 1.0, false}, {140, true, true, 0.1});
    DrawPineTree(cr, {610, 440, 1.0, false}, {140, true, true, 0.6});
    DrawGift(cr, {80, 468, 1.0, false}, {GiftWrap::RedGold, GiftPattern::Plain});
    DrawGift(cr, {116, 474, 0.8, false}, {GiftWrap::PurpleGold, GiftPattern::Dots});
    DrawGift(cr, {560, 470, 1.0, false}, {GiftWrap::GreenRed, GiftPattern::Stripes});
    DrawGift(cr, {524, 474, 0.8, false}, {GiftWrap::PinkWhite, GiftPattern::Plain});

    // The score between the banners, the round below it.
    DrawPlaque(cr, 236, 94, 168, 64);
    DrawPlaque(cr, 210, 188, 220, 42);
    DrawRowsBoard(cr);
    WritePicture(out, "menus\\score_bg.bmp", canvas);
}

// ---- sprites -------------------------------------------------------------------------------

// Glimmer rides the snowmobile on the spot: the tread runs, the body bounces, exhaust puffs.
void WriteSnowmobile(const OutputTree& out)
{
    StorySprite sprite(kSnowmobileX, kSnowmobileY, GamePalette());
    constexpr int kSize = 110;
    for (int i = 0; i < kSnowmobileFrames; ++i) {
        const double phase = double(i) / kSnowmobileFrames;
        Canvas canvas(kSize + 30, kSize);
        cairo_t* cr = canvas.Cr();
        // Canvas x 30 lies on the screen's x 271.
        const double cx = 30 + 52, ground = 96;
        for (int k = 0; k < 3; ++k) {
            const double age = std::fmod(phase * 3 + k / 3.0, 1.0);
            CirclePath(cr, cx - 50 - age * 22, ground - 18 - age * 10, 3 + age * 6);
            FillOutlined(cr, age < 0.5 ? pal::kSnow[15] : pal::kSnow[12], pal::kSnow[5], 1.2);
        }
        DrawSnowmobile(cr, {cx, ground, 0.7, false}, {phase * 3, true, 2.5 * std::fabs(std::sin(phase * 4 * M_PI))});
        sprite.AddFrame(canvas, kSnowmobileX - 30, kSnowmobileY);
    }
    WriteOrThrow(out.MediaPath("menus\\sn_all.spx"), sprite.Encode());
}

// The gift beside the gift count hops and lands with a squash.
void WriteGiftIcon(const OutputTree& out)
{
    StorySprite sprite(kGiftIconX, kGiftIconY, GamePalette());
    for (int i = 0; i < kGiftIconFrames; ++i) {
        const double t = double(i) / kGiftIconFrames;
        const double hop = std::sin(t * M_PI);
        Canvas canvas(72, 62);
        cairo_t* cr = canvas.Cr();
        PresentLook look;
        look.width = 40;
        look.height = 26;
        look.squash = i == 0 ? 0.18 : i == 1 || i == kGiftIconFrames - 1 ? 0.08 : 0;
        look.lidTilt = 0.12 * std::sin(t * 2 * M_PI);
        look.shake = 0.06 * std::sin(t * 2 * M_PI);
        // A shadow that shrinks as the gift rises.
        EllipsePath(cr, 36, 58, 20 - 6 * hop, 3);
        FillOnly(cr, pal::kNightSky[1]);
        DrawPresent(cr, {36, 57 - 12 * hop, 1, false}, look);
        if (i >= 4 && i <= 8) DrawTwinkle(cr, 60, 12 + (i - 4) * 2, 5 + (i % 2) * 2, 1);
        sprite.AddFrame(canvas, kGiftIconX, kGiftIconY);
    }
    WriteOrThrow(out.MediaPath("menus\\score_gift.spx"), sprite.Encode());
}

// The gift rests, shakes, pops its lid in a burst of light, and closes again.
PresentLook OpeningLook(int i)
{
    PresentLook look;
    look.width = 56;
    look.height = 38;
    look.paper = pal::kGreen[7];
    look.paperShade = pal::kGreen[4];
    look.paperLight = pal::kGreen[10];
    look.ribbon = pal::kRed[8];
    look.ribbonShade = pal::kRed[5];
    const double lift[kPartyFrames] = {0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 14, 28, 34, 36, 37, 36, 35, 36, 37, 36,
                                       35, 28, 18, 8, 0, 0, 0, 0, 0, 0};
    look.lidLift = lift[i];
    if (i >= 4 && i <= 9) look.shake = (i % 2 ? 1 : -1) * 0.03 * (i - 3);
    if (i == 9) look.squash = 0.12;
    if (i == 24) look.squash = 0.1;
    if (look.lidLift > 0) {
        look.lidTilt = 0.18 * std::sin(i * 0.9);
        look.glow = i <= 20 ? 0.75 + 0.25 * std::sin(i * 1.3) : 0.5 * (24 - i) / 4.0;
    }
    return look;
}

void WriteGiftOpening(const OutputTree& out)
{
    StorySprite sprite(kOpeningX, kOpeningY, GamePalette());
    for (int i = 0; i < kPartyFrames; ++i) {
        Canvas canvas(100, 140);
        cairo_t* cr = canvas.Cr();
        // Canvas (0, 0) lies on the screen's (270, 240).
        cairo_translate(cr, -270, -240);
        DrawPresent(cr, {kOpeningCx, kOpeningBottom, 1, false}, OpeningLook(i));
        sprite.AddFrame(canvas, 270, 240);
    }
    WriteOrThrow(out.MediaPath("menus\\gift_open.spx"), sprite.Encode());
}

// Confetti bursts out of the opening gift and flutters down onto the snow, where it is lost
// before the next burst.
void WriteConfetti(const OutputTree& out)
{
    struct Piece {
        double vx, vy, size, spinRate, sway;
        int shape, colour;
    };
    const int colours[] = {pal::kRed[9], pal::kGold[12], pal::kGreen[9], pal::kBlue[6], pal::kPink[5],
                           pal::kCyan[5], pal::kPurple[5], pal::kOrange[4]};
    std::vector<Piece> pieces;
    ArtRandom random(1234);
    for (int k = 0; k < 30; ++k) {
        pieces.push_back({random.Range(-7.5, 7.5), random.Range(-15, -10), random.Range(5, 7.5), random.Range(0.1, 0.3),
                          random.Range(0, 6.28), k % 4, colours[k % 8]});
    }
    const double originY = kOpeningBottom - 44;
    StorySprite sprite(kConfettiX, kConfettiY, GamePalette());
    for (int i = 0; i < kPartyFrames; ++i) {
        const int age = (i - kBurstFrame + kPartyFrames) % kPartyFrames;
        Canvas canvas(260, 200);
        cairo_t* cr = canvas.Cr();
        // Canvas (0, 0) lies on the screen's (190, 220).
        cairo_translate(cr, -190, -220);
        for (const Piece& p : pieces) {
            // Step by step: gravity, air drag, and a slow flutter once falling.
            double x = kOpeningCx, y = originY, vx = p.vx, vy = p.vy;
            for (int s = 0; s < age; ++s) {
                x += vx;
                y += vy;
                vx *= 0.93;
                vy = std::min(vy + 1.4, 6.5);
            }
            const double flutter = age > 6 ? 5 * std::sin(age * 0.7 + p.sway) : 0;
            // A piece that reaches the snow is gone.
            if (age == 0 || y > 384) continue;
            DrawConfettiPiece(cr, x + flutter, y, p.size, p.shape, p.colour, age * p.spinRate, p.sway + age * 0.3);
        }
        sprite.AddFrame(canvas, 190, 220);
    }
    WriteOrThrow(out.MediaPath("menus\\confetti.spx"), sprite.Encode());
}

void WriteBanner(const OutputTree& out, const char* name, int x, int cloth, int shade, double phaseShift)
{
    constexpr int kWidth = 35, kHeight = 100, kRodY = 10;
    StorySprite sprite(x, kFlagY, GamePalette());
    for (int i = 0; i < kFlagFrames; ++i) {
        Canvas canvas(kWidth, kHeight);
        DrawHangingBanner(canvas.Cr(), 0, kRodY, kWidth, 84, cloth, shade, double(i) / kFlagFrames + phaseShift);
        sprite.AddFrame(canvas, x, kFlagY);
    }
    WriteOrThrow(out.MediaPath(name), sprite.Encode());
}

void WriteBriefingArt(const OutputTree& out)
{
    WriteActOneBackground(out);
    WriteNavigationBackground(out);
    WriteActTwoBackground(out);
    WriteTotalsBackground(out);
    WriteSnowmobile(out);
    WriteGiftIcon(out);
    WriteGiftOpening(out);
    WriteConfetti(out);
    WriteBanner(out, "menus\\band_flag.spx", kFlagLeftX, pal::kRed[8], pal::kRed[5], 0.0);
    WriteBanner(out, "menus\\band_flag02.spx", kFlagRightX, pal::kGreen[8], pal::kGreen[5], 0.5);
}

const RegisterGenerator kRegistration("story-briefing", &WriteBriefingArt);

} // namespace
