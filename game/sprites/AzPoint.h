// A screen position in pixels: x to the right, y downwards.
#pragma once

#include <cstdint>

namespace az {

// Positions come from files (path points, tile places) and may sit at the ends of the
// 32-bit range. Sums and differences wrap around as on the 32-bit machines the layouts
// were made for, so a frame placed by its offset from point 0 lands on its own point
// again, and nothing overflows into undefined behaviour.
inline int32_t WrapAdd(int32_t a, int32_t b)
{
    return static_cast<int32_t>(static_cast<uint32_t>(a) + static_cast<uint32_t>(b));
}

inline int32_t WrapSub(int32_t a, int32_t b)
{
    return static_cast<int32_t>(static_cast<uint32_t>(a) - static_cast<uint32_t>(b));
}

} // namespace az

struct AzPoint {
    int32_t x = 0;
    int32_t y = 0;
};

inline AzPoint operator+(AzPoint a, AzPoint b) { return {az::WrapAdd(a.x, b.x), az::WrapAdd(a.y, b.y)}; }
inline bool operator==(AzPoint a, AzPoint b) { return a.x == b.x && a.y == b.y; }
