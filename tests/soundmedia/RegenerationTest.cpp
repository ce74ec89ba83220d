// Running the generator again gives the very bytes the build installed: the sounds and music are
// deterministic, so incremental builds and every machine get the same media.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <string>

#include "MediaReader.h"
#include "TempFolder.h"

namespace {

#ifdef MEDIAGEN_EXE
TEST(Regeneration, SoundsAndMusicComeOutByteForByteTheSame)
{
    TempFolder again;
    const std::string command = std::string("\"") + MEDIAGEN_EXE + "\" \"" + again.Path() + "\" --only sounds music";
    ASSERT_EQ(std::system(command.c_str()), 0);

    int compared = 0;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(again.Path())) {
        if (!entry.is_regular_file())
            continue;
        const std::filesystem::path relative = std::filesystem::relative(entry.path(), again.Path());
        const std::filesystem::path installed = std::filesystem::path(SKYRUN_DIST_DIR) / relative;
        ASSERT_TRUE(std::filesystem::exists(installed)) << relative;
        EXPECT_TRUE(mediatest::ReadFileBytes(entry.path()) == mediatest::ReadFileBytes(installed))
            << relative << " differs";
        ++compared;
    }
    EXPECT_EQ(compared, 48 + 3);
}
#endif

}  // namespace
