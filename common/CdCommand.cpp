// Parsing of the drive's command strings; refuses anything it does not know rather than guessing.
#include "CdCommand.h"

#include <array>
#include <vector>

namespace {

constexpr size_t kMaxTokens = 16;

// The verbs that take nothing after the device name.
struct BareVerb {
    std::string_view word;
    CdVerb verb;
};
constexpr BareVerb kBareVerbs[] = {{"close", CdVerb::Close}, {"stop", CdVerb::Stop}, {"pause", CdVerb::Pause}};

bool IsBlank(char c)
{
    return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}

char Lower(char c)
{
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

bool Same(std::string_view token, std::string_view word)
{
    if (token.size() != word.size())
        return false;
    for (size_t i = 0; i < token.size(); ++i) {
        if (Lower(token[i]) != word[i])
            return false;
    }
    return true;
}

// False when there are more tokens than any command has.
bool Split(std::string_view text, std::vector<std::string_view>& tokens)
{
    size_t i = 0;
    while (i < text.size()) {
        while (i < text.size() && IsBlank(text[i]))
            ++i;
        const size_t start = i;
        while (i < text.size() && !IsBlank(text[i]))
            ++i;
        if (i > start) {
            if (tokens.size() == kMaxTokens)
                return false;
            tokens.push_back(text.substr(start, i - start));
        }
    }
    return true;
}

// "T", "T:M", "T:M:S" or "T:M:S:F", each field one to three digits.
std::optional<CdPosition> ParsePosition(std::string_view token)
{
    std::array<uint32_t, 4> fields{};
    size_t count = 0;
    size_t digits = 0;
    for (char c : token) {
        if (c == ':') {
            if (digits == 0 || count == 3)
                return std::nullopt;
            ++count;
            digits = 0;
        } else if (c >= '0' && c <= '9') {
            if (++digits > 3)
                return std::nullopt;
            fields[count] = fields[count] * 10 + static_cast<uint32_t>(c - '0');
        } else {
            return std::nullopt;
        }
    }
    if (digits == 0)
        return std::nullopt;
    CdPosition position{fields[0], fields[1], fields[2], fields[3]};
    if (position.track < 1 || position.track > 99 || position.seconds > 59 || position.frames > 74)
        return std::nullopt;
    return position;
}

bool Matches(const std::vector<std::string_view>& tokens, size_t at, std::initializer_list<std::string_view> words)
{
    if (tokens.size() - at != words.size())
        return false;
    for (std::string_view word : words) {
        if (!Same(tokens[at++], word))
            return false;
    }
    return true;
}

std::optional<CdStatusItem> ParseStatusItem(const std::vector<std::string_view>& tokens)
{
    if (Matches(tokens, 2, {"number", "of", "tracks"}))
        return CdStatusItem::NumberOfTracks;
    if (Matches(tokens, 2, {"mode"}))
        return CdStatusItem::Mode;
    if (Matches(tokens, 2, {"position"}))
        return CdStatusItem::Position;
    if (Matches(tokens, 2, {"current", "track"}))
        return CdStatusItem::CurrentTrack;
    return std::nullopt;
}

bool ParsePlayRange(const std::vector<std::string_view>& tokens, CdCommand& command)
{
    for (size_t i = 2; i < tokens.size(); i += 2) {
        if (i + 1 >= tokens.size())
            return false;
        std::optional<CdPosition> position = ParsePosition(tokens[i + 1]);
        if (!position)
            return false;
        if (Same(tokens[i], "from") && !command.from)
            command.from = position;
        else if (Same(tokens[i], "to") && !command.to)
            command.to = position;
        else
            return false;
    }
    return true;
}

} // namespace

std::optional<CdCommand> ParseCdCommand(std::string_view text)
{
    std::vector<std::string_view> tokens;
    if (!Split(text, tokens) || tokens.size() < 2 || !Same(tokens[1], "cdaudio"))
        return std::nullopt;

    CdCommand command;
    // The trailing flags may come in any order; "wait" changes nothing, since
    // every command finishes before it returns.
    while (tokens.size() > 2) {
        if (Same(tokens.back(), "notify"))
            command.notify = true;
        else if (!Same(tokens.back(), "wait"))
            break;
        tokens.pop_back();
    }

    const std::string_view verb = tokens[0];
    for (const BareVerb& bare : kBareVerbs) {
        if (Same(verb, bare.word)) {
            command.verb = bare.verb;
            if (tokens.size() == 2)
                return command;
            return std::nullopt;
        }
    }
    if (Same(verb, "open")) {
        command.verb = CdVerb::Open;
        if (tokens.size() == 2 || Matches(tokens, 2, {"shareable"}))
            return command;
    } else if (Same(verb, "set")) {
        command.verb = CdVerb::Set;
        if (Matches(tokens, 2, {"time", "format", "tmsf"}))
            return command;
    } else if (Same(verb, "status")) {
        command.verb = CdVerb::Status;
        if (std::optional<CdStatusItem> item = ParseStatusItem(tokens)) {
            command.item = *item;
            return command;
        }
    } else if (Same(verb, "play")) {
        command.verb = CdVerb::Play;
        if (ParsePlayRange(tokens, command))
            return command;
    }
    return std::nullopt;
}
