// Act 2, the sleigh ride: the chosen city scrolls by in parallax layers while the sleigh drops gifts.
#pragma once

#include "GlActorList.h"
#include "GlInterfaceRun.h"

#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

class AzBlitterObject;
class AzBobAlphabet;
class AzBobSprite;
class GlCityFile;
class GlSleigh;
class GlSRPenguin;
class GlSRFrostine;

namespace Vl {
class Sound;
}

class GlSkyRun : public GlInterfaceRun {
public:
    enum SoundId : int32_t { kHouseSound, kSleighSound, kGlimHitSound, kPenFlyerSound, kZapSound, kSnowGunSound, kSoundCount };

    // How the round ended, kept for tools and tests (the successor screen may not exist).
    enum class RoundEnd : int32_t { kNone, kDelivered, kGiftsLost, kHealthGone };

    static constexpr float kStartScroll = -640.0f;
    static constexpr int32_t kStartNextCloud = -10000;
    static constexpr int32_t kHouseShift = 200;
    static constexpr int32_t kCircleX = 0;
    static constexpr int32_t kCircleY = 283;

    GlSkyRun();
    ~GlSkyRun() override;
    bool RunFrame() override;
    void Load() override;

    // Builds the city of that number from "act2\config\city_N.txt".
    void MakeCity(int32_t cityNumber);

    // Called by the gifts.
    void Deliver();
    void LoseLastGift();

    // Media for the actors (any may be null when its file did not load).
    AzBobSprite* PresentSprite() const { return mPresent.get(); }
    AzBobSprite* PenguinFlyerSprite() const { return mPenguinFlyer.get(); }
    AzBobSprite* BulletSprite() const { return mBullet.get(); }
    AzBobSprite* FrostineBackSprite() const { return mFrostine3.get(); }
    AzBobSprite* FrostineFrontSprite() const { return mFrostine4.get(); }
    AzBobSprite* StormcloudSprite() const { return mStormcloud.get(); }
    Vl::Sound* GetSound(SoundId id) const { return mSounds[id]; }
    size_t CloudPairCount() const { return mCloudBack.size(); }
    AzBlitterObject* CloudBack(size_t pair) const;
    AzBlitterObject* CloudFront(size_t pair) const;

    GlActorList& Actors() { return mActors; }
    GlSleigh* Sleigh() const { return mSleigh.get(); }
    GlSRPenguin* Penguin() const { return mPenguin.get(); }
    GlSRFrostine* Frostine() const { return mFrostine.get(); }

    // The city as built, and the scrolling.
    const std::vector<int32_t>& FarX() const { return mFarX; }
    const std::vector<int32_t>& NearX() const { return mNearX; }
    const std::vector<AzBlitterObject*>& FarBuildings() const { return mFar; }
    const std::vector<AzBlitterObject*>& NearBuildings() const { return mNear; }
    const std::vector<int32_t>& HouseX() const { return mHouseX; }
    const std::vector<AzBobSprite*>& Houses() const { return mHouses; }
    int32_t FarWidth() const { return mFarWidth; }
    int32_t NearWidth() const { return mNearWidth; }
    int32_t FarOffset() const { return mFarOffset; }
    float FarScroll() const { return mFarScroll; }
    float NearScroll() const { return mNearScroll; }
    float LandmarkScroll() const { return mLandmarkScroll; }
    int32_t NextCloudAt() const { return mNextCloudAt; }
    int32_t ChildX() const { return mChildX; }
    int32_t ChildY() const { return mChildY; }
    int32_t LandmarkY() const { return mLandmarkY; }
    bool HasSky() const { return mSky != nullptr; }
    bool HasLandmark() const { return mLandmark != nullptr; }
    bool HasChild() const { return mChild != nullptr; }
    // The first house's rectangle on the screen this frame; false without a house.
    bool HouseRect(int32_t& x, int32_t& y, int32_t& width, int32_t& height) const;
    RoundEnd LastRoundEnd() const { return mRoundEnd; }

    // The displayed width of the health bar, shared by all rides of a program run
    // (negative until a ride first draws it).
    static float& HealthBarWidth();
    // Every value shared by all rides back to program start (tests).
    static void ResetSharedState();

private:
    void ClearCity();
    void LoadBuilding(const std::string& prefix, int32_t index, std::vector<std::unique_ptr<AzBlitterObject>>& cache);
    AzBlitterObject* CachedBuilding(bool tower, int32_t index);
    AzBobSprite* CachedHouse(int32_t type);
    void PlaceHouse(int32_t houseType, int32_t farRowLength);
    void DrawCity();
    void DrawDisplay();

    GlActorList mActors;
    std::unique_ptr<AzBobAlphabet> mAlphabet;
    std::unique_ptr<AzBobSprite> mChild;
    int32_t mChildX = 0;
    int32_t mChildY = 0;
    int32_t mLandmarkY = 0;
    std::unique_ptr<AzBlitterObject> mMeter;
    std::unique_ptr<AzBlitterObject> mMeterCap;
    std::vector<AzBlitterObject*> mFar;
    std::vector<int32_t> mFarX;
    std::vector<AzBlitterObject*> mNear;
    std::vector<int32_t> mNearX;
    std::vector<AzBobSprite*> mHouses;
    std::vector<int32_t> mHouseX;
    int32_t mFarWidth = 0;
    int32_t mNearWidth = 0;
    int32_t mFarOffset = 0;
    float mFarScroll = kStartScroll;
    float mNearScroll = kStartScroll;
    float mLandmarkScroll = kStartScroll;
    int32_t mNextCloudAt = kStartNextCloud;
    std::unique_ptr<GlSleigh> mSleigh;
    std::unique_ptr<GlSRPenguin> mPenguin;
    std::unique_ptr<GlSRFrostine> mFrostine;
    std::unique_ptr<AzBobSprite> mGiftIcon;
    std::unique_ptr<AzBobSprite> mLivesIcon;
    std::unique_ptr<AzBobSprite> mPresent;
    std::unique_ptr<AzBobSprite> mPenguinFlyer;
    std::unique_ptr<AzBobSprite> mBullet;
    std::unique_ptr<AzBobSprite> mFrostine3;
    std::unique_ptr<AzBobSprite> mFrostine4;
    std::unique_ptr<AzBobSprite> mStormcloud;
    std::unique_ptr<AzBlitterObject> mSky;
    std::unique_ptr<AzBlitterObject> mLandmark;
    std::unique_ptr<AzBlitterObject> mCircle;
    std::vector<std::unique_ptr<AzBlitterObject>> mCloudBack;
    std::vector<std::unique_ptr<AzBlitterObject>> mCloudFront;
    std::vector<std::unique_ptr<AzBlitterObject>> mBuildingCache;
    std::vector<std::unique_ptr<AzBlitterObject>> mTowerCache;
    std::vector<std::unique_ptr<AzBobSprite>> mHouseCache;
    std::array<Vl::Sound*, kSoundCount> mSounds{};
    Vl::Sound* mKidSound = nullptr;
    bool mNoCloudsLogged = false;
    RoundEnd mRoundEnd = RoundEnd::kNone;
};
