// Reading "gl.config": white-space separated keys and values, "#" comments.
#include "GlSettings.h"

#include <algorithm>
#include <charconv>
#include <cstddef>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <string_view>

namespace {

// A real settings file is a few hundred bytes; the rest of anything larger is not read.
constexpr size_t kMaxFileBytes = 1 << 20;
// No key is this long, so a longer token is an unknown key whatever follows.
constexpr size_t kMaxKeyLength = 64;
constexpr size_t kMaxCommentSkip = 256;
constexpr size_t kMaxMediaPathLength = 254;

GlSettings& CurrentSettings()
{
    static GlSettings settings;
    return settings;
}

bool IsBlank(char c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

bool IsDigit(char c)
{
    return c >= '0' && c <= '9';
}

// The file as a stream of tokens, read the way formatted stream input reads
// it: a number takes only the characters that can belong to it, so "12abc"
// is the number 12 followed by the token "abc".
class SettingsText {
public:
    explicit SettingsText(std::string_view text) : mText(text) {}

    bool NextToken(std::string& token)
    {
        SkipBlanks();
        if (AtEnd())
            return false;
        token.clear();
        while (!AtEnd() && !IsBlank(mText[mPos])) {
            if (token.size() <= kMaxKeyLength)
                token += mText[mPos];
            ++mPos;
        }
        return true;
    }

    // Discards up to and including the next line end, but no more than 256
    // characters: the rest of a longer comment line is read as tokens.
    void SkipComment()
    {
        for (size_t skipped = 0; skipped < kMaxCommentSkip && !AtEnd(); ++skipped) {
            if (mText[mPos++] == '\n')
                return;
        }
    }

    bool ReadInteger(int32_t& value)
    {
        SkipBlanks();
        size_t pos = mPos;
        bool negative = false;
        if (pos < mText.size() && (mText[pos] == '+' || mText[pos] == '-'))
            negative = mText[pos++] == '-';
        size_t firstDigit = pos;
        int64_t magnitude = 0;
        bool tooLarge = false;
        for (; pos < mText.size() && IsDigit(mText[pos]); ++pos) {
            if (!tooLarge) {
                magnitude = magnitude * 10 + (mText[pos] - '0');
                tooLarge = magnitude > int64_t{INT32_MAX} + 1;
            }
        }
        if (pos == firstDigit)
            return false;
        mPos = pos;
        int64_t signedValue = negative ? -magnitude : magnitude;
        if (tooLarge || signedValue > INT32_MAX || signedValue < INT32_MIN)
            return false;
        value = static_cast<int32_t>(signedValue);
        return true;
    }

    bool ReadFloat(float& value)
    {
        SkipBlanks();
        size_t pos = mPos;
        size_t numberStart = pos;
        if (pos < mText.size() && mText[pos] == '+')
            numberStart = ++pos; // from_chars takes a minus but not a plus
        else if (pos < mText.size() && mText[pos] == '-')
            ++pos;
        size_t digits = SkipDigits(pos);
        if (pos < mText.size() && mText[pos] == '.') {
            ++pos;
            digits += SkipDigits(pos);
        }
        if (digits == 0)
            return false;
        if (pos < mText.size() && (mText[pos] == 'e' || mText[pos] == 'E')) {
            size_t exponent = pos + 1;
            if (exponent < mText.size() && (mText[exponent] == '+' || mText[exponent] == '-'))
                ++exponent;
            if (SkipDigits(exponent) > 0)
                pos = exponent;
        }
        mPos = pos;
        float parsed = 0.0f;
        auto [end, error] = std::from_chars(mText.data() + numberStart, mText.data() + pos, parsed);
        if (error != std::errc() || end != mText.data() + pos)
            return false;
        value = parsed;
        return true;
    }

    enum class Line { Read, Missing, TooLong };

    // White space (line ends too) is skipped first; the line end is consumed.
    Line ReadRestOfLine(std::string& line)
    {
        SkipBlanks();
        if (AtEnd())
            return Line::Missing;
        size_t end = mText.find('\n', mPos);
        if (end == std::string_view::npos)
            end = mText.size();
        std::string_view rest = mText.substr(mPos, end - mPos);
        mPos = end < mText.size() ? end + 1 : end;
        // A file written on Windows ends its lines with CR LF.
        if (!rest.empty() && rest.back() == '\r')
            rest.remove_suffix(1);
        if (rest.size() > kMaxMediaPathLength)
            return Line::TooLong;
        line.assign(rest);
        return Line::Read;
    }

    size_t Position() const { return mPos; }

    // Goes on after the line end that follows from (or to the end of the text).
    void SkipLineFrom(size_t from)
    {
        size_t end = mText.find('\n', from);
        mPos = end == std::string_view::npos ? mText.size() : end + 1;
    }

    // The 1-based line of a position, and that line's text without its line end.
    int LineNumberOf(size_t at) const
    {
        return 1 + static_cast<int>(std::count(mText.begin(), mText.begin() + std::min(at, mText.size()), '\n'));
    }

    std::string_view LineOf(size_t at) const
    {
        at = std::min(at, mText.size());
        size_t start = mText.rfind('\n', at == 0 ? 0 : at - 1);
        start = (start == std::string_view::npos || start >= at) ? 0 : start + 1;
        size_t end = mText.find('\n', at);
        std::string_view line = mText.substr(start, (end == std::string_view::npos ? mText.size() : end) - start);
        if (!line.empty() && line.back() == '\r')
            line.remove_suffix(1);
        return line.substr(0, 80);
    }

private:
    bool AtEnd() const { return mPos >= mText.size(); }

    void SkipBlanks()
    {
        while (!AtEnd() && IsBlank(mText[mPos]))
            ++mPos;
    }

    size_t SkipDigits(size_t& pos) const
    {
        size_t start = pos;
        while (pos < mText.size() && IsDigit(mText[pos]))
            ++pos;
        return pos - start;
    }

    std::string_view mText;
    size_t mPos = 0;
};

struct TruthKey {
    const char* name;
    bool GlSettings::*field;
};
struct IntegerKey {
    const char* name;
    int32_t GlSettings::*field;
};
struct FloatKey {
    const char* name;
    float GlSettings::*field;
};

constexpr TruthKey kTruthKeys[] = {
    {"FullScreen", &GlSettings::FullScreen},
    {"PauseOnFocusLoss", &GlSettings::PauseOnFocusLoss},
    {"PlayCD", &GlSettings::PlayCD},
    {"ShowFrameRate", &GlSettings::ShowFrameRate},
    {"ShowCollisionRects", &GlSettings::ShowCollisionRects},
};

constexpr IntegerKey kIntegerKeys[] = {
    {"GiftAcceleration", &GlSettings::GiftAcceleration},
    {"CitySpeed", &GlSettings::CitySpeed},
    {"CitySpeedNear", &GlSettings::CitySpeedNear},
    {"SleighSpeed", &GlSettings::SleighSpeed},
    {"CloudSpeed", &GlSettings::CloudSpeed},
    {"MaxAddCloudSpeed", &GlSettings::MaxAddCloudSpeed},
    {"CloudSpacing", &GlSettings::CloudSpacing},
    {"LandmarkSpeed", &GlSettings::LandmarkSpeed},
    {"PenguinFlyerOdds", &GlSettings::PenguinFlyerOdds},
    {"StormCloudZapOdds", &GlSettings::StormCloudZapOdds},
    {"FrostineOdds", &GlSettings::FrostineOdds},
    {"GiftFallOdds", &GlSettings::GiftFallOdds},
    {"FlyerShootOdds", &GlSettings::FlyerShootOdds},
    {"FlyerAcceleration", &GlSettings::FlyerAcceleration},
    {"FlyerLeaveOdds", &GlSettings::FlyerLeaveOdds},
    {"StormCloudSpeed", &GlSettings::StormCloudSpeed},
    {"StormCloudWander", &GlSettings::StormCloudWander},
};

constexpr FloatKey kFloatKeys[] = {
    {"FlyerGunDamage", &GlSettings::FlyerGunDamage},
    {"StormCloudDamage", &GlSettings::StormCloudDamage},
    {"HitOnHeadDamage", &GlSettings::HitOnHeadDamage},
    {"SnowballDamage", &GlSettings::SnowballDamage},
};

// Applies one key; false when its value cannot be read.
// An unknown key reads nothing, so its value is taken as the next key.
bool ApplyKey(const std::string& key, SettingsText& text, GlSettings& settings)
{
    for (const TruthKey& truth : kTruthKeys) {
        if (key == truth.name) {
            int32_t value = 0;
            if (!text.ReadInteger(value))
                return false;
            settings.*truth.field = value != 0;
            return true;
        }
    }
    for (const IntegerKey& integer : kIntegerKeys) {
        if (key == integer.name)
            return text.ReadInteger(settings.*integer.field);
    }
    for (const FloatKey& real : kFloatKeys) {
        if (key == real.name)
            return text.ReadFloat(settings.*real.field);
    }
    if (key == "MediaPath") {
        // A path cut short or missing would send the game to a folder that
        // was never meant, so such a line keeps the old path.
        std::string path;
        if (text.ReadRestOfLine(path) != SettingsText::Line::Read)
            return false;
        settings.MediaPath = path;
    }
    return true;
}

} // namespace

const GlSettings& Settings()
{
    return CurrentSettings();
}

bool LoadSettings(const std::string& fileName)
{
    return LoadSettings(fileName, std::cerr);
}

bool LoadSettings(const std::string& fileName, std::ostream& warnings)
{
    std::error_code error;
    if (std::filesystem::is_directory(fileName, error))
        return false;
    std::ifstream file(fileName, std::ios::binary);
    if (!file)
        return false;
    std::string content;
    char chunk[4096];
    while (content.size() < kMaxFileBytes) {
        size_t wanted = std::min(sizeof chunk, kMaxFileBytes - content.size());
        file.read(chunk, static_cast<std::streamsize>(wanted));
        content.append(chunk, static_cast<size_t>(file.gcount()));
        if (!file)
            break;
    }
    if (file.bad())
        return false;

    SettingsText text(content);
    GlSettings& settings = CurrentSettings();
    std::string key;
    while (text.NextToken(key)) {
        if (key[0] == '#') {
            text.SkipComment();
            continue;
        }
        const size_t keyEnd = text.Position();
        if (ApplyKey(key, text, settings))
            continue;
        // One bad line must not cost the player every setting below it.
        warnings << fileName << " line " << text.LineNumberOf(keyEnd) << ": no usable value for " << key
                 << " in \"" << text.LineOf(keyEnd) << "\"; the line is skipped.\n";
        if (key != "MediaPath")
            text.SkipLineFrom(keyEnd);
    }
    return true;
}

void ResetSettings()
{
    CurrentSettings() = GlSettings();
}
