// Group "cardshell": cardwright's splash, about and login pictures, the main window's backdrop and side panels, and its menu texts.
#include "MediaGenerator.h"
#include "art/ArtPen.h"
#include "art/ArtRandom.h"
#include "art/FrontDecor.h"
#include "art/GiftArt.h"
#include "art/GlimmerArt.h"
#include "art/LandscapeArt.h"
#include "art/PenguinArt.h"
#include "art/SkyArt.h"
#include "art/SnowCappedText.h"
#include "art/VillageArt.h"
#include "paint/Canvas.h"
#include "paint/GamePalette.h"
#include "paint/Ink.h"
#include "paint/PictureFile.h"
#include "paint/TextPainter.h"

#include <cmath>
#include <string>

namespace mediagen {

namespace {

QuantizeOptions Soft()
{
    QuantizeOptions options;
    options.dither = true;
    options.ditherSpread = 10.0;
    return options;
}

void WritePicture(const OutputTree& out, int id, const Canvas& canvas)
{
    WriteOrThrow(out.CardResourcePath("bitmaps/" + std::to_string(id) + ".bmp"),
                 EncodeCanvasBmp(canvas, GamePalette(), Soft()));
}

TextStyle Lettering(double sizePx, TextAlign align = TextAlign::Centre)
{
    TextStyle style;
    style.sizePx = sizePx;
    style.fill = {255, 248, 220};
    style.outline = {30, 14, 10};
    style.outlineWidth = sizePx >= 16 ? 2.5 : 1.6;
    style.align = align;
    return style;
}

TextStyle TitleLettering(double sizePx)
{
    TextStyle title;
    title.sizePx = sizePx;
    title.fill = GameColour(pal::kGold[12]);
    title.fillBottom = GameColour(pal::kOrange[2]);
    title.outline = GameColour(pal::kRed[1]);
    title.outlineWidth = 3.5;
    title.shadow = GameColour(pal::kNightSky[0]);
    title.shadowDx = 3;
    title.shadowDy = 4;
    title.align = TextAlign::Centre;
    title.letterSpacingPx = 1;
    return title;
}

// A card on a little easel, showing a tree under a star: what this program makes.
void DrawCardOnEasel(cairo_t* cr, double x, double y, double w, double h)
{
    Limb(cr, {{x + w * 0.2, y + h}, {x + w * 0.35, y + h + 40}}, 5, pal::kFur[5], pal::kBlack);
    Limb(cr, {{x + w * 0.8, y + h}, {x + w * 0.65, y + h + 40}}, 5, pal::kFur[5], pal::kBlack);
    cairo_rectangle(cr, x - 6, y - 6, w + 12, h + 12);
    FillOutlined(cr, pal::kGold[9], pal::kBlack);
    cairo_rectangle(cr, x, y, w, h);
    FillOutlined(cr, pal::kWhite, pal::kGold[4], 1.5);
    cairo_save(cr);
    cairo_rectangle(cr, x, y, w, h);
    cairo_clip(cr);
    cairo_rectangle(cr, x, y, w, h * 0.7);
    FillBlendDown(cr, y, y + h * 0.7, {{0.0, pal::kBlue[2]}, {1.0, pal::kBlue[6]}});
    cairo_new_path(cr);
    DrawSnowfall(cr, x + w, y + h * 0.7, 12, 4);
    SmoothPath(cr, {{x - 5, y + h * 0.72}, {x + w * 0.5, y + h * 0.62}, {x + w + 5, y + h * 0.7},
                    {x + w + 5, y + h + 5}, {x - 5, y + h + 5}});
    FillOnly(cr, pal::kSnow[14]);
    DrawPineTree(cr, {x + w * 0.5, y + h * 0.85, h / 150.0, false}, {90, true, true});
    DrawGift(cr, {x + w * 0.22, y + h * 0.9, h / 160.0, false}, {GiftWrap::RedGold, GiftPattern::Plain, 40, 30, 0});
    DrawGift(cr, {x + w * 0.8, y + h * 0.92, h / 180.0, false},
             {GiftWrap::PurpleGold, GiftPattern::Dots, 40, 30, 0});
    cairo_restore(cr);
}

void WinterBackdrop(cairo_t* cr, double w, double h, uint32_t seed)
{
    DrawNightSky(cr, w, h, h * 0.75, int(w * h / 2500), seed);
    DrawSnowyHills(cr, w, h * 0.68, h, 14, pal::kSnow[6], pal::kSnow[2], seed + 1);
    DrawSnowyHills(cr, w, h * 0.8, h, 10, pal::kSnow[13], pal::kSnow[8], seed + 2);
}

Canvas SplashPicture()
{
    Canvas canvas(512, 384);
    cairo_t* cr = canvas.Cr();
    WinterBackdrop(cr, 512, 384, 31);
    DrawMoon(cr, 440, 70, 34, true, true);
    DrawPineTree(cr, {30, 372, 0.9, false}, {120, true, false});
    DrawPineTree(cr, {488, 376, 0.8, false}, {120, true, true});
    DrawCardOnEasel(cr, 262, 140, 150, 120);
    DrawGlimmer(cr, {165, 350, 1.45, false}, {GlimmerPose::Wave, GlimmerView::ThreeQuarter, 0.2, true});
    DrawPenguin(cr, {444, 362, 0.9, true}, {PenguinPose::Stand, 0});
    DrawGift(cr, {270, 368, 0.8, false}, {GiftWrap::GreenRed, GiftPattern::Stripes, 40, 30, 0});
    DrawGift(cr, {318, 372, 0.7, false}, {GiftWrap::PinkWhite, GiftPattern::Dots, 40, 34, 0});
    DrawSnowfall(cr, 512, 384, 50, 8);
    DrawSnowCappedText(cr, TitleLettering(40), "Santa's Cardwright", 256, 22, SnowCap{5, 0.35, 5});
    DrawText(cr, Lettering(17), "Make cards and pictures with Glimmer!", 256, 90);
    return canvas;
}

Canvas AboutPicture()
{
    Canvas canvas(512, 384);
    cairo_t* cr = canvas.Cr();
    WinterBackdrop(cr, 512, 384, 41);
    DrawFrostPanel(cr, 150, 40, 340, 290, true);
    DrawGlimmer(cr, {82, 360, 1.3, false}, {GlimmerPose::Cheer, GlimmerView::ThreeQuarter, 0.3, true});
    DrawSnowCappedText(cr, TitleLettering(27), "Santa's Cardwright", 320, 66, SnowCap{4, 0.35, 5});
    const char* lines[] = {"Make holiday cards and pictures", "with Glimmer, the elves", "and all their friends.",
                           "", "Play skyrun to unlock", "more pictures!"};
    double y = 120;
    for (const char* line : lines) {
        DrawText(cr, Lettering(17), line, 320, y);
        y += 26;
    }
    DrawHolly(cr, 172, 66, 22, -0.4);
    DrawHolly(cr, 468, 66, 22, 0.4);
    TextStyle hint = Lettering(13);
    hint.fill = GameColour(pal::kGold[13]);
    DrawText(cr, hint, "Click anywhere to close", 320, 300);
    DrawSnowfall(cr, 512, 384, 30, 3);
    return canvas;
}

// Labels under the login buttons and a slot for the name list.
Canvas LoginPicture()
{
    Canvas canvas(430, 272);
    cairo_t* cr = canvas.Cr();
    WinterBackdrop(cr, 430, 272, 51);
    DrawFrostPanel(cr, 20, 12, 390, 130, true);
    DrawSnowCappedText(cr, TitleLettering(30), "Who is playing?", 215, 24, SnowCap{4, 0.35, 5});
    DrawText(cr, Lettering(13), "Pick your name:", 196, 70);
    // The slot the name list sits in.
    cairo_rectangle(cr, 102, 90, 187, 34);
    FillOutlined(cr, pal::kGold[9], pal::kBlack);
    DrawText(cr, Lettering(12), "Go!", 319, 117);
    DrawPineTree(cr, {14, 268, 0.55, false}, {120, true, false});
    DrawPineTree(cr, {416, 270, 0.5, false}, {120, true, true});
    TextStyle label = Lettering(12);
    DrawText(cr, label, "Quit", 81, 236);
    DrawText(cr, label, "Play the game", 214, 254);
    return canvas;
}

// Everything the parts leave uncovered: a night scene, the card being made, shelves for the buttons and the strip.
Canvas MainWindowPicture()
{
    Canvas canvas(640, 480);
    cairo_t* cr = canvas.Cr();
    WinterBackdrop(cr, 640, 480, 61);
    DrawLightString(cr, 100, 6, 550, 6, 22, 16);
    // The card: white paper in a gold frame where the canvas lies.
    cairo_rectangle(cr, 102, 46, 447, 285);
    FillOutlined(cr, pal::kGold[9], pal::kBlack, 2.0);
    cairo_rectangle(cr, 108, 54, 427, 269);
    FillOutlined(cr, pal::kWhite, pal::kGold[4], 1.5);
    // The caption line over the category shelf.
    cairo_rectangle(cr, 160, 330, 320, 20);
    FillOnly(cr, pal::kNightSky[2], 0.85);
    DrawFrostPanel(cr, 104, 352, 403, 46, false);
    DrawFrostPanel(cr, 2, 400, 636, 78, true);
    DrawHolly(cr, 120, 360, 16, -0.3);
    DrawHolly(cr, 491, 360, 16, 0.3);
    return canvas;
}

struct PanelButton {
    double x, y, w, h;
    const char* label;
};

// A side column: red velvet with gold trim, holly on top, a frosted niche and a label for each button.
Canvas PanelPicture(int width, std::initializer_list<PanelButton> buttons, uint32_t seed)
{
    Canvas canvas(width, 480);
    cairo_t* cr = canvas.Cr();
    cairo_rectangle(cr, 0, 0, width, 480);
    FillBlendDown(cr, 0, 480, {{0.0, pal::kRed[2]}, {0.5, pal::kRed[4]}, {1.0, pal::kRed[1]}});
    cairo_new_path(cr);
    // Candy-cane edges.
    for (double x : {3.0, width - 7.0}) {
        cairo_rectangle(cr, x, 0, 4, 480);
        FillOnly(cr, pal::kWhite);
        for (int i = 0; i < 48; ++i) {
            cairo_rectangle(cr, x, i * 10, 4, 5);
            FillOnly(cr, pal::kRed[9]);
        }
    }
    DrawHolly(cr, width / 2.0, 40, 26, 0);
    DrawStar(cr, width / 2.0, 80, 14);
    ArtRandom random(seed);
    for (int i = 0; i < 14; ++i)
        DrawSnowflake(cr, random.Range(10, width - 10), random.Range(95, 470), random.Range(2, 5), random.Unit());
    for (const PanelButton& b : buttons) {
        cairo_new_path(cr);
        cairo_rectangle(cr, b.x - 4, b.y - 4, b.w + 8, b.h + 8);
        FillOutlined(cr, pal::kNightSky[4], pal::kGold[10], 2.0);
        DrawText(cr, Lettering(11), b.label, b.x + b.w / 2, b.y + b.h + 4);
    }
    DrawSnowDrift(cr, width / 2.0, 480, width * 0.6, 28);
    return canvas;
}

std::vector<uint8_t> Utf8(const std::string& text)
{
    return std::vector<uint8_t>(text.begin(), text.end());
}

void WriteShellArt(const OutputTree& out)
{
    WritePicture(out, 100, SplashPicture());
    WritePicture(out, 110, AboutPicture());
    WritePicture(out, 120, LoginPicture());
    WritePicture(out, 130, MainWindowPicture());
    WritePicture(out, 140, PanelPicture(100, {{26, 136, 62, 76, "Player"}, {33, 233, 53, 64, "Clear all"},
                                              {29, 319, 55, 67, "Remove"}}, 71));
    WritePicture(out, 150, PanelPicture(90, {{10, 137, 57, 67, "Music"}, {8, 231, 68, 62, "Text"},
                                             {8, 318, 61, 71, "Print"}}, 72));

    // The menu texts, by the numbers the main window's menus carry.
    WriteOrThrow(out.CardResourcePath("strings/menus.txt"), Utf8("1000\t&File\n"
                                                                 "1002\tPrint Set&up...\n"
                                                                 "1003\t&Print...\n"
                                                                 "1004\tE&xit\n"
                                                                 "1100\t&CD Audio\n"
                                                                 "1101\tTrack 1\n"
                                                                 "1102\tTrack 2\n"
                                                                 "1103\tTrack 3\n"
                                                                 "1200\t&Help\n"
                                                                 "1202\t&About Cardwright...\n"));
}

const RegisterGenerator kRegistration("cardshell", &WriteShellArt);

} // namespace

} // namespace mediagen
