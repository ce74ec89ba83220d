// cardwright's install folder: the per-machine setting "installdir", by default the program's own folder.
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
// The folder the running program lies in.
QString ProgramFolder();
void Store(const QString& folder);

} // namespace InstallDirSetting
