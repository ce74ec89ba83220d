// The act-1 briefing: sets the level's gift quota, shows it for five seconds, then the toy catcher.
#include "GlMission1.h"

#include "GlScreenRegistry.h"
#include "PlayerRecord.h"

namespace {

const GlBriefing::Layout kLayout = {
    {true, true, true, false}, // alphabets A, B and C
    "menus\\act01_bg.bmp",
    {
        {"menus\\sn_all.spx", 271, 164, 12, 200.0f},
        GlBriefing::kGiftCounterCue,
        GlBriefing::kCoinCounterCue,
    },
    5000,
};

} // namespace

GlMission1::GlMission1() : GlBriefing(kLayout)
{
}

int32_t GlMission1::GiftQuotaForLevel(int32_t level)
{
    switch (level) {
    case 1: return 10;
    case 2: return 15;
    case 3: return 20;
    case 4: return 25;
    default: return 30;
    }
}

void GlMission1::OnLoad()
{
    PlayerRecord& player = CurrentPlayer();
    player.giftQuota = GiftQuotaForLevel(player.level);
}

std::vector<GlBriefing::Text> GlMission1::BuildTexts() const
{
    const PlayerRecord& player = CurrentPlayer();
    return {
        {"Catch " + std::to_string(player.giftQuota), kFontB, 320, 107},
        GiftsText(player.giftCount),
        LivesText(player.lives),
    };
}

GlInterfaceRun* GlMission1::MakeSuccessor()
{
    // By name: while no toy catcher is built, the briefing stays on screen.
    return GlCreateScreen("GlToyCatcher");
}
