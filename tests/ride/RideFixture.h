// A sleigh ride on small hand-made media: known picture sizes, settings from a file, fresh shared state.
#pragma once

#include "ScreenFixture.h"
#include "ScreenSteps.h"

#include "GlRandom.h"
#include "GlSettings.h"
#include "GlSkyRun.h"
#include "VlKeys.h"

#include <string>
#include <vector>

class RideFixture : public ScreenFixture {
protected:
    // Far pictures: b_0 is 40 wide, b_1 60 wide; both 100 high.
    static constexpr int kNarrow = 40;
    static constexpr int kWide = 60;
    static constexpr int kHouseWidth = 80;
    static constexpr int kHouseHeight = 120;

    void SetUp() override
    {
        ScreenFixture::SetUp();
        GlResetRandom();
        ResetSettings();
        GlSkyRun::ResetSharedState();
        WriteBitmap("act2/cities/b_0.bmp", kNarrow, 100, 3);
        WriteBitmap("act2/cities/b_1.bmp", kWide, 100, 4);
        WriteBitmap("act2/cities/t_0.bmp", 30, 50, 5);
        WriteBitmap("act2/cities/sky_1.bmp", 640, 480, 6);
        WriteBitmap("act2/cities/lm_1.bmp", 100, 80, 7);
        WriteBitmap("act2/cities/cloud_0a.bmp", 120, 50, 8);
        WriteBitmap("act2/cities/cloud_0b.bmp", 120, 50, 9);
        WriteBitmap("act2/kids/circle.bmp", 190, 190, 10);
        WriteBitmap("dmeter.bmp", 160, 18, 11);
        WriteBitmap("damcap.bmp", 12, 18, 12);
        WriteSprite("act2/cities/h_0.spx", 2, kHouseWidth, kHouseHeight, 20);
        WriteSprite("act2/kids/child_1.spx", 2, 100, 140, 30);
        WriteSprite("act2/spx/sleigh01.spx", 3, 60, 40, 40);
        WriteSprite("act2/spx/sleigh02.spx", 4, 80, 60, 50);
        WriteSprite("act2/spx/sleigh03.spx", 4, 40, 30, 60);
        WriteSprite("act2/spx/sleigh04.spx", 9, 40, 50, 70);
        WriteSprite("act2/spx/present.spx", 1, 20, 20, 80);
        WriteSprite("act2/spx/penguinflyer.spx", 10, 60, 60, 90);
        WriteSprite("act2/spx/snowball02.spx", 4, 32, 32, 100);
        WriteSprite("act2/spx/frostine003.spx", 6, 80, 60, 110);
        WriteSprite("act2/spx/frostine004.spx", 6, 90, 40, 120);
        WriteStormCloud();
    }

    void TearDown() override
    {
        ResetSettings();
        ScreenFixture::TearDown();
    }

    // Frames 0..6 are 80 x 50, the zap frames 7..10 116 x 98.
    void WriteStormCloud()
    {
        std::vector<mediagen::SpxFrame> frames;
        for (int i = 0; i < 11; ++i) {
            const int w = i >= 7 ? 116 : 80, h = i >= 7 ? 98 : 50;
            frames.push_back({mediagen::IndexedImage{w, h, std::vector<uint8_t>(static_cast<size_t>(w * h),
                                                                                 static_cast<uint8_t>(130 + i))},
                              i >= 7 ? 0 : 18, i >= 7 ? 0 : 24});
        }
        WriteMedia("act2/spx/stormcloud.spx", mediagen::EncodeSpx(frames));
    }

    // Settings as a gl.config of these lines would give.
    void UseSettings(const std::string& lines)
    {
        mFolder.Write("ride.config", lines);
        ASSERT_TRUE(LoadSettings(mFolder.File("ride.config")));
    }

    void WriteCity(int number, const std::string& text) { mFolder.Write("media/act2/config/city_" + std::to_string(number) + ".txt", text); }

    // n far buildings "b 0 10" (each 40 wide with a gap of 10), then the given rest.
    static std::string FarRow(int n, const std::string& rest = std::string())
    {
        std::string text = "sky 1 landmark 1 100 child 1 36 318 cloud 0 house 0\n";
        for (int i = 0; i < n; ++i)
            text += "b 0 10\n";
        return text + rest;
    }

    // Loads a ride over city 1 with gifts on board.
    GlSkyRun* StartRide(int gifts = 3)
    {
        CurrentPlayer().chosenCityNumber = 1;
        CurrentPlayer().giftCount = gifts;
        auto* ride = new GlSkyRun();
        Start(ride);
        return ride;
    }

    // Frame steps lag one frame behind the first present: two frames make them regular.
    void WarmUp(uint32_t ms)
    {
        Frame(ms);
        Frame(ms);
    }

    void Hold(std::initializer_list<int> keys, bool down)
    {
        for (int key : keys)
            mKeys.SetDown(key, down);
    }
};
