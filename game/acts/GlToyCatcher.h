// Act 1, the toy catcher: belts, timers and heads-up display of one round; owns its media and actors.
#pragma once

#include "GlActorList.h"
#include "GlAlphabets.h"
#include "GlInterfaceRun.h"

#include <array>
#include <cstdint>
#include <memory>

class AzBlitterObject;
class AzBobBackground;
class AzBobSprite;
class GlSnowmobile;

namespace Vl {
class Sound;
}

class GlToyCatcher : public GlInterfaceRun {
public:
    enum SpriteId : int32_t {
        kUpperBelt,
        kLowerBelt,
        kLivesIcon,
        kGiftIcon,
        kGift1,
        kGift2,
        kGift3,
        kGift4,
        kGift5,
        kBeehive,
        kBees,
        kOilCan,
        kExtraLife,
        kDoubleBonus,
        kSnowSplash,
        kPenguinSniper,
        kBlowerBody,
        kBlowerPenguin,
        kBlowerSpout,
        kBlowerTreads,
        kSpriteCount,
    };
    enum ImageId : int32_t { kMeter, kMeterCap, kSnowball, kHeart, kImageCount };
    enum SoundId : int32_t {
        kHitHead,
        kInBox,
        kCatchLife,
        kShakeHead,
        kBeesLoop,
        kConveyor,
        kMotorIdle,
        kMotorDriving,
        kGreat,
        kSnowBlower,
        kHole,
        kOil,
        kPenguinSquawk,
        kSnowGun,
        kSoundCount,
    };

    // What every act-1 round of a program run shares; never reset when a round starts.
    struct RunValues {
        uint32_t lastPenguinSpawn = 0;
        uint32_t lastGiftSpawn = 0; // 0: not yet set
        float barWidth = 0.0f;
        bool barWidthSet = false;
    };
    static RunValues& SharedValues();

    static constexpr uint32_t kGiftDelayMs = 2000;
    static constexpr uint32_t kDoubleBonusMs = 10000;
    static constexpr int32_t kBarX = 8;
    static constexpr int32_t kBarY = 14;

    GlToyCatcher();
    ~GlToyCatcher() override;
    bool RunFrame() override;
    void Load() override;

    // Milliseconds between penguins: 1 -> 8000, 2 -> 7000, 3 and 4 -> 5000, any other -> 3000.
    static uint32_t PenguinDelayForLevel(int32_t level);
    // The width the health bar heads for: the meter width times health, truncated, within 1 and full.
    static int32_t HealthBarTarget(int32_t fullWidth, float health);
    // The displayed width moved toward the target by step, never past it.
    static float SlideBarWidth(float shown, int32_t target, float step);

    // The media, for the actors; null where a file did not load.
    AzBobSprite* Sprite(SpriteId id) const { return mSprites[id].get(); }
    AzBlitterObject* Image(ImageId id) const { return mImages[id].get(); }
    Vl::Sound* Sound(SoundId id) const { return mSounds[id]; }
    // Plays an effect on the channel pack: at priority 20 at once, or at priority 0 queued.
    void PlayEffect(SoundId id, bool urgent) const;

    GlActorList& Actors() { return mActors; }
    const GlActorList& Actors() const { return mActors; }
    GlSnowmobile* Snowmobile() const { return mSnowmobile.get(); }

    bool PenguinPresent() const { return mPenguinPresent; }
    void SetPenguinPresent(bool present) { mPenguinPresent = present; }
    bool DoubleBonusActive() const { return mDoubleBonusActive; }
    uint32_t DoubleBonusStart() const { return mDoubleBonusStart; }
    void StartDoubleBonus(uint32_t frameTime);

    // The round's end where the next screen could not be made: the class is not built.
    void RecordWin() { mWinRecorded = true; }
    bool WinRecorded() const { return mWinRecorded; }
    bool LossRecorded() const { return mLossRecorded; }

private:
    void DrawBelts();
    void SpawnPenguin(uint32_t frameTime);
    void SpawnGift(uint32_t frameTime);
    void DrawDisplay(uint32_t frameTime);
    void DrawHealthBar();

    GlAlphabets mFonts;
    std::unique_ptr<AzBobBackground> mBackground;
    std::unique_ptr<GlSnowmobile> mSnowmobile;
    std::array<std::unique_ptr<AzBobSprite>, kSpriteCount> mSprites;
    std::array<std::unique_ptr<AzBlitterObject>, kImageCount> mImages;
    std::array<Vl::Sound*, kSoundCount> mSounds{};
    GlActorList mActors;
    bool mPenguinPresent = false;
    bool mDoubleBonusActive = false;
    uint32_t mDoubleBonusStart = 0;
    bool mWinRecorded = false;
    bool mLossRecorded = false;
};

