// Tokenising and checking the city file: every number is range-checked before anything uses it.
#include "GlCityFile.h"

#include <cerrno>
#include <cstdlib>
#include <cstdint>

namespace {

struct Keyword {
    const char* word;
    GlCityItem::Kind kind;
    int operands;
};

const Keyword kKeywords[] = {
    {"child", GlCityItem::kChild, 3},       {"cloud", GlCityItem::kCloud, 1}, {"house", GlCityItem::kHouse, 1},
    {"landmark", GlCityItem::kLandmark, 2}, {"sky", GlCityItem::kSky, 1},     {"t", GlCityItem::kTower, 2},
    {"b", GlCityItem::kBuilding, 2},        {"near", GlCityItem::kNear, 0},
};

bool IsSpace(char c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\v' || c == '\f';
}

class Tokens {
public:
    explicit Tokens(const std::string& text) : mText(text) {}

    // The next token, or false at the end of the text.
    bool Next(std::string& token)
    {
        while (mPos < mText.size() && IsSpace(mText[mPos]))
            ++mPos;
        if (mPos >= mText.size())
            return false;
        size_t start = mPos;
        while (mPos < mText.size() && !IsSpace(mText[mPos]))
            ++mPos;
        token.assign(mText, start, mPos - start);
        return true;
    }

private:
    const std::string& mText;
    size_t mPos = 0;
};

// A decimal whole number that fits 32 bits, optionally signed; nothing else.
bool ToInt32(const std::string& token, int32_t& value)
{
    if (token.empty() || token.size() > 12 || token.find('\0') != std::string::npos)
        return false;
    errno = 0;
    char* end = nullptr;
    long long parsed = std::strtoll(token.c_str(), &end, 10);
    if (errno != 0 || end == token.c_str() || *end != '\0')
        return false;
    if (parsed < INT32_MIN || parsed > INT32_MAX)
        return false;
    value = static_cast<int32_t>(parsed);
    return true;
}

const Keyword* FindKeyword(const std::string& token)
{
    for (const Keyword& keyword : kKeywords) {
        if (token == keyword.word)
            return &keyword;
    }
    return nullptr;
}

bool InCache(const GlCityItem& item)
{
    switch (item.kind) {
    case GlCityItem::kTower: return item.a >= 0 && item.a < GlCityFile::kTowerCacheSize;
    case GlCityItem::kBuilding: return item.a >= 0 && item.a < GlCityFile::kBuildingCacheSize;
    case GlCityItem::kHouse: return item.a >= 0 && item.a < GlCityFile::kHouseCacheSize;
    default: return true;
    }
}

} // namespace

void GlCityFile::Parse(const std::string& text)
{
    mItems.clear();
    mProblems.clear();
    Tokens tokens(text);
    std::string token;
    bool pending = false; // token already holds the next word to look at
    while (pending || tokens.Next(token)) {
        pending = false;
        const Keyword* keyword = FindKeyword(token);
        if (keyword == nullptr)
            continue;
        GlCityItem item;
        item.kind = keyword->kind;
        int32_t* operands[3] = {&item.a, &item.b, &item.c};
        int read = 0;
        while (read < keyword->operands) {
            if (!tokens.Next(token))
                break;
            if (!ToInt32(token, *operands[read])) {
                pending = true;
                break;
            }
            ++read;
        }
        if (read < keyword->operands) {
            Note(std::string("\"") + keyword->word + "\" without its numbers");
            continue;
        }
        if (!InCache(item)) {
            Note(std::string("\"") + keyword->word + "\" index " + std::to_string(item.a) + " is outside its cache");
            continue;
        }
        if (mItems.size() >= kMaxItems) {
            Note("more than " + std::to_string(kMaxItems) + " items; the rest is left out");
            break;
        }
        mItems.push_back(item);
    }
}

void GlCityFile::Note(const std::string& problem)
{
    if (mProblems.size() < kMaxProblems)
        mProblems.push_back(problem);
}
