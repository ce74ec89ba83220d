// Loading, drawing and sound cues shared by the hand-animated cutscenes.
#include "GlCutsceneAssets.h"

#include "GlFrameTiming.h"
#include "GlScreenState.h"

#include "AzBlitterObject.h"
#include "AzBobSprite.h"
#include "AzDrawBobCommand.h"
#include "AzDrawBobSpriteCommand.h"
#include "AzDrawQueue.h"
#include "AzLoaders.h"
#include "VlChannelPack.h"
#include "VlKeys.h"
#include "VlLog.h"
#include "VlSound.h"

namespace {

constexpr float kLetterboxDepth = 10.0f;
constexpr int32_t kLetterboxRows[] = {0, 400, 430};

} // namespace

GlCutsceneAssets::GlCutsceneAssets() = default;

GlCutsceneAssets::~GlCutsceneAssets()
{
    for (Vl::Sound* sound : mSounds) {
        if (sound != nullptr)
            sound->Release();
    }
}

void GlCutsceneAssets::LoadPictures(std::initializer_list<const char*> names)
{
    for (const char* name : names)
        mPictures.emplace_back(az::LoadBlitterObject(name));
}

void GlCutsceneAssets::LoadSprites(std::initializer_list<const char*> names)
{
    for (const char* name : names)
        mSprites.emplace_back(az::LoadBobSprite(name));
}

void GlCutsceneAssets::LoadSounds(std::initializer_list<const char*> names)
{
    for (const char* name : names) {
        Vl::Sound* sound = nullptr;
        // A sound that does not load stays silent: the pack refuses it.
        Vlu::SoundCreateAndLoad(&sound, name);
        mSounds.push_back(sound);
    }
}

void GlCutsceneAssets::QueuePicture(size_t picture, int32_t x, int32_t y, float depth) const
{
    if (picture < mPictures.size() && mPictures[picture])
        gDrawQueue.push(new AzDrawBobCommand(depth, mPictures[picture].get(), x, y));
}

void GlCutsceneAssets::QueueSprite(size_t sprite, int32_t x, int32_t y, float depth, int32_t frame) const
{
    if (frame >= 0 && sprite < mSprites.size() && mSprites[sprite])
        gDrawQueue.push(new AzDrawBobSpriteCommand(depth, mSprites[sprite].get(), x, y, frame));
}

void GlCutsceneAssets::QueueLetterbox(size_t bar) const
{
    for (int32_t row : kLetterboxRows)
        QueuePicture(bar, 0, row, kLetterboxDepth);
}

void GlCutsceneAssets::PlayCue(size_t sound, int32_t frame, int32_t cue, bool& played) const
{
    if (frame != cue || played)
        return;
    played = true;
    if (gChannelPack != nullptr && sound < mSounds.size() && mSounds[sound] != nullptr)
        gChannelPack->Play(mSounds[sound], 0, true, false);
}

bool GlCutsceneAssets::SkipRequested()
{
    return IsKeyDown(Vl::kVK_Space) || IsKeyDown(Vl::kVK_Return);
}

float GlCutsceneAssets::CounterStep(float counter)
{
    return FrameStep(12, counter < kClampedFrames);
}

void GlCutsceneAssets::LogEnd(int32_t frame)
{
    azLog() << "End THIS GLCutPass1 frame is : " << frame << "\n" << std::flush;
}
