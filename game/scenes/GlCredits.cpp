// Loading and scrolling the credit lines.
#include "GlCredits.h"

#include "AzTextFiles.h"
#include "VlFile.h"
#include "VlLog.h"

#include <fstream>
#include <istream>

namespace {

const char* const kCreditsFileName = "credits.txt";

} // namespace

bool GlCredits::EnsureLoaded()
{
    if (!mLines.empty())
        return true;
    std::string path;
    if (!az::GetFullPath(Vl::kF_FromBinary, kCreditsFileName, path)) {
        azLog() << "GlMenuMain::RunCredits- VlFileCreate failed.  Returning NULL object. " << kCreditsFileName << "\n"
                << std::flush;
        return false;
    }
    std::ifstream in(path, std::ios::in | std::ios::binary);
    if (!in) {
        azLog() << "GlMenuMain::RunCredits - credits file in fail state after construction.\n" << std::flush;
        return false;
    }
    ReadFrom(in);
    return true;
}

void GlCredits::ReadFrom(std::istream& in)
{
    mLines.assign(kLeadingBlankLines, std::string());
    std::string line;
    // A last line without a line end is left out, as the credits always did.
    while (az::ReadTextLine(in, kMaxLineLength, line))
        mLines.push_back(line);
}

void GlCredits::Advance(float lines)
{
    mScroll += lines;
    if (mScroll >= static_cast<float>(mLines.size()))
        mScroll = 0.0f;
}

std::string GlCredits::RowText(int row) const
{
    size_t line = static_cast<size_t>(static_cast<float>(row) + mScroll);
    return line < mLines.size() ? mLines[line] : std::string();
}

int32_t GlCredits::RowY(int row) const
{
    const float fraction = mScroll - static_cast<float>(static_cast<int32_t>(mScroll));
    return kFirstRowY - static_cast<int32_t>(fraction * static_cast<double>(kRowHeight)) + row * kRowHeight;
}
