// The script writer: one element a block, one action a line, as the game's reader expects them.
#include "StoryScript.h"

namespace mediagen {

void StoryScript::Comment(const std::string& text)
{
    // The reader skips words between elements, so a comment needs no marker; "#" helps people.
    mText += "# " + text + "\n";
}

void StoryScript::BeginSprite(const std::string& label, const std::string& file)
{
    mText += "sprite " + label + " " + file + "\n";
    mSprite = true;
}

void StoryScript::BeginProp(const std::string& label, const std::string& file)
{
    mText += "prop " + label + " " + file + "\n";
    mSprite = false;
}

void StoryScript::BeginSound(const std::string& label, const std::string& file)
{
    mText += "sound " + label + " " + file + "\n";
    mSprite = false;
}

void StoryScript::SpriteAction(bool loop, int start, int end, int depth, int x, int y, const std::string& sequence)
{
    mText += std::string("  action ") + (loop ? "loop " : "once ") + std::to_string(start) + " " + std::to_string(end) +
             " " + std::to_string(depth) + " " + std::to_string(x) + " " + std::to_string(y) + "\n    " + sequence +
             "\n  endaction\n";
}

void StoryScript::PropAction(int start, int end, int depth, int x, int y)
{
    mText += "  action " + std::to_string(start) + " " + std::to_string(end) + " " + std::to_string(depth) + " " +
             std::to_string(x) + " " + std::to_string(y) + " endaction\n";
}

void StoryScript::SoundAction(int start) { mText += "  action " + std::to_string(start) + " endaction\n"; }

void StoryScript::End()
{
    mText += mSprite ? "endsprite\n\n" : "endprop\n\n";
}

} // namespace mediagen
