// Lists the generated cardwright resources for the resource compiler.
#include "CardResourceList.h"

#include "MediaFile.h"

#include <algorithm>
#include <filesystem>
#include <vector>

namespace mediagen {

bool WriteCardResourceList(const std::string& root)
{
    namespace fs = std::filesystem;
    std::error_code error;
    fs::create_directories(root, error);
    std::vector<std::string> files;
    for (const auto& entry : fs::recursive_directory_iterator(root, error)) {
        if (!entry.is_regular_file())
            continue;
        std::string relative = fs::relative(entry.path(), root, error).generic_string();
        if (relative != "cardwright.qrc")
            files.push_back(relative);
    }
    std::sort(files.begin(), files.end());
    std::string text = "<!DOCTYPE RCC><RCC version=\"1.0\">\n<qresource prefix=\"/\">\n";
    for (const std::string& file : files)
        text += "    <file>" + file + "</file>\n";
    text += "</qresource>\n</RCC>\n";
    return WriteMediaFile(root + "/cardwright.qrc", std::vector<uint8_t>(text.begin(), text.end()));
}

} // namespace mediagen
