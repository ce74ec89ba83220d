// Each city's flag, ring and panel, computed from its latitude and longitude on the globe's face frame.
#include "NavigationPlaces.h"

#include "NavigationGlobe.h"

#include <cmath>

namespace mediagen {

std::string CityPictureFile(int number)
{
    return "city_" + std::to_string(number) + ".spx";
}

CityPlace PlaceOfCity(const WorldCity& city)
{
    const GlobeSpot spot = GlobeProject(city.latitude, city.longitude, kFaceFrames[city.face]);
    const int x = static_cast<int>(std::lround(spot.x));
    const int y = static_cast<int>(std::lround(spot.y));
    CityPlace place;
    place.flagX = x - kFlagPoleX;
    place.flagY = y - (kFlagHeight - 1);
    place.ringX = x - kCityRingSize / 2;
    place.ringY = y - kCityRingSize / 2;
    // The panel on the city's side of the globe, above or below its middle.
    const double globeMiddleX = kGlobeSpriteX + kGlobeCentreX;
    const double globeMiddleY = kGlobeSpriteY + kGlobeCentreY;
    place.corner = (spot.x < globeMiddleX ? 0 : 1) + (spot.y < globeMiddleY ? 0 : 2);
    place.pictureX = kCornerPanels[place.corner].pictureX;
    place.pictureY = kCornerPanels[place.corner].pictureY;
    place.pictureFile = CityPictureFile(city.number);
    return place;
}

} // namespace mediagen
