// The game's linear congruential generator.
#include "GlRandom.h"

namespace {
uint32_t gRandomState = 1;
}

int32_t GlRandom()
{
    gRandomState = gRandomState * 214013u + 2531011u;
    return static_cast<int32_t>((gRandomState >> 16) & 0x7FFF);
}

int32_t GlRandomMod(int32_t n)
{
    int32_t draw = GlRandom();
    return n > 0 ? draw % n : 0;
}

void GlResetRandom()
{
    gRandomState = 1;
}
