// Group "navig": the globe screen's palette, starry background, globe, snow cloud, flags, rings, arrows, gift and city list.
#include "MediaGenerator.h"
#include "NavigationGlobe.h"
#include "NavigationPlaces.h"
#include "WorldCities.h"
#include "art/ArtPen.h"
#include "art/ArtRandom.h"
#include "art/GiftArt.h"
#include "art/SkyArt.h"
#include "paint/Canvas.h"
#include "paint/GamePalette.h"
#include "paint/Ink.h"
#include "paint/PictureFile.h"
#include "paint/SpriteBuilder.h"

#include "BmpWriter.h"

#include <cmath>
#include <sstream>
#include <string>
#include <vector>

namespace mediagen {
namespace {

constexpr double kPi = 3.14159265358979;
constexpr int kScreenWidth = 640;
constexpr int kScreenHeight = 480;
// Flags, the city ring, both rings and the gift share one count, so they wave and turn in step.
constexpr int kWaveFrames = 8;
constexpr int kArrowPulseFrames = 6;
constexpr int kSnowCloudX = 290, kSnowCloudY = 109;
constexpr int kSnowCloudWidth = 96, kSnowCloudHeight = 64;
constexpr int kGoLeftX = 141, kGoLeftY = 255;
constexpr int kGoRightX = 457, kGoRightY = 261;
constexpr int kArrowWidth = 64, kArrowHeight = 48;
constexpr int kGiftIconWidth = 60, kGiftIconHeight = 42;

// The screen loads its own palette: the game's colours, so its alphabet keeps its look.
void WritePalette(const OutputTree& out)
{
    IndexedImage swatches{16, 16, std::vector<uint8_t>(256)};
    for (int i = 0; i < 256; ++i)
        swatches.pixels[static_cast<size_t>(i)] = static_cast<uint8_t>(i);
    WriteOrThrow(out.MediaPath("navig\\Navigation_Pallette.bmp"), EncodeBmp8(swatches, GamePalette()));
}

void RoundedRect(cairo_t* cr, double x, double y, double w, double h, double r)
{
    cairo_new_sub_path(cr);
    cairo_arc(cr, x + w - r, y + r, r, -kPi / 2, 0);
    cairo_arc(cr, x + w - r, y + h - r, r, 0, kPi / 2);
    cairo_arc(cr, x + r, y + h - r, r, kPi / 2, kPi);
    cairo_arc(cr, x + r, y + r, r, kPi, 3 * kPi / 2);
    cairo_close_path(cr);
}

// Deep space with the Milky Way across it, many stars, and four framed windows for the corner panels.
void WriteBackground(const OutputTree& out)
{
    Canvas canvas(kScreenWidth, kScreenHeight);
    cairo_t* cr = canvas.Cr();
    cairo_rectangle(cr, 0, 0, kScreenWidth, kScreenHeight);
    FillBlendDown(cr, 0, kScreenHeight, {{0.0, pal::kNightSky[0]}, {0.6, pal::kNightSky[3]}, {1.0, pal::kNightSky[1]}});
    cairo_new_path(cr);
    // A band of faint light from corner to corner, and two coloured glows.
    ArtRandom random(4242);
    for (int i = 0; i < 60; ++i) {
        const double t = random.Unit();
        const double x = t * kScreenWidth;
        const double y = 470 - t * 430 + random.Range(-40, 40);
        Halo(cr, x, y, 0, random.Range(20, 55), GameColour(pal::kTwilight[3]), 0.10);
    }
    Halo(cr, 560, 80, 0, 120, GameColour(pal::kPurple[3]), 0.22);
    Halo(cr, 70, 430, 0, 110, GameColour(pal::kCyan[1]), 0.18);
    for (int i = 0; i < 420; ++i) {
        const double x = random.Range(0, kScreenWidth);
        const double y = random.Range(0, kScreenHeight);
        const double size = random.Unit() < 0.85 ? 0.7 : 1.3;
        const int colour = random.Unit() < 0.7 ? pal::kWhite : random.Unit() < 0.5 ? pal::kGold[14] : pal::kCyan[7];
        cairo_arc(cr, x, y, size, 0, 2 * kPi);
        FillOnly(cr, colour, random.Range(0.5, 1.0));
    }
    for (int i = 0; i < 14; ++i)
        DrawTwinkle(cr, random.Range(10, 630), random.Range(90, 470), random.Range(4, 8), 1.0, pal::kGold[14]);
    // The windows of the corner panels, each a little larger than its ring.
    for (const CornerPanel& panel : kCornerPanels) {
        const double x = panel.ringX - 8, y = panel.ringY - 8, size = kCornerRingSize + 16;
        RoundedRect(cr, x, y, size, size, 14);
        FillOutlined(cr, pal::kNightSky[5], pal::kBlack, 3);
        // A faint snowflake, so a panel waiting for a picture is not just a hole.
        DrawSnowflake(cr, x + size / 2, y + size / 2, 30, 0, pal::kNightSky[9]);
        RoundedRect(cr, x + 3, y + 3, size - 6, size - 6, 11);
        StrokeRim(cr, pal::kGold[6], 5, pal::kGold[12], 2);
        for (int corner = 0; corner < 4; ++corner)
            DrawStar(cr, x + (corner % 2 ? size - 4 : 4), y + (corner / 2 ? size - 4 : 4), 6, 0, pal::kGold[11]);
    }
    QuantizeOptions options;
    options.dither = true;
    options.ditherSpread = 8.0;
    WriteOrThrow(out.MediaPath("navig\\background.bmp"), EncodeCanvasBmp(canvas, GamePalette(), options));
}

void WriteGlobe(const OutputTree& out)
{
    SpriteBuilder sprite;
    for (int frame = 0; frame < kGlobeFrames; ++frame)
        sprite.AddFrame(DrawGlobeFrame(frame), kGlobeSpriteX, kGlobeSpriteY);
    WriteOrThrow(out.MediaPath("navig\\globe.spx"), sprite.Encode());
}

void CloudPuff(cairo_t* cr, double bob)
{
    cairo_new_path(cr);
    const double puffs[][3] = {{22, 30, 14}, {40, 20, 18}, {60, 22, 16}, {76, 31, 13}, {48, 34, 15}, {30, 36, 11}};
    for (const auto& puff : puffs) {
        cairo_new_sub_path(cr);
        cairo_arc(cr, puff[0], puff[1] + bob, puff[2], 0, 2 * kPi);
    }
    Silhouette(cr, pal::kSnow[13], pal::kBlack, 2);
    // Lighter tops and a shadowed belly.
    for (const auto& puff : puffs) {
        cairo_arc(cr, puff[0] - puff[2] * 0.25, puff[1] + bob - puff[2] * 0.3, puff[2] * 0.6, 0, 2 * kPi);
        FillOnly(cr, pal::kWhite, 0.9);
    }
    cairo_rectangle(cr, 12, 40 + bob, 72, 8);
    cairo_clip(cr);
    for (const auto& puff : puffs) {
        cairo_arc(cr, puff[0], puff[1] + bob, puff[2] - 1.5, 0, 2 * kPi);
        FillOnly(cr, pal::kSnow[8], 0.8);
    }
    cairo_reset_clip(cr);
}

// A fluffy cloud over the North Pole, letting snow fall on the top of the world.
void WriteSnowCloud(const OutputTree& out)
{
    SpriteBuilder sprite;
    sprite.AddPhases(kSnowCloudWidth, kSnowCloudHeight, kWaveFrames, [](cairo_t* cr, double phase) {
        const double bob = 1.5 * std::sin(phase * 2 * kPi);
        ArtRandom random(77);
        for (int i = 0; i < 14; ++i) {
            const double x = random.Range(16, 80);
            const double start = random.Unit();
            const double fall = std::fmod(start + phase, 1.0);
            const double y = 40 + fall * 22;
            DrawSnowflake(cr, x + 2 * std::sin((fall + start) * 2 * kPi), y, random.Range(2.5, 3.5), fall * 3,
                          pal::kWhite);
        }
        CloudPuff(cr, bob);
    }, kSnowCloudX, kSnowCloudY);
    WriteOrThrow(out.MediaPath("navig\\snow_cloud.spx"), sprite.Encode());
}

// A pennant on a pole that waves; the pole's foot is the city's place.
void WriteFlag(const OutputTree& out, const char* name, int cloth, int shade)
{
    SpriteBuilder sprite;
    sprite.AddPhases(kFlagWidth, kFlagHeight, kWaveFrames, [cloth, shade](cairo_t* cr, double phase) {
        auto wave = [phase](double x) { return 1.8 * std::sin(x * 0.45 - phase * 2 * kPi) * (x - 3) / 16; };
        cairo_new_path(cr);
        cairo_move_to(cr, 3.5, 2 + wave(3.5));
        for (double x = 3.5; x <= 20; x += 1)
            cairo_line_to(cr, x, 2.5 + wave(x) + (x - 3.5) * 0.12);
        for (double x = 20; x >= 3.5; x -= 1)
            cairo_line_to(cr, x, 12.5 + wave(x) - (x - 3.5) * 0.12);
        cairo_close_path(cr);
        FillOutlined(cr, cloth, pal::kBlack, 1.5);
        // A fold of shade that travels along the cloth.
        const double fold = 4 + std::fmod(phase * 16, 16);
        cairo_rectangle(cr, fold, 3 + wave(fold), 2, 8);
        FillOnly(cr, shade, 0.8);
        cairo_rectangle(cr, 1, 1, 2.5, kFlagHeight - 2);
        FillOutlined(cr, pal::kStone[6], pal::kBlack, 1);
        cairo_arc(cr, 2.2, 1.8, 1.6, 0, 2 * kPi);
        FillOutlined(cr, pal::kGold[12], pal::kBlack, 1);
    }, 0, 0);
    WriteOrThrow(out.MediaPath(name), sprite.Encode());
}

// The ring around the selected city: a glowing circle that breathes, with a sparkle running round it.
void WriteCityRing(const OutputTree& out)
{
    SpriteBuilder sprite;
    sprite.AddPhases(kCityRingSize, kCityRingSize, kWaveFrames, [](cairo_t* cr, double phase) {
        const double c = kCityRingSize / 2.0;
        const double r = 10.5 + 2.5 * std::sin(phase * 2 * kPi);
        cairo_arc(cr, c, c, r, 0, 2 * kPi);
        StrokeRim(cr, pal::kBlack, 5, pal::kGold[13], 2.5);
        const double a = phase * 2 * kPi;
        DrawTwinkle(cr, c + r * std::cos(a), c + r * std::sin(a), 4.5, 1.0, pal::kWhite);
        DrawTwinkle(cr, c - r * std::cos(a), c - r * std::sin(a), 3.5, 0.7, pal::kGold[15]);
    }, 0, 0);
    WriteOrThrow(out.MediaPath("navig\\city_ring.spx"), sprite.Encode());
}

// The frame of a corner panel: a golden wreath with Christmas lights chasing round it.
void WriteCornerRing(const OutputTree& out)
{
    SpriteBuilder sprite;
    sprite.AddPhases(kCornerRingSize, kCornerRingSize, kWaveFrames, [](cairo_t* cr, double phase) {
        const double c = kCornerRingSize / 2.0;
        cairo_set_fill_rule(cr, CAIRO_FILL_RULE_EVEN_ODD);
        cairo_arc(cr, c, c, 40.5, 0, 2 * kPi);
        cairo_new_sub_path(cr);
        cairo_arc(cr, c, c, 34.5, 0, 2 * kPi);
        FillOutlined(cr, pal::kGreen[4], pal::kBlack, 2);
        cairo_set_fill_rule(cr, CAIRO_FILL_RULE_WINDING);
        for (int leaf = 0; leaf < 24; ++leaf) {
            const double a = leaf * 2 * kPi / 24;
            EllipsePath(cr, c + 37.5 * std::cos(a), c + 37.5 * std::sin(a), 3.2, 1.6, a + kPi / 3);
            FillOnly(cr, pal::kGreen[9]);
        }
        const int colours[4] = {pal::kRed[10], pal::kGold[13], pal::kBlue[6], pal::kWhite};
        for (int light = 0; light < 12; ++light) {
            const double a = light * 2 * kPi / 12 + phase * 2 * kPi / 12;
            const bool lit = (light + static_cast<int>(phase * kWaveFrames)) % 3 == 0;
            cairo_arc(cr, c + 37.5 * std::cos(a), c + 37.5 * std::sin(a), lit ? 3.2 : 2.4, 0, 2 * kPi);
            FillOutlined(cr, lit ? pal::kWhite : colours[light % 4], pal::kBlack, 1);
        }
    }, 0, 0);
    WriteOrThrow(out.MediaPath("navig\\ring.spx"), sprite.Encode());
}

// Shown in the panel of a city already delivered: a present that hops, with a tick beside it.
void WriteDeliveredGift(const OutputTree& out)
{
    SpriteBuilder sprite;
    sprite.AddPhases(kGiftIconWidth, kGiftIconHeight, kWaveFrames, [](cairo_t* cr, double phase) {
        const double hop = 4 * std::fabs(std::sin(phase * kPi));
        DrawGift(cr, {26, 40 - hop, 1.0, false}, {GiftWrap::RedGold, GiftPattern::Dots, 34, 22, 0});
        cairo_new_path(cr);
        cairo_move_to(cr, 44, 26);
        cairo_line_to(cr, 50, 33);
        cairo_line_to(cr, 58, 17);
        StrokeOutlined(cr, 4, pal::kGreen[12], pal::kBlack);
        DrawTwinkle(cr, 10 + 4 * phase, 8, 4, std::sin(phase * kPi), pal::kGold[15]);
    }, 0, 0);
    WriteOrThrow(out.MediaPath("navig\\3D_Gift03.spx"), sprite.Encode());
}

// A fat candy arrow; frame 0 at rest, then frames that swell and glow as it pulses.
void DrawArrow(cairo_t* cr, bool pointsLeft, double pulse)
{
    cairo_save(cr);
    if (pointsLeft) {
        cairo_translate(cr, kArrowWidth, 0);
        cairo_scale(cr, -1, 1);
    }
    const double cy = kArrowHeight / 2.0;
    const double grow = 1.0 + 0.08 * pulse;
    cairo_translate(cr, kArrowWidth / 2.0 + 2 * pulse, cy);
    cairo_scale(cr, grow, grow);
    if (pulse > 0) {
        // A golden glow round the pulsing arrow: solid, since a sprite has no soft edges.
        PolygonPath(cr, {{-24, -8}, {2, -8}, {2, -18}, {24, 0}, {2, 18}, {2, 8}, {-24, 8}});
        cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
        StrokeRim(cr, pal::kBlack, DeviceToUser(cr, 6 + 5 * pulse), pal::kGold[13], DeviceToUser(cr, 3.5 + 5 * pulse));
    }
    PolygonPath(cr, {{-24, -8}, {2, -8}, {2, -18}, {24, 0}, {2, 18}, {2, 8}, {-24, 8}});
    FillBlendDown(cr, -18, 18, {{0.0, pal::kRed[13]}, {0.5, pulse > 0 ? pal::kRed[12] : pal::kRed[9]}, {1.0, pal::kRed[4]}});
    cairo_set_source_rgb(cr, 0, 0, 0);
    cairo_set_line_width(cr, DeviceToUser(cr, 2.5));
    cairo_stroke(cr);
    // White candy stripes across the shaft.
    for (int stripe = 0; stripe < 3; ++stripe) {
        const double x = -20 + stripe * 7;
        PolygonPath(cr, {{x, -8}, {x + 3, -8}, {x + 6, 8}, {x + 3, 8}});
        FillOnly(cr, pal::kWhite, 0.9);
    }
    cairo_restore(cr);
}

void WriteArrow(const OutputTree& out, const char* name, bool pointsLeft, int x, int y)
{
    SpriteBuilder sprite;
    Canvas rest(kArrowWidth, kArrowHeight);
    DrawArrow(rest.Cr(), pointsLeft, 0);
    sprite.AddFrame(rest, x, y);
    for (int frame = 0; frame < kArrowPulseFrames; ++frame) {
        Canvas canvas(kArrowWidth, kArrowHeight);
        DrawArrow(canvas.Cr(), pointsLeft, std::sin((frame + 0.5) * kPi / kArrowPulseFrames));
        sprite.AddFrame(canvas, x, y);
    }
    WriteOrThrow(out.MediaPath(name), sprite.Encode());
}

// The city list the globe reads: every city of the world table on its face, flags on its place.
void WriteCityList(const OutputTree& out)
{
    std::ostringstream list;
    list << "# The places of the globe, one a line:\n"
         << "# face flagX flagY ringX ringY corner(1-4) pictureX pictureY picture number name,description\n";
    for (const WorldCity& city : WorldCities()) {
        const CityPlace place = PlaceOfCity(city);
        list << "city " << city.face << ' ' << place.flagX << ' ' << place.flagY << ' ' << place.ringX << ' '
             << place.ringY << ' ' << place.corner + 1 << ' ' << place.pictureX << ' ' << place.pictureY << ' '
             << place.pictureFile << ' ' << city.number << ' ' << city.name << ',' << city.description << "\n";
    }
    const std::string text = list.str();
    WriteOrThrow(out.MediaPath("navig\\config.txt"), std::vector<uint8_t>(text.begin(), text.end()));
}

void WriteNavigation(const OutputTree& out)
{
    WritePalette(out);
    WriteBackground(out);
    WriteGlobe(out);
    WriteSnowCloud(out);
    WriteFlag(out, "navig\\flag_white.spx", pal::kWhite, pal::kSnow[9]);
    WriteFlag(out, "navig\\flag_red.spx", pal::kRed[10], pal::kRed[5]);
    WriteCityRing(out);
    WriteCornerRing(out);
    WriteDeliveredGift(out);
    WriteArrow(out, "navig\\arrow_01.spx", true, kGoLeftX, kGoLeftY);
    WriteArrow(out, "navig\\arrow_02.spx", false, kGoRightX, kGoRightY);
    WriteCityList(out);
}

const RegisterGenerator kRegistration("navig", &WriteNavigation);

} // namespace
} // namespace mediagen
