// Float reads for the world transform records.
#include "MetaBytes.h"

#include <cmath>
#include <cstring>

bool MetaBytes::F32(size_t offset, float& out) const
{
    uint32_t bits = 0;
    if (!U32(offset, bits)) return false;
    std::memcpy(&out, &bits, sizeof out);
    // A transform with NaN or infinite terms would poison every later point.
    if (!std::isfinite(out)) out = 0.0f;
    return true;
}
