// Group "act2-sprites": the sleigh in four parts, the present, the penguin flyer and its snowball,
// Frostine and her storm cloud, and the circle the waiting child stands in.
#include "MediaGenerator.h"
#include "art/ArtPen.h"
#include "art/GiftArt.h"
#include "art/GlimmerArt.h"
#include "art/PenguinArt.h"
#include "art/SkyArt.h"
#include "art/SleighArt.h"
#include "art/StoryMagic.h"
#include "art/StoryReindeer.h"
#include "paint/Canvas.h"
#include "paint/GamePalette.h"
#include "paint/Ink.h"
#include "paint/PictureFile.h"
#include "paint/SpriteBuilder.h"

#include <cmath>

namespace mediagen {
namespace {

constexpr int kInk = pal::kBlack;
constexpr double kTau = 6.283185307179586;

void WriteSprite(const OutputTree& out, const char* name, const SpriteBuilder& sprite)
{
    WriteOrThrow(out.MediaPath(name), sprite.Encode());
}

// The lead: the sleigh's body, tipped by the way it flies (frame 0 down, 1 level, 2 up).
// Its top-left corner is the sleigh's position; the team hangs at (56, -15).
void WriteSleighLead(const OutputTree& out)
{
    SpriteBuilder sprite;
    const double tilts[3] = {0.16, 0.0, -0.16};
    for (double tilt : tilts) {
        Canvas canvas(64, 44);
        cairo_t* cr = canvas.Cr();
        cairo_translate(cr, 32, 34);
        cairo_rotate(cr, tilt);
        DrawSleigh(cr, {0, 4, 0.46, false}, {false, 0});
        sprite.AddFrame(canvas, 0, 0);
    }
    WriteSprite(out, "act2\\spx\\sleigh01.spx", sprite);
}

// The team that pulls: Glimmer galloping in the lead with a harnessed reindeer beside him,
// golden reins back to the sleigh's front.
void WriteSleighTeam(const OutputTree& out)
{
    SpriteBuilder sprite;
    sprite.AddPhases(84, 62, 8, [](cairo_t* cr, double phase) {
        const double bob = std::sin(kTau * phase) * 2.0;
        cairo_new_path(cr);
        cairo_move_to(cr, 0, 36);
        cairo_curve_to(cr, 14, 30, 30, 32 + bob, 44, 30 + bob);
        StrokeOutlined(cr, 1.6, pal::kGold[10], kInk);
        DrawTeamReindeer(cr, {38, 30 + bob, 0.34, false}, {phase + 0.25, pal::kGreen[8]});
        DrawGlimmer(cr, {54, 50 - bob, 0.4, false}, {GlimmerPose::Run, GlimmerView::Side, phase, true});
        cairo_new_path(cr);
        cairo_move_to(cr, 0, 40);
        cairo_curve_to(cr, 18, 38, 34, 38 - bob, 52, 34 - bob);
        StrokeOutlined(cr, 1.6, pal::kGold[10], kInk);
    }, 0, 0);
    WriteSprite(out, "act2\\spx\\sleigh02.spx", sprite);
}

// The sack of gifts behind the body, bouncing with the flight.
void WriteSleighSack(const OutputTree& out)
{
    SpriteBuilder sprite;
    sprite.AddPhases(44, 40, 6, [](cairo_t* cr, double phase) {
        const double bounce = (1.0 - std::cos(kTau * phase)) * 1.5;
        SmoothPath(cr, {{4, 38}, {2, 22}, {10, 10 - bounce}, {22, 6 - bounce}, {34, 10 - bounce}, {40, 24}, {38, 38}});
        FillOutlined(cr, pal::kFur[6], kInk);
        SmoothPath(cr, {{12, 16 - bounce}, {20, 12 - bounce}, {30, 14 - bounce}}, false);
        StrokeOnly(cr, pal::kFur[9], 2);
        DrawGift(cr, {14, 14 - bounce * 1.4, 0.42, false}, {GiftWrap::BlueSilver, GiftPattern::Dots, 36, 26, -0.3});
        DrawGift(cr, {30, 12 - bounce, 0.38, false}, {GiftWrap::YellowRed, GiftPattern::Stripes, 34, 28, 0.25});
        DrawTwinkle(cr, 30 + 8 * phase, 6 - bounce, 3.5, phase, pal::kGold[14]);
    }, 0, 0);
    WriteSprite(out, "act2\\spx\\sleigh03.spx", sprite);
}

// The drop arm at the back: a candy-striped arm with a red mitten that swings a present
// down and lets go. Frame 4 rests upright; 5 to 8 swing down with the gift, 0 lets go,
// 1 to 3 come back up.
void WriteSleighDropArm(const OutputTree& out)
{
    SpriteBuilder sprite;
    const double degrees[9] = {100, 60, 20, -30, -95, -60, -20, 25, 70};
    for (int frame = 0; frame < 9; ++frame) {
        Canvas canvas(44, 56);
        cairo_t* cr = canvas.Cr();
        const double a = degrees[frame] * M_PI / 180.0;
        const double px = 18, py = 28, length = 22;
        const double hx = px + std::cos(a) * length, hy = py + std::sin(a) * length;
        Limb(cr, {{px, py}, {hx, hy}}, 5.0, pal::kWhite, kInk);
        // Red stripes along the arm.
        for (int k = 1; k < 4; ++k) {
            const double t = k / 4.0;
            CirclePath(cr, px + (hx - px) * t, py + (hy - py) * t, 2.0);
            FillOnly(cr, pal::kRed[8]);
        }
        const bool holding = frame >= 5;
        if (holding)
            DrawGift(cr, {hx + std::cos(a) * 7, hy + std::sin(a) * 7 + 6, 0.3, false},
                     {GiftWrap::RedGold, GiftPattern::Plain, 34, 26, a * 0.3});
        CirclePath(cr, hx, hy, holding ? 4.0 : 4.5);
        FillOutlined(cr, pal::kRed[9], kInk);
        if (frame == 0) {
            // Open mitten and a puff of sparkle where the gift was let go.
            DrawTwinkle(cr, hx + 5, hy + 8, 5, 1.0, pal::kGold[14]);
        }
        CirclePath(cr, px, py, 3.5);
        FillOutlined(cr, pal::kGold[9], kInk);
        sprite.AddFrame(canvas, 0, 0);
    }
    WriteSprite(out, "act2\\spx\\sleigh04.spx", sprite);
}

// The gift that falls: a 20 x 20 wrapped box (the size of its catch box).
void WritePresent(const OutputTree& out)
{
    SpriteBuilder sprite;
    sprite.AddPhases(20, 22, 2, [](cairo_t* cr, double phase) {
        DrawGift(cr, {10, 21, 0.46, false}, {GiftWrap::RedGold, GiftPattern::Dots, 40, 30, phase * 0.2});
    }, 0, 0);
    WriteSprite(out, "act2\\spx\\present.spx", sprite);
}

// A snow cannon held by the penguin, muzzle to the left, with an optional flash.
void SnowCannon(cairo_t* cr, double x, double y, double recoil, double flash)
{
    cairo_save(cr);
    cairo_translate(cr, x + recoil, y);
    cairo_new_path(cr);
    cairo_rectangle(cr, -14, -4, 22, 8);
    FillOutlined(cr, pal::kCyan[3], kInk);
    cairo_new_path(cr);
    cairo_rectangle(cr, -17, -5, 5, 10);
    FillOutlined(cr, pal::kCyan[6], kInk);
    CirclePath(cr, 8, 4, 4);
    FillOutlined(cr, pal::kStone[3], kInk);
    if (flash > 0) {
        for (int k = 0; k < 5; ++k) {
            const double a = M_PI + (k - 2) * 0.45;
            DrawSnowflake(cr, -18 + std::cos(a) * 6 * flash, std::sin(a) * 6 * flash, 3.5 * flash, k * 0.3, pal::kWhite);
        }
        CirclePath(cr, -20, 0, 5 * flash);
        FillOutlined(cr, pal::kSnow[15], pal::kSnow[6], 1.2);
    }
    cairo_restore(cr);
}

// The penguin flyer, facing left toward the sleigh: frames 0 to 5 flap along, 6 to 9 aim,
// fire, kick back and recover. Its middle is 33 below its top; the snowball leaves at
// (-17, 23) from its corner.
void WritePenguinFlyer(const OutputTree& out)
{
    SpriteBuilder sprite;
    const auto penguin = [](cairo_t* cr, double flap, double recoil, double flash) {
        // A little propeller pack on the back keeps it in the air.
        cairo_save(cr);
        cairo_translate(cr, 44, 22);
        EllipsePath(cr, 0, 0, 3, 11 * std::fabs(std::cos(flap * kTau * 2)) + 1.5);
        FillOutlined(cr, pal::kStone[5], kInk);
        cairo_restore(cr);
        DrawPenguin(cr, {32, 33, 0.95, true}, {PenguinPose::Fly, flap});
        SnowCannon(cr, 22, 40, recoil, flash);
    };
    for (int frame = 0; frame < 6; ++frame) {
        Canvas canvas(60, 60);
        penguin(canvas.Cr(), frame / 6.0, 0, 0);
        sprite.AddFrame(canvas, 0, 0);
    }
    const double recoils[4] = {-1, 3, 2, 0};
    const double flashes[4] = {0, 1.0, 0.6, 0};
    for (int k = 0; k < 4; ++k) {
        Canvas canvas(60, 60);
        penguin(canvas.Cr(), 0.25, recoils[k], flashes[k]);
        sprite.AddFrame(canvas, 0, 0);
    }
    WriteSprite(out, "act2\\spx\\penguinflyer.spx", sprite);
}

// The snowball: frame 0 in flight with its trail (hit box 9 to 22 down), 1 to 3 its splash.
void WriteSnowball(const OutputTree& out)
{
    SpriteBuilder sprite;
    {
        Canvas canvas(32, 32);
        cairo_t* cr = canvas.Cr();
        for (int k = 0; k < 3; ++k) {
            cairo_new_path(cr);
            cairo_move_to(cr, 18 + k * 3, 12 + k * 4);
            cairo_line_to(cr, 30, 12 + k * 4);
            StrokeOnly(cr, pal::kSnow[12 - k * 2], 2);
        }
        DrawSnowball(cr, 12, 16, 6.5);
        sprite.AddFrame(canvas, 0, 0);
    }
    for (int k = 1; k <= 3; ++k) {
        Canvas canvas(32, 32);
        cairo_t* cr = canvas.Cr();
        const double r = 3 + k * 4;
        for (int i = 0; i < 8; ++i) {
            const double a = i * kTau / 8 + k * 0.2;
            CirclePath(cr, 16 + std::cos(a) * r, 16 + std::sin(a) * r, 4.0 - k * 0.8);
            FillOutlined(cr, pal::kSnow[15 - k], pal::kSnow[4], 1.2);
        }
        if (k < 3) {
            CirclePath(cr, 16, 16, 7 - k * 2);
            FillOutlined(cr, pal::kWhite, pal::kSnow[5], 1.2);
        }
        DrawSnowflake(cr, 16, 16, 4 + k, k * 0.4, pal::kSnow[14]);
        sprite.AddFrame(canvas, 0, 0);
    }
    WriteSprite(out, "act2\\spx\\snowball02.spx", sprite);
}

// Frostine herself (drawn in front, 29 above the cloud she rides): ice-white hair, a crown
// of icicles, a violet cape that streams behind her, one arm raised with a frost wand.
void WriteFrostine(const OutputTree& out)
{
    SpriteBuilder sprite;
    sprite.AddPhases(84, 64, 6, [](cairo_t* cr, double phase) {
        const double wave = std::sin(kTau * phase);
        // Cape streaming out to the right (she flies left).
        SmoothPath(cr, {{30, 22}, {52, 18 + wave * 3}, {78, 26 + wave * 5}, {70, 40}, {80, 54 + wave * 4},
                        {52, 58}, {34, 60}});
        FillOutlined(cr, pal::kPurple[3], kInk);
        SmoothPath(cr, {{36, 30}, {56, 28 + wave * 3}, {70, 36}, {54, 48}}, false);
        StrokeOnly(cr, pal::kPurple[6], 2);
        // Gown.
        SmoothPath(cr, {{24, 30}, {36, 28}, {42, 46}, {46, 62}, {18, 62}, {20, 44}});
        FillOutlined(cr, pal::kCyan[2], kInk);
        SmoothPath(cr, {{26, 36}, {36, 34}, {38, 44}, {24, 44}});
        FillOnly(cr, pal::kCyan[5]);
        // Hair streaming back.
        SmoothPath(cr, {{20, 10}, {34, 4}, {48, 8 + wave * 2}, {60, 14 + wave * 4}, {46, 20}, {36, 26}, {24, 24}});
        FillOutlined(cr, pal::kSnow[14], pal::kSnow[4]);
        // Face, pale blue, looking left, with a sly smile.
        EllipsePath(cr, 22, 17, 8, 9);
        FillOutlined(cr, pal::kCyan[7], kInk);
        CirclePath(cr, 18, 15, 1.6);
        FillOnly(cr, kInk);
        cairo_new_path(cr);
        cairo_move_to(cr, 16, 21);
        cairo_curve_to(cr, 18, 23, 21, 23, 23, 21);
        StrokeOnly(cr, pal::kPurple[2], 1.4);
        // Crown of icicles.
        PolygonPath(cr, {{16, 9}, {18, 1}, {21, 8}, {24, 0}, {27, 8}, {30, 2}, {31, 10}});
        FillOutlined(cr, pal::kCyan[7], pal::kBlue[1], 1.5);
        // The raised arm and the frost wand, its star pulsing.
        const double lift = wave * 2.0;
        Limb(cr, {{26, 32}, {14, 26 - lift}, {8, 14 - lift}}, 4.0, pal::kPurple[3], kInk);
        cairo_new_path(cr);
        cairo_move_to(cr, 8, 16 - lift);
        cairo_line_to(cr, 4, 2 - lift);
        StrokeOutlined(cr, 2.0, pal::kSnow[15], kInk);
        DrawStar(cr, 4, 2 - lift, 4.5 + 1.2 * (0.5 + 0.5 * wave), phase * kTau / 5, pal::kCyan[7]);
    }, 0, 0);
    WriteSprite(out, "act2\\spx\\frostine003.spx", sprite);
}

// A puffy cloud shape of lobes centred on (cx, cy).
void CloudLobes(cairo_t* cr, double cx, double cy, double w, double h, double wobble)
{
    cairo_new_path(cr);
    const int lobes = 5;
    for (int i = 0; i < lobes; ++i) {
        const double t = (i + 0.5) / lobes;
        const double x = cx - w / 2 + t * w;
        const double lift = std::sin(t * M_PI) * h * 0.35 + std::sin(i * 2.1 + wobble) * h * 0.05;
        cairo_new_sub_path(cr);
        cairo_arc(cr, x, cy - lift * 0.6, h * (0.32 + 0.12 * std::sin(t * M_PI)), 0, kTau);
    }
    cairo_new_sub_path(cr);
    cairo_rectangle(cr, cx - w / 2 + h * 0.2, cy - h * 0.05, w - h * 0.4, h * 0.33);
}

// The swirling frost cloud Frostine rides (behind her).
void WriteFrostineCloud(const OutputTree& out)
{
    SpriteBuilder sprite;
    sprite.AddPhases(92, 44, 6, [](cairo_t* cr, double phase) {
        CloudLobes(cr, 44, 24, 78, 30, phase * kTau);
        Silhouette(cr, pal::kNightSky[9], kInk);
        CloudLobes(cr, 44, 20, 60, 18, phase * kTau + 1);
        FillOnly(cr, pal::kTwilight[3]);
        for (int k = 0; k < 3; ++k) {
            const double a = phase * kTau + k * kTau / 3;
            DrawSnowflake(cr, 44 + std::cos(a) * 30, 26 + std::sin(a) * 8, 3.5, a, pal::kSnow[14]);
        }
        // A frosty trail swirling out behind her.
        cairo_new_path(cr);
        cairo_move_to(cr, 80, 26);
        cairo_curve_to(cr, 86, 18 + std::sin(phase * kTau) * 4, 90, 30, 86, 36);
        StrokeOnly(cr, pal::kCyan[6], 2);
    }, 0, 0);
    WriteSprite(out, "act2\\spx\\frostine004.spx", sprite);
}

// The storm cloud body at (0, 0) of an 80 x 50 frame: dark, glaring eyes, a frown.
void StormBody(cairo_t* cr, double ox, double oy, double size, double wobble, bool angry)
{
    cairo_save(cr);
    cairo_translate(cr, ox + 40, oy + 28);
    cairo_scale(cr, size, size);
    CloudLobes(cr, 0, 0, 72, 40, wobble);
    Silhouette(cr, pal::kStone[1], kInk);
    CloudLobes(cr, -4, -4, 56, 26, wobble + 0.7);
    FillOnly(cr, pal::kStone[3]);
    if (size > 0.6) {
        EllipsePath(cr, -10, -2, 4, 3.5);
        FillOutlined(cr, angry ? pal::kGold[13] : pal::kWhite, kInk, 1.2);
        EllipsePath(cr, 6, -2, 4, 3.5);
        FillOutlined(cr, angry ? pal::kGold[13] : pal::kWhite, kInk, 1.2);
        CirclePath(cr, -11, -1, 1.6);
        FillOnly(cr, kInk);
        CirclePath(cr, 5, -1, 1.6);
        FillOnly(cr, kInk);
        cairo_new_path(cr);
        cairo_move_to(cr, -15, -8);
        cairo_line_to(cr, -6, -5);
        cairo_move_to(cr, 11, -8);
        cairo_line_to(cr, 2, -5);
        StrokeOnly(cr, kInk, 2);
        cairo_new_path(cr);
        cairo_move_to(cr, -8, 8);
        cairo_curve_to(cr, -4, 5, 2, 5, 6, 8);
        StrokeOnly(cr, kInk, 1.6);
    }
    cairo_restore(cr);
}

void Bolt(cairo_t* cr, double x, double y, double dx, double dy, int segments, uint32_t seed)
{
    cairo_new_path(cr);
    cairo_move_to(cr, x, y);
    double cx = x, cy = y;
    for (int i = 1; i <= segments; ++i) {
        const double side = ((seed >> i) & 1) ? 5.0 : -5.0;
        cx += dx / segments + (i % 2 ? side : -side * 0.5);
        cy += dy / segments;
        cairo_line_to(cr, cx, cy);
    }
    StrokeOutlined(cr, 3.0, pal::kGold[14], pal::kGold[6]);
}

// Frames 0 to 3 drift (the cloud puffs and glares), 4 to 6 form (4 nearly whole, 6 a small
// puff), 7 to 10 zap: bigger frames placed 18 left and 24 up, with bolts all round.
void WriteStormCloud(const OutputTree& out)
{
    SpriteBuilder sprite;
    constexpr int kZapLeft = 18, kZapUp = 24;
    for (int frame = 0; frame < 4; ++frame) {
        Canvas canvas(80, 50);
        StormBody(canvas.Cr(), 0, 0, 1.0 + 0.03 * std::sin(frame * kTau / 4), frame * kTau / 4, false);
        sprite.AddFrame(canvas, kZapLeft, kZapUp);
    }
    const double sizes[3] = {0.8, 0.6, 0.4};
    for (double size : sizes) {
        Canvas canvas(80, 50);
        StormBody(canvas.Cr(), 0, 0, size, size * 3, false);
        DrawTwinkle(canvas.Cr(), 40 + 30 * size, 14, 4, size, pal::kCyan[7]);
        sprite.AddFrame(canvas, kZapLeft, kZapUp);
    }
    for (int k = 0; k < 4; ++k) {
        Canvas canvas(116, 98);
        cairo_t* cr = canvas.Cr();
        const double reach = 0.55 + 0.15 * k;
        Bolt(cr, 40, 60, -10, 36 * reach, 4, 0x5A5u + k);
        Bolt(cr, 70, 62, 6, 34 * reach, 4, 0x3C3u + k * 7);
        Bolt(cr, 24, 44, -22 * reach, 14, 3, 0x2D1u + k);
        Bolt(cr, 96, 40, 18 * reach, -14, 3, 0x6B6u + k);
        if (k % 2 == 0)
            Bolt(cr, 56, 28, 4, -26 * reach, 3, 0x1F1u + k);
        StormBody(cr, kZapLeft, kZapUp, 1.04, k * 1.3, true);
        sprite.AddFrame(canvas, 0, 0);
    }
    WriteSprite(out, "act2\\spx\\stormcloud.spx", sprite);
}

// The round frame in the lower left where the child who waits for the gift stands.
void WriteCircle(const OutputTree& out)
{
    Canvas canvas(196, 197);
    cairo_t* cr = canvas.Cr();
    const double cx = 98, cy = 104, r = 88;
    CirclePath(cr, cx, cy, r);
    cairo_pattern_t* glow = cairo_pattern_create_radial(cx, cy - 20, 10, cx, cy, r);
    AddStop(glow, 0.0, pal::kGold[13]);
    AddStop(glow, 0.6, pal::kOrange[5]);
    AddStop(glow, 1.0, pal::kRed[4]);
    cairo_set_source(cr, glow);
    cairo_fill(cr);
    cairo_pattern_destroy(glow);
    // A window behind the child: frost in its corners.
    for (int k = 0; k < 10; ++k) {
        const double a = k * kTau / 10;
        DrawSnowflake(cr, cx + std::cos(a) * (r - 16), cy + std::sin(a) * (r - 16), 5, a, pal::kSnow[15]);
    }
    CirclePath(cr, cx, cy, r);
    StrokeRim(cr, pal::kGreen[3], 14, pal::kGreen[8], 8);
    for (int k = 0; k < 16; ++k) {
        const double a = k * kTau / 16;
        CirclePath(cr, cx + std::cos(a) * r, cy + std::sin(a) * r, 3.2);
        FillOutlined(cr, (k % 3 == 0) ? pal::kRed[9] : (k % 3 == 1 ? pal::kGold[12] : pal::kBlue[6]), kInk, 1.2);
    }
    WriteOrThrow(out.MediaPath("act2\\kids\\circle.bmp"), EncodeCanvasBmp(canvas));
}

void GenerateSleighRideSprites(const OutputTree& out)
{
    WriteSleighLead(out);
    WriteSleighTeam(out);
    WriteSleighSack(out);
    WriteSleighDropArm(out);
    WritePresent(out);
    WritePenguinFlyer(out);
    WriteSnowball(out);
    WriteFrostine(out);
    WriteFrostineCloud(out);
    WriteStormCloud(out);
    WriteCircle(out);
}

const RegisterGenerator kRegistration("act2-sprites", &GenerateSleighRideSprites);

} // namespace
} // namespace mediagen
