// The game's one random generator: state 1 at start, never reseeded, so runs repeat exactly.
#pragma once

#include <cstdint>

// state = state * 214013 + 2531011 (mod 2^32); answers (state >> 16) & 0x7FFF.
int32_t GlRandom();
// A chance in the acts: one fresh draw mod n.
int32_t GlRandomMod(int32_t n);
// Back to state 1: a fresh process, for tests and the playtest tool.
void GlResetRandom();
