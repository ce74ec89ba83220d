// Feeds arbitrary bytes as a sprite file through the loader's own file path and builds the bob sprite from it.
#include "AzBobSprite.h"
#include "AzLoaders.h"
#include "display.h"
#include "mediafolder.h"

#include <memory>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    fuzzmedia::OpenDisplayOnce();
    fuzzmedia::WriteFile("input.spx", data, size);
    std::unique_ptr<AzBobSprite> sprite(az::LoadBobSprite("input.spx"));
    if (!sprite)
        return 0;
    for (int32_t frame = 0; frame < sprite->GetFrameCount() && frame < 8; ++frame) {
        sprite->DrawFrame(frame);
        sprite->DrawFrame(frame, 320, 240);
    }
    return 0;
}
