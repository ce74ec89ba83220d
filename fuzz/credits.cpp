// Feeds arbitrary bytes as credits.txt to the credits, from the file as the menu reads it, and scrolls them.
#include "GlCredits.h"
#include "mediafolder.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    fuzzmedia::EnterFolder();
    fuzzmedia::WriteFile("credits.txt", data, size);
    GlCredits credits;
    if (!credits.EnsureLoaded())
        std::abort();
    if (credits.LineCount() < GlCredits::kLeadingBlankLines)
        std::abort();
    for (int step = 0; step < 40; ++step) {
        for (int row = 0; row < GlCredits::kVisibleRows; ++row) {
            if (credits.RowText(row).size() > GlCredits::kMaxLineLength)
                std::abort();
            credits.RowY(row);
        }
        credits.Advance(0.37f * static_cast<float>(step));
    }
    return 0;
}
