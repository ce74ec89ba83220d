// A working folder for one headless game: its own logs and high scores, the built media.
#pragma once

#include "TempFolder.h"

#include <filesystem>
#include <string>

#ifndef SKYRUN_DIST_DIR
#error "SKYRUN_DIST_DIR names the built install tree"
#endif

class ScenarioFolder : public TempFolder {
public:
    explicit ScenarioFolder(const std::string& extraSettings = std::string())
    {
        std::string dist = SKYRUN_DIST_DIR;
        Write("gl.config", "FullScreen 0\nMediaPath " + dist + "/_media\n" + extraSettings);
        for (const char* name : {"highscore.txt", "credits.txt"}) {
            std::error_code ignored;
            std::filesystem::copy_file(dist + "/" + name, File(name), ignored);
        }
        std::error_code ignored;
        std::filesystem::create_directory_symlink(dist + "/cd", File("cd"), ignored);
    }

    std::string GameLog() const { return Read("azLog.log"); }
    std::string PlatformLog() const { return Read("VlLog"); }
};
