// Two runs of the generator give the same bytes for every story picture, and the full set of them.
#include "MediaReader.h"
#include "TempFolder.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <set>
#include <string>

namespace {

#ifdef MEDIAGEN_PROGRAM

std::set<std::string> FilesUnder(const std::string& root)
{
    std::set<std::string> files;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(root))
        if (entry.is_regular_file()) files.insert(std::filesystem::relative(entry.path(), root).string());
    return files;
}

bool Generate(const std::string& folder)
{
    const std::string command =
        std::string("'") + MEDIAGEN_PROGRAM + "' '" + folder + "' --only story-intro story-briefing > /dev/null 2>&1";
    return std::system(command.c_str()) == 0;
}

TEST(StoryGenerator, TwoRunsWriteTheSameFilesByteForByte)
{
    TempFolder first, second;
    ASSERT_TRUE(Generate(first.Path()));
    ASSERT_TRUE(Generate(second.Path()));
    const std::set<std::string> files = FilesUnder(first.Path());
    EXPECT_EQ(files, FilesUnder(second.Path()));
    const std::set<std::string> expected = {
        "_media/cutscenes/black.bmp",          "_media/cutscenes/cut1/intro_01_pall.bmp",
        "_media/cutscenes/cut1/intro_bg.bmp",  "_media/cutscenes/cut1/title_wipe.spx",
        "_media/cutscenes/cut1/iris.spx",      "_media/cutscenes/cut1/glim_enter.spx",
        "_media/cutscenes/cut1/shine_01.spx",  "_media/cutscenes/cut1/shine_02.spx",
        "_media/cutscenes/cut1/sleigh.spx",    "_media/cutscenes/cut1/deer.spx",
        "_media/menus/act01_bg.bmp",           "_media/menus/navig_bg.bmp",
        "_media/menus/act02_bg.bmp",           "_media/menus/score_bg.bmp",
        "_media/menus/sn_all.spx",             "_media/menus/score_gift.spx",
        "_media/menus/confetti.spx",           "_media/menus/gift_open.spx",
        "_media/menus/band_flag.spx",          "_media/menus/band_flag02.spx",
    };
    EXPECT_EQ(files, expected);
    for (const std::string& file : files) {
        SCOPED_TRACE(file);
        EXPECT_EQ(mediatest::ReadFileBytes(first.File(file)), mediatest::ReadFileBytes(second.File(file)));
    }
}

#endif

} // namespace
