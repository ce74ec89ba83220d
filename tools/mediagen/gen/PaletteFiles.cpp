// Group "palette": the game palette, the collision marker and the all-black menu picture.
#include "MediaGenerator.h"
#include "paint/GamePalette.h"

#include "BmpWriter.h"

namespace mediagen {

namespace {

// 16 x 16 swatches of 8 pixels, entry i at column i % 16, row i / 16: the colour table is
// what the game reads; the pixels only make the file pleasant to look at.
IndexedImage PaletteSwatches()
{
    IndexedImage image{128, 128, std::vector<uint8_t>(128 * 128)};
    for (int y = 0; y < 128; ++y)
        for (int x = 0; x < 128; ++x) image.pixels[y * 128 + x] = uint8_t((y / 8) * 16 + x / 8);
    return image;
}

// Drawn at both ends of a collision rectangle's diagonal, so it must be 4 x 4: a bright
// lime square with a white heart stands out on any background.
IndexedImage CollisionMarker()
{
    const int lime = pal::kLime.Lightest() - 1;
    IndexedImage image{4, 4, std::vector<uint8_t>(16, uint8_t(lime))};
    for (int y = 1; y < 3; ++y)
        for (int x = 1; x < 3; ++x) image.pixels[y * 4 + x] = pal::kWhite;
    return image;
}

void WritePaletteFiles(const OutputTree& out)
{
    const Palette& palette = GamePalette();
    WriteOrThrow(out.MediaPath("Pallettes\\NS_pallette.bmp"), EncodeBmp8(PaletteSwatches(), palette));
    WriteOrThrow(out.MediaPath("CollRect.bmp"), EncodeBmp8(CollisionMarker(), palette));
    // The clear colour is black in every palette of the game, so the picture stays black
    // whichever palette the screen has loaded (the studio splash draws it under its own).
    const IndexedImage black{640, 480, std::vector<uint8_t>(640 * 480, pal::kClear)};
    WriteOrThrow(out.MediaPath("menus\\fullblack.bmp"), EncodeBmp8(black, palette));
}

const RegisterGenerator kRegistration("palette", &WritePaletteFiles);

} // namespace

} // namespace mediagen
