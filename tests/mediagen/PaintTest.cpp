// The palette's layout, the quantizer's colour rules, fitted palettes and sprite frame cropping.
#include "MediaReader.h"
#include "paint/Canvas.h"
#include "paint/GamePalette.h"
#include "paint/PictureFile.h"
#include "paint/Quantizer.h"
#include "paint/SpriteBuilder.h"

#include <gtest/gtest.h>

#include <set>

using namespace mediagen;

namespace {

double Luma(Rgb c) { return 0.299 * c.r + 0.587 * c.g + 0.114 * c.b; }

bool SameColour(Rgb a, Rgb b) { return a.r == b.r && a.g == b.g && a.b == b.b; }

const PaletteRamp kRamps[] = {pal::kGrey,  pal::kNightSky, pal::kTwilight, pal::kSnow,   pal::kFur,
                              pal::kRed,   pal::kGreen,    pal::kGold,     pal::kOrange, pal::kSkin,
                              pal::kStone, pal::kPink,     pal::kPurple,   pal::kCyan,   pal::kBlue,
                              pal::kBrick, pal::kLime,     pal::kMixed};

} // namespace

TEST(GamePalette, RampsTileTheEntriesAndRunDarkToLight)
{
    const Palette& p = GamePalette();
    std::vector<int> owner(256, -1);
    for (int r = 0; r < int(std::size(kRamps)); ++r) {
        for (int i = kRamps[r].first; i <= kRamps[r].Lightest(); ++i) {
            ASSERT_EQ(owner[i], -1) << "entry " << i << " is in two ramps";
            owner[i] = r;
        }
    }
    for (int i = 1; i < 254; ++i) EXPECT_NE(owner[i], -1) << "entry " << i << " belongs to no ramp";

    for (const PaletteRamp& ramp : kRamps) {
        if (ramp.first == pal::kMixed.first) continue;
        for (int i = 1; i < ramp.count; ++i) {
            EXPECT_LE(Luma(p[ramp[i - 1]]), Luma(p[ramp[i]]) + 0.5) << "ramp at " << ramp.first << " step " << i;
        }
    }
    EXPECT_TRUE(SameColour(p[pal::kBlack], {0, 0, 0}));
    EXPECT_TRUE(SameColour(p[pal::kWhite], {255, 255, 255}));
    EXPECT_TRUE(SameColour(p[pal::kTransparent], {255, 0, 255}));
    EXPECT_TRUE(SameColour(p[pal::kClear], {0, 0, 0}));
    for (int i = 0; i < 254; ++i) EXPECT_FALSE(SameColour(p[i], {255, 0, 255})) << "art could hit the key at " << i;
}

TEST(PaletteRamp, IndexingClampsIntoTheRamp)
{
    EXPECT_EQ(pal::kFur[-3], pal::kFur.first);
    EXPECT_EQ(pal::kFur[99], pal::kFur.Lightest());
    EXPECT_EQ(pal::kFur.At(0.0), pal::kFur.Darkest());
    EXPECT_EQ(pal::kFur.At(1.0), pal::kFur.Lightest());
}

TEST(Quantizer, PaletteColoursComeBackAndReservedEntriesStayFree)
{
    const Palette& p = GamePalette();
    Quantizer q;
    for (int i = 0; i < 254; ++i) EXPECT_TRUE(SameColour(p[q.Nearest(p[i])], p[i])) << i;
    // Opaque magenta and opaque black must not turn into the key or the clear colour.
    EXPECT_LT(q.Nearest({255, 0, 255}), 254);
    EXPECT_EQ(q.Nearest({0, 0, 0}), pal::kBlack);
    EXPECT_EQ(q.Nearest({255, 0, 255}, true), pal::kTransparent);
}

TEST(Quantizer, AlphaDecidesTransparencyAndDitherNeverReachesReservedEntries)
{
    Canvas canvas(64, 8);
    cairo_t* cr = canvas.Cr();
    // Left half: a soft gradient; right half: fully transparent except a half-opaque strip.
    cairo_pattern_t* ramp = cairo_pattern_create_linear(0, 0, 32, 0);
    cairo_pattern_add_color_stop_rgb(ramp, 0, 0.0, 0.0, 0.1);
    cairo_pattern_add_color_stop_rgb(ramp, 1, 1.0, 0.2, 1.0);
    cairo_set_source(cr, ramp);
    cairo_rectangle(cr, 0, 0, 32, 8);
    cairo_fill(cr);
    cairo_pattern_destroy(ramp);
    cairo_set_source_rgba(cr, 1, 1, 1, 0.4);
    cairo_rectangle(cr, 40, 0, 4, 8);
    cairo_fill(cr);
    cairo_set_source_rgba(cr, 1, 1, 1, 0.6);
    cairo_rectangle(cr, 48, 0, 4, 8);
    cairo_fill(cr);

    QuantizeOptions options;
    options.dither = true;
    options.ditherSpread = 60;
    const IndexedImage image = QuantizeCanvas(canvas, GamePalette(), options);
    for (int y = 0; y < 8; ++y) {
        for (int x = 0; x < 32; ++x) EXPECT_LT(image.pixels[y * 64 + x], 254) << x << "," << y;
        EXPECT_EQ(image.pixels[y * 64 + 36], pal::kTransparent);
        EXPECT_EQ(image.pixels[y * 64 + 41], pal::kTransparent);
        EXPECT_NE(image.pixels[y * 64 + 49], pal::kTransparent);
    }
}

TEST(FitPalette, KeepsTheReservedEntriesAndReproducesFewColoursExactly)
{
    Canvas canvas(30, 10);
    cairo_t* cr = canvas.Cr();
    const Rgb colours[] = {{10, 200, 30}, {250, 250, 250}, {90, 40, 160}};
    for (int i = 0; i < 3; ++i) {
        cairo_set_source_rgb(cr, colours[i].r / 255.0, colours[i].g / 255.0, colours[i].b / 255.0);
        cairo_rectangle(cr, i * 10, 0, 10, 10);
        cairo_fill(cr);
    }
    const Palette palette = FitPalette(canvas);
    EXPECT_TRUE(SameColour(palette[0], {0, 0, 0}));
    EXPECT_TRUE(SameColour(palette[254], {255, 0, 255}));
    EXPECT_TRUE(SameColour(palette[255], {0, 0, 0}));
    const IndexedImage image = QuantizeCanvas(canvas, palette);
    for (int i = 0; i < 3; ++i) EXPECT_TRUE(SameColour(palette[image.pixels[i * 10 + 5]], colours[i])) << i;
}

TEST(FitPalette, ManyColoursFillTheTableWithDistinctEntries)
{
    Canvas canvas(256, 64);
    unsigned char* data = cairo_image_surface_get_data(canvas.Surface());
    const int stride = cairo_image_surface_get_stride(canvas.Surface());
    for (int y = 0; y < 64; ++y)
        for (int x = 0; x < 256; ++x)
            reinterpret_cast<uint32_t*>(data + y * stride)[x] = 0xFF000000u | uint32_t(x) << 16 | uint32_t(y * 4) << 8 | uint32_t(255 - x);
    cairo_surface_mark_dirty(canvas.Surface());
    const Palette palette = FitPalette(canvas);
    std::set<uint32_t> distinct;
    for (int i = 1; i < 254; ++i) distinct.insert(uint32_t(palette[i].r) << 16 | palette[i].g << 8 | palette[i].b);
    EXPECT_GT(distinct.size(), 240u);
}

TEST(SpriteBuilder, CroppingMovesThePathPointWithTheFrame)
{
    Canvas canvas(40, 30);
    cairo_set_source_rgb(canvas.Cr(), 1, 0, 0);
    cairo_rectangle(canvas.Cr(), 10, 5, 8, 6);
    cairo_fill(canvas.Cr());
    Canvas empty(12, 12);

    SpriteBuilder builder;
    builder.AddFrame(canvas, 100, 200, true);
    builder.AddFrame(canvas, 100, 200, false);
    builder.AddFrame(empty, 7, 9, true);
    const auto& frames = builder.Frames();
    ASSERT_EQ(frames.size(), 3u);
    EXPECT_EQ(frames[0].image.width, 8);
    EXPECT_EQ(frames[0].image.height, 6);
    EXPECT_EQ(frames[0].pathX, 110);
    EXPECT_EQ(frames[0].pathY, 205);
    EXPECT_EQ(frames[1].image.width, 40);
    EXPECT_EQ(frames[1].pathX, 100);
    for (uint8_t px : frames[0].image.pixels) EXPECT_NE(px, pal::kTransparent);
    EXPECT_EQ(frames[2].image.width, 1);
    EXPECT_EQ(frames[2].image.pixels, std::vector<uint8_t>{pal::kTransparent});

    EXPECT_EQ(mediatest::U32At(builder.Encode(), 32), 3u);
}
