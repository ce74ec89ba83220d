// Spoken lines through the espeak-ng speech synthesiser, rendered into a buffer (never to a device).
#pragma once

#include <string>

#include "AudioBuffer.h"

namespace mediagen {

struct VoiceStyle {
    std::string voice = "en-us";  // language, optionally "+variant"
    int wordsPerMinute = 160;
    int pitch = 50;               // 0..100
    int pitchRange = 50;          // 0..100: how much the melody of the line moves
    double speed = 1.0;           // played back faster afterwards: above 1 sounds smaller and younger
};

class SpeechSynth {
public:
    // The line, trimmed of leading and trailing silence, at the synthesiser's rate (22050 samples a second).
    // An empty buffer when the synthesiser cannot start or the voice is unknown.
    static AudioBuffer Speak(const std::string& text, const VoiceStyle& style);
};

}  // namespace mediagen
