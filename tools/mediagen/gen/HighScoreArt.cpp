// Writes the high-score screen's background and its spinning coin.
#include "MediaGenerator.h"
#include "art/FrontCoin.h"
#include "art/FrontDecor.h"
#include "art/GiftArt.h"
#include "art/LandscapeArt.h"
#include "art/SkyArt.h"
#include "art/VillageArt.h"
#include "paint/Canvas.h"
#include "paint/GamePalette.h"
#include "paint/PictureFile.h"
#include "paint/SpriteBuilder.h"

namespace {

using namespace mediagen;

// The screen draws two coins 48 pixels either side of its title, mirrored in time.
constexpr int kCoinSize = 48;
constexpr int kCoinFrames = 16;

void WriteScoreCoin(const OutputTree& out)
{
    SpriteBuilder sprite;
    for (int i = 0; i < kCoinFrames; ++i) {
        Canvas canvas(kCoinSize, kCoinSize);
        DrawSpinningCoin(canvas.Cr(), kCoinSize / 2.0, kCoinSize / 2.0, kCoinSize / 2.0 - 2.5, double(i) / kCoinFrames);
        sprite.AddFrame(canvas, 0, 0);
    }
    WriteOrThrow(out.MediaPath("menus\\score_coin.spx"), sprite.Encode());
}

constexpr int kScreenWidth = 640;
constexpr int kScreenHeight = 480;

// The title "High Score" stands at (320, 40) between the coins; the list rows run from
// y 150 to 390 between x 100 and 540, and the name entry texts from y 100 to 236.
constexpr double kBannerX = 112, kBannerY = 33, kBannerW = 416, kBannerH = 60;
constexpr double kPanelX = 64, kPanelY = 89, kPanelW = 512, kPanelH = 334;

void WriteBackground(const OutputTree& out)
{
    Canvas canvas(kScreenWidth, kScreenHeight);
    cairo_t* cr = canvas.Cr();
    DrawNightSky(cr, kScreenWidth, kScreenHeight, 420, 50, 11);
    DrawSnowyHills(cr, kScreenWidth, 380, kScreenHeight, 12, pal::kSnow[11], pal::kSnow[7], 9);
    DrawPineTree(cr, {30, 400, 1.0, false}, {150, true, true, 0.6});
    DrawPineTree(cr, {612, 396, 1.0, false}, {160, true, true, 0.1});
    const double hills[] = {436, 430, 440, 444, 438, 446, 436, 440};
    DrawSnowHills(cr, kScreenWidth, kScreenHeight, hills, 8, 8);
    DrawFrostPanel(cr, kPanelX, kPanelY, kPanelW, kPanelH, false);
    // Faint flakes in the board's lower corners, clear of the rows.
    DrawSnowflake(cr, kPanelX + 30, kPanelY + kPanelH - 30, 11, 0.2, pal::kNightSky[8]);
    DrawSnowflake(cr, kPanelX + kPanelW - 30, kPanelY + kPanelH - 30, 11, 0.5, pal::kNightSky[8]);
    DrawSnowDrift(cr, kPanelX + 60, kPanelY + kPanelH + 8, 110, 24);
    DrawSnowDrift(cr, kPanelX + kPanelW - 70, kPanelY + kPanelH + 8, 120, 20);
    // Presents piled in the snow at both ends of the board.
    DrawGift(cr, {40, 470, 1.2, false}, {GiftWrap::RedGold, GiftPattern::Plain});
    DrawGift(cr, {92, 474, 0.9, false}, {GiftWrap::PurpleGold, GiftPattern::Dots});
    DrawGift(cr, {62, 446, 0.8, false}, {GiftWrap::GreenRed, GiftPattern::Stripes});
    DrawGift(cr, {600, 470, 1.2, false}, {GiftWrap::BlueSilver, GiftPattern::Stripes});
    DrawGift(cr, {548, 474, 0.9, false}, {GiftWrap::YellowRed, GiftPattern::Plain});
    DrawGift(cr, {580, 446, 0.8, false}, {GiftWrap::PinkWhite, GiftPattern::Dots});
    DrawLightString(cr, -10, 0, 330, 2, 20, 9);
    DrawLightString(cr, 310, 2, 650, 0, 20, 9);
    DrawRibbonBanner(cr, kBannerX, kBannerY, kBannerW, kBannerH);
    DrawHolly(cr, kBannerX + 4, kBannerY + 4, 20, 0.3);
    DrawHolly(cr, kBannerX + kBannerW - 4, kBannerY + 4, 20, -0.3);

    QuantizeOptions soft;
    soft.dither = true;
    soft.ditherSpread = 10.0;
    WriteOrThrow(out.MediaPath("menus\\highscore_bg.bmp"), EncodeCanvasBmp(canvas, GamePalette(), soft));
}

void WriteHighScoreArt(const OutputTree& out)
{
    WriteBackground(out);
    WriteScoreCoin(out);
}

const RegisterGenerator kReg("front-highscore", &WriteHighScoreArt);

} // namespace
