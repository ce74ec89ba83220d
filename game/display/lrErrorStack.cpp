// The library error stack: 64 slots of which slot 0 is never used, so it holds 63 codes.
#include "lrDisplay.h"

#include <algorithm>

namespace {

constexpr int kSlots = 64;

int gErrors[kSlots] = {};
int gErrorCount = 0;

} // namespace

void lrPushError(int code)
{
    ++gErrorCount;
    if (gErrorCount >= kSlots) {
        // Full: the oldest code (slot 1) gives way so the newest is always kept.
        std::copy(gErrors + 2, gErrors + kSlots, gErrors + 1);
        gErrorCount = kSlots - 1;
    }
    gErrors[gErrorCount] = code;
}

int lrGetLastError()
{
    if (gErrorCount <= 0)
        return 0;
    int code = gErrors[gErrorCount];
    --gErrorCount;
    return code;
}
