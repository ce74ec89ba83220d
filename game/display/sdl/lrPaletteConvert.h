// The present path's pixel work: 8-bit palette indices to 32-bit ARGB through a palette.
#pragma once

#include <cstdint>

// palette: 256 x (red, green, blue, flags). colors receives 256 opaque ARGB values.
void lrBuildArgbColors(const uint8_t* palette, uint32_t colors[256]);

// Converts width x height indices (pitch = width) into target rows of
// targetPitch bytes.
void lrConvertToArgb(const uint8_t* pixels, int width, int height, const uint32_t colors[256], void* target,
                     int targetPitch);
