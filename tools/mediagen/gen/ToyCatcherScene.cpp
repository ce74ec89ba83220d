// Group "act1-scene": the toy catcher's workshop yard (tiles and layout), its two conveyor belts
// and its display pictures.
#include "MediaGenerator.h"
#include "art/ArtPen.h"
#include "art/FrontCoin.h"
#include "art/FrontDecor.h"
#include "art/GiftArt.h"
#include "art/LandscapeArt.h"
#include "art/SkyArt.h"
#include "art/VillageArt.h"
#include "paint/Canvas.h"
#include "paint/GamePalette.h"
#include "paint/Ink.h"
#include "paint/PictureFile.h"
#include "paint/SpriteBuilder.h"

#include <cmath>
#include <string>

namespace {

using namespace mediagen;

constexpr int kScreenWidth = 640;
constexpr int kScreenHeight = 480;

// The round draws the belts at y 149 and 190; items ride on their top edges.
constexpr int kUpperBeltY = 149;
constexpr int kLowerBeltY = 190;
constexpr int kBeltHeight = 24;
// Lugs 24 pixels apart move 8/3 pixels a frame at 24 frames a second: the 65 pixels a
// second the items ride at.
constexpr int kBeltFrames = 9;
constexpr double kLugSpacing = 24;

// Where the back of the yard meets its wall, and where the belt legs stand.
constexpr double kYardTop = 300;
constexpr double kLegXs[] = {96, 232, 368, 504};
constexpr int kLegWidth = 24;
constexpr int kLegTop = kLowerBeltY + kBeltHeight - 2;
constexpr int kLegHeight = 312 - kLegTop;

// The sniper penguins pop up at these places (top-left of their sprite, 50 x 56): the yard
// gives each a ledge of snow to stand behind.
struct Perch {
    double x, y;
};
constexpr Perch kPerches[] = {{37, 94}, {204, 56}, {391, 57}, {522, 88}};

QuantizeOptions SoftPicture()
{
    QuantizeOptions options;
    options.dither = true;
    options.ditherSpread = 8.0;
    return options;
}

// ---- the yard ---------------------------------------------------------------------------

void DrawWorkshop(cairo_t* cr)
{
    // A long timber workshop behind the belts, two dormers on its roof.
    PolygonPath(cr, {{150, 118}, {490, 118}, {470, 60}, {170, 60}});
    FillOutlined(cr, pal::kRed[3], pal::kBlack);
    cairo_rectangle(cr, 120, 116, 400, 190);
    FillBlendDown(cr, 116, 306, {{0, pal::kBrick[3]}, {1, pal::kBrick[1]}});
    StrokeOnly(cr, pal::kBlack, 2);
    for (double y = 132; y < 300; y += 14) {
        cairo_move_to(cr, 122, y);
        cairo_line_to(cr, 518, y);
    }
    StrokeOnly(cr, pal::kBrick[0], 1.2);
    // Snow along the roof's edge.
    SmoothPath(cr, {{144, 120}, {200, 114}, {260, 119}, {320, 113}, {380, 119}, {440, 114}, {496, 120}, {496, 126},
                    {144, 126}});
    FillOutlined(cr, pal::kSnow[14], pal::kSnow[4], 1.2);
    // Lit windows under the belts, warm against the night.
    for (double x : {150.0, 286.0, 422.0}) {
        cairo_rectangle(cr, x, 232, 56, 44);
        FillOutlined(cr, pal::kGold[12], pal::kBlack);
        cairo_move_to(cr, x + 28, 232);
        cairo_line_to(cr, x + 28, 276);
        cairo_move_to(cr, x, 254);
        cairo_line_to(cr, x + 56, 254);
        StrokeOnly(cr, pal::kFur[2], 3);
        cairo_rectangle(cr, x - 3, 274, 62, 6);
        FillOutlined(cr, pal::kSnow[13], pal::kSnow[4], 1.2);
    }
    // The two dormers the middle snipers hide in.
    for (const Perch& perch : {kPerches[1], kPerches[2]}) {
        const double cx = perch.x + 25;
        PolygonPath(cr, {{cx - 36, 66}, {cx, 34}, {cx + 36, 66}});
        FillOutlined(cr, pal::kGreen[3], pal::kBlack);
        cairo_rectangle(cr, cx - 30, 64, 60, 58);
        FillOutlined(cr, pal::kBrick[4], pal::kBlack);
        cairo_rectangle(cr, cx - 22, 72, 44, 40);
        FillBlendDown(cr, 72, 112, {{0, pal::kGold[13]}, {1, pal::kOrange[6]}});
        StrokeOnly(cr, pal::kBlack, 2);
        DrawSnowDrift(cr, cx, perch.y + 58, 30, 9);
    }
}

void DrawBeltHousing(cairo_t* cr, double x, double width, const Perch& perch)
{
    // The machines the belts come out of: a chute for gifts on top, a snowy roof to hide on.
    cairo_rectangle(cr, x, 140, width, 170);
    FillBlendDown(cr, 140, 310, {{0, pal::kGreen[5]}, {1, pal::kGreen[1]}});
    StrokeOnly(cr, pal::kBlack, 2.5);
    for (double y = 160; y < 300; y += 26) {
        cairo_rectangle(cr, x + 6, y, width - 12, 4);
        FillOnly(cr, pal::kGold[8]);
    }
    CirclePath(cr, x + width / 2, 250, 16);
    FillOutlined(cr, pal::kGold[10], pal::kBlack);
    cairo_move_to(cr, x + width / 2 - 10, 250);
    cairo_line_to(cr, x + width / 2 + 10, 250);
    cairo_move_to(cr, x + width / 2, 240);
    cairo_line_to(cr, x + width / 2, 260);
    StrokeOnly(cr, pal::kRed[6], 4);
    DrawSnowDrift(cr, perch.x + 25, perch.y + 56, width / 2 + 4, 10);
}

void DrawCandyFence(cairo_t* cr, double top, double bottom)
{
    // Two white rails with red-and-white striped posts: the yard's back edge.
    for (double y : {top + 8, top + 18}) {
        cairo_rectangle(cr, 0, y, kScreenWidth, 4);
        FillOutlined(cr, pal::kSnow[13], pal::kSnow[3], 1.2);
    }
    for (double x = 12; x < kScreenWidth; x += 48) {
        cairo_rectangle(cr, x, top, 7, bottom - top);
        FillOutlined(cr, pal::kWhite, pal::kRed[2], 1.4);
        cairo_save(cr);
        cairo_rectangle(cr, x, top, 7, bottom - top);
        cairo_clip(cr);
        for (double y = top - 6; y < bottom; y += 8) {
            cairo_move_to(cr, x - 1, y);
            cairo_line_to(cr, x + 8, y + 5);
        }
        StrokeOnly(cr, pal::kRed[8], 3);
        cairo_restore(cr);
        EllipsePath(cr, x + 3.5, top, 5, 2.5);
        FillOutlined(cr, pal::kSnow[15], pal::kSnow[5], 1.0);
    }
}

void DrawLamp(cairo_t* cr, double x, double groundY)
{
    Halo(cr, x, groundY - 78, 4, 30, GameColour(pal::kGold[14]), 0.55);
    cairo_rectangle(cr, x - 2.5, groundY - 74, 5, 74);
    FillOutlined(cr, pal::kGreen[2], pal::kBlack, 1.5);
    PolygonPath(cr, {{x - 8, groundY - 74}, {x + 8, groundY - 74}, {x + 6, groundY - 86}, {x - 6, groundY - 86}});
    FillOutlined(cr, pal::kGold[13], pal::kBlack, 1.5);
    PolygonPath(cr, {{x - 9, groundY - 86}, {x + 9, groundY - 86}, {x, groundY - 94}});
    FillOutlined(cr, pal::kGreen[3], pal::kBlack, 1.5);
    EllipsePath(cr, x, groundY - 93, 6, 2.5);
    FillOutlined(cr, pal::kSnow[15], pal::kSnow[5], 1.0);
    EllipsePath(cr, x, groundY, 10, 3);
    FillOutlined(cr, pal::kSnow[12], pal::kSnow[5], 1.0);
}

// Hoof prints and the track of a sled: somebody has been busy in the yard.
void DrawTracks(cairo_t* cr)
{
    for (double y0 : {452.0, 462.0}) {
        cairo_move_to(cr, -10, y0);
        cairo_curve_to(cr, 200, y0 - 30, 420, y0 + 14, 650, y0 - 18);
        StrokeOnly(cr, pal::kSnow[9], 3);
    }
    for (int i = 0; i < 9; ++i) {
        const double x = 60 + i * 30, y = 392 + 6 * std::sin(i * 0.9) + (i % 2) * 6;
        EllipsePath(cr, x, y, 3.2, 2.2, 0.3);
        FillOnly(cr, pal::kSnow[8]);
        EllipsePath(cr, x + 5, y + 1, 3.2, 2.2, 0.3);
        FillOnly(cr, pal::kSnow[8]);
    }
}

void DrawYardGround(cairo_t* cr)
{
    cairo_rectangle(cr, 0, kYardTop, kScreenWidth, kScreenHeight - kYardTop);
    FillBlendDown(cr, kYardTop, kScreenHeight, {{0, pal::kSnow[6]}, {0.35, pal::kSnow[10]}, {1, pal::kSnow[13]}});
    DrawCandyFence(cr, kYardTop + 2, kYardTop + 34);
    // Drifts along the fence and a soft slope down into the yard.
    const double hills[] = {338, 332, 342, 334, 330, 340, 334, 336};
    DrawSnowHills(cr, kScreenWidth, 372, hills, 8, pal::kSnow[9]);
    cairo_rectangle(cr, 0, 372, kScreenWidth, kScreenHeight - 372);
    FillBlendDown(cr, 372, kScreenHeight, {{0, pal::kSnow[11]}, {1, pal::kSnow[14]}});
    for (double y : {410.0, 448.0}) {
        cairo_move_to(cr, 0, y);
        for (double x = 0; x <= kScreenWidth; x += 40)
            cairo_line_to(cr, x, y + 2 * std::sin(x / 37.0));
        StrokeOnly(cr, pal::kSnow[9], 1.5);
    }
    DrawTracks(cr);
    DrawLamp(cr, 150, 352);
    DrawLamp(cr, 490, 352);
    DrawSnowDrift(cr, 20, 380, 40, 14);
    DrawSnowDrift(cr, 620, 384, 46, 16);
    DrawSnowDrift(cr, 320, 356, 60, 8);
}

Canvas DrawYard()
{
    Canvas canvas(kScreenWidth, kScreenHeight);
    cairo_t* cr = canvas.Cr();
    DrawNightSky(cr, kScreenWidth, kYardTop + 10, kYardTop, 70, 71);
    // The moon sits between the dormers, clear of the counters in the corners.
    DrawMoon(cr, 322, 26, 15, true);
    // Pines on the far side of the yard.
    for (double x : {20.0, 112.0, 530.0, 612.0})
        DrawPineTree(cr, {x, kYardTop + 4, 0.9, false}, {110, true, x > 500, 0});
    DrawWorkshop(cr);
    DrawBeltHousing(cr, 0, 104, kPerches[0]);
    DrawBeltHousing(cr, 512, 128, kPerches[3]);
    DrawLightString(cr, 104, 136, 512, 136, 10, 14);
    DrawYardGround(cr);
    DrawSnowfall(cr, kScreenWidth, kYardTop, 40, 72);
    return canvas;
}

Canvas Cut(const Canvas& whole, int x, int y, int width, int height)
{
    Canvas part(width, height);
    part.Paste(whole, -x, -y);
    return part;
}

Canvas DrawBeltLeg()
{
    Canvas canvas(kLegWidth, kLegHeight);
    cairo_t* cr = canvas.Cr();
    cairo_rectangle(cr, 6, 0, 12, kLegHeight - 8);
    FillBlendDown(cr, 0, kLegHeight, {{0, pal::kGrey[8]}, {1, pal::kGrey[4]}});
    StrokeOnly(cr, pal::kBlack, 2);
    for (double y = 14; y < kLegHeight - 14; y += 22) {
        cairo_move_to(cr, 7, y);
        cairo_line_to(cr, 17, y + 11);
        StrokeOnly(cr, pal::kGrey[3], 2);
    }
    // A foot in a heap of snow.
    cairo_rectangle(cr, 1, kLegHeight - 12, 22, 6);
    FillOutlined(cr, pal::kGrey[5], pal::kBlack);
    EllipsePath(cr, 12, kLegHeight - 5, 11, 5);
    FillOutlined(cr, pal::kSnow[13], pal::kSnow[6], 1.2);
    return canvas;
}

void WriteBitmap(const OutputTree& out, const std::string& name, const Canvas& canvas, bool soft)
{
    WriteOrThrow(out.MediaPath(name), EncodeCanvasBmp(canvas, GamePalette(), soft ? SoftPicture() : QuantizeOptions{}));
}

void WriteYard(const OutputTree& out)
{
    const Canvas yard = DrawYard();
    struct Tile {
        const char* name;
        int x, y;
    };
    const Tile tiles[] = {{"yard_nw.bmp", 0, 0}, {"yard_ne.bmp", 320, 0}, {"yard_sw.bmp", 0, 240},
                          {"yard_se.bmp", 320, 240}};
    std::string layout = "# The workshop yard of the toy catcher: four quarters behind everything,\n"
                         "# the belt legs in front of them and behind the snowblower.\n";
    for (const Tile& tile : tiles) {
        WriteBitmap(out, std::string("act1_bg\\") + tile.name, Cut(yard, tile.x, tile.y, 320, 240), true);
        layout += std::string("image ") + tile.name + "\npos " + std::to_string(tile.x) + " " + std::to_string(tile.y) +
                  " 10000\n";
    }
    WriteBitmap(out, "act1_bg\\beltleg.bmp", DrawBeltLeg(), false);
    layout += "image beltleg.bmp\n";
    for (double x : kLegXs)
        layout += "pos " + std::to_string(int(x)) + " " + std::to_string(kLegTop) + " 9000\n";
    WriteOrThrow(out.MediaPath("config\\act1_bg.txt"), std::vector<uint8_t>(layout.begin(), layout.end()));
}

// ---- the belts --------------------------------------------------------------------------

// One belt across the screen: rollers at both ends, a rubber band whose lugs run toward
// `direction` (+1 right, -1 left) by `phase` of one lug spacing.
void DrawBelt(cairo_t* cr, double phase, int direction, int band, int bandLight)
{
    const double top = 2, bottom = kBeltHeight - 4, r = (bottom - top) / 2;
    cairo_new_path(cr);
    cairo_arc(cr, kScreenWidth - 4 - r, top + r, r, -M_PI / 2, M_PI / 2);
    cairo_arc(cr, 4 + r, top + r, r, M_PI / 2, 3 * M_PI / 2);
    cairo_close_path(cr);
    FillBlendDown(cr, top, bottom, {{0, bandLight}, {0.3, band}, {1, pal::kGrey[2]}});
    StrokeOnly(cr, pal::kBlack, 2.5);
    // Lugs along the top run one way, those along the bottom the other.
    const double shift = phase * kLugSpacing * direction;
    cairo_save(cr);
    cairo_rectangle(cr, 6, 0, kScreenWidth - 12, kBeltHeight);
    cairo_clip(cr);
    for (double x = -kLugSpacing * 2 + shift; x < kScreenWidth + kLugSpacing; x += kLugSpacing) {
        cairo_rectangle(cr, x, top + 1, 5, 4);
        FillOnly(cr, pal::kGrey[12]);
        cairo_rectangle(cr, x - 2 * shift, bottom - 5, 5, 3);
        FillOnly(cr, pal::kGrey[1]);
    }
    cairo_restore(cr);
    // Rollers inside the band turn with it.
    for (double cx = 4 + r; cx < kScreenWidth; cx += 79) {
        CirclePath(cr, cx, top + r + 1, r - 4);
        FillOutlined(cr, pal::kGrey[7], pal::kBlack, 1.5);
        const double a = direction * phase * M_PI;
        cairo_move_to(cr, cx + std::cos(a) * (r - 5), top + r + 1 + std::sin(a) * (r - 5));
        cairo_line_to(cr, cx - std::cos(a) * (r - 5), top + r + 1 - std::sin(a) * (r - 5));
        StrokeOnly(cr, pal::kGrey[3], 2);
    }
    // Gold side rail with rivets.
    cairo_rectangle(cr, 10, top + r - 2, kScreenWidth - 20, 3);
    FillOnly(cr, pal::kGold[7], 0.0);
}

void WriteBelt(const OutputTree& out, const char* name, int y, int direction, int band, int bandLight)
{
    SpriteBuilder sprite;
    for (int i = 0; i < kBeltFrames; ++i) {
        Canvas canvas(kScreenWidth, kBeltHeight);
        DrawBelt(canvas.Cr(), double(i) / kBeltFrames, direction, band, bandLight);
        sprite.AddFrame(canvas, 0, y);
    }
    WriteOrThrow(out.MediaPath(name), sprite.Encode());
}

void WriteBelts(const OutputTree& out)
{
    WriteBelt(out, "act1_bg\\tread01.spx", kUpperBeltY, 1, pal::kGrey[4], pal::kGrey[8]);
    WriteBelt(out, "act1_bg\\tread02.spx", kLowerBeltY, -1, pal::kStone[2], pal::kStone[5]);
}

// ---- the display --------------------------------------------------------------------------

// The health bar is shown from its left edge as wide as the health: green when full,
// through yellow, to red at the empty end.
constexpr int kMeterWidth = 160;
constexpr int kMeterHeight = 16;

void WriteMeter(const OutputTree& out)
{
    Canvas meter(kMeterWidth, kMeterHeight);
    cairo_t* cr = meter.Cr();
    cairo_rectangle(cr, 0, 0, kMeterWidth, kMeterHeight);
    cairo_pattern_t* across = cairo_pattern_create_linear(0, 0, kMeterWidth, 0);
    AddStop(across, 0, pal::kRed[6]);
    AddStop(across, 0.45, pal::kGold[11]);
    AddStop(across, 1, pal::kGreen[9]);
    cairo_set_source(cr, across);
    cairo_fill(cr);
    cairo_pattern_destroy(across);
    // A shine along the top and a shadow along the bottom.
    cairo_rectangle(cr, 0, 2, kMeterWidth, 3);
    FillOnly(cr, pal::kWhite, 0.45);
    cairo_rectangle(cr, 0, kMeterHeight - 4, kMeterWidth, 4);
    FillOnly(cr, pal::kBlack, 0.3);
    cairo_move_to(cr, 0, 0.5);
    cairo_line_to(cr, kMeterWidth, 0.5);
    cairo_move_to(cr, 0, kMeterHeight - 0.5);
    cairo_line_to(cr, kMeterWidth, kMeterHeight - 0.5);
    StrokeOnly(cr, pal::kBlack, 1);
    cairo_move_to(cr, 0.5, 0);
    cairo_line_to(cr, 0.5, kMeterHeight);
    StrokeOnly(cr, pal::kBlack, 1);
    for (double x = 20; x < kMeterWidth; x += 20) {
        cairo_move_to(cr, x, 3);
        cairo_line_to(cr, x, kMeterHeight - 3);
    }
    StrokeOnly(cr, pal::kBlack, 0.8);
    WriteBitmap(out, "dmeter.bmp", meter, false);

    // The cap rides on the bar's end: a little heart in a gold ring.
    Canvas cap(18, kMeterHeight);
    cr = cap.Cr();
    cairo_new_path(cr);
    cairo_move_to(cr, 0, 0);
    cairo_line_to(cr, 6, 0);
    cairo_arc(cr, 9, kMeterHeight / 2.0, kMeterHeight / 2.0 - 0.5, -M_PI / 2, M_PI / 2);
    cairo_line_to(cr, 0, kMeterHeight);
    cairo_close_path(cr);
    FillOutlined(cr, pal::kGold[9], pal::kBlack, 1.2);
    cairo_move_to(cr, 9, 12.5);
    cairo_curve_to(cr, 3, 8, 5, 3, 9, 6);
    cairo_curve_to(cr, 13, 3, 15, 8, 9, 12.5);
    FillOutlined(cr, pal::kRed[9], pal::kRed[2], 1);
    WriteBitmap(out, "damcap.bmp", cap, false);

    Canvas heart(24, 22);
    cr = heart.Cr();
    cairo_move_to(cr, 12, 20);
    cairo_curve_to(cr, 0, 11, 2, 1, 12, 6);
    cairo_curve_to(cr, 22, 1, 24, 11, 12, 20);
    FillOutlined(cr, pal::kRed[9], pal::kBlack);
    EllipsePath(cr, 7, 7, 2.5, 1.6, -0.6);
    FillOnly(cr, pal::kRed[14]);
    WriteBitmap(out, "heart.bmp", heart, false);
}

// The gift beside the counter at the top right turns on its corner, 24 frames a second.
void WriteGiftIcon(const OutputTree& out)
{
    constexpr int kFrames = 24;
    SpriteBuilder sprite;
    for (int i = 0; i < kFrames; ++i) {
        const double t = double(i) / kFrames;
        Canvas canvas(52, 44);
        GiftLook look{GiftWrap::RedGold, GiftPattern::Dots, 34, 22, 0.18 * std::sin(t * 2 * M_PI)};
        DrawGift(canvas.Cr(), {26, 40 - 3 * std::fabs(std::sin(t * 2 * M_PI)), 1, false}, look);
        if (i % 8 < 3)
            DrawTwinkle(canvas.Cr(), 44, 8, 4 + (i % 8), 1);
        sprite.AddFrame(canvas, 472, 0);
    }
    WriteOrThrow(out.MediaPath("menus\\Interface_Gift.spx"), sprite.Encode());
}

// The coin beside the lives counter spins, 12 frames a second.
void WriteLivesIcon(const OutputTree& out)
{
    constexpr int kFrames = 12;
    SpriteBuilder sprite;
    for (int i = 0; i < kFrames; ++i) {
        Canvas canvas(40, 40);
        DrawSpinningCoin(canvas.Cr(), 20, 20, 17.5, double(i) / kFrames);
        sprite.AddFrame(canvas, 12, 45);
    }
    WriteOrThrow(out.MediaPath("menus\\Interface_coin.spx"), sprite.Encode());
}

void WriteScene(const OutputTree& out)
{
    WriteYard(out);
    WriteBelts(out);
    WriteMeter(out);
    WriteGiftIcon(out);
    WriteLivesIcon(out);
}

const RegisterGenerator kRegistration("act1-scene", &WriteScene);

} // namespace
