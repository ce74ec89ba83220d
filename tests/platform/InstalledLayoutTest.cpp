// The folder rules of an installed package: XDG folders, portable detection, seeding the score list, the launcher's place, files from the install tree.
#include "ProcessLauncher.h"
#include "TempFolder.h"
#include "UserDataFolder.h"
#include "VlFile.h"
#include "VlHost.h"
#include "PeakLimiter.h"
#include "WorkingFolder.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;

// Sets an environment variable for one test and puts the old value back.
class ScopedVariable {
public:
    ScopedVariable(const char* name, const char* value) : mName(name)
    {
        if (const char* old = std::getenv(name))
            mOld = old;
        if (value)
            setenv(name, value, 1);
        else
            unsetenv(name);
    }
    ~ScopedVariable()
    {
        if (mOld)
            setenv(mName, mOld->c_str(), 1);
        else
            unsetenv(mName);
    }

private:
    const char* mName;
    std::optional<std::string> mOld;
};

void WriteProgram(const TempFolder& folder, const std::string& name)
{
    fs::create_directories(fs::path(folder.File(name)).parent_path());
    folder.Write(name, "#!/bin/sh\nexit 0\n");
    fs::permissions(folder.File(name), fs::perms::owner_all, fs::perm_options::add);
}

TEST(InstalledLayout, XdgFoldersFollowTheVariablesAndFallBackBelowHome)
{
    TempFolder home;
    ScopedVariable homeVariable("HOME", home.Path().c_str());
    {
        ScopedVariable data("XDG_DATA_HOME", nullptr);
        ScopedVariable config("XDG_CONFIG_HOME", "relative/is/ignored");
        EXPECT_EQ(userdata::DataHome(), home.Path() + "/.local/share");
        EXPECT_EQ(userdata::ConfigHome(), home.Path() + "/.config");
        EXPECT_EQ(userdata::GameDataFolder(), home.Path() + "/.local/share/skyrun");
        EXPECT_EQ(userdata::GameConfigFolder(), home.Path() + "/.config/skyrun");
        EXPECT_EQ(userdata::PicturesFolder(), home.Path() + "/Pictures");
    }
    ScopedVariable data("XDG_DATA_HOME", "/srv/data");
    ScopedVariable config("XDG_CONFIG_HOME", (home.Path() + "/cfg").c_str());
    EXPECT_EQ(userdata::GameDataFolder(), "/srv/data/skyrun");
    EXPECT_EQ(userdata::GameConfigFolder(), home.Path() + "/cfg/skyrun");

    home.Write("cfg/user-dirs.dirs", "# written by xdg-user-dirs-update\nXDG_PICTURES_DIR=\"$HOME/Bilder\"\n");
    EXPECT_EQ(userdata::PicturesFolder(), home.Path() + "/Bilder");
    // A pictures folder set to home itself means the user has none.
    home.Write("cfg/user-dirs.dirs", "XDG_PICTURES_DIR=\"$HOME/\"\n");
    EXPECT_EQ(userdata::PicturesFolder(), home.Path() + "/Pictures");
}

TEST(InstalledLayout, TheSharedScoreListIsBesideAPortableProgramAndSeededPerUserWhenInstalled)
{
    TempFolder tree;
    TempFolder home;
    ScopedVariable homeVariable("HOME", home.Path().c_str());
    ScopedVariable data("XDG_DATA_HOME", nullptr);

    fs::create_directories(tree.File("dist/_media"));
    EXPECT_TRUE(userdata::IsPortable(tree.File("dist")));
    EXPECT_EQ(userdata::SharedHighScoreFile(tree.File("dist")), tree.File("dist/highscore.txt"));

    fs::create_directories(tree.File("usr/bin"));
    tree.Write("usr/share/skyrun/highscore.txt", "Glimmer 3 4200 7\n");
    fs::permissions(tree.File("usr/share/skyrun/highscore.txt"), fs::perms::owner_read);
    EXPECT_FALSE(userdata::IsPortable(tree.File("usr/bin")));
    EXPECT_EQ(userdata::InstalledDataFolder(tree.File("usr/bin"), "cardwright"), tree.File("usr/share/cardwright"));

    const std::string mine = userdata::SharedHighScoreFile(tree.File("usr/bin"));
    EXPECT_EQ(mine, home.Path() + "/.local/share/skyrun/highscore.txt");
    EXPECT_EQ(home.Read(".local/share/skyrun/highscore.txt"), "Glimmer 3 4200 7\n");
    EXPECT_TRUE((fs::status(mine).permissions() & fs::perms::owner_write) != fs::perms::none);

    // A list the player already has is never replaced by the installed one.
    home.Write(".local/share/skyrun/highscore.txt", "Robin 5 9000 12\n");
    EXPECT_EQ(userdata::SharedHighScoreFile(tree.File("usr/bin")), mine);
    EXPECT_EQ(home.Read(".local/share/skyrun/highscore.txt"), "Robin 5 9000 12\n");
    EXPECT_FALSE(userdata::SeedFile(tree.File("usr/share/skyrun/absent.txt"), home.File("other.txt")));
    EXPECT_FALSE(fs::exists(home.File("other.txt")));
}

TEST(InstalledLayout, TheLauncherIsFoundBesideOrInLibexecAndAMissingProgramIsNamed)
{
    TempFolder tree;
    fs::create_directories(tree.File("bin"));
    EXPECT_EQ(ProcessLauncher::LauncherProgram(tree.File("bin")), tree.File("bin") + "/spawn");
    WriteProgram(tree, "libexec/skyrun/spawn");
    EXPECT_EQ(ProcessLauncher::LauncherProgram(tree.File("bin")), tree.File("bin") + "/../libexec/skyrun/spawn");
    WriteProgram(tree, "bin/spawn");
    EXPECT_EQ(ProcessLauncher::LauncherProgram(tree.File("bin")), tree.File("bin") + "/spawn");

    // cardwright not installed: nothing is started, and the file looked for is named.
    ProcessLauncher launcher(tree.File("bin"));
    EXPECT_EQ(launcher.Start("spawn cardwright"), Vl::LaunchResult::FileNotFound);
    EXPECT_EQ(launcher.MissingFile(), tree.File("bin") + "/cardwright");
    EXPECT_EQ(launcher.Start("absent"), Vl::LaunchResult::FileNotFound);
    EXPECT_EQ(launcher.MissingFile(), tree.File("bin") + "/absent");
}

TEST(InstalledLayout, FilesOfTheWorkingDirectoryComeFromTheInstallTreeWhenThePlayerHasNone)
{
    TempFolder user;
    TempFolder shared;
    shared.Write("credits.txt", "installed credits\n");
    shared.Write("highscore.txt", "installed list\n");
    user.Write("highscore.txt", "my list\n");
    WorkingFolder inside(user.Path());
    ASSERT_TRUE(inside.Entered());
    Vl::Host host;
    host.sharedDataFolder = shared.Path();
    Vl::SetHost(host);

    auto fullName = [](int32_t location, const std::string& name) {
        Vl::File* file = nullptr;
        if (VlFileCreate(&file, location, name) != VlOk)
            return std::string("(none)");
        std::string path;
        file->GetFullName(path);
        file->Release();
        return path;
    };
    EXPECT_EQ(fullName(Vl::kF_FromBinary, "credits.txt"), shared.Path() + "/credits.txt");
    EXPECT_EQ(fullName(Vl::kF_FromBinary, "highscore.txt"), user.Path() + "/highscore.txt");
    EXPECT_EQ(fullName(Vl::kF_FromBinary, "absent.txt"), "(none)");
    EXPECT_EQ(VlGetLastError(), VlFourCC("Ffnf"));

    // Media names that cannot be found are counted once each.
    VlSetMediaPath(user.Path() + "/_media");
    EXPECT_EQ(VlMissingMediaCount(), 0u);
    fullName(Vl::kF_FromMedia, "menus\\absent.bmp");
    fullName(Vl::kF_FromMedia, "menus\\absent.bmp");
    fullName(Vl::kF_FromMedia, "waves\\absent.wav");
    EXPECT_EQ(VlMissingMediaCount(), 2u);
    VlForgetMissingMedia();
    EXPECT_EQ(VlMissingMediaCount(), 0u);
    Vl::SetHost(Vl::Host());
}

TEST(PeakLimiter, ASumAboveFullScaleIsTurnedDownNotClippedAndQuietSoundPassesUntouched)
{
    const int rate = 44100;
    PeakLimiter limiter(rate, 0.9f, 0.05f);
    // A quiet stereo tone comes out exactly as it went in, only later.
    std::vector<float> quiet;
    for (int i = 0; i < 1000; ++i)
        quiet.insert(quiet.end(), 2, 0.5f * std::sin(i * 0.05f));
    std::vector<float> expected(2 * limiter.LatencyFrames(), 0.0f);
    expected.insert(expected.end(), quiet.begin(), quiet.end() - 2 * limiter.LatencyFrames());
    limiter.Process(quiet.data(), 1000, 2);
    EXPECT_EQ(quiet, expected);

    // Two full-scale tones summed: never above the threshold, the shape kept (no flat tops).
    std::vector<float> loud;
    for (int i = 0; i < 4410; ++i)
        loud.insert(loud.end(), 2, 0.95f * std::sin(i * 0.0627f) + 0.95f * std::sin(i * 0.0627f + 0.3f));
    limiter.Process(loud.data(), 4410, 2);
    float peak = 0.0f;
    int flat = 0;
    for (size_t i = 0; i < loud.size(); ++i) {
        peak = std::max(peak, std::fabs(loud[i]));
        if (i >= 2 && std::fabs(loud[i]) > 0.85f && loud[i] == loud[i - 2])
            ++flat;
    }
    EXPECT_LE(peak, 0.9f + 1e-6f);
    EXPECT_GT(peak, 0.8f);
    EXPECT_EQ(flat, 0);
    EXPECT_LT(limiter.Gain(), 1.0f);

    // Afterwards the level comes back to full.
    std::vector<float> silence(2 * rate, 0.0f);
    limiter.Process(silence.data(), rate, 2);
    EXPECT_FLOAT_EQ(limiter.Gain(), 1.0f);
}

} // namespace
