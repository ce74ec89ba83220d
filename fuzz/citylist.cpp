// Feeds arbitrary bytes to the city list reader and checks that every city it keeps is one the globe can show.
#include "GlCityListReader.h"

#include <cstdint>
#include <cstdlib>
#include <sstream>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    std::ostringstream log;
    const auto cities = GlCityListReader::Read(std::string_view(reinterpret_cast<const char*>(data), size), log);
    if (cities.size() > GlCityListReader::kMaxCities)
        std::abort();
    for (const CityEntry& city : cities) {
        if (city.face < 0 || city.face > 3 || city.corner < 0 || city.corner > 3 || city.cityNumber < 1 ||
            city.flagX < 0 || city.flagX >= 640 || city.flagY < 0 || city.flagY >= 480 || city.pictureFile.empty() ||
            city.name.size() + city.description.size() + 1 > GlCityListReader::kMaxNameLine + 1 || city.done)
            std::abort();
    }
    return 0;
}
