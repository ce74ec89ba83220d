// The Qt resource list (.qrc) of every file the generators left for cardwright.
#pragma once

#include <string>

namespace mediagen {

// Writes ROOT/cardwright.qrc naming every file below ROOT (sorted, so the bytes repeat),
// making ROOT first where it is missing. False when the list cannot be written.
bool WriteCardResourceList(const std::string& root);

} // namespace mediagen
