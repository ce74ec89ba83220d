// One item of the conveyor belts: a gift, oil can, extra life, double bonus or beehive that may fall.
#pragma once

#include "GlGameObject.h"

#include "AzNullRect.h"

#include <cstdint>

class AzBobSprite;
class GlToyCatcher;

class GlTCGift : public GlGameObject {
public:
    enum State : int32_t { kUpperBelt = 0, kLowerBelt = 1, kFalling = 2, kLanded = 3 };
    enum Kind : int32_t { kGift = 0, kOilCan = 1, kExtraLife = 2, kDoubleBonus = 3, kBeehive = 4 };
    // The picture an item wears; decides its heights on the belts.
    enum Look : int32_t {
        kLookGift1,
        kLookGift2,
        kLookGift3,
        kLookGift4,
        kLookGift5,
        kLookOilCan,
        kLookDoubleBonus,
        kLookExtraLife,
        kLookBeehive,
        kLookCount,
    };

    struct BeltHeights {
        float upper;
        float lower;
    };
    static BeltHeights HeightsFor(Look look);

    // What a new item is, drawn from the game's random generator in the round's order.
    struct Draws {
        Kind kind;
        Look look;
        bool falls;
        int32_t fallPoint;
    };
    static Draws DrawItem(int32_t level, int32_t giftFallOdds);

    static constexpr float kStartX = -20.0f;
    static constexpr float kBeltSpeed = 65.0f;
    static constexpr float kUpperBeltEnd = 660.0f;
    static constexpr float kMaxFallSpeed = 200.0f;
    static constexpr float kUpperLanding = 394.0f;
    static constexpr float kLowerLanding = 422.0f;
    static constexpr int32_t kLandedTicks = 17;

    explicit GlTCGift(GlToyCatcher* screen);
    // An item of a known make, for tests and tools.
    GlTCGift(GlToyCatcher* screen, const Draws& draws);
    bool Update() override;

    int32_t StateNow() const { return mState; }
    Kind ItemKind() const { return mKind; }
    Look ItemLook() const { return mLook; }
    float X() const { return mX; }
    float Y() const { return mY; }
    bool Falls() const { return mFalls; }
    int32_t FallPoint() const { return mFallPoint; }
    float FallSpeed() const { return mFallSpeed; }
    const AzNullRect& Box() const { return mBox; }
    // Where the catch point sits for an item whose top-left is (x, y).
    AzNullRect BoxAt(float x, float y) const;
    void SetPlace(float x, float y, State state);

private:
    void Setup(const Draws& draws);
    void DrawOnBelt();
    bool Fall();
    void Caught();
    void HitHead();
    int32_t FallingFrame() const;
    void DrawBees();

    GlToyCatcher* mScreen;
    AzBobSprite* mSprite = nullptr;
    int32_t mState = kUpperBelt;
    Kind mKind = kGift;
    Look mLook = kLookGift1;
    float mX = kStartX;
    float mY = 0.0f;
    float mLowerY = 0.0f;
    bool mFalls = false;
    int32_t mFallPoint = 0;
    float mFallSpeed = -100.0f;
    int32_t mLandedTicks = 0;
    int32_t mLandedLastIndex = 0;
    AzNullRect mBox{0, 0, 2, 6};
};
