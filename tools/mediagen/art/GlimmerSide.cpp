// Glimmer in profile: a rig of body, head and four legs posed per animation, then painted.
#include "GlimmerParts.h"

#include <cmath>

namespace mediagen {

namespace {

using namespace glimmer;

// Leg angles from the vertical, in radians; positive swings the part forward.
struct Leg {
    double upper, lower;
};

struct SideRig {
    Point body{-4, -46};  // body centre, from the anchor
    double tilt = 0;      // body rotation; negative lifts the chest
    Point head{33, -35};  // head centre in body space
    double headTilt = 0;
    Leg nearFront{0.04, 0}, farFront{-0.08, 0.02}, nearBack{-0.1, 0.08}, farBack{0.06, -0.02};
    double earLift = 1;   // 1 pricked up, 0 drooping
    double tailLift = 1;
    double scarfStream = 0; // 0 hangs, 1 streams straight back
    double scarfWave = 0.3;
    Mood mood = Mood::Happy;
    Point look{0.45, 0};
};

constexpr Point kNearFrontHip{17, 8}, kFarFrontHip{22, 6}, kNearBackHip{-19, 6}, kFarBackHip{-14, 5};
constexpr double kThigh = 17, kShin = 12.5, kHoofLength = 4.5;

SideRig RigFor(const GlimmerLook& look)
{
    SideRig r;
    const double s = Turn(look.phase);
    switch (look.pose) {
    case GlimmerPose::Stand:
        r.scarfWave = 0.25;
        break;
    case GlimmerPose::Run: {
        auto front = [&](double off) {
            const double a = s + off;
            return Leg{0.6 * std::sin(a), 0.6 * std::sin(a) - 1.1 * std::max(0.0, std::sin(a + 1.3))};
        };
        auto back = [&](double off) {
            const double a = s + off + M_PI;
            return Leg{0.55 * std::sin(a), 0.55 * std::sin(a) - 1.2 * std::max(0.0, std::sin(a + 1.3)) + 0.15};
        };
        r.nearFront = front(0);
        r.farFront = front(0.7);
        r.nearBack = back(0);
        r.farBack = back(0.7);
        r.body.y = -46 - 3.5 * std::max(0.0, std::sin(s + 0.4));
        r.tilt = 0.07 * std::sin(s);
        r.headTilt = -0.08 * std::sin(s) - 0.05;
        r.scarfStream = 0.7;
        r.scarfWave = 0.8;
        r.earLift = 0.9;
        break;
    }
    case GlimmerPose::Fly:
        r.body.y = -50 - 3 * std::sin(s);
        r.tilt = -0.12;
        r.headTilt = 0.05;
        r.nearFront = {1.25, -0.55};
        r.farFront = {1.05, -0.75};
        r.nearBack = {-1.05, -1.35};
        r.farBack = {-0.85, -1.2};
        r.scarfStream = 1;
        r.scarfWave = 1;
        r.earLift = 0.8;
        break;
    case GlimmerPose::Wave:
        r.nearFront = {1.6 + 0.22 * std::sin(s), 2.5 + 0.45 * std::sin(s)};
        r.headTilt = -0.08;
        r.mood = Mood::Joyful;
        r.look = {0.8, -0.2};
        break;
    case GlimmerPose::Cheer: {
        const double hop = std::fabs(std::sin(s / 2 + 0.3));
        r.body.y = -50 - 12 * hop;
        r.tilt = -0.1;
        r.headTilt = -0.15;
        r.nearFront = {0.9, 0.45};
        r.farFront = {1.1, 0.6};
        r.nearBack = {-0.8, -0.4};
        r.farBack = {-0.6, -0.3};
        r.mood = Mood::Joyful;
        r.scarfStream = 0.4;
        r.scarfWave = 0.7;
        break;
    }
    case GlimmerPose::Sad:
        r.body.y = -45;
        r.tilt = 0.05;
        r.head = {36, -21};
        r.headTilt = 0.42 + 0.03 * std::sin(s);
        r.earLift = 0;
        r.tailLift = 0;
        r.mood = Mood::Sad;
        r.look = {0.3, 0.7};
        r.scarfWave = 0.1;
        break;
    case GlimmerPose::Drive:
        r.body = {9, -18};
        r.tilt = -0.38;
        r.headTilt = 0.32;
        r.nearBack = {1.5, 0.15};
        r.farBack = {1.45, 0.1};
        r.nearFront = {1.05, 1.55};
        r.farFront = {1.15, 1.65};
        r.scarfStream = 1;
        r.scarfWave = 0.9;
        r.earLift = 0.7;
        break;
    }
    return r;
}

void DrawLeg(cairo_t* cr, Point hip, Leg leg, double tilt, int fur)
{
    cairo_save(cr);
    cairo_translate(cr, hip.x, hip.y);
    cairo_rotate(cr, -tilt);
    const Point knee{std::sin(leg.upper) * kThigh, std::cos(leg.upper) * kThigh};
    const Point ankle{knee.x + std::sin(leg.lower) * kShin, knee.y + std::cos(leg.lower) * kShin};
    const Point tip{knee.x + std::sin(leg.lower) * (kShin + kHoofLength), knee.y + std::cos(leg.lower) * (kShin + kHoofLength)};
    const double o = 2 * DeviceToUser(cr, kOutlinePx);
    auto seg = [&](Point a, Point b, double w, int ink) {
        cairo_new_path(cr);
        cairo_move_to(cr, a.x, a.y);
        cairo_line_to(cr, b.x, b.y);
        StrokeOnly(cr, ink, w);
    };
    seg({0, 0}, knee, 11 + o, kInk);
    seg(knee, tip, 7 + o, kInk);
    seg({0, 0}, knee, 11, fur);
    seg(knee, ankle, 7, fur);
    // The hoof: a dark band from the ankle to the tip, split by a small cleft.
    cairo_new_path(cr);
    cairo_move_to(cr, ankle.x, ankle.y);
    cairo_line_to(cr, tip.x, tip.y);
    StrokeOnly(cr, kHoof, 7);
    cairo_restore(cr);
}

void DrawTail(cairo_t* cr, double lift)
{
    // From drooping down-back (lift 0) round to cocked up-back (lift 1).
    const double a = 2.21 + (3.92 - 2.21) * lift;
    const Point base{-27, -6};
    Ear(cr, base, {base.x + 12 * std::cos(a), base.y + 12 * std::sin(a)}, 6.5, kCream, kCreamShade);
}

// Points of the neck, from the shoulders to the back of the head, in body space.
void NeckPath(cairo_t* cr, const SideRig& r)
{
    SmoothPath(cr, {{2, -13}, {r.head.x - 12, r.head.y + 1}, {r.head.x + 3, r.head.y + 12}, {26, -2}, {14, 2}});
}

void DrawScarf(cairo_t* cr, const SideRig& r, double phase)
{
    const Point base{14, -6};
    const Point top{r.head.x - 2, r.head.y + 8};
    double ax = top.x - base.x, ay = top.y - base.y;
    const double len = std::hypot(ax, ay);
    ax /= len;
    ay /= len;
    double nx = -ay, ny = ax;
    if (nx > 0) {
        nx = -nx;
        ny = -ny;
    }
    const Point c{base.x + ax * len * 0.5, base.y + ay * len * 0.5};
    const double half = 11.5, thick = 4.2;
    const Point knot{c.x + nx * (half - 2), c.y + ny * (half - 2)};

    const double hang = 0.6 * M_PI - r.tilt, stream = M_PI + 0.06 - r.tilt;
    const double dir = hang + (stream - hang) * r.scarfStream;
    ScarfTail(cr, knot, dir + 0.22, 25, 6.5, r.scarfWave, phase + 0.25);
    ScarfTail(cr, knot, dir, 30, 7, r.scarfWave, phase);

    PolygonPath(cr, {{c.x + nx * half - ax * thick, c.y + ny * half - ay * thick},
                     {c.x - nx * half - ax * thick, c.y - ny * half - ay * thick},
                     {c.x - nx * half + ax * thick, c.y - ny * half + ay * thick},
                     {c.x + nx * half + ax * thick, c.y + ny * half + ay * thick}});
    FillOutlined(cr, kScarf, pal::kRed[1]);
    cairo_new_path(cr);
    cairo_move_to(cr, c.x + nx * (half - 1), c.y + ny * (half - 1));
    cairo_line_to(cr, c.x - nx * (half - 1), c.y - ny * (half - 1));
    StrokeOnly(cr, kScarfStripe, 1.6);
    CirclePath(cr, knot.x, knot.y, 4.2);
    FillOutlined(cr, kScarfShade, pal::kRed[1]);
}

// The head's own space: at its centre, tilted, and mirrored when it looks back.
void EnterHeadSpace(cairo_t* cr, const SideRig& r, bool lookBack)
{
    cairo_translate(cr, r.head.x, r.head.y);
    cairo_rotate(cr, r.headTilt);
    if (lookBack) cairo_scale(cr, -1, 1);
}

void DrawHead(cairo_t* cr, const SideRig& r, const GlimmerLook& look, bool front)
{
    cairo_save(cr);
    EnterHeadSpace(cr, r, look.lookBack);
    const Point earBase{-7, -8};
    const Point earTip = r.earLift > 0.5 ? Point{-23 + 4 * (1 - r.earLift), -17 + 10 * (1 - r.earLift)}
                                         : Point{-21, 2 - 6 * r.earLift};
    if (!front) {
        Antler(cr, {5, -13}, -1, 0.95, kAntlerFar);
        Ear(cr, {-4, -10}, {earTip.x + 3, earTip.y - 2}, 5.5, kFurFar);
        Ear(cr, earBase, earTip, 6, kFur);
    } else {
        EllipsePath(cr, 17, 7.5, 10.5, 6.5, 0.12);
        FillOnly(cr, kCream);
        EllipsePath(cr, 8, 7, 3.6, 2.2);
        FillOnly(cr, pal::kPink[6]);
        Eye(cr, 5, -4, 5.8, 7.2, r.look.x, r.look.y, r.mood);
        Mouth(cr, 18.5, 10.5, 8.5, r.mood);
        Nose(cr, 27, 3, 5.2, look.noseGlow);
        Antler(cr, {-2, -13}, -1, 1.0, kAntler);
    }
    cairo_restore(cr);
}

void HeadShape(cairo_t* cr, const SideRig& r, bool lookBack)
{
    cairo_save(cr);
    EnterHeadSpace(cr, r, lookBack);
    CirclePath(cr, 0, 0, 15.5);
    EllipsePath(cr, 14, 5.5, 14, 9.5, 0.12);
    cairo_restore(cr);
}

} // namespace

void DrawGlimmerSide(cairo_t* cr, const GlimmerLook& look)
{
    SideRig r = RigFor(look);
    if (look.lookBack) {
        // Turned over his shoulder: the head sits a little back and up, the eyes on the viewer's left.
        r.head = {r.head.x - 6, r.head.y - 4};
        r.headTilt = -0.12;
        r.look = {0.55, -0.15};
    }
    cairo_save(cr);
    cairo_translate(cr, r.body.x, r.body.y);
    cairo_rotate(cr, r.tilt);

    DrawHead(cr, r, look, false);
    DrawLeg(cr, kFarBackHip, r.farBack, r.tilt, kFurFar);
    DrawLeg(cr, kFarFrontHip, r.farFront, r.tilt, kFurFar);
    DrawTail(cr, r.tailLift);
    DrawLeg(cr, kNearBackHip, r.nearBack, r.tilt, kFur);
    DrawLeg(cr, kNearFrontHip, r.nearFront, r.tilt, kFur);

    cairo_new_path(cr);
    EllipsePath(cr, 0, 0, 30, 17);
    NeckPath(cr, r);
    HeadShape(cr, r, look.lookBack);
    Silhouette(cr, kFur, kInk);

    cairo_save(cr);
    EllipsePath(cr, 0, 0, 30, 17);
    cairo_clip(cr);
    EllipsePath(cr, -3, -10, 22, 5.5);
    FillOnly(cr, kFurLight);
    EllipsePath(cr, 4, 12, 23, 8);
    FillOnly(cr, kCream);
    cairo_restore(cr);

    DrawScarf(cr, r, look.phase);
    DrawHead(cr, r, look, true);
    cairo_restore(cr);
}

} // namespace mediagen
