// The front end's alphabets and text files as the game reads them from the install tree.
#pragma once

#include "MediaReader.h"

#include <map>
#include <string>
#include <vector>

namespace frontart {

using namespace mediatest;

inline std::string ReadText(const std::string& path)
{
    const std::vector<uint8_t> bytes = ReadFileBytes(path);
    return std::string(bytes.begin(), bytes.end());
}

// An alphabet as the game builds it: the description's first line names the frames in order,
// and a character's advance is its frame's width.
struct Alphabet {
    std::string characters;
    std::map<char, Frame> glyphs;

    int TextWidth(const std::string& text) const
    {
        int width = 0;
        for (char c : text) {
            const auto it = glyphs.find(c);
            if (it != glyphs.end()) width += it->second.width;
        }
        return width;
    }
    bool Has(char c) const { return glyphs.count(c) != 0; }
    int Height() const { return glyphs.empty() ? 0 : glyphs.begin()->second.height; }
};

inline std::string FirstLine(const std::string& text) { return text.substr(0, text.find_first_of("\r\n")); }

inline Alphabet ReadAlphabet(const std::string& spriteName, const std::string& descriptionName)
{
    Alphabet alphabet;
    const Sprite sprite = ReadSpx(MediaFile(spriteName));
    alphabet.characters = FirstLine(ReadText(MediaFile(descriptionName)));
    for (size_t i = 0; i < alphabet.characters.size() && i < sprite.frames.size(); ++i)
        alphabet.glyphs[alphabet.characters[i]] = sprite.frames[i];
    return alphabet;
}

// Lines as the game takes them: only lines ended by a line end count.
inline std::vector<std::string> EndedLines(const std::string& text)
{
    std::vector<std::string> lines;
    size_t start = 0;
    for (size_t end; (end = text.find('\n', start)) != std::string::npos; start = end + 1) {
        std::string line = text.substr(start, end - start);
        if (!line.empty() && line.back() == '\r') line.pop_back();
        lines.push_back(line);
    }
    return lines;
}

} // namespace frontart
