// The display's life, presents, palette answers, error stack and result texts.
#include "DisplayFixture.h"

#include <cstdint>
#include <vector>

namespace {

class RecordingPresenter : public lrPresenter {
public:
    bool Open(void* window, int width, int height, bool windowed) override
    {
        ++opens;
        openedWindow = window;
        openedWindowed = windowed;
        return openAnswer;
    }
    void Present(const uint8_t* pixels, int width, int height, const uint8_t* palette) override
    {
        frame.assign(pixels, pixels + width * height);
        presentedPalette.assign(palette, palette + 1024);
    }
    void Close() override { ++closes; }

    bool openAnswer = true;
    int opens = 0;
    int closes = 0;
    void* openedWindow = nullptr;
    bool openedWindowed = false;
    std::vector<uint8_t> frame;
    std::vector<uint8_t> presentedPalette;
};

class DisplayTest : public DisplayFixture {
protected:
    RecordingPresenter presenter; // outlives TearDown, which closes it
};

TEST_F(DisplayTest, CreationOpensThePresenterAndDestructionClosesIt)
{
    lrSetPresenter(&presenter);
    int window = 0;
    lrSetWindow(&window);

    EXPECT_EQ(lrCreateDisplay(640, 480, 8, 0), 1);
    EXPECT_EQ(CapturedDebugText(), " leanRASTER: Successfully created display.\n");
    EXPECT_EQ(presenter.openedWindow, &window);
    EXPECT_FALSE(presenter.openedWindowed);
    EXPECT_EQ(lrGetScreenWidth(), 640);

    // Creating again replaces the display instead of leaving the first one open.
    EXPECT_EQ(lrCreateDisplay(640, 480, 8, lrWindowedFlag), 1);
    EXPECT_EQ(presenter.closes, 1);
    EXPECT_TRUE(presenter.openedWindowed);

    EXPECT_EQ(lrDestroyDisplay(), 1);
    EXPECT_EQ(presenter.closes, 2);
    EXPECT_EQ(lrGetScreenWidth(), 0);
    EXPECT_EQ(lrDestroyDisplay(), 1);
    EXPECT_EQ(presenter.closes, 2);
}

TEST_F(DisplayTest, FailuresLeaveNoDisplayAndPushTheirCode)
{
    presenter.openAnswer = false;
    lrSetPresenter(&presenter);
    EXPECT_EQ(lrCreateDisplay(640, 480, 8, 0), 0);
    EXPECT_EQ(CapturedDebugText(),
        " leanRASTER: Could not create DirectDraw.\n"
        "####CHECKERROR: DirectDraw support is not possible with the current display driver\n");
    EXPECT_EQ(lrGetLastError(), lrErrDevice);
    EXPECT_EQ(lrGetLastError(), 0);
    EXPECT_EQ(lrGetScreenWidth(), 0);
    EXPECT_EQ(presenter.closes, 0);

    presenter.openAnswer = true;
    CapturedDebugText().clear();
    EXPECT_EQ(lrCreateDisplay(640, 480, 16, 0), 0);
    EXPECT_EQ(CapturedDebugText(),
        " leanRASTER: Could not set display mode.\n"
        "####CHECKERROR: DirectDraw does not support the requested mode\n");
    EXPECT_EQ(lrGetLastError(), lrErrDisplayMode);
    EXPECT_EQ(presenter.closes, 1);

    EXPECT_EQ(lrCreateDisplay(0, 480, 8, lrWindowedFlag), 0);
    EXPECT_EQ(lrGetLastError(), lrErrSurface);
    EXPECT_EQ(lrGetScreenHeight(), 0);
}

TEST_F(DisplayTest, FlipPresentsTheFrameThenClearsAndStampsTheTime)
{
    lrSetPresenter(&presenter);
    CreateScreen(0);

    lrGraphic graphic = MakePatternGraphic(4, 4);
    lrBlitGraphic(graphic, 0, 0, 4, 4, 0, 0);
    mClock.Set(4321);
    EXPECT_EQ(lrFlip(), 1);

    ASSERT_EQ(presenter.frame.size(), 640u * 480u);
    EXPECT_EQ(presenter.frame[640 + 1], 17);
    EXPECT_EQ(presenter.frame[5], lrClearColor);
    EXPECT_EQ(ScreenAt(1, 1), lrClearColor);
    uint32_t flipTime = 0, now = 0;
    EXPECT_EQ(lrGetFlipTime(&flipTime), 1);
    EXPECT_EQ(flipTime, 4321u);
    mClock.Advance(20);
    EXPECT_EQ(lrGetTime(&now), 1);
    EXPECT_EQ(now, 4341u);

    Vl::SetHost(Vl::Host{});
    EXPECT_EQ(lrGetTime(&now), 1);
    EXPECT_EQ(now, 0u);
    lrDestroyGraphic(graphic);
}

TEST_F(DisplayTest, PaletteCopyChangesInBothModesButOnlyFullScreenAnswersOne)
{
    lrSetPresenter(&presenter);
    CreateScreen(lrWindowedFlag);

    const uint8_t* copy = lrGetPaletteCopy();
    EXPECT_EQ(copy[7 * 4 + 0], 248); // start-up palette: 255 - i, (i mod 4) x 64, i
    EXPECT_EQ(copy[7 * 4 + 1], 192);
    EXPECT_EQ(copy[7 * 4 + 2], 7);

    std::vector<uint8_t> entries(1024);
    for (int i = 0; i < 256; ++i) {
        entries[i * 4 + 0] = 1;
        entries[i * 4 + 1] = 2;
        entries[i * 4 + 2] = 3;
        entries[i * 4 + 3] = 99;
    }
    EXPECT_EQ(lrSetPalette(entries.data(), 20, 10), 0);
    EXPECT_EQ(copy[9 * 4], 255 - 9);
    EXPECT_EQ(copy[10 * 4], 1);
    EXPECT_EQ(copy[19 * 4 + 2], 3);
    EXPECT_EQ(copy[19 * 4 + 3], 0);
    EXPECT_EQ(copy[20 * 4], 255 - 20);

    // The presenter shows the copy, windowed too.
    lrFlip();
    EXPECT_EQ(presenter.presentedPalette[10 * 4], 1);

    CreateScreen(0);
    EXPECT_EQ(lrSetPalette(entries.data(), 256, 0), 1);
    EXPECT_EQ(copy[255 * 4 + 1], 2);
    EXPECT_EQ(lrSetPalette(entries.data(), 9999, -50), 1); // range kept inside the table
}

TEST_F(DisplayTest, ErrorStackKeepsTheNewest63Codes)
{
    EXPECT_EQ(lrGetLastError(), 0);
    for (int code = 1; code <= 64; ++code)
        lrPushError(code);
    for (int code = 64; code >= 2; --code)
        ASSERT_EQ(lrGetLastError(), code);
    EXPECT_EQ(lrGetLastError(), 0);
    EXPECT_EQ(lrGetLastError(), 0);

    lrPushError(9);
    EXPECT_EQ(lrGetLastError(), 9);
}

TEST_F(DisplayTest, ResultTextsMatchTheirCodes)
{
    lrReportResult(0x0);
    lrReportResult(0x80004005);
    lrReportResult(0x8007000E);
    lrReportResult(0x887601C2);
    lrReportResult(0x8876021C);
    lrReportResult(0x88760005);
    lrReportResult(0x12345678);
    lrReportResult(0x88760001);
    EXPECT_EQ(CapturedDebugText(),
        "####CHECKERROR: The request completed successfully\n"
        "####CHECKERROR: There is an undefined error condition\n"
        "####CHECKERROR: DirectDraw does not have enough memory to perform the operation\n"
        "####CHECKERROR: Access to the surface is refused because the surface memory is gone. The "
        "DirectDrawSurface object representing this surface should have the IDirectDrawSurface3::Restore "
        "method called on it\n"
        "####CHECKERROR: The previous blit operation that is transferring information to or from this "
        "surface is incomplete\n"
        "####CHECKERROR: The object has already been initialized\n");
}

} // namespace
