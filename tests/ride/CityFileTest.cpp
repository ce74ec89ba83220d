// The city file reader on its own: keywords, operands, hostile numbers and words it must skip.
#include "GlCityFile.h"

#include <gtest/gtest.h>

#include <string>

namespace {

GlCityFile Parsed(const std::string& text)
{
    GlCityFile file;
    file.Parse(text);
    return file;
}

TEST(CityFileTest, EveryKeywordWithItsOperandsInFileOrder)
{
    const GlCityFile file = Parsed("sky 3\nlandmark 4 120\nchild 5 36 318\ncloud 2\nhouse 7\n"
                                   "b 12 -4\tt 3 40\nnear\nt 49 0\nb 199 8\n");
    const auto& items = file.Items();
    ASSERT_EQ(items.size(), 10u);
    EXPECT_EQ(items[0].kind, GlCityItem::kSky);
    EXPECT_EQ(items[0].a, 3);
    EXPECT_EQ(items[1].kind, GlCityItem::kLandmark);
    EXPECT_EQ(items[1].b, 120);
    EXPECT_EQ(items[2].kind, GlCityItem::kChild);
    EXPECT_EQ(items[2].c, 318);
    EXPECT_EQ(items[5].kind, GlCityItem::kBuilding);
    EXPECT_EQ(items[5].b, -4);
    EXPECT_EQ(items[6].kind, GlCityItem::kTower);
    EXPECT_EQ(items[7].kind, GlCityItem::kNear);
    EXPECT_EQ(items[9].a, 199);
    EXPECT_TRUE(file.Problems().empty());
}

TEST(CityFileTest, UnknownWordsAndCommentsAreSkippedButKeywordsInsideThemAreNot)
{
    // The file has no comments: a keyword in a "comment" is a keyword.
    const GlCityFile file = Parsed("# London, a city b 1 2 with Sky 4 and B 5 5 ; b\n");
    ASSERT_EQ(file.Items().size(), 1u);
    EXPECT_EQ(file.Items()[0].a, 1);
    EXPECT_EQ(file.Problems().size(), 1u); // the last "b" has nothing after it
}

TEST(CityFileTest, MissingOrBrokenOperandsDropTheKeywordAndTheNextWordIsReadAgain)
{
    const GlCityFile file = Parsed("house sky 2 b 4 x t 1 2 child 1 2");
    // "house" meets "sky", which is then read as a keyword; "b 4 x" loses its gap;
    // "child" runs out of tokens.
    ASSERT_EQ(file.Items().size(), 2u);
    EXPECT_EQ(file.Items()[0].kind, GlCityItem::kSky);
    EXPECT_EQ(file.Items()[0].a, 2);
    EXPECT_EQ(file.Items()[1].kind, GlCityItem::kTower);
    EXPECT_EQ(file.Problems().size(), 3u);
}

TEST(CityFileTest, HostileNumbersAreNotNumbers)
{
    for (const char* text : {"b 99999999999 0", "b 1 2147483648", "b 0x10 0", "b 1e3 0", "b 5 +", "b 3 4abc",
                             "b -2147483649 0", "b 1 --3"}) {
        const GlCityFile file = Parsed(text);
        EXPECT_TRUE(file.Items().empty()) << text;
    }
    const GlCityFile edges = Parsed("b 1 -2147483648 b 2 2147483647 b +3 0");
    ASSERT_EQ(edges.Items().size(), 3u);
    EXPECT_EQ(edges.Items()[0].b, INT32_MIN);
    EXPECT_EQ(edges.Items()[1].b, INT32_MAX);
    EXPECT_EQ(edges.Items()[2].a, 3);
}

TEST(CityFileTest, IndexesOutsideTheCachesAreDropped)
{
    const GlCityFile file = Parsed("b 200 0 b -1 0 t 50 0 house 50 house -3 b 0 0 t 49 0 house 49 sky -5");
    ASSERT_EQ(file.Items().size(), 4u);
    EXPECT_EQ(file.Items()[0].kind, GlCityItem::kBuilding);
    EXPECT_EQ(file.Items()[1].kind, GlCityItem::kTower);
    EXPECT_EQ(file.Items()[2].kind, GlCityItem::kHouse);
    // Pictures named by other keywords are looked up by name and may simply be missing.
    EXPECT_EQ(file.Items()[3].a, -5);
}

TEST(CityFileTest, BinaryJunkIsSafeAndTheItemsAreBounded)
{
    std::string junk("b\0 1 2 \xff\xfe b 1\0 2 b 3 4", 22);
    const GlCityFile file = Parsed(junk);
    ASSERT_EQ(file.Items().size(), 1u);
    EXPECT_EQ(file.Items()[0].a, 3);

    std::string huge;
    for (int i = 0; i < 5000; ++i)
        huge += "b 1 1 ";
    const GlCityFile big = Parsed(huge);
    EXPECT_EQ(big.Items().size(), GlCityFile::kMaxItems);
    EXPECT_LE(big.Problems().size(), GlCityFile::kMaxProblems);
    EXPECT_TRUE(Parsed("").Items().empty());
}

} // namespace
