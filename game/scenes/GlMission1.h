// The act-1 briefing: the gift quota of the level, the gifts on board and the lives left.
#pragma once

#include "GlBriefing.h"

#include <cstdint>
#include <vector>

class GlMission1 : public GlBriefing {
public:
    GlMission1();

    std::vector<Text> BuildTexts() const override;

    // Gifts to catch in act 1: level 1 -> 10, 2 -> 15, 3 -> 20, 4 -> 25, any other -> 30.
    static int32_t GiftQuotaForLevel(int32_t level);

protected:
    void OnLoad() override;
    GlInterfaceRun* MakeSuccessor() override;
};
