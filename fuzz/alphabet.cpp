// Feeds arbitrary bytes to a bitmap alphabet: a description line and the sprite file it describes.
#include "AzBobAlphabet.h"
#include "display.h"
#include "mediafolder.h"

#include <string>

// Input: one byte giving the description's length, the description, then the sprite file.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size < 1) return 0;
    size_t descriptionSize = data[0];
    if (descriptionSize > size - 1) descriptionSize = size - 1;
    const uint8_t* description = data + 1;
    const uint8_t* sprite = description + descriptionSize;
    const size_t spriteSize = size - 1 - descriptionSize;

    fuzzmedia::OpenDisplayOnce();
    fuzzmedia::WriteFile("font.desc", description, descriptionSize);
    fuzzmedia::WriteFile("font.spx", sprite, spriteSize);

    AzBobAlphabet alphabet("font.spx", "font.desc");
    const std::string text(reinterpret_cast<const char*>(description), descriptionSize);
    int32_t x = 600 - alphabet.TextWidth(text);
    for (char character : text)
        x += alphabet.DrawChar(character, x, 400);
    return 0;
}
