// Writing generated files only when their content changes.
#include "MediaFile.h"

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <system_error>

namespace mediagen {

namespace {

bool SameContent(const std::filesystem::path& path, const std::vector<uint8_t>& bytes)
{
    std::error_code error;
    const auto size = std::filesystem::file_size(path, error);
    if (error || size != bytes.size()) return false;
    std::ifstream in(path, std::ios::binary);
    std::vector<uint8_t> existing((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    return existing == bytes;
}

} // namespace

bool WriteMediaFile(const std::string& path, const std::vector<uint8_t>& bytes)
{
    namespace fs = std::filesystem;
    const fs::path target(path);
    std::error_code error;
    if (target.has_parent_path()) fs::create_directories(target.parent_path(), error);
    if (error) {
        std::fprintf(stderr, "WriteMediaFile - cannot create the folder of %s: %s\n", path.c_str(),
                     error.message().c_str());
        return false;
    }
    if (SameContent(target, bytes)) return true;

    fs::path temporary = target;
    temporary += ".part";
    {
        std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
        out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
        out.close();
        if (!out) {
            std::fprintf(stderr, "WriteMediaFile - cannot write %s\n", temporary.c_str());
            fs::remove(temporary, error);
            return false;
        }
    }
    fs::rename(temporary, target, error);
    if (error) {
        std::fprintf(stderr, "WriteMediaFile - cannot rename %s to %s: %s\n", temporary.c_str(), path.c_str(),
                     error.message().c_str());
        fs::remove(temporary, error);
        return false;
    }
    return true;
}

} // namespace mediagen
