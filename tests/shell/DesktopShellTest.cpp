// The desktop game around the screens, on the headless runner: installed folders, the screenshot key, and what the player is told on standard error.
#include "HeadlessGame.h"
#include "PlayerRecord.h"

#include "GlScreenState.h"
#include "GlScreenshotKey.h"
#include "GlSettings.h"

#include "AzTextFiles.h"
#include "HeadlessAudioDevice.h"
#include "RecordingLauncher.h"
#include "ScenarioFolder.h"
#include "TempFolder.h"
#include "VlFile.h"
#include "VlKeys.h"
#include "lrDisplay.h"

#include <gtest/gtest.h>
#include <png.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;

struct PngPicture {
    bool paletted = false;
    int width = 0;
    int height = 0;
    std::vector<uint8_t> palette; // red, green, blue
    std::vector<uint8_t> indices;
};

std::optional<PngPicture> ReadPng(const std::string& path)
{
    png_image image;
    std::memset(&image, 0, sizeof image);
    image.version = PNG_IMAGE_VERSION;
    if (!png_image_begin_read_from_file(&image, path.c_str()))
        return std::nullopt;
    PngPicture picture;
    picture.paletted = (image.format & PNG_FORMAT_FLAG_COLORMAP) != 0 && image.colormap_entries == 256;
    picture.width = static_cast<int>(image.width);
    picture.height = static_cast<int>(image.height);
    image.format = PNG_FORMAT_RGB_COLORMAP;
    picture.indices.resize(PNG_IMAGE_SIZE(image));
    picture.palette.resize(PNG_IMAGE_COLORMAP_SIZE(image));
    if (!png_image_finish_read(&image, nullptr, picture.indices.data(), 0, picture.palette.data()))
        return std::nullopt;
    return picture;
}

// Standard error without the display library's diagnostic lines, which go there too.
std::string PlayerMessages(const std::string& errors)
{
    std::string kept;
    size_t start = 0;
    while (start < errors.size()) {
        size_t end = errors.find('\n', start);
        end = end == std::string::npos ? errors.size() : end + 1;
        const std::string line = errors.substr(start, end - start);
        if (line.find("leanRASTER") == std::string::npos)
            kept += line;
        start = end;
    }
    return kept;
}

std::vector<std::string> PicturesIn(const std::string& folder)
{
    std::vector<std::string> names;
    std::error_code error;
    for (const auto& entry : fs::directory_iterator(folder, error))
        names.push_back(entry.path().filename().string());
    // The first picture of a second has the shorter name; later ones are numbered.
    std::sort(names.begin(), names.end(), [](const std::string& a, const std::string& b) {
        return a.size() != b.size() ? a.size() < b.size() : a < b;
    });
    return names;
}

TEST(DesktopShell, AnInstalledGameWorksInThePlayersFolderWithSettingsAndDataFromTheirOwnPlaces)
{
    TempFolder user;
    TempFolder config;
    user.Write("highscore.txt", "Robin 4 8000 9\n");
    config.Write("gl.config", "FullScreen 0\nPauseOnFocusLoss 0\nFullScreen yes\n");
    HeadlessGame game(user.Path());
    game.SetInstalledFolders(config.Path(), SKYRUN_DIST_DIR);
    testing::internal::CaptureStderr();
    ASSERT_TRUE(game.Start("GlMenuMain"));
    for (int frame = 0; frame < 5; ++frame)
        ASSERT_TRUE(game.Step());
    std::string credits;
    ASSERT_TRUE(az::GetFullPath(Vl::kF_FromBinary, "credits.txt", credits));
    std::string scores;
    ASSERT_TRUE(az::GetFullPath(Vl::kF_FromBinary, "highscore.txt", scores));
    game.Finish();
    const std::string errors = PlayerMessages(testing::internal::GetCapturedStderr());

    EXPECT_FALSE(Settings().FullScreen);
    EXPECT_FALSE(Settings().PauseOnFocusLoss);
    EXPECT_EQ(VlMissingMediaCount(), 0u) << errors;
    EXPECT_EQ(credits, std::string(SKYRUN_DIST_DIR) + "/credits.txt");
    EXPECT_EQ(scores, user.Path() + "/highscore.txt");
    EXPECT_NE(user.Read("azLog.log").find("TestApp::Run - started."), std::string::npos);
    EXPECT_EQ(errors, config.Path() + "/gl.config line 3: no usable value for FullScreen in \"FullScreen yes\"; "
                                      "the line is skipped.\n");
    EXPECT_NE(std::count(game.LastFrame().begin(), game.LastFrame().end(), 255), 640 * 480) << "the menu was drawn";
}

TEST(DesktopShell, AScoreGoesToThePlayersFolderWhileOnlyTheInstalledListExists)
{
    TempFolder user;
    TempFolder config;
    TempFolder shared;
    shared.Write("highscore.txt", "Ann\n3 5000 2\n");
    std::filesystem::create_directory_symlink(std::string(SKYRUN_DIST_DIR) + "/_media", shared.File("_media"));
    config.Write("gl.config", "FullScreen 0\n");
    ResetCurrentPlayer();
    CurrentPlayer().gameFinished = true;
    CurrentPlayer().score = 9000;
    HeadlessGame game(user.Path());
    game.SetInstalledFolders(config.Path(), shared.Path());
    ASSERT_TRUE(game.Start("GlHighScore"));
    for (int key : {Vl::kVK_A + ('D' - 'A'), static_cast<int>(Vl::kVK_Return)}) {
        game.SetKey(key, true);
        ASSERT_TRUE(game.Step());
        game.SetKey(key, false);
        ASSERT_TRUE(game.Step());
    }
    game.Finish();
    EXPECT_EQ(user.Read("highscore.txt"), "d\n1 9000 0\nAnn\n3 5000 2\n");
    EXPECT_EQ(shared.Read("highscore.txt"), "Ann\n3 5000 2\n");
}

TEST(DesktopShell, MissingMediaAreSummedUpOnceOnStandardError)
{
    TempFolder folder;
    folder.Write("gl.config", "FullScreen 0\nMediaPath " + folder.Path() + "/no such media\n");
    HeadlessGame game(folder.Path());
    testing::internal::CaptureStderr();
    ASSERT_TRUE(game.Start("GlMenuMain"));
    for (int frame = 0; frame < 3; ++frame)
        ASSERT_TRUE(game.Step());
    const size_t missing = VlMissingMediaCount();
    game.Finish();
    const std::string errors = PlayerMessages(testing::internal::GetCapturedStderr());
    ASSERT_GT(missing, 1u);
    EXPECT_EQ(errors, "skyrun: the media folder " + folder.Path() +
                          "/no such media/ does not exist (MediaPath in gl.config); the game has nothing to show.\n"
                          "skyrun: " + std::to_string(missing) + " media files could not be loaded; see " +
                          folder.Path() + "/azLog.log\n");
}

TEST(DesktopShell, CardwrightThatIsNotInstalledIsNamedOnStandardErrorAndInTheLog)
{
    ScenarioFolder folder;
    HeadlessGame game(folder.Path());
    ASSERT_TRUE(game.Start("GlMenuMain"));
    game.Launcher().SetResult(Vl::LaunchResult::FileNotFound);
    game.Launcher().SetMissingFile("/opt/skyrun/bin/cardwright");
    gStartCardProgram = true;
    gQuitGame = true;
    testing::internal::CaptureStderr();
    EXPECT_FALSE(game.Step());
    game.Finish();
    const std::string errors = PlayerMessages(testing::internal::GetCapturedStderr());
    EXPECT_EQ(game.LaunchedCommands(), std::vector<std::string>{"spawn cardwright"});
    EXPECT_EQ(errors, "skyrun: cardwright is not installed; looked for /opt/skyrun/bin/cardwright\n");
    const std::string log = folder.GameLog();
    EXPECT_NE(log.find("The specified file was not found.  TestApp::StartCardProgram - not installed, looked for "
                       "/opt/skyrun/bin/cardwright\n"),
              std::string::npos)
        << log;
}

TEST(DesktopShell, PrintScreenAndF10SaveThePresentedFrameAsAPalettedPngWithAClick)
{
    ScenarioFolder folder;
    TempFolder home;
    const char* oldHome = std::getenv("HOME");
    const std::string savedHome = oldHome ? oldHome : "";
    setenv("HOME", home.Path().c_str(), 1);
    unsetenv("XDG_CONFIG_HOME");

    HeadlessGame game(folder.Path());
    ASSERT_TRUE(game.Start("GlMenuMain"));
    ASSERT_TRUE(game.Step());
    game.SetKey(Vl::kVK_F10, true);
    ASSERT_TRUE(game.Step());
    const std::vector<uint8_t> shown = game.LastFrame();
    std::vector<uint8_t> palette(lrGetPaletteCopy(), lrGetPaletteCopy() + 256 * 4);
    // Held down: still one picture.
    ASSERT_TRUE(game.Step());
    ASSERT_TRUE(game.Step());
    game.SetKey(Vl::kVK_F10, false);
    ASSERT_TRUE(game.Step());
    game.SetKey(Vl::kVK_Snapshot, true);
    ASSERT_TRUE(game.Step());
    game.SetKey(Vl::kVK_Snapshot, false);
    ASSERT_TRUE(game.Step());
    std::vector<std::string> clicks;
    for (const auto& play : game.Audio().Plays()) {
        if (play.label.find("shutter") != std::string::npos)
            clicks.push_back(play.label);
    }
    game.Finish();
    setenv("HOME", savedHome.c_str(), 1);

    const std::vector<std::string> pictures = PicturesIn(home.Path() + "/Pictures");
    ASSERT_EQ(pictures.size(), 2u);
    EXPECT_EQ(clicks.size(), 2u);
    for (const std::string& name : pictures) {
        EXPECT_EQ(name.rfind("skyrun-", 0), 0u) << name;
        EXPECT_EQ(name.substr(name.size() - 4), ".png");
    }
    EXPECT_EQ(pictures[0].size(), std::string("skyrun-20261209-141500.png").size());
    const std::optional<PngPicture> picture = ReadPng(home.Path() + "/Pictures/" + pictures[0]);
    ASSERT_TRUE(picture);
    EXPECT_TRUE(picture->paletted);
    EXPECT_EQ(picture->width, 640);
    EXPECT_EQ(picture->height, 480);
    EXPECT_EQ(picture->indices, shown);
    for (int i = 0; i < 256; ++i) {
        EXPECT_EQ(picture->palette[i * 3], palette[i * 4]) << i;
        EXPECT_EQ(picture->palette[i * 3 + 2], palette[i * 4 + 2]) << i;
    }
    EXPECT_EQ(GlScreenshotKey::FileNameFor(0).size(), std::string("skyrun-19700101-000000.png").size());
}

} // namespace
