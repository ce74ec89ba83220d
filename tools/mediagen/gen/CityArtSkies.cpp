// Group "act2-cities", skies: one night sky per city ("sky_N.bmp"), each in the city's own mood:
// a desert's warm horizon, northern lights over the snowy north, a harbour's teal summer night.
#include "CityPlan.h"
#include "MediaGenerator.h"
#include "art/ArtPen.h"
#include "art/ArtRandom.h"
#include "art/LandscapeArt.h"
#include "art/SkyArt.h"
#include "paint/Canvas.h"
#include "paint/GamePalette.h"
#include "paint/Ink.h"
#include "paint/PictureFile.h"

#include <cmath>
#include <string>

namespace mediagen {
namespace {

struct SkyMood {
    int top;       // colour at the top of the sky
    int middle;    // colour half way down
    int horizon;   // colour where the sky meets the city
    int moonX, moonY, moonR;
    bool crescent;
    double aurora; // 0 none .. 1 bright northern lights
    int snow;      // snowflakes falling
    int stars;
    bool mist;     // a band of mist over the horizon
};

// By city number 1 .. 27.
SkyMood MoodOf(int city)
{
    using namespace pal;
    switch (city) {
    case 1: return {kNightSky[1], kNightSky[6], kSnow[6], 470, 90, 34, false, 0, 90, 40, true};
    case 2: return {kNightSky[1], kPurple[2], kTwilight[5], 120, 80, 26, true, 0, 0, 70, false};
    case 3: return {kNightSky[0], kNightSky[7], kOrange[3], 520, 110, 36, false, 0, 0, 80, false};
    case 4: return {kNightSky[0], kNightSky[5], kSnow[5], 150, 70, 24, true, 0, 120, 50, false};
    case 5: return {kNightSky[0], kNightSky[4], kCyan[2], 540, 60, 22, false, 0.45, 160, 60, false};
    case 6: return {kNightSky[0], kPurple[1], kOrange[4], 480, 80, 24, true, 0, 0, 160, false};
    case 7: return {kNightSky[1], kPurple[2], kOrange[3], 420, 210, 70, false, 0, 0, 110, false};
    case 8: return {kNightSky[1], kPink[1], kPink[4], 160, 100, 34, false, 0, 0, 90, true};
    case 9: return {kNightSky[0], kNightSky[4], kRed[3], 520, 70, 26, false, 0, 110, 40, false};
    case 10: return {kNightSky[1], kPurple[2], kPink[3], 110, 90, 28, true, 0, 90, 50, false};
    case 11: return {kNightSky[1], kCyan[0], kPurple[4], 500, 100, 30, false, 0, 0, 120, false};
    case 12: return {kNightSky[0], kNightSky[6], kBlue[2], 140, 80, 36, false, 0, 100, 60, false};
    case 13: return {kNightSky[1], kCyan[0], kCyan[3], 480, 80, 24, true, 0, 0, 100, true};
    case 14: return {kNightSky[1], kPink[0], kOrange[4], 130, 90, 22, true, 0, 0, 90, false};
    case 15: return {kNightSky[1], kCyan[1], kTwilight[6], 500, 90, 30, false, 0, 0, 170, false};
    case 16: return {kNightSky[1], kNightSky[8], kCyan[3], 130, 110, 26, true, 0, 0, 150, false};
    case 17: return {kNightSky[1], kPurple[3], kPink[5], 460, 190, 50, false, 0, 0, 120, false};
    case 18: return {kNightSky[0], kNightSky[4], kGreen[3], 560, 70, 20, true, 1.0, 110, 120, false};
    case 19: return {kNightSky[1], kPurple[2], kOrange[5], 320, 170, 60, false, 0, 0, 130, false};
    case 20: return {kNightSky[0], kNightSky[5], kCyan[2], 110, 70, 22, false, 0.55, 130, 70, false};
    case 21: return {kNightSky[1], kPurple[1], kTwilight[4], 500, 110, 30, false, 0, 0, 60, true};
    case 22: return {kNightSky[0], kNightSky[5], kOrange[2], 120, 80, 28, false, 0, 130, 30, false};
    case 23: return {kNightSky[0], kNightSky[4], kBlue[2], 520, 80, 24, true, 0.3, 130, 70, false};
    case 24: return {kNightSky[1], kPurple[3], kPink[3], 130, 90, 22, true, 0, 0, 110, false};
    case 25: return {kNightSky[1], kPink[0], kPink[4], 470, 110, 40, false, 0, 0, 90, false};
    case 26: return {kNightSky[0], kNightSky[7], kBlue[3], 150, 80, 28, false, 0, 0, 130, false};
    default: return {kNightSky[0], kPurple[1], kPurple[4], 480, 150, 32, false, 0, 0, 150, true};
    }
}

void DrawAurora(cairo_t* cr, double strength, uint32_t seed)
{
    ArtRandom random(seed);
    for (int band = 0; band < 3; ++band) {
        const double baseY = 90 + band * 45 + random.Range(-10, 10);
        const double amplitude = 18 + random.Range(0, 14);
        const double phase = random.Range(0, 6.28);
        cairo_new_path(cr);
        cairo_move_to(cr, 0, baseY);
        for (int x = 0; x <= 640; x += 16)
            cairo_line_to(cr, x, baseY + std::sin(x * 0.012 + phase) * amplitude);
        for (int x = 640; x >= 0; x -= 16)
            cairo_line_to(cr, x, baseY + 70 + std::sin(x * 0.012 + phase + 0.4) * amplitude);
        cairo_close_path(cr);
        cairo_pattern_t* glow = cairo_pattern_create_linear(0, baseY - amplitude, 0, baseY + 70 + amplitude);
        AddStop(glow, 0.0, band == 1 ? pal::kCyan[6] : pal::kGreen[10], 0.0);
        AddStop(glow, 0.35, band == 1 ? pal::kCyan[6] : pal::kGreen[10], 0.55 * strength);
        AddStop(glow, 1.0, pal::kPurple[4], 0.0);
        cairo_set_source(cr, glow);
        cairo_fill(cr);
        cairo_pattern_destroy(glow);
    }
}

void WriteSky(const OutputTree& out, const WorldCity& city)
{
    const SkyMood mood = MoodOf(city.number);
    Canvas canvas(640, 480);
    cairo_t* cr = canvas.Cr();
    cairo_pattern_t* sky = cairo_pattern_create_linear(0, 0, 0, 420);
    AddStop(sky, 0.0, mood.top);
    AddStop(sky, 0.55, mood.middle);
    AddStop(sky, 1.0, mood.horizon);
    cairo_set_source(cr, sky);
    cairo_paint(cr);
    cairo_pattern_destroy(sky);

    ArtRandom random(static_cast<uint32_t>(city.number * 7919));
    for (int i = 0; i < mood.stars; ++i) {
        const double x = random.Range(0, 640), y = random.Range(0, 300);
        const double size = random.Unit();
        if (size > 0.93) {
            DrawTwinkle(cr, x, y, random.Range(4, 7), random.Unit());
        } else {
            CirclePath(cr, x, y, 0.6 + size * 1.1);
            FillOnly(cr, size > 0.5 ? pal::kGold[14] : pal::kSnow[12]);
        }
    }
    if (mood.aurora > 0)
        DrawAurora(cr, mood.aurora, static_cast<uint32_t>(city.number));
    DrawMoon(cr, mood.moonX, mood.moonY, mood.moonR, mood.crescent, true);
    if (mood.mist) {
        cairo_pattern_t* mist = cairo_pattern_create_linear(0, 300, 0, 420);
        AddStop(mist, 0.0, pal::kSnow[8], 0.0);
        AddStop(mist, 0.7, pal::kSnow[8], 0.35);
        AddStop(mist, 1.0, pal::kSnow[10], 0.2);
        cairo_set_source(cr, mist);
        cairo_rectangle(cr, 0, 300, 640, 180);
        cairo_fill(cr);
        cairo_pattern_destroy(mist);
    }
    // The lights of the city warm the sky just above the rooftops.
    cairo_pattern_t* glow = cairo_pattern_create_linear(0, 330, 0, 480);
    AddStop(glow, 0.0, pal::kGold[8], 0.0);
    AddStop(glow, 1.0, pal::kGold[8], 0.28);
    cairo_set_source(cr, glow);
    cairo_rectangle(cr, 0, 330, 640, 150);
    cairo_fill(cr);
    cairo_pattern_destroy(glow);
    if (mood.snow > 0)
        DrawSnowfall(cr, 640, 480, mood.snow, static_cast<uint32_t>(city.number * 31));

    QuantizeOptions soft;
    soft.dither = true;
    soft.ditherSpread = 10.0;
    WriteOrThrow(out.MediaPath("act2\\cities\\sky_" + std::to_string(city.number) + ".bmp"),
                 EncodeCanvasBmp(canvas, GamePalette(), soft));
}

void GenerateSkies(const OutputTree& out)
{
    for (const WorldCity& city : WorldCities())
        WriteSky(out, city);
}

const RegisterGenerator kRegistration("act2-cities", &GenerateSkies);

} // namespace
} // namespace mediagen
