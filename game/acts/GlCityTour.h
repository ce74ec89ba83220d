// The tour of a level: which cities of the master table each globe face carries, in the order the selection walks them.
#pragma once

#include "CityEntry.h"
#include "PlayerRecord.h"

#include <cstdint>
#include <ostream>
#include <vector>

class GlCityTour {
public:
    // The three entries every face carries besides its cities.
    static const CityEntry& NorthPole();
    static const CityEntry& GoRight();
    static const CityEntry& GoLeft();
    static bool IsNorthPole(const CityEntry& entry);
    static bool IsGoLeft(const CityEntry& entry);
    static bool IsGoRight(const CityEntry& entry);
    static bool IsArrow(const CityEntry& entry) { return IsGoLeft(entry) || IsGoRight(entry); }
    static bool IsCity(const CityEntry& entry) { return entry.face >= 0; }

    // Puts the read cities into the master table, in order, done cleared;
    // the slots after them are emptied.
    static void FillTable(PlayerRecord& player, const std::vector<CityEntry>& cities);
    // The filled slots of the master table are the leading ones with a city number.
    static int32_t TableSize(const PlayerRecord& player);

    // With all four face lists empty, draws a new tour of the level's size
    // (city i on face i mod 4), adds the three built-in entries to every face
    // and sorts each face; answers whether it built one. A face whose cities
    // run out gets fewer (logged once) and tourSize counts what was drawn.
    static bool BuildIfEmpty(PlayerRecord& player, std::ostream& log);

    // A city of face f from the master table: one not yet drawn, or when all
    // are, one not already on the face; null when the face has none to give.
    static CityEntry* DrawCity(PlayerRecord& player, int32_t face);

    // By flag x, ascending; entries with the same x keep their order.
    static void SortFace(std::vector<CityEntry>& face);

    // The globe sprite's frame that shows face 0..3 (7 frames a face, 28 in all).
    static int32_t FaceFrame(int32_t face);
    static constexpr int32_t kGlobeFrames = 28;
    static constexpr int32_t kFramesPerFace = 7;
};
