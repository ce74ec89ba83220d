// Group "story-pass2": a city delivered. The sleigh flies past the moon, Tobin throws a present
// over the side, and down in the town a chimney with a face gulps it down.
#include "MediaGenerator.h"
#include "art/ArtPen.h"
#include "art/ArtRandom.h"
#include "art/GiftArt.h"
#include "art/GlimmerArt.h"
#include "art/SkyArt.h"
#include "art/SleighArt.h"
#include "art/StoryElf.h"
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

constexpr PaletteRamp kNight{192, 32};   // midnight blue to a violet glow over the roofs
constexpr PaletteRamp kWindow{224, 16};  // lamplight: amber to pale yellow

const Palette& DeliveryPalette()
{
    static const Palette palette = ScenePalette({
        {kNight, {{4, 6, 24}, {14, 22, 62}, {30, 46, 110}, {70, 70, 150}, {130, 100, 170}}},
        {kWindow, {{140, 70, 10}, {240, 160, 40}, {255, 220, 120}, {255, 248, 210}}},
    });
    return palette;
}

// The sleigh, Glimmer driving and Tobin with the sack, seen close from the side.
constexpr double kSleighX = 370, kSleighY = 398, kSleighScale = 2.4;
constexpr double kGlimmerX = 462, kGlimmerY = 300, kGlimmerScale = 1.45;
constexpr double kElfX = 280, kElfY = 290, kElfScale = 1.55;
constexpr double kSackX = 352, kSackY = 308;
constexpr double kChimneyX = 268, kRoofY = 300;

void DrawTown(cairo_t* cr)
{
    cairo_pattern_t* sky = cairo_pattern_create_linear(0, 48, 0, 400);
    AddStop(sky, 0.0, kNight[1]);
    AddStop(sky, 0.55, kNight[12]);
    AddStop(sky, 1.0, kNight[28]);
    cairo_set_source(cr, sky);
    cairo_rectangle(cr, -2, 48, 644, 354);
    cairo_fill(cr);
    cairo_pattern_destroy(sky);
    ArtRandom random(91);
    for (int i = 0; i < 90; ++i) {
        const double x = random.Range(0, 640), y = random.Range(50, 300), size = random.Unit();
        if (size > 0.9)
            DrawTwinkle(cr, x, y, 4 + 3 * random.Unit(), random.Unit());
        else {
            CirclePath(cr, x, y, 0.6 + size);
            FillOnly(cr, size > 0.5 ? pal::kGold[14] : pal::kSnow[14]);
        }
    }
    // Far rooftops in silhouette, their windows lit.
    double x = -10;
    ArtRandom roofs(92);
    while (x < 650) {
        const double w = roofs.Range(40, 80), h = roofs.Range(40, 90);
        cairo_new_path(cr);
        cairo_move_to(cr, x, 402);
        cairo_line_to(cr, x, 400 - h);
        cairo_line_to(cr, x + w / 2, 400 - h - w * 0.35);
        cairo_line_to(cr, x + w, 400 - h);
        cairo_line_to(cr, x + w, 402);
        cairo_close_path(cr);
        FillOutlined(cr, kNight[5], kNight[0], 1.5);
        for (int k = 0; k < 3; ++k) {
            if (roofs.Unit() < 0.6) {
                cairo_rectangle(cr, x + 8 + k * (w - 16) / 3, 400 - h + 14 + roofs.Range(0, h - 36), 7, 9);
                FillOnly(cr, kWindow[10]);
            }
        }
        x += w + roofs.Range(-6, 8);
    }
}

void WriteBackground(const OutputTree& out)
{
    Canvas canvas = PictureCanvas(-2, 48, 644, 354);
    DrawTown(canvas.Cr());
    WriteOrThrow(out.MediaPath("cutscenes\\pass2\\pass2_bg.bmp"), EncodeScenePicture(canvas, DeliveryPalette(), true));
}

void WriteMoon(const OutputTree& out)
{
    Canvas canvas(64, 64);
    DrawMoon(canvas.Cr(), 32, 32, 28, false, false);
    WriteOrThrow(out.MediaPath("cutscenes\\pass2\\moon.bmp"), EncodeScenePicture(canvas, DeliveryPalette(), false));
}

// ---- the flight ------------------------------------------------------------------------

void WriteSleigh(const OutputTree& out)
{
    WriteStageSprite(out, DeliveryPalette(), "cutscenes\\pass2\\sleigh.spx", 201, 255, 2, [](cairo_t* cr, int i) {
        DrawSleigh(cr, {kSleighX, kSleighY - 3 * i, kSleighScale, false}, {false, 0});
        // Frost glinting along the runner.
        for (int k = 0; k < 4; ++k) DrawTwinkle(cr, 250 + k * 75 + 20 * i, kSleighY - 6 - 3 * i, 5, 0.5 + 0.5 * i);
    });
}

GlimmerLook Driving(double phase)
{
    GlimmerLook look;
    look.pose = GlimmerPose::Drive;
    look.phase = phase;
    return look;
}

// The red cap Glimmer wears for the deliveries; its floppy end is the "hat" sprite behind him.
Point CapBase(cairo_t* cr, double bob)
{
    cairo_save(cr);
    cairo_translate(cr, kGlimmerX, kGlimmerY - bob);
    cairo_scale(cr, kGlimmerScale, kGlimmerScale);
    cairo_translate(cr, 9, -18);
    cairo_rotate(cr, -0.38);
    cairo_translate(cr, 33, -35);
    cairo_rotate(cr, 0.32);
    const Point top = UserToCanvas(cr, -2, -14);
    cairo_restore(cr);
    return top;
}

void WriteGlimmer(const OutputTree& out)
{
    WriteStageSprite(out, DeliveryPalette(), "cutscenes\\pass2\\santa.spx", 381, 112, 2, [](cairo_t* cr, int i) {
        const double bob = 3 * i;
        DrawGlimmer(cr, {kGlimmerX, kGlimmerY - bob, kGlimmerScale, false}, Driving(0.25 * i));
        // The cap's band and crown sit on his head, between the antlers.
        const Point base = CapBase(cr, bob);
        cairo_identity_matrix(cr);
        cairo_translate(cr, base.x, base.y);
        cairo_rotate(cr, -0.2);
        PolygonPath(cr, {{-16, 0}, {16, 0}, {4, -24}, {-8, -22}});
        FillOutlined(cr, pal::kRed[8], pal::kBlack);
        EllipsePath(cr, 0, 0, 19, 6);
        FillOutlined(cr, pal::kSnow[15], pal::kBlack);
    });
}

void WriteCapTip(const OutputTree& out)
{
    WriteStageSprite(out, DeliveryPalette(), "cutscenes\\pass2\\hat.spx", 370, 93, 5, [](cairo_t* cr, int i) {
        const double flap = std::sin(i / 5.0 * 2 * M_PI);
        const Point base = CapBase(cr, 0);
        cairo_identity_matrix(cr);
        cairo_translate(cr, base.x, base.y);
        cairo_rotate(cr, -0.2);
        // Streaming back in the wind of the flight, flapping.
        const Point tip{-44, -30 + 8 * flap};
        cairo_new_path(cr);
        cairo_move_to(cr, 4, -22);
        cairo_curve_to(cr, -10, -34, -26, -30 + 4 * flap, tip.x, tip.y);
        cairo_curve_to(cr, -26, -20 + 4 * flap, -14, -18, -8, -20);
        cairo_close_path(cr);
        FillOutlined(cr, pal::kRed[8], pal::kBlack);
        CirclePath(cr, tip.x - 3, tip.y + 1, 7);
        FillOutlined(cr, pal::kSnow[15], pal::kBlack);
    });
}

void WriteReins(const OutputTree& out, const char* name, int x, int y, double offset)
{
    WriteStageSprite(out, DeliveryPalette(), name, x, y, 5, [offset, x, y](cairo_t* cr, int i) {
        const double wave = std::sin(i / 5.0 * 2 * M_PI + offset);
        cairo_new_path(cr);
        cairo_move_to(cr, x + 4, y + 4);
        cairo_curve_to(cr, x + 40, y + 12 + 8 * wave, x + 80, y - 6 - 8 * wave, 650, y - 20 + 4 * wave);
        StrokeOnly(cr, pal::kBlack, 6);
        cairo_new_path(cr);
        cairo_move_to(cr, x + 4, y + 4);
        cairo_curve_to(cr, x + 40, y + 12 + 8 * wave, x + 80, y - 6 - 8 * wave, 650, y - 20 + 4 * wave);
        StrokeOnly(cr, pal::kGold[11], 3);
        CirclePath(cr, x + 60, y + 2 + 2 * wave, 4);
        FillOutlined(cr, pal::kGold[12], pal::kBlack, 1.2);
    });
}

// The sack of presents behind Tobin, bulging and swaying with the ride.
void WriteSack(const OutputTree& out)
{
    WriteStageSprite(out, DeliveryPalette(), "cutscenes\\pass2\\sac.spx", 256, 220, 2, [](cairo_t* cr, int i) {
        const double sway = i == 0 ? 0 : 4;
        DrawGift(cr, {kSackX - 26 + sway, kSackY - 56, 1.0, false}, {GiftWrap::BlueSilver, GiftPattern::Dots, 40, 30, -0.2});
        DrawGift(cr, {kSackX + 20 + sway, kSackY - 62, 0.9, false}, {GiftWrap::YellowRed, GiftPattern::Stripes, 40, 30, 0.25});
        SmoothPath(cr, {{kSackX - 62, kSackY}, {kSackX - 66, kSackY - 40}, {kSackX - 40 + sway, kSackY - 70},
                        {kSackX + 44 + sway, kSackY - 72}, {kSackX + 62, kSackY - 38}, {kSackX + 58, kSackY}});
        FillOutlined(cr, pal::kFur[7], pal::kBlack);
        SmoothPath(cr, {{kSackX - 40 + sway, kSackY - 62}, {kSackX, kSackY - 50}, {kSackX + 40 + sway, kSackY - 64}}, false);
        StrokeOnly(cr, pal::kFur[4], 3);
        DrawGift(cr, {kSackX - 6 + sway, kSackY - 60, 0.8, false}, {GiftWrap::GreenRed, GiftPattern::Plain, 40, 30, 0.1});
    });
}

// Tobin digs in the sack, lifts a present over his head and hurls it over the side.
void WriteThrow(const OutputTree& out)
{
    WriteStageSprite(out, DeliveryPalette(), "cutscenes\\pass2\\throw.spx", 178, 173, 11, [](cairo_t* cr, int i) {
        ElfLook look;
        look.pose = ElfPose::Throw;
        // Frames 0-4 reach back into the sack, 5 holds the present up, 6-9 swing, 10 has let go.
        const double phases[] = {0.0, 0.0, 0.02, 0.05, 0.1, 0.3, 0.45, 0.6, 0.75, 0.9, 1.0};
        look.phase = phases[i];
        const double lean = i < 5 ? 4.0 : 0.0;
        DrawElf(cr, {kElfX + lean, kElfY, kElfScale, true}, look);
        if (i >= 5 && i <= 9) {
            // The present in his hand: the hand's place in his mirrored figure.
            const double a = M_PI * (1.15 - 1.3 * look.phase);
            const double hx = kElfX + lean - 24 * std::cos(a) * kElfScale;
            const double hy = kElfY - (52 + 24 * std::sin(a)) * kElfScale;
            DrawGift(cr, {hx, hy + 12, 0.9, false}, {GiftWrap::RedGold, GiftPattern::Dots, 36, 28, 0.3 * (i - 5)});
        }
    });
}

void WritePresentFall(const OutputTree& out)
{
    WriteStageSprite(out, DeliveryPalette(), "cutscenes\\pass2\\present_fall.spx", 30, 204, 6, [](cairo_t* cr, int i) {
        const double x = 170 - 26 * i, y = 226 + 12 * i + 5 * i * i;
        DrawGift(cr, {x, y, 0.9 - 0.08 * i, false}, {GiftWrap::RedGold, GiftPattern::Dots, 36, 28, -0.7 * i});
        for (int k = 1; k <= 2; ++k) DrawTwinkle(cr, x + 20 * k, y - 14 * k, 5 - k, 1, pal::kGold[14]);
    });
}

// ---- the chimney -----------------------------------------------------------------------

void DrawRoofs(cairo_t* cr)
{
    // The left house: a steep roof, snow on it, a lit window.
    PolygonPath(cr, {{36, 402}, {36, 296}, {120, 250}, {210, 296}, {210, 402}});
    FillOutlined(cr, pal::kBrick[3], pal::kBlack);
    PolygonPath(cr, {{30, 300}, {120, 246}, {216, 300}, {206, 306}, {120, 258}, {40, 306}});
    FillOutlined(cr, pal::kSnow[14], pal::kSnow[5]);
    cairo_rectangle(cr, 96, 316, 48, 40);
    FillOutlined(cr, kWindow[12], pal::kBlack);
    cairo_rectangle(cr, 118, 316, 4, 40);
    FillOnly(cr, pal::kBlack);
    // The middle roof with the chimney.
    PolygonPath(cr, {{180, 402}, {180, kRoofY + 20}, {350, kRoofY - 14}, {380, kRoofY + 20}, {380, 402}});
    FillOutlined(cr, pal::kStone[3], pal::kBlack);
    SmoothPath(cr, {{176, kRoofY + 22}, {260, kRoofY + 4}, {350, kRoofY - 16}, {384, kRoofY + 20}, {350, kRoofY + 14}, {260, kRoofY + 16}});
    FillOutlined(cr, pal::kSnow[14], pal::kSnow[5]);
    // The right house, wider and lower.
    PolygonPath(cr, {{352, 402}, {352, 262}, {470, 226}, {610, 262}, {610, 402}});
    FillOutlined(cr, pal::kGreen[4], pal::kBlack);
    PolygonPath(cr, {{344, 266}, {470, 222}, {618, 266}, {610, 272}, {470, 234}, {352, 272}});
    FillOutlined(cr, pal::kSnow[14], pal::kSnow[5]);
    for (double x : {392.0, 520.0}) {
        cairo_rectangle(cr, x, 300, 44, 46);
        FillOutlined(cr, kWindow[11], pal::kBlack);
        cairo_rectangle(cr, x + 20, 300, 4, 46);
        FillOnly(cr, pal::kBlack);
    }
}

void WriteRoofs(const OutputTree& out)
{
    Canvas canvas = PictureCanvas(36, 240, 584, 162);
    DrawRoofs(canvas.Cr());
    WriteOrThrow(out.MediaPath("cutscenes\\pass2\\chimney_bg.bmp"), EncodeScenePicture(canvas, DeliveryPalette(), false));
}

// A string of coloured lights along an eave; the two frames swap which bulbs shine.
void WriteLights(const OutputTree& out, const char* name, int x, int y, Point from, Point to)
{
    WriteStageSprite(out, DeliveryPalette(), name, x, y, 2, [from, to](cairo_t* cr, int i) {
        cairo_new_path(cr);
        cairo_move_to(cr, from.x, from.y);
        const int bulbs = 9;
        for (int k = 1; k <= bulbs; ++k) {
            const double t = double(k) / bulbs;
            cairo_line_to(cr, from.x + (to.x - from.x) * t, from.y + (to.y - from.y) * t + 5 * std::sin(t * M_PI * bulbs));
        }
        StrokeOnly(cr, pal::kGreen[2], 2);
        const int colours[] = {pal::kRed[10], pal::kGold[12], pal::kGreen[10], pal::kBlue[6]};
        for (int k = 0; k < bulbs; ++k) {
            const double t = (k + 0.5) / bulbs;
            const double bx = from.x + (to.x - from.x) * t, by = from.y + (to.y - from.y) * t + 6;
            const bool lit = (k + i) % 2 == 0;
            EllipsePath(cr, bx, by, 3.5, 5);
            FillOutlined(cr, lit ? colours[k % 4] : pal::kGrey[5], pal::kBlack, 1.2);
            if (lit) {
                CirclePath(cr, bx - 1, by - 2, 1.2);
                FillOnly(cr, pal::kWhite);
            }
        }
    });
}

// The chimney's face: 0 and 1 breathe, 2 opens wide, 3 gulps, 4 swallows, 5 smiles.
void DrawChimney(cairo_t* cr, int frame)
{
    const double cx = kChimneyX, top = 178;
    const double puff = frame == 1 ? 3 : frame == 3 ? 8 : 0;
    PolygonPath(cr, {{cx - 42 - puff, kRoofY + 10}, {cx - 38 - puff, top + 16}, {cx + 38 + puff, top + 16}, {cx + 42 + puff, kRoofY - 4}});
    FillOutlined(cr, pal::kBrick[4], pal::kBlack);
    for (double y = top + 28; y < kRoofY; y += 14)
        for (double x = cx - 36 + (int(y) / 14 % 2) * 12; x < cx + 30; x += 24) {
            cairo_rectangle(cr, x, y, 20, 10);
            FillOnly(cr, pal::kBrick[6]);
        }
    // The crown of the chimney is its mouth.
    const double open = frame == 2 ? 1.0 : frame == 3 ? 0.35 : 0.0;
    cairo_rectangle(cr, cx - 50 - puff, top, 100 + 2 * puff, 18);
    FillOutlined(cr, pal::kStone[4], pal::kBlack);
    EllipsePath(cr, cx, top + 2, 40 + puff, 5 + 16 * open);
    FillOutlined(cr, pal::kBlack, pal::kBlack);
    if (frame == 2) {
        EllipsePath(cr, cx, top + 10, 18, 7);
        FillOnly(cr, pal::kRed[6]);
    }
    EllipsePath(cr, cx - 34, top - 4, 20, 7);
    FillOutlined(cr, pal::kSnow[15], pal::kSnow[5]);
    // Eyes and cheeks on the bricks.
    for (int side : {-1, 1}) {
        const double ex = cx + side * 18, ey = top + 50;
        EllipsePath(cr, ex, ey, 10, 12);
        FillOutlined(cr, pal::kWhite, pal::kBlack);
        const bool squint = frame == 1 || frame == 4;
        if (squint) {
            cairo_new_path(cr);
            cairo_move_to(cr, ex - 8, ey + 1);
            cairo_curve_to(cr, ex - 3, ey - 6, ex + 3, ey - 6, ex + 8, ey + 1);
            StrokeOnly(cr, pal::kBlack, 3);
        } else {
            CirclePath(cr, ex + 2, ey + (frame == 2 ? -5 : 2), 5);
            FillOnly(cr, pal::kBlack);
            CirclePath(cr, ex + 3, ey + (frame == 2 ? -7 : 0), 1.6);
            FillOnly(cr, pal::kWhite);
        }
        CirclePath(cr, cx + side * 30, top + 72, 6);
        FillOnly(cr, pal::kPink[6], frame == 3 || frame == 5 ? 1.0 : 0.6);
    }
    // A smile, an "O" of surprise, or cheeks full of present.
    cairo_new_path(cr);
    if (frame == 2) {
        EllipsePath(cr, cx, top + 82, 8, 10);
        FillOutlined(cr, pal::kRed[3], pal::kBlack);
    } else {
        const double grin = frame == 5 ? 12 : frame == 3 ? 2 : 7;
        cairo_move_to(cr, cx - 18, top + 78);
        cairo_curve_to(cr, cx - 8, top + 78 + grin, cx + 8, top + 78 + grin, cx + 18, top + 78);
        StrokeOnly(cr, pal::kBlack, 3);
    }
    if (frame == 4) {
        // The gulp: a bulge sliding down the chimney.
        EllipsePath(cr, cx, top + 104, 46, 12);
        FillOutlined(cr, pal::kBrick[5], pal::kBlack);
    }
    if (frame == 5)
        for (int k = 0; k < 3; ++k) DrawTwinkle(cr, cx - 50 + 50 * k, top - 10 - 6 * (k % 2), 7, 1, pal::kGold[14]);
}

void WriteChimney(const OutputTree& out)
{
    WriteStageSprite(out, DeliveryPalette(), "cutscenes\\pass2\\chimney.spx", 212, 161, 6,
                     [](cairo_t* cr, int i) { DrawChimney(cr, i); });
}

void WriteDroppingPresent(const OutputTree& out)
{
    WriteStageSprite(out, DeliveryPalette(), "cutscenes\\pass2\\present2_fall.spx", 256, 42, 3, [](cairo_t* cr, int i) {
        const double y = 92 + 42 * i;
        DrawGift(cr, {kChimneyX + 2, y, 1.0, false}, {GiftWrap::RedGold, GiftPattern::Dots, 40, 30, 0.25 - 0.25 * i});
        for (int k = 1; k <= 3; ++k) {
            cairo_new_path(cr);
            cairo_move_to(cr, kChimneyX - 18 + 12 * k, y - 42 - 12 * k);
            cairo_line_to(cr, kChimneyX - 18 + 12 * k, y - 34);
            StrokeOnly(cr, pal::kSnow[14], 2);
        }
    });
}

void WritePassTwoArt(const OutputTree& out)
{
    const ScopedInkPalette ink(DeliveryPalette());
    WriteOrThrow(out.MediaPath("cutscenes\\pass2\\NS_Pallette_Pass_02.bmp"), EncodePaletteFile(DeliveryPalette()));
    WriteBackground(out);
    WriteMoon(out);
    WriteSleigh(out);
    WriteGlimmer(out);
    WriteCapTip(out);
    WriteReins(out, "cutscenes\\pass2\\reins.spx", 530, 246, 0);
    WriteReins(out, "cutscenes\\pass2\\reins02.spx", 533, 255, 1.3);
    WriteSack(out);
    WriteThrow(out);
    WritePresentFall(out);
    WriteRoofs(out);
    WriteLights(out, "cutscenes\\pass2\\left_blink.spx", 36, 279, {40, 300}, {204, 300});
    WriteLights(out, "cutscenes\\pass2\\right_blink.spx", 347, 240, {356, 268}, {606, 268});
    WriteChimney(out);
    WriteDroppingPresent(out);
}

const RegisterGenerator kRegistration("story-pass2", &WritePassTwoArt);

} // namespace
