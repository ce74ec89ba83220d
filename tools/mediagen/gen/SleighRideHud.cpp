// Group "hud": the acts' heads-up display pictures (the health meter and its cap, the gift and
// lives icons). Both acts name the same files; whichever group writes them, the bytes are these.
#include "MediaGenerator.h"
#include "art/ArtPen.h"
#include "art/FrontCoin.h"
#include "art/GiftArt.h"
#include "paint/Canvas.h"
#include "paint/GamePalette.h"
#include "paint/Ink.h"
#include "paint/PictureFile.h"
#include "paint/SpriteBuilder.h"

#include <cmath>

namespace mediagen {
namespace {

constexpr int kInk = pal::kBlack;

// The health bar: the game shows its left part, as wide as the health left, so it runs
// from red at the empty end to green at the full end, in a frosty frame.
void WriteMeter(const OutputTree& out)
{
    Canvas canvas(160, 18);
    cairo_t* cr = canvas.Cr();
    cairo_new_path(cr);
    cairo_rectangle(cr, 1, 1, 158, 16);
    cairo_pattern_t* blend = cairo_pattern_create_linear(0, 0, 160, 0);
    AddStop(blend, 0.0, pal::kRed[7]);
    AddStop(blend, 0.45, pal::kGold[11]);
    AddStop(blend, 1.0, pal::kGreen[9]);
    cairo_set_source(cr, blend);
    cairo_fill_preserve(cr);
    cairo_pattern_destroy(blend);
    StrokeOnly(cr, kInk, 2);
    cairo_new_path(cr);
    cairo_move_to(cr, 3, 5);
    cairo_line_to(cr, 157, 5);
    StrokeOnly(cr, pal::kWhite, 2);
    for (int x = 20; x < 160; x += 20) {
        cairo_new_path(cr);
        cairo_move_to(cr, x, 9);
        cairo_line_to(cr, x, 16);
        StrokeOnly(cr, pal::kGrey[6], 1);
    }
    WriteOrThrow(out.MediaPath("dmeter.bmp"), EncodeCanvasBmp(canvas));
}

// The cap at the bar's end: a rounded candy-cane knob.
void WriteMeterCap(const OutputTree& out)
{
    Canvas canvas(12, 18);
    cairo_t* cr = canvas.Cr();
    cairo_new_path(cr);
    cairo_move_to(cr, 1, 1);
    cairo_line_to(cr, 4, 1);
    cairo_arc(cr, 4, 9, 7, -M_PI / 2, M_PI / 2);
    cairo_line_to(cr, 1, 17);
    cairo_close_path(cr);
    FillOutlined(cr, pal::kWhite, kInk);
    cairo_new_path(cr);
    cairo_move_to(cr, 2, 6);
    cairo_line_to(cr, 9, 3);
    cairo_move_to(cr, 2, 12);
    cairo_line_to(cr, 10, 9);
    StrokeOnly(cr, pal::kRed[8], 2.5);
    WriteOrThrow(out.MediaPath("damcap.bmp"), EncodeCanvasBmp(canvas));
}

// The gift counter's icon: a present that rocks and sparkles.
void WriteGiftIcon(const OutputTree& out)
{
    SpriteBuilder sprite;
    sprite.AddPhases(44, 44, 12, [](cairo_t* cr, double phase) {
        const double rock = std::sin(phase * 2 * M_PI) * 0.18;
        DrawGift(cr, {22, 40, 0.8, false}, {GiftWrap::RedGold, GiftPattern::Dots, 40, 30, rock});
    }, 0, 0);
    WriteOrThrow(out.MediaPath("menus\\Interface_Gift.spx"), sprite.Encode());
}

// The lives counter's icon: a spinning gold coin.
void WriteLivesIcon(const OutputTree& out)
{
    SpriteBuilder sprite;
    sprite.AddPhases(40, 40, 12, [](cairo_t* cr, double phase) { DrawSpinningCoin(cr, 20, 20, 17, phase); }, 0, 0);
    WriteOrThrow(out.MediaPath("menus\\Interface_coin.spx"), sprite.Encode());
}

void GenerateHud(const OutputTree& out)
{
    WriteMeter(out);
    WriteMeterCap(out);
    WriteGiftIcon(out);
    WriteLivesIcon(out);
}

const RegisterGenerator kRegistration("hud", &GenerateHud);

} // namespace
} // namespace mediagen
