// Text placement and effects, and the house's chimney point that the sleigh ride aims gifts at.
#include "art/VillageArt.h"
#include "paint/Canvas.h"
#include "paint/GamePalette.h"
#include "paint/Quantizer.h"
#include "paint/SpriteBuilder.h"
#include "paint/TextPainter.h"

#include <gtest/gtest.h>

using namespace mediagen;

namespace {

PixelBounds InkOf(const Canvas& canvas) { return VisibleBounds(QuantizeCanvas(canvas)); }

} // namespace

TEST(TextPainter, AlignmentPlacesTheTextAroundItsAnchor)
{
    TextStyle style;
    style.sizePx = 30;
    const char* text = "Glimmer";
    PixelBounds boxes[3];
    for (int a = 0; a < 3; ++a) {
        Canvas canvas(400, 60);
        style.align = TextAlign(a);
        DrawText(canvas.Cr(), style, text, 200, 10);
        boxes[a] = InkOf(canvas);
        ASSERT_GT(boxes[a].width, 60) << a;
    }
    EXPECT_NEAR(boxes[0].x, 200, 4);                               // left edge at the anchor
    EXPECT_NEAR(boxes[1].x + boxes[1].width / 2.0, 200, 4);        // centred on it
    EXPECT_NEAR(boxes[2].x + boxes[2].width, 200, 4);              // right edge at it
    const TextBox measured = MeasureText(Canvas(10, 10).Cr(), style, text);
    EXPECT_NEAR(measured.width, boxes[0].width, 6);
}

TEST(TextPainter, OutlineAndShadowGrowTheInkByTheirSize)
{
    TextStyle plain;
    plain.sizePx = 30;
    Canvas a(300, 80);
    DrawText(a.Cr(), plain, "Snow", 20, 10);
    const PixelBounds bare = InkOf(a);

    TextStyle fancy = plain;
    fancy.outlineWidth = 3;
    fancy.shadowDx = 5;
    fancy.shadowDy = 6;
    Canvas b(300, 80);
    DrawText(b.Cr(), fancy, "Snow", 20, 10);
    const PixelBounds dressed = InkOf(b);
    EXPECT_NEAR(dressed.x, bare.x - 3, 1.5);
    EXPECT_NEAR(dressed.y, bare.y - 3, 1.5);
    EXPECT_NEAR(dressed.x + dressed.width, bare.x + bare.width + 5 + 3, 1.5);
    EXPECT_NEAR(dressed.y + dressed.height, bare.y + bare.height + 6 + 3, 1.5);
}

TEST(HouseArt, ChimneyTopIsOnTheChimneyWhicheverWayTheHouseFaces)
{
    for (bool left : {false, true}) {
        for (double at : {0.25, 0.62, 0.8}) {
            HouseLook look;
            look.chimneyAt = at;
            const Placement placement{150, 230, 1.3, left};
            Canvas canvas(300, 240);
            DrawHouse(canvas.Cr(), placement, look);
            const Point top = HouseChimneyTop(placement, look);
            // Just below the opening is chimney; well above it is open sky.
            EXPECT_GE(canvas.Pixel(int(top.x), int(top.y) + 8).a, 200) << at << (left ? " left" : " right");
            EXPECT_EQ(canvas.Pixel(int(top.x), int(top.y) - 25).a, 0) << at << (left ? " left" : " right");
        }
    }
}
