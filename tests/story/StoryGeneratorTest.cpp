// The story scenes' generator groups write the same bytes on every run, so the media never drift.
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
    const std::string command = std::string("'") + MEDIAGEN_PROGRAM + "' '" + folder +
                                "' --only story-pass1 story-pass2 story-fail1 story-fail2 story-gameover story-setup1 "
                                "story-setup2 story-celebration > /dev/null 2>&1";
    return std::system(command.c_str()) == 0;
}

TEST(StoryGeneratorTest, TwoRunsWriteTheSameFilesByteForByte)
{
    TempFolder first, second;
    ASSERT_TRUE(Generate(first.Path()));
    ASSERT_TRUE(Generate(second.Path()));
    const std::set<std::string> files = FilesUnder(first.Path());
    EXPECT_EQ(files, FilesUnder(second.Path()));
    for (const char* needed :
         {"_media/cutscenes/setup1/config.txt", "_media/cutscenes/setup2/config.txt",
          "_media/cutscenes/celebration/config.txt", "_media/cutscenes/celebration/BG_02_8bit.bmp",
          "_media/cutscenes/setup1/setup_01_pallette.bmp", "_media/cutscenes/setup2/setup_2_pall.bmp",
          "_media/cutscenes/pass1/pass_1_Pallette.bmp", "_media/cutscenes/pass2/NS_Pallette_Pass_02.bmp",
          "_media/cutscenes/fail1/NS_Pallette_Pass_02.bmp", "_media/cutscenes/fail2/NS_Pallette_Fail_02.bmp",
          "_media/cutscenes/gameover/game_over_Pallette.bmp"})
        EXPECT_EQ(files.count(needed), 1u) << needed;
    for (const std::string& file : files) {
        SCOPED_TRACE(file);
        EXPECT_EQ(mediatest::ReadFileBytes(first.File(file)), mediatest::ReadFileBytes(second.File(file)));
    }
}

#endif

} // namespace
