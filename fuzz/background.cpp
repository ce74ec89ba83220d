// Feeds arbitrary bytes to the tiled background reader, with one good tile bitmap beside it.
#include "AzBobBackground.h"
#include "AzDrawQueue.h"
#include "VlFile.h"
#include "lrDisplay.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include <sys/stat.h>

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

void WriteFile(const std::string& path, const uint8_t* data, size_t size)
{
    FILE* file = std::fopen(path.c_str(), "wb");
    if (!file) return;
    if (size > 0) std::fwrite(data, 1, size, file);
    std::fclose(file);
}

// One media folder and display per fuzzing process; each input overwrites the description.
const std::string& MediaFolder()
{
    static const std::string folder = [] {
        char pattern[] = "/tmp/skyrun-fuzz-background-XXXXXX";
        const char* made = mkdtemp(pattern);
        std::string path = made ? made : "/tmp";
        VlSetMediaPath(path);
        std::string tiles = path + "/tiles";
        std::vector<uint8_t> bitmap = TileBitmap();
        mkdir(tiles.c_str(), 0755);
        WriteFile(tiles + "/tile.bmp", bitmap.data(), bitmap.size());
        lrCreateDisplay(640, 480, 8, lrWindowedFlag);
        lrSetColorKey(254);
        return path;
    }();
    return folder;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    WriteFile(MediaFolder() + "/bg.txt", data, size);
    AzBobBackground background("bg.txt", "tiles");
    background.Draw();
    gDrawQueue.DrainAndExecute();
    lrFlip();
    return 0;
}
