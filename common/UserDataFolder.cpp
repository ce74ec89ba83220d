// The package's folder rules for portable and installed layouts, after the XDG base directory rules.
#include "UserDataFolder.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <system_error>
#include <unistd.h>

namespace userdata {

namespace fs = std::filesystem;

namespace {

std::string Home()
{
    const char* home = std::getenv("HOME");
    return home && home[0] == '/' ? home : "/tmp";
}

std::string FromVariable(const char* name, const char* fallbackBelowHome)
{
    const char* value = std::getenv(name);
    if (value && value[0] == '/')
        return value;
    return Home() + "/" + fallbackBelowHome;
}

// XDG_PICTURES_DIR="$HOME/Pictures" as user-dirs.dirs writes it.
std::string PicturesFromUserDirs()
{
    std::ifstream file(ConfigHome() + "/user-dirs.dirs");
    std::string line;
    const std::string key = "XDG_PICTURES_DIR=";
    while (std::getline(file, line)) {
        if (line.compare(0, key.size(), key) != 0)
            continue;
        std::string value = line.substr(key.size());
        if (value.size() >= 2 && value.front() == '"' && value.back() == '"')
            value = value.substr(1, value.size() - 2);
        if (value.compare(0, 5, "$HOME") == 0)
            value = Home() + value.substr(5);
        // A value of just $HOME means the user has no pictures folder.
        if (!value.empty() && value[0] == '/' && value != Home() && value != Home() + "/")
            return value;
        return std::string();
    }
    return std::string();
}

} // namespace

std::string ProgramFolder()
{
    std::error_code error;
    fs::path program = fs::read_symlink("/proc/self/exe", error);
    if (error || !program.has_parent_path())
        return ".";
    return program.parent_path().string();
}

bool IsPortable(const std::string& programFolder)
{
    std::error_code error;
    return fs::is_directory(fs::path(programFolder) / "_media", error);
}

std::string InstalledDataFolder(const std::string& programFolder, const std::string& package)
{
    return (fs::path(programFolder).parent_path() / "share" / package).string();
}

std::string DataHome()
{
    return FromVariable("XDG_DATA_HOME", ".local/share");
}

std::string ConfigHome()
{
    return FromVariable("XDG_CONFIG_HOME", ".config");
}

std::string PicturesFolder()
{
    std::string pictures = PicturesFromUserDirs();
    return pictures.empty() ? Home() + "/Pictures" : pictures;
}

std::string GameDataFolder()
{
    return DataHome() + "/skyrun";
}

std::string GameConfigFolder()
{
    return ConfigHome() + "/skyrun";
}

std::string SharedHighScoreFile(const std::string& programFolder)
{
    if (IsPortable(programFolder))
        return (fs::path(programFolder) / "highscore.txt").string();
    std::error_code error;
    fs::create_directories(GameDataFolder(), error);
    const std::string file = GameDataFolder() + "/highscore.txt";
    SeedFile(InstalledDataFolder(programFolder, "skyrun") + "/highscore.txt", file);
    return file;
}

bool SeedFile(const std::string& from, const std::string& to)
{
    std::error_code error;
    if (fs::exists(to, error))
        return true;
    if (!fs::is_regular_file(from, error))
        return false;
    const std::string temporary = to + ".seed." + std::to_string(getpid());
    if (!fs::copy_file(from, temporary, fs::copy_options::overwrite_existing, error))
        return false;
    // An installed file is read-only; the player's copy must be writable.
    fs::permissions(temporary, fs::perms::owner_read | fs::perms::owner_write, fs::perm_options::add, error);
    // link() does not replace: whoever seeds first wins and the other copy goes.
    bool placed = link(temporary.c_str(), to.c_str()) == 0;
    fs::remove(temporary, error);
    return placed || fs::exists(to, error);
}

} // namespace userdata
