// The "sounds" group: renders every sound of the game and writes it where the game looks for it.
#include <algorithm>
#include <cctype>
#include <cstdint>

#include "MediaGenerator.h"
#include "SoundCatalog.h"
#include "audio/PcmConverter.h"
#include "writers/AiffWriter.h"
#include "writers/WaveWriter.h"

namespace mediagen {
namespace {

std::uint32_t NameSeed(const std::string& name)
{
    std::uint32_t hash = 2166136261u;
    for (unsigned char c : name)
        hash = (hash ^ c) * 16777619u;
    return hash;
}

bool IsAiffName(const std::string& name)
{
    std::string lower = name;
    std::transform(lower.begin(), lower.end(), lower.begin(), [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return lower.ends_with(".aif") || lower.ends_with(".aiff");
}

void GenerateSounds(const OutputTree& out)
{
    for (const SoundRecipe& recipe : AllSounds())
        WriteOrThrow(out.MediaPath(recipe.gameName), RenderSoundFile(recipe));
}

const RegisterGenerator kRegistration("sounds", &GenerateSounds);

}  // namespace

std::vector<SoundRecipe> AllSounds()
{
    std::vector<SoundRecipe> all;
    for (auto list : {MenuSounds, CutsceneSounds, ToyCatcherSounds, NavigationSounds, SleighRideSounds}) {
        std::vector<SoundRecipe> group = list();
        all.insert(all.end(), group.begin(), group.end());
    }
    return all;
}

std::vector<unsigned char> RenderSoundFile(const SoundRecipe& recipe)
{
    AudioBuffer sound = recipe.make(recipe.sampleRate);
    if (!recipe.loops) {
        // One-shot sounds start and stop at rest; loops are left whole, since any fade would be heard at the seam.
        sound.RemoveDc();
        sound.FadeIn(0.002);
        sound.FadeOut(0.01);
    }
    const PcmSound pcm = ToPcm(sound, recipe.bitsPerSample, recipe.peakLevel, NameSeed(recipe.gameName));
    return IsAiffName(recipe.gameName) ? EncodeAiff(pcm) : EncodeWave(pcm);
}

}  // namespace mediagen
