// The totals: five seconds of the player's standing, then where the game goes by the outcome.
#include "GlTotals.h"

#include "GlHighScore.h"
#include "GlMission1.h"
#include "GlMission2.h"
#include "GlScreenRegistry.h"
#include "PlayerRecord.h"

namespace {

const GlBriefing::Layout kLayout = {
    {true, true, true, true}, // alphabets A, B, C and E
    "menus\\score_bg.bmp",
    {
        {"menus\\band_flag.spx", 205, 33, 15, 10.0f},
        {"menus\\band_flag02.spx", 400, 33, 15, 10.0f},
        {"menus\\score_coin.spx", 238, 274, 15, 10.0f},
        {"menus\\score_gift.spx", 226, 351, 15, 10.0f},
    },
    5000,
};

enum Outcome : int32_t {
    kGameOver = 0,
    kActOneWon = 1,
    kCityDelivered = 2,
    kLastCityDelivered = 3,
    kLevelCelebrated = 4,
};

} // namespace

GlTotals::GlTotals() : GlBriefing(kLayout)
{
}

std::vector<GlBriefing::Text> GlTotals::BuildTexts() const
{
    const PlayerRecord& player = CurrentPlayer();
    return {
        {"Round " + std::to_string(player.level), kFontC, 320, 197},
        {std::to_string(player.score), kFontE, 320, 107},
        LivesText(player.lives),
        GiftsText(player.giftCount),
    };
}

GlInterfaceRun* GlTotals::MakeSuccessor()
{
    PlayerRecord& player = CurrentPlayer();
    switch (player.outcome) {
    case kGameOver:
        // Tells the high-score screen to take a name rather than show the list.
        player.gameFinished = true;
        return new GlHighScore();
    case kActOneWon:
        return GlCreateScreen("GlCutSetup2");
    case kCityDelivered:
        return new GlMission2();
    case kLastCityDelivered:
        return GlCreateScreen("GlCutCelebration");
    case kLevelCelebrated:
        return new GlMission1();
    default:
        // An outcome nobody sets: the totals stay on screen (Escape still leaves).
        return nullptr;
    }
}
