// The game palette "Pallettes\NS_pallette.bmp": named colour ramps that all game art is drawn in.
#pragma once

#include "MediaImage.h"

namespace mediagen {

// A run of palette entries ordered dark to light. ramp[i] clamps i into the ramp, so
// ramp[0] is the darkest, ramp[ramp.count - 1] (or ramp.Lightest()) the lightest and
// ramp.At(0.5) the middle one.
struct PaletteRamp {
    int first;
    int count;
    constexpr int operator[](int i) const { return first + (i < 0 ? 0 : i >= count ? count - 1 : i); }
    constexpr int Darkest() const { return first; }
    constexpr int Lightest() const { return first + count - 1; }
    constexpr int At(double t) const { return (*this)[static_cast<int>(t * (count - 1) + 0.5)]; }
    constexpr bool Contains(int index) const { return index >= first && index < first + count; }
};

namespace pal {

inline constexpr int kBlack = 0;          // pure black, the outline and shadow colour
inline constexpr int kWhite = 15;         // pure white, the last of the greys
inline constexpr int kTransparent = 254;  // pure magenta: the colour key, never used by art
inline constexpr int kClear = 255;        // black: the back buffer is cleared to it

inline constexpr PaletteRamp kGrey{1, 15};       // 1..15 neutral greys to white
inline constexpr PaletteRamp kNightSky{16, 16};  // 16..31 near-black navy to twilight blue
inline constexpr PaletteRamp kTwilight{32, 8};   // 32..39 dusk violet to lavender
inline constexpr PaletteRamp kSnow{40, 16};      // 40..55 snow in shadow (blue-grey) to white
inline constexpr PaletteRamp kFur{56, 16};       // 56..71 dark brown, brown, tan, cream
inline constexpr PaletteRamp kRed{72, 16};       // 72..87 maroon to bright red to rose
inline constexpr PaletteRamp kGreen{88, 16};     // 88..103 dark pine to bright green to mint
inline constexpr PaletteRamp kGold{104, 16};     // 104..119 dark ochre, gold, yellow, pale lemon
inline constexpr PaletteRamp kOrange{120, 8};    // 120..127 burnt orange to apricot
inline constexpr PaletteRamp kSkin{128, 8};      // 128..135 dark to light skin tones
inline constexpr PaletteRamp kStone{136, 8};     // 136..143 warm greys: stone, chimneys, roads
inline constexpr PaletteRamp kPink{144, 8};      // 144..151 raspberry to candy pink
inline constexpr PaletteRamp kPurple{152, 8};    // 152..159 deep purple to lilac
inline constexpr PaletteRamp kCyan{160, 8};      // 160..167 teal to bright cyan to ice
inline constexpr PaletteRamp kBlue{168, 8};      // 168..175 royal blue to sky blue
inline constexpr PaletteRamp kBrick{176, 8};     // 176..183 brick and terracotta
inline constexpr PaletteRamp kLime{184, 8};      // 184..191 olive to lime
// 192..253: an even spread of mixed colours, so anything else still finds a near match.
inline constexpr PaletteRamp kMixed{192, 62};

} // namespace pal

// The 256 colours, built once.
const Palette& GamePalette();

} // namespace mediagen
