// An RGBA drawing surface of any size: cairo underneath, readable pixel by pixel.
#pragma once

#include "MediaImage.h"

#include <cairo.h>

#include <cstdint>
#include <string>

namespace mediagen {

struct Rgba {
    uint8_t r, g, b, a;
};

class Canvas {
public:
    // Starts fully transparent.
    Canvas(int width, int height);
    ~Canvas();
    Canvas(Canvas&& other) noexcept;
    Canvas& operator=(Canvas&& other) noexcept;
    Canvas(const Canvas&) = delete;
    Canvas& operator=(const Canvas&) = delete;

    int Width() const { return mWidth; }
    int Height() const { return mHeight; }
    cairo_t* Cr() const { return mCr; }
    cairo_surface_t* Surface() const { return mSurface; }

    // Colour without premultiplication; (0,0,0,0) outside the canvas.
    Rgba Pixel(int x, int y) const;
    void Clear();
    void Fill(Rgb colour);
    // Draws `other` with its top-left corner at (x, y).
    void Paste(const Canvas& other, double x, double y);
    bool SavePng(const std::string& path) const;

private:
    int mWidth = 0;
    int mHeight = 0;
    cairo_surface_t* mSurface = nullptr;
    cairo_t* mCr = nullptr;
};

} // namespace mediagen
