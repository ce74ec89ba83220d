// Writes the main menu's pictures: its background, the black backdrop, the credits panel and Glimmer.
#include "MediaGenerator.h"
#include "art/FrontDecor.h"
#include "art/GiftArt.h"
#include "art/GlimmerArt.h"
#include "art/LandscapeArt.h"
#include "art/SkyArt.h"
#include "art/SleighArt.h"
#include "art/VillageArt.h"
#include "paint/Canvas.h"
#include "paint/GamePalette.h"
#include "paint/Ink.h"
#include "paint/PictureFile.h"
#include "paint/SpriteBuilder.h"

#include <cmath>
#include <vector>

namespace {

using namespace mediagen;

constexpr int kScreenWidth = 640;
constexpr int kScreenHeight = 480;

// The board the five menu items are written on; the items are centred on x 320 from y 132
// to y 441, and the quit question uses the same area.
constexpr double kPanelX = 160, kPanelY = 98, kPanelW = 320, kPanelH = 362;

QuantizeOptions SoftPicture()
{
    QuantizeOptions options;
    options.dither = true;
    options.ditherSpread = 10.0;
    return options;
}

void DrawMenuBackground(cairo_t* cr)
{
    DrawNightSky(cr, kScreenWidth, kScreenHeight, 400, 70, 7);
    DrawMoon(cr, 72, 60, 30);
    DrawSleighTeam(cr, {40, 104, 0.34, false}, {true, 0.2});
    DrawSnowyHills(cr, kScreenWidth, 362, kScreenHeight, 14, pal::kSnow[11], pal::kSnow[7], 5);

    // A cottage and pines on the left; a decorated tree on the hill behind Glimmer's corner.
    DrawPineTree(cr, {24, 398, 1.0, false}, {120, true, false, 0});
    DrawHouse(cr, {88, 412, 0.86, false}, HouseLook{.smoke = true});
    DrawPineTree(cr, {150, 420, 1.0, false}, {96, true, false, 0});
    DrawPineTree(cr, {586, 372, 1.0, false}, {150, true, true, 0.3});
    DrawPineTree(cr, {506, 384, 1.0, false}, {84, true, false, 0});

    const double hills[] = {412, 404, 420, 436, 432, 440, 430, 420, 428};
    DrawSnowHills(cr, kScreenWidth, kScreenHeight, hills, 9, 8);
    DrawGift(cr, {112, 462, 0.9, false}, {GiftWrap::GreenRed, GiftPattern::Stripes});
    DrawGift(cr, {60, 468, 1.1, false}, {GiftWrap::RedGold, GiftPattern::Plain});
    DrawGift(cr, {86, 440, 0.7, false}, {GiftWrap::BlueSilver, GiftPattern::Dots});

    DrawFrostPanel(cr, kPanelX, kPanelY, kPanelW, kPanelH, true);
    DrawLightString(cr, kPanelX + 4, kPanelY + 4, kPanelX + kPanelW / 2, kPanelY + 6, 16, 6);
    DrawLightString(cr, kPanelX + kPanelW / 2, kPanelY + 6, kPanelX + kPanelW - 4, kPanelY + 4, 16, 6);
    DrawHolly(cr, kPanelX + 6, kPanelY + 8, 22, 0.3);
    DrawHolly(cr, kPanelX + kPanelW - 6, kPanelY + 8, 22, -0.3);
    DrawSnowDrift(cr, kPanelX + 30, kPanelY + kPanelH + 6, 70, 26);
    DrawSnowDrift(cr, kPanelX + kPanelW - 40, kPanelY + kPanelH + 6, 80, 22);
    DrawTitleLogo(cr, "skyrun", 320, 8, 62);
}

void WriteMenuBackground(const OutputTree& out)
{
    Canvas canvas(kScreenWidth, kScreenHeight);
    DrawMenuBackground(canvas.Cr());
    WriteOrThrow(out.MediaPath("menu_bg.bmp"), EncodeCanvasBmp(canvas, GamePalette(), SoftPicture()));
}

// Behind everything the menu draws, and all that shows while it hands over to the next screen.
void WriteBackdrop(const OutputTree& out)
{
    Canvas canvas(kScreenWidth, kScreenHeight);
    canvas.Fill({0, 0, 0});
    WriteOrThrow(out.MediaPath("fullblack.bmp"), EncodeCanvasBmp(canvas));
}

// The credits scroll over this panel, placed at (0, 50) and reaching the bottom of the screen.
// It stays dark and quiet so the scrolling lines read; the ornaments keep to its edges.
void WriteCreditsPanel(const OutputTree& out)
{
    const int width = kScreenWidth, height = kScreenHeight - 50;
    Canvas canvas(width, height);
    cairo_t* cr = canvas.Cr();
    cairo_pattern_t* night = cairo_pattern_create_linear(0, 0, 0, height);
    AddStop(night, 0.0, pal::kNightSky[0]);
    AddStop(night, 1.0, pal::kNightSky[3]);
    cairo_rectangle(cr, 0, 0, width, height);
    cairo_set_source(cr, night);
    cairo_fill(cr);
    cairo_pattern_destroy(night);

    // Dim flakes down both margins, where no credit line reaches.
    const double flakes[][3] = {{22, 40, 9},  {46, 120, 6},  {18, 200, 7},  {40, 290, 10}, {24, 370, 6},
                                {618, 60, 8}, {594, 150, 6}, {622, 236, 10}, {598, 318, 7}, {616, 392, 6}};
    for (const auto& f : flakes) DrawSnowflake(cr, f[0], f[1], f[2], f[1] * 0.05, pal::kNightSky[9]);

    cairo_rectangle(cr, 5, 5, width - 10, height - 10);
    SetInk(cr, pal::kGold[7]);
    cairo_set_line_width(cr, 2);
    cairo_stroke(cr);
    cairo_rectangle(cr, 10, 10, width - 20, height - 20);
    SetInk(cr, pal::kNightSky[8]);
    cairo_set_line_width(cr, 1);
    cairo_stroke(cr);
    DrawHolly(cr, 16, 16, 18, 0.8);
    DrawHolly(cr, width - 16, 16, 18, -0.8);
    DrawHolly(cr, 16, height - 16, 18, -0.8);
    DrawHolly(cr, width - 16, height - 16, 18, 0.8);
    WriteOrThrow(out.MediaPath("menus\\black.bmp"), EncodeCanvasBmp(canvas, GamePalette(), SoftPicture()));
}

// Glimmer stands in the bottom-right corner at (523, 347) and waves. The menu cycles through
// every frame but the last, so the last one is a still pose that never shows in the loop.
constexpr int kHeroWidth = 116, kHeroHeight = 132;
constexpr int kHeroWaveFrames = 12;

void WriteHero(const OutputTree& out)
{
    SpriteBuilder sprite;
    for (int i = 0; i <= kHeroWaveFrames; ++i) {
        Canvas canvas(kHeroWidth, kHeroHeight);
        GlimmerLook look;
        look.view = GlimmerView::ThreeQuarter;
        look.pose = i < kHeroWaveFrames ? GlimmerPose::Wave : GlimmerPose::Stand;
        look.phase = double(i) / kHeroWaveFrames;
        // He rocks from hoof to hoof with a little hop as he waves, so the loop reads as
        // motion even from across the room.
        const double swing = i < kHeroWaveFrames ? std::sin(2.0 * M_PI * look.phase) : 0.0;
        const double footX = kHeroWidth / 2.0, footY = kHeroHeight - 4.0;
        cairo_t* cr = canvas.Cr();
        cairo_translate(cr, footX, footY - 4.0 * std::fabs(swing));
        cairo_rotate(cr, 0.07 * swing);
        DrawGlimmer(cr, {0.0, 0.0, 0.86, true}, look);
        sprite.AddFrame(canvas, 0, 0);
    }
    WriteOrThrow(out.MediaPath("menus\\glim.spx"), sprite.Encode());
}

void WriteMenuArt(const OutputTree& out)
{
    WriteHero(out);
    WriteMenuBackground(out);
    WriteBackdrop(out);
    WriteCreditsPanel(out);
}

const RegisterGenerator kReg("front-menu", &WriteMenuArt);

} // namespace
