// Sounds of the story scenes, timed to their pictures (12 frames a second): the intro, a won round,
// a delivered gift, the two lost rounds and the game over.
#include <cmath>

#include "SoundCatalog.h"
#include "SoundKit.h"
#include "audio/Arranger.h"
#include "audio/Band.h"
#include "audio/Biquad.h"
#include "audio/Effects.h"
#include "audio/EffectKit.h"
#include "audio/Noise.h"
#include "audio/Percussion.h"
#include "audio/Reverb.h"
#include "audio/Score.h"
#include "audio/Tone.h"

namespace mediagen {
namespace {

constexpr double kFrame = 1.0 / 12.0;

AudioBuffer DownMix(const StereoMix& mix)
{
    AudioBuffer out(mix.SampleRate(), mix.Left().size());
    for (std::size_t i = 0; i < out.Size(); ++i)
        out[i] = 0.5f * (mix.Left()[i] + mix.Right()[i]);
    return out;
}

// The intro: the sleigh and the reindeer fly in to jingling bells (frames 21-65), the title wipes in
// with a fanfare (frame 29), sparkles answer the shines (37, 43, 64, 144), and a bright theme plays
// while Glimmer enters, ending on the home chord as the scene ends (frame 168, 14 s).
AudioBuffer Intro(int rate)
{
    AudioBuffer out = AudioBuffer::Seconds(rate, 14.0);
    for (int k = 0; k < 16; ++k) {
        const double t = 0.1 + k * 0.16;
        const float level = static_cast<float>(0.12 + 0.6 * k / 15.0);
        out.MixIn(SleighBellShake(rate, level, 100 + k, 7, 0.03), t);
    }
    out.MixIn(Whoosh(rate, 1.1, 120, 250.0, 2500.0), 21 * kFrame - 0.1, 0.5f);

    const double themeStart = 29 * kFrame + 0.35;
    const double bpm = 176.0;
    out.MixIn(PlayChord(Instrument::Brass, rate, 0.55, {48, 55, 60, 64, 67}, 130), 29 * kFrame, 0.9f);
    out.MixIn(PlayDrum(Drum::Triangle, rate, 1.0f, 131), 29 * kFrame, 0.5f);

    const std::string theme =
        "E5:1 G5 C6:1.5 B5:0.5 | A5:1 G5 E5:2 | F5:1 A5 G5 E5 | D5:3 G4:1 |"
        "E5:1 G5 C6:1.5 D6:0.5 | E6:1 D6 C6 A5 | G5:1 E5 F5 D5 | C5:4 |";
    const std::string chordText = "C | F:2 C:2 | F:2 C:2 | G:3 G7:1 | C | C:2 F:2 | C:2 G7:2 | C |";
    const Melody melody = ParseMelody(theme);
    const std::vector<ChordSpan> chords = ParseChords(chordText, 4);
    Band band(rate, bpm, 140);
    band.Play(Instrument::Lead, Transpose(melody.notes, -12), {0.5f, 0.0f, 0.2f, 0.9});
    band.Play(Instrument::Glockenspiel, melody.notes, {0.28f, 0.0f, 0.25f, 1.0});
    band.Play(Instrument::Bass, BassLine(chords, 4, 40), {0.5f, 0.0f, 0.05f, 0.8});
    band.Play(Instrument::Keys, OffBeatChords(chords, 4, 55, 67, 0.8), {0.12f, 0.0f, 0.2f, 0.5});
    std::vector<double> shakes;
    for (double b = 0.0; b < 31.0; b += 1.0)
        shakes.push_back(b);
    band.Hit(Drum::SleighBells, shakes, {0.8f, 0.5f}, {0.2f, 0.0f, 0.2f, 1.0});
    band.Hit(Drum::Triangle, {28.0}, {1.0f}, {0.15f, 0.0f, 0.3f, 1.0});
    band.Mix().ApplyReverb(0.5, 0.5, 0.6f);
    out.MixIn(DownMix(band.Mix()), themeStart);

    for (int frame : {37, 43, 64, 144})
        out.MixIn(Sparkle(rate, 0.7, 150 + frame, 9, 2500.0, 8000.0), frame * kFrame, 0.3f);
    out.Resize(out.IndexAt(14.0));
    out.FadeOut(0.4);
    return out;
}

AudioBuffer PassWind(int rate)
{
    return Wind(rate, 6.0, 210, 520.0, 0.6, 0.35);
}

AudioBuffer SledWhoosh(int rate)
{
    return Whoosh(rate, 0.7, 220, 300.0, 3200.0);
}

// The snowmobile revs up, roars past and drops in pitch as it goes away.
AudioBuffer EnginePassing(int rate)
{
    const double seconds = 3.0;
    auto firing = [](double t) { return 28.0 + 40.0 * std::min(1.0, t / 0.7); };
    auto doppler = [](double t) { return 1.0 + 0.08 * std::tanh((1.5 - t) * 3.0); };
    std::vector<double> times;
    std::vector<float> levels;
    Noise wobble(231);
    for (double t = 0.0, phase = 0.0; t < seconds; t += 1.0 / rate) {
        phase += firing(t) * doppler(t) / rate;
        if (phase >= 1.0) {
            phase -= 1.0;
            times.push_back(t);
            levels.push_back(static_cast<float>(wobble.Between(0.75, 1.0)));
        }
    }
    AudioBuffer out = EngineRun(rate, times, levels, 95.0, 0.8, 232);
    out.MixIn(RenderNoise(rate, seconds, 233, true, Constant(0.06)), 0.0);
    Biquad muffle(Biquad::Kind::LowPass, rate, 2200.0, 0.7);
    ApplyFilter(out, muffle);
    out.Resize(out.IndexAt(seconds));
    ApplyCurve(out, [](double t) { return std::exp(-std::pow((t - 1.5) / 0.9, 2.0)) * 0.85 + 0.15 * std::min(1.0, t / 0.2); });
    out.FadeOut(0.4);
    return out;
}

AudioBuffer WetSplat(int rate)
{
    return Splat(rate, 240, 1.0);
}

// Sleigh bells at a trot under the moon: shakes twice a beat, swelling in and easing out.
AudioBuffer SleighBellsTrot(int rate)
{
    const double seconds = 4.6;
    AudioBuffer out = AudioBuffer::Seconds(rate, seconds);
    int k = 0;
    for (double t = 0.0; t < seconds - 0.4; t += 0.24, ++k) {
        const double swell = std::sin(3.14159 * std::min(1.0, (t + 0.3) / seconds));
        const float level = static_cast<float>((k % 2 == 0 ? 1.0 : 0.6) * (0.35 + 0.65 * swell));
        out.MixIn(SleighBellShake(rate, level, 300 + k, 9, 0.035), t);
    }
    out.MixIn(Sparkle(rate, seconds, 310, 30, 3000.0, 7000.0), 0.0, 0.08f);
    Reverb air(rate, 0.4, 0.4);
    air.ProcessMono(out, 0.2f, 0.0);
    out.FadeOut(0.5);
    return out;
}

AudioBuffer NightWind(int rate)
{
    return Wind(rate, 5.5, 320, 380.0, 0.4, 0.15);
}

// A present falling: a slide whistle gliding down.
AudioBuffer FallingWhistle(int rate)
{
    const double seconds = 1.05;
    auto pitch = [](double t) { return 1700.0 * std::pow(450.0 / 1700.0, t / 1.05) * (1.0 + 0.012 * std::sin(6.2832 * 7.0 * t)); };
    AudioBuffer out = RenderTone(rate, seconds, Wave::Triangle, pitch,
                                 [seconds](double t) { return std::min(1.0, t / 0.04) * (1.0 - 0.5 * t / seconds); });
    out.MixIn(RenderTone(rate, seconds, Wave::Sine, [&pitch](double t) { return pitch(t) * 2.0; }, Constant(0.15)), 0.0);
    out.MixIn(RenderNoise(rate, seconds, 330, false, Constant(0.04)), 0.0);
    out.FadeOut(0.08);
    return out;
}

// The chimney swallows the present: a throaty "gulp" sliding down, then a small plop.
AudioBuffer Gulp(int rate)
{
    const double seconds = 0.5;
    AudioBuffer out = RenderTone(rate, 0.26, Wave::Pulse25, Glide(170.0, 95.0, 0.26),
                                 [](double t) { return std::sin(3.14159 * std::min(1.0, t / 0.26)); });
    ApplySweptFilter(out, Biquad::Kind::BandPass, [](double t) { return 1100.0 * std::pow(300.0 / 1100.0, std::min(1.0, t / 0.22)); },
                     3.0);
    out.Scale(3.0f);
    out.MixIn(Bubble(rate, 180.0, 0.09), 0.27, 0.9f);
    out.MixIn(RenderTone(rate, 0.12, Wave::Sine, Glide(120.0, 60.0, 0.1), Hit(0.002, 0.1)), 0.26, 0.7f);
    out.Resize(out.IndexAt(seconds));
    return out;
}

// "Wah wah wah waaah" on a muted trombone: four falling notes, the last one wobbling.
AudioBuffer SadTrombone(int rate)
{
    const double noteStarts[4] = {0.0, 0.55, 1.1, 1.65};
    const double noteLengths[4] = {0.5, 0.5, 0.5, 1.45};
    const double pitches[4] = {196.0, 185.0, 174.6, 164.8};
    AudioBuffer out = AudioBuffer::Seconds(rate, 3.2);
    for (int n = 0; n < 4; ++n) {
        const double length = noteLengths[n];
        const double f0 = pitches[n];
        const bool last = n == 3;
        auto pitch = [f0, length, last](double t) {
            const double droop = 1.0 - 0.03 * std::max(0.0, (t - length * 0.6) / (length * 0.4));
            const double wobble = last ? 1.0 + 0.035 * std::sin(6.2832 * 6.0 * t) * std::min(1.0, t / 0.3) : 1.0;
            return f0 * droop * wobble;
        };
        AudioBuffer note = RenderTone(rate, length + 0.05, Wave::Saw, pitch, [length](double t) {
            return std::min(1.0, t / 0.03) * (t > length ? std::max(0.0, 1.0 - (t - length) / 0.05) : 1.0);
        });
        // The mute opens and closes on each note: the "wah".
        ApplySweptFilter(note, Biquad::Kind::LowPass, [length](double t) {
            const double open = std::sin(3.14159 * std::min(1.0, t / std::min(length, 0.6)));
            return 350.0 + 1500.0 * std::max(0.0, open);
        }, 2.0);
        out.MixIn(note, noteStarts[n]);
    }
    Reverb room(rate, 0.4, 0.5);
    room.ProcessMono(out, 0.25f, 0.0);
    out.FadeOut(0.3);
    return out;
}

// A little music box winding down in a minor key.
AudioBuffer SadMusicBox(int rate)
{
    AudioBuffer out = PlayTune(Instrument::Celesta, rate, 170.0, "E5:1 C5 A4 | B4:1 G#4 E4 | A4:3", 400);
    AudioBuffer pad = PlayTune(Instrument::Strings, rate, 170.0, "A3:3 | E3:3 | A3:3", 401);
    pad.MixIn(PlayTune(Instrument::Strings, rate, 170.0, "C4:3 | B3:3 | C4:3", 402), 0.0);
    pad.MixIn(PlayTune(Instrument::Strings, rate, 170.0, "E4:3 | G#4:3 | E4:3", 403), 0.0);
    out.MixIn(pad, 0.0, 0.22f);
    Reverb room(rate, 0.5, 0.4);
    room.ProcessMono(out, 0.3f, 0.0);
    out.Resize(out.IndexAt(3.2));
    out.FadeOut(0.4);
    return out;
}

AudioBuffer ShortLightning(int rate)
{
    return Thunder(rate, 1.6, 500, 1.0);
}

AudioBuffer LongLightning(int rate)
{
    return Thunder(rate, 3.6, 510, 0.8);
}

// Frostine's cackle: a high wild laugh with a shiver and a cold echo.
AudioBuffer Cackle(int rate)
{
    AudioBuffer out = SpokenLine("Hee hee hee hee! Ah ha ha ha haaa!", FrostineVoice(), rate);
    Tremolo(out, 9.0, 0.35);
    AddEcho(out, 0.13, 0.35f, 0.35f, 0.6);
    Reverb hall(rate, 0.7, 0.3);
    hall.ProcessMono(out, 0.3f, 0.3);
    out.FadeOut(0.2);
    return out;
}

AudioBuffer StormWind(int rate)
{
    return Wind(rate, 4.2, 520, 650.0, 0.85, 0.7);
}

// A penguin's alarmed "wenk-wenk".
AudioBuffer PenguinAlarm(int rate)
{
    AudioBuffer out = Honk(rate, 0.22, Glide(520.0, 430.0, 0.22), 530, 1.0);
    out.FadeIn(0.015);
    out.FadeOut(0.04);
    AudioBuffer second = Honk(rate, 0.3, Glide(580.0, 360.0, 0.3), 531, 1.05);
    second.FadeIn(0.015);
    second.FadeOut(0.06);
    out.MixIn(second, 0.28);
    return out;
}

}  // namespace

std::vector<SoundRecipe> CutsceneSounds()
{
    return {
        {"cutscenes\\cut1\\intro_01.wav", 22050, 16, false, 0.89f, Intro},
        {"cutscenes\\pass1\\wind.wav", 11025, 16, false, 0.7f, PassWind},
        {"cutscenes\\pass1\\whoosh04.wav", 22050, 8, false, 0.89f, SledWhoosh},
        {"cutscenes\\pass1\\tobin_yahoo1.wav", 22050, 16, false, 0.89f,
         [](int rate) { return SpokenLine("Yahoo!", TobinVoice(), rate); }},
        {"cutscenes\\pass1\\engine.wav", 11025, 16, false, 0.85f, EnginePassing},
        {"cutscenes\\pass1\\wetsplat01.wav", 11025, 8, false, 0.89f, WetSplat},
        {"cutscenes\\pass1\\tobin_hereIcome03.wav", 22050, 16, false, 0.89f,
         [](int rate) { return SpokenLine("Here I come!", TobinVoice(), rate); }},
        {"cutscenes\\pass2\\sleighbells.wav", 22050, 16, false, 0.8f, SleighBellsTrot},
        {"cutscenes\\pass2\\wind.wav", 11025, 16, false, 0.6f, NightWind},
        {"cutscenes\\pass2\\drop.wav", 22050, 8, false, 0.89f, FallingWhistle},
        {"cutscenes\\pass2\\gulp03.wav", 22050, 8, false, 0.89f, Gulp},
        {"cutscenes\\fail1\\music_die.wav", 22050, 16, false, 0.89f, SadTrombone},
        {"cutscenes\\fail2\\music_die.wav", 22050, 16, false, 0.89f, SadMusicBox},
        {"cutscenes\\gameover\\lightning03.wav", 22050, 8, false, 0.89f, ShortLightning},
        {"cutscenes\\gameover\\laugh.wav", 22050, 16, false, 0.89f, Cackle},
        {"cutscenes\\gameover\\wind.wav", 11025, 16, false, 0.8f, StormWind},
        {"cutscenes\\gameover\\lightning01.wav", 22050, 16, false, 0.89f, LongLightning},
        {"cutscenes\\gameover\\penguin_01.wav", 11025, 8, false, 0.89f, PenguinAlarm},
    };
}

}  // namespace mediagen
