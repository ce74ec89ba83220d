// Helpers shared by the sound recipes: short tunes on the instruments, chords, and the characters' voices.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "audio/AudioBuffer.h"
#include "audio/Instruments.h"
#include "audio/SpeechSynth.h"

namespace mediagen {

// A melody in the note text of the music (see ParseMelody) played on one instrument, mono.
AudioBuffer PlayTune(Instrument instrument, int sampleRate, double beatsPerMinute, const std::string& melody,
                     std::uint32_t seed);

// Several notes struck together and held.
AudioBuffer PlayChord(Instrument instrument, int sampleRate, double seconds, const std::vector<int>& midiNotes,
                      std::uint32_t seed);

VoiceStyle GlimmerVoice();   // bright and young
VoiceStyle TobinVoice();     // an excited little elf, higher and quicker
VoiceStyle FrostineVoice();  // the storm-witch: high, wide and wild

// A spoken line made ready for the game: at the wanted rate, low rumble removed, levels evened.
AudioBuffer SpokenLine(const std::string& text, const VoiceStyle& voice, int sampleRate);

}  // namespace mediagen
