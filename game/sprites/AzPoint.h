// A screen position in pixels: x to the right, y downwards.
#pragma once

#include <cstdint>

struct AzPoint {
    int32_t x = 0;
    int32_t y = 0;
};

inline AzPoint operator+(AzPoint a, AzPoint b) { return {a.x + b.x, a.y + b.y}; }
inline bool operator==(AzPoint a, AzPoint b) { return a.x == b.x && a.y == b.y; }
