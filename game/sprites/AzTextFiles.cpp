// Finding a text file and reading its lines within bounds.
#include "AzTextFiles.h"

#include "VlFile.h"

#include <istream>

namespace az {

bool GetFullPath(int32_t location, const std::string& name, std::string& path)
{
    Vl::File* file = nullptr;
    if (VlFileCreate(&file, location, name) != VlOk)
        return false;
    file->GetFullName(path);
    file->Release();
    return true;
}

bool ReadTextLine(std::istream& in, size_t maxLength, std::string& line, bool* tooLong)
{
    line.clear();
    bool cut = false;
    bool ended = false;
    for (;;) {
        const std::istream::int_type c = in.get();
        if (c == std::istream::traits_type::eof())
            break;
        if (c == '\n') {
            ended = true;
            break;
        }
        // One character more than allowed is kept until the line is over:
        // it may be a CR that belongs to the line end, and so may any CR after it.
        if (line.size() <= maxLength)
            line.push_back(static_cast<char>(c));
        else if (c != '\r')
            cut = true;
    }
    while (!line.empty() && line.back() == '\r')
        line.pop_back();
    if (line.size() > maxLength) {
        line.resize(maxLength);
        cut = true;
    }
    if (tooLong)
        *tooLong = cut;
    return ended;
}

} // namespace az
