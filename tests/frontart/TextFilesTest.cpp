// credits.txt and the starting highscore.txt: the formats the game reads, and what a rebuild keeps.
#include "DistMedia.h"
#include "TempFolder.h"

#include <gtest/gtest.h>

#include <cctype>
#include <cstdlib>
#include <sstream>

namespace {

using namespace frontart;

struct Entry {
    std::string name;
    int level = 0, score = 0, delivered = 0;
};

// Reads the list strictly: a name line, then exactly "level score delivered" and a line end.
std::vector<Entry> ParseScores(const std::string& text)
{
    const std::vector<std::string> lines = EndedLines(text);
    if (lines.size() % 2 != 0) throw std::runtime_error("a name without its numbers");
    std::vector<Entry> entries;
    for (size_t i = 0; i < lines.size(); i += 2) {
        Entry e;
        e.name = lines[i];
        std::istringstream numbers(lines[i + 1]);
        std::string rest;
        if (!(numbers >> e.level >> e.score >> e.delivered) || (numbers >> rest))
            throw std::runtime_error("bad number line: " + lines[i + 1]);
        if (lines[i + 1] != std::to_string(e.level) + " " + std::to_string(e.score) + " " + std::to_string(e.delivered))
            throw std::runtime_error("numbers not separated by single blanks: " + lines[i + 1]);
        entries.push_back(e);
    }
    return entries;
}

TEST(TextFiles, CreditsAreWholeLinesThatFitTheScreen)
{
    const std::string text = ReadText(DistPath("credits.txt"));
    ASSERT_FALSE(text.empty());
    // The game drops a last line without a line end.
    EXPECT_EQ(text.back(), '\n');
    const Alphabet b = ReadAlphabet("Alphabets\\Font_B.spx", "Alphabets\\FontABC.desc");
    const std::vector<std::string> lines = EndedLines(text);
    EXPECT_GE(lines.size(), 10u);
    for (const std::string& line : lines) {
        EXPECT_LE(line.size(), 255u);
        EXPECT_EQ(line.find('\r'), std::string::npos);
        // Centred on x 320 in the highlight face.
        EXPECT_LE(b.TextWidth(line), 620) << line;
        for (char c : line) EXPECT_TRUE(b.Has(c)) << "'" << c << "' in " << line;
    }
}

TEST(TextFiles, StartingScoresFollowTheListFormat)
{
    const std::string text = ReadText(DistPath("highscore.txt"));
    ASSERT_FALSE(text.empty());
    EXPECT_EQ(text.back(), '\n') << "the last entry would not be read";
    const std::vector<Entry> entries = ParseScores(text);
    ASSERT_EQ(entries.size(), 5u);
    const Alphabet c = ReadAlphabet("Alphabets\\Font_C.spx", "Alphabets\\FontABC.desc");
    int glimmers = 0;
    for (size_t i = 0; i < entries.size(); ++i) {
        const Entry& e = entries[i];
        glimmers += e.name == "Glimmer";
        if (i > 0) {
            EXPECT_GE(entries[i - 1].score, e.score) << "not sorted by score";
        }
        EXPECT_GE(e.level, 1);
        EXPECT_GE(e.delivered, 0);
        EXPECT_FALSE(e.name.empty());
        // Such names as a player could type: letters and blanks, within the 164-pixel limit.
        for (char ch : e.name) EXPECT_TRUE(std::isalpha(uint8_t(ch)) || ch == ' ') << e.name;
        EXPECT_LE(c.TextWidth(e.name), 164) << e.name;
    }
    EXPECT_EQ(glimmers, 1);
}

#ifdef MEDIAGEN_PROGRAM
int RunGenerator(const std::string& folder, const std::string& groups)
{
    return std::system((std::string(MEDIAGEN_PROGRAM) + " '" + folder + "' --only " + groups + " > /dev/null").c_str());
}

TEST(TextFiles, RebuildingKeepsThePlayersScoresButRenewsTheCredits)
{
    TempFolder folder;
    ASSERT_EQ(RunGenerator(folder.Path(), "front-text"), 0);
    const std::string credits = folder.Read("credits.txt");
    ASSERT_EQ(ParseScores(folder.Read("highscore.txt")).size(), 5u);

    const std::string played = "Tess\n2 5000 3\n";
    folder.Write("highscore.txt", played);
    folder.Write("credits.txt", "stale\n");
    ASSERT_EQ(RunGenerator(folder.Path(), "front-text"), 0);
    EXPECT_EQ(folder.Read("highscore.txt"), played);
    EXPECT_EQ(folder.Read("credits.txt"), credits);
}

TEST(TextFiles, FrontEndMediaIsTheSameOnEveryRun)
{
    TempFolder first, second;
    const std::string groups = "front-fonts front-text front-highscore";
    ASSERT_EQ(RunGenerator(first.Path(), groups), 0);
    ASSERT_EQ(RunGenerator(second.Path(), groups), 0);
    for (const char* name : {"_media/Alphabets/Font_A.spx", "_media/Alphabets/Font_E.spx",
                             "_media/Alphabets/FontABC.desc", "_media/menus/score_coin.spx",
                             "_media/menus/highscore_bg.bmp", "credits.txt", "highscore.txt"}) {
        EXPECT_FALSE(first.Read(name).empty()) << name;
        EXPECT_EQ(first.Read(name), second.Read(name)) << name;
    }
}
#endif

} // namespace
