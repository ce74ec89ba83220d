// Saving the current frame as a paletted PNG when the player presses Print Screen or F10.
#include "GlScreenshotKey.h"

#include "GlFrameTiming.h"
#include "GlScreenState.h"

#include "UserDataFolder.h"
#include "VlChannelPack.h"
#include "VlKeys.h"
#include "VlLog.h"
#include "VlSound.h"
#include "lrDisplay.h"

#include <png.h>

#include <cstdio>
#include <cstring>
#include <filesystem>
#include <system_error>
#include <vector>

namespace {

constexpr const char* kClickSound = "waves\\shutter.wav";

} // namespace

GlScreenshotKey::~GlScreenshotKey()
{
    Release();
}

void GlScreenshotKey::Load()
{
    Release();
    Vlu::SoundCreateAndLoad(&mClick, kClickSound);
}

void GlScreenshotKey::Release()
{
    if (mClick)
        mClick->Release();
    mClick = nullptr;
}

void GlScreenshotKey::SetFolder(std::string folder)
{
    mFolder = std::move(folder);
}

const std::string& GlScreenshotKey::LastSaved() const
{
    return mLastSaved;
}

void GlScreenshotKey::RunFrame()
{
    const bool down = IsKeyDown(Vl::kVK_Snapshot) || IsKeyDown(Vl::kVK_F10);
    const bool pressed = down && !mWasDown;
    mWasDown = down;
    if (!pressed || !Save())
        return;
    if (gChannelPack && mClick)
        gChannelPack->Play(mClick, 0, false, false);
}

bool GlScreenshotKey::Save()
{
    const uint8_t* pixels = lrGetBackBuffer();
    const uint8_t* palette = lrGetPaletteCopy();
    if (!pixels || !palette)
        return false;
    const std::string folder = mFolder.empty() ? userdata::PicturesFolder() : mFolder;
    std::error_code error;
    std::filesystem::create_directories(folder, error);
    const std::string name = FileNameFor(std::time(nullptr));
    std::string path = folder + "/" + name;
    // Two pictures in one second get a number rather than overwriting each other.
    for (int copy = 2; std::filesystem::exists(path, error) && copy < 100; ++copy)
        path = folder + "/" + name.substr(0, name.size() - 4) + "-" + std::to_string(copy) + ".png";
    if (!SaveIndexedPng(path, pixels, lrGetScreenWidth(), lrGetScreenHeight(), palette)) {
        azLog() << "GlScreenshotKey::Save - could not write " << path << "\n" << std::flush;
        return false;
    }
    azLog() << "GlScreenshotKey::Save - " << path << "\n" << std::flush;
    mLastSaved = path;
    return true;
}

std::string GlScreenshotKey::FileNameFor(std::time_t when)
{
    std::tm local{};
    localtime_r(&when, &local);
    char name[64];
    std::strftime(name, sizeof name, "skyrun-%Y%m%d-%H%M%S.png", &local);
    return name;
}

bool GlScreenshotKey::SaveIndexedPng(const std::string& path, const uint8_t* pixels, int width, int height,
                                     const uint8_t* palette)
{
    if (!pixels || !palette || width <= 0 || height <= 0)
        return false;
    png_image image;
    std::memset(&image, 0, sizeof image);
    image.version = PNG_IMAGE_VERSION;
    image.width = static_cast<png_uint_32>(width);
    image.height = static_cast<png_uint_32>(height);
    image.format = PNG_FORMAT_RGB_COLORMAP;
    image.colormap_entries = 256;
    std::vector<uint8_t> colormap(256 * 3);
    for (int i = 0; i < 256; ++i) {
        colormap[i * 3] = palette[i * 4];
        colormap[i * 3 + 1] = palette[i * 4 + 1];
        colormap[i * 3 + 2] = palette[i * 4 + 2];
    }
    // Written beside and renamed, so a full disk never leaves half a picture.
    const std::string temporary = path + ".part";
    if (!png_image_write_to_file(&image, temporary.c_str(), 0, pixels, width, colormap.data())) {
        std::remove(temporary.c_str());
        return false;
    }
    return std::rename(temporary.c_str(), path.c_str()) == 0;
}
