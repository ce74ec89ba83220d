// Group "act2-voices": each city's child says thank you, in the city's language, when the ride begins.
#include "MediaGenerator.h"
#include "SoundCatalog.h"
#include "SoundKit.h"
#include "WorldCities.h"
#include "audio/Effects.h"
#include "audio/Reverb.h"

#include <string>

namespace mediagen {
namespace {

// A child: a light female voice pitched high and played a little fast.
VoiceStyle KidVoice(const WorldCity& city)
{
    const std::string variant = city.number % 2 == 0 ? "+f4" : "+f2";
    return {std::string(city.language) + variant, 150, 92, 85, 1.22};
}

void GenerateKidVoices(const OutputTree& out)
{
    for (const WorldCity& city : WorldCities()) {
        SoundRecipe recipe;
        recipe.gameName = "waves\\act2\\kid_" + std::to_string(city.number) + ".wav";
        recipe.sampleRate = 22050;
        recipe.bitsPerSample = 16;
        recipe.make = [&city](int rate) {
            AudioBuffer line = SpokenLine(city.thankYou, KidVoice(city), rate);
            // Called from the house below: a little room around the voice.
            Reverb room(rate, 0.35, 0.3);
            room.ProcessMono(line, 0.2, 0.25);
            return line;
        };
        WriteOrThrow(out.MediaPath(recipe.gameName), RenderSoundFile(recipe));
    }
}

const RegisterGenerator kRegistration("act2-voices", &GenerateKidVoices);

} // namespace
} // namespace mediagen
