// The round of act 1: loads its media, runs the belts, spawns penguins and gifts, draws the display.
#include "GlToyCatcher.h"

#include "GlFrameTiming.h"
#include "GlScreenRegistry.h"
#include "GlScreenState.h"
#include "GlSettings.h"
#include "GlSnowmobile.h"
#include "GlTCGift.h"
#include "GlTCPenguin.h"
#include "PlayerRecord.h"

#include "AzBlitterObject.h"
#include "AzBobBackground.h"
#include "AzBobSprite.h"
#include "AzDrawBobCommand.h"
#include "AzDrawBobSpriteCommand.h"
#include "AzDrawQueue.h"
#include "AzLoaders.h"
#include "VlChannelPack.h"
#include "VlRedbook.h"
#include "VlSound.h"
#include "VlSoundChannel.h"
#include "lrDisplay.h"

#include <algorithm>
#include <string>

namespace {

const char* const kSpriteFiles[GlToyCatcher::kSpriteCount] = {
    "act1_bg\\tread01.spx",
    "act1_bg\\tread02.spx",
    "menus\\Interface_coin.spx",
    "menus\\Interface_Gift.spx",
    "act1_sprites\\gift0011.spx",
    "act1_sprites\\gift0012.spx",
    "act1_sprites\\gift0013.spx",
    "act1_sprites\\gift0014.spx",
    "act1_sprites\\gift0015.spx",
    "act1_sprites\\beehive001.spx",
    "act1_sprites\\bees001.spx",
    "act1_sprites\\oilcan001.spx",
    "menus\\life001.spx",
    "menus\\2x.spx",
    "act1_sprites\\snsnowball02.spx",
    "act1_sprites\\pensniper.spx",
    "act1_sprites\\snowblower\\sbbody001.spx",
    "act1_sprites\\snowblower\\sbpenguin001.spx",
    "act1_sprites\\snowblower\\sbspout001.spx",
    "act1_sprites\\snowblower\\sbtreads001.spx",
};

const char* const kImageFiles[GlToyCatcher::kImageCount] = {
    "dmeter.bmp",
    "damcap.bmp",
    "act1_sprites\\snowball.bmp",
    "heart.bmp",
};

const char* const kSoundFiles[GlToyCatcher::kSoundCount] = {
    "waves\\act1\\hithead.wav",   "waves\\act1\\inbox.wav",     "waves\\act1\\catchlife.wav",
    "waves\\act1\\shakehead.wav", "waves\\act1\\bees.wav",      "waves\\act1\\conveyeur.wav",
    "waves\\act1\\motor01.wav",   "waves\\act1\\motor02.wav",   "waves\\act1\\glim_great.wav",
    "waves\\act1\\snowblower.wav", "waves\\act1\\hole.wav",     "waves\\act1\\oil.wav",
    "waves\\act1\\penguin03.wav", "waves\\act1\\snowgun.wav",
};

constexpr float kBeltDepth = 5000.0f;
constexpr int32_t kUpperBeltY = 149;
constexpr int32_t kLowerBeltY = 190;
constexpr uint32_t kActMusicTrack = 3;

constexpr float kCounterDepth = 10.0f;
constexpr float kIconDepth = 9.0f;
constexpr float kBonusDepth = 11.0f;

uint32_t FrameTime()
{
    uint32_t now = 0;
    lrGetFlipTime(&now);
    return now;
}

int32_t AnimatedFrame(const AzBobSprite* sprite, int32_t framesPerSecond)
{
    return sprite == nullptr ? 0 : AnimFrameIndex(sprite->GetFrameCount(), framesPerSecond, 0);
}

} // namespace


GlToyCatcher::RunValues& GlToyCatcher::SharedValues()
{
    static RunValues values;
    return values;
}

GlToyCatcher::GlToyCatcher() = default;

GlToyCatcher::~GlToyCatcher()
{
    // The actors use the snowmobile and the media, so they go first.
    mActors.Clear();
    mSnowmobile.reset();
    mBackground.reset();
    for (auto& sprite : mSprites)
        sprite.reset();
    for (auto& image : mImages)
        image.reset();
    for (Vl::Sound*& sound : mSounds) {
        if (sound != nullptr)
            sound->Release();
        sound = nullptr;
    }
}

uint32_t GlToyCatcher::PenguinDelayForLevel(int32_t level)
{
    switch (level) {
    case 1: return 8000;
    case 2: return 7000;
    case 3: return 5000;
    case 4: return 5000;
    default: return 3000;
    }
}

int32_t GlToyCatcher::HealthBarTarget(int32_t fullWidth, float health)
{
    const int32_t full = std::max(fullWidth, 1);
    const float scaled = static_cast<float>(fullWidth) * health;
    // Written so that health far out of range (or not a number) still gives a bar inside the picture.
    if (!(scaled >= 1.0f))
        return 1;
    if (scaled >= static_cast<float>(full))
        return full;
    return static_cast<int32_t>(scaled);
}

float GlToyCatcher::SlideBarWidth(float shown, int32_t target, float step)
{
    float goal = static_cast<float>(target);
    if (shown > goal)
        return std::max(shown - step, goal);
    if (shown < goal)
        return std::min(shown + step, goal);
    return shown;
}

void GlToyCatcher::PlayEffect(SoundId id, bool urgent) const
{
    if (gChannelPack != nullptr && mSounds[id] != nullptr)
        gChannelPack->Play(mSounds[id], urgent ? 20 : 0, !urgent, false);
}

void GlToyCatcher::StartDoubleBonus(uint32_t frameTime)
{
    mDoubleBonusActive = true;
    mDoubleBonusStart = frameTime;
}

void GlToyCatcher::Load()
{
    az::SetPaletteFromFile("Pallettes\\NS_pallette.bmp");
    mFonts.Load(GlAlphabets::kFontE);
    mBackground = std::make_unique<AzBobBackground>("config\\act1_bg.txt", "act1_bg");
    mSnowmobile = std::make_unique<GlSnowmobile>(this);
    // Pictures among the sprites, in the round's own order, so the loaders' log lines come in it.
    const auto loadSprites = [this](int32_t first, int32_t last) {
        for (int32_t id = first; id <= last; ++id)
            mSprites[id].reset(az::LoadBobSprite(kSpriteFiles[id]));
    };
    const auto loadImage = [this](ImageId id) { mImages[id].reset(az::LoadBlitterObject(kImageFiles[id])); };
    loadSprites(kUpperBelt, kLowerBelt);
    loadImage(kMeter);
    loadImage(kMeterCap);
    loadSprites(kLivesIcon, kDoubleBonus);
    loadImage(kSnowball);
    loadSprites(kSnowSplash, kBlowerTreads);
    loadImage(kHeart);
    for (int32_t id = 0; id < kSoundCount; ++id)
        Vlu::SoundCreateAndLoad(&mSounds[id], kSoundFiles[id]);

    if (gChannel1 != nullptr && mSounds[kConveyor] != nullptr)
        gChannel1->Play(mSounds[kConveyor], true);
    if (Settings().PlayCD && gCdPlayer != nullptr)
        gCdPlayer->Play(kActMusicTrack, true);
}

bool GlToyCatcher::RunFrame()
{
    const uint32_t now = FrameTime();
    if (CurrentPlayer().health < 0.0f && !mLossRecorded) {
        // Built or not, the loss is the round's end; the frame still runs to its end.
        mLossRecorded = true;
        GlStoreSuccessor("GlCutFail1");
    }

    if (mBackground != nullptr)
        mBackground->Draw();
    DrawBelts();
    if (mSnowmobile != nullptr)
        mSnowmobile->Update();

    if (!mPenguinPresent && now - SharedValues().lastPenguinSpawn > PenguinDelayForLevel(CurrentPlayer().level))
        SpawnPenguin(now);

    RunValues& shared = SharedValues();
    if (shared.lastGiftSpawn == 0)
        shared.lastGiftSpawn = now;
    if (now - shared.lastGiftSpawn > kGiftDelayMs)
        SpawnGift(now);

    mActors.RunAll();
    DrawDisplay(now);
    return true;
}

void GlToyCatcher::DrawBelts()
{
    AzBobSprite* upper = mSprites[kUpperBelt].get();
    AzBobSprite* lower = mSprites[kLowerBelt].get();
    gDrawQueue.push(new AzDrawBobSpriteCommand(kBeltDepth, upper, 0, kUpperBeltY, AnimatedFrame(upper, 24)));
    gDrawQueue.push(new AzDrawBobSpriteCommand(kBeltDepth, lower, 0, kLowerBeltY, AnimatedFrame(lower, 24)));
}

void GlToyCatcher::SpawnPenguin(uint32_t frameTime)
{
    SharedValues().lastPenguinSpawn = frameTime;
    mActors.Append(new GlTCPenguin(this));
    mPenguinPresent = true;
}

void GlToyCatcher::SpawnGift(uint32_t frameTime)
{
    SharedValues().lastGiftSpawn = frameTime;
    mActors.Append(new GlTCGift(this));
}

void GlToyCatcher::DrawDisplay(uint32_t frameTime)
{
    const PlayerRecord& player = CurrentPlayer();
    AzBobAlphabet* font = mFonts.Get(GlAlphabets::kFontE);
    gDrawQueue.push(new AzDrawBobTextCommand(kCounterDepth, "=" + std::to_string(player.giftCount), font, 620, 0,
                                             AzDrawBobTextCommand::kAlignRight, 0, nullptr));
    AzBobSprite* giftIcon = mSprites[kGiftIcon].get();
    gDrawQueue.push(new AzDrawBobSpriteCommand(kIconDepth, giftIcon, 472, 0, AnimatedFrame(giftIcon, 24)));

    DrawHealthBar();

    gDrawQueue.push(new AzDrawBobTextCommand(kCounterDepth, "=" + std::to_string(player.lives), font, 63, 35,
                                             AzDrawBobTextCommand::kAlignLeft, 0, nullptr));
    AzBobSprite* livesIcon = mSprites[kLivesIcon].get();
    gDrawQueue.push(new AzDrawBobSpriteCommand(kIconDepth, livesIcon, 12, 45, AnimatedFrame(livesIcon, 12)));

    if (mDoubleBonusActive) {
        if (frameTime < mDoubleBonusStart + kDoubleBonusMs) {
            AzBobSprite* bonus = mSprites[kDoubleBonus].get();
            gDrawQueue.push(new AzDrawBobSpriteCommand(kBonusDepth, bonus, 421, 6, AnimatedFrame(bonus, 12)));
        } else {
            mDoubleBonusActive = false;
        }
    }
}

void GlToyCatcher::DrawHealthBar()
{
    AzBlitterObject* meter = mImages[kMeter].get();
    RunValues& shared = SharedValues();
    if (meter == nullptr || meter->GetWidth() <= 0)
        return;
    if (!shared.barWidthSet) {
        shared.barWidth = static_cast<float>(meter->GetWidth());
        shared.barWidthSet = true;
    }
    int32_t target = HealthBarTarget(meter->GetWidth(), CurrentPlayer().health);
    shared.barWidth = SlideBarWidth(shared.barWidth, target, FrameStepClamped(20));
    int32_t width = static_cast<int32_t>(shared.barWidth);
    gDrawQueue.push(new AzDrawBobCommand(kCounterDepth, meter, 0, 0, width, meter->GetHeight(), kBarX, kBarY));
    gDrawQueue.push(new AzDrawBobCommand(kCounterDepth, mImages[kMeterCap].get(), width + kBarX, kBarY));
}
