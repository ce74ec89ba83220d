// The SDL presenter on SDL's dummy video driver with the software renderer, read back exactly.
#include "DisplayFixture.h"
#include "lrSdlPresenter.h"

#include <SDL.h>

#include <cstdlib>
#include <vector>

namespace {

class SdlPresenterTest : public DisplayFixture {
protected:
    void SetUp() override
    {
        DisplayFixture::SetUp();
        setenv("SDL_VIDEODRIVER", "dummy", 1);
        SDL_SetHint(SDL_HINT_RENDER_DRIVER, "software");
        if (SDL_InitSubSystem(SDL_INIT_VIDEO) != 0)
            GTEST_SKIP() << "no video driver: " << SDL_GetError();
        videoStarted = true;
        window = SDL_CreateWindow("test", 0, 0, 320, 200, SDL_WINDOW_HIDDEN | SDL_WINDOW_RESIZABLE);
        if (!window)
            GTEST_SKIP() << "no window: " << SDL_GetError();
        lrSetWindow(window);
        lrSetPresenter(&presenter);
    }

    void TearDown() override
    {
        DisplayFixture::TearDown();
        if (window)
            SDL_DestroyWindow(window);
        if (videoStarted)
            SDL_QuitSubSystem(SDL_INIT_VIDEO);
    }

    // Indices: left half 1, right half 2, one pixel of 3 at (100, 50); palette entries given.
    void PresentTwoHalves()
    {
        std::vector<uint8_t> entries(1024, 0);
        entries[1 * 4 + 0] = 200;
        entries[2 * 4 + 1] = 150;
        entries[3 * 4 + 2] = 255;
        lrSetPalette(entries.data(), 256, 0);

        std::vector<uint8_t> pixels(640 * 480);
        for (int y = 0; y < 480; ++y)
            for (int x = 0; x < 640; ++x)
                pixels[y * 640 + x] = x < 320 ? 1 : 2;
        pixels[50 * 640 + 100] = 3;
        lrGraphic graphic = nullptr;
        ASSERT_EQ(lrCreateGraphic(&graphic, 640, 480, 0), 1);
        lrCopyToGraphic(graphic, 0, 0, pixels.data(), 640, 480, 640);
        lrBlitGraphic(graphic, 0, 0, 640, 480, 0, 0);
        lrDestroyGraphic(graphic);
        lrFlip();
    }

    std::vector<uint32_t> ReadWindow(int& width, int& height)
    {
        SDL_GetWindowSize(window, &width, &height);
        std::vector<uint32_t> pixels(static_cast<size_t>(width) * height);
        SDL_Renderer* renderer = SDL_GetRenderer(window);
        SDL_Rect all = {0, 0, width, height};
        SDL_RenderSetLogicalSize(renderer, 0, 0); // read window pixels, not logical ones
        EXPECT_EQ(SDL_RenderReadPixels(renderer, &all, SDL_PIXELFORMAT_ARGB8888, pixels.data(), width * 4), 0)
            << SDL_GetError();
        SDL_RenderSetLogicalSize(renderer, 640, 480);
        return pixels;
    }

    SDL_Window* window = nullptr;
    bool videoStarted = false;
    lrSdlPresenter presenter;
};

TEST_F(SdlPresenterTest, PresentedPixelsAreThePaletteColours)
{
    ASSERT_EQ(lrCreateDisplay(640, 480, 8, lrWindowedFlag), 1);
    EXPECT_TRUE(SDL_GetWindowFlags(window) & SDL_WINDOW_SHOWN);
    EXPECT_EQ(SDL_ShowCursor(SDL_QUERY), SDL_DISABLE);
    PresentTwoHalves();

    int width = 0, height = 0;
    std::vector<uint32_t> pixels = ReadWindow(width, height);
    ASSERT_EQ(width, 640);
    ASSERT_EQ(height, 480);
    EXPECT_EQ(pixels[10 * 640 + 10] & 0xFFFFFF, 0xC80000u);
    EXPECT_EQ(pixels[470 * 640 + 630] & 0xFFFFFF, 0x009600u);
    EXPECT_EQ(pixels[50 * 640 + 100] & 0xFFFFFF, 0x0000FFu);

    lrDestroyDisplay();
    EXPECT_EQ(SDL_ShowCursor(SDL_QUERY), SDL_ENABLE);
}

TEST_F(SdlPresenterTest, AWiderWindowLetterboxesTheFrame)
{
    ASSERT_EQ(lrCreateDisplay(640, 480, 8, lrWindowedFlag), 1);
    SDL_SetWindowSize(window, 1280, 480);
    PresentTwoHalves();

    int width = 0, height = 0;
    std::vector<uint32_t> pixels = ReadWindow(width, height);
    ASSERT_EQ(width, 1280);
    // Same height, so scale 1 centred: black bars of 320 pixels on either side.
    EXPECT_EQ(pixels[240 * 1280 + 100] & 0xFFFFFF, 0u);
    EXPECT_EQ(pixels[240 * 1280 + 1200] & 0xFFFFFF, 0u);
    EXPECT_EQ(pixels[240 * 1280 + 330] & 0xFFFFFF, 0xC80000u);
    EXPECT_EQ(pixels[240 * 1280 + 950] & 0xFFFFFF, 0x009600u);
}

TEST_F(SdlPresenterTest, OpenFailsCleanlyWithoutAWindow)
{
    lrSetWindow(nullptr);
    EXPECT_EQ(lrCreateDisplay(640, 480, 8, lrWindowedFlag), 0);
    EXPECT_EQ(lrGetLastError(), lrErrDevice);
    lrSdlPresenter unused;
    EXPECT_FALSE(unused.Open(window, 0, 0, true));
}

} // namespace
