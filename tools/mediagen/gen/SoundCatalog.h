// The game's sound files: for each, its name, file format, whether it loops, and how it is made.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "audio/AudioBuffer.h"

namespace mediagen {

struct SoundRecipe {
    std::string gameName;  // as the game names it, '\' separated
    int sampleRate = 22050;
    int bitsPerSample = 16;
    bool loops = false;    // played looping: the file must run into its own start without a click
    float peakLevel = 0.89f;  // about -1 dB; steady loops sit lower so the effects stand out over them
    std::function<AudioBuffer(int sampleRate)> make;
};

std::vector<SoundRecipe> MenuSounds();
std::vector<SoundRecipe> CutsceneSounds();
std::vector<SoundRecipe> ToyCatcherSounds();
std::vector<SoundRecipe> NavigationSounds();
std::vector<SoundRecipe> SleighRideSounds();
std::vector<SoundRecipe> AllSounds();

// The finished file bytes of one recipe (WAVE, or AIFF for .aif/.aiff names).
std::vector<unsigned char> RenderSoundFile(const SoundRecipe& recipe);

}  // namespace mediagen
