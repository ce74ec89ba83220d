// The sleigh ride's screen: building the city, scrolling it, running the actors, the display.
#include "GlSkyRun.h"

#include "GlCityFile.h"
#include "GlFrameTiming.h"
#include "GlRandom.h"
#include "GlSRCloud.h"
#include "GlSRFrostine.h"
#include "GlSRPenguin.h"
#include "GlScreenRegistry.h"
#include "GlScreenState.h"
#include "GlSettings.h"
#include "GlSleigh.h"
#include "PlayerRecord.h"

#include "AzBlitterObject.h"
#include "AzBobAlphabet.h"
#include "AzBobSprite.h"
#include "AzDrawBobCommand.h"
#include "AzDrawBobSpriteCommand.h"
#include "AzDrawBobTextCommand.h"
#include "AzDrawQueue.h"
#include "AzLoaders.h"
#include "AzTextFiles.h"
#include "VlChannelPack.h"
#include "VlFile.h"
#include "VlLog.h"
#include "VlRedbook.h"
#include "VlSound.h"
#include "VlSoundChannel.h"

#include <algorithm>
#include <fstream>
#include <iterator>

namespace {

constexpr int32_t kScreenWidth = 640;
constexpr int32_t kScreenHeight = 480;
constexpr float kSkyDepth = 10000.0f;
constexpr float kLandmarkDepth = 9000.0f;
constexpr float kFarDepth = 2000.0f;
constexpr float kHouseDepth = 1999.0f;
constexpr float kNearDepth = 200.0f;
constexpr float kChildDepth = 200.0f;
constexpr float kCircleDepth = 201.0f;
constexpr float kDisplayDepth = 10.0f;
constexpr float kIconDepth = 9.0f;
constexpr uint32_t kRideTrack = 4;
// A city file bigger than this is no city file; reading stops there.
constexpr size_t kMaxCityFileBytes = 1 << 20;
// Row positions stay well inside 32 bits whatever gaps a file gives.
constexpr int64_t kRowLimit = 1 << 24;

const char* const kSoundFiles[GlSkyRun::kSoundCount] = {
    "waves\\act2\\house.wav",    "waves\\act2\\sleigh.wav", "waves\\act2\\glimhit.wav",
    "waves\\act2\\penflyer.wav", "waves\\act2\\zap.wav",    "waves\\act2\\snowgun.wav",
};

int32_t Width(const AzBlitterObject* picture)
{
    return picture != nullptr ? picture->GetWidth() : 0;
}

int32_t Height(const AzBlitterObject* picture)
{
    return picture != nullptr ? picture->GetHeight() : 0;
}

AzBlitterObject* FirstFrame(const AzBobSprite* sprite)
{
    return sprite != nullptr ? sprite->GetFrame(0) : nullptr;
}

void ReleaseSound(Vl::Sound*& sound)
{
    if (sound != nullptr)
        sound->Release();
    sound = nullptr;
}

int32_t ClampRow(int64_t x)
{
    return static_cast<int32_t>(std::clamp<int64_t>(x, -kRowLimit, kRowLimit));
}

} // namespace

GlSkyRun::GlSkyRun()
{
    // Empty slots only: MakeCity may run before Load (tools build a city on its own).
    mBuildingCache.resize(GlCityFile::kBuildingCacheSize);
    mTowerCache.resize(GlCityFile::kTowerCacheSize);
    mHouseCache.resize(GlCityFile::kHouseCacheSize);
}

GlSkyRun::~GlSkyRun()
{
    // Actors point at the screen's media: they go before it.
    mActors.Clear();
    mSleigh.reset();
    mPenguin.reset();
    mFrostine.reset();
    for (Vl::Sound*& sound : mSounds)
        ReleaseSound(sound);
    ReleaseSound(mKidSound);
}

float& GlSkyRun::HealthBarWidth()
{
    static float width = -1.0f;
    return width;
}

void GlSkyRun::ResetSharedState()
{
    HealthBarWidth() = -1.0f;
    GlSleigh::SharedDrop() = GlSleigh::DropState();
    GlSRPenguin::DecisionTimer() = 0.0f;
    GlSRFrostine::AppearanceTimer() = 0.0f;
}

AzBlitterObject* GlSkyRun::CloudBack(size_t pair) const
{
    return pair < mCloudBack.size() ? mCloudBack[pair].get() : nullptr;
}

AzBlitterObject* GlSkyRun::CloudFront(size_t pair) const
{
    return pair < mCloudFront.size() ? mCloudFront[pair].get() : nullptr;
}

void GlSkyRun::ClearCity()
{
    mFar.clear();
    mFarX.clear();
    mNear.clear();
    mNearX.clear();
    mHouses.clear();
    mHouseX.clear();
    mCloudBack.clear();
    mCloudFront.clear();
    mBuildingCache.clear();
    mTowerCache.clear();
    mHouseCache.clear();
    mBuildingCache.resize(GlCityFile::kBuildingCacheSize);
    mTowerCache.resize(GlCityFile::kTowerCacheSize);
    mHouseCache.resize(GlCityFile::kHouseCacheSize);
    mSky.reset();
    mLandmark.reset();
    mChild.reset();
    mFarWidth = 0;
    mNearWidth = 0;
}

AzBlitterObject* GlSkyRun::CachedBuilding(bool tower, int32_t index)
{
    std::vector<std::unique_ptr<AzBlitterObject>>& cache = tower ? mTowerCache : mBuildingCache;
    if (index < 0 || static_cast<size_t>(index) >= cache.size())
        return nullptr;
    // A picture that failed to load is tried again at its next use.
    if (!cache[index])
        cache[index].reset(az::LoadBlitterObject(std::string(tower ? "act2\\cities\\t_" : "act2\\cities\\b_") +
                                                 std::to_string(index) + ".bmp"));
    return cache[index].get();
}

AzBobSprite* GlSkyRun::CachedHouse(int32_t type)
{
    if (type < 0 || static_cast<size_t>(type) >= mHouseCache.size())
        return nullptr;
    if (!mHouseCache[type])
        mHouseCache[type].reset(az::LoadBobSprite("act2\\cities\\h_" + std::to_string(type) + ".spx"));
    return mHouseCache[type].get();
}

void GlSkyRun::MakeCity(int32_t cityNumber)
{
    const std::string fileName = "act2\\config\\city_" + std::to_string(cityNumber) + ".txt";
    mFarWidth = 0;
    mNearWidth = 0;
    // A city whose file cannot be read stays empty: no rows, no house, no child's voice.
    std::string path;
    if (!az::GetFullPath(Vl::kF_FromMedia, fileName, path)) {
        azLog() << "GlSkyRun::MakeCity - VlFileCreate failed. " << fileName << ".\n" << std::flush;
        return;
    }
    std::ifstream in(path, std::ios::in | std::ios::binary);
    if (!in) {
        azLog() << "GlSkyRun::MakeCity - Configfile in fail state after construction.\n" << std::flush;
        return;
    }
    std::string text;
    text.resize(kMaxCityFileBytes);
    in.read(text.data(), static_cast<std::streamsize>(text.size()));
    text.resize(static_cast<size_t>(in.gcount()));
    GlCityFile city;
    city.Parse(text);
    for (const std::string& problem : city.Problems())
        azLog() << "GlSkyRun::MakeCity - " << fileName << ": " << problem << ".\n" << std::flush;

    bool nearRow = false;
    bool childSet = false;
    bool landmarkSet = false;
    bool skySet = false;
    int32_t houseType = 0;
    int64_t x = 0;
    for (const GlCityItem& item : city.Items()) {
        switch (item.kind) {
        case GlCityItem::kTower:
        case GlCityItem::kBuilding: {
            AzBlitterObject* picture = CachedBuilding(item.kind == GlCityItem::kTower, item.a);
            if (picture == nullptr)
                break;
            const int64_t gap = static_cast<int64_t>(item.b) + picture->GetWidth();
            (nearRow ? mNear : mFar).push_back(picture);
            (nearRow ? mNearX : mFarX).push_back(ClampRow(x));
            x = ClampRow(x + gap);
            break;
        }
        case GlCityItem::kNear:
            mFarWidth = ClampRow(x);
            nearRow = true;
            x = 0;
            break;
        case GlCityItem::kChild:
            if (!childSet) {
                childSet = true;
                mChild.reset(az::LoadBobSprite("act2\\kids\\child_" + std::to_string(item.a) + ".spx"));
                mChildX = item.b;
                mChildY = item.c;
            }
            break;
        case GlCityItem::kCloud: {
            const std::string stem = "act2\\cities\\cloud_" + std::to_string(item.a);
            std::unique_ptr<AzBlitterObject> back(az::LoadBlitterObject(stem + "a.bmp"));
            std::unique_ptr<AzBlitterObject> front(az::LoadBlitterObject(stem + "b.bmp"));
            if (back && front) {
                mCloudBack.push_back(std::move(back));
                mCloudFront.push_back(std::move(front));
            }
            break;
        }
        case GlCityItem::kHouse:
            houseType = item.a;
            break;
        case GlCityItem::kLandmark:
            if (!landmarkSet) {
                landmarkSet = true;
                mLandmark.reset(az::LoadBlitterObject("act2\\cities\\lm_" + std::to_string(item.a) + ".bmp"));
                mLandmarkY = item.b;
            }
            break;
        case GlCityItem::kSky:
            if (!skySet) {
                skySet = true;
                mSky.reset(az::LoadBlitterObject("act2\\cities\\sky_" + std::to_string(item.a) + ".bmp"));
            }
            break;
        }
    }
    mNearWidth = ClampRow(x);
    azLog() << "GlSkyRun::MakeCity - # of Buildings: " << mFar.size() << "\n" << std::flush;
    azLog() << "GlSkyRun::MakeCity - # of Buildings Near: " << mNear.size() << "\n" << std::flush;

    // Without "near" the far row's own length is the row position, not the far width.
    PlaceHouse(houseType, nearRow ? mFarWidth : mNearWidth);

    ReleaseSound(mKidSound);
    Vlu::SoundCreateAndLoad(&mKidSound, "waves\\act2\\kid_" + std::to_string(cityNumber) + ".wav");
}

void GlSkyRun::PlaceHouse(int32_t houseType, int32_t farRowLength)
{
    const size_t slot = static_cast<size_t>(GlRandomMod(10) + 10);
    AzBobSprite* house = CachedHouse(houseType);
    if (house == nullptr)
        return;
    int32_t houseX = 0;
    if (slot < mFar.size()) {
        houseX = mFarX[slot];
    } else {
        // Too short a row for the house's slot: it stands at the end of the row instead.
        azLog() << "GlSkyRun::MakeCity - only " << mFar.size()
                << " far buildings; the house stands at the end of the row.\n"
                << std::flush;
        houseX = mFar.empty() ? 0 : farRowLength;
    }
    mHouses.push_back(house);
    mHouseX.push_back(houseX);
    for (size_t i = std::min(slot, mFar.size()); i < mFar.size(); ++i)
        mFarX[i] = ClampRow(static_cast<int64_t>(mFarX[i]) + kHouseShift);
    mFarWidth = ClampRow(static_cast<int64_t>(mFarWidth) + kHouseShift);
}

bool GlSkyRun::HouseRect(int32_t& x, int32_t& y, int32_t& width, int32_t& height) const
{
    if (mHouses.empty())
        return false;
    AzBlitterObject* frame = FirstFrame(mHouses[0]);
    width = Width(frame);
    height = Height(frame);
    x = mHouseX[0] - static_cast<int32_t>(mFarScroll);
    y = kScreenHeight - height;
    return true;
}

void GlSkyRun::Load()
{
    az::SetPaletteFromFile("Pallettes\\NS_pallette.bmp");
    ClearCity();
    MakeCity(CurrentPlayer().chosenCityNumber);
    mCircle.reset(az::LoadBlitterObject("act2\\kids\\circle.bmp"));
    mSleigh = std::make_unique<GlSleigh>(this);
    mPenguinFlyer.reset(az::LoadBobSprite("act2\\spx\\penguinflyer.spx"));
    mPenguin = std::make_unique<GlSRPenguin>(this);
    mGiftIcon.reset(az::LoadBobSprite("menus\\Interface_Gift.spx"));
    mLivesIcon.reset(az::LoadBobSprite("menus\\Interface_coin.spx"));
    mPresent.reset(az::LoadBobSprite("act2\\spx\\present.spx"));
    mBullet.reset(az::LoadBobSprite("act2\\spx\\snowball02.spx"));
    mFrostine3.reset(az::LoadBobSprite("act2\\spx\\frostine003.spx"));
    mFrostine4.reset(az::LoadBobSprite("act2\\spx\\frostine004.spx"));
    mStormcloud.reset(az::LoadBobSprite("act2\\spx\\stormcloud.spx"));
    mFrostine = std::make_unique<GlSRFrostine>(this);
    mMeter.reset(az::LoadBlitterObject("dmeter.bmp"));
    mMeterCap.reset(az::LoadBlitterObject("damcap.bmp"));
    mAlphabet = std::make_unique<AzBobAlphabet>("Alphabets\\Font_E.spx", "Alphabets\\FontE.desc");
    for (int32_t id = 0; id < kSoundCount; ++id) {
        ReleaseSound(mSounds[id]);
        Vlu::SoundCreateAndLoad(&mSounds[id], kSoundFiles[id]);
    }

    mFarScroll = kStartScroll;
    mNearScroll = kStartScroll;
    mLandmarkScroll = kStartScroll;
    mNextCloudAt = kStartNextCloud;

    if (gChannel2 != nullptr && mSounds[kSleighSound] != nullptr)
        gChannel2->Play(mSounds[kSleighSound], true);
    if (Settings().PlayCD && gCdPlayer != nullptr)
        gCdPlayer->Play(kRideTrack, true);
    if (gChannelPack != nullptr && mKidSound != nullptr)
        gChannelPack->Play(mKidSound, 0, true, false);
}

void GlSkyRun::DrawCity()
{
    const GlSettings& settings = Settings();
    mFarScroll += FrameStepClamped(settings.CitySpeed);
    mNearScroll += FrameStepClamped(settings.CitySpeedNear);
    mLandmarkScroll += FrameStepClamped(settings.LandmarkSpeed);

    if (mLandmarkScroll > static_cast<float>(Width(mLandmark.get())) && mFarScroll > static_cast<float>(mFarWidth)) {
        mFarScroll = kStartScroll;
        mLandmarkScroll = kStartScroll;
        mNextCloudAt = kStartNextCloud;
    }
    if (mNearScroll > static_cast<float>(mNearWidth))
        mNearScroll = kStartScroll;

    mFarOffset = -static_cast<int32_t>(mFarScroll);
    const int32_t nearOffset = -static_cast<int32_t>(mNearScroll);

    gDrawQueue.push(new AzDrawBobCommand(kSkyDepth, mSky.get(), 0, 0));
    gDrawQueue.push(new AzDrawBobCommand(kLandmarkDepth, mLandmark.get(), -static_cast<int32_t>(mLandmarkScroll),
                                         mLandmarkY));

    for (size_t i = 0; i < mFar.size(); ++i)
        gDrawQueue.push(new AzDrawBobCommand(kFarDepth, mFar[i], mFarX[i] + mFarOffset, kScreenHeight - Height(mFar[i])));
    for (size_t i = 0; i < mNear.size(); ++i)
        gDrawQueue.push(
            new AzDrawBobCommand(kNearDepth, mNear[i], mNearX[i] + nearOffset, kScreenHeight - Height(mNear[i])));

    if (static_cast<float>(mNextCloudAt) < mFarScroll) {
        if (!mCloudBack.empty()) {
            mActors.Append(new GlSRCloud(this));
        } else if (!mNoCloudsLogged) {
            mNoCloudsLogged = true;
            azLog() << "GlSkyRun::RunFrame - the city has no cloud pairs; no clouds drift by.\n" << std::flush;
        }
        mNextCloudAt = static_cast<int32_t>(mFarScroll + static_cast<float>(settings.CloudSpacing));
    }

    for (size_t i = 0; i < mHouses.size(); ++i) {
        AzBobSprite* house = mHouses[i];
        AzBlitterObject* frame = FirstFrame(house);
        const int32_t left = mHouseX[i] + mFarOffset;
        gDrawQueue.push(new AzDrawBobSpriteCommand(kHouseDepth, house, left, kScreenHeight - Height(frame),
                                                   AnimFrameIndex(house->GetFrameCount(), 2, 0)));
        if (gChannel1 != nullptr && !gChannel1->IsPlaying() && left < kScreenWidth && left > -Width(frame) &&
            mSounds[kHouseSound] != nullptr)
            gChannel1->Play(mSounds[kHouseSound], false);
    }

    gDrawQueue.push(new AzDrawBobSpriteCommand(kChildDepth, mChild.get(), mChildX, mChildY, 0));
    gDrawQueue.push(new AzDrawBobCommand(kCircleDepth, mCircle.get(), kCircleX, kCircleY));
}

void GlSkyRun::DrawDisplay()
{
    PlayerRecord& player = CurrentPlayer();
    gDrawQueue.push(new AzDrawBobTextCommand(kDisplayDepth, "=" + std::to_string(player.giftCount), mAlphabet.get(),
                                             620, 0, AzDrawBobTextCommand::kAlignRight, 0, nullptr));
    if (mGiftIcon)
        gDrawQueue.push(new AzDrawBobSpriteCommand(kIconDepth, mGiftIcon.get(), 472, 0,
                                                   AnimFrameIndex(mGiftIcon->GetFrameCount(), 24, 0)));

    const int32_t fullWidth = Width(mMeter.get());
    float& shown = HealthBarWidth();
    if (shown < 0.0f)
        shown = static_cast<float>(fullWidth);
    const int32_t target = std::clamp(static_cast<int32_t>(static_cast<float>(fullWidth) * player.health), 1,
                                      std::max(fullWidth, 1));
    const float step = FrameStepClamped(20);
    if (shown > static_cast<float>(target))
        shown = std::max(shown - step, static_cast<float>(target));
    else if (shown < static_cast<float>(target))
        shown = std::min(shown + step, static_cast<float>(target));
    if (player.health <= 0.0f) {
        mRoundEnd = RoundEnd::kHealthGone;
        GlStoreSuccessor("GlCutFail2");
    }
    const int32_t barWidth = static_cast<int32_t>(shown);
    if (mMeter && barWidth > 0)
        gDrawQueue.push(new AzDrawBobCommand(kDisplayDepth, mMeter.get(), 0, 0, barWidth, Height(mMeter.get()), 8, 14));
    gDrawQueue.push(new AzDrawBobCommand(kDisplayDepth, mMeterCap.get(), barWidth + 8, 14));

    gDrawQueue.push(new AzDrawBobTextCommand(kDisplayDepth, "=" + std::to_string(player.lives), mAlphabet.get(), 63,
                                             35, AzDrawBobTextCommand::kAlignLeft, 0, nullptr));
    if (mLivesIcon)
        gDrawQueue.push(new AzDrawBobSpriteCommand(kIconDepth, mLivesIcon.get(), 12, 45,
                                                   AnimFrameIndex(mLivesIcon->GetFrameCount(), 12, 0)));
}

bool GlSkyRun::RunFrame()
{
    DrawCity();
    if (mSleigh)
        mSleigh->Update();
    if (mPenguin)
        mPenguin->Update();
    if (mFrostine)
        mFrostine->Update();
    mActors.RunAll();
    DrawDisplay();
    return true;
}

void GlSkyRun::Deliver()
{
    PlayerRecord& player = CurrentPlayer();
    player.score += 250 + 15 * player.giftCount;
    mRoundEnd = RoundEnd::kDelivered;
    GlStoreSuccessor("GlCutPass2");
}

void GlSkyRun::LoseLastGift()
{
    mRoundEnd = RoundEnd::kGiftsLost;
    GlStoreSuccessor("GlNavigation");
}
