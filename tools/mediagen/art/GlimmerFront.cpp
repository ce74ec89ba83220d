// Glimmer turned three-quarters towards the viewer, standing up on his hind legs like a mascot.
#include "GlimmerParts.h"

#include <cmath>

namespace mediagen {

namespace {

using namespace glimmer;

struct Arm {
    Point shoulder, elbow, hoof;
};

struct FrontRig {
    double lift = 0;       // the whole figure rises (a hop)
    double headTilt = 0;   // radians, positive nods to the right
    Point headOffset{0, 0};
    Arm left{{-15, -60}, {-21, -47}, {-19, -35}};
    Arm right{{15, -60}, {21, -47}, {19, -35}};
    double kneeBend = 0;
    double earLift = 1;
    Mood mood = Mood::Happy;
    Point look{0.4, 0.1};
    double scarfWave = 0.3;
};

FrontRig RigFor(const GlimmerLook& look)
{
    FrontRig r;
    const double s = Turn(look.phase);
    switch (look.pose) {
    case GlimmerPose::Wave:
        r.right = {{15, -60}, {30, -70}, {33 + 5 * std::sin(s), -88}};
        r.headTilt = 0.08;
        r.mood = Mood::Joyful;
        break;
    case GlimmerPose::Cheer: {
        const double hop = std::fabs(std::sin(s / 2 + 0.3));
        r.lift = 10 * hop;
        r.kneeBend = 3 * (1 - hop);
        const double wiggle = 3 * std::sin(s);
        r.left = {{-15, -60}, {-28, -73}, {-31 - wiggle, -92}};
        r.right = {{15, -60}, {28, -73}, {31 + wiggle, -92}};
        r.mood = Mood::Joyful;
        r.scarfWave = 0.8;
        break;
    }
    case GlimmerPose::Sad:
        r.left = {{-13, -58}, {-16, -45}, {-10, -36}};
        r.right = {{13, -58}, {16, -45}, {10, -36}};
        r.headOffset = {0, 4};
        r.headTilt = 0.2 + 0.03 * std::sin(s);
        r.earLift = 0;
        r.mood = Mood::Sad;
        r.look = {0.2, 0.8};
        r.scarfWave = 0.1;
        break;
    case GlimmerPose::Run:
    case GlimmerPose::Fly:
    case GlimmerPose::Drive: {
        // Seen from the front these read best as an excited bounce on the spot.
        const double swing = 6 * std::sin(s);
        r.lift = 3 * std::fabs(std::sin(s));
        r.left.hoof = {-19 - swing, -35 - std::fabs(swing)};
        r.right.hoof = {19 - swing, -35 - std::fabs(swing)};
        r.scarfWave = 0.7;
        break;
    }
    case GlimmerPose::Stand:
        r.left.hoof.x += std::sin(s) * 0.5;
        break;
    }
    return r;
}

void DrawArm(cairo_t* cr, const Arm& a, int fur)
{
    const double o = 2 * DeviceToUser(cr, kOutlinePx);
    auto seg = [&](Point p, Point q, double w, int ink) {
        cairo_new_path(cr);
        cairo_move_to(cr, p.x, p.y);
        cairo_line_to(cr, q.x, q.y);
        StrokeOnly(cr, ink, w);
    };
    seg(a.shoulder, a.elbow, 10 + o, kInk);
    seg(a.elbow, a.hoof, 8 + o, kInk);
    seg(a.shoulder, a.elbow, 10, fur);
    seg(a.elbow, a.hoof, 8, fur);
    const double dx = a.hoof.x - a.elbow.x, dy = a.hoof.y - a.elbow.y, l = std::hypot(dx, dy);
    seg({a.hoof.x - dx / l * 3.5, a.hoof.y - dy / l * 3.5}, a.hoof, 8.5, kHoof);
}

void DrawHindLeg(cairo_t* cr, double x, double bend)
{
    Limb(cr, {{x * 0.8, -30}, {x + bend, -15}, {x, -5}}, 11, kFur, kInk);
    EllipsePath(cr, x + (x > 0 ? 1.5 : -1.5), -3.5, 7.5, 4.2);
    FillOutlined(cr, kHoof, kInk);
}

} // namespace

void DrawGlimmerThreeQuarter(cairo_t* cr, const GlimmerLook& look)
{
    const FrontRig r = RigFor(look);
    DrawHindLeg(cr, -11, -r.kneeBend);
    DrawHindLeg(cr, 11, r.kneeBend);

    cairo_save(cr);
    cairo_translate(cr, 0, -r.lift);

    DrawArm(cr, r.left, kFurFar);
    // The body: a pear, narrow at the shoulders.
    SmoothPath(cr, {{0, -26}, {-17, -30}, {-21, -46}, {-14, -63}, {0, -69}, {14, -63}, {21, -46}, {17, -30}});
    Silhouette(cr, kFur, kInk);
    EllipsePath(cr, 3, -43, 12, 15);
    FillOnly(cr, kCream);

    const double earTipY = -104 + 22 * (1 - r.earLift);
    cairo_save(cr);
    cairo_translate(cr, 2 + r.headOffset.x, -90 + r.headOffset.y);
    cairo_rotate(cr, r.headTilt);
    cairo_translate(cr, -2, 90);
    Antler(cr, {-9, -105}, -1, 1.0, kAntler);
    Antler(cr, {11, -106}, 1, 0.92, kAntlerFar);
    Ear(cr, {-16, -97}, {-36, earTipY}, 6, kFur);
    Ear(cr, {18, -98}, {36, earTipY - 4}, 5.5, kFurFar);
    cairo_restore(cr);

    // Scarf tails hang over the chest, under the head.
    ScarfTail(cr, {-9, -65}, M_PI / 2 + 0.25, 24, 7, r.scarfWave, look.phase);
    ScarfTail(cr, {-5, -65}, M_PI / 2 - 0.05, 20, 6.5, r.scarfWave, look.phase + 0.3);
    EllipsePath(cr, 0, -68, 18, 5.5);
    FillOutlined(cr, kScarf, pal::kRed[1]);
    cairo_new_path(cr);
    cairo_move_to(cr, -16, -67);
    cairo_curve_to(cr, -6, -64, 6, -64, 16, -67);
    StrokeOnly(cr, kScarfStripe, 1.6);

    cairo_save(cr);
    cairo_translate(cr, 2 + r.headOffset.x, -90 + r.headOffset.y);
    cairo_rotate(cr, r.headTilt);
    cairo_new_path(cr);
    EllipsePath(cr, 0, 0, 21, 19.5);
    EllipsePath(cr, 8, 11, 13.5, 9.5, -0.08);
    Silhouette(cr, kFur, kInk);
    EllipsePath(cr, -6, -12, 9, 4.5, -0.3);
    FillOnly(cr, kFurLight);
    EllipsePath(cr, 8, 12, 12, 8, -0.08);
    FillOnly(cr, kCream);
    EllipsePath(cr, -14, 6, 3.5, 2.2);
    FillOnly(cr, pal::kPink[6]);
    Eye(cr, -7, -7, 5.6, 7.6, r.look.x, r.look.y, r.mood);
    Eye(cr, 10, -8, 5.0, 7.0, r.look.x, r.look.y, r.mood, true);
    Mouth(cr, 8, 15.5, 9.5, r.mood);
    Nose(cr, 11, 7, 5.6, look.noseGlow);
    cairo_restore(cr);

    DrawArm(cr, r.right, kFur);
    cairo_restore(cr);
}

} // namespace mediagen
