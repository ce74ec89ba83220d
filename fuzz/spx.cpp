// Feeds arbitrary bytes to the sprite file decoder and builds bobs from what it accepts.
#include "AzBobSprite.h"
#include "AzMemorySprite.h"
#include "AzSpriteLoader.h"
#include "display.h"

#include <memory>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    std::unique_ptr<AzMemorySprite> memory(AzSpriteLoader::GetSPXFromMemory(data, size));
    if (!memory) return 0;
    // The frames go into real graphics, as in the game.
    fuzzmedia::OpenDisplayOnce();
    AzBobSprite sprite;
    sprite.SetFromMemorySprite(*memory);
    sprite.DrawFrame(0);
    return 0;
}
