// The three CD tracks: a cheerful piece for the menu and two loopable pieces for the acts.
#pragma once

#include <vector>

namespace mediagen {

struct StereoTrack {
    int sampleRate = 44100;
    std::vector<float> left;
    std::vector<float> right;
};

StereoTrack MenuTrack();      // track 2
StereoTrack WorkshopTrack();  // track 3, loops under the toy catcher
StereoTrack FlightTrack();    // track 4, loops under the sleigh ride

}  // namespace mediagen
