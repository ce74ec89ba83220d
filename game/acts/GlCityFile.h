// The sleigh ride's city file read into an ordered list of items; plain text in, no media touched.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

struct GlCityItem {
    enum Kind : int32_t { kChild, kCloud, kHouse, kLandmark, kSky, kTower, kBuilding, kNear };
    Kind kind = kNear;
    // The keyword's whole-number operands in file order; unused ones stay 0.
    int32_t a = 0;
    int32_t b = 0;
    int32_t c = 0;
};

class GlCityFile {
public:
    // The building caches of the ride: "t" 0..49, "b" 0..199, "house" 0..49.
    static constexpr int32_t kTowerCacheSize = 50;
    static constexpr int32_t kBuildingCacheSize = 200;
    static constexpr int32_t kHouseCacheSize = 50;
    // No city needs more; a bigger file is cut there so a hostile one cannot eat the memory.
    static constexpr size_t kMaxItems = 4096;
    static constexpr size_t kMaxProblems = 16;

    // Whitespace-separated tokens; a token that is not a keyword is skipped. A keyword
    // whose operands are missing or not whole numbers of 32 bits is dropped (noted), and
    // the token that stopped it is read again as a possible keyword. Cache indexes
    // outside their cache are dropped too.
    void Parse(const std::string& text);

    const std::vector<GlCityItem>& Items() const { return mItems; }
    // One line of explanation per dropped item, without line ends; at most kMaxProblems.
    const std::vector<std::string>& Problems() const { return mProblems; }

private:
    void Note(const std::string& problem);

    std::vector<GlCityItem> mItems;
    std::vector<std::string> mProblems;
};
