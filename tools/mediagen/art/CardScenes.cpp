// Props and backgrounds of the clip art: outlined shapes in the palette's festive colours.
#include "CardScenes.h"

#include "FrontDecor.h"
#include "GiftArt.h"
#include "LandscapeArt.h"
#include "SkyArt.h"
#include "VillageArt.h"
#include "paint/GamePalette.h"
#include "paint/Ink.h"
#include "paint/TextPainter.h"

#include <cmath>

namespace mediagen {

namespace {

constexpr int kInk = pal::kBlack;

void Rect(cairo_t* cr, double x, double y, double w, double h) { cairo_rectangle(cr, x, y, w, h); }

void Label(cairo_t* cr, const char* text, double cx, double top, double size, int fill, int outline)
{
    TextStyle style;
    style.sizePx = size;
    style.fill = GameColour(fill);
    style.outline = GameColour(outline);
    style.outlineWidth = size * 0.08;
    style.align = TextAlign::Centre;
    DrawText(cr, style, text, cx, top);
}

void Sky(cairo_t* cr, double width, double height, int top, int bottom)
{
    Rect(cr, 0, 0, width, height);
    FillBlendDown(cr, 0, height, {{0.0, top}, {1.0, bottom}});
    cairo_new_path(cr);
}

void Window(cairo_t* cr, double x, double y, double w, double h, int frame)
{
    Rect(cr, x, y, w, h);
    FillOutlined(cr, pal::kGold[12], kInk);
    cairo_move_to(cr, x + w / 2, y);
    cairo_line_to(cr, x + w / 2, y + h);
    cairo_move_to(cr, x, y + h / 2);
    cairo_line_to(cr, x + w, y + h / 2);
    StrokeOnly(cr, frame, 3);
}

} // namespace

void DrawSnowman(cairo_t* cr, const Placement& placement)
{
    FigureSpace space(cr, placement);
    CirclePath(cr, 0, -30, 32);
    FillOutlined(cr, pal::kSnow[14], kInk);
    CirclePath(cr, 0, -78, 23);
    FillOutlined(cr, pal::kSnow[15], kInk);
    Limb(cr, {{-20, -80}, {-40, -96}, {-48, -94}}, 3, pal::kFur[2], kInk, 1.2);
    Limb(cr, {{20, -80}, {42, -94}, {46, -104}}, 3, pal::kFur[2], kInk, 1.2);
    for (int i = 0; i < 3; ++i) {
        CirclePath(cr, 0, -86 + i * 10 + 20, 3);
        FillOnly(cr, kInk);
    }
    CirclePath(cr, 0, -112, 19);
    FillOutlined(cr, pal::kWhite, kInk);
    for (double s : {-1.0, 1.0}) {
        CirclePath(cr, s * 7, -116, 2.6);
        FillOnly(cr, kInk);
    }
    PolygonPath(cr, {{0, -112}, {20, -108}, {0, -106}});
    FillOutlined(cr, pal::kOrange[4], kInk, 1.2);
    for (int i = 0; i < 5; ++i) {
        CirclePath(cr, -8 + i * 4, -102 + std::abs(i - 2) * -1.5, 1.4);
        FillOnly(cr, kInk);
    }
    Rect(cr, -18, -92, 36, 8);
    FillOutlined(cr, pal::kRed[9], kInk, 1.5);
    PolygonPath(cr, {{8, -88}, {18, -88}, {22, -64}, {12, -64}});
    FillOutlined(cr, pal::kRed[8], kInk, 1.5);
    Rect(cr, -20, -134, 40, 6);
    FillOutlined(cr, pal::kGrey[2], kInk, 1.5);
    Rect(cr, -13, -156, 26, 22);
    FillOutlined(cr, pal::kGrey[2], kInk, 1.5);
    Rect(cr, -13, -142, 26, 4);
    FillOnly(cr, pal::kRed[9]);
}

void DrawCandyCane(cairo_t* cr, const Placement& placement)
{
    FigureSpace space(cr, placement);
    cairo_new_path(cr);
    cairo_move_to(cr, 8, 0);
    cairo_line_to(cr, 8, -90);
    cairo_arc_negative(cr, -8, -90, 16, 0, M_PI);
    StrokeOutlined(cr, 14, pal::kWhite, kInk);
    // Red stripes: short slanted strokes along the shaft and round the crook.
    for (int i = 0; i < 8; ++i) {
        const double y = -8 - i * 11;
        cairo_move_to(cr, 2, y + 4);
        cairo_line_to(cr, 14, y - 3);
        StrokeOnly(cr, pal::kRed[9], 4.5);
    }
    for (int i = 0; i < 5; ++i) {
        const double a = -i * M_PI / 5 - 0.2;
        const double x = -8 + 16 * std::cos(a), y = -90 + 16 * std::sin(a);
        cairo_move_to(cr, x - 6 * std::cos(a + 0.6), y - 6 * std::sin(a + 0.6));
        cairo_line_to(cr, x + 6 * std::cos(a + 0.6), y + 6 * std::sin(a + 0.6));
        StrokeOnly(cr, pal::kRed[9], 4.5);
    }
    DrawHolly(cr, 8, -70, 18, 0.4);
}

void DrawStocking(cairo_t* cr, const Placement& placement)
{
    FigureSpace space(cr, placement);
    SmoothPath(cr, {{-16, 14}, {14, 14}, {14, 60}, {34, 78}, {30, 96}, {4, 96}, {-18, 76}});
    FillOutlined(cr, pal::kRed[9], kInk);
    for (int i = 0; i < 3; ++i) {
        cairo_move_to(cr, -16, 30 + i * 14);
        cairo_line_to(cr, 14, 30 + i * 14);
        StrokeOnly(cr, pal::kGreen[8], 4);
    }
    SmoothPath(cr, {{14, 80}, {34, 78}, {30, 96}, {14, 94}});
    FillOutlined(cr, pal::kWhite, kInk, 1.5);
    Rect(cr, -20, 0, 38, 16);
    FillOutlined(cr, pal::kWhite, kInk);
    // Treats peeking out.
    DrawCandyCane(cr, {-6, 4, 0.22, true});
    DrawGift(cr, {8, 2, 0.45, false}, {GiftWrap::BlueSilver, GiftPattern::Dots});
    cairo_move_to(cr, 0, 0);
    cairo_line_to(cr, 6, -8);
    StrokeOnly(cr, pal::kGold[8], 2);
}

void DrawPoleSign(cairo_t* cr, const Placement& placement)
{
    FigureSpace space(cr, placement);
    Rect(cr, -7, -140, 14, 140);
    FillOutlined(cr, pal::kWhite, kInk);
    for (int i = 0; i < 9; ++i) {
        const double y = -15.0 * i;
        PolygonPath(cr, {{-7, y - 10}, {7, y - 18}, {7, y - 12}, {-7, y - 4}});
        FillOnly(cr, pal::kRed[9]);
    }
    CirclePath(cr, 0, -146, 9);
    FillOutlined(cr, pal::kGold[12], kInk);
    PolygonPath(cr, {{-56, -118}, {44, -118}, {56, -104}, {44, -90}, {-56, -90}});
    FillOutlined(cr, pal::kFur[6], kInk);
    Label(cr, "NORTH POLE", -4, -113, 13, pal::kWhite, pal::kFur[1]);
    SmoothPath(cr, {{-40, 0}, {-30, -12}, {0, -16}, {30, -12}, {40, 0}});
    FillOutlined(cr, pal::kSnow[14], kInk);
}

void DrawSled(cairo_t* cr, const Placement& placement)
{
    FigureSpace space(cr, placement);
    cairo_new_path(cr);
    cairo_move_to(cr, -60, -4);
    cairo_line_to(cr, 48, -4);
    cairo_curve_to(cr, 66, -4, 70, -22, 56, -26);
    StrokeOutlined(cr, 5, pal::kGrey[11], kInk);
    for (double x : {-40.0, 0.0, 36.0}) {
        Rect(cr, x - 3, -26, 6, 22);
        FillOutlined(cr, pal::kGrey[9], kInk, 1.2);
    }
    for (int i = 0; i < 4; ++i) {
        Rect(cr, -58 + i * 27, -36, 25, 10);
        FillOutlined(cr, i % 2 ? pal::kRed[8] : pal::kRed[9], kInk, 1.5);
    }
    Limb(cr, {{54, -30}, {64, -44}, {74, -40}}, 3, pal::kGold[8], kInk, 1.0);
}

void DrawGiftBag(cairo_t* cr, const Placement& placement)
{
    FigureSpace space(cr, placement);
    DrawGift(cr, {-22, -66, 0.8, false}, {GiftWrap::GreenRed, GiftPattern::Stripes});
    DrawGift(cr, {20, -70, 0.7, false}, {GiftWrap::PurpleGold, GiftPattern::Dots});
    SmoothPath(cr, {{-44, -64}, {-54, -30}, {-40, 0}, {40, 0}, {54, -30}, {44, -64}});
    FillOutlined(cr, pal::kFur[5], kInk);
    SmoothPath(cr, {{-30, -50}, {-36, -20}, {-20, -6}}, false);
    StrokeOnly(cr, pal::kFur[3], 3);
    Rect(cr, -46, -68, 92, 8);
    FillOutlined(cr, pal::kRed[9], kInk, 1.5);
    DrawGift(cr, {0, -70, 0.6, false}, {GiftWrap::YellowRed, GiftPattern::Plain});
}

void DrawBlankBackground(cairo_t* cr, double width, double height)
{
    Rect(cr, 0, 0, width, height);
    FillOnly(cr, pal::kWhite);
    Rect(cr, 1, 1, width - 2, height - 2);
    StrokeOnly(cr, pal::kSnow[10], 1);
}

void DrawPostOfficeScene(cairo_t* cr, double width, double height)
{
    Sky(cr, width, height, pal::kBlue[3], pal::kBlue[7]);
    DrawSnowfall(cr, width, height * 0.6, 40, 11);
    DrawSnowyHills(cr, width, height * 0.68, height, 10, pal::kSnow[13], pal::kSnow[9], 3);
    const double cx = width / 2, base = height * 0.84;
    // The post office: brick walls, a gable roof with snow, a red post box and the sign.
    Rect(cr, cx - 130, base - 150, 260, 150);
    FillOutlined(cr, pal::kBrick[4], kInk);
    PolygonPath(cr, {{cx - 150, base - 150}, {cx, base - 230}, {cx + 150, base - 150}});
    FillOutlined(cr, pal::kStone[2], kInk);
    SmoothPath(cr, {{cx - 156, base - 146}, {cx - 150, base - 158}, {cx, base - 238}, {cx + 150, base - 158},
                    {cx + 156, base - 146}, {cx, base - 222}});
    FillOutlined(cr, pal::kWhite, kInk);
    Rect(cr, cx - 110, base - 140, 220, 30);
    FillOutlined(cr, pal::kRed[8], kInk);
    Label(cr, "POST OFFICE", cx, base - 137, 20, pal::kGold[13], pal::kRed[2]);
    Rect(cr, cx - 24, base - 80, 48, 80);
    FillOutlined(cr, pal::kGreen[5], kInk);
    CirclePath(cr, cx + 14, base - 40, 3);
    FillOnly(cr, pal::kGold[12]);
    Window(cr, cx - 100, base - 96, 52, 44, pal::kFur[3]);
    Window(cr, cx + 48, base - 96, 52, 44, pal::kFur[3]);
    DrawHolly(cr, cx, base - 86, 18, 0);
    Rect(cr, cx + 150, base - 70, 34, 70);
    FillOutlined(cr, pal::kRed[9], kInk);
    Rect(cr, cx + 156, base - 56, 22, 5);
    FillOnly(cr, kInk);
    DrawPineTree(cr, {cx - 200, base + 6, 1.0, false}, {150, true, false, 0});
    DrawPineTree(cr, {width - 40, base + 10, 1.0, false}, {120, true, false, 0});
}

void DrawMountainScene(cairo_t* cr, double width, double height)
{
    Sky(cr, width, height, pal::kBlue[4], pal::kSnow[14]);
    const double peaks[][3] = {{0.18, 0.22, 0.26}, {0.52, 0.12, 0.32}, {0.86, 0.26, 0.24}};
    for (const auto& p : peaks) {
        const double x = p[0] * width, top = p[1] * height, half = p[2] * width;
        PolygonPath(cr, {{x - half, height * 0.72}, {x, top}, {x + half, height * 0.72}});
        FillOutlined(cr, pal::kStone[4], kInk);
        PolygonPath(cr, {{x - half * 0.32, top + half * 0.5}, {x, top}, {x + half * 0.32, top + half * 0.5},
                         {x + half * 0.12, top + half * 0.42}, {x, top + half * 0.56}, {x - half * 0.14, top + half * 0.44}});
        FillOutlined(cr, pal::kWhite, kInk, 1.5);
    }
    DrawSnowyHills(cr, width, height * 0.66, height, 12, pal::kSnow[14], pal::kSnow[10], 8);
    for (int i = 0; i < 9; ++i) {
        const double x = 30 + i * (width - 60) / 8.0;
        DrawPineTree(cr, {x, height * (0.86 + 0.04 * (i % 3)), 1.0, false}, {90.0 + 25 * (i % 3), true, false, 0});
    }
}

void DrawIceCastleScene(cairo_t* cr, double width, double height)
{
    DrawNightSky(cr, width, height, height * 0.7, 50, 21);
    DrawMoon(cr, width * 0.86, height * 0.16, 26, true, false);
    DrawSnowyHills(cr, width, height * 0.72, height, 8, pal::kSnow[13], pal::kSnow[9], 4);
    const double cx = width / 2, base = height * 0.82;
    auto tower = [&](double x, double w, double h) {
        Rect(cr, x - w / 2, base - h, w, h);
        FillOutlined(cr, pal::kCyan[6], kInk);
        PolygonPath(cr, {{x - w / 2 - 6, base - h}, {x, base - h - w * 1.3}, {x + w / 2 + 6, base - h}});
        FillOutlined(cr, pal::kCyan[4], kInk);
        Rect(cr, x - 6, base - h + 20, 12, 18);
        FillOutlined(cr, pal::kBlue[6], kInk, 1.5);
    };
    tower(cx - 150, 44, 150);
    tower(cx + 150, 44, 150);
    tower(cx - 70, 52, 200);
    tower(cx + 70, 52, 200);
    tower(cx, 70, 250);
    Rect(cr, cx - 180, base - 90, 360, 90);
    FillOutlined(cr, pal::kCyan[7], kInk);
    for (int i = 0; i < 12; ++i) {
        Rect(cr, cx - 180 + i * 31, base - 100, 18, 12);
        FillOutlined(cr, pal::kCyan[7], kInk, 1.5);
    }
    SmoothPath(cr, {{cx - 30, base}, {cx - 30, base - 50}, {cx, base - 70}, {cx + 30, base - 50}, {cx + 30, base}});
    FillOutlined(cr, pal::kBlue[2], kInk);
    for (int i = 0; i < 10; ++i) {
        const double x = cx - 170 + i * 37;
        PolygonPath(cr, {{x, base - 90}, {x + 6, base - 90}, {x + 3, base - 76}});
        FillOnly(cr, pal::kWhite);
    }
}

void DrawRoomScene(cairo_t* cr, double width, double height)
{
    const double floor = height * 0.74;
    Rect(cr, 0, 0, width, floor);
    FillOnly(cr, pal::kGreen[3]);
    for (int i = 0; i < 14; ++i) {
        Rect(cr, i * width / 14.0 + 10, 0, 8, floor);
        FillOnly(cr, pal::kGreen[4]);
    }
    Rect(cr, 0, floor, width, height - floor);
    FillOnly(cr, pal::kFur[5]);
    for (int i = 0; i < 6; ++i) {
        cairo_move_to(cr, 0, floor + i * 18);
        cairo_line_to(cr, width, floor + i * 18);
        StrokeOnly(cr, pal::kFur[3], 2);
    }
    EllipsePath(cr, width * 0.5, height * 0.9, width * 0.3, height * 0.07);
    FillOutlined(cr, pal::kRed[7], kInk);
    // Window with a snowy night outside.
    const double wx = width * 0.08, wy = height * 0.14, ww = width * 0.22, wh = height * 0.36;
    Rect(cr, wx, wy, ww, wh);
    FillOutlined(cr, pal::kNightSky[6], kInk);
    DrawMoon(cr, wx + ww * 0.7, wy + wh * 0.3, 12, true, false);
    cairo_move_to(cr, wx + ww / 2, wy);
    cairo_line_to(cr, wx + ww / 2, wy + wh);
    cairo_move_to(cr, wx, wy + wh / 2);
    cairo_line_to(cr, wx + ww, wy + wh / 2);
    StrokeOnly(cr, pal::kWhite, 5);
    Rect(cr, wx, wy, ww, wh);
    StrokeOnly(cr, pal::kWhite, 6);
    // Fireplace with a fire and stockings.
    const double fx = width * 0.42, fw = width * 0.28, ftop = height * 0.28;
    Rect(cr, fx, ftop, fw, floor - ftop);
    FillOutlined(cr, pal::kBrick[4], kInk);
    for (int r = 0; r < 8; ++r)
        for (int c = 0; c < 6; ++c) {
            Rect(cr, fx + c * fw / 6 + (r % 2) * fw / 12, ftop + 12 + r * (floor - ftop) / 8, fw / 6 - 3, (floor - ftop) / 8 - 3);
            StrokeOnly(cr, pal::kBrick[2], 1);
        }
    Rect(cr, fx - 12, ftop - 14, fw + 24, 16);
    FillOutlined(cr, pal::kFur[3], kInk);
    SmoothPath(cr, {{fx + fw * 0.25, floor}, {fx + fw * 0.25, floor - 60}, {fx + fw / 2, floor - 86},
                    {fx + fw * 0.75, floor - 60}, {fx + fw * 0.75, floor}});
    FillOutlined(cr, kInk, kInk);
    for (double s : {-1.0, 0.0, 1.0}) {
        SmoothPath(cr, {{fx + fw / 2 + s * 16 - 12, floor - 6}, {fx + fw / 2 + s * 16, floor - 50 + std::abs(s) * 14},
                        {fx + fw / 2 + s * 16 + 12, floor - 6}});
        FillOutlined(cr, pal::kOrange[4], pal::kRed[6], 1.5);
        SmoothPath(cr, {{fx + fw / 2 + s * 16 - 6, floor - 6}, {fx + fw / 2 + s * 16, floor - 30 + std::abs(s) * 8},
                        {fx + fw / 2 + s * 16 + 6, floor - 6}});
        FillOnly(cr, pal::kGold[13]);
    }
    for (int i = 0; i < 3; ++i) DrawStocking(cr, {fx + fw * (0.2 + 0.3 * i), ftop + 2, 0.45, i == 1});
    DrawPineTree(cr, {width * 0.86, floor + 24, 1.0, false}, {height * 0.62, false, true, 0.2});
    DrawGift(cr, {width * 0.8, floor + 30, 0.9, false}, {GiftWrap::RedGold, GiftPattern::Plain});
    DrawGift(cr, {width * 0.92, floor + 32, 0.8, false}, {GiftWrap::BlueSilver, GiftPattern::Stripes});
}

void DrawVillageScene(cairo_t* cr, double width, double height)
{
    DrawNightSky(cr, width, height, height * 0.6, 60, 33);
    DrawMoon(cr, width * 0.12, height * 0.14, 24, false, false);
    DrawSnowyHills(cr, width, height * 0.6, height, 14, pal::kSnow[12], pal::kSnow[8], 6);
    const int walls[] = {pal::kBrick[4], pal::kGold[9], pal::kBlue[5], pal::kBrick[5], pal::kGreen[6]};
    for (int i = 0; i < 5; ++i) {
        HouseLook look;
        look.wall = walls[i];
        look.wallShade = walls[i] - 2;
        look.smoke = (i % 2) == 0;
        DrawHouse(cr, {60.0 + i * (width - 120) / 4.0, height * (0.78 + 0.05 * (i % 2)), 0.9 - 0.1 * (i % 2), i % 2 == 1},
                  look);
    }
    for (int i = 0; i < 4; ++i)
        DrawPineTree(cr, {120.0 + i * (width - 240) / 3.0, height * 0.98, 1.0, false}, {70, true, i == 2, 0.1});
    DrawSnowfall(cr, width, height, 60, 5);
}

void DrawCardFrame(cairo_t* cr, double width, double height, int style)
{
    Rect(cr, 0, 0, width, height);
    const int paper[] = {pal::kWhite, pal::kSnow[15], pal::kGold[15], pal::kWhite, pal::kSnow[15]};
    FillOnly(cr, paper[(style - 1) % 5]);
    const double m = 26;
    switch (style) {
    case 1: // holly all round
        Rect(cr, m / 2, m / 2, width - m, height - m);
        StrokeOnly(cr, pal::kGreen[6], 6);
        for (int i = 0; i < 8; ++i) {
            DrawHolly(cr, m / 2 + i * (width - m) / 7, m / 2, 22, i * 0.7);
            DrawHolly(cr, m / 2 + i * (width - m) / 7, height - m / 2, 22, -i * 0.7);
        }
        for (int i = 1; i < 5; ++i) {
            DrawHolly(cr, m / 2, m / 2 + i * (height - m) / 5, 22, i);
            DrawHolly(cr, width - m / 2, m / 2 + i * (height - m) / 5, 22, -i);
        }
        break;
    case 2: { // candy-stripe border
        Rect(cr, 0, 0, width, height);
        Rect(cr, m, m, width - 2 * m, height - 2 * m);
        cairo_set_fill_rule(cr, CAIRO_FILL_RULE_EVEN_ODD);
        FillOnly(cr, pal::kWhite);
        cairo_set_fill_rule(cr, CAIRO_FILL_RULE_WINDING);
        cairo_save(cr);
        Rect(cr, 0, 0, width, height);
        Rect(cr, m, m, width - 2 * m, height - 2 * m);
        cairo_set_fill_rule(cr, CAIRO_FILL_RULE_EVEN_ODD);
        cairo_clip(cr);
        for (double x = -height; x < width; x += 28) {
            PolygonPath(cr, {{x, height}, {x + 14, height}, {x + 14 + height, 0}, {x + height, 0}});
            FillOnly(cr, pal::kRed[9]);
        }
        cairo_restore(cr);
        Rect(cr, m, m, width - 2 * m, height - 2 * m);
        StrokeOnly(cr, pal::kRed[6], 3);
        break;
    }
    case 3: // snowflakes on blue
        Rect(cr, 0, 0, width, m * 1.4);
        Rect(cr, 0, height - m * 1.4, width, m * 1.4);
        Rect(cr, 0, 0, m * 1.4, height);
        Rect(cr, width - m * 1.4, 0, m * 1.4, height);
        FillOnly(cr, pal::kBlue[4]);
        for (int i = 0; i < 12; ++i) {
            DrawSnowflake(cr, 18 + i * (width - 36) / 11, 18, 12, i * 0.3);
            DrawSnowflake(cr, 18 + i * (width - 36) / 11, height - 18, 12, i * 0.5);
        }
        for (int i = 1; i < 7; ++i) {
            DrawSnowflake(cr, 18, 18 + i * (height - 36) / 7, 12, i * 0.4);
            DrawSnowflake(cr, width - 18, 18 + i * (height - 36) / 7, 12, i * 0.2);
        }
        break;
    case 4: // stars and a string of lights
        Rect(cr, m / 2, m / 2, width - m, height - m);
        StrokeOnly(cr, pal::kGold[9], 5);
        DrawLightString(cr, 10, 12, width / 2, 16, 30, 8);
        DrawLightString(cr, width / 2, 16, width - 10, 12, 30, 8);
        for (int i = 0; i < 9; ++i) DrawStar(cr, 30 + i * (width - 60) / 8, height - 20, 11, i * 0.2);
        for (int i = 1; i < 5; ++i) {
            DrawStar(cr, 18, 40 + i * (height - 80) / 5, 10, i * 0.3);
            DrawStar(cr, width - 18, 40 + i * (height - 80) / 5, 10, -i * 0.3);
        }
        break;
    default: // presents and a ribbon
        Rect(cr, m / 2, m / 2, width - m, height - m);
        StrokeOnly(cr, pal::kPurple[4], 8);
        for (int i = 0; i < 6; ++i) {
            const GiftWrap wrap = static_cast<GiftWrap>(i % kGiftWrapCount);
            DrawGift(cr, {40.0 + i * (width - 80) / 5, height - 6, 0.9, false}, {wrap, GiftPattern::Dots});
        }
        DrawRibbonBanner(cr, width / 2 - 110, 10, 220, 40);
        break;
    }
}

} // namespace mediagen
