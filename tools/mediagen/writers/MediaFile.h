// Writes a generated file, creating its folders, and leaves unchanged files untouched.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace mediagen {

// Creates the parent folders; writes only when the bytes differ from the file on disk, so
// timestamps stay stable for incremental builds. The new content goes to a temporary file
// renamed over the old one, so an interrupted run never leaves a half-written file.
// Returns false (after a line on standard error) when the file could not be written.
bool WriteMediaFile(const std::string& path, const std::vector<uint8_t>& bytes);

} // namespace mediagen
