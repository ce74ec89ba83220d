// What the briefings and the totals share: a picture, centred texts built from the progress
// record every frame, animated sprites, and a successor once their time on the real clock is up.
#pragma once

#include "GlAlphabets.h"
#include "GlInterfaceRun.h"

#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

class AzBlitterObject;
class AzBobSprite;

class GlBriefing : public GlInterfaceRun {
public:
    using Font = GlAlphabets::Font;
    using enum GlAlphabets::Font;

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

    // The gift and the coin of the act briefings, beside their counters.
    static constexpr SpriteCue kGiftCounterCue{"menus\\score_gift.spx", 226, 351, 12, 200.0f};
    static constexpr SpriteCue kCoinCounterCue{"menus\\score_coin.spx", 238, 274, 15, 200.0f};

protected:
    // The counters beside the coin and the gift of the act briefings and the
    // totals: "= " and the number.
    static Text LivesText(int32_t lives);
    static Text GiftsText(int32_t gifts);

    // The layout must outlive the screen (each screen keeps its own as a constant).
    explicit GlBriefing(const Layout& layout);

    // The screen's own part of Load, after everything is loaded.
    virtual void OnLoad() {}
    // Called once the time is up; the next screen, or null to stay on screen.
    virtual GlInterfaceRun* MakeSuccessor() = 0;

private:
    const Layout& mLayout;
    GlAlphabets mFonts;
    std::unique_ptr<AzBlitterObject> mBackground;
    std::vector<std::unique_ptr<AzBobSprite>> mSprites;
    uint32_t mStartTime = 0;
};
