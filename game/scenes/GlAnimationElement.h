// What an animation script describes: its sprites, props and sounds, and when and where each shows.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

class AzBlitterObject;
class AzBobSprite;

namespace Vl {
class Sound;
}

struct GlAnimationAction {
    bool loop = false;   // sprite actions only: the sequence repeats
    int32_t start = 0;   // first animation frame (a sound's starting frame)
    int32_t end = 0;     // last animation frame, inclusive; 0 for sounds
    int32_t depth = 0;
    int32_t x = 0;
    int32_t y = 0;
    std::vector<int32_t> frames; // sprite frame per animation frame from start on, counted from 1
    bool played = false;         // sound actions only
};

struct GlAnimationElement {
    enum Kind : int32_t { kSprite = 0, kProp = 1, kSound = 2 };

    int32_t kind = kSprite;
    std::string label; // used only in log lines
    std::string fileName;
    std::vector<GlAnimationAction> actions;
};

// The loaded object of one element; at most one pointer is set, none when its file failed to load.
struct GlAnimationObject {
    AzBobSprite* sprite = nullptr;
    AzBlitterObject* prop = nullptr;
    Vl::Sound* sound = nullptr;
};

using GlAnimationElements = std::vector<GlAnimationElement>;
using GlAnimationObjects = std::vector<GlAnimationObject>;
