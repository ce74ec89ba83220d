// Typing a name for the high-score list: letters, spaces and Backspace, one per key press.
#pragma once

#include <cstdint>
#include <string>

class AzBobAlphabet;
class GlKeyPress;

class GlNameEntry {
public:
    static constexpr int32_t kMaxNameWidth = 164; // pixels in the list's alphabet
    static constexpr size_t kMaxNameLength = 255;  // what highscore.txt can hold

    enum class KeyResult {
        Typing,       // nothing or one edit this frame
        EnterHeld,    // Enter is down but was already down last frame
        EnterPressed, // the name is finished
    };

    // One frame of the keyboard. Only the first key that is down of Enter,
    // Space, Backspace and A..Z is looked at; letters are upper case while
    // Shift is down. A held key types once.
    KeyResult RunKeys(GlKeyPress& keys);
    // Takes back the last character when the name is wider than the limit in
    // the given alphabet, so a letter that makes it too wide never stays.
    void LimitWidth(const AzBobAlphabet* alphabet);
    // A name read from the list, cut the same way until it fits the width a typed
    // name may have, so it never runs into the score column.
    static std::string CutToWidth(std::string name, const AzBobAlphabet* alphabet);

    const std::string& GetName() const { return mName; }
    void Clear() { mName.clear(); }

private:
    void Append(char character);

    std::string mName;
};
