// The install-folder setting: application "Glimmer Cardwright", group "Settings", key "installdir".
#pragma once

#include <QString>

namespace InstallFolder {

// The setting's value; with the default, the folder of the running program when it is unset.
QString Get(bool withDefault = true);
// Writes the setting (used by installers and tests).
void Set(const QString& folder);

} // namespace InstallFolder
