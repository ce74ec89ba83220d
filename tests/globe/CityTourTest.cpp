// The tour: its size by level, its cities per face, the draw and refill, the order the selection walks.
#include "GlCityTour.h"
#include "GlRandom.h"
#include "PlayerRecord.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <sstream>
#include <string>

namespace {

CityEntry City(int number, int face, int flagX)
{
    CityEntry city;
    city.name = "City " + std::to_string(number);
    city.description = "Land " + std::to_string(number);
    city.pictureFile = "city_" + std::to_string(number) + ".spx";
    city.face = face;
    city.flagX = flagX;
    city.cityNumber = number;
    return city;
}

// perFace cities on each face, flags spread between the arrows.
PlayerRecord RecordWithTable(std::array<int, 4> perFace, int level)
{
    PlayerRecord player;
    player.level = level;
    std::vector<CityEntry> cities;
    int number = 1;
    for (int face = 0; face < 4; ++face)
        for (int i = 0; i < perFace[face]; ++i, ++number)
            cities.push_back(City(number, face, 200 + 20 * i));
    GlCityTour::FillTable(player, cities);
    return player;
}

int CitiesOn(const std::vector<CityEntry>& face)
{
    return static_cast<int>(std::count_if(face.begin(), face.end(), GlCityTour::IsCity));
}

TEST(CityTourTest, TourSizeAndCitiesPerFaceByLevel)
{
    struct Case {
        int level, size;
        std::array<int, 4> perFace;
    };
    const Case cases[] = {{1, 4, {1, 1, 1, 1}},   {2, 6, {2, 2, 1, 1}},   {3, 9, {3, 2, 2, 2}},
                          {4, 12, {3, 3, 3, 3}},  {5, 15, {4, 4, 4, 3}},  {7, 15, {4, 4, 4, 3}},
                          {0, 15, {4, 4, 4, 3}}};
    for (const Case& c : cases) {
        GlResetRandom();
        PlayerRecord player = RecordWithTable({6, 7, 7, 7}, c.level);
        player.deliveredCount = 3;
        std::ostringstream log;
        ASSERT_TRUE(GlCityTour::BuildIfEmpty(player, log));
        EXPECT_EQ(player.tourSize, c.size) << c.level;
        EXPECT_EQ(player.deliveredCount, 0);
        for (int face = 0; face < 4; ++face) {
            const auto& list = player.tourLists[face];
            EXPECT_EQ(CitiesOn(list), c.perFace[face]) << "level " << c.level << " face " << face;
            EXPECT_EQ(list.size(), static_cast<size_t>(c.perFace[face] + 3));
            // Every city is of this face, appears once, and starts undelivered.
            for (const CityEntry& entry : list) {
                EXPECT_EQ(std::count(list.begin(), list.end(), entry), 1);
                if (GlCityTour::IsCity(entry)) {
                    EXPECT_EQ(entry.face, face);
                    EXPECT_FALSE(entry.done);
                }
            }
        }
        EXPECT_EQ(log.str(), "");
    }
}

TEST(CityTourTest, ATourInProgressIsKept)
{
    PlayerRecord player = RecordWithTable({6, 7, 7, 7}, 1);
    std::ostringstream log;
    ASSERT_TRUE(GlCityTour::BuildIfEmpty(player, log));
    const auto before = player.tourLists;
    player.level = 5;
    player.deliveredCount = 2;
    EXPECT_FALSE(GlCityTour::BuildIfEmpty(player, log));
    EXPECT_EQ(player.tourSize, 4);
    EXPECT_EQ(player.deliveredCount, 2);
    for (int face = 0; face < 4; ++face)
        EXPECT_EQ(player.tourLists[face], before[face]);
}

TEST(CityTourTest, DrawUsesEveryCityBeforeRepeatingAndNeverOneAlreadyOnTheFace)
{
    GlResetRandom();
    PlayerRecord player = RecordWithTable({2, 3, 0, 0}, 1);
    // Three draws on a face of three: three different cities.
    std::vector<int> drawn;
    for (int i = 0; i < 3; ++i) {
        CityEntry* city = GlCityTour::DrawCity(player, 1);
        ASSERT_NE(city, nullptr);
        drawn.push_back(city->cityNumber);
        player.tourLists[1].push_back(*city);
    }
    std::sort(drawn.begin(), drawn.end());
    EXPECT_EQ(drawn, (std::vector<int>{3, 4, 5}));
    // All are drawn and all are on the face: nothing is left to give.
    EXPECT_EQ(GlCityTour::DrawCity(player, 1), nullptr);
    // Once the face list is emptied (a new tour), the table refills.
    player.tourLists[1].clear();
    EXPECT_NE(GlCityTour::DrawCity(player, 1), nullptr);
    EXPECT_EQ(GlCityTour::DrawCity(player, 2), nullptr);
}

TEST(CityTourTest, AShortFaceGivesASmallerTourAndOneLogLine)
{
    GlResetRandom();
    PlayerRecord player = RecordWithTable({4, 4, 4, 1}, 5);
    std::ostringstream log;
    ASSERT_TRUE(GlCityTour::BuildIfEmpty(player, log));
    EXPECT_EQ(CitiesOn(player.tourLists[3]), 1);
    EXPECT_EQ(player.tourSize, 13);
    EXPECT_EQ(log.str(), "GlNavigation::LoadCityData - face 3 has too few cities for a tour of 15.\n");

    // Without a table at all: only the North Pole and the arrows on every face.
    PlayerRecord empty;
    std::ostringstream emptyLog;
    ASSERT_TRUE(GlCityTour::BuildIfEmpty(empty, emptyLog));
    EXPECT_EQ(empty.tourSize, 0);
    for (const auto& face : empty.tourLists)
        ASSERT_EQ(face.size(), 3u);
}

TEST(CityTourTest, FacesSortByFlagXWithCitiesOutsideTheArrows)
{
    std::vector<CityEntry> face = {City(1, 0, 300), City(2, 0, 141), City(3, 0, 457), City(4, 0, 460),
                                   City(5, 0, 100)};
    face.push_back(GlCityTour::NorthPole());
    face.push_back(GlCityTour::GoLeft());
    face.push_back(GlCityTour::GoRight());
    GlCityTour::SortFace(face);
    std::vector<std::string> order;
    for (const CityEntry& entry : face)
        order.push_back(entry.name);
    // Equal x keeps the order of arrival: the city of x 141 came before "Go Left".
    EXPECT_EQ(order, (std::vector<std::string>{"City 5", "City 2", "Go Left", "City 1", "North Pole", "City 3",
                                               "Go Right", "City 4"}));
}

TEST(CityTourTest, BuiltInEntriesAndFaceFrames)
{
    const CityEntry& pole = GlCityTour::NorthPole();
    EXPECT_EQ(pole.description, "Arctic Circle");
    EXPECT_EQ(pole.face, -1);
    EXPECT_EQ(pole.ringX, 319);
    EXPECT_EQ(pole.ringY, 168);
    EXPECT_EQ(pole.pictureX, 103);
    EXPECT_EQ(pole.pictureY, 165);
    EXPECT_EQ(GlCityTour::GoRight().flagX, 457);
    EXPECT_EQ(GlCityTour::GoLeft().flagX, 141);
    EXPECT_TRUE(GlCityTour::IsArrow(GlCityTour::GoLeft()));
    EXPECT_FALSE(GlCityTour::IsCity(pole));
    // A city that happens to be called "North Pole" is still a city.
    CityEntry namesake = City(9, 2, 300);
    namesake.name = "North Pole";
    namesake.description = "Arctic Circle";
    EXPECT_FALSE(GlCityTour::IsNorthPole(namesake));
    EXPECT_EQ(GlCityTour::FaceFrame(0), 21);
    EXPECT_EQ(GlCityTour::FaceFrame(1), 0);
    EXPECT_EQ(GlCityTour::FaceFrame(2), 7);
    EXPECT_EQ(GlCityTour::FaceFrame(3), 14);
}

} // namespace
