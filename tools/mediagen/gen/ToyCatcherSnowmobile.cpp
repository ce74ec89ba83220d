// Group "act1-snowmobile": Glimmer's snowmobile in the toy catcher, facing right and left, as the five
// parts the round hangs on the body (head, treads, thrown-up snow, trunk) so they line up at its offsets.
#include "MediaGenerator.h"
#include "art/ArtPen.h"
#include "art/GiftArt.h"
#include "art/GlimmerDriver.h"
#include "art/SkyArt.h"
#include "art/WorkshopProps.h"
#include "paint/Canvas.h"
#include "paint/GamePalette.h"
#include "paint/SpriteBuilder.h"

#include <cmath>
#include <functional>
#include <string>

namespace {

using namespace mediagen;

// Everything is drawn once, facing right, in the body's own space: (0, 0) is the body's
// top-left corner on the screen (y 423) and the ground lies at y 55. Facing left is the
// mirror image about x = 33, so each part's middle stays over the boxes the round tests:
// the head box around (43, -30) and the trunk box around (0, -25) facing right.
constexpr double kMirrorWidth = 66;

enum Part { kBody, kHead, kTreads, kSnow, kTrunk, kPartCount };

struct PartLayout {
    const char* name;
    int width, height;
    int rightX, rightY; // where the round hangs the part on the body
    int leftX, leftY;
};

const PartLayout kParts[kPartCount] = {
    {"snbody", 68, 57, 0, 0, 0, 0},
    {"snhead", 44, 62, 24, -46, 8, -46},
    {"sntreads", 64, 24, 4, 32, 0, 32},
    {"snsnow", 34, 28, -29, 36, 63, 29},
    {"sntrunk", 48, 40, -20, -32, 38, -33},
};

constexpr int kInk = pal::kBlack;
const int kHull = pal::kBlue[3];
const int kHullLight = pal::kBlue[5];
const int kHullDark = pal::kBlue[1];

// ---- body -----------------------------------------------------------------------------------

void DrawBody(cairo_t* cr)
{
    // Ski under the front on a strut.
    Limb(cr, {{44, 34}, {48, 48}}, 3.5, pal::kGrey[5], kInk);
    cairo_new_path(cr);
    cairo_move_to(cr, 30, 52);
    cairo_line_to(cr, 58, 52);
    cairo_curve_to(cr, 64, 52, 67, 48, 65, 43);
    StrokeOutlined(cr, 3.6, pal::kGrey[11], kInk);
    // The hull: low at the back under the trunk, rising to the hood and a pointed nose.
    SmoothPath(cr, {{1, 14}, {20, 12}, {40, 8}, {54, 12}, {65, 24}, {62, 34}, {40, 36}, {2, 36}});
    FillOutlined(cr, kHull, kInk);
    SmoothPath(cr, {{6, 17}, {28, 14}, {46, 12}, {58, 20}, {46, 18}, {26, 19}});
    FillOnly(cr, kHullLight);
    cairo_move_to(cr, 3, 27);
    cairo_line_to(cr, 60, 27);
    StrokeOnly(cr, pal::kGold[10], 2.5);
    cairo_move_to(cr, 3, 33);
    cairo_line_to(cr, 56, 33);
    StrokeOnly(cr, kHullDark, 2);
    // Seat, windshield and headlight.
    cairo_rectangle(cr, 14, 6, 26, 7);
    FillOutlined(cr, pal::kGrey[3], kInk);
    PolygonPath(cr, {{48, 10}, {52, 1}, {58, 1}, {58, 12}});
    FillOutlined(cr, pal::kCyan[6], pal::kCyan[0]);
    cairo_move_to(cr, 52, 4);
    cairo_line_to(cr, 54, 9);
    StrokeOnly(cr, pal::kWhite, 1.5);
    EllipsePath(cr, 61, 22, 3, 2.4, 0.4);
    FillOutlined(cr, pal::kGold[14], kInk, 1.5);
    // The track's housing; the treads sprite runs inside it.
    cairo_rectangle(cr, 4, 34, 60, 4);
    FillOutlined(cr, pal::kGrey[4], kInk, 1.5);
}

// ---- treads ---------------------------------------------------------------------------------

void DrawTreads(cairo_t* cr, double phase)
{
    const double x0 = 4, x1 = 64, y0 = 36, y1 = 54, r = 9;
    auto outline = [&]() {
        cairo_new_path(cr);
        cairo_arc(cr, x1 - r, y0 + r, r, -M_PI / 2, M_PI / 2);
        cairo_arc(cr, x0 + r, y0 + r, r, M_PI / 2, 3 * M_PI / 2);
        cairo_close_path(cr);
    };
    outline();
    FillOutlined(cr, pal::kGrey[2], kInk);
    cairo_save(cr);
    outline();
    cairo_clip(cr);
    const double step = 7, shift = phase * step;
    for (double x = x0 - step + shift; x < x1 + step; x += step) {
        cairo_rectangle(cr, x, y1 - 3, 3, 3);
        cairo_rectangle(cr, x1 + x0 - x, y0, 3, 3);
    }
    FillOnly(cr, pal::kGrey[7]);
    cairo_restore(cr);
    for (double x : {14.0, 27.0, 40.0, 53.0}) {
        CirclePath(cr, x, 45, 5);
        FillOutlined(cr, pal::kGrey[9], kInk, 1.5);
        const double a = phase * 2 * M_PI / 3;
        cairo_move_to(cr, x + std::cos(a) * 4, 45 + std::sin(a) * 4);
        cairo_line_to(cr, x - std::cos(a) * 4, 45 - std::sin(a) * 4);
        StrokeOnly(cr, pal::kGrey[4], 1.5);
    }
}

// ---- thrown-up snow -------------------------------------------------------------------------

void DrawSnowSpray(cairo_t* cr, int frame)
{
    if (frame == 0) {
        CirclePath(cr, -4, 52, 2);
        FillOutlined(cr, pal::kSnow[15], pal::kSnow[5], 1.0);
        return;
    }
    // A rooster tail of snow behind the track, churning through three shapes.
    const double lift = 4 + 3 * frame;
    SmoothPath(cr, {{4, 55}, {-6, 52 - lift * 0.3}, {-18, 48 - lift}, {-26, 50 - lift * 0.6}, {-22, 55}});
    FillOutlined(cr, pal::kSnow[14], pal::kSnow[5], 1.5);
    for (int i = 0; i < 5; ++i) {
        const double a = 0.4 + i * 0.35 + frame * 0.5;
        const double x = -10 - 14 * std::fabs(std::cos(a)) - i;
        const double y = 52 - lift - 6 * std::fabs(std::sin(a * 1.7));
        CirclePath(cr, x, y, 1.6 + (i + frame) % 3 * 0.5);
        FillOutlined(cr, pal::kSnow[15], pal::kSnow[5], 1.0);
    }
}

// ---- trunk ----------------------------------------------------------------------------------

// The crate behind the seat: its open top spans x -18..18 at y -26. The lid hangs down its
// back while it waits; after a catch it flips up, shuts on the gift, sparkles, and flips
// open again. Lid angles: 0 hangs straight down the back, pi stands straight up,
// 3 pi / 2 lies shut on top.
const double kLidAngles[6] = {0.0, M_PI - 0.05, M_PI + 0.55, 1.5 * M_PI, 1.5 * M_PI, M_PI + 0.2};

void DrawLid(cairo_t* cr, double angle)
{
    // Hinged at the crate's back corner (-18, -26); the lid is 36 long.
    cairo_save(cr);
    cairo_translate(cr, -18, -26);
    cairo_rotate(cr, M_PI / 2 + angle);
    cairo_rectangle(cr, 0, -3, 36, 5);
    FillOutlined(cr, pal::kRed[6], kInk, 1.6);
    cairo_move_to(cr, 8, -0.5);
    cairo_line_to(cr, 28, -0.5);
    StrokeOnly(cr, pal::kGold[10], 1.6);
    cairo_restore(cr);
}

void DrawTrunk(cairo_t* cr, int frame)
{
    const double angle = kLidAngles[frame];
    const bool lidInFront = angle > 2.0;
    if (!lidInFront)
        DrawLid(cr, angle);
    // The rack it rides on: a platform over the back of the hull, braced down to it.
    Limb(cr, {{-14, 8}, {-4, 16}}, 2.4, pal::kGrey[6], kInk);
    Limb(cr, {{14, 8}, {8, 16}}, 2.4, pal::kGrey[6], kInk);
    cairo_rectangle(cr, -21, 6, 42, 4);
    FillOutlined(cr, pal::kGrey[8], kInk, 1.5);
    // Back wall (inside), then the front wall with gold bands.
    PolygonPath(cr, {{-18, -26}, {18, -26}, {15, -31}, {-15, -31}});
    FillOutlined(cr, pal::kFur[0], kInk, 1.6);
    if (frame >= 1 && frame <= 2) {
        // The caught gift still shows in the opening.
        DrawGift(cr, {0, -22, 0.5, false}, {GiftWrap::RedGold, GiftPattern::Dots, 32, 22, 0.1});
    }
    PolygonPath(cr, {{-19, -26}, {19, -26}, {17, 6}, {-17, 6}});
    FillBlendDown(cr, -26, 6, {{0, pal::kRed[9]}, {1, pal::kRed[4]}});
    StrokeOnly(cr, kInk, 2);
    for (double y : {-18.0, -6.0}) {
        cairo_move_to(cr, -18, y);
        cairo_line_to(cr, 18, y);
    }
    StrokeOnly(cr, pal::kGold[10], 2.4);
    // A bow on the front so it reads as the gift box.
    CirclePath(cr, 0, -12, 3);
    FillOutlined(cr, pal::kGold[12], kInk, 1.2);
    if (lidInFront)
        DrawLid(cr, angle);
    if (frame == 4) {
        DrawTwinkle(cr, -12, -40, 6, 1);
        DrawTwinkle(cr, 10, -46, 5, 0.7);
        DrawStar(cr, 16, -36, 4);
    }
}

// ---- head -----------------------------------------------------------------------------------

DriverLook HeadLook(int frame)
{
    DriverLook look;
    if (frame == 1) {
        look.eyes = DriverEyes::Blink;
    } else if (frame >= 2 && frame <= 6) {
        const double bobs[] = {0, 1.5, 3, 1.5, 0};
        look.bob = bobs[frame - 2];
        look.phase = (frame - 2) / 5.0;
    } else if (frame == 7) {
        look.eyes = DriverEyes::Shut;
        look.headTilt = 0.2;
        look.bob = -2;
        look.snowFlying = 0.3;
    } else if (frame >= 8 && frame <= 11) {
        look.eyes = DriverEyes::Dizzy;
        look.stars = true;
        look.phase = (frame - 8) / 4.0;
        look.headTilt = frame % 2 == 0 ? 0.12 : -0.12;
    } else if (frame >= 12) {
        // Buried in snow, then shaking it off, left and right.
        const double snow[] = {1.0, 1.0, 0.9, 0.8, 0.5, 0.65, 0.0, 0.0};
        const double tilt[] = {0.1, -0.2, 0.2, -0.25, -0.32, 0.28, 0.32, 0.0};
        const double flying[] = {0.2, 0.3, 0.5, 0.6, 0.9, 0.7, 1.0, 0.3};
        const int i = frame - 12;
        look.snow = frame == 18 ? 0.4 : snow[i];
        look.headTilt = tilt[i];
        look.snowFlying = flying[i];
        look.eyes = frame == 19 ? DriverEyes::Blink : DriverEyes::Shut;
        look.phase = i / 8.0;
    }
    return look;
}

void DrawHead(cairo_t* cr, int frame)
{
    DrawGlimmerDriver(cr, {39, -30, 0.55, false}, HeadLook(frame));
    // The handlebar in his hoof.
    Limb(cr, {{56, -1}, {58, -10}, {61, -11}}, 2.2, pal::kGrey[3], kInk);
}

// ---- writing the sets -----------------------------------------------------------------------

using DrawPart = std::function<void(cairo_t*)>;

Canvas PartCanvas(Part part, bool facingRight, const DrawPart& draw, int growUp = 0)
{
    const PartLayout& layout = kParts[part];
    Canvas canvas(layout.width, layout.height + growUp);
    cairo_t* cr = canvas.Cr();
    cairo_save(cr);
    cairo_translate(cr, 0, growUp);
    if (facingRight) {
        cairo_translate(cr, -layout.rightX, -layout.rightY);
    } else {
        cairo_translate(cr, kMirrorWidth - layout.leftX, -layout.leftY);
        cairo_scale(cr, -1, 1);
    }
    draw(cr);
    cairo_restore(cr);
    return canvas;
}

std::string PartFile(Part part, bool facingRight)
{
    return std::string("act1_sprites\\snowmobile\\") + kParts[part].name + (facingRight ? "001.spx" : "002.spx");
}

void WriteSet(const OutputTree& out, bool facingRight)
{
    {
        SpriteBuilder sprite;
        sprite.AddFrame(PartCanvas(kBody, facingRight, DrawBody), 0, 0);
        WriteOrThrow(out.MediaPath(PartFile(kBody, facingRight)), sprite.Encode());
    }
    {
        SpriteBuilder sprite;
        for (int frame = 0; frame < 20; ++frame)
            sprite.AddFrame(PartCanvas(kHead, facingRight, [frame](cairo_t* cr) { DrawHead(cr, frame); }), 0, 0);
        WriteOrThrow(out.MediaPath(PartFile(kHead, facingRight)), sprite.Encode());
    }
    {
        SpriteBuilder sprite;
        for (int frame = 0; frame < 3; ++frame)
            sprite.AddFrame(
                PartCanvas(kTreads, facingRight, [frame](cairo_t* cr) { DrawTreads(cr, frame / 3.0); }), 0, 0);
        WriteOrThrow(out.MediaPath(PartFile(kTreads, facingRight)), sprite.Encode());
    }
    {
        SpriteBuilder sprite;
        for (int frame = 0; frame < 4; ++frame)
            sprite.AddFrame(PartCanvas(kSnow, facingRight, [frame](cairo_t* cr) { DrawSnowSpray(cr, frame); }), 0, 0);
        WriteOrThrow(out.MediaPath(PartFile(kSnow, facingRight)), sprite.Encode());
    }
    {
        // The swinging lid and the sparkle rise above the crate: those frames are taller
        // and placed as much higher.
        constexpr int kLidRoom = 30;
        SpriteBuilder sprite;
        for (int frame = 0; frame < 6; ++frame) {
            const int grow = frame == 0 ? 0 : kLidRoom;
            sprite.AddFrame(
                PartCanvas(kTrunk, facingRight, [frame](cairo_t* cr) { DrawTrunk(cr, frame); }, grow), 0, -grow);
        }
        WriteOrThrow(out.MediaPath(PartFile(kTrunk, facingRight)), sprite.Encode());
    }
}

void WriteSnowmobile(const OutputTree& out)
{
    WriteSet(out, true);
    WriteSet(out, false);
}

const RegisterGenerator kRegistration("act1-snowmobile", &WriteSnowmobile);

} // namespace
