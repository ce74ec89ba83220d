// A snowy Earth seen from a little above the equator: continents drawn from coarse coastlines, lit from the upper left.
#include "NavigationGlobe.h"

#include "paint/Canvas.h"
#include "paint/GamePalette.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace mediagen {
namespace {

constexpr double kPi = 3.14159265358979;
constexpr double kDegree = kPi / 180.0;
// The north pole leans towards the viewer, so the pole (and its cloud) stay in sight.
constexpr double kTilt = 25.0 * kDegree;
constexpr int kMaskPerDegree = 4;
constexpr int kMaskWidth = 360 * kMaskPerDegree;
constexpr int kMaskHeight = 180 * kMaskPerDegree;

struct LonLat {
    double lon, lat;
};
using Coast = std::vector<LonLat>;

// Coastlines, coarse but each continent keeps its well-known shape.
const std::vector<Coast>& Lands()
{
    static const std::vector<Coast> lands = {
        // North America
        {{-166, 68.5}, {-156, 71.3}, {-141, 69.7}, {-125, 69.5}, {-110, 68}, {-95, 68.5}, {-85, 69.5}, {-80, 63},
         {-94, 59}, {-92, 57}, {-82, 55}, {-79, 51.5}, {-77, 56}, {-78, 62}, {-72, 62}, {-64, 60}, {-61, 56},
         {-56, 52}, {-60, 47}, {-66, 45}, {-70, 43.5}, {-70.5, 41.7}, {-74, 40.5}, {-76, 38}, {-76, 35},
         {-81, 31.5}, {-80.2, 27}, {-80.5, 25.2}, {-82, 26.5}, {-83, 29.5}, {-89, 30.2}, {-94, 29.5}, {-97.5, 27},
         {-97.5, 22}, {-95, 19}, {-91, 19}, {-90.5, 21}, {-87, 21.5}, {-88, 16}, {-84, 15.5}, {-83.5, 11},
         {-81, 8.7}, {-77.5, 7.8}, {-80, 7.5}, {-85, 10}, {-87, 13}, {-92, 14.5}, {-96, 16}, {-105.5, 20},
         {-109, 24}, {-112, 28}, {-114.8, 31.8}, {-117, 32.5}, {-120.5, 34.5}, {-122.5, 37.5}, {-124.3, 40.5},
         {-124, 46}, {-124.7, 48.4}, {-127, 50.5}, {-131, 54}, {-135, 57.5}, {-140, 59.8}, {-147, 60.8},
         {-152, 59}, {-158, 57}, {-164, 55}, {-158, 58.5}, {-162, 60}, {-166, 62}, {-165, 64.5}, {-168, 65.6}},
        // The Canadian islands and Greenland
        {{-120, 77}, {-95, 80}, {-75, 81}, {-62, 78}, {-65, 72}, {-62, 67}, {-67, 63}, {-78, 64}, {-85, 67},
         {-95, 70}, {-110, 72}, {-122, 73}},
        {{-73, 78}, {-60, 82}, {-35, 83.5}, {-20, 82}, {-18, 77}, {-22, 72}, {-22, 70}, {-32, 68}, {-40, 65},
         {-43, 60}, {-48, 61}, {-52, 65}, {-54, 68}, {-55, 71}, {-60, 76}, {-68, 77}},
        // Cuba and Hispaniola
        {{-85, 21.8}, {-82, 23.2}, {-77.5, 21.8}, {-74.2, 20.2}, {-77.7, 19.9}, {-80.5, 21.6}},
        {{-74.5, 19.8}, {-68.4, 18.6}, {-71, 17.6}, {-74.4, 18.3}},
        // South America
        {{-77.5, 7.8}, {-73, 11.5}, {-71, 12.4}, {-64, 10.7}, {-61, 10}, {-58, 7}, {-52, 5}, {-50, 1}, {-48, -1},
         {-44.5, -2.5}, {-40, -3}, {-35, -5.5}, {-35, -9}, {-39, -13.5}, {-39, -18}, {-41, -22.5}, {-44.5, -23.2},
         {-48.5, -26}, {-48.7, -28.5}, {-52.5, -33}, {-55, -35}, {-58, -34.5}, {-57, -36.5}, {-57.5, -38.5},
         {-62, -39}, {-62.5, -41}, {-65, -42}, {-65.5, -45}, {-67.5, -46.5}, {-66, -48}, {-69, -51}, {-68.5, -52.5},
         {-70, -54.5}, {-74, -52}, {-75, -48}, {-73.5, -42}, {-73.5, -37}, {-71.5, -32}, {-71.5, -25},
         {-70.2, -18.5}, {-75, -15.5}, {-76.5, -13}, {-79.5, -7.5}, {-81, -5}, {-80, -1}, {-80, 1}, {-78.8, 2},
         {-77.3, 4}},
        // Europe and Asia
        {{-9, 37}, {-9.5, 39}, {-9, 43}, {-2, 43.5}, {-1.5, 46}, {-4.5, 48}, {-1.5, 49.5}, {2, 51}, {4.5, 52},
         {8, 53.5}, {8.6, 55.5}, {8, 57}, {10.5, 57.7}, {10.5, 56}, {12.5, 56}, {10.5, 54.5}, {14, 54}, {19, 54.5},
         {21, 56.5}, {23.5, 59.3}, {28, 60}, {22.5, 60.5}, {21, 62}, {25, 65}, {21.5, 65.7}, {17.5, 62.5},
         {19, 60}, {16.5, 57}, {14, 55.5}, {12.5, 56.5}, {11, 59}, {8, 58}, {5.5, 59}, {5, 61.5}, {8, 63.5},
         {12.5, 66}, {15, 68.5}, {19, 70}, {25, 71}, {31, 70}, {33, 69}, {41, 67}, {36, 66}, {38, 64.5}, {44, 66},
         {44, 68.5}, {53, 68.5}, {60, 69}, {68, 69}, {70, 73}, {73, 72}, {80, 73}, {87, 75}, {100, 76.5},
         {106, 77.5}, {113, 74}, {125, 73.5}, {130, 71}, {140, 72.5}, {150, 71.5}, {160, 69.5}, {170, 70},
         {180, 69}, {180, 65}, {178, 64.5}, {174, 61.8}, {170, 60}, {163, 59.8}, {162, 57.5}, {163, 56}, {160, 54},
         {156.5, 51}, {156, 57.5}, {152, 59}, {143, 59.3}, {137, 54}, {141, 52.5}, {140, 48.5}, {135, 43},
         {131, 42.7}, {129.5, 40.5}, {128, 38.5}, {129.5, 35.2}, {126.5, 34.5}, {126.5, 37.5}, {124.5, 39.8},
         {121.5, 39}, {122, 40.5}, {118.5, 39}, {117.5, 38.5}, {119, 37}, {122.5, 37}, {120.5, 36}, {119.5, 34.5},
         {121, 32}, {121.7, 30.5}, {120, 27}, {119, 25}, {115, 22.7}, {110, 21.2}, {108, 21.5}, {106.5, 20},
         {105.7, 18.7}, {108.8, 15}, {109, 12}, {107, 10.5}, {105, 8.7}, {104.8, 10.5}, {103, 10.7}, {100.8, 13.5},
         {99.8, 12}, {99, 9.5}, {100.5, 7}, {103, 5.5}, {103.5, 1.5}, {101, 2.5}, {98.5, 7.8}, {98.5, 13},
         {97.5, 16.5}, {94.5, 16}, {94, 19}, {92, 21}, {90, 22}, {86.5, 20}, {84.5, 18.5}, {80.3, 15.5}, {80, 10},
         {77.5, 8}, {76, 9.5}, {74.5, 13.5}, {73, 18}, {72.5, 21}, {69, 22.5}, {66.5, 25.3}, {61.5, 25.2},
         {57, 25.7}, {56.3, 27}, {51, 28.5}, {48, 30}, {48.5, 28}, {50, 26}, {51.5, 24.2}, {54, 24.2},
         {56.3, 26.3}, {56.5, 24}, {59.8, 22.5}, {58, 20.5}, {55, 17}, {52, 15.5}, {45, 12.8}, {43.3, 12.8},
         {43, 14}, {42.8, 16.5}, {39, 21.5}, {37, 25}, {35, 28}, {34.3, 27.8}, {34.5, 31.5}, {35, 33}, {36, 35.5},
         {35.5, 36.8}, {32, 36.2}, {29, 36.6}, {27, 37.7}, {26.5, 39.5}, {26, 40.5}, {23, 40.3}, {23.5, 38},
         {22, 36.5}, {21, 38.5}, {19.5, 40}, {19.5, 42}, {15.5, 44.5}, {13.7, 45.7}, {12.4, 45.2}, {12.5, 44},
         {14, 42.5}, {16, 41.5}, {18.5, 40.1}, {16.5, 39}, {16, 38}, {15.6, 38}, {15.8, 40}, {12.5, 41.6},
         {11, 42.5}, {10, 44}, {8.5, 44.3}, {6, 43.1}, {3.2, 43.3}, {3.2, 41.9}, {0.8, 41}, {0, 39.5}, {-0.5, 38},
         {-2, 36.8}, {-5.5, 36}, {-6.5, 36.9}},
        // Africa and Madagascar
        {{-6, 35.8}, {-10, 33.5}, {-9.8, 29.5}, {-13, 27.5}, {-17, 21}, {-17, 14.7}, {-16.8, 12.5}, {-13.5, 9.5},
         {-11, 7}, {-7.5, 4.4}, {-2, 4.8}, {1.5, 6.2}, {4.5, 6.3}, {6, 4.3}, {8.5, 4.5}, {9.5, 3}, {9.8, 1},
         {9, -1}, {11.8, -4}, {12.3, -6}, {13.3, -9}, {11.8, -16}, {14.5, -22.5}, {15.5, -27}, {17, -29},
         {18.5, -34}, {20, -34.8}, {25.5, -34}, {30, -31.3}, {32.5, -28.5}, {32.8, -25.5}, {35.5, -24},
         {35.3, -21.5}, {34.7, -19.8}, {37, -17.5}, {40.5, -15}, {40.5, -10.5}, {39.5, -7}, {39.2, -4.5},
         {41, -1.8}, {43.5, 1}, {46, 2.5}, {49, 6.5}, {51, 10.5}, {51.3, 11.9}, {48, 11.2}, {44, 10.5},
         {43.3, 11.8}, {42.7, 13}, {41, 14.9}, {39.5, 15.5}, {38.5, 18}, {37.3, 21}, {36.8, 22}, {35.6, 23.8},
         {34, 26.8}, {32.6, 29.8}, {32.3, 31.3}, {29.5, 31}, {25, 31.8}, {20, 30.8}, {19.5, 32}, {15.5, 32.3},
         {11, 33}, {10, 37}, {8, 37}, {3, 36.8}, {-2, 35.2}},
        {{44, -25}, {47, -25}, {50.5, -15.5}, {49.5, -12}, {48, -13.5}, {44.3, -16.5}, {43.3, -22}},
        // The British Isles and Iceland
        {{-5.7, 50}, {1.5, 51}, {1.7, 52.7}, {0, 53.5}, {-1.5, 55}, {-2, 57}, {-1.8, 57.6}, {-4, 57.6}, {-3, 58.6},
         {-5, 58.6}, {-6, 56.5}, {-5.6, 55}, {-3, 54.8}, {-3.2, 53.4}, {-4.7, 52.8}, {-4, 51.6}},
        {{-6, 52}, {-6, 53.9}, {-5.7, 55.2}, {-8, 55.2}, {-10, 54}, {-9.8, 52}, {-8, 51.5}},
        {{-22, 64}, {-24, 65.5}, {-22, 66.4}, {-16, 66.5}, {-13.5, 65}, {-18, 63.4}},
        // Japan, Taiwan, the Philippines, Sri Lanka
        {{130, 31}, {131.5, 31.5}, {132, 33.8}, {135, 33.5}, {137, 34.6}, {140, 35}, {141, 37}, {142, 40},
         {141.5, 41.5}, {145.5, 43.3}, {145, 44.2}, {142, 45.5}, {141.3, 43}, {140, 42}, {140, 40.5},
         {139.8, 38.5}, {138.5, 37.5}, {136.5, 37}, {135.8, 35.5}, {133, 35.5}, {131, 34.4}, {129.8, 33.2}},
        {{120.2, 22.8}, {121, 25.2}, {122, 25}, {120.9, 21.9}},
        {{120, 18.5}, {122.3, 18.5}, {122, 16}, {124.3, 13}, {125.5, 10}, {126.5, 7.5}, {125.5, 6}, {123.8, 7.8},
         {122, 7}, {122.5, 9.5}, {121.5, 11}, {120, 14.5}},
        {{80, 9.8}, {81.8, 7.5}, {81.2, 6.1}, {80, 6}, {79.8, 8}},
        // The islands of South-East Asia
        {{109.5, 1.5}, {111, 2.5}, {113, 3.2}, {115.5, 5.5}, {117, 7}, {119, 5}, {118, 1}, {117.5, -1},
         {116.5, -3.8}, {114.5, -3.5}, {111, -3}, {110, -1.5}, {109, 0.5}},
        {{95.3, 5.6}, {98, 3.5}, {100.5, 1}, {103.8, -1}, {106, -3}, {105.8, -5.8}, {104.5, -5.8}, {102, -4},
         {100, -1}, {98.5, 1.7}, {95.5, 3.8}},
        {{105.2, -6.8}, {108, -6.3}, {111, -6.5}, {114.5, -7.7}, {114.4, -8.7}, {111, -8.3}, {108, -7.8},
         {106, -7.4}},
        {{119.5, -5.5}, {120.5, -2}, {121, 1}, {124.5, 1.5}, {122, -1}, {122.5, -4.5}, {121, -3.5}, {120.5, -5.6}},
        {{131, -1.3}, {135, -3.3}, {138, -1.6}, {141, -2.6}, {145.8, -5}, {147.5, -6.5}, {150, -10.5},
         {147, -10.2}, {143.5, -9}, {141, -9.1}, {138, -8.3}, {137.8, -5.5}, {134, -4}, {132.5, -3}},
        // Australia, Tasmania, New Zealand
        {{113.5, -22}, {114, -26.5}, {115, -30}, {115, -34}, {118, -35}, {123.5, -33.8}, {126, -32.3},
         {131, -31.5}, {134, -32.5}, {135.8, -34.8}, {137.5, -33}, {138, -35.5}, {140, -37.8}, {143.5, -38.8},
         {146.5, -39}, {150, -37.5}, {151.5, -33}, {153.5, -28.5}, {153, -25}, {150.8, -22.5}, {149, -20.5},
         {146.3, -19}, {145.3, -15}, {143.6, -14}, {142.5, -10.7}, {141.6, -13}, {141.5, -17}, {140, -17.7},
         {136, -16}, {136.8, -12.2}, {132.5, -11.5}, {130, -12.8}, {129, -15}, {126, -14}, {122.2, -17},
         {120.5, -19.8}, {117, -20.7}},
        {{144.6, -40.7}, {148.3, -40.9}, {148, -43.2}, {146, -43.6}},
        {{172.7, -34.5}, {174.5, -36}, {175.9, -37.5}, {178.5, -37.7}, {177, -39.3}, {176, -41.3}, {174.7, -41.3},
         {175, -39.5}, {173.8, -39.2}, {174.6, -37.5}, {173, -35.2}},
        {{172.7, -40.5}, {174.3, -41.7}, {173, -43.5}, {171, -44.5}, {169, -46.6}, {166.5, -46.2}, {168, -44.2},
         {170.5, -42.8}},
        // Antarctica
        {{-180, -66}, {-60, -63}, {0, -69}, {90, -66}, {180, -66}, {180, -90}, {-180, -90}},
    };
    return lands;
}

// Inland seas cut back out of the land.
const std::vector<Coast>& Seas()
{
    static const std::vector<Coast> seas = {
        {{47, 44.8}, {51, 47}, {53.5, 46.7}, {53, 45}, {51.3, 44.5}, {52.8, 41.5}, {54, 40.5}, {53.9, 37.3},
         {51, 36.7}, {49, 37.5}, {48.8, 38.7}, {49.5, 40.3}, {47.5, 42.5}},
        {{28, 41.6}, {28.5, 43.5}, {29.7, 45.3}, {31.5, 46.6}, {33.5, 44.5}, {36.5, 45.3}, {38, 47}, {39.5, 47},
         {37.5, 44.7}, {41.6, 41.6}, {36, 41.7}, {33, 42}, {31, 41.1}},
    };
    return seas;
}

// Small islands too small for a coastline: centre and radius in degrees.
struct Island {
    double lon, lat, radius;
};
constexpr Island kIslands[] = {
    {-155.5, 19.6, 0.9}, {-157.9, 21.4, 0.5}, {178.0, -17.8, 0.8}, {-61.0, 14.0, 0.4}, {55.5, -21.1, 0.4},
};

class LandMask {
public:
    LandMask() : mCanvas(kMaskWidth, kMaskHeight)
    {
        cairo_t* cr = mCanvas.Cr();
        cairo_set_source_rgba(cr, 1, 1, 1, 1);
        for (const Coast& coast : Lands())
            Trace(cr, coast);
        for (const Island& island : kIslands) {
            cairo_arc(cr, ToX(island.lon), ToY(island.lat), island.radius * kMaskPerDegree, 0, 2 * kPi);
            cairo_fill(cr);
        }
        cairo_set_operator(cr, CAIRO_OPERATOR_CLEAR);
        for (const Coast& coast : Seas())
            Trace(cr, coast);
        cairo_set_operator(cr, CAIRO_OPERATOR_OVER);
        cairo_surface_flush(mCanvas.Surface());
    }

    bool IsLand(double lat, double lon) const
    {
        int x = static_cast<int>(ToX(lon));
        int y = static_cast<int>(ToY(lat));
        x = ((x % kMaskWidth) + kMaskWidth) % kMaskWidth;
        y = y < 0 ? 0 : y >= kMaskHeight ? kMaskHeight - 1 : y;
        return mCanvas.Pixel(x, y).a > 127;
    }

private:
    static double ToX(double lon) { return (lon + 180.0) * kMaskPerDegree; }
    static double ToY(double lat) { return (90.0 - lat) * kMaskPerDegree; }
    static void Trace(cairo_t* cr, const Coast& coast)
    {
        bool first = true;
        for (const LonLat& point : coast) {
            if (first)
                cairo_move_to(cr, ToX(point.lon), ToY(point.lat));
            else
                cairo_line_to(cr, ToX(point.lon), ToY(point.lat));
            first = false;
        }
        cairo_close_path(cr);
        cairo_fill(cr);
    }

    Canvas mCanvas;
};

const LandMask& Mask()
{
    static const LandMask mask;
    return mask;
}

// Deserts of the Sahara, Arabia and inner Australia are sandy rather than green.
bool IsDesert(double lat, double lon)
{
    const double wobble = 3.0 * std::sin(lon * 0.31) + 2.0 * std::sin(lon * 0.83 + 1.3);
    return (lat > 17 + wobble && lat < 30 - wobble * 0.5 && lon > -14 && lon < 56) ||
           (lat > -29 + wobble * 0.5 && lat < -21 + wobble && lon > 119 && lon < 141);
}

// A cheap fixed pattern of snow patches on land, thicker towards the poles.
double SnowNoise(double lat, double lon)
{
    return 0.5 + 0.25 * std::sin(lat * 0.61 + lon * 0.37) + 0.25 * std::sin(lon * 0.23 - lat * 0.9 + 1.7);
}

// A ramp colour for the light, with a 4 x 4 ordered dither so the shading has no hard bands.
int Shade(const PaletteRamp& ramp, double light, double low, double high, int px, int py)
{
    static constexpr int kBayer[4][4] = {{0, 8, 2, 10}, {12, 4, 14, 6}, {3, 11, 1, 9}, {15, 7, 13, 5}};
    const double position = (low + (high - low) * light) * (ramp.count - 1) + (kBayer[py & 3][px & 3] + 0.5) / 16.0;
    return ramp[static_cast<int>(position)];
}

} // namespace

double GlobeCentreLongitude(int frame)
{
    return 20.0 + frame * 90.0 / 7.0;
}

GlobeSpot GlobeProject(double latitude, double longitude, int frame)
{
    const double phi = latitude * kDegree;
    const double lambda = (longitude - GlobeCentreLongitude(frame)) * kDegree;
    const double x = std::cos(phi) * std::sin(lambda);
    const double up = std::sin(phi) * std::cos(kTilt) - std::cos(phi) * std::cos(lambda) * std::sin(kTilt);
    const double toward = std::sin(phi) * std::sin(kTilt) + std::cos(phi) * std::cos(lambda) * std::cos(kTilt);
    return {kGlobeSpriteX + kGlobeCentreX + kGlobeRadius * x, kGlobeSpriteY + kGlobeCentreY - kGlobeRadius * up,
            toward};
}

IndexedImage DrawGlobeFrame(int frame)
{
    IndexedImage image{kGlobeSpriteWidth, kGlobeSpriteHeight,
                       std::vector<uint8_t>(static_cast<size_t>(kGlobeSpriteWidth * kGlobeSpriteHeight),
                                            pal::kTransparent)};
    const double centre = GlobeCentreLongitude(frame) * kDegree;
    // Light from the upper left, in front.
    const double lx = -0.45, ly = 0.5, lz = 0.74;
    for (int py = 0; py < kGlobeSpriteHeight; ++py) {
        for (int px = 0; px < kGlobeSpriteWidth; ++px) {
            const double sx = (px + 0.5 - kGlobeCentreX) / kGlobeRadius;
            const double sy = (kGlobeCentreY - py - 0.5) / kGlobeRadius;
            const double rr = sx * sx + sy * sy;
            uint8_t& pixel = image.pixels[static_cast<size_t>(py * kGlobeSpriteWidth + px)];
            const double edge = std::sqrt(rr) * kGlobeRadius;
            if (edge > kGlobeRadius + 2.0)
                continue;
            if (edge > kGlobeRadius) {
                pixel = pal::kBlack;
                continue;
            }
            const double sz = std::sqrt(std::max(0.0, 1.0 - rr));
            // Back from the view to the Earth: undo the tilt about the x axis.
            const double ey = sy * std::cos(kTilt) + sz * std::sin(kTilt);
            const double ez = -sy * std::sin(kTilt) + sz * std::cos(kTilt);
            const double lat = std::asin(std::clamp(ey, -1.0, 1.0)) / kDegree;
            const double lon = (centre + std::atan2(sx, ez)) / kDegree;
            const double wrapped = std::remainder(lon, 360.0);
            const double light = std::clamp(0.25 + 0.75 * std::max(0.0, sx * lx + sy * ly + sz * lz), 0.0, 1.0);
            const bool land = Mask().IsLand(lat, wrapped);
            const double cold = (std::fabs(lat) - 42.0) / 20.0;
            int colour;
            if (lat > 78.0 || lat < -64.0) {
                colour = Shade(pal::kSnow, light, 0.35, 1.0, px, py); // the ice caps
            } else if (land) {
                if (cold > 0.0 && SnowNoise(lat, wrapped) < cold + 0.25)
                    colour = Shade(pal::kSnow, light, 0.3, 1.0, px, py);
                else if (IsDesert(lat, wrapped))
                    colour = Shade(pal::kGold, light, 0.15, 0.7, px, py);
                else
                    colour = Shade(pal::kGreen, light, 0.1, 0.75, px, py);
            } else {
                colour = Shade(pal::kBlue, light, 0.0, 0.9, px, py);
            }
            // A thin bright rim of air just inside the edge.
            if (edge > kGlobeRadius - 2.0)
                colour = pal::kCyan[5];
            pixel = static_cast<uint8_t>(colour);
        }
    }
    // The North Pole's striped pole on the top of the world; it sits on the axis, so it never moves.
    const int poleX = static_cast<int>(kGlobeCentreX);
    const int poleBase = static_cast<int>(kGlobeCentreY - kGlobeRadius * std::cos(kTilt));
    for (int y = poleBase - 12; y <= poleBase; ++y) {
        for (int x = poleX - 2; x <= poleX + 2; ++x) {
            const bool outline = x == poleX - 2 || x == poleX + 2 || y == poleBase - 12;
            const int colour = outline ? pal::kBlack : ((y - poleBase) / 3) % 2 == 0 ? pal::kRed[9] : pal::kWhite;
            image.pixels[static_cast<size_t>(y * kGlobeSpriteWidth + x)] = static_cast<uint8_t>(colour);
        }
    }
    for (int y = poleBase - 16; y <= poleBase - 12; ++y)
        for (int x = poleX - 2; x <= poleX + 2; ++x)
            if ((x - poleX) * (x - poleX) + (y - poleBase + 14) * (y - poleBase + 14) <= 5)
                image.pixels[static_cast<size_t>(y * kGlobeSpriteWidth + x)] = static_cast<uint8_t>(pal::kGold[12]);
    return image;
}

} // namespace mediagen
