// Shared by the fuzz targets that draw what they read: the game's display, made once per process.
#pragma once

#include "lrDisplay.h"

namespace fuzzmedia {

inline void OpenDisplayOnce()
{
    static const bool opened = [] {
        lrCreateDisplay(640, 480, 8, lrWindowedFlag);
        lrSetColorKey(254);
        return true;
    }();
    (void)opened;
}

} // namespace fuzzmedia
