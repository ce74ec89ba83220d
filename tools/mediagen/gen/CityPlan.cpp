// Picture sizes of the ride's cities and the city files that line them up.
#include "CityPlan.h"

#include "art/ArtRandom.h"

#include <sstream>

namespace mediagen {
namespace {

struct SizeRange {
    int minWidth, maxWidth, minHeight, maxHeight;
};

// By region, in WorldRegion order: the skylines differ in how wide and tall they run.
const SizeRange kFarRanges[kRegionCount] = {
    {62, 100, 130, 215}, // Europe: narrow gabled town houses
    {84, 130, 140, 235}, // Russia: broad blocks
    {70, 130, 100, 230}, // Africa: low houses and a few offices
    {62, 110, 100, 200}, // Middle East: flat roofs, domes, minarets
    {62, 110, 110, 210}, // South Asia
    {60, 110, 150, 300}, // East Asia: towers
    {60, 120, 120, 280}, // Oceania
    {60, 120, 160, 320}, // North America: skyscrapers
    {72, 120, 110, 190}, // Latin America: colonial fronts
};

const int kFarPerCity = 95;
const int kNearPerCity = 70;

} // namespace

PictureSize FarPictureSize(int region, int kind)
{
    ArtRandom random(static_cast<uint32_t>(7001 + region * 131 + kind * 17));
    const SizeRange& range = kFarRanges[region % kRegionCount];
    // Every fourth kind of a region is one of its tallest: a skyline needs a few peaks.
    const bool peak = kind % 4 == 3;
    const int width = range.minWidth + random.Below(range.maxWidth - range.minWidth + 1);
    const int low = peak ? (range.minHeight + range.maxHeight) / 2 : range.minHeight;
    const int height = low + random.Below(range.maxHeight - low + 1);
    return {width, height};
}

PictureSize NearPictureSize(int region, int kind)
{
    ArtRandom random(static_cast<uint32_t>(9103 + region * 71 + kind * 13));
    return {56 + random.Below(50), 56 + random.Below(50)};
}

PictureSize LandmarkSize(int cityNumber)
{
    switch (cityNumber) {
    case 2: return {220, 330};  // lattice tower
    case 3: return {360, 170};  // arena
    case 4: return {300, 190};  // gate
    case 5: return {300, 260};  // domes
    case 6: return {380, 200};  // pyramids
    case 7: return {300, 240};  // acacia and giraffe
    case 8: return {320, 240};  // domed palace
    case 15: return {380, 180}; // opera house
    case 18: return {420, 250}; // mountain
    case 21: return {420, 240}; // bridge
    case 24: return {340, 190}; // stepped pyramid
    case 25: return {300, 300}; // statue on the mountain
    case 27: return {360, 240}; // mountain ruins
    case 17: return {400, 220}; // volcano and palms
    case 19: return {300, 180}; // hut on stilts
    default: break;
    }
    return {220, 300};
}

std::string CityFileText(const WorldCity& city)
{
    const int region = RegionIndex(city.region);
    const PictureSize landmark = LandmarkSize(city.number);
    ArtRandom random(static_cast<uint32_t>(city.number * 977 + 13));
    std::ostringstream text;
    // Comments are plain words to the game, so they must never hold a keyword.
    text << "# " << city.name << ", " << city.description << "\n";
    text << "sky " << city.number << "\n";
    text << "landmark " << city.number << " " << (kLandmarkFoot - landmark.height) << "\n";
    text << "child " << city.number << " " << kChildX << " " << kChildY << "\n";
    for (int k = 0; k < 3; ++k)
        text << "cloud " << (city.number + k * 3) % kCloudPairs << "\n";
    text << "house " << city.number << "\n";
    int previous = -1;
    for (int i = 0; i < kFarPerCity; ++i) {
        int kind = random.Below(kFarKinds);
        if (kind == previous)
            kind = (kind + 5) % kFarKinds;
        previous = kind;
        text << "b " << FarPicture(region, kind) << " " << (random.Below(22) - 4) << "\n";
    }
    text << "near\n";
    for (int i = 0; i < kNearPerCity; ++i)
        text << "t " << NearPicture(region, random.Below(kNearKinds)) << " " << (30 + random.Below(110)) << "\n";
    return text.str();
}

} // namespace mediagen
