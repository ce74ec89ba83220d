// Replacing a whole file so that a crash or a power loss leaves the old contents or the new, never a part.
#pragma once

#include <string>

namespace Vlu {

enum class ReplaceResult {
    Replaced,
    CannotCreate, // the temporary file could not be made (a folder in the way, no permission)
    CannotWrite,  // writing, syncing or renaming failed; the old file is untouched
};

// Writes the bytes to path + ".new" (a stale one from an earlier crash is written
// over), waits until they are on the disk, renames that file over path and syncs
// the folder, so the rename lasts too. On failure the temporary file is removed.
ReplaceResult ReplaceFileDurably(const std::string& path, const std::string& bytes);

} // namespace Vlu
