// The headless presenter: frames through the palette, counting, PNG and BMP files.
#include "DisplayFixture.h"
#include "lrHeadlessPresenter.h"

#include <cairo.h>

#include <fstream>
#include <iterator>
#include <vector>

namespace {

class HeadlessPresenterTest : public DisplayFixture {
protected:
    void SetUp() override
    {
        DisplayFixture::SetUp();
        lrSetPresenter(&presenter);
        CreateScreen(0);
        std::vector<uint8_t> entries(1024, 0);
        SetEntry(entries, 3, 0x12, 0x34, 0x56);
        SetEntry(entries, 255, 0xFF, 0x80, 0x00);
        lrSetPalette(entries.data(), 256, 0);
    }

    // Index 3 in a 2 x 2 block at (5, 7) of a frame otherwise cleared to 255.
    void PresentMarkedFrame()
    {
        lrGraphic graphic = nullptr;
        ASSERT_EQ(lrCreateGraphic(&graphic, 2, 2, 0), 1);
        const uint8_t block[4] = {3, 3, 3, 3};
        lrCopyToGraphic(graphic, 0, 0, block, 2, 2, 2);
        lrBlitGraphic(graphic, 0, 0, 2, 2, 5, 7);
        lrDestroyGraphic(graphic);
        lrFlip();
    }

    lrHeadlessPresenter presenter;
};

TEST_F(HeadlessPresenterTest, KeepsTheLastFrameAsRgbAndCountsPresents)
{
    EXPECT_FALSE(presenter.IsWindowed());
    std::vector<int> seen;
    presenter.SetFrameCallback([&](int frameIndex) { seen.push_back(frameIndex); });
    PresentMarkedFrame();
    EXPECT_EQ(presenter.FramePixel(5, 7), 0x123456u);
    EXPECT_EQ(presenter.FramePixel(4, 7), 0xFF8000u);
    lrFlip();
    EXPECT_EQ(presenter.FramePixel(5, 7), 0xFF8000u);
    EXPECT_EQ(presenter.PresentCount(), 2);
    EXPECT_EQ(seen, (std::vector<int>{0, 1}));
    EXPECT_EQ(presenter.FrameWidth(), 640);

    lrDestroyDisplay();
    EXPECT_FALSE(presenter.IsOpen());
}

TEST_F(HeadlessPresenterTest, SavedPngAndBmpHoldTheFramePixels)
{
    EXPECT_FALSE(presenter.SaveFramePng("never.png"));
    PresentMarkedFrame();
    ASSERT_TRUE(presenter.SaveFramePng("headless_frame.png"));
    EXPECT_FALSE(presenter.SaveFramePng("no/such/folder/frame.png"));

    cairo_surface_t* image = cairo_image_surface_create_from_png("headless_frame.png");
    ASSERT_EQ(cairo_surface_status(image), CAIRO_STATUS_SUCCESS);
    ASSERT_EQ(cairo_image_surface_get_width(image), 640);
    ASSERT_EQ(cairo_image_surface_get_height(image), 480);
    const uint8_t* data = cairo_image_surface_get_data(image);
    int stride = cairo_image_surface_get_stride(image);
    auto pixel = [&](int x, int y) { return *reinterpret_cast<const uint32_t*>(data + y * stride + x * 4) & 0xFFFFFFu; };
    EXPECT_EQ(pixel(5, 7), 0x123456u);
    EXPECT_EQ(pixel(6, 8), 0x123456u);
    EXPECT_EQ(pixel(7, 8), 0xFF8000u);
    EXPECT_EQ(pixel(639, 479), 0xFF8000u);
    cairo_surface_destroy(image);

    // BMP rows run bottom-up, pixels blue, green, red.
    ASSERT_TRUE(presenter.SaveFrameBmp("headless_frame.bmp"));
    std::ifstream in("headless_frame.bmp", std::ios::binary);
    std::vector<uint8_t> file((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    ASSERT_EQ(file.size(), 54u + 640u * 3u * 480u);
    size_t at = 54 + (480 - 1 - 7) * 640 * 3 + 5 * 3;
    EXPECT_EQ(file[at], 0x56);
    EXPECT_EQ(file[at + 1], 0x34);
    EXPECT_EQ(file[at + 2], 0x12);
}

} // namespace
