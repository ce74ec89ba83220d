// The pictures, sprites and sounds one hand-animated cutscene owns, and the rules all cutscenes share.
#pragma once

#include <cstdint>
#include <initializer_list>
#include <memory>
#include <vector>

class AzBlitterObject;
class AzBobSprite;

namespace Vl {
class Sound;
}

class GlCutsceneAssets {
public:
    // The counter a skip sets: past every scene's last frame, so the scene ends in that frame.
    static constexpr float kSkippedCounter = 1000.0f;
    // The first frames advance at most one a presented frame, so the time spent loading is not skipped.
    static constexpr float kClampedFrames = 5.0f;

    GlCutsceneAssets();
    ~GlCutsceneAssets();
    GlCutsceneAssets(const GlCutsceneAssets&) = delete;
    GlCutsceneAssets& operator=(const GlCutsceneAssets&) = delete;

    // Loads the files in the order given; a file that fails leaves an empty slot that draws nothing.
    void LoadPictures(std::initializer_list<const char*> names);
    void LoadSprites(std::initializer_list<const char*> names);
    void LoadSounds(std::initializer_list<const char*> names);

    void QueuePicture(size_t picture, int32_t x, int32_t y, float depth) const;
    // A negative sprite frame (beyond the end of a frame table) draws nothing.
    void QueueSprite(size_t sprite, int32_t x, int32_t y, float depth, int32_t frame) const;
    // "cutscenes\black.bmp" (loaded as picture `bar`) at the top and in the two bottom rows.
    void QueueLetterbox(size_t bar) const;
    // Starts the sound when the frame is exactly its cue and its mark is clear; sets the mark.
    void PlayCue(size_t sound, int32_t frame, int32_t cue, bool& played) const;

    // Space or Enter is down: the skip of the scenes that allow one.
    static bool SkipRequested();
    // The step of the counter: clamped while it is below five frames, following the clock later.
    static float CounterStep(float counter);
    // "End THIS GLCutPass1 frame is : " and the frame: every cutscene writes this same text.
    static void LogEnd(int32_t frame);

private:
    std::vector<std::unique_ptr<AzBlitterObject>> mPictures;
    std::vector<std::unique_ptr<AzBobSprite>> mSprites;
    std::vector<Vl::Sound*> mSounds;
};
