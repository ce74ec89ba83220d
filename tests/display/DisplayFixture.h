// Puts the display in a known state for each test and captures its debugger output.
#pragma once

#include "VirtualClock.h"
#include "VlHost.h"
#include "lrDisplay.h"
#include "lrPresenter.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

inline std::string& CapturedDebugText()
{
    static std::string text;
    return text;
}

inline void CaptureDebugText(const char* text)
{
    CapturedDebugText() += text;
}

class DisplayFixture : public ::testing::Test {
protected:
    void SetUp() override
    {
        lrDestroyDisplay();
        lrSetPresenter(nullptr);
        lrSetWindow(nullptr);
        Vl::Host host;
        host.clock = &mClock;
        Vl::SetHost(host);
        lrSetDebugSink(CaptureDebugText);
        while (lrGetLastError() != 0) {
        }
        lrSetColorKey(254);
        CapturedDebugText().clear();
    }

    void TearDown() override
    {
        lrDestroyDisplay();
        lrSetPresenter(nullptr);
        lrSetDebugSink(nullptr);
        Vl::SetHost(Vl::Host{});
    }

    // A 640 x 480 windowed display drawing into memory only.
    void CreateScreen(int flags = lrWindowedFlag)
    {
        ASSERT_EQ(lrCreateDisplay(640, 480, 8, flags), 1);
        CapturedDebugText().clear();
    }

    // Sets one entry of a 256-entry palette table (red, green, blue, flags).
    static void SetEntry(std::vector<uint8_t>& entries, int index, uint8_t r, uint8_t g, uint8_t b)
    {
        entries[index * 4] = r;
        entries[index * 4 + 1] = g;
        entries[index * 4 + 2] = b;
    }

    uint8_t ScreenAt(int x, int y) const
    {
        return lrGetBackBuffer()[y * lrGetScreenWidth() + x];
    }

    // A graphic whose pixel (x, y) holds (x + 16 * y) mod 253, so no pixel is 254 or 255.
    lrGraphic MakePatternGraphic(int width, int height)
    {
        lrGraphic graphic = nullptr;
        EXPECT_EQ(lrCreateGraphic(&graphic, width, height, 0), 1);
        std::vector<uint8_t> pixels(static_cast<size_t>(width) * height);
        for (int y = 0; y < height; ++y)
            for (int x = 0; x < width; ++x)
                pixels[y * width + x] = static_cast<uint8_t>((x + 16 * y) % 253);
        EXPECT_EQ(lrCopyToGraphic(graphic, 0, 0, pixels.data(), width, height, width), 1);
        return graphic;
    }

    Vl::VirtualClock mClock{1000};
};
