// Group "cardbuttons": every picture button of cardwright (up, pushed, hover; on, off) as 256-colour bitmaps.
#include "MediaGenerator.h"
#include "art/ArtPen.h"
#include "art/GiftArt.h"
#include "art/GlimmerArt.h"
#include "art/PenguinArt.h"
#include "art/SkyArt.h"
#include "art/SnowmobileArt.h"
#include "BmpWriter.h"
#include "paint/Canvas.h"
#include "paint/GamePalette.h"
#include "paint/Ink.h"
#include "paint/PictureFile.h"
#include "paint/Quantizer.h"
#include "paint/TextPainter.h"

#include <cmath>
#include <functional>
#include <string>

namespace mediagen {

namespace {

enum class Look { Up, Pushed, Hover, On, Off };

// The colours of one button's plaque: body from dark to light.
struct Body {
    int dark, mid, light;
};

constexpr Body kRedBody{pal::kRed[3], pal::kRed[8], pal::kRed[12]};
constexpr Body kGreenBody{pal::kGreen[3], pal::kGreen[8], pal::kGreen[12]};
constexpr Body kBlueBody{pal::kBlue[0], pal::kBlue[3], pal::kBlue[6]};
constexpr Body kIceBody{pal::kCyan[1], pal::kCyan[4], pal::kCyan[7]};
constexpr Body kPurpleBody{pal::kPurple[1], pal::kPurple[4], pal::kPurple[7]};
constexpr Body kGoldBody{pal::kGold[3], pal::kGold[8], pal::kGold[13]};
constexpr Body kWoodBody{pal::kFur[2], pal::kFur[6], pal::kFur[10]};
constexpr Body kOffBody{pal::kGrey[3], pal::kGrey[6], pal::kGrey[9]};

using Symbol = std::function<void(cairo_t* cr, double w, double h, Look look)>;

void RoundedRectPath(cairo_t* cr, double x, double y, double w, double h, double r)
{
    cairo_new_sub_path(cr);
    cairo_arc(cr, x + w - r, y + r, r, -M_PI / 2, 0);
    cairo_arc(cr, x + w - r, y + h - r, r, 0, M_PI / 2);
    cairo_arc(cr, x + r, y + h - r, r, M_PI / 2, M_PI);
    cairo_arc(cr, x + r, y + r, r, M_PI, 3 * M_PI / 2);
    cairo_close_path(cr);
}

// The plaque every button stands on: rounded, outlined, lit from above. Pushed
// sinks and darkens, hover gets a gold rim, off is grey.
void DrawPlaque(cairo_t* cr, double w, double h, Body body, Look look)
{
    const double inset = look == Look::Pushed ? 2.0 : 1.0;
    const double r = std::min(w, h) * 0.28;
    const double top = inset + (look == Look::Pushed ? 1.0 : 0.0);
    const double height = h - inset - top;
    if (look == Look::Off)
        body = kOffBody;
    RoundedRectPath(cr, inset, top, w - 2 * inset, height, r);
    if (look == Look::Pushed)
        FillBlendDown(cr, top, top + height, {{0.0, body.dark}, {1.0, body.mid}});
    else if (look == Look::Hover)
        FillBlendDown(cr, top, top + height, {{0.0, body.light}, {0.55, body.mid}, {1.0, body.mid}});
    else
        FillBlendDown(cr, top, top + height, {{0.0, body.light}, {0.6, body.mid}, {1.0, body.dark}});
    cairo_set_line_width(cr, look == Look::Hover ? 2.5 : 1.5);
    SetInk(cr, look == Look::Hover ? pal::kGold[13] : pal::kBlack);
    cairo_stroke(cr);
    if (look == Look::Hover) {
        RoundedRectPath(cr, inset + 0.5, top + 0.5, w - 2 * inset - 1, height - 1, r);
        StrokeOnly(cr, pal::kBlack, 0.8);
    }
    // A glint in the upper left, gone when pushed in or switched off.
    if (look != Look::Pushed && look != Look::Off && w > 20 && h > 20) {
        EllipsePath(cr, inset + w * 0.26, top + height * 0.17, w * 0.14, height * 0.05, -0.3);
        FillOnly(cr, pal::kWhite, 0.7);
    }
}

// Runs `draw` in a space where the symbol's box (0,0)-(w,h) is the button, sunk when pushed.
void WithSymbolSpace(cairo_t* cr, Look look, const std::function<void()>& draw)
{
    cairo_save(cr);
    if (look == Look::Pushed)
        cairo_translate(cr, 1, 2);
    draw();
    cairo_restore(cr);
}

Canvas ButtonCanvas(int w, int h, Body body, Look look, const Symbol& symbol)
{
    Canvas canvas(w, h);
    cairo_t* cr = canvas.Cr();
    DrawPlaque(cr, w, h, body, look);
    WithSymbolSpace(cr, look, [&] { symbol(cr, w, h, look); });
    return canvas;
}

std::vector<uint8_t> Picture(int w, int h, Body body, Look look, const Symbol& symbol)
{
    return EncodeCanvasBmp(ButtonCanvas(w, h, body, look, symbol));
}

// The sixteen colours of the plainest displays; fuchsia (13) doubles as the colour key.
constexpr std::array<Rgb, 16> kSixteenColours = {{{0, 0, 0},     {128, 0, 0},   {0, 128, 0},   {128, 128, 0},
                                                 {0, 0, 128},   {128, 0, 128}, {0, 128, 128}, {192, 192, 192},
                                                 {128, 128, 128}, {255, 0, 0}, {0, 255, 0},   {255, 255, 0},
                                                 {0, 0, 255},   {255, 0, 255}, {0, 255, 255}, {255, 255, 255}}};
constexpr uint8_t kSixteenColourKey = 13;

std::vector<uint8_t> SixteenColourPicture(int w, int h, Body body, Look look, const Symbol& symbol)
{
    const Canvas canvas = ButtonCanvas(w, h, body, look, symbol);
    // Only the first sixteen entries can win: the rest repeat black behind them.
    Palette palette{};
    std::copy(kSixteenColours.begin(), kSixteenColours.end(), palette.begin());
    palette[pal::kTransparent] = kSixteenColours[kSixteenColourKey];
    QuantizeOptions options;
    options.dither = true;
    options.ditherSpread = 48.0;
    IndexedImage image = QuantizeCanvas(canvas, palette, options);
    for (uint8_t& index : image.pixels)
        if (index == pal::kTransparent) index = kSixteenColourKey;
    return EncodeBmp4(image, kSixteenColours);
}

using PictureMaker = std::vector<uint8_t> (*)(int w, int h, Body body, Look look, const Symbol& symbol);

void WritePush(const OutputTree& out, int base, int w, int h, Body body, const Symbol& symbol,
               PictureMaker make = &Picture)
{
    WriteOrThrow(out.CardResourcePath("bitmaps/" + std::to_string(base + 2) + ".bmp"),
                 make(w, h, body, Look::Up, symbol));
    WriteOrThrow(out.CardResourcePath("bitmaps/" + std::to_string(base + 4) + ".bmp"),
                 make(w, h, body, Look::Pushed, symbol));
    WriteOrThrow(out.CardResourcePath("bitmaps/" + std::to_string(base + 5) + ".bmp"),
                 make(w, h, body, Look::Hover, symbol));
}

void WriteToggle(const OutputTree& out, int base, int w, int h, Body body, const Symbol& symbol)
{
    WriteOrThrow(out.CardResourcePath("bitmaps/" + std::to_string(base + 1) + ".bmp"),
                 Picture(w, h, body, Look::On, symbol));
    WriteOrThrow(out.CardResourcePath("bitmaps/" + std::to_string(base + 3) + ".bmp"),
                 Picture(w, h, body, Look::Off, symbol));
}

int Dimmed(int colour, Look look, int offColour)
{
    return look == Look::Off ? offColour : colour;
}

TextStyle Caption(double sizePx, Rgb fill = {255, 246, 216})
{
    TextStyle style;
    style.sizePx = sizePx;
    style.fill = fill;
    style.outline = {20, 12, 8};
    style.outlineWidth = sizePx > 10 ? 1.6 : 1.0;
    style.align = TextAlign::Centre;
    return style;
}

// --- the symbols -----------------------------------------------------------------------

void GlimmerWaving(cairo_t* cr, double w, double h, Look look)
{
    DrawGlimmer(cr, {w / 2, h - 6, (h - 12) / 130.0, false},
                {GlimmerPose::Wave, GlimmerView::ThreeQuarter, 0.25, false});
}

void Broom(cairo_t* cr, double w, double h, Look)
{
    Limb(cr, {{w * 0.78, h * 0.12}, {w * 0.42, h * 0.6}}, 4, pal::kFur[7], pal::kBlack);
    PolygonPath(cr, {{w * 0.36, h * 0.52}, {w * 0.5, h * 0.64}, {w * 0.34, h * 0.9}, {w * 0.12, h * 0.76}});
    FillOutlined(cr, pal::kGold[10], pal::kBlack);
    for (int i = 0; i < 4; ++i) {
        const double t = 0.2 + i * 0.2;
        cairo_move_to(cr, w * (0.43 - 0.02 * i), h * 0.6);
        cairo_line_to(cr, w * (0.34 - 0.2 * t), h * (0.8 + 0.03 * i));
    }
    StrokeOnly(cr, pal::kGold[4], 1.0);
    DrawTwinkle(cr, w * 0.72, h * 0.72, 6, 1);
    DrawTwinkle(cr, w * 0.22, h * 0.3, 4, 0.8);
}

void TrashCan(cairo_t* cr, double w, double h, Look)
{
    PolygonPath(cr, {{w * 0.28, h * 0.32}, {w * 0.72, h * 0.32}, {w * 0.66, h * 0.86}, {w * 0.34, h * 0.86}});
    FillOutlined(cr, pal::kGrey[10], pal::kBlack);
    for (int i = 0; i < 3; ++i) {
        cairo_move_to(cr, w * (0.4 + 0.1 * i), h * 0.4);
        cairo_line_to(cr, w * (0.4 + 0.1 * i), h * 0.79);
    }
    StrokeOnly(cr, pal::kGrey[5], 1.6);
    RoundedRectPath(cr, w * 0.22, h * 0.22, w * 0.56, h * 0.08, 2);
    FillOutlined(cr, pal::kGrey[12], pal::kBlack);
    RoundedRectPath(cr, w * 0.42, h * 0.15, w * 0.16, h * 0.08, 2);
    FillOutlined(cr, pal::kGrey[8], pal::kBlack);
}

void MusicNotes(cairo_t* cr, double w, double h, Look look)
{
    const int ink = Dimmed(pal::kGold[12], look, pal::kGrey[11]);
    EllipsePath(cr, w * 0.34, h * 0.7, w * 0.11, h * 0.075, -0.4);
    FillOutlined(cr, ink, pal::kBlack);
    EllipsePath(cr, w * 0.68, h * 0.62, w * 0.11, h * 0.075, -0.4);
    FillOutlined(cr, ink, pal::kBlack);
    Limb(cr, {{w * 0.43, h * 0.68}, {w * 0.43, h * 0.26}}, 2.5, ink, pal::kBlack, 1.2);
    Limb(cr, {{w * 0.77, h * 0.6}, {w * 0.77, h * 0.18}}, 2.5, ink, pal::kBlack, 1.2);
    PolygonPath(cr, {{w * 0.41, h * 0.24}, {w * 0.79, h * 0.16}, {w * 0.79, h * 0.27}, {w * 0.41, h * 0.35}});
    FillOutlined(cr, ink, pal::kBlack, 1.2);
    if (look == Look::On) {
        for (int i = 0; i < 2; ++i) {
            cairo_arc(cr, w * 0.2, h * 0.3, 5 + 4 * i, M_PI * 0.8, M_PI * 1.3);
            StrokeOnly(cr, pal::kWhite, 1.6);
        }
        DrawTwinkle(cr, w * 0.86, h * 0.82, 5, 1);
    } else {
        cairo_move_to(cr, w * 0.18, h * 0.85);
        cairo_line_to(cr, w * 0.86, h * 0.14);
        StrokeOutlined(cr, 3.5, pal::kRed[8], pal::kBlack);
    }
}

void PencilAndLetters(cairo_t* cr, double w, double h, Look)
{
    TextStyle style = Caption(h * 0.3);
    style.align = TextAlign::Left;
    DrawText(cr, style, "Abc", w * 0.1, h * 0.5);
    cairo_save(cr);
    cairo_translate(cr, w * 0.62, h * 0.42);
    cairo_rotate(cr, 0.75);
    RoundedRectPath(cr, -4, -h * 0.32, 8, h * 0.48, 1.5);
    FillOutlined(cr, pal::kGold[11], pal::kBlack);
    RoundedRectPath(cr, -4, -h * 0.38, 8, h * 0.08, 1.5);
    FillOutlined(cr, pal::kPink[6], pal::kBlack);
    PolygonPath(cr, {{-4, h * 0.16}, {4, h * 0.16}, {0, h * 0.28}});
    FillOutlined(cr, pal::kSkin[6], pal::kBlack, 1.2);
    cairo_restore(cr);
}

void Printer(cairo_t* cr, double w, double h, Look)
{
    // The sheet coming out, with a little tree on it.
    RoundedRectPath(cr, w * 0.3, h * 0.1, w * 0.4, h * 0.36, 1.5);
    FillOutlined(cr, pal::kWhite, pal::kBlack, 1.2);
    PolygonPath(cr, {{w * 0.5, h * 0.14}, {w * 0.6, h * 0.34}, {w * 0.4, h * 0.34}});
    FillOnly(cr, pal::kGreen[9]);
    DrawStar(cr, w * 0.5, h * 0.15, 2.5);
    RoundedRectPath(cr, w * 0.14, h * 0.4, w * 0.72, h * 0.3, 4);
    FillOutlined(cr, pal::kGrey[9], pal::kBlack);
    RoundedRectPath(cr, w * 0.24, h * 0.62, w * 0.52, h * 0.2, 1.5);
    FillOutlined(cr, pal::kWhite, pal::kBlack, 1.2);
    CirclePath(cr, w * 0.76, h * 0.48, 2.2);
    FillOutlined(cr, pal::kGreen[12], pal::kBlack, 1.0);
}

void SmallGlimmer(cairo_t* cr, double w, double h, Look look)
{
    DrawGlimmer(cr, {w / 2, h - 3, (h - 6) / 130.0, false},
                {GlimmerPose::Stand, GlimmerView::ThreeQuarter, 0, look == Look::On});
}

void ElfHat(cairo_t* cr, double w, double h, Look look)
{
    const int hat = Dimmed(pal::kGreen[9], look, pal::kGrey[8]);
    SmoothPath(cr, {{w * 0.2, h * 0.72}, {w * 0.5, h * 0.3}, {w * 0.86, h * 0.18}, {w * 0.7, h * 0.42},
                    {w * 0.8, h * 0.72}});
    FillOutlined(cr, hat, pal::kBlack, 1.2);
    RoundedRectPath(cr, w * 0.14, h * 0.66, w * 0.72, h * 0.16, 3);
    FillOutlined(cr, Dimmed(pal::kRed[9], look, pal::kGrey[10]), pal::kBlack, 1.2);
    CirclePath(cr, w * 0.86, h * 0.2, std::max(2.5, w * 0.07));
    FillOutlined(cr, Dimmed(pal::kGold[12], look, pal::kGrey[12]), pal::kBlack, 1.0);
}

void SmallPenguin(cairo_t* cr, double w, double h, Look)
{
    DrawPenguin(cr, {w / 2, h - 4, (h - 8) / 55.0, false}, {PenguinPose::Stand, 0});
}

void SmallGift(cairo_t* cr, double w, double h, Look look)
{
    GiftLook gift;
    gift.wrap = look == Look::On ? GiftWrap::RedGold : GiftWrap::BlueSilver;
    gift.width = 40;
    gift.height = 30;
    DrawGift(cr, {w / 2, h - 6, (w - 10) / 40.0, false}, gift);
}

void LittleLandscape(cairo_t* cr, double w, double h, Look look)
{
    const double x = 5, y = 6, fw = w - 10, fh = h - 12;
    cairo_rectangle(cr, x, y, fw, fh);
    FillOutlined(cr, Dimmed(pal::kBlue[6], look, pal::kGrey[9]), pal::kBlack, 1.2);
    cairo_move_to(cr, x, y + fh * 0.7);
    cairo_curve_to(cr, x + fw * 0.3, y + fh * 0.45, x + fw * 0.6, y + fh * 0.55, x + fw, y + fh * 0.5);
    cairo_line_to(cr, x + fw, y + fh);
    cairo_line_to(cr, x, y + fh);
    cairo_close_path(cr);
    FillOnly(cr, pal::kWhite);
    PolygonPath(cr, {{x + fw * 0.7, y + fh * 0.15}, {x + fw * 0.9, y + fh * 0.6}, {x + fw * 0.5, y + fh * 0.6}});
    FillOnly(cr, Dimmed(pal::kGreen[7], look, pal::kGrey[5]));
    CirclePath(cr, x + fw * 0.25, y + fh * 0.22, 2);
    FillOnly(cr, pal::kGold[13]);
}

void Arrow(cairo_t* cr, double w, double h, bool forward)
{
    cairo_save(cr);
    if (!forward) {
        cairo_translate(cr, w, 0);
        cairo_scale(cr, -1, 1);
    }
    PolygonPath(cr, {{w * 0.16, h * 0.38}, {w * 0.5, h * 0.38}, {w * 0.5, h * 0.18}, {w * 0.86, h * 0.5},
                     {w * 0.5, h * 0.82}, {w * 0.5, h * 0.62}, {w * 0.16, h * 0.62}});
    FillOutlined(cr, pal::kGold[12], pal::kBlack, 2.0);
    PolygonPath(cr, {{w * 0.2, h * 0.42}, {w * 0.52, h * 0.42}, {w * 0.52, h * 0.28}, {w * 0.7, h * 0.44}});
    FillOnly(cr, pal::kGold[15], 0.8);
    cairo_restore(cr);
}

void Door(cairo_t* cr, double w, double h, Look)
{
    cairo_rectangle(cr, w * 0.2, h * 0.14, w * 0.6, h * 0.7);
    FillOutlined(cr, pal::kNightSky[3], pal::kBlack, 1.2);
    PolygonPath(cr, {{w * 0.2, h * 0.14}, {w * 0.56, h * 0.2}, {w * 0.56, h * 0.9}, {w * 0.2, h * 0.84}});
    FillOutlined(cr, pal::kBrick[4], pal::kBlack, 1.2);
    CirclePath(cr, w * 0.5, h * 0.52, 1.8);
    FillOutlined(cr, pal::kGold[12], pal::kBlack, 0.8);
    DrawStar(cr, w * 0.68, h * 0.3, 4);
}

void PlayTheGame(cairo_t* cr, double w, double h, Look)
{
    DrawSnowmobile(cr, {w * 0.3, h - 8, (h - 18) / 115.0, false}, {0.0, true, 0.0});
    TextStyle style = Caption(19, {255, 236, 120});
    style.outlineWidth = 2.2;
    DrawText(cr, style, "Play!", w * 0.76, h * 0.3);
    DrawTwinkle(cr, w * 0.9, h * 0.2, 4, 1);
}

void BackArrow(cairo_t* cr, double w, double h, Look)
{
    cairo_new_path(cr);
    cairo_arc(cr, w * 0.52, h * 0.52, std::min(w, h) * 0.24, -M_PI * 0.9, M_PI * 0.55);
    StrokeOutlined(cr, 7, pal::kGreen[11], pal::kBlack);
    const double tipX = w * 0.52 - std::min(w, h) * 0.24 * std::cos(M_PI * 0.1);
    const double tipY = h * 0.52 - std::min(w, h) * 0.24 * std::sin(M_PI * 0.1);
    PolygonPath(cr, {{tipX - 10, tipY + 2}, {tipX + 7, tipY + 3}, {tipX - 2, tipY - 12}});
    FillOutlined(cr, pal::kGreen[11], pal::kBlack, 1.5);
}

void CheckMark(cairo_t* cr, double w, double h, double yTop, double yBottom)
{
    const double span = yBottom - yTop;
    PolygonPath(cr, {{w * 0.16, yTop + span * 0.52}, {w * 0.32, yTop + span * 0.38}, {w * 0.44, yTop + span * 0.6},
                     {w * 0.76, yTop + span * 0.08}, {w * 0.9, yTop + span * 0.22}, {w * 0.45, yTop + span * 0.92}});
    FillOutlined(cr, pal::kLime[7], pal::kBlack, 1.5);
}

void Cross(cairo_t* cr, double w, double h)
{
    const double s = std::min(w, h) * 0.28;
    cairo_move_to(cr, w / 2 - s, h / 2 - s);
    cairo_line_to(cr, w / 2 + s, h / 2 + s);
    cairo_move_to(cr, w / 2 + s, h / 2 - s);
    cairo_line_to(cr, w / 2 - s, h / 2 + s);
    StrokeOutlined(cr, 6, pal::kRed[10], pal::kBlack);
}

void Word(cairo_t* cr, double w, double h, const char* text, double sizePx)
{
    TextStyle style = Caption(sizePx);
    const TextBox box = MeasureText(cr, style, text);
    DrawText(cr, style, text, w / 2, (h - box.height) / 2);
}

void WriteButtons(const OutputTree& out)
{
    WritePush(out, 1000, 62, 76, kPurpleBody, &GlimmerWaving);
    WritePush(out, 1010, 53, 64, kBlueBody, &Broom);
    WritePush(out, 1020, 55, 67, kRedBody, &TrashCan);
    WriteToggle(out, 1100, 57, 67, kGreenBody, &MusicNotes);
    WritePush(out, 1110, 68, 62, kBlueBody, &PencilAndLetters);
    WritePush(out, 1120, 61, 71, kRedBody, &Printer);
    // A spare set in sixteen colours, kept in the resources for displays that show no more.
    WritePush(out, 1030, 61, 71, kRedBody, &Printer, &SixteenColourPicture);

    WriteToggle(out, 1200, 38, 37, kGoldBody, &SmallGlimmer);
    WriteToggle(out, 1210, 42, 39, kGoldBody, &ElfHat);
    WriteToggle(out, 1220, 43, 38, kGoldBody, &SmallPenguin);
    WriteToggle(out, 1230, 32, 33, kGoldBody, &SmallGift);
    WriteToggle(out, 1240, 29, 33, kGoldBody, &LittleLandscape);

    WritePush(out, 1300, 72, 69, kIceBody, [](cairo_t* cr, double w, double h, Look) { Arrow(cr, w, h, false); });
    WritePush(out, 1310, 73, 69, kIceBody, [](cairo_t* cr, double w, double h, Look) { Arrow(cr, w, h, true); });

    WritePush(out, 1400, 36, 57, kWoodBody, &Door);
    WritePush(out, 1410, 120, 78, kIceBody, &PlayTheGame);
    WritePush(out, 1420, 61, 56, kBlueBody, &BackArrow);
    WritePush(out, 1430, 42, 38, kGreenBody,
              [](cairo_t* cr, double w, double h, Look) { CheckMark(cr, w, h, h * 0.15, h * 0.85); });

    WritePush(out, 1500, 54, 13, kBlueBody, [](cairo_t* cr, double w, double h, Look) { Word(cr, w, h, "small", 9); });
    WritePush(out, 1510, 38, 16, kBlueBody, [](cairo_t* cr, double w, double h, Look) { Word(cr, w, h, "BIG", 12); });
    WritePush(out, 1520, 58, 42, kRedBody, [](cairo_t* cr, double w, double h, Look) { Cross(cr, w, h); });
    WritePush(out, 1530, 28, 44, kGreenBody, [](cairo_t* cr, double w, double h, Look) {
        CheckMark(cr, w, h, h * 0.08, h * 0.55);
        Word(cr, w, h * 1.55, "OK", 10);
    });
}

const RegisterGenerator kRegistration("cardbuttons", &WriteButtons);

} // namespace

} // namespace mediagen
