// Steering, dropping and drawing the sleigh.
#include "GlSleigh.h"

#include "GlCollisionMarkers.h"
#include "GlFrameTiming.h"
#include "GlSRGift.h"
#include "GlSettings.h"
#include "GlSkyRun.h"
#include "PlayerRecord.h"

#include "AzBobSprite.h"
#include "AzDrawBobSpriteCommand.h"
#include "AzDrawQueue.h"
#include "AzLoaders.h"
#include "VlKeys.h"
#include "lrDisplay.h"

namespace {

constexpr int32_t kDropFrames[GlSleigh::kCooldownTicks] = {5, 6, 7, 8, 0, 0, 0, 0, 0, 1, 2, 3, 4};

constexpr float kLeadDepth = 1000.0f;
constexpr float kSecondDepth = 999.0f;
constexpr float kThirdDepth = 1003.0f;
constexpr float kDropDepth = 1002.0f;

AzBobSprite* LoadPart(const char* file, AzBobSprite* parent, int32_t x, int32_t y)
{
    AzBobSprite* sprite = az::LoadBobSprite(file);
    if (sprite != nullptr) {
        sprite->SetPosition(x, y);
        sprite->SetParent(parent);
    }
    return sprite;
}

} // namespace

GlSleigh::DropState& GlSleigh::SharedDrop()
{
    static DropState state;
    return state;
}

GlSleigh::GlSleigh(GlSkyRun* screen) : mScreen(screen)
{
    mLead.reset(az::LoadBobSprite("act2\\spx\\sleigh01.spx"));
    // Without the lead the other parts still hang at their places from the screen's corner.
    mSecond.reset(LoadPart("act2\\spx\\sleigh02.spx", mLead.get(), 56, -15));
    mThird.reset(LoadPart("act2\\spx\\sleigh03.spx", mLead.get(), 29, -21));
    mDrop.reset(LoadPart("act2\\spx\\sleigh04.spx", mLead.get(), -4, -15));
}

GlSleigh::~GlSleigh()
{
    // The parts point at the lead: they go first.
    mSecond.reset();
    mThird.reset();
    mDrop.reset();
    mLead.reset();
}

int32_t GlSleigh::DropFrameForTick(int32_t tick)
{
    if (tick < 0 || tick >= kCooldownTicks)
        return kRestingDropFrame;
    return kDropFrames[tick];
}

bool GlSleigh::Update()
{
    const float s = FrameStepClamped(Settings().SleighSpeed);
    float dx = 0.0f;
    float dy = 0.0f;
    bool vertical = true;
    if (IsKeyDown(Vl::kVK_Up)) {
        dy = -s;
        mLeadFrame = 2;
    } else if (IsKeyDown(Vl::kVK_Down)) {
        dy = s;
        mLeadFrame = 0;
    } else {
        vertical = false;
        mLeadFrame = 1;
    }
    bool horizontal = true;
    if (IsKeyDown(Vl::kVK_Left))
        dx = -s;
    else if (IsKeyDown(Vl::kVK_Right))
        dx = s;
    else
        horizontal = false;

    DropState& drop = SharedDrop();
    if (!drop.cooldownActive && IsKeyDown(Vl::kVK_Space)) {
        PlayerRecord& player = CurrentPlayer();
        if (!drop.spaceHeld && player.giftCount > 0) {
            player.giftCount -= 1;
            mScreen->Actors().Append(new GlSRGift(mScreen, mX, mY, player.giftCount <= 0));
            drop.spaceHeld = true;
            drop.cooldownActive = true;
            lrGetFlipTime(&drop.cooldownStart);
        }
    } else {
        drop.spaceHeld = false;
    }

    if (vertical && horizontal) {
        dx *= kDiagonal;
        dy *= kDiagonal;
    }
    mX += dx;
    mY += dy;
    if (mX < kMinX)
        mX = kMinX;
    else if (mX > kMaxX)
        mX = kMaxX;
    if (mY < kMinY)
        mY = kMinY;
    else if (mY > kMaxY)
        mY = kMaxY;

    if (mLead)
        mLead->SetPosition(static_cast<int32_t>(mX), static_cast<int32_t>(mY));
    mBox.SetPosition(static_cast<int32_t>(mX), static_cast<int32_t>(mY - 12.0f));

    mDropFrame = kRestingDropFrame;
    if (drop.cooldownActive) {
        int32_t tick = AnimFrameIndex(20, 12, drop.cooldownStart);
        if (tick >= kCooldownTicks)
            drop.cooldownActive = false;
        else
            mDropFrame = DropFrameForTick(tick);
    }

    if (Settings().ShowCollisionRects)
        DrawCollisionRect(mBox);
    gDrawQueue.push(new AzDrawBobSpriteCommand(kLeadDepth, mLead.get(), mLeadFrame));
    if (mSecond)
        gDrawQueue.push(
            new AzDrawBobSpriteCommand(kSecondDepth, mSecond.get(), AnimFrameIndex(mSecond->GetFrameCount(), 12, 0)));
    if (mThird)
        gDrawQueue.push(
            new AzDrawBobSpriteCommand(kThirdDepth, mThird.get(), AnimFrameIndex(mThird->GetFrameCount(), 12, 0)));
    gDrawQueue.push(new AzDrawBobSpriteCommand(kDropDepth, mDrop.get(), mDropFrame));
    return true;
}
