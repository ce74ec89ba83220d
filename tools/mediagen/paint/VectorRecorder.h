// Records what the art kit draws with cairo as outlines and colours, for the metafile writers.
#pragma once

#include "VectorPicture.h"

#include <cairo.h>

#include <string>

namespace mediagen {

// Draw on Cr() exactly as on a Canvas; Finish() turns the drawing into a VectorPicture.
// Blends become clipped bands; soft glows and see-through paint (under half opacity) are left
// out, as the metafile formats have no transparency.
class VectorRecorder {
public:
    VectorRecorder(int width, int height);
    ~VectorRecorder();
    VectorRecorder(const VectorRecorder&) = delete;
    VectorRecorder& operator=(const VectorRecorder&) = delete;

    cairo_t* Cr() const { return mCr; }
    VectorPicture Finish();

private:
    int mWidth;
    int mHeight;
    std::string mScript;
    cairo_device_t* mDevice = nullptr;
    cairo_surface_t* mSurface = nullptr;
    cairo_t* mCr = nullptr;
};

// The operations of a cairo script (as cairo's script surface writes it) as a picture.
VectorPicture PictureFromCairoScript(const std::string& script, int width, int height);

} // namespace mediagen
