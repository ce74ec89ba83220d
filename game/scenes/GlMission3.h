// The city briefing: the chosen city's name and line, the lives left and the gifts on board.
#pragma once

#include "GlBriefing.h"

#include <vector>

class GlMission3 : public GlBriefing {
public:
    GlMission3();

    std::vector<Text> BuildTexts() const override;

protected:
    GlInterfaceRun* MakeSuccessor() override;
};
