// Tobin the elf, built from outlined shapes like the rest of the kit.
#include "StoryElf.h"

#include "paint/GamePalette.h"

#include <cmath>

namespace mediagen {

namespace {

constexpr int kInk = pal::kBlack;
constexpr int kSkin = pal::kSkin[6];
constexpr int kSkinShade = pal::kSkin[4];
constexpr int kCheek = pal::kPink[5];
constexpr int kHat = pal::kRed[8];
constexpr int kHatShade = pal::kRed[5];
constexpr int kTrim = pal::kSnow[15];
constexpr int kBell = pal::kGold[11];
constexpr int kBelt = pal::kFur[2];
constexpr int kBuckle = pal::kGold[12];
constexpr int kStripeA = pal::kRed[8];
constexpr int kStripeB = pal::kSnow[15];
constexpr int kShoe = pal::kGreen[3];

double Turn(double phase) { return phase * 2 * M_PI; }

struct ElfRig {
    double lift = 0;
    Point head{0, -62};
    double headTilt = 0;
    Point leftHand{-16, -30};
    Point rightHand{16, -30};
    bool sitting = false;
};

ElfRig RigFor(const ElfLook& look)
{
    ElfRig r;
    const double s = Turn(look.phase);
    switch (look.pose) {
    case ElfPose::Sit:
        r.sitting = true;
        r.head = {0, -52};
        r.headTilt = look.sad ? 0.18 : 0;
        r.leftHand = {-6, -16};
        r.rightHand = {8, -16};
        break;
    case ElfPose::Throw: {
        // The arm circles from behind the back, over the head, to the front.
        const double a = M_PI * (1.15 - 1.3 * look.phase);
        r.rightHand = {24 * std::cos(a), -52 - 24 * std::sin(a)};
        r.headTilt = 0.1 - 0.2 * look.phase;
        break;
    }
    case ElfPose::Cheer:
        r.lift = 6 * std::fabs(std::sin(s / 2));
        r.leftHand = {-22, -70 - 3 * std::sin(s)};
        r.rightHand = {22, -70 + 3 * std::sin(s)};
        break;
    case ElfPose::Point:
        r.rightHand = {32, -50};
        break;
    case ElfPose::Stand:
        r.leftHand.y += std::sin(s);
        break;
    }
    if (look.sad && !r.sitting) {
        r.headTilt += 0.15;
        r.head.y += 2;
    }
    return r;
}

void Arm(cairo_t* cr, Point shoulder, Point hand, int sleeve)
{
    Limb(cr, {shoulder, hand}, 7, sleeve, kInk);
    CirclePath(cr, hand.x, hand.y, 4);
    FillOutlined(cr, kSkin, kInk);
}

void StripedLeg(cairo_t* cr, Point hip, Point foot, double toe)
{
    Limb(cr, {hip, foot}, 7, kStripeA, kInk);
    const double dx = foot.x - hip.x, dy = foot.y - hip.y;
    for (double t = 0.25; t < 0.95; t += 0.3) {
        cairo_new_path(cr);
        cairo_move_to(cr, hip.x + dx * t, hip.y + dy * t);
        cairo_line_to(cr, hip.x + dx * (t + 0.12), hip.y + dy * (t + 0.12));
        StrokeOnly(cr, kStripeB, 5.5);
    }
    // A curly elf shoe with its tip rolled up.
    cairo_new_path(cr);
    cairo_move_to(cr, foot.x - 5, foot.y + 2);
    cairo_curve_to(cr, foot.x + 2, foot.y - 4, foot.x + 12 * toe, foot.y - 2, foot.x + 14 * toe, foot.y - 8);
    cairo_curve_to(cr, foot.x + 16 * toe, foot.y + 2, foot.x + 6 * toe, foot.y + 4, foot.x - 5, foot.y + 3);
    cairo_close_path(cr);
    FillOutlined(cr, kShoe, kInk);
}

// The white fur band of the hat, across the forehead.
void RoundTrim(cairo_t* cr)
{
    EllipsePath(cr, 0, -8, 15.5, 4);
    FillOutlined(cr, kTrim, kInk);
}

void Hat(cairo_t* cr, const ElfLook& look)
{
    // The long hat flops back and the bell swings with the phase.
    const double swing = 5 * std::sin(Turn(look.phase));
    const Point tip{-26 + swing, -30 + std::fabs(swing) * 0.5};
    cairo_new_path(cr);
    cairo_move_to(cr, -15, -6);
    cairo_curve_to(cr, -14, -24, -4, -28, 6, -26);
    cairo_curve_to(cr, 2, -34, tip.x + 10, tip.y - 6, tip.x, tip.y);
    cairo_curve_to(cr, tip.x + 8, tip.y + 2, -4, -18, 15, -6);
    cairo_close_path(cr);
    FillOutlined(cr, kHat, kInk);
    cairo_new_path(cr);
    cairo_move_to(cr, -6, -22);
    cairo_curve_to(cr, -12, -26, tip.x + 12, tip.y, tip.x + 4, tip.y + 1);
    StrokeOnly(cr, kHatShade, 2);
    RoundTrim(cr);
    CirclePath(cr, tip.x - 2, tip.y + 3, 4.2);
    FillOutlined(cr, kBell, kInk);
    CirclePath(cr, tip.x - 3, tip.y + 2, 1.2);
    FillOnly(cr, pal::kGold[15]);
}

void Face(cairo_t* cr, const ElfLook& look)
{
    // Pointed ears first, behind the face.
    for (int side : {-1, 1}) {
        cairo_new_path(cr);
        cairo_move_to(cr, side * 11, -4);
        cairo_line_to(cr, side * 22, -10);
        cairo_line_to(cr, side * 12, 4);
        cairo_close_path(cr);
        FillOutlined(cr, kSkin, kInk);
    }
    CirclePath(cr, 0, 0, 13);
    FillOutlined(cr, kSkin, kInk);
    EllipsePath(cr, 3, 7, 9, 4);
    FillOnly(cr, kSkinShade, 0.35);
    for (int side : {-1, 1}) {
        CirclePath(cr, side * 7 + 2, 4, 3);
        FillOnly(cr, kCheek);
    }
    // Eyes: ovals that close from the top as eyesOpen falls.
    for (int side : {-1, 1}) {
        const double cx = side * 5 + 2, cy = -2;
        if (look.eyesOpen > 0.15) {
            EllipsePath(cr, cx, cy, 2.3, 3.2 * look.eyesOpen);
            FillOnly(cr, kInk);
            CirclePath(cr, cx + 0.7, cy - 1.2 * look.eyesOpen, 0.8);
            FillOnly(cr, pal::kWhite);
        } else {
            cairo_new_path(cr);
            cairo_move_to(cr, cx - 2.6, cy);
            cairo_curve_to(cr, cx - 1, cy + 1.6, cx + 1, cy + 1.6, cx + 2.6, cy);
            StrokeOnly(cr, kInk, 1.4);
        }
        if (look.sad) {
            cairo_new_path(cr);
            cairo_move_to(cr, cx - 3, cy - 4.5 + side * 1.2);
            cairo_line_to(cr, cx + 3, cy - 4.5 - side * 1.2);
            StrokeOnly(cr, kInk, 1.3);
        }
    }
    // Button nose and the mouth.
    CirclePath(cr, 3, 2, 2.4);
    FillOutlined(cr, pal::kSkin[5], kInk, 1.2);
    if (look.mouthOpen) {
        EllipsePath(cr, 3, 8, 4, 3);
        FillOutlined(cr, pal::kRed[2], kInk, 1.2);
        EllipsePath(cr, 3, 9.5, 2.2, 1.2);
        FillOnly(cr, pal::kPink[5]);
        return;
    }
    cairo_new_path(cr);
    if (look.sad) {
        cairo_move_to(cr, -1, 9);
        cairo_curve_to(cr, 1, 6.5, 5, 6.5, 7, 9);
    } else {
        cairo_move_to(cr, -2, 6.5);
        cairo_curve_to(cr, 0, 10, 6, 10, 8, 6.5);
    }
    StrokeOnly(cr, kInk, 1.5);
}

void Head(cairo_t* cr, const ElfRig& r, const ElfLook& look)
{
    cairo_save(cr);
    cairo_translate(cr, r.head.x, r.head.y);
    cairo_rotate(cr, r.headTilt);
    Face(cr, look);
    Hat(cr, look);
    cairo_restore(cr);
}

void Body(cairo_t* cr, const ElfRig& r, const ElfLook& look)
{
    const int tunic = look.tunic != 0 ? look.tunic : pal::kGreen[8];
    const int tunicShade = look.tunic != 0 ? look.tunic - 2 : pal::kGreen[5];
    if (r.sitting) {
        StripedLeg(cr, {-2, -8}, {20, -4}, 1);
        StripedLeg(cr, {4, -8}, {26, -2}, 1);
    } else {
        StripedLeg(cr, {-5, -22}, {-6, -4}, -1);
        StripedLeg(cr, {5, -22}, {7, -4}, 1);
    }
    const double top = r.sitting ? -42 : -50, bottom = r.sitting ? -8 : -20;
    Arm(cr, {-8, top + 4}, r.leftHand, tunicShade);
    // The tunic flares into a zig-zag hem.
    cairo_new_path(cr);
    cairo_move_to(cr, -8, top);
    cairo_line_to(cr, 8, top);
    cairo_line_to(cr, 14, bottom);
    for (int k = 0; k < 4; ++k) {
        cairo_line_to(cr, 14 - 7 * k - 3.5, bottom - 4);
        cairo_line_to(cr, 14 - 7 * (k + 1), bottom);
    }
    cairo_close_path(cr);
    FillOutlined(cr, tunic, kInk);
    cairo_rectangle(cr, -10, bottom - 13, 21, 4);
    FillOnly(cr, kBelt);
    cairo_rectangle(cr, -1, bottom - 14, 5, 6);
    FillOutlined(cr, kBuckle, kInk, 1);
    EllipsePath(cr, 0, top + 1, 10, 3);
    FillOutlined(cr, kTrim, kInk, 1.2);
    Arm(cr, {8, top + 4}, r.rightHand, tunic);
}

} // namespace

void DrawElf(cairo_t* cr, const Placement& placement, const ElfLook& look)
{
    FigureSpace space(cr, placement);
    const ElfRig r = RigFor(look);
    cairo_translate(cr, 0, -r.lift);
    Body(cr, r, look);
    Head(cr, r, look);
}

void DrawElfHead(cairo_t* cr, const Placement& placement, const ElfLook& look)
{
    FigureSpace space(cr, placement);
    const ElfRig r = RigFor(look);
    cairo_translate(cr, 0, -r.lift);
    Head(cr, r, look);
}

} // namespace mediagen
