// The city briefing: shown for five seconds before the sleigh ride over the chosen city.
#include "GlMission3.h"

#include "GlScreenRegistry.h"
#include "PlayerRecord.h"

namespace {

const GlBriefing::Layout kLayout = {
    {true, true, true, false}, // alphabets A, B and C
    "menus\\act02_bg.bmp",
    {
        GlBriefing::kGiftCounterCue,
        GlBriefing::kCoinCounterCue,
    },
    5000,
};

} // namespace

GlMission3::GlMission3() : GlBriefing(kLayout)
{
}

std::vector<GlBriefing::Text> GlMission3::BuildTexts() const
{
    const PlayerRecord& player = CurrentPlayer();
    std::vector<Text> texts;
    // No city chosen (a game started here by a tool): the city lines stay empty.
    if (player.chosenEntry != nullptr) {
        texts.push_back({player.chosenEntry->name, kFontB, 320, 107});
        texts.push_back({player.chosenEntry->description, kFontC, 320, 172});
    }
    texts.push_back(LivesText(player.lives));
    texts.push_back(GiftsText(player.giftCount));
    return texts;
}

GlInterfaceRun* GlMission3::MakeSuccessor()
{
    // By name: while no sleigh ride is built, the briefing stays on screen.
    return GlCreateScreen("GlSkyRun");
}
