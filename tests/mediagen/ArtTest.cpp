// The art kit's figures: their documented sizes and anchors, dark outlines, real motion, mirroring.
#include "art/GiftArt.h"
#include "art/GlimmerArt.h"
#include "art/PenguinArt.h"
#include "art/SleighArt.h"
#include "art/SnowmobileArt.h"
#include "art/VillageArt.h"
#include "paint/Canvas.h"
#include "paint/GamePalette.h"
#include "paint/Quantizer.h"
#include "paint/SpriteBuilder.h"

#include <gtest/gtest.h>

#include <functional>

using namespace mediagen;

namespace {

constexpr int kSize = 400;
constexpr double kAnchorX = 200, kAnchorY = 300;

using Figure = std::function<void(cairo_t*, const Placement&)>;

IndexedImage Render(const Figure& figure, bool faceLeft = false)
{
    Canvas canvas(kSize, kSize);
    figure(canvas.Cr(), {kAnchorX, kAnchorY, 1, faceLeft});
    return QuantizeCanvas(canvas);
}

struct Documented {
    const char* name;
    Figure figure;
    double width, height; // the size the header promises, at scale 1
    bool groundAnchor;    // the anchor is on the ground under the figure
};

std::vector<Documented> Figures()
{
    return {
        {"glimmer side", [](cairo_t* cr, const Placement& p) { DrawGlimmer(cr, p, {}); }, 100, 125, true},
        {"glimmer run",
         [](cairo_t* cr, const Placement& p) { DrawGlimmer(cr, p, {GlimmerPose::Run, GlimmerView::Side, 0.5}); }, 100,
         125, false},
        {"glimmer three-quarter",
         [](cairo_t* cr, const Placement& p) { DrawGlimmer(cr, p, {GlimmerPose::Stand, GlimmerView::ThreeQuarter}); },
         80, 130, true},
        {"sleigh", [](cairo_t* cr, const Placement& p) { DrawSleigh(cr, p, {}); }, 130, 90, true},
        {"snowmobile", [](cairo_t* cr, const Placement& p) { DrawSnowmobile(cr, p, {0, false, 0}); }, 130, 60, true},
        {"snowmobile with glimmer", [](cairo_t* cr, const Placement& p) { DrawSnowmobile(cr, p, {}); }, 130, 115, true},
        {"gift", [](cairo_t* cr, const Placement& p) { DrawGift(cr, p, {}); }, 40, 40, true},
        {"penguin", [](cairo_t* cr, const Placement& p) { DrawPenguin(cr, p, {}); }, 40, 55, true},
        {"pine", [](cairo_t* cr, const Placement& p) { DrawPineTree(cr, p, {}); }, 70, 100, true},
        {"house", [](cairo_t* cr, const Placement& p) { DrawHouse(cr, p, {}); }, 130, 140, true},
    };
}

double Luma(uint8_t index)
{
    const Rgb c = GamePalette()[index];
    return 0.299 * c.r + 0.587 * c.g + 0.114 * c.b;
}

} // namespace

TEST(ArtKit, FiguresKeepToTheirDocumentedSizeAndAnchor)
{
    for (const Documented& d : Figures()) {
        const PixelBounds b = VisibleBounds(Render(d.figure));
        ASSERT_GT(b.width, 0) << d.name << " drew nothing";
        // Within a tenth of the promised size (plus outline), and not much smaller either.
        EXPECT_LE(b.width, d.width * 1.1 + 4) << d.name;
        EXPECT_LE(b.height, d.height * 1.1 + 4) << d.name;
        EXPECT_GE(b.width, d.width * 0.75) << d.name;
        EXPECT_GE(b.height, d.height * 0.6) << d.name;
        if (d.groundAnchor) {
            EXPECT_NEAR(b.y + b.height, kAnchorY, 4) << d.name << " does not stand on its anchor";
        }
        const double middle = b.x + b.width / 2.0;
        EXPECT_NEAR(middle, kAnchorX, d.width * 0.25) << d.name << " is not centred on its anchor";
    }
}

TEST(ArtKit, SilhouettesAreOutlinedInDarkColours)
{
    for (const Documented& d : Figures()) {
        const IndexedImage image = Render(d.figure);
        int edge = 0, dark = 0;
        for (int y = 1; y < kSize - 1; ++y) {
            for (int x = 1; x < kSize - 1; ++x) {
                const uint8_t px = image.pixels[y * kSize + x];
                if (px == pal::kTransparent) continue;
                const bool border = image.pixels[y * kSize + x - 1] == pal::kTransparent ||
                                    image.pixels[y * kSize + x + 1] == pal::kTransparent ||
                                    image.pixels[(y - 1) * kSize + x] == pal::kTransparent ||
                                    image.pixels[(y + 1) * kSize + x] == pal::kTransparent;
                if (!border) continue;
                ++edge;
                dark += Luma(px) < 110;
            }
        }
        ASSERT_GT(edge, 0) << d.name;
        // The house's snow and the sleigh's gold trim sit on the edge by design; most must be dark.
        EXPECT_GT(dark, edge * 0.7) << d.name << ": " << dark << " of " << edge << " edge pixels are dark";
    }
}

TEST(ArtKit, AnimationPhasesMoveAndWrapAround)
{
    const std::pair<const char*, std::function<Figure(double)>> animated[] = {
        {"glimmer run", [](double t) -> Figure {
             return [t](cairo_t* cr, const Placement& p) { DrawGlimmer(cr, p, {GlimmerPose::Run, GlimmerView::Side, t}); };
         }},
        {"glimmer fly", [](double t) -> Figure {
             return [t](cairo_t* cr, const Placement& p) { DrawGlimmer(cr, p, {GlimmerPose::Fly, GlimmerView::Side, t}); };
         }},
        {"glimmer cheer", [](double t) -> Figure {
             return [t](cairo_t* cr, const Placement& p) {
                 DrawGlimmer(cr, p, {GlimmerPose::Cheer, GlimmerView::ThreeQuarter, t});
             };
         }},
        {"penguin waddle", [](double t) -> Figure {
             return [t](cairo_t* cr, const Placement& p) { DrawPenguin(cr, p, {PenguinPose::Waddle, t}); };
         }},
        {"penguin fly", [](double t) -> Figure {
             return [t](cairo_t* cr, const Placement& p) { DrawPenguin(cr, p, {PenguinPose::Fly, t}); };
         }},
        {"snowmobile", [](double t) -> Figure {
             return [t](cairo_t* cr, const Placement& p) { DrawSnowmobile(cr, p, {t, true, 0}); };
         }},
    };
    for (const auto& [name, at] : animated) {
        std::vector<IndexedImage> frames;
        for (double t : {0.0, 0.25, 0.5, 0.75}) frames.push_back(Render(at(t)));
        for (size_t i = 0; i < frames.size(); ++i) {
            for (size_t j = i + 1; j < frames.size(); ++j) {
                EXPECT_NE(frames[i].pixels, frames[j].pixels) << name << ": phases " << i << " and " << j << " look alike";
            }
        }
        EXPECT_EQ(Render(at(1.0)).pixels, frames[0].pixels) << name << " does not wrap at a whole turn";
    }
}

TEST(ArtKit, FacingLeftMirrorsTheWholeFigure)
{
    for (const Documented& d : Figures()) {
        const IndexedImage right = Render(d.figure, false), left = Render(d.figure, true);
        int differ = 0, visible = 0;
        for (int y = 0; y < kSize; ++y) {
            for (int x = 1; x < kSize; ++x) {
                // Mirroring about the anchor column maps x to 2 * 200 - 1 - x on the pixel grid.
                const uint8_t a = right.pixels[y * kSize + x], b = left.pixels[y * kSize + (2 * 200 - 1 - x)];
                visible += a != pal::kTransparent;
                differ += a != b;
            }
        }
        EXPECT_LT(differ, visible / 50 + 10) << d.name;
    }
}
