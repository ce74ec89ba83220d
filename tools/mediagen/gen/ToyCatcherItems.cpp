// Group "act1-items": what rides the toy catcher's belts (five gifts, oil can, beehive and bees,
// extra life, 2x bonus) and the snowball with its splash.
#include "MediaGenerator.h"
#include "art/ArtPen.h"
#include "art/FrontCoin.h"
#include "art/GiftArt.h"
#include "art/PenguinArt.h"
#include "art/SkyArt.h"
#include "art/WorkshopProps.h"
#include "paint/Canvas.h"
#include "paint/GamePalette.h"
#include "paint/PictureFile.h"
#include "paint/SpriteBuilder.h"

#include <cmath>
#include <functional>

namespace {

using namespace mediagen;

// Frames after the first are drawn on a canvas this much larger on every side and
// placed as much up and left, so a tumbling item keeps its middle.
constexpr int kTumbleMargin = 6;

// An item's frame 0 sits on the belt: its height is the belt's top (y 151 and 192) minus
// the item's belt y, so each look rests on the band.
struct ItemSize {
    int width, height;
};

using DrawItem = std::function<void(cairo_t*, double cx, double bottom, int frame)>;

// Frame 0 on a width x height canvas; every further frame on the larger tumbling canvas.
void AddItemFrames(SpriteBuilder& sprite, ItemSize size, int frames, const DrawItem& draw)
{
    for (int frame = 0; frame < frames; ++frame) {
        const int margin = frame == 0 ? 0 : kTumbleMargin;
        Canvas canvas(size.width + 2 * margin, size.height + 2 * margin);
        draw(canvas.Cr(), margin + size.width / 2.0, margin + size.height - 1.0, frame);
        sprite.AddFrame(canvas, -margin, -margin);
    }
}

struct GiftMake {
    const char* file;
    GiftWrap wrap;
    GiftPattern pattern;
    ItemSize size;
};

// The five looks: heights follow their belt places (119 to 122 over a band at 151).
const GiftMake kGifts[] = {
    {"act1_sprites\\gift0011.spx", GiftWrap::RedGold, GiftPattern::Dots, {38, 32}},
    {"act1_sprites\\gift0012.spx", GiftWrap::GreenRed, GiftPattern::Stripes, {36, 31}},
    {"act1_sprites\\gift0013.spx", GiftWrap::BlueSilver, GiftPattern::Plain, {34, 30}},
    {"act1_sprites\\gift0014.spx", GiftWrap::PurpleGold, GiftPattern::Dots, {40, 29}},
    {"act1_sprites\\gift0015.spx", GiftWrap::YellowRed, GiftPattern::Stripes, {36, 31}},
};

// Frame 0 rides; 1 pops up off the belt, tipped back; 2 and 3 tumble as it falls.
void WriteGifts(const OutputTree& out)
{
    for (const GiftMake& make : kGifts) {
        SpriteBuilder sprite;
        AddItemFrames(sprite, make.size, 4, [&make](cairo_t* cr, double cx, double bottom, int frame) {
            const double tilts[] = {0, -0.35, 0.3, -0.3};
            // The bow and the far edges stand above the box: about a third of its height.
            const double boxHeight = make.size.height * 0.6;
            GiftLook look{make.wrap, make.pattern, make.size.width - 6.0, boxHeight, tilts[frame]};
            DrawGift(cr, {cx - 1, bottom - 1 - (frame == 0 ? 0 : 2), 1, false}, look);
        });
        WriteOrThrow(out.MediaPath(make.file), sprite.Encode());
    }
}

void WriteOilCan(const OutputTree& out)
{
    SpriteBuilder sprite;
    AddItemFrames(sprite, {34, 32}, 2, [](cairo_t* cr, double cx, double bottom, int frame) {
        DrawOilCan(cr, {cx - 3, bottom - (frame == 0 ? 0 : 3), 1.0, false}, frame == 0 ? 0 : 0.45);
    });
    WriteOrThrow(out.MediaPath("act1_sprites\\oilcan001.spx"), sprite.Encode());
}

void WriteBeehive(const OutputTree& out)
{
    SpriteBuilder sprite;
    AddItemFrames(sprite, {32, 31}, 2, [](cairo_t* cr, double cx, double bottom, int frame) {
        DrawBeehive(cr, {cx, bottom - (frame == 0 ? 0 : 2), 1.0, false}, frame == 0 ? 0 : -0.4);
    });
    WriteOrThrow(out.MediaPath("act1_sprites\\beehive001.spx"), sprite.Encode());
}

// The swarm is drawn 8 pixels left of a hive's corner and 16 right of Glimmer's body:
// five bees circling in a 48 x 40 cloud, each on its own loop.
void WriteBees(const OutputTree& out)
{
    constexpr int kFrames = 8;
    SpriteBuilder sprite;
    for (int i = 0; i < kFrames; ++i) {
        const double t = double(i) / kFrames;
        Canvas canvas(48, 40);
        cairo_t* cr = canvas.Cr();
        const double loops[][4] = {
            {24, 14, 16, 7}, {20, 22, 12, 10}, {28, 18, 18, 12}, {22, 10, 9, 6}, {30, 26, 13, 8}};
        int n = 0;
        for (const auto& loop : loops) {
            const double a = 2 * M_PI * (t + n * 0.23) * (n % 2 == 0 ? 1 : -1);
            const double x = loop[0] + loop[2] * std::cos(a);
            const double y = loop[1] + loop[3] * std::sin(a);
            const bool left = (n % 2 == 0) == (std::sin(a) > 0);
            DrawBee(cr, {x, y, 1.0, left}, t * 4 + n * 0.3);
            ++n;
        }
        sprite.AddFrame(canvas, 0, 0);
    }
    WriteOrThrow(out.MediaPath("act1_sprites\\bees001.spx"), sprite.Encode());
}

// The extra life: the lives coin, spinning, with a red heart over it now and then.
void WriteExtraLife(const OutputTree& out)
{
    constexpr int kFrames = 12;
    SpriteBuilder sprite;
    for (int i = 0; i < kFrames; ++i) {
        Canvas canvas(40, 41);
        cairo_t* cr = canvas.Cr();
        DrawSpinningCoin(cr, 20, 21, 17.5, double(i) / kFrames);
        cairo_move_to(cr, 32, 14);
        cairo_curve_to(cr, 25, 9, 27, 2, 32, 5);
        cairo_curve_to(cr, 37, 2, 39, 9, 32, 14);
        FillOutlined(cr, pal::kRed[9], pal::kBlack, 1.5);
        if (i % 6 < 2)
            DrawTwinkle(cr, 7, 7, 5 + i % 6, 1);
        sprite.AddFrame(canvas, 0, 0);
    }
    WriteOrThrow(out.MediaPath("menus\\life001.spx"), sprite.Encode());
}

void WriteDoubleBonus(const OutputTree& out)
{
    constexpr int kFrames = 8;
    SpriteBuilder sprite;
    for (int i = 0; i < kFrames; ++i) {
        Canvas canvas(42, 41);
        const double shine = 0.5 + 0.5 * std::sin(2 * M_PI * i / kFrames);
        DrawDoubleBadge(canvas.Cr(), {21, 20.5, 0.98 + 0.04 * shine, false}, shine);
        sprite.AddFrame(canvas, 0, 0);
    }
    WriteOrThrow(out.MediaPath("menus\\2x.spx"), sprite.Encode());
}

// The snowball a penguin throws: its box is 20 x 20 from the top-left corner.
void WriteSnowball(const OutputTree& out)
{
    Canvas canvas(20, 20);
    DrawSnowball(canvas.Cr(), 10, 10, 8.5);
    WriteOrThrow(out.MediaPath("act1_sprites\\snowball.bmp"), EncodeCanvasBmp(canvas));
}

// Frame 0: blown snow coming down (its box grows to 40 x 40 then); 1: the lump breaking;
// 2: the burst where a snowball or an item lands; 3: the heap left as it settles.
void WriteSnowSplash(const OutputTree& out)
{
    SpriteBuilder sprite;
    Canvas clump(40, 40);
    DrawSnowClump(clump.Cr(), {20, 22, 1.0, false}, 0);
    sprite.AddFrame(clump, 0, 0);
    Canvas breaking(40, 40);
    DrawSnowClump(breaking.Cr(), {20, 24, 1.1, false}, 0.5);
    sprite.AddFrame(breaking, 0, 0);
    // The bursts stand on the ground about 24 pixels below the landed thing's top and
    // reach 6 pixels either side of a snowball.
    for (double burst : {0.0, 1.0}) {
        Canvas canvas(52, 36);
        DrawSnowBurst(canvas.Cr(), {26, 34, 1.15, false}, burst);
        sprite.AddFrame(canvas, -6, -6);
    }
    WriteOrThrow(out.MediaPath("act1_sprites\\snsnowball02.spx"), sprite.Encode());
}

void WriteItems(const OutputTree& out)
{
    WriteGifts(out);
    WriteOilCan(out);
    WriteBeehive(out);
    WriteBees(out);
    WriteExtraLife(out);
    WriteDoubleBonus(out);
    WriteSnowball(out);
    WriteSnowSplash(out);
}

const RegisterGenerator kRegistration("act1-items", &WriteItems);

} // namespace
