// Frame timing and key helpers: every object of one frame moves by the same step.
#pragma once

#include <cstdint>

// Time between the last two distinct frame times in units of 1/rate second;
// 0.0 on the first call; with clamp, never above 1.0.
float FrameStep(int32_t rate, bool clamp);
// The same with its own state, the interval limited to 100 ms, so a long
// pause (a load, a hold) never turns into a jump.
float FrameStepClamped(int32_t rate);
// ((frame time - start) / (1000 / fps)) mod count, integer divisions.
int32_t AnimFrameIndex(int32_t count, int32_t framesPerSecond, uint32_t startTime);
// The key is down at this moment (virtual-key codes of VlKeys.h).
bool IsKeyDown(int virtualKey);

// Forgets the previous frame times of both step helpers (tests, new games in one process).
void GlResetFrameTiming();
