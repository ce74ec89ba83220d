// What shows the back buffer to the player: an SDL window, or a headless frame store.
#pragma once

#include <cstdint>

class lrPresenter {
public:
    virtual ~lrPresenter() = default;
    // window is the handle given to lrSetWindow (may be null headless).
    virtual bool Open(void* window, int width, int height, bool windowed) = 0;
    // pixels: width x height palette indices, pitch = width; palette: 256 x (red, green, blue, flags).
    virtual void Present(const uint8_t* pixels, int width, int height, const uint8_t* palette) = 0;
    virtual void Close() = 0;
};

// The display presents through this object; null presents nothing.
void lrSetPresenter(lrPresenter* presenter);
lrPresenter* lrGetPresenter();
