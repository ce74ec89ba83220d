// Fixtures of the front-end tests: a media folder, fresh logs, a display without presenter, glyph fixtures.
#pragma once

#include "AzDrawQueue.h"
#include "AzImageLoader.h"
#include "MediaFile.h"
#include "MediaImage.h"
#include "SpxWriter.h"
#include "TempFolder.h"
#include "VlFile.h"
#include "VlLog.h"
#include "lrDisplay.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

class FrontendTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        VlResetPaths();
        VlSetMediaPath(mFolder.File("media"));
        Vl::OpenLogs(mFolder.Path());
        ASSERT_EQ(lrCreateDisplay(640, 480, 8, lrWindowedFlag), 1);
        lrSetColorKey(254);
    }

    void TearDown() override
    {
        gDrawQueue.Clear();
        azLogFileErrors = true;
        lrDestroyDisplay();
        Vl::CloseLogs();
        VlResetPaths();
    }

    void WriteMedia(const std::string& name, const std::vector<uint8_t>& bytes)
    {
        ASSERT_TRUE(mediagen::WriteMediaFile(mFolder.File("media/" + name), bytes));
    }
    void WriteMediaText(const std::string& name, const std::string& text) { mFolder.Write("media/" + name, text); }

    // One frame per width, each a solid block of its own colour (10, 11, ...),
    // so a test can tell the letters apart on screen.
    void WriteGlyphSprite(const std::string& name, const std::vector<int>& widths, int height = 4)
    {
        std::vector<mediagen::SpxFrame> frames;
        for (size_t i = 0; i < widths.size(); ++i) {
            mediagen::IndexedImage image{widths[i], height,
                                         std::vector<uint8_t>(static_cast<size_t>(widths[i] * height),
                                                              static_cast<uint8_t>(10 + i))};
            frames.push_back({image, 0, 0});
        }
        WriteMedia(name, mediagen::EncodeSpx(frames));
    }

    std::string Log() const { return mFolder.Read("azLog.log"); }

    static uint8_t ScreenPixel(int x, int y) { return lrGetBackBuffer()[y * lrGetScreenWidth() + x]; }
    // The first column of row y, from x = 0, that holds the colour; -1 when none.
    static int FirstColumnOf(uint8_t colour, int y)
    {
        for (int x = 0; x < lrGetScreenWidth(); ++x)
            if (ScreenPixel(x, y) == colour)
                return x;
        return -1;
    }

    TempFolder mFolder;
};
