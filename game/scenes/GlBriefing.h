// What the briefings and the totals share: a picture, centred texts built from the progress
// record every frame, animated sprites, and a successor once their time on the real clock is up.
#pragma once

#include "GlInterfaceRun.h"

#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

class AzBlitterObject;
class AzBobAlphabet;
class AzBobSprite;

class GlBriefing : public GlInterfaceRun {
public:
    enum Font : int32_t { kFontA, kFontB, kFontC, kFontE, kFontCount };

    // One line of lettering, centred on x; y is the top of the letters.
    struct Text {
        std::string text;
        Font font;
        int32_t x;
        int32_t y;
    };

    // A sprite file animated with the clock at a number of frames a second.
    struct SpriteCue {
        const char* file;
        int32_t x;
        int32_t y;
        int32_t framesPerSecond;
        float depth;
    };

    struct Layout {
        std::array<bool, kFontCount> fonts;
        const char* background;
        std::vector<SpriteCue> sprites;
        uint32_t shownForMs;
    };

    ~GlBriefing() override;
    bool RunFrame() override;
    void Load() override;

    // The texts as they are this frame, from the current player.
    virtual std::vector<Text> BuildTexts() const = 0;

    // "= " and the number, as the lives and gift counters are written.
    static std::string CounterText(int32_t value);

protected:
    // The layout must outlive the screen (each screen keeps its own as a constant).
    explicit GlBriefing(const Layout& layout);

    // The screen's own part of Load, after everything is loaded.
    virtual void OnLoad() {}
    // Called once the time is up; the next screen, or null to stay on screen.
    virtual GlInterfaceRun* MakeSuccessor() = 0;

private:
    const Layout& mLayout;
    std::array<std::unique_ptr<AzBobAlphabet>, kFontCount> mFonts;
    std::unique_ptr<AzBlitterObject> mBackground;
    std::vector<std::unique_ptr<AzBobSprite>> mSprites;
    uint32_t mStartTime = 0;
};
