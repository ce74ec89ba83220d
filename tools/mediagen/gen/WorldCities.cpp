// The 27 cities of the tour: where they lie, what they look like, how their children say thank you.
#include "WorldCities.h"

namespace mediagen {

const std::vector<WorldCity>& WorldCities()
{
    using R = WorldRegion;
    static const std::vector<WorldCity> cities = {
        {1, "London", "United Kingdom", 1, 51.5, -0.1, R::Europe, "clock tower", "en-gb-x-rp", "Thank you, Glimmer! Merry Christmas!"},
        {2, "Paris", "France", 1, 48.9, 2.4, R::Europe, "iron lattice tower", "fr", "Merci Glimmer! Joyeux Noel!"},
        {3, "Rome", "Italy", 1, 41.9, 12.5, R::Europe, "round arena", "it", "Grazie Glimmer! Buon Natale!"},
        {4, "Berlin", "Germany", 1, 52.5, 13.4, R::Europe, "city gate with columns", "de", "Danke Glimmer! Frohe Weihnachten!"},
        {5, "Moscow", "Russia", 1, 55.8, 37.6, R::Russia, "onion-domed cathedral", "ru", "Spasibo, Glimmer! S Rozhdestvom!"},
        {6, "Cairo", "Egypt", 1, 30.0, 31.2, R::MiddleEast, "pyramids", "ar", "Shukran, Glimmer!"},
        {7, "Nairobi", "Kenya", 1, -1.3, 36.8, R::Africa, "acacia tree and giraffe", "sw", "Asante sana, Glimmer! Krismasi njema!"},
        {8, "New Delhi", "India", 2, 28.6, 77.2, R::SouthAsia, "domed palace", "hi", "Dhanyavaad, Glimmer!"},
        {9, "Beijing", "China", 2, 39.9, 116.4, R::EastAsia, "temple with tiered roof", "cmn", "Xie xie, Glimmer! Shengdan kuaile!"},
        {10, "Tokyo", "Japan", 2, 35.7, 139.7, R::EastAsia, "red pagoda", "ja", "Arigatou, Glimmer!"},
        {11, "Bangkok", "Thailand", 2, 13.8, 100.5, R::SouthAsia, "golden temple spire", "en", "Thank you, Glimmer! Merry Christmas!"},
        {12, "Seoul", "South Korea", 2, 37.6, 127.0, R::EastAsia, "tower on a hill", "ko", "Gamsahamnida, Glimmer!"},
        {13, "Singapore", "Lion City", 2, 1.3, 103.8, R::EastAsia, "lion fountain", "ms", "Terima kasih, Glimmer!"},
        {14, "Mumbai", "India", 2, 19.1, 72.9, R::SouthAsia, "grand arch by the sea", "hi", "Shukriya, Glimmer!"},
        {15, "Sydney", "Australia", 3, -33.9, 151.2, R::Oceania, "opera house", "en", "Thanks heaps, Glimmer! Merry Christmas!"},
        {16, "Auckland", "New Zealand", 3, -36.8, 174.8, R::Oceania, "tall needle tower", "en", "Thank you, Glimmer! Meri Kirihimete!"},
        {17, "Honolulu", "Hawaii", 3, 21.3, -157.9, R::Oceania, "palm trees and volcano", "en-us", "Mahalo, Glimmer! Mele Kalikimaka!"},
        {18, "Anchorage", "Alaska", 3, 61.2, -149.9, R::NorthAmerica, "snowy mountain", "en-us", "Thank you, Glimmer! Merry Christmas!"},
        {19, "Suva", "Fiji", 3, -18.1, 178.4, R::Oceania, "island hut on stilts", "en", "Vinaka, Glimmer!"},
        {20, "Vancouver", "Canada", 3, 49.3, -123.1, R::NorthAmerica, "totem pole", "en-us", "Thanks, Glimmer! Merry Christmas!"},
        {21, "San Francisco", "United States", 3, 37.8, -122.4, R::NorthAmerica, "suspension bridge", "en-us", "Thank you, Glimmer! Merry Christmas!"},
        {22, "New York", "United States", 0, 40.7, -74.0, R::NorthAmerica, "statue with a torch", "en-us", "Thank you, Glimmer! Merry Christmas!"},
        {23, "Toronto", "Canada", 0, 43.7, -79.4, R::NorthAmerica, "tall needle tower", "en-us", "Thank you, Glimmer! Joyeux Noel!"},
        {24, "Mexico City", "Mexico", 0, 19.4, -99.1, R::LatinAmerica, "stepped pyramid", "es-419", "Gracias, Glimmer! Feliz Navidad!"},
        {25, "Rio de Janeiro", "Brazil", 0, -22.9, -43.2, R::LatinAmerica, "statue on a mountain", "pt-br", "Obrigado, Glimmer! Feliz Natal!"},
        {26, "Buenos Aires", "Argentina", 0, -34.6, -58.4, R::LatinAmerica, "white obelisk", "es-419", "Gracias, Glimmer! Feliz Navidad!"},
        {27, "Lima", "Peru", 0, -12.0, -77.0, R::LatinAmerica, "mountain ruins", "es-419", "Gracias, Glimmer! Feliz Navidad!"},
    };
    return cities;
}

}  // namespace mediagen
