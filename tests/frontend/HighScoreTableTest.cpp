// highscore.txt: reading, order, the best five, and rewriting it safely.
#include "GlHighScoreTable.h"

#include "TempFolder.h"
#include "VlFile.h"
#include "VlLog.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>
#include <unistd.h>

namespace {

std::vector<std::string> Names(const GlHighScoreTable& table)
{
    std::vector<std::string> names;
    for (const HighScoreEntry& entry : table.Entries())
        names.push_back(entry.name);
    return names;
}

GlHighScoreTable Parse(const std::string& text)
{
    GlHighScoreTable table;
    std::istringstream in(text);
    table.ReadFrom(in);
    return table;
}

TEST(HighScoreFormatTest, ReadsWhatItWritesAndOnlyWholeEntries)
{
    GlHighScoreTable table = Parse("Glimmer\n3 4120 2\nTwo Words\n1 50 0\n");
    ASSERT_EQ(table.Entries().size(), 2u);
    EXPECT_EQ(table.Entries()[0].level, 3);
    EXPECT_EQ(table.Entries()[0].score, 4120);
    EXPECT_EQ(table.Entries()[0].delivered, 2);
    EXPECT_EQ(table.Entries()[1].name, "Two Words");
    std::ostringstream out;
    table.WriteTo(out);
    EXPECT_EQ(out.str(), "Glimmer\n3 4120 2\nTwo Words\n1 50 0\n");

    // A last number line without its line end is not an entry.
    EXPECT_EQ(Names(Parse("A\n1 10 0\nB\n1 20 0")), (std::vector<std::string>{"A"}));
    // Windows line ends read the same as plain ones.
    GlHighScoreTable crlf = Parse("Glimmer\r\n3 4120 2\r\nTwo Words\r\n1 50 0\r\n");
    EXPECT_EQ(Names(crlf), (std::vector<std::string>{"Glimmer", "Two Words"}));
    EXPECT_EQ(crlf.Entries()[1].score, 50);
}

TEST(HighScoreFormatTest, DamagedEntriesEndTheListKeepingEarlierOnes)
{
    EXPECT_EQ(Names(Parse("A\n1 10 0\nB\n1 lots 0\nC\n1 30 0\n")), (std::vector<std::string>{"A"}));
    EXPECT_EQ(Names(Parse("A\n1 10 0\n" + std::string(300, 'x') + "\n1 20 0\n")), (std::vector<std::string>{"A"}));
    // The longest name a line may hold, also with a Windows line end; one more is too long.
    const std::string longest(GlHighScoreTable::kMaxNameLength, 'x');
    EXPECT_EQ(Names(Parse(longest + "\r\n1 20 0\r\n")), std::vector<std::string>{longest});
    EXPECT_EQ(Names(Parse(longest + "y\r\n1 20 0\r\n")), std::vector<std::string>{});
    EXPECT_EQ(Names(Parse("A\n1 99999999999 0\n")), std::vector<std::string>{});
    EXPECT_TRUE(Parse("").Entries().empty());
}

TEST(HighScoreListTest, SortedStablyAndCutToFive)
{
    GlHighScoreTable table =
        Parse("a\n1 10 0\nb\n1 70 0\nc\n1 30 0\nd\n1 70 0\ne\n1 5 0\nf\n1 60 0\ng\n1 20 0\n");
    table.Sort();
    EXPECT_EQ(Names(table), (std::vector<std::string>{"b", "d", "f", "c", "g", "a", "e"}));
    // Only the five shown count: 21 beats the fifth (20) though not the last (5).
    EXPECT_TRUE(table.IsHighScore(21));
    EXPECT_FALSE(table.IsHighScore(20));

    table.Add({"new", 2, 60, 1});
    EXPECT_EQ(Names(table), (std::vector<std::string>{"b", "d", "f", "new", "c"}));
}

TEST(HighScoreListTest, WhatCountsAsAHighScore)
{
    EXPECT_TRUE(GlHighScoreTable().IsHighScore(0));
    GlHighScoreTable shortList = Parse("a\n1 100 0\nb\n1 40 0\n");
    EXPECT_FALSE(shortList.IsHighScore(40));
    EXPECT_TRUE(shortList.IsHighScore(41));
}

class HighScoreFileTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        std::filesystem::current_path(mFolder.Path());
        VlResetPaths();
        Vl::OpenLogs(mFolder.Path());
    }
    void TearDown() override
    {
        Vl::CloseLogs();
        // Out of the folder before it goes; the scenario tests move about too.
        std::filesystem::current_path(std::filesystem::temp_directory_path());
        VlResetPaths();
    }
    std::string Log() const { return mFolder.Read("azLog.log"); }

    TempFolder mFolder;
};

TEST_F(HighScoreFileTest, LoadLogsEachEntryInOrder)
{
    mFolder.Write("highscore.txt", "Low\n1 10 0\nGlimmer\n3 4120 2\n");
    GlHighScoreTable table;
    table.LoadHighScoreList();
    EXPECT_EQ(Names(table), (std::vector<std::string>{"Glimmer", "Low"}));
    EXPECT_EQ(Log(), "GlHighScore::LoadHighScoreList Glimmer 3 4120 2 \n"
                     "GlHighScore::LoadHighScoreList Low 1 10 0 \n");
}

TEST_F(HighScoreFileTest, AMissingListIsLoggedThenCreatedByTheFirstScore)
{
    GlHighScoreTable table;
    table.LoadHighScoreList();
    EXPECT_TRUE(table.Entries().empty());
    EXPECT_NE(Log().find("GlHighScore::LoadHighScoreList- VlFileCreate failed.  Returning NULL object. "
                         "highscore.txt\n"),
              std::string::npos);

    table.Add({"Glimmer", 2, 900, 1});
    ASSERT_TRUE(table.WriteHighScoreListToDisk());
    EXPECT_EQ(mFolder.Read("highscore.txt"), "Glimmer\n2 900 1\n");
    EXPECT_FALSE(std::filesystem::exists(mFolder.File("highscore.txt.new")));
}

TEST_F(HighScoreFileTest, AFailedWriteLeavesTheOldListWhole)
{
    mFolder.Write("highscore.txt", "Glimmer\n3 4120 2\n");
    // Something in the way of the temporary file: the write cannot happen.
    std::filesystem::create_directory(mFolder.File("highscore.txt.new"));
    GlHighScoreTable table;
    table.Add({"Other", 1, 5, 0});
    EXPECT_FALSE(table.WriteHighScoreListToDisk());
    EXPECT_EQ(mFolder.Read("highscore.txt"), "Glimmer\n3 4120 2\n");
    EXPECT_NE(Log().find("GlHighScore::WriteHighScoreListToDisk - Configfile in fail state after construction.\n"),
              std::string::npos);
}

} // namespace
