// Drawing the tour of a level from the master city table.
#include "GlCityTour.h"

#include "GlRandom.h"

#include <algorithm>
#include <array>

namespace {

CityEntry BuiltIn(const char* name, const char* description, int32_t flagX, int32_t flagY, int32_t ringX,
                  int32_t ringY, int32_t pictureX, int32_t pictureY, const char* pictureFile)
{
    CityEntry entry;
    entry.name = name;
    entry.description = description;
    entry.pictureFile = pictureFile;
    entry.face = -1;
    entry.flagX = flagX;
    entry.flagY = flagY;
    entry.ringX = ringX;
    entry.ringY = ringY;
    entry.corner = 0;
    entry.pictureX = pictureX;
    entry.pictureY = pictureY;
    entry.cityNumber = 0;
    return entry;
}

bool IsBuiltIn(const CityEntry& entry, const CityEntry& builtIn)
{
    return entry.face == -1 && entry == builtIn;
}

bool OnFace(const std::vector<CityEntry>& face, const CityEntry& city)
{
    return std::find(face.begin(), face.end(), city) != face.end();
}

} // namespace

const CityEntry& GlCityTour::NorthPole()
{
    static const CityEntry entry = BuiltIn("North Pole", "Arctic Circle", 310, 10, 319, 168, 103, 165,
                                           "navig\\city_30.spx");
    return entry;
}

const CityEntry& GlCityTour::GoRight()
{
    static const CityEntry entry = BuiltIn("Go Right", "", 457, 261, 0, 0, 0, 0, "navig\\Arrow_02.spx");
    return entry;
}

const CityEntry& GlCityTour::GoLeft()
{
    static const CityEntry entry = BuiltIn("Go Left", "", 141, 255, 0, 0, 0, 0, "navig\\Arrow_01.spx");
    return entry;
}

bool GlCityTour::IsNorthPole(const CityEntry& entry)
{
    return IsBuiltIn(entry, NorthPole());
}

bool GlCityTour::IsGoLeft(const CityEntry& entry)
{
    return IsBuiltIn(entry, GoLeft());
}

bool GlCityTour::IsGoRight(const CityEntry& entry)
{
    return IsBuiltIn(entry, GoRight());
}

void GlCityTour::FillTable(PlayerRecord& player, const std::vector<CityEntry>& cities)
{
    for (std::size_t slot = 0; slot < player.cityTable.size(); ++slot) {
        player.cityTable[slot] = slot < cities.size() ? cities[slot] : CityEntry();
        player.cityTable[slot].done = false;
    }
}

int32_t GlCityTour::TableSize(const PlayerRecord& player)
{
    int32_t size = 0;
    while (size < static_cast<int32_t>(player.cityTable.size()) && player.cityTable[size].cityNumber > 0)
        ++size;
    return size;
}

CityEntry* GlCityTour::DrawCity(PlayerRecord& player, int32_t face)
{
    const int32_t tableSize = TableSize(player);
    std::vector<CityEntry*> gathered;
    auto gather = [&]() {
        gathered.clear();
        for (int32_t slot = 0; slot < tableSize; ++slot) {
            CityEntry& city = player.cityTable[slot];
            if (city.face == face && !city.done)
                gathered.push_back(&city);
        }
    };
    gather();
    if (gathered.empty()) {
        const std::vector<CityEntry>& list = player.tourLists[face];
        for (int32_t slot = 0; slot < tableSize; ++slot) {
            CityEntry& city = player.cityTable[slot];
            if (city.face == face && !OnFace(list, city))
                city.done = false;
        }
        gather();
    }
    if (gathered.empty())
        return nullptr;
    CityEntry* city = gathered[GlRandomMod(static_cast<int32_t>(gathered.size()))];
    city->done = true;
    return city;
}

bool GlCityTour::BuildIfEmpty(PlayerRecord& player, std::ostream& log)
{
    for (const std::vector<CityEntry>& face : player.tourLists) {
        if (!face.empty())
            return false;
    }
    const int32_t size = TourSizeForLevel(player.level);
    player.deliveredCount = 0;
    player.tourSize = 0;
    player.chosenEntry = nullptr;
    std::array<bool, PlayerRecord::kGlobeFaces> shortLogged{};
    for (int32_t i = 0; i < size; ++i) {
        const int32_t face = i % PlayerRecord::kGlobeFaces;
        CityEntry* city = DrawCity(player, face);
        if (city == nullptr) {
            // The list has too few cities on this face for a tour this long: the
            // face gets what there is rather than a draw that never ends.
            if (!shortLogged[face]) {
                log << "GlNavigation::LoadCityData - face " << face << " has too few cities for a tour of " << size
                    << ".\n"
                    << std::flush;
                shortLogged[face] = true;
            }
            continue;
        }
        CityEntry entry = *city;
        entry.done = false;
        entry.picture = nullptr;
        player.tourLists[face].push_back(entry);
        ++player.tourSize;
    }
    for (std::vector<CityEntry>& face : player.tourLists) {
        face.push_back(NorthPole());
        face.push_back(GoLeft());
        face.push_back(GoRight());
        SortFace(face);
    }
    return true;
}

void GlCityTour::SortFace(std::vector<CityEntry>& face)
{
    std::stable_sort(face.begin(), face.end(),
                     [](const CityEntry& a, const CityEntry& b) { return a.flagX < b.flagX; });
}

int32_t GlCityTour::FaceFrame(int32_t face)
{
    static constexpr std::array<int32_t, PlayerRecord::kGlobeFaces> kFrames = {21, 0, 7, 14};
    return face >= 0 && face < PlayerRecord::kGlobeFaces ? kFrames[face] : 0;
}
