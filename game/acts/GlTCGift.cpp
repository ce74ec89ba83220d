// Belt items: what they are, how they ride, fall and land, and what catching or being hit by them does.
#include "GlTCGift.h"

#include "GlCollisionMarkers.h"
#include "GlFrameTiming.h"
#include "GlRandom.h"
#include "GlSettings.h"
#include "GlSnowmobile.h"
#include "GlToyCatcher.h"
#include "PlayerRecord.h"

#include "AzBobSprite.h"
#include "AzCollide.h"
#include "AzDrawBobSpriteCommand.h"
#include "AzDrawQueue.h"
#include "lrDisplay.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace {

const GlTCGift::BeltHeights kHeights[GlTCGift::kLookCount] = {
    {119, 160}, {120, 162}, {121, 162}, {122, 164}, {120, 162}, // the five gifts
    {119, 160},                                                 // oil can
    {110, 152},                                                 // double bonus
    {110, 152},                                                 // extra life
    {120, 162},                                                 // beehive
};

const GlToyCatcher::SpriteId kLookSprites[GlTCGift::kLookCount] = {
    GlToyCatcher::kGift1,  GlToyCatcher::kGift2,       GlToyCatcher::kGift3,
    GlToyCatcher::kGift4,  GlToyCatcher::kGift5,       GlToyCatcher::kOilCan,
    GlToyCatcher::kDoubleBonus, GlToyCatcher::kExtraLife, GlToyCatcher::kBeehive,
};

constexpr float kBeltDepth = 4000.0f;
constexpr float kFallingDepth = 3900.0f;
constexpr float kBeesDepth = 3999.0f;
constexpr int32_t kBeesLeft = 8;
constexpr int32_t kLevelWithoutLives = 5;

int32_t Animated(const AzBobSprite* sprite)
{
    return sprite == nullptr ? 0 : AnimFrameIndex(sprite->GetFrameCount(), 12, 0);
}

} // namespace

GlTCGift::BeltHeights GlTCGift::HeightsFor(Look look)
{
    return kHeights[std::clamp<int32_t>(look, 0, kLookCount - 1)];
}

GlTCGift::Draws GlTCGift::DrawItem(int32_t level, int32_t giftFallOdds)
{
    Draws draws{kGift, kLookGift1, false, 0};
    if (GlRandomMod(4) == 0) {
        // A level below 0 would leave nothing to divide by: such a level counts as level 0.
        if (GlRandomMod(level + 1 > 0 ? level + 1 : 1) == 0) {
            if (level < kLevelWithoutLives) {
                static const Kind kSpecials[3] = {kOilCan, kDoubleBonus, kExtraLife};
                draws.kind = kSpecials[GlRandomMod(3)];
            } else {
                draws.kind = GlRandomMod(2) == 0 ? kOilCan : kDoubleBonus;
            }
        } else {
            draws.kind = kBeehive;
        }
    } else {
        draws.kind = kGift;
        draws.look = static_cast<Look>(kLookGift1 + GlRandomMod(5));
    }
    switch (draws.kind) {
    case kOilCan: draws.look = kLookOilCan; break;
    case kDoubleBonus: draws.look = kLookDoubleBonus; break;
    case kExtraLife: draws.look = kLookExtraLife; break;
    case kBeehive: draws.look = kLookBeehive; break;
    case kGift: break;
    }
    if (GlRandomMod(100) < giftFallOdds) {
        draws.falls = true;
        draws.fallPoint = GlRandomMod(500) + 70;
        if (GlRandomMod(2) == 1)
            draws.fallPoint = -draws.fallPoint;
    }
    return draws;
}

GlTCGift::GlTCGift(GlToyCatcher* screen) : mScreen(screen)
{
    Setup(DrawItem(CurrentPlayer().level, Settings().GiftFallOdds));
}

GlTCGift::GlTCGift(GlToyCatcher* screen, const Draws& draws) : mScreen(screen)
{
    Setup(draws);
}

void GlTCGift::Setup(const Draws& draws)
{
    mKind = draws.kind;
    mLook = draws.look;
    mFalls = draws.falls;
    mFallPoint = draws.fallPoint;
    mSprite = mScreen->Sprite(kLookSprites[std::clamp<int32_t>(mLook, 0, kLookCount - 1)]);
    BeltHeights heights = HeightsFor(mLook);
    mY = heights.upper;
    mLowerY = heights.lower;
}

void GlTCGift::SetPlace(float x, float y, State state)
{
    mX = x;
    mY = y;
    mState = state;
}

AzNullRect GlTCGift::BoxAt(float x, float y) const
{
    AzBlitterObject* first = mSprite == nullptr ? nullptr : mSprite->GetFrame(0);
    const int32_t width = first == nullptr ? 0 : first->GetWidth();
    const int32_t height = first == nullptr ? 0 : first->GetHeight();
    AzNullRect box(0, 0, 2, 6);
    box.SetPosition(static_cast<int32_t>(x + static_cast<float>((width - 2) / 2)),
                    static_cast<int32_t>(y + static_cast<float>(height - 18)));
    return box;
}

bool GlTCGift::Update()
{
    switch (mState) {
    case kUpperBelt:
        mX += FrameStepClamped(static_cast<int32_t>(kBeltSpeed));
        DrawOnBelt();
        if (mFalls && mFallPoint >= 1 && static_cast<float>(mFallPoint) < mX) {
            mState = kFalling;
        } else if (mX > kUpperBeltEnd) {
            mState = kLowerBelt;
            mY = mLowerY;
        }
        return true;
    case kLowerBelt:
        mX -= FrameStepClamped(static_cast<int32_t>(kBeltSpeed));
        DrawOnBelt();
        if (mFalls && mX < static_cast<float>(std::abs(mFallPoint))) {
            mState = kFalling;
            return true;
        }
        return mX >= kStartX;
    case kFalling:
        return Fall();
    default: {
        int32_t index = AnimFrameIndex(17, 12, 0);
        if (index != mLandedLastIndex) {
            mLandedLastIndex = index;
            if (++mLandedTicks >= kLandedTicks)
                return false;
        }
        gDrawQueue.push(new AzDrawBobSpriteCommand(kFallingDepth, mScreen->Sprite(GlToyCatcher::kSnowSplash),
                                                   static_cast<int32_t>(mX), static_cast<int32_t>(mY),
                                                   mLandedTicks < 11 ? 2 : 3));
        return true;
    }
    }
}

void GlTCGift::DrawBees()
{
    AzBobSprite* bees = mScreen->Sprite(GlToyCatcher::kBees);
    gDrawQueue.push(new AzDrawBobSpriteCommand(kBeesDepth, bees, static_cast<int32_t>(mX) - kBeesLeft,
                                               static_cast<int32_t>(mY), Animated(bees)));
}

void GlTCGift::DrawOnBelt()
{
    int32_t frame = 0;
    if (mKind == kExtraLife || mKind == kDoubleBonus)
        frame = Animated(mSprite);
    else if (mKind == kBeehive)
        DrawBees();
    gDrawQueue.push(new AzDrawBobSpriteCommand(kBeltDepth, mSprite, static_cast<int32_t>(mX),
                                               static_cast<int32_t>(mY), frame));
}

int32_t GlTCGift::FallingFrame() const
{
    switch (mKind) {
    case kGift: return mFallSpeed < 0.0f ? 1 : 2 + AnimFrameIndex(2, 12, 0);
    case kOilCan:
    case kBeehive: return 1;
    default: return Animated(mSprite);
    }
}

bool GlTCGift::Fall()
{
    if (mKind == kBeehive)
        DrawBees();
    gDrawQueue.push(new AzDrawBobSpriteCommand(kFallingDepth, mSprite, static_cast<int32_t>(mX),
                                               static_cast<int32_t>(mY), FallingFrame()));
    // The marker shows the box where the last frame left it; it moves just after.
    if (Settings().ShowCollisionRects)
        DrawCollisionRect(mBox);
    mBox = BoxAt(mX, mY);

    GlSnowmobile* snowmobile = mScreen->Snowmobile();
    // The trunk is tested first: an item touching both is caught.
    if (snowmobile != nullptr && az::Collide(mBox, snowmobile->TrunkBox())) {
        Caught();
        return false;
    }
    if (snowmobile != nullptr && az::Collide(mBox, snowmobile->HeadBox())) {
        HitHead();
        return false;
    }

    mFallSpeed += FrameStepClamped(Settings().GiftAcceleration);
    if (mFallSpeed > kMaxFallSpeed)
        mFallSpeed = kMaxFallSpeed;
    if (mFallSpeed > 0.0f)
        mY += FrameStepClamped(static_cast<int32_t>(mFallSpeed));
    else
        mY -= FrameStepClamped(static_cast<int32_t>(std::fabs(mFallSpeed)));

    if ((mFallPoint > 0 && mY > kUpperLanding) || (mFallPoint < 0 && mY > kLowerLanding)) {
        mLandedLastIndex = AnimFrameIndex(17, 12, 0);
        mState = kLanded;
        mScreen->PlayEffect(GlToyCatcher::kHole, false);
    }
    return true;
}

void GlTCGift::Caught()
{
    PlayerRecord& player = CurrentPlayer();
    GlSnowmobile* snowmobile = mScreen->Snowmobile();
    switch (mKind) {
    case kGift:
        player.score += 20;
        player.giftCount += mScreen->DoubleBonusActive() ? 2 : 1;
        mScreen->PlayEffect(GlToyCatcher::kInBox, true);
        break;
    case kOilCan:
        player.score += 75;
        player.health = std::min(player.health + 0.3f, 1.0f);
        mScreen->PlayEffect(GlToyCatcher::kOil, false);
        break;
    case kExtraLife:
        player.score += 200;
        player.lives += 1;
        mScreen->PlayEffect(GlToyCatcher::kCatchLife, true);
        break;
    case kDoubleBonus: {
        player.score += 125;
        uint32_t now = 0;
        lrGetFlipTime(&now);
        mScreen->StartDoubleBonus(now);
        mScreen->PlayEffect(GlToyCatcher::kInBox, true);
        break;
    }
    case kBeehive:
        player.score -= 1;
        snowmobile->StartBees();
        break;
    }
    snowmobile->SetCaught();
}

void GlTCGift::HitHead()
{
    GlSnowmobile* snowmobile = mScreen->Snowmobile();
    snowmobile->SetHead(GlSnowmobile::kHeadShortShake, 6);
    CurrentPlayer().health -= Settings().HitOnHeadDamage;
    mScreen->PlayEffect(GlToyCatcher::kHitHead, true);
    if (mKind == kBeehive)
        snowmobile->StartBees();
}
