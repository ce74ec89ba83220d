// A media folder and fresh logs per test, a display without presenter, and fixture helpers.
#pragma once

#include "AzCollide.h"
#include "AzDrawQueue.h"
#include "AzImageLoader.h"
#include "MediaFile.h"
#include "MediaImage.h"
#include "TempFolder.h"
#include "VlFile.h"
#include "VlLog.h"
#include "lrDisplay.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

using Bytes = std::vector<uint8_t>;

class SpriteTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        VlResetPaths();
        VlSetMediaPath(mFolder.File("media"));
        Vl::OpenLogs(mFolder.Path());
    }

    void TearDown() override
    {
        gDrawQueue.Clear();
        gCollisionRectImage = nullptr;
        azLogFileErrors = true;
        lrDestroyDisplay();
        Vl::CloseLogs();
        VlResetPaths();
    }

    void WriteMedia(const std::string& name, const Bytes& bytes)
    {
        ASSERT_TRUE(mediagen::WriteMediaFile(mFolder.File("media/" + name), bytes));
    }

    std::string Log() const { return mFolder.Read("azLog.log"); }

    // Each file, written as "bad" + its index + extension, loads as null with the
    // loader's returning-NULL line.
    template <typename Loader>
    void ExpectEachRefused(const std::vector<Bytes>& files, const std::string& extension, Loader load,
                           const std::string& returningNull)
    {
        for (size_t i = 0; i < files.size(); ++i) {
            const std::string name = "bad" + std::to_string(i) + extension;
            WriteMedia(name, files[i]);
            EXPECT_EQ(load(name), nullptr) << name;
            EXPECT_NE(Log().find(returningNull + name + "\n"), std::string::npos) << name;
        }
    }

    // A 640 x 480 display cleared to 255, drawing with key 254 as the game does.
    static void OpenDisplay()
    {
        ASSERT_EQ(lrCreateDisplay(640, 480, 8, lrWindowedFlag), 1);
        lrSetColorKey(254);
    }

    static uint8_t ScreenPixel(int x, int y) { return lrGetBackBuffer()[y * lrGetScreenWidth() + x]; }

    static mediagen::IndexedImage Picture(int width, int height, uint8_t first = 1)
    {
        mediagen::IndexedImage image{width, height, {}};
        for (int i = 0; i < width * height; ++i) image.pixels.push_back(static_cast<uint8_t>(first + i));
        return image;
    }

    static mediagen::IndexedImage Filled(int width, int height, uint8_t index)
    {
        return {width, height, std::vector<uint8_t>(static_cast<size_t>(width) * height, index)};
    }

    static mediagen::Palette Ramp()
    {
        mediagen::Palette palette{};
        for (int i = 0; i < 256; ++i)
            palette[i] = {static_cast<uint8_t>(i), static_cast<uint8_t>(255 - i), static_cast<uint8_t>(i / 2)};
        return palette;
    }

    static void PutU32(Bytes& bytes, size_t at, uint32_t value)
    {
        for (int i = 0; i < 4; ++i) bytes[at + i] = static_cast<uint8_t>(value >> (8 * i));
    }

    TempFolder mFolder;
};
