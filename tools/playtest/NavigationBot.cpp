// The globe's bot: reads the face and the selection through the screen's getters.
#include "NavigationBot.h"

#include "HeadlessGame.h"

#include "CityEntry.h"
#include "GlCityTour.h"
#include "GlNavigation.h"
#include "PlayerRecord.h"
#include "VlKeys.h"

#include <cstdlib>
#include <vector>

namespace {

bool Undelivered(const CityEntry& entry)
{
    return GlCityTour::IsCity(entry) && !entry.done;
}

bool TourHasCities()
{
    for (const std::vector<CityEntry>& face : CurrentPlayer().tourLists) {
        for (const CityEntry& entry : face) {
            if (GlCityTour::IsCity(entry))
                return true;
        }
    }
    return false;
}

} // namespace

void NavigationBot::Drive(GlInterfaceRun& screen, HeadlessGame& game)
{
    auto* globe = dynamic_cast<GlNavigation*>(&screen);
    if (mHeldKey >= 0) {
        game.SetKey(mHeldKey, false);
        mHeldKey = -1;
        return;
    }
    if (globe == nullptr || !globe->IsActive() || globe->IsSpinning() || GlNavigation::GetSelectionMotion().moving)
        return;
    const CityEntry* selected = globe->GetSelectedEntry();
    if (selected == nullptr)
        return;

    const std::vector<CityEntry>& face = CurrentPlayer().tourLists[static_cast<std::size_t>(globe->GetFace())];
    const int selection = globe->GetSelection();
    int key = -1;
    if (Undelivered(*selected) || !TourHasCities()) {
        key = Vl::kVK_Return;
    } else {
        // The nearest city still waiting on this face; none means the globe turns right.
        int best = -1;
        for (int i = 0; i < static_cast<int>(face.size()); ++i) {
            if (Undelivered(face[static_cast<std::size_t>(i)]) &&
                (best < 0 || std::abs(i - selection) < std::abs(best - selection)))
                best = i;
        }
        if (best >= 0)
            key = best < selection ? Vl::kVK_Left : Vl::kVK_Right;
        else if (selection + 1 < static_cast<int>(face.size()) || GlCityTour::IsGoRight(*selected))
            key = Vl::kVK_Right;
        else
            key = Vl::kVK_Left; // a city sorted after "Go Right": back to the arrow first
    }
    game.SetKey(key, true);
    mHeldKey = key;
}
