// The act-2 briefing: the number of cities to visit, shown for seven seconds, then the globe.
#include "GlMission2.h"

#include "GlScreenRegistry.h"
#include "PlayerRecord.h"

namespace {

const GlBriefing::Layout kLayout = {
    {true, true, true, true}, // alphabets A, B, C and E
    "menus\\navig_bg.bmp",
    {
        {"menus\\confetti.spx", 214, 259, 15, 150.0f},
        {"menus\\gift_open.spx", 288, 304, 15, 200.0f},
    },
    7000,
};

// The tour sizes navigation builds; every level outside 1 to 4 counts as a
// late one here, a level below 1 too.
int32_t CitiesForLevel(int32_t level)
{
    switch (level) {
    case 1: return 4;
    case 2: return 6;
    case 3: return 9;
    case 4: return 12;
    default: return 15;
    }
}

} // namespace

GlMission2::GlMission2() : GlBriefing(kLayout)
{
}

int32_t GlMission2::CitiesToVisit(const PlayerRecord& player)
{
    if (player.tourSize == 0 || player.tourSize == player.deliveredCount)
        return CitiesForLevel(player.level);
    return player.tourSize - player.deliveredCount;
}

std::vector<GlBriefing::Text> GlMission2::BuildTexts() const
{
    return {
        {"Cities To Visit", kFontB, 320, 67},
        {std::to_string(CitiesToVisit(CurrentPlayer())), kFontE, 320, 200},
    };
}

GlInterfaceRun* GlMission2::MakeSuccessor()
{
    // By name: while no navigation screen is built, the briefing stays on screen.
    return GlCreateScreen("GlNavigation");
}
