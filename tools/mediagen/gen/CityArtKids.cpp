// Group "act2-cities", children: the child of each city who waits for the gift ("child_N.spx"),
// waving from the lit circle in the corner of the ride.
#include "CityPlan.h"
#include "MediaGenerator.h"
#include "art/ArtPen.h"
#include "paint/Canvas.h"
#include "paint/GamePalette.h"
#include "paint/Ink.h"
#include "paint/SpriteBuilder.h"

#include <cmath>
#include <string>

namespace mediagen {
namespace {

constexpr int kInk = pal::kBlack;

enum class Hair { Short, Long, Pigtails, Bun, Curly };
enum class Hat { None, Beanie, Earmuffs, Flower };

struct KidLook {
    int skin;
    int hair;
    Hair style;
    int coat;
    int scarf;
    Hat hat;
};

KidLook LookOf(const WorldCity& city)
{
    const int region = RegionIndex(city.region);
    static const int kSkins[kRegionCount] = {pal::kSkin[6], pal::kSkin[6], pal::kSkin[1], pal::kSkin[3], pal::kSkin[3],
                                             pal::kSkin[5], pal::kSkin[4], pal::kSkin[5], pal::kSkin[3]};
    static const int kCoats[6] = {pal::kRed[8], pal::kBlue[5], pal::kGreen[7], pal::kPurple[5], pal::kOrange[4], pal::kCyan[4]};
    static const int kScarves[4] = {pal::kWhite, pal::kGold[11], pal::kRed[10], pal::kGreen[9]};
    const int n = city.number;
    int skin = kSkins[region];
    if (region == RegionIndex(WorldRegion::NorthAmerica) || region == RegionIndex(WorldRegion::Oceania))
        skin = pal::kSkin[(n * 3) % 7 + 1];
    const int hairs[4] = {pal::kFur[1], kInk, pal::kGold[9], pal::kOrange[2]};
    const bool dark = region != 0 && region != 1 && region != 7;
    const int hair = dark ? (n % 3 ? kInk : pal::kFur[1]) : hairs[n % 4];
    const Hair style = static_cast<Hair>(n % 5);
    const Hat hat = SnowyRegion(region) ? (n % 2 ? Hat::Beanie : Hat::Earmuffs) : (n % 3 == 0 ? Hat::Flower : Hat::None);
    return {skin, hair, style, kCoats[n % 6], kScarves[n % 4], hat};
}

// The child from the waist up, the left arm waving over its head; wave 0..1.
void DrawKid(cairo_t* cr, const KidLook& look, double wave)
{
    const double cx = 62, headY = 52;
    // Body and coat.
    SmoothPath(cr, {{cx - 40, 150}, {cx - 38, 110}, {cx - 26, 92}, {cx, 88}, {cx + 26, 92}, {cx + 38, 110}, {cx + 40, 150}});
    FillOutlined(cr, look.coat, kInk);
    cairo_new_path(cr);
    cairo_move_to(cr, cx, 96);
    cairo_line_to(cr, cx, 150);
    StrokeOnly(cr, kInk, 1.5);
    for (double y = 108; y < 150; y += 14) {
        CirclePath(cr, cx + 5, y, 2);
        FillOnly(cr, pal::kGold[12]);
    }
    // The waving arm: shoulder to a raised mitten that swings.
    const double a = -2.2 + 0.55 * std::sin(wave * 6.283185307179586);
    const double hx = cx + 26 + std::cos(a) * 44, hy = 100 + std::sin(a) * 44;
    Limb(cr, {{cx + 26, 100}, {hx, hy}}, 13, look.coat, kInk);
    CirclePath(cr, hx, hy, 8);
    FillOutlined(cr, look.scarf == pal::kWhite ? pal::kRed[9] : pal::kWhite, kInk);
    // The other arm resting.
    Limb(cr, {{cx - 28, 102}, {cx - 34, 140}}, 12, look.coat, kInk);
    // Long hair falls behind the head.
    if (look.style == Hair::Long) {
        SmoothPath(cr, {{cx - 30, headY - 10}, {cx - 34, headY + 34}, {cx + 34, headY + 34}, {cx + 30, headY - 10}});
        FillOutlined(cr, look.hair, kInk);
    }
    if (look.style == Hair::Pigtails) {
        for (double side : {-1.0, 1.0}) {
            EllipsePath(cr, cx + side * 34, headY + 14, 8, 14, side * 0.3);
            FillOutlined(cr, look.hair, kInk);
        }
    }
    // Head.
    CirclePath(cr, cx, headY, 30);
    FillOutlined(cr, look.skin, kInk);
    // Hair on top.
    cairo_new_path(cr);
    cairo_arc(cr, cx, headY, 31, M_PI * 1.05, M_PI * 1.95);
    cairo_curve_to(cr, cx + 18, headY - 14, cx - 10, headY - 10, cx - 29, headY - 4);
    cairo_close_path(cr);
    FillOutlined(cr, look.hair, kInk);
    if (look.style == Hair::Curly) {
        for (int k = 0; k < 7; ++k) {
            CirclePath(cr, cx - 27 + k * 9, headY - 24 - std::sin(k * 0.45) * 6, 7);
            FillOutlined(cr, look.hair, kInk, 1.5);
        }
    }
    if (look.style == Hair::Bun) {
        CirclePath(cr, cx + 4, headY - 36, 10);
        FillOutlined(cr, look.hair, kInk);
    }
    // Face: big eyes, rosy cheeks, open happy mouth.
    for (double side : {-1.0, 1.0}) {
        EllipsePath(cr, cx + side * 11, headY + 2, 5, 6.5);
        FillOnly(cr, pal::kWhite);
        CirclePath(cr, cx + side * 11, headY + 3, 3.6);
        FillOnly(cr, kInk);
        CirclePath(cr, cx + side * 11 + 1.2, headY + 1.5, 1.2);
        FillOnly(cr, pal::kWhite);
        CirclePath(cr, cx + side * 18, headY + 13, 4.5);
        FillOnly(cr, pal::kPink[5], 0.9);
    }
    cairo_new_path(cr);
    cairo_move_to(cr, cx - 9, headY + 14);
    cairo_curve_to(cr, cx - 6, headY + 24, cx + 6, headY + 24, cx + 9, headY + 14);
    cairo_close_path(cr);
    FillOutlined(cr, pal::kRed[5], kInk, 1.5);
    // Scarf.
    SmoothPath(cr, {{cx - 26, 84}, {cx, 90}, {cx + 26, 84}, {cx + 24, 94}, {cx, 100}, {cx - 24, 94}});
    FillOutlined(cr, look.scarf, kInk);
    Limb(cr, {{cx - 14, 94}, {cx - 18, 122}}, 8, look.scarf, kInk);
    // Hat.
    switch (look.hat) {
    case Hat::Beanie:
        cairo_new_path(cr);
        cairo_arc(cr, cx, headY - 8, 30, M_PI, 2 * M_PI);
        cairo_close_path(cr);
        FillOutlined(cr, look.scarf == pal::kWhite ? pal::kRed[8] : look.scarf, kInk);
        cairo_new_path(cr);
        cairo_rectangle(cr, cx - 31, headY - 12, 62, 9);
        FillOutlined(cr, pal::kWhite, kInk);
        CirclePath(cr, cx, headY - 42, 8);
        FillOutlined(cr, pal::kWhite, kInk);
        break;
    case Hat::Earmuffs:
        cairo_new_path(cr);
        cairo_arc(cr, cx, headY, 33, M_PI * 1.1, M_PI * 1.9);
        StrokeOutlined(cr, 4, pal::kStone[5], kInk);
        for (double side : {-1.0, 1.0}) {
            CirclePath(cr, cx + side * 31, headY + 2, 9);
            FillOutlined(cr, pal::kPink[6], kInk);
        }
        break;
    case Hat::Flower:
        for (int k = 0; k < 5; ++k) {
            const double p = k * 1.2566;
            CirclePath(cr, cx + 22 + std::cos(p) * 6, headY - 20 + std::sin(p) * 6, 5);
            FillOutlined(cr, pal::kPink[6], kInk, 1.2);
        }
        CirclePath(cr, cx + 22, headY - 20, 3.5);
        FillOutlined(cr, pal::kGold[12], kInk, 1.2);
        break;
    case Hat::None:
        break;
    }
}

void GenerateKids(const OutputTree& out)
{
    for (const WorldCity& city : WorldCities()) {
        const KidLook look = LookOf(city);
        SpriteBuilder sprite;
        // Frame 0 is the one the ride shows: the hand high in the middle of its wave.
        sprite.AddPhases(128, 150, 4, [&look](cairo_t* cr, double phase) { DrawKid(cr, look, phase + 0.25); }, 0, 0);
        WriteOrThrow(out.MediaPath("act2\\kids\\child_" + std::to_string(city.number) + ".spx"), sprite.Encode());
    }
}

const RegisterGenerator kRegistration("act2-cities", &GenerateKids);

} // namespace
} // namespace mediagen
