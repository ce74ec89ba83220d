// The totals after each act result: round, score, lives and gifts, then the branch on the outcome.
#pragma once

#include "GlBriefing.h"

#include <vector>

class GlTotals : public GlBriefing {
public:
    GlTotals();

    std::vector<Text> BuildTexts() const override;

protected:
    GlInterfaceRun* MakeSuccessor() override;
};
