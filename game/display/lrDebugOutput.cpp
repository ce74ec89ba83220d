// The debugger output of the display: standard error, or a sink installed by a test.
#include "lrDisplay.h"
#include "lrDisplayState.h"

#include <cstdio>

namespace {

lrDebugSink gSink = nullptr;

} // namespace

void lrSetDebugSink(lrDebugSink sink)
{
    gSink = sink;
}

void lrDebugWrite(const char* text)
{
    if (gSink) {
        gSink(text);
        return;
    }
    std::fputs(text, stderr);
    std::fflush(stderr);
}
