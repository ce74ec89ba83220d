// How the ride's cities are put together: which building pictures each region of the world has,
// and what each city's file lists. Shared by the city art groups.
#pragma once

#include "WorldCities.h"

#include <string>

namespace mediagen {

constexpr int kRegionCount = 9;
// Far-row pictures "b_N.bmp": region r owns N = r x 20 ... r x 20 + 11.
constexpr int kFarKinds = 12;
constexpr int kFarStride = 20;
// Near-row pictures "t_N.bmp": region r owns N = r x 5 ... r x 5 + 4.
constexpr int kNearKinds = 5;
// Drifting cloud pairs "cloud_Na.bmp" / "cloud_Nb.bmp", N = 0 .. 7.
constexpr int kCloudPairs = 8;
// Where the waiting child stands, inside the circle at (0, 283).
constexpr int kChildX = 36;
constexpr int kChildY = 318;
// The landmark's foot hides behind the far buildings at this height.
constexpr int kLandmarkFoot = 370;

inline int RegionIndex(WorldRegion region) { return static_cast<int>(region); }
inline int FarPicture(int region, int kind) { return region * kFarStride + kind; }
inline int NearPicture(int region, int kind) { return region * kNearKinds + kind; }

// True for the regions where it snows at Christmas.
inline bool SnowyRegion(int region)
{
    const WorldRegion r = static_cast<WorldRegion>(region);
    return r == WorldRegion::Europe || r == WorldRegion::Russia || r == WorldRegion::EastAsia ||
           r == WorldRegion::NorthAmerica;
}

// Size of a far building picture and of a near one (the art and the city files agree on it).
struct PictureSize {
    int width;
    int height;
};
PictureSize FarPictureSize(int region, int kind);
PictureSize NearPictureSize(int region, int kind);
// Size of a city's landmark picture.
PictureSize LandmarkSize(int cityNumber);

// The text of "act2\config\city_N.txt" for one city.
std::string CityFileText(const WorldCity& city);

} // namespace mediagen
