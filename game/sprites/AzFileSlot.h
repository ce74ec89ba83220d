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
