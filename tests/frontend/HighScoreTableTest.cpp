// highscore.txt: reading, order, the best five, and rewriting it safely.
#include "GlHighScoreTable.h"

#include "TempFolder.h"
#include "VlFile.h"
#include "VlLog.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <csignal>
#include <cstdint>
#include <filesystem>
#include <sstream>

#include <sys/wait.h>
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

TEST(HighScoreFormatTest, ADamagedEntryIsSkippedAndReadingGoesOn)
{
    struct Case {
        const char* what;
        std::string text;
        std::vector<std::string> names;
    };
    const std::string longName(300, 'x');
    const Case cases[] = {
        {"letters for a number", "A\n1 10 0\nB\n1 lots 0\nC\n1 30 0\n", {"A", "C"}},
        {"score beyond 32 bits", "A\n1 10 0\nB\n1 99999999999 0\nC\n1 30 0\n", {"A", "C"}},
        {"name of 300 characters", "A\n1 10 0\n" + longName + "\n1 20 0\nC\n1 30 0\n", {"A", "C"}},
        {"stray token after the numbers", "A\n1 10 0 x\nB\n1 20 0\n", {"B"}},
        {"leading blank line", "\nA\n1 10 0\nB\n1 20 0\n", {"A", "B"}},
        {"byte-order mark", "\xEF\xBB\xBF" "A\n1 10 0\nB\n1 20 0\n", {"A", "B"}},
        {"missing number line", "A\nB\n1 20 0\n", {"B"}},
        {"last number line cut short", "A\n1 10 0\nB\n1 20 0", {"A"}},
    };
    for (const Case& c : cases) {
        GlHighScoreTable table = Parse(c.text);
        EXPECT_EQ(Names(table), c.names) << c.what;
        EXPECT_TRUE(table.HadUnreadableParts()) << c.what;
    }

    // The longest name a line may hold, also with a Windows line end; one more is too long.
    const std::string longest(GlHighScoreTable::kMaxNameLength, 'x');
    EXPECT_EQ(Names(Parse(longest + "\r\n1 20 0\r\n")), std::vector<std::string>{longest});
    EXPECT_EQ(Names(Parse(longest + "y\r\n1 20 0\r\n")), std::vector<std::string>{});
    // The ends of the 32-bit range are still numbers.
    GlHighScoreTable extremes = Parse("A\n-2147483648 2147483647 +0\n");
    ASSERT_EQ(extremes.Entries().size(), 1u);
    EXPECT_EQ(extremes.Entries()[0].level, INT32_MIN);
    EXPECT_EQ(extremes.Entries()[0].score, INT32_MAX);

    EXPECT_TRUE(Parse("").Entries().empty());
    EXPECT_FALSE(Parse("").HadUnreadableParts());
    EXPECT_FALSE(Parse("A\r\n1 10 0\r\n").HadUnreadableParts());
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
    // Rows are still free: any finished game enters, however low.
    GlHighScoreTable shortList = Parse("a\n1 100 0\nb\n1 40 0\nc\n1 30 0\nd\n1 20 0\n");
    EXPECT_TRUE(shortList.IsHighScore(0));
    EXPECT_TRUE(shortList.IsHighScore(-5));
    // A full list must be beaten; equal is not enough.
    GlHighScoreTable fullList = Parse("a\n1 100 0\nb\n1 40 0\nc\n1 30 0\nd\n1 20 0\ne\n1 10 0\n");
    EXPECT_FALSE(fullList.IsHighScore(10));
    EXPECT_TRUE(fullList.IsHighScore(11));
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

TEST_F(HighScoreFileTest, TheFirstSaveAfterADamagedReadKeepsTheOriginalBesideTheList)
{
    const std::string damaged = "Ann\n2 700 1\nBen\n1 99999999999 0\nCid\n1 300 0\n";
    mFolder.Write("highscore.txt", damaged);
    GlHighScoreTable table;
    table.LoadHighScoreList();
    EXPECT_EQ(Names(table), (std::vector<std::string>{"Ann", "Cid"}));

    table.Add({"Dot", 1, 500, 0});
    ASSERT_TRUE(table.WriteHighScoreListToDisk());
    EXPECT_EQ(mFolder.Read("highscore.txt.bak"), damaged);
    EXPECT_EQ(mFolder.Read("highscore.txt"), "Ann\n2 700 1\nDot\n1 500 0\nCid\n1 300 0\n");

    // Only the first save: the next one leaves the kept original alone.
    table.Add({"Eve", 1, 100, 0});
    ASSERT_TRUE(table.WriteHighScoreListToDisk());
    EXPECT_EQ(mFolder.Read("highscore.txt.bak"), damaged);

    // A list read whole makes no copy.
    std::filesystem::remove(mFolder.File("highscore.txt.bak"));
    GlHighScoreTable clean;
    clean.LoadHighScoreList();
    clean.Add({"Fay", 1, 50, 0});
    ASSERT_TRUE(clean.WriteHighScoreListToDisk());
    EXPECT_FALSE(std::filesystem::exists(mFolder.File("highscore.txt.bak")));
}

TEST_F(HighScoreFileTest, AStaleTemporaryListIsNeverReadAndIsReplaced)
{
    mFolder.Write("highscore.txt", "Ann\n2 700 1\n");
    mFolder.Write("highscore.txt.new", "Crash\n9 99999 9\nhalf writ");
    GlHighScoreTable table;
    table.LoadHighScoreList();
    EXPECT_EQ(Names(table), std::vector<std::string>{"Ann"});
    table.Add({"Ben", 1, 5, 0});
    ASSERT_TRUE(table.WriteHighScoreListToDisk());
    EXPECT_EQ(mFolder.Read("highscore.txt"), "Ann\n2 700 1\nBen\n1 5 0\n");
    EXPECT_FALSE(std::filesystem::exists(mFolder.File("highscore.txt.new")));
}

TEST_F(HighScoreFileTest, KilledWhileSavingLeavesTheOldListOrTheNewOne)
{
    GlHighScoreTable first;
    GlHighScoreTable second;
    for (int i = 0; i < 5; ++i) {
        first.Add({"First " + std::to_string(i), 1, 100 + i, 0});
        second.Add({"Second player " + std::to_string(i), 2, 2000 + i, 1});
    }
    std::ostringstream firstText;
    std::ostringstream secondText;
    first.WriteTo(firstText);
    second.WriteTo(secondText);
    mFolder.Write("highscore.txt", firstText.str());

    // A fixed series of moments to kill a process that saves the two lists in turn.
    uint32_t seed = 12345;
    for (int round = 0; round < 20; ++round) {
        seed = seed * 214013u + 2531011u;
        const useconds_t delay = 200 + (seed >> 16) % 3000;
        const pid_t child = fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            for (int n = 0;; ++n)
                (n % 2 == 0 ? second : first).WriteHighScoreListToDisk();
        }
        usleep(delay);
        kill(child, SIGKILL);
        int status = 0;
        waitpid(child, &status, 0);
        const std::string now = mFolder.Read("highscore.txt");
        ASSERT_TRUE(now == firstText.str() || now == secondText.str()) << "round " << round << ":\n" << now;
        GlHighScoreTable reread;
        reread.LoadHighScoreList();
        EXPECT_EQ(reread.Entries().size(), 5u);
        EXPECT_FALSE(reread.HadUnreadableParts());
    }
}

TEST_F(HighScoreFileTest, AHugeListIsReadWholeWithALogLineForEachEntry)
{
    std::string text;
    const int count = 100000;
    for (int i = 0; i < count; ++i)
        text += "Player " + std::to_string(i) + "\n3 " + std::to_string(i % 997) + " 2\n";
    mFolder.Write("highscore.txt", text);
    GlHighScoreTable table;
    table.LoadHighScoreList();
    ASSERT_EQ(table.Entries().size(), static_cast<size_t>(count));
    EXPECT_FALSE(table.HadUnreadableParts());
    EXPECT_EQ(table.Entries()[0].name, "Player 996");
    EXPECT_EQ(table.Entries()[1].name, "Player 1993");
    const std::string log = Log();
    EXPECT_EQ(std::count(log.begin(), log.end(), '\n'), count);
    EXPECT_EQ(log.rfind("GlHighScore::LoadHighScoreList Player 996 3 996 2 \n", 0), 0u);
}

} // namespace
