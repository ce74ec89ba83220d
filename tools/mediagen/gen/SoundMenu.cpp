// Sounds of the main menu: moving the highlight, choosing an item, and leaving the game.
#include "SoundCatalog.h"
#include "SoundKit.h"
#include "audio/Effects.h"
#include "audio/EffectKit.h"
#include "audio/Percussion.h"
#include "audio/Reverb.h"
#include "audio/Tone.h"

namespace mediagen {
namespace {

// Moving the highlight: a small wooden tick with a bright blip on top, short enough to repeat quickly.
AudioBuffer MenuMove(int rate)
{
    AudioBuffer out = RenderTone(rate, 0.07, Wave::Sine, Glide(1500.0, 1900.0, 0.04), Hit(0.001, 0.05));
    out.MixIn(RenderNoise(rate, 0.01, 11, false, Hit(0.0005, 0.008)), 0.0, 0.6f);
    out.MixIn(RenderTone(rate, 0.05, Wave::Triangle, Constant(760.0), Hit(0.0005, 0.03)), 0.0, 0.5f);
    return out;
}

// Choosing an item: two quick bell notes rising a fifth.
AudioBuffer MenuSelect(int rate)
{
    AudioBuffer out = PlayTune(Instrument::Glockenspiel, rate, 600.0, "C6:0.7 G6:2", 21);
    out.MixIn(Sparkle(rate, 0.35, 22, 5, 3500.0, 7000.0), 0.05, 0.15f);
    Reverb room(rate, 0.3, 0.5);
    room.ProcessMono(out, 0.25f, 0.2);
    out.Resize(out.IndexAt(0.7));
    out.FadeOut(0.3);
    return out;
}

// Leaving: bells falling to the home note over a sleigh-bell shake, and Glimmer saying goodbye.
AudioBuffer MenuQuit(int rate)
{
    AudioBuffer out = PlayTune(Instrument::Glockenspiel, rate, 300.0, "G5:1 E5 C5:3", 31);
    out.MixIn(PlayChord(Instrument::Strings, rate, 0.9, {48, 55, 60, 64}, 32), 0.3, 0.6f);
    out.MixIn(SleighBellShake(rate, 0.5f, 33, 8, 0.05), 0.0);
    out.MixIn(SpokenLine("Bye bye!", GlimmerVoice(), rate), 0.62, 0.8f);
    Reverb room(rate, 0.4, 0.5);
    room.ProcessMono(out, 0.2f, 0.3);
    out.FadeOut(0.25);
    return out;
}

}  // namespace

std::vector<SoundRecipe> MenuSounds()
{
    return {
        {"waves\\menu\\click01.wav", 11025, 8, false, 0.89f, MenuMove},
        {"waves\\menu\\click02.wav", 22050, 16, false, 0.89f, MenuSelect},
        {"waves\\menu\\quit01.wav", 22050, 16, false, 0.89f, MenuQuit},
    };
}

}  // namespace mediagen
