// The keyboard rules of the high-score name entry.
#include "GlNameEntry.h"

#include "GlFrameTiming.h"
#include "GlKeyPress.h"

#include "AzBobAlphabet.h"
#include "VlKeys.h"

GlNameEntry::KeyResult GlNameEntry::RunKeys(GlKeyPress& keys)
{
    if (IsKeyDown(Vl::kVK_Return))
        return keys.KeyPressed(Vl::kVK_Return) ? KeyResult::EnterPressed : KeyResult::EnterHeld;

    if (IsKeyDown(Vl::kVK_Space)) {
        if (keys.KeyPressed(Vl::kVK_Space))
            Append(' ');
        return KeyResult::Typing;
    }

    if (IsKeyDown(Vl::kVK_Back)) {
        if (keys.KeyPressed(Vl::kVK_Back) && !mName.empty())
            mName.pop_back();
        return KeyResult::Typing;
    }

    // Only the first letter down counts: a second letter held with it waits
    // until the first is let go, as a key press remembers one key a frame.
    for (int letter = 0; letter < 26; ++letter) {
        const int key = Vl::kVK_A + letter;
        if (!IsKeyDown(key))
            continue;
        if (keys.KeyPressed(key))
            Append(static_cast<char>((IsKeyDown(Vl::kVK_Shift) ? 'A' : 'a') + letter));
        break;
    }
    return KeyResult::Typing;
}

void GlNameEntry::LimitWidth(const AzBobAlphabet* alphabet)
{
    if (alphabet && !mName.empty() && alphabet->TextWidth(mName) > kMaxNameWidth)
        mName.pop_back();
}

std::string GlNameEntry::CutToWidth(std::string name, const AzBobAlphabet* alphabet)
{
    while (alphabet && !name.empty() && alphabet->TextWidth(name) > kMaxNameWidth)
        name.pop_back();
    return name;
}

void GlNameEntry::Append(char character)
{
    // Without the list's alphabet nothing measures the name; the file still
    // needs it to fit its line.
    if (mName.size() < kMaxNameLength)
        mName.push_back(character);
}
