// The city list's reader: bounded by the text it is given, so no file can make it read past its end.
#include "GlCityListReader.h"

#include <cctype>
#include <charconv>
#include <string>

namespace {

// Flags, rings and pictures stand on the 640 x 480 screen.
constexpr int32_t kScreenWidth = 640;
constexpr int32_t kScreenHeight = 480;
constexpr int32_t kFaces = 4;
constexpr int32_t kCorners = 4;
// City numbers name the ride's city files; the North Pole's picture is 30.
constexpr int32_t kHighestCityNumber = 999;

bool IsBlank(char c)
{
    return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\f' || c == '\v';
}

} // namespace

std::string_view GlCityListReader::NextToken()
{
    while (!AtEnd() && IsBlank(mText[mAt]))
        ++mAt;
    const std::size_t start = mAt;
    while (!AtEnd() && !IsBlank(mText[mAt]))
        ++mAt;
    return mText.substr(start, mAt - start);
}

bool GlCityListReader::NextNumber(int32_t low, int32_t high, int32_t& value)
{
    const std::size_t before = mAt;
    const std::string_view token = NextToken();
    std::string_view digits = token;
    // Streams take a leading plus sign; so does the list.
    if (digits.size() > 1 && digits.front() == '+')
        digits.remove_prefix(1);
    int32_t number = 0;
    const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), number);
    if (token.empty() || error != std::errc() || end != digits.data() + digits.size() || number < low ||
        number > high) {
        mAt = before;
        return false;
    }
    value = number;
    return true;
}

std::string GlCityListReader::RestOfLine()
{
    // Any white space, line ends included: a name may stand on the line after its numbers.
    while (!AtEnd() && std::isspace(static_cast<unsigned char>(mText[mAt])))
        ++mAt;
    const std::size_t start = mAt;
    while (!AtEnd() && mText[mAt] != '\n')
        ++mAt;
    std::string_view line = mText.substr(start, mAt - start);
    if (!line.empty() && line.back() == '\r')
        line.remove_suffix(1);
    // A longer line keeps its first 255 characters; the surplus is dropped with the line.
    if (line.size() > kMaxNameLine)
        line = line.substr(0, kMaxNameLine);
    return std::string(line);
}

std::vector<CityEntry> GlCityListReader::Read(std::string_view text, std::ostream& log)
{
    GlCityListReader reader(text);
    std::vector<CityEntry> cities;
    while (!reader.AtEnd()) {
        const std::string_view token = reader.NextToken();
        if (token != "city")
            continue;
        if (cities.size() == kMaxCities) {
            log << "GlNavigation::LoadCityData there are too many cities!!!!\n" << std::flush;
            break;
        }
        CityEntry city;
        int32_t corner = 0;
        bool complete = reader.NextNumber(0, kFaces - 1, city.face) &&
                        reader.NextNumber(0, kScreenWidth - 1, city.flagX) &&
                        reader.NextNumber(0, kScreenHeight - 1, city.flagY) &&
                        reader.NextNumber(0, kScreenWidth - 1, city.ringX) &&
                        reader.NextNumber(0, kScreenHeight - 1, city.ringY) &&
                        reader.NextNumber(1, kCorners, corner) &&
                        reader.NextNumber(0, kScreenWidth - 1, city.pictureX) &&
                        reader.NextNumber(0, kScreenHeight - 1, city.pictureY);
        if (complete) {
            const std::size_t beforeFile = reader.mAt;
            city.pictureFile = std::string(reader.NextToken());
            if (city.pictureFile.empty() || city.pictureFile == "city") {
                reader.mAt = beforeFile;
                complete = false;
            } else {
                complete = reader.NextNumber(1, kHighestCityNumber, city.cityNumber);
            }
        }
        if (!complete) {
            // Reading goes on at the token that did not fit, so the next "city" still counts.
            log << "GlNavigation::LoadCityData - skipped city " << cities.size() + 1
                << ": a number is missing or out of range.\n"
                << std::flush;
            continue;
        }
        city.corner = corner - 1;
        const std::string line = reader.RestOfLine();
        const std::string::size_type comma = line.find(',');
        city.name = line.substr(0, comma);
        city.description = comma == std::string::npos ? std::string() : line.substr(comma + 1);
        city.done = false;
        cities.push_back(city);
    }
    return cities;
}
