// Reading key scripts for the headless runner.
#include "KeyScript.h"

#include "VlKeys.h"

#include <cctype>
#include <fstream>
#include <sstream>

namespace {

struct NamedKey {
    const char* name;
    int code;
};

constexpr NamedKey kNamedKeys[] = {
    {"left", Vl::kVK_Left},     {"right", Vl::kVK_Right}, {"up", Vl::kVK_Up},
    {"down", Vl::kVK_Down},     {"space", Vl::kVK_Space}, {"enter", Vl::kVK_Return},
    {"return", Vl::kVK_Return}, {"escape", Vl::kVK_Escape}, {"esc", Vl::kVK_Escape},
    {"f11", Vl::kVK_F11},       {"f12", Vl::kVK_F12},     {"back", Vl::kVK_Back},
    {"backspace", Vl::kVK_Back}, {"shift", Vl::kVK_Shift},
};

std::string Lower(std::string text)
{
    for (char& c : text)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return text;
}

} // namespace

int VirtualKeyFromName(const std::string& name)
{
    if (name.size() == 1) {
        unsigned char c = static_cast<unsigned char>(std::toupper(static_cast<unsigned char>(name[0])));
        if (c >= 'A' && c <= 'Z')
            return Vl::kVK_A + (c - 'A');
        if (c >= '0' && c <= '9')
            return Vl::kVK_0 + (c - '0');
    }
    std::string lower = Lower(name);
    for (const NamedKey& key : kNamedKeys) {
        if (lower == key.name)
            return key.code;
    }
    if (lower.size() > 2 && lower.compare(0, 2, "0x") == 0) {
        char* end = nullptr;
        long code = std::strtol(lower.c_str() + 2, &end, 16);
        if (end != nullptr && *end == '\0' && code > 0 && code < Vl::kVK_Count)
            return static_cast<int>(code);
    }
    return -1;
}

bool KeyScript::Parse(const std::string& text, std::string& error)
{
    std::istringstream lines(text);
    std::string line;
    int lineNumber = 0;
    while (std::getline(lines, line)) {
        ++lineNumber;
        std::string::size_type hash = line.find('#');
        if (hash != std::string::npos)
            line.erase(hash);
        std::istringstream words(line);
        std::string frameWord, kindWord, keyWord, extra;
        if (!(words >> frameWord))
            continue;
        KeyEvent event;
        char* end = nullptr;
        long frame = std::strtol(frameWord.c_str(), &end, 10);
        bool ok = end != nullptr && *end == '\0' && frame >= 0 && (words >> kindWord >> keyWord) && !(words >> extra);
        if (ok) {
            event.frame = static_cast<int>(frame);
            std::string kind = Lower(kindWord);
            if (kind == "down")
                event.kind = KeyEvent::Kind::Down;
            else if (kind == "up")
                event.kind = KeyEvent::Kind::Up;
            else if (kind == "tap")
                event.kind = KeyEvent::Kind::Tap;
            else
                ok = false;
            event.virtualKey = VirtualKeyFromName(keyWord);
            ok = ok && event.virtualKey > 0;
        }
        if (!ok) {
            error = "line " + std::to_string(lineNumber) + ": expected 'FRAME down|up|tap KEY': " + line;
            return false;
        }
        mEvents.push_back(event);
    }
    return true;
}

bool KeyScript::Load(const std::string& path, std::string& error)
{
    std::ifstream file(path);
    if (!file) {
        error = "cannot read " + path;
        return false;
    }
    std::stringstream text;
    text << file.rdbuf();
    return Parse(text.str(), error);
}

std::vector<KeyEvent> KeyScript::EventsAt(int frame) const
{
    std::vector<KeyEvent> events;
    for (const KeyEvent& event : mEvents) {
        if (event.frame == frame)
            events.push_back(event);
    }
    return events;
}
