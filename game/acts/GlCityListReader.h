// Reads the globe's city list ("navig\config.txt") from its text into city entries, without loading any picture.
#pragma once

#include "CityEntry.h"

#include <cstddef>
#include <ostream>
#include <string_view>
#include <vector>

class GlCityListReader {
public:
    // The master table's size: a 28th city ends the reading.
    static constexpr std::size_t kMaxCities = 27;
    // The rest of a line that is kept as "name,description".
    static constexpr std::size_t kMaxNameLine = 255;

    // Takes the whole file as a stream of blank-separated tokens; every token
    // but "city" is skipped. After "city": face, flag x and y, ring x and y,
    // corner (1 to 4), picture x and y, picture file, city number, then the
    // rest of the line as "name,description". Entries come back with the
    // corner counted from 0, done cleared and no picture. An entry with a
    // missing or out-of-range number is left out, with a line on the log.
    static std::vector<CityEntry> Read(std::string_view text, std::ostream& log);

private:
    explicit GlCityListReader(std::string_view text) : mText(text) {}

    bool AtEnd() const { return mAt >= mText.size(); }
    std::string_view NextToken();
    // The token as a whole number within [low, high]; false (and nothing
    // consumed) when it is missing, not a number or out of range.
    bool NextNumber(int32_t low, int32_t high, int32_t& value);
    std::string RestOfLine();

    std::string_view mText;
    std::size_t mAt = 0;
};
