// The one media file a loader is reading: filled by the loader's GetNew and
// emptied before GetNew returns, which is why the loaders are not re-entrant.
#pragma once

#include "VlError.h"

#include <cstdint>
#include <string>

namespace Vl {
class File;
}

class AzFileSlot {
public:
    AzFileSlot() = default;
    AzFileSlot(const AzFileSlot&) = delete;
    AzFileSlot& operator=(const AzFileSlot&) = delete;
    ~AzFileSlot();

    // The log lines of one loader's GetNew, each followed by the file name.
    struct LoaderLines {
        const char* createFailed;
        const char* returningNull;
        const char* unrecognized = nullptr; // for loaders that read one extension only
    };

    // What every loader's GetNew does around its reader: creates the named file (a
    // failure logged only when logCreateFailure is set), runs read, empties the slot
    // and logs the returning-NULL line when read gave nothing.
    template <typename Read>
    auto Load(const std::string& name, const LoaderLines& lines, bool logCreateFailure, Read read)
        -> decltype(read())
    {
        if (Create(name) != VlOk) {
            if (logCreateFailure) LogWithName(lines.createFailed, name);
            return nullptr;
        }
        auto result = read();
        Empty();
        if (!result) {
            LogWithName(lines.returningNull, name);
            NoteFailure(name);
        }
        return result;
    }

    // Load for a loader of one file type: any other extension is logged as unrecognized.
    template <typename Read>
    auto LoadWithExtension(const std::string& name, const LoaderLines& lines, bool logCreateFailure,
                           const char* extension, Read read) -> decltype(read())
    {
        return Load(name, lines, logCreateFailure, [&]() -> decltype(read()) {
            if (Extension() == extension) return read();
            LogWithName(lines.unrecognized, name);
            return nullptr;
        });
    }

    // Writes text, the name and a line end to the game log.
    static void LogWithName(const char* text, const std::string& name);
    // Counts a file that is there but could not be read with the missing ones, for start-up's summary.
    static void NoteFailure(const std::string& name);

    // Creates the named file at the media location; the slot keeps it on success.
    VlResult Create(const std::string& name);
    // Closes and releases the file.
    void Empty();
    bool IsFilled() const { return mFile != nullptr; }

    // The text after the last '.', upper-cased; empty when there is none.
    std::string Extension();

    bool Open();
    // Every byte asked for, or false: a short read means a truncated file.
    bool ReadExact(void* buffer, uint32_t size);
    bool SkipForward(uint32_t count);
    bool SeekTo(uint32_t position);
    bool Length(uint32_t& length);

private:
    Vl::File* mFile = nullptr;
};
