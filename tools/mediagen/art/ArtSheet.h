// A contact sheet of every character and prop of the art kit, for looking at the art.
#pragma once

#include <string>

namespace mediagen {

// Draws every figure in its poses and phases into one PNG. False when it cannot be written.
bool WriteArtSheet(const std::string& pngPath);

} // namespace mediagen
