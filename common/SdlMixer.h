// The one SDL mixer that sound channels and CD music share; opened and closed in nested pairs.
#pragma once

#include <cstdint>

class SdlMixer {
public:
    // Starts SDL audio and the mixer (44100 Hz, 16-bit, stereo) on the first
    // call; later calls only count. False when there is no audio output.
    static bool Open();
    // Closes the mixer when every Open has its Close.
    static void Close();
    // The format the mixer actually got from the device.
    static void DeviceFormat(int* frequency, uint16_t* format, int* channels);
};

