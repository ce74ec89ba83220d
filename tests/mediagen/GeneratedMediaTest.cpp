// Runs the media generator itself: determinism, the output tree's names and the pictures' palette rules.
#include "MediaGenerator.h"
#include "MediaReader.h"
#include "paint/GamePalette.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <map>
#include <set>

#include <sys/wait.h>
#include <unistd.h>

namespace fs = std::filesystem;
using namespace mediatest;

namespace {

int RunMediagen(const std::string& arguments)
{
    const std::string command = std::string("\"") + MEDIAGEN_EXE + "\" " + arguments + " > /dev/null 2>&1";
    const int status = std::system(command.c_str());
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

// CTest may run several cases of this file at once in the same folder: each process
// works in a folder of its own.
fs::path ScratchFolder(const std::string& name)
{
    return fs::current_path() / ("scratch-" + std::to_string(getpid())) / name;
}

std::map<std::string, std::vector<uint8_t>> TreeContents(const fs::path& root)
{
    std::map<std::string, std::vector<uint8_t>> files;
    for (const auto& entry : fs::recursive_directory_iterator(root)) {
        if (entry.is_regular_file()) files[fs::relative(entry.path(), root).string()] = ReadFileBytes(entry.path());
    }
    return files;
}

// The groups this test looks at, generated once into the test's folder.
class GeneratedMedia : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        fs::remove_all(Root());
        ASSERT_EQ(RunMediagen("\"" + Root().string() + "\" --only palette splash"), 0);
    }
    static void TearDownTestSuite() { fs::remove_all(Root().parent_path()); }
    static fs::path Root() { return ScratchFolder("generated-a"); }
    static Picture Bmp(const std::string& name) { return ReadBmp((Root() / "_media" / name).string()); }
};

void ExpectNoKeyColour(const Picture& bmp, const std::string& name)
{
    size_t keyed = 0;
    for (uint8_t px : bmp.pixels) keyed += px == 254;
    EXPECT_EQ(keyed, 0u) << name << " is meant to be opaque";
}

} // namespace

TEST(OutputTree, MapsGameNamesIntoTheMediaFolderKeepingCase)
{
    const mediagen::OutputTree out("/some/root/");
    EXPECT_EQ(out.MediaPath("Pallettes\\NS_pallette.bmp"), "/some/root/_media/Pallettes/NS_pallette.bmp");
    EXPECT_EQ(out.MediaPath("CollRect.bmp"), "/some/root/_media/CollRect.bmp");
    EXPECT_EQ(out.InstallPath("cd/track02.ogg"), "/some/root/cd/track02.ogg");
    EXPECT_EQ(mediagen::OutputTree("rel").InstallPath("highscore.txt"), "rel/highscore.txt");
}

TEST(MediagenProgram, RejectsUnknownGroupsAndMissingOutput)
{
    const fs::path unused = ScratchFolder("unused");
    EXPECT_EQ(RunMediagen("\"" + unused.string() + "\" --only no-such-group"), 2);
    EXPECT_EQ(RunMediagen(""), 2);
    EXPECT_FALSE(fs::exists(unused));
}

TEST_F(GeneratedMedia, TwoRunsGiveTheSameBytes)
{
    const fs::path second = ScratchFolder("generated-b");
    fs::remove_all(second);
    ASSERT_EQ(RunMediagen("\"" + second.string() + "\" --only splash palette"), 0);
    const auto a = TreeContents(Root()), b = TreeContents(second);
    ASSERT_FALSE(a.empty());
    ASSERT_EQ(a.size(), b.size());
    for (const auto& [name, bytes] : a) {
        ASSERT_TRUE(b.count(name)) << name;
        EXPECT_TRUE(bytes == b.at(name)) << name << " differs between runs";
    }
}

TEST_F(GeneratedMedia, GamePaletteFileCarriesThePaletteItDocuments)
{
    const Picture bmp = Bmp("Pallettes/NS_pallette.bmp");
    const mediagen::Palette& palette = mediagen::GamePalette();
    for (int i = 0; i < 256; ++i) {
        EXPECT_EQ(bmp.colours[i].r, palette[i].r) << i;
        EXPECT_EQ(bmp.colours[i].g, palette[i].g) << i;
        EXPECT_EQ(bmp.colours[i].b, palette[i].b) << i;
    }
}

TEST_F(GeneratedMedia, SmallPicturesHaveTheirSizesAndStayOpaque)
{
    const Picture marker = Bmp("CollRect.bmp");
    EXPECT_EQ(marker.width, 4);
    EXPECT_EQ(marker.height, 4);
    ExpectNoKeyColour(marker, "CollRect.bmp");

    const Picture black = Bmp("menus/fullblack.bmp");
    EXPECT_EQ(black.width, 640);
    EXPECT_EQ(black.height, 480);
    ExpectNoKeyColour(black, "menus/fullblack.bmp");
    // It is drawn under the studio logo with the studio's palette too: black in both.
    const Picture studio = Bmp("splash/studio.bmp");
    for (uint8_t px : black.pixels) {
        ASSERT_EQ(black.colours[px], (Colour{0, 0, 0}));
        ASSERT_EQ(studio.colours[px], (Colour{0, 0, 0}));
    }
}

TEST_F(GeneratedMedia, SplashPicturesAreOpaqueWithReservedEntriesKept)
{
    const std::pair<const char*, std::pair<int, int>> pictures[] = {{"splash/background.bmp", {640, 480}},
                                                                    {"splash/studio.bmp", {320, 240}}};
    for (const auto& [name, size] : pictures) {
        const Picture bmp = Bmp(name);
        EXPECT_EQ(bmp.width, size.first) << name;
        EXPECT_EQ(bmp.height, size.second) << name;
        ExpectNoKeyColour(bmp, name);
        EXPECT_EQ(bmp.colours[254], (Colour{255, 0, 255})) << name;
        EXPECT_EQ(bmp.colours[255], (Colour{0, 0, 0})) << name;
        // A real picture, not a flat fill: it uses a good part of its palette.
        std::set<uint8_t> used(bmp.pixels.begin(), bmp.pixels.end());
        EXPECT_GT(used.size(), 100u) << name;
    }
    // The studio logo sits on black: its border must be black so it melts into the screen.
    const Picture studio = Bmp("splash/studio.bmp");
    for (int x = 0; x < studio.width; ++x) {
        EXPECT_EQ(studio.colours[studio.pixels[x]], (Colour{0, 0, 0})) << x;
    }
}
