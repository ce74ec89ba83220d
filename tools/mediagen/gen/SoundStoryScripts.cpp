// Group "story-sounds": the voices, effects and jingles that the three scripted story scenes name.
#include <cmath>

#include "MediaGenerator.h"
#include "SoundCatalog.h"
#include "SoundKit.h"
#include "audio/EffectKit.h"
#include "audio/Percussion.h"
#include "audio/Reverb.h"

namespace mediagen {
namespace {

// A short jolly tune over held chords: the North Pole at work.
AudioBuffer WorkshopJingle(int rate)
{
    AudioBuffer out = PlayTune(Instrument::Glockenspiel, rate, 150.0,
                               "G5:1 E5 G5 C6 | B5:1 G5 A5:2 | F5:1 A5 G5 E5 | D5:1 E5 C5:2", 600);
    AudioBuffer bass = PlayTune(Instrument::Pluck, rate, 150.0, "C3:2 G3:2 | G3:2 D3:2 | F3:2 C3:2 | G3:2 C3:2", 601);
    out.MixIn(bass, 0.0, 0.5f);
    for (int k = 0; k < 16; ++k)
        out.MixIn(SleighBellShake(rate, k % 2 ? 0.3f : 0.5f, 602 + k, 6, 0.03), k * 0.4, 0.4f);
    Reverb room(rate, 0.4, 0.4);
    room.ProcessMono(out, 0.2f, 0.0);
    out.FadeOut(0.5);
    return out;
}

// The snowmobile starts: a cough, then the engine catches and revs away.
AudioBuffer EngineStart(int rate)
{
    std::vector<double> times;
    std::vector<float> levels;
    double t = 0.0;
    for (int k = 0; k < 3; ++k) {
        times.push_back(t);
        levels.push_back(0.7f);
        t += 0.18;
    }
    t += 0.25;
    for (double rateHz = 14.0; t < 3.2; t += 1.0 / rateHz, rateHz = std::min(70.0, rateHz * 1.035)) {
        times.push_back(t);
        levels.push_back(static_cast<float>(std::max(0.3, 1.0 - (t - 1.5) / 2.5)));
    }
    AudioBuffer out = EngineRun(rate, times, levels, 110.0, 0.7, 610);
    out.FadeOut(0.6);
    return out;
}

// A gift landing in the sleigh: a soft thump and a jingle.
AudioBuffer GiftThump(int rate)
{
    AudioBuffer out = Splat(rate, 620, 0.5);
    out.MixIn(SleighBellShake(rate, 0.5f, 621, 5, 0.02), 0.03, 0.5f);
    return out;
}

// The sleigh lifts off: bells shaking faster and a rising whoosh.
AudioBuffer TakeOff(int rate)
{
    AudioBuffer out = Whoosh(rate, 2.4, 630, 200.0, 3600.0);
    for (int k = 0; k < 14; ++k)
        out.MixIn(SleighBellShake(rate, 0.4f + 0.04f * k, 631 + k, 8, 0.03), 0.12 * k + 0.004 * k * k);
    out.MixIn(Sparkle(rate, 1.6, 650, 14, 2500.0, 8000.0), 0.8, 0.4f);
    out.FadeOut(0.5);
    return out;
}

// A firework: the rising whistle, the bang and the crackle of falling sparks.
AudioBuffer Firework(int rate)
{
    AudioBuffer out = Whoosh(rate, 0.6, 660, 900.0, 4000.0);
    AudioBuffer bang = Thunder(rate, 1.0, 661, 1.0);
    out.MixIn(bang, 0.55, 0.8f);
    out.MixIn(Crackle(rate, 1.0, 662, 60.0), 0.75, 0.35f);
    out.MixIn(Sparkle(rate, 1.2, 663, 16, 3000.0, 9000.0), 0.65, 0.35f);
    out.FadeOut(0.3);
    return out;
}

// The village shouts hooray: several voices at once, a little apart.
AudioBuffer Cheering(int rate)
{
    AudioBuffer out = AudioBuffer::Seconds(rate, 3.0);
    out.MixIn(SpokenLine("Hooray!", TobinVoice(), rate), 0.0, 0.8f);
    out.MixIn(SpokenLine("Hooray!", GlimmerVoice(), rate), 0.12, 0.7f);
    VoiceStyle low = GlimmerVoice();
    low.pitch = 30;
    low.speed = 0.95;
    out.MixIn(SpokenLine("Yay! Hooray!", low, rate), 0.25, 0.6f);
    VoiceStyle high = TobinVoice();
    high.pitch = 85;
    out.MixIn(SpokenLine("Yippee!", high, rate), 0.5, 0.6f);
    Reverb square(rate, 0.6, 0.4);
    square.ProcessMono(out, 0.25f, 0.0);
    out.FadeOut(0.4);
    return out;
}

// A festive march for the celebration, about twenty seconds.
AudioBuffer Festival(int rate)
{
    const std::string tune = "C5:1 C5 G5 G5 | A5:1 A5 G5:2 | F5:1 F5 E5 E5 | D5:1 D5 C5:2 |"
                             "G5:1 G5 F5 F5 | E5:1 E5 D5:2 | G5:1 G5 F5 F5 | E5:1 E5 D5:2 |"
                             "C5:1 C5 G5 G5 | A5:1 A5 G5:2 | F5:1 F5 E5 E5 | D5:1 D5 C5:2 |";
    AudioBuffer out = PlayTune(Instrument::Brass, rate, 132.0, tune, 670);
    out.MixIn(PlayTune(Instrument::Glockenspiel, rate, 132.0, tune, 671), 0.0, 0.4f);
    out.MixIn(PlayTune(Instrument::Bass, rate, 132.0,
                       "C3:2 G2:2 | F2:2 C3:2 | F2:2 C3:2 | G2:2 C3:2 | C3:2 F2:2 | C3:2 G2:2 | C3:2 F2:2 | C3:2 G2:2 |"
                       "C3:2 G2:2 | F2:2 C3:2 | F2:2 C3:2 | G2:2 C3:2 |",
                       672),
              0.0, 0.6f);
    for (int k = 0; k < 48; ++k)
        out.MixIn(SleighBellShake(rate, k % 2 ? 0.25f : 0.45f, 673 + k, 6, 0.03), k * 60.0 / 132.0, 0.35f);
    Reverb hall(rate, 0.5, 0.4);
    hall.ProcessMono(out, 0.2f, 0.0);
    out.FadeOut(1.0);
    return out;
}

std::vector<SoundRecipe> StoryScriptSounds()
{
    return {
        {"cutscenes\\setup1\\jingle.wav", 22050, 16, false, 0.8f, WorkshopJingle},
        {"cutscenes\\setup1\\tobin_task.wav", 22050, 16, false, 0.89f,
         [](int rate) {
             return SpokenLine("Glimmer! The toy machines are running wild! Catch every gift before it hits the snow!",
                               TobinVoice(), rate);
         }},
        {"cutscenes\\setup1\\glimmer_ready.wav", 22050, 16, false, 0.89f,
         [](int rate) { return SpokenLine("Leave it to me, Tobin!", GlimmerVoice(), rate); }},
        {"cutscenes\\setup1\\tobin_goodluck.wav", 22050, 16, false, 0.89f,
         [](int rate) { return SpokenLine("Take the snowmobile. Good luck!", TobinVoice(), rate); }},
        {"cutscenes\\setup1\\engine_start.wav", 11025, 16, false, 0.85f, EngineStart},
        {"cutscenes\\setup2\\tobin_loaded.wav", 22050, 16, false, 0.89f,
         [](int rate) { return SpokenLine("The sleigh is full! Off you go, Glimmer!", TobinVoice(), rate); }},
        {"cutscenes\\setup2\\glimmer_go.wav", 22050, 16, false, 0.89f,
         [](int rate) { return SpokenLine("Hold on tight! Here we go!", GlimmerVoice(), rate); }},
        {"cutscenes\\setup2\\thump.wav", 22050, 8, false, 0.8f, GiftThump},
        {"cutscenes\\setup2\\takeoff.wav", 22050, 16, false, 0.89f, TakeOff},
        {"cutscenes\\celebration\\music.wav", 22050, 16, false, 0.8f, Festival},
        {"cutscenes\\celebration\\cheer.wav", 22050, 16, false, 0.89f, Cheering},
        {"cutscenes\\celebration\\firework.wav", 22050, 16, false, 0.85f, Firework},
        {"cutscenes\\celebration\\glimmer_thanks.wav", 22050, 16, false, 0.89f,
         [](int rate) { return SpokenLine("We did it! Every gift is delivered. Thank you, everybody!", GlimmerVoice(), rate); }},
    };
}

void GenerateStoryScriptSounds(const OutputTree& out)
{
    for (const SoundRecipe& recipe : StoryScriptSounds())
        WriteOrThrow(out.MediaPath(recipe.gameName), RenderSoundFile(recipe));
}

const RegisterGenerator kRegistration("story-sounds", &GenerateStoryScriptSounds);

}  // namespace
}  // namespace mediagen
