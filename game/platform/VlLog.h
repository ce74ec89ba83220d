// The two log files: "azLog.log" for the game, "VlLog" for the platform library.
#pragma once

#include <ostream>
#include <string>

namespace Vl {

// Creates or empties both logs in the given folder (the working directory when empty).
void OpenLogs(const std::string& folder = std::string());
void CloseLogs();

// Both streams go to the disk at every line end and every flush, so a crash never
// loses a finished line. Before OpenLogs (and after CloseLogs) they write nowhere.
std::ostream& GameLog();
std::ostream& PlatformLog();

} // namespace Vl

// The sprite layer and the game write to the game log under this name.
inline std::ostream& azLog() { return Vl::GameLog(); }
