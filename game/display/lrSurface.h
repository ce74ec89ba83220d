// A graphic: one off-screen 8-bit picture held as a plain byte array.
#pragma once

#include <cstdint>
#include <vector>

struct lrSurface {
    int width = 0;
    int height = 0;
    std::vector<uint8_t> pixels; // width x height palette indices, pitch = width
};
