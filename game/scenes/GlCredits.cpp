// Loading and scrolling the credit lines.
#include "GlCredits.h"

#include "VlFile.h"
#include "VlLog.h"

#include <fstream>
#include <istream>

namespace {

const char* const kCreditsFileName = "credits.txt";

// One line up to its line end, at most 255 characters kept; false when the
// stream ended before a line end.
bool ReadLine(std::istream& in, std::string& line)
{
    line.clear();
    for (;;) {
        std::istream::int_type c = in.get();
        if (c == std::istream::traits_type::eof())
            return false;
        if (c == '\n')
            break;
        if (line.size() < GlCredits::kMaxLineLength + 1)
            line.push_back(static_cast<char>(c));
    }
    if (!line.empty() && line.back() == '\r')
        line.pop_back();
    if (line.size() > GlCredits::kMaxLineLength)
        line.resize(GlCredits::kMaxLineLength);
    return true;
}

} // namespace

bool GlCredits::EnsureLoaded()
{
    if (!mLines.empty())
        return true;
    Vl::File* file = nullptr;
    if (VlFileCreate(&file, Vl::kF_FromBinary, kCreditsFileName) != VlOk) {
        azLog() << "GlMenuMain::RunCredits- VlFileCreate failed.  Returning NULL object. " << kCreditsFileName << "\n"
                << std::flush;
        return false;
    }
    std::string path;
    file->GetFullName(path);
    file->Release();
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
    while (ReadLine(in, line))
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
    float fraction = mScroll - static_cast<float>(static_cast<int32_t>(mScroll));
    return kFirstRowY - static_cast<int32_t>(fraction * static_cast<float>(kRowHeight)) + row * kRowHeight;
}
