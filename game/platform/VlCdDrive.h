// The CD drive as the game's platform layer names it; the interface itself is shared with cardwright.
#pragma once

#include "CdDrive.h"

namespace Vl {

using CdDrive = ::CdDrive;

} // namespace Vl
