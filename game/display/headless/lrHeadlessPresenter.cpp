// The headless presenter: frames converted through the palette and kept for tests and tools.
#include "lrHeadlessPresenter.h"

#include <cairo.h>

#include <cstdio>
#include <cstring>
#include <utility>

namespace {

void PutLittleEndian(uint8_t* at, uint32_t value, int bytes)
{
    for (int i = 0; i < bytes; ++i)
        at[i] = static_cast<uint8_t>(value >> (8 * i));
}

} // namespace

bool lrHeadlessPresenter::Open(void* window, int width, int height, bool windowed)
{
    mOpen = true;
    mWindowed = windowed;
    return true;
}

void lrHeadlessPresenter::Present(const uint8_t* pixels, int width, int height, const uint8_t* palette)
{
    if (!pixels || !palette || width <= 0 || height <= 0)
        return;
    uint32_t colors[256];
    for (int i = 0; i < 256; ++i)
        colors[i] = (uint32_t(palette[i * 4]) << 16) | (uint32_t(palette[i * 4 + 1]) << 8) | palette[i * 4 + 2];

    mFrameWidth = width;
    mFrameHeight = height;
    mFrame.resize(static_cast<size_t>(width) * static_cast<size_t>(height));
    for (size_t i = 0; i < mFrame.size(); ++i)
        mFrame[i] = colors[pixels[i]];

    int frameIndex = mPresentCount++;
    if (mFrameCallback)
        mFrameCallback(frameIndex);
}

void lrHeadlessPresenter::Close()
{
    mOpen = false;
}

void lrHeadlessPresenter::SetFrameCallback(FrameCallback callback)
{
    mFrameCallback = std::move(callback);
}

bool lrHeadlessPresenter::IsOpen() const
{
    return mOpen;
}

bool lrHeadlessPresenter::IsWindowed() const
{
    return mWindowed;
}

int lrHeadlessPresenter::PresentCount() const
{
    return mPresentCount;
}

bool lrHeadlessPresenter::HasFrame() const
{
    return !mFrame.empty();
}

int lrHeadlessPresenter::FrameWidth() const
{
    return mFrameWidth;
}

int lrHeadlessPresenter::FrameHeight() const
{
    return mFrameHeight;
}

const std::vector<uint32_t>& lrHeadlessPresenter::Frame() const
{
    return mFrame;
}

uint32_t lrHeadlessPresenter::FramePixel(int x, int y) const
{
    if (x < 0 || y < 0 || x >= mFrameWidth || y >= mFrameHeight)
        return 0;
    return mFrame[static_cast<size_t>(y) * mFrameWidth + x];
}

bool lrHeadlessPresenter::SaveFramePng(const std::string& path) const
{
    if (!HasFrame())
        return false;
    cairo_surface_t* image = cairo_image_surface_create(CAIRO_FORMAT_RGB24, mFrameWidth, mFrameHeight);
    if (cairo_surface_status(image) != CAIRO_STATUS_SUCCESS) {
        cairo_surface_destroy(image);
        return false;
    }
    // RGB24 is one native 32-bit word per pixel, 0x00RRGGBB: the frame's own layout.
    cairo_surface_flush(image);
    uint8_t* data = cairo_image_surface_get_data(image);
    int stride = cairo_image_surface_get_stride(image);
    for (int y = 0; y < mFrameHeight; ++y)
        std::memcpy(data + static_cast<size_t>(y) * stride, &mFrame[static_cast<size_t>(y) * mFrameWidth],
            static_cast<size_t>(mFrameWidth) * 4);
    cairo_surface_mark_dirty(image);
    bool written = cairo_surface_write_to_png(image, path.c_str()) == CAIRO_STATUS_SUCCESS;
    cairo_surface_destroy(image);
    return written;
}

bool lrHeadlessPresenter::SaveFrameBmp(const std::string& path) const
{
    if (!HasFrame())
        return false;
    const int rowBytes = (mFrameWidth * 3 + 3) & ~3;
    const uint32_t imageBytes = static_cast<uint32_t>(rowBytes) * static_cast<uint32_t>(mFrameHeight);
    std::vector<uint8_t> file(54 + static_cast<size_t>(imageBytes), 0);

    file[0] = 'B';
    file[1] = 'M';
    PutLittleEndian(&file[2], 54 + imageBytes, 4);
    PutLittleEndian(&file[10], 54, 4);
    PutLittleEndian(&file[14], 40, 4);
    PutLittleEndian(&file[18], static_cast<uint32_t>(mFrameWidth), 4);
    PutLittleEndian(&file[22], static_cast<uint32_t>(mFrameHeight), 4);
    PutLittleEndian(&file[26], 1, 2);
    PutLittleEndian(&file[28], 24, 2);
    PutLittleEndian(&file[34], imageBytes, 4);
    PutLittleEndian(&file[38], 2835, 4); // 72 dpi
    PutLittleEndian(&file[42], 2835, 4);

    // Rows bottom-up, each pixel blue, green, red.
    for (int y = 0; y < mFrameHeight; ++y) {
        uint8_t* row = &file[54 + static_cast<size_t>(mFrameHeight - 1 - y) * rowBytes];
        for (int x = 0; x < mFrameWidth; ++x) {
            uint32_t pixel = mFrame[static_cast<size_t>(y) * mFrameWidth + x];
            row[x * 3 + 0] = static_cast<uint8_t>(pixel);
            row[x * 3 + 1] = static_cast<uint8_t>(pixel >> 8);
            row[x * 3 + 2] = static_cast<uint8_t>(pixel >> 16);
        }
    }

    std::FILE* out = std::fopen(path.c_str(), "wb");
    if (!out)
        return false;
    bool written = std::fwrite(file.data(), 1, file.size(), out) == file.size();
    written = std::fclose(out) == 0 && written;
    return written;
}
