// Turning canvases into the game's files: 8-bit bitmaps, own palettes for full-screen pictures.
#pragma once

#include "Canvas.h"
#include "GamePalette.h"
#include "MediaImage.h"
#include "Quantizer.h"

#include <cstdint>
#include <vector>

namespace mediagen {

// The bitmap of a canvas quantized to `palette`, which also becomes its colour table.
std::vector<uint8_t> EncodeCanvasBmp(const Canvas& canvas, const Palette& palette = GamePalette(),
                                     const QuantizeOptions& options = {});

// A palette fitted to one picture (median cut over its opaque pixels), for a full-screen
// picture whose screen loads its palette from the picture itself. Index 0 is black,
// 254 the magenta key and 255 the black clear colour, as in the game palette; the
// picture's colours fill 1..253 (unused entries repeat black).
Palette FitPalette(const Canvas& canvas);

} // namespace mediagen
