// The act-2 briefing: how many cities of the level are still to visit.
#pragma once

#include "GlBriefing.h"

#include <cstdint>
#include <vector>

struct PlayerRecord;

class GlMission2 : public GlBriefing {
public:
    GlMission2();

    std::vector<Text> BuildTexts() const override;

    // The cities left in this level's tour, or the whole tour of the level
    // when navigation has not built it yet (or every city is delivered).
    static int32_t CitiesToVisit(const PlayerRecord& player);

protected:
    GlInterfaceRun* MakeSuccessor() override;
};
