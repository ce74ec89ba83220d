// Feeds arbitrary bytes to the tiled background reader, with one good tile bitmap beside it.
#include "AzBobBackground.h"
#include "AzDrawQueue.h"
#include "display.h"
#include "mediafolder.h"

#include <cstdint>
#include <filesystem>
#include <vector>

namespace {

void PutLittleEndian(std::vector<uint8_t>& bytes, uint32_t value, int count)
{
    for (int i = 0; i < count; ++i)
        bytes.push_back(static_cast<uint8_t>(value >> (8 * i)));
}

// An 8 x 8 uncompressed 8-bit bitmap, so "image tile.bmp" in the input loads.
std::vector<uint8_t> TileBitmap()
{
    const uint32_t side = 8;
    const uint32_t pixelOffset = 14 + 40 + 1024;
    std::vector<uint8_t> bytes = {'B', 'M'};
    PutLittleEndian(bytes, pixelOffset + side * side, 4);
    PutLittleEndian(bytes, 0, 4);
    PutLittleEndian(bytes, pixelOffset, 4);
    PutLittleEndian(bytes, 40, 4);
    PutLittleEndian(bytes, side, 4);
    PutLittleEndian(bytes, side, 4);
    PutLittleEndian(bytes, 1, 2);
    PutLittleEndian(bytes, 8, 2);
    PutLittleEndian(bytes, 0, 4);
    PutLittleEndian(bytes, side * side, 4);
    PutLittleEndian(bytes, 0, 4);
    PutLittleEndian(bytes, 0, 4);
    PutLittleEndian(bytes, 256, 4);
    PutLittleEndian(bytes, 0, 4);
    for (uint32_t i = 0; i < 256; ++i)
        PutLittleEndian(bytes, i * 0x010101u, 4);
    for (uint32_t i = 0; i < side * side; ++i)
        bytes.push_back(static_cast<uint8_t>(i));
    return bytes;
}

// The tile beside every input, written once.
void WriteTileOnce()
{
    static const bool written = [] {
        std::filesystem::create_directory(fuzzmedia::Folder() + "/tiles");
        const std::vector<uint8_t> bitmap = TileBitmap();
        fuzzmedia::WriteFile("tiles/tile.bmp", bitmap.data(), bitmap.size());
        return true;
    }();
    (void)written;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    fuzzmedia::OpenDisplayOnce();
    WriteTileOnce();
    fuzzmedia::WriteFile("bg.txt", data, size);
    AzBobBackground background("bg.txt", "tiles");
    background.Draw();
    gDrawQueue.DrainAndExecute();
    lrFlip();
    return 0;
}
