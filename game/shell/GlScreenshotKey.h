// The screenshot key: Print Screen or F10 saves the frame as an indexed PNG in the player's pictures folder.
#pragma once

#include <cstdint>
#include <ctime>
#include <string>

namespace Vl {
class Sound;
}

class GlScreenshotKey {
public:
    GlScreenshotKey() = default;
    ~GlScreenshotKey();
    GlScreenshotKey(const GlScreenshotKey&) = delete;
    GlScreenshotKey& operator=(const GlScreenshotKey&) = delete;

    // Loads the shutter click from the media; a missing sound only makes the key silent.
    void Load();
    void Release();

    // Once a frame, between drawing and presenting: a new press of either
    // key saves the back buffer with the palette and plays the click.
    void RunFrame();

    // Where pictures go; the player's pictures folder unless set (tests).
    void SetFolder(std::string folder);
    // The file of the last picture saved, empty before the first.
    const std::string& LastSaved() const;

    // "skyrun-YYYYMMDD-HHMMSS.png" for a local time.
    static std::string FileNameFor(std::time_t when);
    // An 8-bit indexed PNG with the 256-entry palette (red, green, blue, flags
    // a colour); false when the file cannot be written.
    static bool SaveIndexedPng(const std::string& path, const uint8_t* pixels, int width, int height,
                               const uint8_t* palette);

private:
    bool Save();

    Vl::Sound* mClick = nullptr;
    bool mWasDown = false;
    std::string mFolder;
    std::string mLastSaved;
};
