// The game palette's colours, built from a few key colours per ramp.
#include "GamePalette.h"

#include <algorithm>
#include <cmath>
#include <initializer_list>
#include <vector>

namespace mediagen {

namespace {

// Fills `ramp` by interpolating evenly between its key colours.
void FillRamp(Palette& palette, PaletteRamp ramp, std::initializer_list<Rgb> keys)
{
    const std::vector<Rgb> k(keys);
    for (int i = 0; i < ramp.count; ++i) {
        const double t = ramp.count == 1 ? 0.0 : double(i) / (ramp.count - 1) * (k.size() - 1);
        const size_t a = std::min(size_t(t), k.size() - 2);
        const double f = t - double(a);
        auto mix = [f](uint8_t x, uint8_t y) { return uint8_t(std::lround(x + (y - x) * f)); };
        palette[ramp.first + i] = {mix(k[a].r, k[a + 1].r), mix(k[a].g, k[a + 1].g), mix(k[a].b, k[a + 1].b)};
    }
}

Palette Build()
{
    using namespace pal;
    Palette p{};
    p[kBlack] = {0, 0, 0};
    FillRamp(p, kGrey, {{24, 24, 28}, {128, 128, 134}, {255, 255, 255}});
    FillRamp(p, kNightSky, {{4, 6, 20}, {12, 20, 52}, {30, 48, 104}, {66, 92, 160}, {120, 140, 204}});
    FillRamp(p, kTwilight, {{40, 26, 72}, {92, 64, 140}, {170, 140, 210}});
    FillRamp(p, kSnow, {{62, 80, 122}, {132, 156, 200}, {200, 216, 240}, {255, 255, 255}});
    FillRamp(p, kFur, {{36, 18, 8}, {104, 58, 26}, {168, 108, 56}, {218, 170, 112}, {252, 238, 206}});
    FillRamp(p, kRed, {{52, 0, 6}, {150, 10, 20}, {228, 30, 36}, {255, 110, 100}, {255, 190, 180}});
    FillRamp(p, kGreen, {{4, 30, 16}, {16, 92, 40}, {44, 168, 64}, {140, 224, 120}, {214, 250, 200}});
    FillRamp(p, kGold, {{74, 44, 0}, {176, 116, 8}, {240, 188, 24}, {255, 232, 70}, {255, 250, 200}});
    FillRamp(p, kOrange, {{120, 40, 0}, {236, 110, 16}, {255, 200, 140}});
    FillRamp(p, kSkin, {{92, 54, 34}, {196, 134, 96}, {255, 222, 196}});
    FillRamp(p, kStone, {{52, 46, 44}, {138, 128, 118}, {222, 214, 204}});
    FillRamp(p, kPink, {{120, 10, 64}, {236, 70, 150}, {255, 196, 226}});
    FillRamp(p, kPurple, {{44, 8, 76}, {130, 50, 190}, {220, 180, 255}});
    FillRamp(p, kCyan, {{0, 70, 84}, {0, 190, 214}, {200, 255, 255}});
    FillRamp(p, kBlue, {{10, 30, 120}, {40, 100, 230}, {170, 210, 255}});
    FillRamp(p, kBrick, {{76, 22, 12}, {164, 64, 40}, {232, 150, 110}});
    FillRamp(p, kLime, {{56, 70, 8}, {150, 200, 30}, {230, 255, 150}});

    // Every colour of a four-level cube except black, white and magenta (the key colour).
    int next = kMixed.first;
    for (int r = 0; r < 4; ++r)
        for (int g = 0; g < 4; ++g)
            for (int b = 0; b < 4; ++b) {
                const bool black = r == 0 && g == 0 && b == 0;
                const bool white = r == 3 && g == 3 && b == 3;
                const bool magenta = r == 3 && g == 0 && b == 3;
                if (black || white || magenta) continue;
                p[next++] = {uint8_t(r * 85), uint8_t(g * 85), uint8_t(b * 85)};
            }
    p[next++] = {255, 226, 160}; // candle light, for glows
    p[kTransparent] = {255, 0, 255};
    p[kClear] = {0, 0, 0};
    return p;
}

} // namespace

const Palette& GamePalette()
{
    static const Palette palette = Build();
    return palette;
}

} // namespace mediagen
