// cardwright's install folder: the per-machine setting "installdir", by default the program's own folder,
// and where the player list and the clip art are read in the portable and the installed layout.
#pragma once

#include <QString>

namespace InstallDirSetting {

inline constexpr const char* kOrganisation = "Glimmer Cardwright";
inline constexpr const char* kApplication = "Glimmer Cardwright";
inline constexpr const char* kGroup = "Settings";
inline constexpr const char* kKey = "installdir";

// The setting, or the folder of the running program when it is not set.
QString WithDefault();
// The setting as stored; empty when it is not set.
QString WithoutDefault();
// True when the setting holds a folder (an installer or the player chose one).
bool IsSet();
// The folder the running program lies in.
QString ProgramFolder();
void Store(const QString& folder);
void Forget();

// The game's highscore.txt: in the install folder when the setting is set, otherwise the one
// the game shares (beside a portable program, else the player's own copy, seeded if missing).
QString HighScoreFile(const QString& programFolder = ProgramFolder());
// The clip-art folder: installdir/images when the setting is set or the program runs portable,
// otherwise the installed package's share/cardwright/images.
QString ImagesFolder(const QString& programFolder = ProgramFolder());

} // namespace InstallDirSetting
