// The "####CHECKERROR: " texts that sound-device failures write to standard error.
#pragma once

#include "VlAudioDevice.h"

namespace Vl {

// Writes nothing for a result without a text (Unknown).
void WriteSoundCheckError(AudioResult result);

} // namespace Vl
