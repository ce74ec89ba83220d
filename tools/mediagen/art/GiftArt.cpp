// Wrapped presents: three faces of a box, ribbons across them, a bow of two loops.
#include "GiftArt.h"

#include "paint/GamePalette.h"

#include <cmath>

namespace mediagen {

namespace {

struct WrapColours {
    int paper, paperSide, paperTop, ribbon, ribbonShade, pattern;
};

WrapColours ColoursOf(GiftWrap wrap)
{
    using namespace pal;
    switch (wrap) {
    case GiftWrap::RedGold: return {kRed[8], kRed[5], kRed[10], kGold[10], kGold[6], kRed[12]};
    case GiftWrap::GreenRed: return {kGreen[7], kGreen[4], kGreen[9], kRed[8], kRed[5], kGreen[11]};
    case GiftWrap::BlueSilver: return {kBlue[4], kBlue[2], kBlue[5], kSnow[14], kSnow[6], kBlue[6]};
    case GiftWrap::PurpleGold: return {kPurple[4], kPurple[2], kPurple[5], kGold[10], kGold[6], kPurple[6]};
    case GiftWrap::YellowRed: return {kGold[11], kGold[7], kGold[13], kRed[8], kRed[5], kGold[14]};
    case GiftWrap::PinkWhite: return {kPink[4], kPink[2], kPink[5], kSnow[15], kSnow[9], kPink[6]};
    case GiftWrap::OrangeGreen: return {kOrange[3], kOrange[1], kOrange[5], kGreen[7], kGreen[4], kOrange[6]};
    case GiftWrap::CyanPink: return {kCyan[3], kCyan[1], kCyan[4], kPink[4], kPink[2], kCyan[6]};
    }
    return {kRed[8], kRed[5], kRed[10], kGold[10], kGold[6], kRed[12]};
}

} // namespace

void DrawGift(cairo_t* cr, const Placement& placement, const GiftLook& look)
{
    const WrapColours c = ColoursOf(look.wrap);
    const int ink = pal::kBlack;
    FigureSpace space(cr, placement);
    const double w = look.width, h = look.height;
    const double d = w * 0.3;           // depth of the side face
    const double rise = d * 0.45;       // how far the far edges rise
    const double fx0 = -w / 2, fx1 = w / 2 - d;
    cairo_translate(cr, 0, -h / 2);
    cairo_rotate(cr, look.tilt);
    cairo_translate(cr, 0, h / 2);

    // Front, side and top faces.
    PolygonPath(cr, {{fx0, 0}, {fx1, 0}, {fx1, -h}, {fx0, -h}});
    FillOutlined(cr, c.paper, ink);
    PolygonPath(cr, {{fx1, 0}, {w / 2, -rise}, {w / 2, -h - rise}, {fx1, -h}});
    FillOutlined(cr, c.paperSide, ink);
    PolygonPath(cr, {{fx0, -h}, {fx0 + d, -h - rise}, {w / 2, -h - rise}, {fx1, -h}});
    FillOutlined(cr, c.paperTop, ink);

    if (look.pattern != GiftPattern::Plain) {
        cairo_save(cr);
        PolygonPath(cr, {{fx0, 0}, {fx1, 0}, {fx1, -h}, {fx0, -h}});
        cairo_clip(cr);
        if (look.pattern == GiftPattern::Dots) {
            for (int row = 0; row < 4; ++row)
                for (int col = 0; col < 5; ++col)
                    CirclePath(cr, fx0 + (col + 0.25 + (row % 2) * 0.5) * (fx1 - fx0) / 4.5, -h * (row + 0.5) / 4, w * 0.035);
            FillOnly(cr, c.pattern);
        } else {
            for (double x = fx0 - h; x < fx1; x += w * 0.16) {
                cairo_move_to(cr, x, 0);
                cairo_line_to(cr, x + h, -h);
            }
            StrokeOnly(cr, c.pattern, w * 0.05);
        }
        cairo_restore(cr);
    }

    // Ribbons: down the middle of the front and the side, across the top both ways.
    const double band = w * 0.12;
    const double mx = (fx0 + fx1) / 2;
    PolygonPath(cr, {{mx - band / 2, 0}, {mx + band / 2, 0}, {mx + band / 2, -h}, {mx - band / 2, -h}});
    FillOutlined(cr, c.ribbon, ink, 1.2);
    const double sx = (fx1 + w / 2) / 2, sr = rise / 2;
    PolygonPath(cr, {{sx - band * 0.3, -sr + band * 0.1}, {sx + band * 0.3, -sr - band * 0.1},
                     {sx + band * 0.3, -h - sr - band * 0.1}, {sx - band * 0.3, -h - sr + band * 0.1}});
    FillOutlined(cr, c.ribbonShade, ink, 1.2);
    const double tx = mx + d / 2, ty = -h - rise / 2;
    PolygonPath(cr, {{mx - band / 2, -h}, {mx + band / 2, -h}, {mx + band / 2 + d, -h - rise},
                     {mx - band / 2 + d, -h - rise}});
    FillOutlined(cr, c.ribbon, ink, 1.2);
    PolygonPath(cr, {{fx0 + d / 2, ty - band * 0.3}, {fx0 + d / 2, ty + band * 0.3}, {w / 2 - d / 2, ty + band * 0.3},
                     {w / 2 - d / 2, ty - band * 0.3}});
    FillOutlined(cr, c.ribbon, ink, 1.2);

    // The bow: two loops and two tails around a knot.
    const double loop = w * 0.2;
    SmoothPath(cr, {{tx, ty}, {tx - loop * 0.7, ty - loop * 0.15}, {tx - loop * 1.3, ty - loop * 0.9},
                    {tx - loop * 0.6, ty - loop * 1.05}});
    FillOutlined(cr, c.ribbon, ink);
    SmoothPath(cr, {{tx, ty}, {tx + loop * 0.7, ty - loop * 0.15}, {tx + loop * 1.3, ty - loop * 0.9},
                    {tx + loop * 0.6, ty - loop * 1.05}});
    FillOutlined(cr, c.ribbon, ink);
    PolygonPath(cr, {{tx - 1, ty}, {tx - loop * 0.8, ty + loop * 0.6}, {tx - loop * 0.45, ty + loop * 0.75}});
    FillOutlined(cr, c.ribbonShade, ink, 1.2);
    PolygonPath(cr, {{tx + 1, ty}, {tx + loop * 0.8, ty + loop * 0.6}, {tx + loop * 0.45, ty + loop * 0.75}});
    FillOutlined(cr, c.ribbonShade, ink, 1.2);
    EllipsePath(cr, tx, ty - loop * 0.15, loop * 0.32, loop * 0.28);
    FillOutlined(cr, c.ribbonShade, ink);
}

} // namespace mediagen
