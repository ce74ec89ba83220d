// Loading, drawing and timing shared by the three briefings and the totals.
#include "GlBriefing.h"

#include "GlFrameTiming.h"
#include "GlScreenState.h"

#include "AzBlitterObject.h"
#include "AzBobSprite.h"
#include "AzDrawBobCommand.h"
#include "AzDrawBobSpriteCommand.h"
#include "AzDrawQueue.h"
#include "AzLoaders.h"
#include "lrDisplay.h"

namespace {

constexpr float kBackgroundDepth = 1000.0f;
constexpr float kTextDepth = 8.0f;

std::string CounterText(int32_t value)
{
    return "= " + std::to_string(value);
}

} // namespace

GlBriefing::GlBriefing(const Layout& layout) : mLayout(layout)
{
}

GlBriefing::~GlBriefing() = default;

GlBriefing::Text GlBriefing::LivesText(int32_t lives)
{
    return {CounterText(lives), kFontA, 336, 272};
}

GlBriefing::Text GlBriefing::GiftsText(int32_t gifts)
{
    return {CounterText(gifts), kFontA, 336, 360};
}

void GlBriefing::Load()
{
    az::SetPaletteFromFile("Pallettes\\NS_pallette.bmp");
    for (int32_t font = 0; font < kFontCount; ++font) {
        if (mLayout.fonts[font])
            mFonts.Load(static_cast<Font>(font));
    }
    mBackground.reset(az::LoadBlitterObject(mLayout.background));
    mSprites.clear();
    for (const SpriteCue& cue : mLayout.sprites)
        mSprites.emplace_back(az::LoadBobSprite(cue.file));
    // The real clock, not the frame time: a hold before this screen must not
    // eat into its own time on screen.
    lrGetTime(&mStartTime);
    OnLoad();
}

bool GlBriefing::RunFrame()
{
    gDrawQueue.push(new AzDrawBobCommand(kBackgroundDepth, mBackground.get(), 0, 0));

    for (const Text& text : BuildTexts())
        mFonts.QueueText(kTextDepth, text.text, text.font, text.x, text.y);

    for (size_t i = 0; i < mSprites.size(); ++i) {
        AzBobSprite* sprite = mSprites[i].get();
        if (sprite == nullptr)
            continue;
        const SpriteCue& cue = mLayout.sprites[i];
        int32_t frame = AnimFrameIndex(sprite->GetFrameCount(), cue.framesPerSecond, 0);
        gDrawQueue.push(new AzDrawBobSpriteCommand(cue.depth, sprite, cue.x, cue.y, frame));
    }

    uint32_t now = 0;
    lrGetTime(&now);
    // Unsigned difference: right across the wrap of the 32-bit clock too.
    if (now - mStartTime > mLayout.shownForMs) {
        if (GlInterfaceRun* successor = MakeSuccessor())
            gNextScreen = successor;
    }
    return true;
}
