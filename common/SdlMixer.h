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
    // Pauses every channel and the music (true) or lets them go on (false).
    static void Mute(bool mute);

    // Stops the music without a click: the whole mix ramps down over ms,
    // the music is halted at the bottom, and the mix ramps back up (a sound
    // effect playing meanwhile only dips). SDL_mixer's own music fade changes
    // the volume once per mixing buffer, too coarse to hide the cut. False
    // when the mixer cannot do it (not open, or not mixing in floating point).
    static bool FadeOutMusic(int ms);
    // True from FadeOutMusic until the music has been halted.
    static bool MusicFading();
};

