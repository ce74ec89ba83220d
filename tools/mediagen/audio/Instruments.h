// The pitched instruments of the music and jingles: each renders one note as a mono buffer.
#pragma once

#include <cstdint>

#include "AudioBuffer.h"

namespace mediagen {

enum class Instrument {
    Lead,          // a warm reed-like melody voice with delayed vibrato
    Brass,         // brighter and rounder, for fanfares
    Glockenspiel,  // small metal bars, bright and ringing
    Celesta,       // a softer music-box bell
    Pluck,         // a plucked string (harp, pizzicato)
    Bass,          // a plucked bass with a round low end
    Strings,       // a slow, wide string pad
    Keys,          // an electric piano for chords
};

struct NoteRequest {
    double frequency = 440.0;
    double seconds = 0.5;  // how long the note is held; ringing instruments sound on after it
    float velocity = 1.0f;
    std::uint32_t seed = 1;
};

AudioBuffer PlayNote(Instrument instrument, int sampleRate, const NoteRequest& note);

}  // namespace mediagen
