// The city list's reader: what it keeps, what it skips and what it logs.
#include "GlCityListReader.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>

namespace {

std::string CityLine(int number, int face = 1, const std::string& rest = "Paris,France")
{
    return "city " + std::to_string(face) + " 300 200 290 210 2 488 165 city_" + std::to_string(number) + ".spx " +
           std::to_string(number) + " " + rest + "\n";
}

TEST(CityListReaderTest, ReadsFieldsNameAndDescription)
{
    std::ostringstream log;
    const std::string text = "# places of the globe\n" + CityLine(2) + "city 0 150 160 140 150 4 106 355 city_9.spx 9 "
                             "  Lima\r\n";
    const auto cities = GlCityListReader::Read(text, log);
    ASSERT_EQ(cities.size(), 2u);
    const CityEntry& paris = cities[0];
    EXPECT_EQ(paris.face, 1);
    EXPECT_EQ(paris.flagX, 300);
    EXPECT_EQ(paris.flagY, 200);
    EXPECT_EQ(paris.ringX, 290);
    EXPECT_EQ(paris.ringY, 210);
    EXPECT_EQ(paris.corner, 1); // the file counts corners from 1
    EXPECT_EQ(paris.pictureX, 488);
    EXPECT_EQ(paris.pictureY, 165);
    EXPECT_EQ(paris.pictureFile, "city_2.spx");
    EXPECT_EQ(paris.cityNumber, 2);
    EXPECT_EQ(paris.name, "Paris");
    EXPECT_EQ(paris.description, "France");
    EXPECT_FALSE(paris.done);
    // No comma: the whole rest is the name; the CR of a Windows line end is not part of it.
    EXPECT_EQ(cities[1].name, "Lima");
    EXPECT_EQ(cities[1].description, "");
    EXPECT_EQ(cities[1].corner, 3);
    EXPECT_EQ(log.str(), "");
}

TEST(CityListReaderTest, ANameMayStandOnTheLineAfterItsNumbers)
{
    std::ostringstream log;
    const auto cities = GlCityListReader::Read("city 1 300 200 290 210 2 488 165 city_4.spx 4\r\n  Oslo,Norway\n" +
                                                   CityLine(5),
                                               log);
    ASSERT_EQ(cities.size(), 2u);
    EXPECT_EQ(cities[0].name, "Oslo");
    EXPECT_EQ(cities[0].description, "Norway");
    EXPECT_EQ(cities[1].cityNumber, 5);
}

TEST(CityListReaderTest, SplitsAtTheFirstCommaAndKeepsAtMost255Characters)
{
    std::ostringstream log;
    const std::string longName(300, 'x');
    const auto cities =
        GlCityListReader::Read(CityLine(1, 1, "Rio, de, Janeiro") + CityLine(2, 1, longName) + CityLine(3), log);
    ASSERT_EQ(cities.size(), 3u);
    EXPECT_EQ(cities[0].name, "Rio");
    EXPECT_EQ(cities[0].description, " de, Janeiro");
    EXPECT_EQ(cities[1].name.size(), 255u);
    // The surplus of a long line does not leak into the next record.
    EXPECT_EQ(cities[2].cityNumber, 3);
}

TEST(CityListReaderTest, StopsAtTheTwentyEighthCity)
{
    std::string text;
    for (int number = 1; number <= 28; ++number)
        text += CityLine(number);
    std::ostringstream log;
    const auto cities = GlCityListReader::Read(text, log);
    EXPECT_EQ(cities.size(), 27u);
    EXPECT_EQ(cities.back().cityNumber, 27);
    EXPECT_EQ(log.str(), "GlNavigation::LoadCityData there are too many cities!!!!\n");

    // Exactly 27 is no complaint.
    std::ostringstream quiet;
    text.resize(text.rfind("city "));
    EXPECT_EQ(GlCityListReader::Read(text, quiet).size(), 27u);
    EXPECT_EQ(quiet.str(), "");
}

TEST(CityListReaderTest, SkipsEntriesWithMissingOrHostileNumbers)
{
    const std::string bad[] = {
        "city 1 300 200\n",                                                     // cut short by the next record
        "city 4 300 200 290 210 2 488 165 a.spx 5 Face,out of range\n",         // face 4
        "city 1 300 200 290 210 0 488 165 a.spx 5 Corner,zero\n",               // corner 0
        "city 1 300 200 290 210 5 488 165 a.spx 5 Corner,five\n",               // corner 5
        "city 1 99999999999 200 290 210 2 488 165 a.spx 5 Huge,number\n",       // past 32 bits
        "city 1 -5 200 290 210 2 488 165 a.spx 5 Off,screen\n",                 // off the screen
        "city 1 300 2x0 290 210 2 488 165 a.spx 5 Not,a number\n",              // not a number
        "city 1 300 200 290 210 2 488 165 a.spx -3 Negative,number\n",          // city number
        "city 1 300 200 290 210 2 488 165 a.spx\n",                             // number missing at the end
    };
    for (const std::string& line : bad) {
        std::ostringstream log;
        const auto cities = GlCityListReader::Read(line + CityLine(7), log);
        ASSERT_EQ(cities.size(), 1u) << line;
        EXPECT_EQ(cities[0].cityNumber, 7) << line;
        EXPECT_NE(log.str().find("GlNavigation::LoadCityData - skipped city 1"), std::string::npos) << line;
    }
}

TEST(CityListReaderTest, EmptyAndWordyTextsGiveNoCities)
{
    std::ostringstream log;
    EXPECT_TRUE(GlCityListReader::Read("", log).empty());
    EXPECT_TRUE(GlCityListReader::Read("cities Paris London\n# cityscape\n", log).empty());
    EXPECT_TRUE(GlCityListReader::Read("city", log).empty());
}

} // namespace
