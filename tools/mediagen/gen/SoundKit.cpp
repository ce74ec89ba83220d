// Tunes, chords and voices for the sound recipes.
#include "SoundKit.h"

#include <stdexcept>

#include "audio/Biquad.h"
#include "audio/Effects.h"
#include "audio/Resampler.h"
#include "audio/Score.h"
#include "audio/Tone.h"

namespace mediagen {

AudioBuffer PlayTune(Instrument instrument, int sampleRate, double beatsPerMinute, const std::string& melody,
                     std::uint32_t seed)
{
    const double secondsPerBeat = 60.0 / beatsPerMinute;
    AudioBuffer out(sampleRate);
    std::uint32_t n = 0;
    for (const ScoreNote& note : ParseMelody(melody).notes) {
        NoteRequest request;
        request.frequency = MidiToFrequency(note.midi);
        request.seconds = note.beats * secondsPerBeat * 0.92;
        request.velocity = note.velocity;
        request.seed = seed + n++;
        out.MixIn(PlayNote(instrument, sampleRate, request), note.beat * secondsPerBeat);
    }
    return out;
}

AudioBuffer PlayChord(Instrument instrument, int sampleRate, double seconds, const std::vector<int>& midiNotes,
                      std::uint32_t seed)
{
    AudioBuffer out(sampleRate);
    std::uint32_t n = 0;
    for (int midi : midiNotes) {
        NoteRequest request;
        request.frequency = MidiToFrequency(midi);
        request.seconds = seconds;
        request.seed = seed + n++;
        out.MixIn(PlayNote(instrument, sampleRate, request), 0.0, 1.0f / static_cast<float>(midiNotes.size()));
    }
    return out;
}

VoiceStyle GlimmerVoice()
{
    // A male voice pitched high and played a little fast: a boy's pitch and size, not a grown man's.
    return {"en-us+m3", 150, 95, 90, 1.18};
}

VoiceStyle TobinVoice()
{
    return {"en-gb-x-rp+f2", 175, 70, 95, 1.2};
}

VoiceStyle FrostineVoice()
{
    return {"en+f4", 150, 88, 100, 1.0};
}

AudioBuffer SpokenLine(const std::string& text, const VoiceStyle& voice, int sampleRate)
{
    const AudioBuffer spoken = SpeechSynth::Speak(text, voice);
    // A silent line would ship as a sound that plays nothing: better to stop the build and say why.
    if (spoken.Rms() < 1e-3)
        throw std::runtime_error("espeak-ng gave no speech for \"" + text + "\" (voice " + voice.voice + ")");
    AudioBuffer line = Resample(spoken, sampleRate);
    Biquad rumble(Biquad::Kind::HighPass, sampleRate, 110.0, 0.7);
    ApplyFilter(line, rumble);
    Biquad presence(Biquad::Kind::Peak, sampleRate, 3000.0, 1.0, 3.0);
    ApplyFilter(line, presence);
    line.NormalizePeak(0.9f);
    Compress(line, 0.35f, 3.0f);
    return line;
}

}  // namespace mediagen
