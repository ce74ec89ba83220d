// Glimmer on his snowmobile: drives along the floor, catches items in the trunk, takes hits on the head.
#pragma once

#include "GlGameObject.h"

#include "AzNullRect.h"

#include <array>
#include <cstdint>
#include <memory>

class AzBobSprite;
class GlToyCatcher;

class GlSnowmobile : public GlGameObject {
public:
    enum HeadState : int32_t { kHeadNormal = 0, kHeadShortShake = 1, kHeadLongShake = 2 };
    enum Part : int32_t { kBody, kHead, kTreads, kSnow, kTrunk, kPartCount };

    static constexpr float kBodyY = 423.0f;
    static constexpr float kMaxSpeed = 200.0f;
    static constexpr int32_t kAcceleration = 800;
    static constexpr float kWrapRight = 615.0f;
    static constexpr float kWrapLeft = -40.0f;
    static constexpr float kWrapDistance = 655.0f;
    static constexpr float kCatchTicks = 6.0f;
    static constexpr float kBeesSeconds = 5.0f;

    // What every snowmobile of a program run shares; never reset when a round starts.
    struct RunValues {
        float speed = 0.0f;
        float catchTimer = 0.0f;
        bool movedLastFrame = false;
        int32_t publishedX = 0;
    };
    static RunValues& SharedValues();

    // Where a part hangs on the body, and where a box hangs on its part, by facing.
    struct Offset {
        int32_t x;
        int32_t y;
    };
    static Offset PartOffset(Part part, bool facingRight);
    static AzNullRect HeadBoxLayout(bool facingRight);
    static AzNullRect TrunkBoxLayout(bool facingRight);
    // The head frame of the long shake for head ticks 0 to 21.
    static int32_t LongShakeFrame(int32_t headTicks);

    explicit GlSnowmobile(GlToyCatcher* screen);
    ~GlSnowmobile() override;
    bool Update() override;

    // The boxes of the current facing, placed through the body as it was last drawn.
    AzNullRect& HeadBox() { return mSets[mFacingRight ? 0 : 1].headBox; }
    AzNullRect& TrunkBox() { return mSets[mFacingRight ? 0 : 1].trunkBox; }

    // Hits and catches from the items and snowballs.
    void SetCaught() { mCaught = true; }
    void SetHead(HeadState state, int32_t ticks);
    void StartBees();

    float X() const { return mX; }
    void SetX(float x);
    bool FacingRight() const { return mFacingRight; }
    int32_t HeadStateNow() const { return mHeadState; }
    int32_t HeadTicks() const { return mHeadTicks; }
    bool Caught() const { return mCaught; }
    bool Bees() const { return mBees; }
    float BeesTime() const { return mBeesTime; }
    bool Moving() const { return SharedValues().movedLastFrame; }

private:
    struct SpriteSet {
        std::array<std::unique_ptr<AzBobSprite>, kPartCount> parts;
        AzNullRect headBox;
        AzNullRect trunkBox;
    };

    void AnimateCatch();
    bool Steer();
    void Move(float distance);
    void AnimateHead();
    void Sting();
    void Draw(bool moving);
    int32_t HeadFrame(bool moving) const;
    void PlaceBody();

    GlToyCatcher* mScreen;
    std::array<SpriteSet, 2> mSets; // facing right, facing left
    float mX = 0.0f;
    bool mFacingRight = true;
    int32_t mHeadState = kHeadNormal;
    int32_t mHeadTicks = 0;
    int32_t mHeadLastIndex = -1;
    bool mCaught = false;
    bool mBees = false;
    float mBeesTime = 0.0f;
};
