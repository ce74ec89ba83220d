// Cairo-backed RGBA canvas.
#include "Canvas.h"

#include <algorithm>
#include <stdexcept>
#include <string>
#include <utility>

namespace mediagen {

Canvas::Canvas(int width, int height) : mWidth(width), mHeight(height)
{
    if (width <= 0 || height <= 0 || width > 16384 || height > 16384) {
        throw std::invalid_argument("Canvas: bad size " + std::to_string(width) + "x" + std::to_string(height));
    }
    mSurface = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, width, height);
    mCr = cairo_create(mSurface);
    if (cairo_status(mCr) != CAIRO_STATUS_SUCCESS) throw std::runtime_error("Canvas: cairo failed");
    // Anti-aliasing stays on: the quantizer decides what an edge pixel becomes.
    cairo_set_antialias(mCr, CAIRO_ANTIALIAS_GOOD);
}

Canvas::~Canvas()
{
    if (mCr) cairo_destroy(mCr);
    if (mSurface) cairo_surface_destroy(mSurface);
}

Canvas::Canvas(Canvas&& other) noexcept
    : mWidth(other.mWidth), mHeight(other.mHeight), mSurface(other.mSurface), mCr(other.mCr)
{
    other.mSurface = nullptr;
    other.mCr = nullptr;
}

Canvas& Canvas::operator=(Canvas&& other) noexcept
{
    std::swap(mWidth, other.mWidth);
    std::swap(mHeight, other.mHeight);
    std::swap(mSurface, other.mSurface);
    std::swap(mCr, other.mCr);
    return *this;
}

Rgba Canvas::Pixel(int x, int y) const
{
    if (x < 0 || y < 0 || x >= mWidth || y >= mHeight) return {0, 0, 0, 0};
    cairo_surface_flush(mSurface);
    const unsigned char* data = cairo_image_surface_get_data(mSurface);
    const int stride = cairo_image_surface_get_stride(mSurface);
    uint32_t argb;
    const unsigned char* p = data + y * stride + x * 4;
    argb = uint32_t(p[0]) | uint32_t(p[1]) << 8 | uint32_t(p[2]) << 16 | uint32_t(p[3]) << 24;
    const uint32_t a = argb >> 24;
    if (a == 0) return {0, 0, 0, 0};
    auto un = [a](uint32_t c) { return uint8_t(std::min<uint32_t>(255, (c * 255 + a / 2) / a)); };
    return {un((argb >> 16) & 255), un((argb >> 8) & 255), un(argb & 255), uint8_t(a)};
}

void Canvas::Clear()
{
    cairo_save(mCr);
    cairo_set_operator(mCr, CAIRO_OPERATOR_CLEAR);
    cairo_paint(mCr);
    cairo_restore(mCr);
}

void Canvas::Fill(Rgb colour)
{
    cairo_save(mCr);
    cairo_set_operator(mCr, CAIRO_OPERATOR_SOURCE);
    cairo_set_source_rgb(mCr, colour.r / 255.0, colour.g / 255.0, colour.b / 255.0);
    cairo_paint(mCr);
    cairo_restore(mCr);
}

void Canvas::Paste(const Canvas& other, double x, double y)
{
    cairo_save(mCr);
    cairo_set_source_surface(mCr, other.mSurface, x, y);
    cairo_paint(mCr);
    cairo_restore(mCr);
}

bool Canvas::SavePng(const std::string& path) const
{
    cairo_surface_flush(mSurface);
    return cairo_surface_write_to_png(mSurface, path.c_str()) == CAIRO_STATUS_SUCCESS;
}

} // namespace mediagen
