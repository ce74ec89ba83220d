// Feeds arbitrary bytes to a bitmap alphabet: a description line and the sprite file it describes.
#include "AzBobAlphabet.h"
#include "VlFile.h"
#include "lrDisplay.h"

#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

// One media folder and display per fuzzing process; each input overwrites both files.
const std::string& MediaFolder()
{
    static const std::string folder = [] {
        char pattern[] = "/tmp/skyrun-fuzz-alphabet-XXXXXX";
        const char* made = mkdtemp(pattern);
        std::string path = made ? made : "/tmp";
        VlSetMediaPath(path);
        lrCreateDisplay(640, 480, 8, lrWindowedFlag);
        lrSetColorKey(254);
        return path;
    }();
    return folder;
}

void WriteFile(const std::string& path, const uint8_t* data, size_t size)
{
    FILE* file = std::fopen(path.c_str(), "wb");
    if (!file) return;
    if (size > 0) std::fwrite(data, 1, size, file);
    std::fclose(file);
}

} // namespace

// Input: one byte giving the description's length, the description, then the sprite file.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size < 1) return 0;
    size_t descriptionSize = data[0];
    if (descriptionSize > size - 1) descriptionSize = size - 1;
    const uint8_t* description = data + 1;
    const uint8_t* sprite = description + descriptionSize;
    const size_t spriteSize = size - 1 - descriptionSize;

    WriteFile(MediaFolder() + "/font.desc", description, descriptionSize);
    WriteFile(MediaFolder() + "/font.spx", sprite, spriteSize);

    AzBobAlphabet alphabet("font.spx", "font.desc");
    const std::string text(reinterpret_cast<const char*>(description), descriptionSize);
    int32_t x = 600 - alphabet.TextWidth(text);
    for (char character : text)
        x += alphabet.DrawChar(character, x, 400);
    return 0;
}
