// Writing the story scenes' animation scripts: elements and actions in the script grammar.
#pragma once

#include <string>

namespace mediagen {

class StoryScript {
public:
    void Comment(const std::string& text);
    void BeginSprite(const std::string& label, const std::string& file);
    void BeginProp(const std::string& label, const std::string& file);
    void BeginSound(const std::string& label, const std::string& file);
    // A sprite action: the numbers on one line, the frame sequence on the next, then "endaction".
    void SpriteAction(bool loop, int start, int end, int depth, int x, int y, const std::string& sequence);
    void PropAction(int start, int end, int depth, int x, int y);
    void SoundAction(int start);
    void End(); // "endsprite" for sprites, "endprop" for props and sounds

    const std::string& Text() const { return mText; }

private:
    std::string mText;
    bool mSprite = false;
};

} // namespace mediagen
