// The login's field reader over highscore.txt, bounded in rows, field length and bytes.
#include "PlayerTable.h"

#include <cmath>
#include <cstdlib>
#include <istream>
#include <limits>

namespace {

class FieldReader {
public:
    explicit FieldReader(std::istream& in) : mIn(in) {}

    bool AtEnd() { return Peek() == kEnd; }

    // One field, as text; an empty field when the line or the file ends at once.
    std::string Next()
    {
        std::string field;
        while (Peek() == ' ' || Peek() == '\t')
            Get();
        if (AtEnd())
            return field;
        if (IsLineEnd(Peek())) {
            SkipLineEnd();
            return field;
        }
        if (Peek() == ',') {
            Get();
            return field;
        }
        const bool number = StartsLikeNumber();
        while (!AtEnd() && Peek() != ',' && !IsLineEnd(Peek()) && !(number && IsBlank(Peek()))) {
            const int c = Get();
            if (field.size() < PlayerTable::kMaxFieldLength)
                field.push_back(static_cast<char>(c));
        }
        // A number ended by blanks takes the comma or line end after them as its own end.
        if (number) {
            while (IsBlank(Peek()))
                Get();
        }
        if (Peek() == ',')
            Get();
        else if (IsLineEnd(Peek()))
            SkipLineEnd();
        return field;
    }

private:
    static constexpr int kEnd = std::char_traits<char>::eof();

    static bool IsBlank(int c) { return c == ' ' || c == '\t'; }
    static bool IsLineEnd(int c) { return c == '\r' || c == '\n'; }
    static bool IsDigit(int c) { return c >= '0' && c <= '9'; }

    int Peek()
    {
        if (mUsed >= PlayerTable::kMaxBytes)
            return kEnd;
        return mIn.peek();
    }

    int Get()
    {
        const int c = Peek();
        if (c != kEnd) {
            mIn.get();
            ++mUsed;
        }
        return c;
    }

    void SkipLineEnd()
    {
        if (Get() == '\r' && Peek() == '\n')
            Get();
    }

    bool StartsLikeNumber()
    {
        const int c = Peek();
        if (IsDigit(c))
            return true;
        if (c != '-' && c != '+' && c != '.')
            return false;
        // Looks one further without giving the character back to the stream's owner.
        mIn.get();
        const int after = mIn.peek();
        mIn.unget();
        return IsDigit(after) || (c != '.' && after == '.');
    }

    std::istream& mIn;
    size_t mUsed = 0;
};

// A field as a 32-bit number: its leading decimal number, rounded half to
// even, held within range; 0 when it does not start with one.
int32_t ToNumber(const std::string& field)
{
    const char* text = field.c_str();
    char* end = nullptr;
    const double value = std::strtod(text, &end);
    if (end == text || !std::isfinite(value))
        return 0;
    const double rounded = std::nearbyint(value);
    if (rounded >= static_cast<double>(std::numeric_limits<int32_t>::max()))
        return std::numeric_limits<int32_t>::max();
    if (rounded <= static_cast<double>(std::numeric_limits<int32_t>::min()))
        return std::numeric_limits<int32_t>::min();
    return static_cast<int32_t>(rounded);
}

} // namespace

void PlayerTable::ReadFrom(std::istream& in)
{
    FieldReader fields(in);
    while (mRows.size() < kCapacity && !fields.AtEnd()) {
        PlayerEntry row;
        do {
            row.name = fields.Next();
        } while (row.name.empty() && !fields.AtEnd());
        if (fields.AtEnd())
            break;
        row.level = ToNumber(fields.Next());
        row.second = ToNumber(fields.Next());
        row.third = ToNumber(fields.Next());
        mRows.push_back(row);
    }
}

int32_t PlayerTable::LevelOf(const std::string& name) const
{
    for (const PlayerEntry& row : mRows) {
        if (row.name == name)
            return row.level;
    }
    return 0;
}

bool PlayerTable::Contains(const std::string& name) const
{
    for (const PlayerEntry& row : mRows) {
        if (row.name == name)
            return true;
    }
    return false;
}
