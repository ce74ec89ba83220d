// People and creatures of the clip art, drawn in the art kit's outlined cartoon style.
#include "CardFolk.h"

#include "paint/Ink.h"

#include <cmath>

namespace mediagen {

namespace {

constexpr int kInk = pal::kBlack;

void Dot(cairo_t* cr, double x, double y, double r, int colour)
{
    CirclePath(cr, x, y, r);
    FillOnly(cr, colour);
}

// Two round eyes with highlights, a smile and rosy cheeks, for a head of radius r at (cx, cy).
void Face(cairo_t* cr, double cx, double cy, double r, bool glasses = false)
{
    const double ex = r * 0.36, ey = cy - r * 0.08;
    for (double s : {-1.0, 1.0}) {
        EllipsePath(cr, cx + s * ex, ey, r * 0.17, r * 0.22);
        FillOutlined(cr, pal::kWhite, kInk, 1.2);
        Dot(cr, cx + s * ex + r * 0.05, ey + r * 0.04, r * 0.1, kInk);
        Dot(cr, cx + s * ex + r * 0.08, ey - r * 0.02, r * 0.035, pal::kWhite);
        CirclePath(cr, cx + s * r * 0.56, cy + r * 0.3, r * 0.15);
        FillOnly(cr, pal::kPink[5]);
    }
    if (glasses) {
        for (double s : {-1.0, 1.0}) {
            CirclePath(cr, cx + s * ex, ey, r * 0.27);
            StrokeOnly(cr, pal::kGold[6], r * 0.07);
        }
        cairo_move_to(cr, cx - ex + r * 0.27, ey);
        cairo_line_to(cr, cx + ex - r * 0.27, ey);
        StrokeOnly(cr, pal::kGold[6], r * 0.07);
    }
    cairo_new_path(cr);
    cairo_arc(cr, cx, cy + r * 0.25, r * 0.32, 0.2, M_PI - 0.2);
    StrokeOnly(cr, kInk, r * 0.09);
}

// A boot: a rounded shoe with a curled toe.
void Boot(cairo_t* cr, double x, double y, double dir, int colour)
{
    SmoothPath(cr, {{x - 7 * dir, y}, {x - 7 * dir, y - 8}, {x + 4 * dir, y - 9}, {x + 12 * dir, y - 8},
                    {x + 15 * dir, y - 13}, {x + 14 * dir, y - 2}});
    FillOutlined(cr, colour, kInk);
    Dot(cr, x + 14.5 * dir, y - 13.5, 1.8, pal::kGold[11]);
}

} // namespace

void DrawCardElf(cairo_t* cr, const Placement& placement, const CardElfLook& look)
{
    FigureSpace space(cr, placement);
    const int skin = pal::kSkin[6];
    // Legs and boots.
    if (look.sitting) {
        Limb(cr, {{-6, -22}, {14, -6}, {24, -6}}, 8, pal::kRed[6], kInk);
        Limb(cr, {{4, -22}, {22, -10}, {32, -10}}, 8, pal::kRed[7], kInk);
        Boot(cr, 28, -2, 1, pal::kGreen[4]);
        Boot(cr, 36, -6, 1, pal::kGreen[5]);
    } else {
        Limb(cr, {{-7, -30}, {-8, -8}}, 8, pal::kRed[6], kInk);
        Limb(cr, {{7, -30}, {8, -8}}, 8, pal::kRed[7], kInk);
        Boot(cr, -8, 0, -1, pal::kGreen[4]);
        Boot(cr, 8, 0, 1, pal::kGreen[5]);
    }
    const double base = look.sitting ? -18 : -26;
    // Tunic with a zigzag hem (a skirt for the girls).
    cairo_new_path(cr);
    cairo_move_to(cr, -11, base - 40);
    cairo_line_to(cr, 11, base - 40);
    cairo_line_to(cr, 20, base);
    const int teeth = look.girl ? 6 : 4;
    for (int i = 0; i < teeth; ++i) {
        const double x0 = 20 - 40.0 * (i + 0.5) / teeth, x1 = 20 - 40.0 * (i + 1) / teeth;
        cairo_line_to(cr, x0, base + (look.girl ? 3 : 6));
        cairo_line_to(cr, x1, base);
    }
    cairo_close_path(cr);
    FillOutlined(cr, look.tunic, kInk);
    // Belt and buckle, collar.
    cairo_rectangle(cr, -14, base - 16, 28, 5);
    FillOutlined(cr, pal::kFur[2], kInk, 1.2);
    cairo_rectangle(cr, -3.5, base - 17, 7, 7);
    FillOutlined(cr, pal::kGold[11], kInk, 1.2);
    for (double x : {-8.0, 0.0, 8.0}) {
        PolygonPath(cr, {{x - 5, base - 42}, {x + 5, base - 42}, {x, base - 34}});
        FillOutlined(cr, look.tunicShade, kInk, 1.2);
    }
    // Arms to the hands.
    const Point shoulderL{-10, base - 36}, shoulderR{10, base - 36};
    const Point hl{look.handLeft.x, look.handLeft.y + (look.sitting ? 8 : 0)};
    const Point hr{look.handRight.x, look.handRight.y + (look.sitting ? 8 : 0)};
    Limb(cr, {shoulderL, {(shoulderL.x + hl.x) / 2 - 3, (shoulderL.y + hl.y) / 2 + 4}, hl}, 7, look.tunicShade, kInk);
    Limb(cr, {shoulderR, {(shoulderR.x + hr.x) / 2 + 3, (shoulderR.y + hr.y) / 2 + 4}, hr}, 7, look.tunic, kInk);
    for (Point h : {hl, hr}) {
        CirclePath(cr, h.x, h.y, 4.5);
        FillOutlined(cr, skin, kInk, 1.2);
    }
    // Head with pointed ears and hair.
    const double hy = base - 56;
    for (double s : {-1.0, 1.0}) {
        PolygonPath(cr, {{s * 12, hy - 4}, {s * 27, hy - 10}, {s * 13, hy + 6}});
        FillOutlined(cr, skin, kInk, 1.2);
    }
    if (look.girl) {
        for (double s : {-1.0, 1.0}) {
            Limb(cr, {{s * 13, hy}, {s * 17, hy + 14}, {s * 15, hy + 24}}, 6, look.hair, kInk);
            Dot(cr, s * 15, hy + 25, 3, pal::kRed[10]);
        }
    }
    CirclePath(cr, 0, hy, 15);
    FillOutlined(cr, skin, kInk);
    SmoothPath(cr, {{-14, hy - 2}, {-10, hy - 12}, {0, hy - 10}, {10, hy - 12}, {14, hy - 2}, {0, hy - 6}});
    FillOutlined(cr, look.hair, kInk, 1.2);
    Face(cr, 0, hy + 2, 14, look.glasses);
    // Floppy hat with a bell.
    const double tipX = 30 * std::cos(look.hatSwing) + 4, tipY = hy - 26 + 20 * std::sin(look.hatSwing);
    cairo_new_path(cr);
    cairo_move_to(cr, -16, hy - 8);
    cairo_curve_to(cr, -12, hy - 30, 8, hy - 40, tipX, tipY);
    cairo_curve_to(cr, 8, hy - 26, 14, hy - 18, 16, hy - 8);
    cairo_close_path(cr);
    FillOutlined(cr, look.hat, kInk);
    cairo_rectangle(cr, -17, hy - 11, 34, 6);
    FillOutlined(cr, pal::kWhite, kInk, 1.2);
    CirclePath(cr, tipX, tipY, 4.5);
    FillOutlined(cr, pal::kGold[12], kInk, 1.2);
}

void DrawSanta(cairo_t* cr, const Placement& placement, bool waving)
{
    FigureSpace space(cr, placement);
    const int red = pal::kRed[9], redShade = pal::kRed[6], fur = pal::kWhite;
    // Boots and trousers.
    Limb(cr, {{-14, -40}, {-15, -12}}, 16, redShade, kInk);
    Limb(cr, {{14, -40}, {15, -12}}, 16, redShade, kInk);
    // Black boots, toes turned outwards.
    for (double s : {-1.0, 1.0}) {
        cairo_rectangle(cr, s * 15 - 9, -20, 18, 14);
        FillOutlined(cr, pal::kGrey[2], kInk);
        EllipsePath(cr, s * 20, -5, 15, 6.5);
        FillOutlined(cr, pal::kGrey[2], kInk);
    }
    // Round belly coat.
    EllipsePath(cr, 0, -68, 40, 38);
    FillOutlined(cr, red, kInk);
    cairo_rectangle(cr, -38, -48, 76, 10);
    FillOutlined(cr, fur, kInk, 1.5);
    cairo_rectangle(cr, -40, -68, 80, 10);
    FillOutlined(cr, pal::kGrey[2], kInk, 1.5);
    cairo_rectangle(cr, -8, -70, 16, 14);
    FillOutlined(cr, pal::kGold[11], kInk, 1.5);
    cairo_rectangle(cr, -4, -66, 8, 6);
    FillOnly(cr, pal::kGrey[2]);
    cairo_rectangle(cr, -5, -104, 10, 56);
    FillOnly(cr, fur);
    // Arms with mittens.
    Limb(cr, {{-30, -90}, {-44, -70}, {-40, -52}}, 15, redShade, kInk);
    CirclePath(cr, -40, -50, 8);
    FillOutlined(cr, pal::kGreen[6], kInk);
    if (waving) {
        Limb(cr, {{30, -92}, {46, -104}, {50, -128}}, 15, red, kInk);
        CirclePath(cr, 50, -132, 8);
    } else {
        Limb(cr, {{30, -90}, {44, -70}, {40, -52}}, 15, red, kInk);
        CirclePath(cr, 40, -50, 8);
    }
    FillOutlined(cr, pal::kGreen[6], kInk);
    // Head, beard, hat.
    CirclePath(cr, 0, -118, 17);
    FillOutlined(cr, pal::kSkin[6], kInk);
    SmoothPath(cr, {{-20, -120}, {-22, -100}, {-12, -84}, {0, -78}, {12, -84}, {22, -100}, {20, -120}, {0, -108}});
    FillOutlined(cr, fur, kInk);
    Face(cr, 0, -122, 15);
    SmoothPath(cr, {{-12, -108}, {-5, -112}, {0, -109}, {5, -112}, {12, -108}, {0, -104}});
    FillOutlined(cr, fur, kInk, 1.2);
    CirclePath(cr, 0, -114, 4);
    FillOutlined(cr, pal::kPink[4], kInk, 1.2);
    cairo_new_path(cr);
    cairo_move_to(cr, -18, -130);
    cairo_curve_to(cr, -14, -156, 14, -160, 30, -146);
    cairo_curve_to(cr, 22, -146, 18, -140, 18, -130);
    cairo_close_path(cr);
    FillOutlined(cr, red, kInk);
    cairo_rectangle(cr, -20, -134, 40, 8);
    FillOutlined(cr, fur, kInk, 1.5);
    CirclePath(cr, 31, -145, 6);
    FillOutlined(cr, fur, kInk, 1.5);
}

void DrawMrsClaus(cairo_t* cr, const Placement& placement)
{
    FigureSpace space(cr, placement);
    // Long red dress with apron.
    PolygonPath(cr, {{-20, -92}, {20, -92}, {38, 0}, {-38, 0}});
    FillOutlined(cr, pal::kRed[8], kInk);
    PolygonPath(cr, {{-12, -54}, {12, -54}, {17, -18}, {-17, -18}});
    FillOutlined(cr, pal::kWhite, kInk, 1.5);
    for (int i = 0; i < 4; ++i) {
        CirclePath(cr, -12.75 + i * 8.5, -18, 4.25);
        FillOutlined(cr, pal::kPink[6], kInk, 1.0);
    }
    cairo_rectangle(cr, -38, -6, 76, 6);
    FillOutlined(cr, pal::kWhite, kInk, 1.5);
    // Arms holding a tray of cookies.
    Limb(cr, {{-18, -86}, {-30, -66}, {-20, -56}}, 11, pal::kRed[6], kInk);
    Limb(cr, {{18, -86}, {30, -66}, {20, -56}}, 11, pal::kRed[7], kInk);
    cairo_rectangle(cr, -34, -62, 68, 6);
    FillOutlined(cr, pal::kGrey[11], kInk, 1.5);
    for (int i = 0; i < 4; ++i) {
        EllipsePath(cr, -22 + i * 15, -66, 6, 4);
        FillOutlined(cr, pal::kFur[10], kInk, 1.2);
        Dot(cr, -24 + i * 15, -67, 1.2, pal::kFur[1]);
        Dot(cr, -20 + i * 15, -65.5, 1.2, pal::kFur[1]);
    }
    // Head with a bun, spectacles and a white cap.
    CirclePath(cr, 0, -108, 16);
    FillOutlined(cr, pal::kSkin[6], kInk);
    CirclePath(cr, 0, -128, 9);
    FillOutlined(cr, pal::kGrey[12], kInk);
    SmoothPath(cr, {{-17, -108}, {-14, -124}, {0, -126}, {14, -124}, {17, -108}, {0, -118}});
    FillOutlined(cr, pal::kGrey[12], kInk, 1.2);
    Face(cr, 0, -106, 14, true);
}

void DrawFrostine(cairo_t* cr, const Placement& placement, bool flying)
{
    FigureSpace space(cr, placement);
    if (flying) {
        cairo_rotate(cr, -1.35);
        // A trail of frost behind her.
        for (int i = 0; i < 5; ++i) {
            const double y = 40 + i * 16, x = (i % 2 ? 10 : -10);
            PolygonPath(cr, {{x, y - 6}, {x + 2, y - 2}, {x + 6, y}, {x + 2, y + 2}, {x, y + 6}, {x - 2, y + 2}, {x - 6, y}, {x - 2, y - 2}});
            FillOutlined(cr, pal::kCyan[7], kInk, 1.2);
        }
        cairo_translate(cr, 0, 75);
    }
    // Flowing gown with jagged icicle hem.
    cairo_new_path(cr);
    cairo_move_to(cr, -14, -92);
    cairo_line_to(cr, 14, -92);
    cairo_curve_to(cr, 26, -60, 40, -30, 44, 0);
    for (int i = 0; i < 8; ++i) {
        const double x0 = 44 - 88.0 * (i + 0.5) / 8, x1 = 44 - 88.0 * (i + 1) / 8;
        cairo_line_to(cr, x0, 10);
        cairo_line_to(cr, x1, 0);
    }
    cairo_curve_to(cr, -40, -30, -26, -60, -14, -92);
    cairo_close_path(cr);
    FillOutlined(cr, pal::kCyan[5], kInk);
    PolygonPath(cr, {{-6, -88}, {6, -88}, {16, -2}, {-16, -2}});
    FillOnly(cr, pal::kCyan[7]);
    // Cape.
    SmoothPath(cr, {{-14, -92}, {-34, -70}, {-46, -20}, {-36, -16}, {-22, -60}});
    FillOutlined(cr, pal::kPurple[3], kInk);
    // Arms: one holds the wand high.
    Limb(cr, {{-12, -86}, {-26, -66}, {-18, -50}}, 8, pal::kCyan[4], kInk);
    Limb(cr, {{12, -86}, {30, -96}, {40, -116}}, 8, pal::kCyan[4], kInk);
    Limb(cr, {{40, -116}, {50, -140}}, 3, pal::kGrey[13], kInk, 1.2);
    PolygonPath(cr, {{50, -152}, {53, -144}, {61, -141}, {53, -138}, {50, -130}, {47, -138}, {39, -141}, {47, -144}});
    FillOutlined(cr, pal::kCyan[7], kInk, 1.2);
    // Pale face, long silver hair, frost crown.
    SmoothPath(cr, {{-16, -112}, {-22, -84}, {-14, -74}, {0, -90}, {14, -74}, {22, -84}, {16, -112}, {0, -124}});
    FillOutlined(cr, pal::kGrey[13], kInk);
    CirclePath(cr, 0, -106, 15);
    FillOutlined(cr, pal::kSnow[13], kInk);
    const double r = 14;
    for (double s : {-1.0, 1.0}) {
        EllipsePath(cr, s * r * 0.36, -108, r * 0.18, r * 0.14, s * 0.3);
        FillOutlined(cr, pal::kPurple[2], kInk, 1.2);
        cairo_move_to(cr, s * r * 0.15, -114);
        cairo_line_to(cr, s * r * 0.6, -117);
        StrokeOnly(cr, kInk, 1.6);
    }
    cairo_new_path(cr);
    cairo_arc(cr, 0, -96, 4, 0.3, M_PI - 0.3);
    StrokeOnly(cr, pal::kPurple[2], 1.6);
    PolygonPath(cr, {{-14, -118}, {-12, -134}, {-6, -124}, {0, -140}, {6, -124}, {12, -134}, {14, -118}});
    FillOutlined(cr, pal::kCyan[7], kInk, 1.2);
}

void DrawSnowSprite(cairo_t* cr, const Placement& placement)
{
    FigureSpace space(cr, placement);
    for (double s : {-1.0, 1.0}) {
        SmoothPath(cr, {{s * 6, -4}, {s * 34, -30}, {s * 36, -6}, {s * 20, 6}});
        FillOutlined(cr, pal::kCyan[6], kInk);
        SmoothPath(cr, {{s * 6, 2}, {s * 28, 10}, {s * 22, 24}, {s * 8, 12}});
        FillOutlined(cr, pal::kCyan[7], kInk);
    }
    PolygonPath(cr, {{-8, -6}, {8, -6}, {14, 26}, {-14, 26}});
    FillOutlined(cr, pal::kSnow[13], kInk);
    CirclePath(cr, 0, -18, 12);
    FillOutlined(cr, pal::kSnow[14], kInk);
    Face(cr, 0, -17, 11);
    // A crown of three icicles.
    for (int i = -1; i <= 1; ++i) {
        const double x = i * 7, tip = i == 0 ? -44 : -38;
        PolygonPath(cr, {{x - 4, -28}, {x, tip}, {x + 4, -28}});
        FillOutlined(cr, pal::kCyan[7], kInk, 1.0);
    }
}

void DrawFox(cairo_t* cr, const Placement& placement)
{
    FigureSpace space(cr, placement);
    const int fur = pal::kOrange[3], light = pal::kWhite;
    SmoothPath(cr, {{10, -6}, {40, -10}, {48, -40}, {36, -50}, {30, -30}, {14, -18}});
    FillOutlined(cr, fur, kInk);
    SmoothPath(cr, {{42, -36}, {48, -40}, {38, -52}, {34, -46}});
    FillOutlined(cr, light, kInk, 1.2);
    EllipsePath(cr, 0, -30, 22, 30);
    FillOutlined(cr, fur, kInk);
    EllipsePath(cr, 0, -24, 12, 20);
    FillOnly(cr, light);
    for (double s : {-1.0, 1.0}) {
        EllipsePath(cr, s * 10, -3, 8, 5);
        FillOutlined(cr, pal::kFur[2], kInk, 1.2);
    }
    // Scarf in stripes.
    cairo_rectangle(cr, -18, -62, 36, 8);
    FillOutlined(cr, pal::kGreen[8], kInk, 1.5);
    PolygonPath(cr, {{8, -58}, {18, -58}, {22, -34}, {12, -34}});
    FillOutlined(cr, pal::kRed[9], kInk, 1.5);
    // Head with a pointed muzzle and tall ears.
    for (double s : {-1.0, 1.0}) {
        PolygonPath(cr, {{s * 6, -82}, {s * 18, -104}, {s * 20, -76}});
        FillOutlined(cr, fur, kInk);
        PolygonPath(cr, {{s * 10, -82}, {s * 17, -96}, {s * 17, -80}});
        FillOnly(cr, pal::kFur[3]);
    }
    EllipsePath(cr, 0, -74, 20, 16);
    FillOutlined(cr, fur, kInk);
    PolygonPath(cr, {{-12, -70}, {12, -70}, {0, -56}});
    FillOutlined(cr, light, kInk, 1.2);
    Dot(cr, 0, -57, 3, kInk);
    for (double s : {-1.0, 1.0}) {
        EllipsePath(cr, s * 8, -78, 3.2, 4.2);
        FillOnly(cr, pal::kGreen[5]);
        Dot(cr, s * 8, -78, 1.6, kInk);
    }
    cairo_move_to(cr, -4, -62);
    cairo_curve_to(cr, 0, -60, 4, -62, 8, -66);
    StrokeOnly(cr, kInk, 1.5);
}

void DrawPolarBear(cairo_t* cr, const Placement& placement)
{
    FigureSpace space(cr, placement);
    const int fur = pal::kSnow[14], shade = pal::kSnow[10];
    for (double x : {-46.0, 30.0}) {
        Limb(cr, {{x, -40}, {x, -6}}, 18, shade, kInk);
    }
    EllipsePath(cr, -6, -48, 60, 32);
    FillOutlined(cr, fur, kInk);
    for (double x : {-34.0, 44.0}) {
        Limb(cr, {{x, -40}, {x, -6}}, 19, fur, kInk);
        EllipsePath(cr, x + 2, -4, 12, 5);
        FillOutlined(cr, fur, kInk, 1.2);
    }
    // Head with round ears, a black nose.
    for (double dx : {-16.0, 10.0}) {
        CirclePath(cr, 52 + dx, -86, 8);
        FillOutlined(cr, fur, kInk);
        Dot(cr, 52 + dx, -86, 4, pal::kGrey[5]);
    }
    EllipsePath(cr, 52, -66, 26, 22);
    FillOutlined(cr, fur, kInk);
    EllipsePath(cr, 66, -58, 13, 10);
    FillOutlined(cr, pal::kSnow[12], kInk, 1.2);
    EllipsePath(cr, 74, -62, 5, 4);
    FillOnly(cr, kInk);
    for (double dx : {-8.0, 6.0}) {
        Dot(cr, 50 + dx, -72, 3, kInk);
        Dot(cr, 51 + dx, -73, 1, pal::kWhite);
    }
    cairo_new_path(cr);
    cairo_arc(cr, 66, -54, 5, 0.3, M_PI - 0.5);
    StrokeOnly(cr, kInk, 1.5);
    // A red knitted hat.
    SmoothPath(cr, {{34, -80}, {44, -98}, {60, -98}, {70, -82}});
    FillOutlined(cr, pal::kRed[8], kInk);
    CirclePath(cr, 54, -100, 6);
    FillOutlined(cr, pal::kWhite, kInk, 1.2);
}

void DrawGirl(cairo_t* cr, const Placement& placement)
{
    FigureSpace space(cr, placement);
    Limb(cr, {{-7, -28}, {-8, -8}}, 7, pal::kGrey[3], kInk);
    Limb(cr, {{7, -28}, {8, -8}}, 7, pal::kGrey[3], kInk);
    Boot(cr, -8, 0, -1, pal::kFur[3]);
    Boot(cr, 8, 0, 1, pal::kFur[3]);
    PolygonPath(cr, {{-12, -72}, {12, -72}, {22, -24}, {-22, -24}});
    FillOutlined(cr, pal::kRed[9], kInk);
    for (int i = 0; i < 3; ++i) Dot(cr, 0, -64 + i * 12, 2.2, pal::kGold[11]);
    cairo_rectangle(cr, -22, -28, 44, 5);
    FillOutlined(cr, pal::kWhite, kInk, 1.2);
    // Waving arm, the other holding a little gift.
    Limb(cr, {{-10, -68}, {-24, -84}, {-28, -100}}, 7, pal::kRed[7], kInk);
    CirclePath(cr, -28, -103, 5);
    FillOutlined(cr, pal::kGreen[7], kInk, 1.2);
    Limb(cr, {{10, -68}, {22, -54}, {24, -44}}, 7, pal::kRed[7], kInk);
    cairo_rectangle(cr, 18, -48, 16, 14);
    FillOutlined(cr, pal::kBlue[4], kInk, 1.2);
    cairo_rectangle(cr, 24, -48, 4, 14);
    FillOnly(cr, pal::kGold[12]);
    // Head, hair, bobble hat, scarf.
    CirclePath(cr, 0, -88, 15);
    FillOutlined(cr, pal::kSkin[5], kInk);
    SmoothPath(cr, {{-16, -92}, {-20, -70}, {-12, -72}, {-10, -94}});
    FillOutlined(cr, pal::kGold[8], kInk, 1.2);
    SmoothPath(cr, {{16, -92}, {20, -70}, {12, -72}, {10, -94}});
    FillOutlined(cr, pal::kGold[8], kInk, 1.2);
    Face(cr, 0, -86, 13);
    SmoothPath(cr, {{-17, -92}, {-14, -108}, {0, -112}, {14, -108}, {17, -92}});
    FillOutlined(cr, pal::kWhite, kInk);
    cairo_rectangle(cr, -17, -97, 34, 6);
    FillOutlined(cr, pal::kRed[9], kInk, 1.2);
    CirclePath(cr, 0, -114, 6);
    FillOutlined(cr, pal::kRed[10], kInk, 1.2);
    cairo_rectangle(cr, -13, -75, 26, 6);
    FillOutlined(cr, pal::kGreen[8], kInk, 1.2);
}

void DrawWalrus(cairo_t* cr, const Placement& placement)
{
    FigureSpace space(cr, placement);
    const int skin = pal::kFur[8], shade = pal::kFur[6];
    SmoothPath(cr, {{-60, -6}, {-56, -40}, {-20, -70}, {24, -76}, {50, -50}, {54, -8}, {0, 0}});
    FillOutlined(cr, skin, kInk);
    SmoothPath(cr, {{-62, -4}, {-78, -16}, {-74, 2}});
    FillOutlined(cr, shade, kInk);
    EllipsePath(cr, 30, -6, 16, 6, -0.2);
    FillOutlined(cr, shade, kInk);
    // Face: whiskered muzzle, tusks, tiny eyes, a bow tie.
    for (double s : {-1.0, 1.0}) {
        PolygonPath(cr, {{16 + s * 8, -50}, {18 + s * 10, -20}, {22 + s * 6, -50}});
        FillOutlined(cr, pal::kGrey[14], kInk, 1.2);
    }
    for (double s : {-1.0, 1.0}) {
        CirclePath(cr, 18 + s * 9, -56, 10);
        FillOutlined(cr, pal::kFur[10], kInk, 1.2);
        for (int k = 0; k < 3; ++k) Dot(cr, 18 + s * 9 + s * (k * 3 - 2), -56 + (k % 2) * 3, 1, kInk);
    }
    Dot(cr, 18, -64, 4, kInk);
    for (double s : {-1.0, 1.0}) {
        Dot(cr, 18 + s * 12, -74, 3, kInk);
        Dot(cr, 19 + s * 12, -75, 1, pal::kWhite);
    }
    PolygonPath(cr, {{4, -34}, {-10, -42}, {-10, -26}});
    FillOutlined(cr, pal::kRed[9], kInk, 1.2);
    PolygonPath(cr, {{4, -34}, {18, -42}, {18, -26}});
    FillOutlined(cr, pal::kRed[9], kInk, 1.2);
    Dot(cr, 4, -34, 3, pal::kRed[6]);
}

} // namespace mediagen
