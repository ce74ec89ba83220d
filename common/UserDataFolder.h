// Where the package's files live: beside the program ("portable") or in an installed tree with per-user folders.
#pragma once

#include <string>

namespace userdata {

// The folder that holds the running program (from /proc/self/exe); "." if unknown.
std::string ProgramFolder();

// A program whose own folder holds "_media" runs portable: media, tracks,
// high scores, logs and settings all beside it, as in the build's dist/ tree.
bool IsPortable(const std::string& programFolder);

// The read-only data of an installed package: PREFIX/share/PACKAGE for a
// program in PREFIX/bin (PACKAGE is "skyrun" or "cardwright").
std::string InstalledDataFolder(const std::string& programFolder, const std::string& package);

// The XDG base folders, each falling back to its default below $HOME when
// the variable is unset, empty or not an absolute path.
std::string DataHome();     // $XDG_DATA_HOME or ~/.local/share
std::string ConfigHome();   // $XDG_CONFIG_HOME or ~/.config
std::string PicturesFolder(); // XDG_PICTURES_DIR of user-dirs.dirs, else ~/Pictures

// The game's per-user working folder when installed: DataHome()/skyrun.
std::string GameDataFolder();
// Where an installed game reads gl.config: ConfigHome()/skyrun.
std::string GameConfigFolder();

// The one highscore.txt the game writes and cardwright reads. Portable: in
// the program's folder. Installed: GameDataFolder()/highscore.txt, created
// with its folder and seeded from PREFIX/share/skyrun/highscore.txt when it
// does not exist yet (so either program may be started first).
std::string SharedHighScoreFile(const std::string& programFolder);

// Copies from to to unless to exists already, through a temporary file
// renamed into place, so a second program starting at the same moment never
// reads half a file. True when to exists afterwards.
bool SeedFile(const std::string& from, const std::string& to);

} // namespace userdata
