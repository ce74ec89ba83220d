// The sprite layer's loading helpers: palette into the display, bitmap into a bob,
// sprite file into a bob sprite, and the run-length decoder of sprite frames.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

class AzBlitterObject;
class AzBobSprite;

namespace az {

// True when the palette was read and handed to the display; a palette that fails to
// load leaves the display's palette as it was.
bool SetPaletteFromFile(const std::string& name);

// A new bob with the bitmap's pixels, or null when the bitmap did not load.
AzBlitterObject* LoadBlitterObject(const std::string& name);
// A new bob sprite built from the sprite file, or null when the file did not load.
AzBobSprite* LoadBobSprite(const std::string& name);

// Where decoded elements go: row r starts at destination + r x stride and holds rowLength
// elements of each channel, interleaved, each element elementSize bytes. The destination
// must hold stride x rowCount bytes.
struct RleLayout {
    int32_t channels = 1;
    int32_t elementSize = 1;
    int32_t stride = 0;
    int32_t rowLength = 0;
    int32_t rowCount = 0;
};

enum UnpackResult : int {
    kUnpackOk = 0,
    // The destination is full (decoding stopped before the element that would pass its
    // end, leaving the rest untouched) or there is no source.
    kUnpackFull = 1,
    kUnpackNoDestination = 2,
    kUnpackNoLayout = 3,
    // The source ended before every row was decoded.
    kUnpackSourceShort = 4,
};

// Each row (and within it each channel) is a run of packets until rowLength elements are
// produced: a control byte c, signed; 0..127 repeats the next element c + 1 times,
// -1..-128 copies the next -c elements. A packet that overshoots the row spills into
// what follows it; the next row still starts at its own stride.
int UnpackRLE(const uint8_t* source, size_t sourceLength, const RleLayout* layout, uint8_t* destination);

} // namespace az
