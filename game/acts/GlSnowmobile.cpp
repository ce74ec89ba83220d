// The snowmobile's frame: catch animation and the win, speed, motor, wrap, head shakes, bees, drawing.
#include "GlSnowmobile.h"

#include "GlCollisionMarkers.h"
#include "GlFrameTiming.h"
#include "GlScreenRegistry.h"
#include "GlScreenState.h"
#include "GlSettings.h"
#include "GlToyCatcher.h"
#include "PlayerRecord.h"

#include "AzBobSprite.h"
#include "AzDrawBobSpriteCommand.h"
#include "AzDrawQueue.h"
#include "AzLoaders.h"
#include "VlKeys.h"
#include "VlSoundChannel.h"

#include <cmath>
#include <cstdlib>

namespace {

const char* const kSetFiles[2][GlSnowmobile::kPartCount] = {
    {"act1_sprites\\snowmobile\\snbody001.spx", "act1_sprites\\snowmobile\\snhead001.spx",
     "act1_sprites\\snowmobile\\sntreads001.spx", "act1_sprites\\snowmobile\\snsnow001.spx",
     "act1_sprites\\snowmobile\\sntrunk001.spx"},
    {"act1_sprites\\snowmobile\\snbody002.spx", "act1_sprites\\snowmobile\\snhead002.spx",
     "act1_sprites\\snowmobile\\sntreads002.spx", "act1_sprites\\snowmobile\\snsnow002.spx",
     "act1_sprites\\snowmobile\\sntrunk002.spx"},
};

// Offsets on the body, facing right then facing left; the body itself sits at the position.
const GlSnowmobile::Offset kPartOffsets[2][GlSnowmobile::kPartCount] = {
    {{0, 0}, {24, -46}, {4, 32}, {-29, 36}, {-20, -32}},
    {{0, 0}, {8, -46}, {0, 32}, {63, 29}, {38, -33}},
};

const int32_t kLongShakeFrames[22] = {7, 12, 13, 14, 15, 16, 17, 18, 18, 18, 18,
                                      18, 18, 16, 18, 16, 18, 16, 18, 16, 18, 19};

constexpr float kBodyDepth = 3004.0f;
constexpr float kTrunkDepth = 3003.0f;
constexpr float kHeadDepth = 3002.0f;
constexpr float kTreadsDepth = 3001.0f;
constexpr float kSnowDepth = 3000.0f;
constexpr float kBeesDepth = 2999.0f;
constexpr int32_t kBeesY = 377;
// Past the bees' time: a wrap at the screen edge ends an attack at the next check.
constexpr float kBeesShakenOff = 100.0f;
constexpr float kBeesHealthPerSecond = 0.05f;

} // namespace

GlSnowmobile::RunValues& GlSnowmobile::SharedValues()
{
    static RunValues values;
    return values;
}

GlSnowmobile::Offset GlSnowmobile::PartOffset(Part part, bool facingRight)
{
    return kPartOffsets[facingRight ? 0 : 1][part];
}

AzNullRect GlSnowmobile::HeadBoxLayout(bool facingRight)
{
    return facingRight ? AzNullRect(-20, 52, 30, 20) : AzNullRect(-6, 52, 30, 20);
}

AzNullRect GlSnowmobile::TrunkBoxLayout(bool facingRight)
{
    return facingRight ? AzNullRect(15, 30, 50, 20) : AzNullRect(-35, 30, 50, 20);
}

int32_t GlSnowmobile::LongShakeFrame(int32_t headTicks)
{
    if (headTicks < 0)
        headTicks = 0;
    if (headTicks > 21)
        headTicks = 21;
    return kLongShakeFrames[headTicks];
}

GlSnowmobile::GlSnowmobile(GlToyCatcher* screen) : mScreen(screen)
{
    for (int32_t set = 0; set < 2; ++set) {
        const bool facingRight = set == 0;
        SpriteSet& sprites = mSets[set];
        for (int32_t part = 0; part < kPartCount; ++part)
            sprites.parts[part].reset(az::LoadBobSprite(kSetFiles[set][part]));
        AzBobSprite* body = sprites.parts[kBody].get();
        for (int32_t part = kHead; part < kPartCount; ++part) {
            AzBobSprite* sprite = sprites.parts[part].get();
            if (sprite == nullptr)
                continue;
            Offset offset = PartOffset(static_cast<Part>(part), facingRight);
            sprite->SetPosition(offset.x, offset.y);
            sprite->SetParent(body);
        }
        sprites.headBox = HeadBoxLayout(facingRight);
        sprites.headBox.SetParent(sprites.parts[kHead].get());
        sprites.trunkBox = TrunkBoxLayout(facingRight);
        sprites.trunkBox.SetParent(sprites.parts[kTrunk].get());
    }
    PlaceBody();
}

GlSnowmobile::~GlSnowmobile()
{
    // The boxes point at the parts; drop the links before the parts go.
    for (SpriteSet& sprites : mSets) {
        sprites.headBox.SetParent(nullptr);
        sprites.trunkBox.SetParent(nullptr);
    }
}

void GlSnowmobile::SetX(float x)
{
    mX = x;
    PlaceBody();
}

void GlSnowmobile::SetHead(HeadState state, int32_t ticks)
{
    mHeadLastIndex = -1;
    mHeadTicks = ticks;
    mHeadState = state;
}

void GlSnowmobile::StartBees()
{
    if (gChannel3 != nullptr) {
        gChannel3->Stop();
        if (mScreen->Sound(GlToyCatcher::kBeesLoop) != nullptr)
            gChannel3->Play(mScreen->Sound(GlToyCatcher::kBeesLoop), true);
    }
    mBees = true;
    mBeesTime = 0.0f;
}

bool GlSnowmobile::Update()
{
    AnimateCatch();
    // The distance uses the speed as it was before this frame's change.
    const float distance = FrameStepClamped(static_cast<int32_t>(std::fabs(SharedValues().speed)));
    const bool moving = Steer();

    RunValues& shared = SharedValues();
    if (moving != shared.movedLastFrame && gChannel2 != nullptr) {
        gChannel2->Stop();
        Vl::Sound* motor = mScreen->Sound(moving ? GlToyCatcher::kMotorDriving : GlToyCatcher::kMotorIdle);
        if (motor != nullptr)
            gChannel2->Play(motor, true);
    }
    shared.movedLastFrame = moving;

    Move(distance);
    AnimateHead();
    Sting();
    Draw(moving);
    return true;
}

void GlSnowmobile::AnimateCatch()
{
    RunValues& shared = SharedValues();
    if (!mCaught)
        return;
    shared.catchTimer += FrameStep(12, true);
    if (shared.catchTimer < kCatchTicks)
        return;
    mCaught = false;
    shared.catchTimer = 0.0f;
    PlayerRecord& player = CurrentPlayer();
    if (player.giftCount < player.giftQuota)
        return;
    if (!GlStoreSuccessor("GlCutPass1"))
        mScreen->RecordWin();
    gHoldScreen = true;
    gHoldSeconds = 5;
    if (gChannel2 != nullptr)
        gChannel2->Stop();
    mScreen->PlayEffect(GlToyCatcher::kGreat, true);
    player.score += 500;
}

bool GlSnowmobile::Steer()
{
    float& speed = SharedValues().speed;
    const float step = FrameStepClamped(kAcceleration);
    if (IsKeyDown(Vl::kVK_Right)) {
        if (speed < kMaxSpeed)
            speed += step;
        mFacingRight = true;
        return true;
    }
    if (IsKeyDown(Vl::kVK_Left)) {
        if (speed > -kMaxSpeed)
            speed -= step;
        mFacingRight = false;
        return true;
    }
    if (speed > 0.0f)
        speed = speed > step ? speed - step : 0.0f;
    else if (speed < 0.0f)
        speed = speed < -step ? speed + step : 0.0f;
    return false;
}

void GlSnowmobile::Move(float distance)
{
    // A speed that has just reached 0 still takes one step to the left: the
    // direction is read after the change, the distance before it.
    if (SharedValues().speed > 0.0f) {
        mX += distance;
        if (mX > kWrapRight) {
            mX -= kWrapDistance;
            mBeesTime = kBeesShakenOff;
        }
    } else {
        mX -= distance;
        if (mX < kWrapLeft) {
            mX += kWrapDistance;
            mBeesTime = kBeesShakenOff;
        }
    }
    PlaceBody();
}

void GlSnowmobile::PlaceBody()
{
    SharedValues().publishedX = static_cast<int32_t>(mX);
    for (SpriteSet& sprites : mSets) {
        if (sprites.parts[kBody] != nullptr)
            sprites.parts[kBody]->SetPosition(SharedValues().publishedX, static_cast<int32_t>(kBodyY));
    }
}

void GlSnowmobile::AnimateHead()
{
    if (mHeadState == kHeadShortShake) {
        int32_t index = AnimFrameIndex(4, 12, 0);
        if (index != mHeadLastIndex) {
            mHeadLastIndex = index;
            if (++mHeadTicks > 11)
                mHeadState = kHeadNormal;
        }
    } else if (mHeadState == kHeadLongShake) {
        int32_t index = AnimFrameIndex(22, 12, 0);
        if (index != mHeadLastIndex) {
            mHeadLastIndex = index;
            if (mHeadTicks == 12)
                mScreen->PlayEffect(GlToyCatcher::kShakeHead, true);
            if (++mHeadTicks >= 22)
                mHeadState = kHeadNormal;
        }
    }
}

void GlSnowmobile::Sting()
{
    if (!mBees)
        return;
    const float seconds = FrameStep(1, true);
    CurrentPlayer().health -= kBeesHealthPerSecond * seconds;
    mBeesTime += seconds;
    if (mBeesTime >= kBeesSeconds) {
        mBees = false;
        if (gChannel3 != nullptr)
            gChannel3->Stop();
    }
}

int32_t GlSnowmobile::HeadFrame(bool moving) const
{
    if (mHeadState == kHeadShortShake)
        return mHeadTicks;
    if (mHeadState == kHeadLongShake)
        return LongShakeFrame(mHeadTicks);
    return moving ? 2 + AnimFrameIndex(5, 12, 0) : 0;
}

void GlSnowmobile::Draw(bool moving)
{
    SpriteSet& sprites = mSets[mFacingRight ? 0 : 1];
    if (mBees) {
        AzBobSprite* bees = mScreen->Sprite(GlToyCatcher::kBees);
        const int32_t beesX = static_cast<int32_t>(mFacingRight ? mX + 16.0f : mX - 6.0f);
        gDrawQueue.push(new AzDrawBobSpriteCommand(
            kBeesDepth, bees, beesX, kBeesY, bees == nullptr ? 0 : AnimFrameIndex(bees->GetFrameCount(), 12, 0)));
    }
    gDrawQueue.push(new AzDrawBobSpriteCommand(kBodyDepth, sprites.parts[kBody].get(), 0));
    gDrawQueue.push(new AzDrawBobSpriteCommand(kHeadDepth, sprites.parts[kHead].get(), HeadFrame(moving)));
    gDrawQueue.push(new AzDrawBobSpriteCommand(kTreadsDepth, sprites.parts[kTreads].get(),
                                               moving ? AnimFrameIndex(3, 12, 0) : 0));
    if (moving)
        gDrawQueue.push(
            new AzDrawBobSpriteCommand(kSnowDepth, sprites.parts[kSnow].get(), 1 + AnimFrameIndex(3, 12, 0)));
    gDrawQueue.push(new AzDrawBobSpriteCommand(kTrunkDepth, sprites.parts[kTrunk].get(),
                                               static_cast<int32_t>(SharedValues().catchTimer)));
    if (Settings().ShowCollisionRects) {
        DrawCollisionRect(sprites.headBox);
        DrawCollisionRect(sprites.trunkBox);
    }
}
