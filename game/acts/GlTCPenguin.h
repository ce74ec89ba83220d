// A penguin of act 1: a sniper that pops up and throws one snowball, or a snowblower that crosses the floor.
#pragma once

#include "GlGameObject.h"

#include <array>
#include <cstdint>

class GlToyCatcher;

class GlTCPenguin : public GlGameObject {
public:
    static constexpr int32_t kMaxShots = 7;
    static constexpr float kLeaveX = 640.0f;
    static constexpr float kBlowerY = 296.0f;

    // What every penguin of a program run shares: the snowblower's shooting timer (ticks)
    // and whether this pass of tick 21 has fired already.
    struct RunValues {
        float shootingTimer = 0.0f;
        bool shotFiredThisPass = false;
    };
    static RunValues& SharedValues();

    // Stops the snowblower makes: 1, 1, 3, 4, 6, 7 for levels 1 to 6, never more than 7.
    static int32_t ShotCountForLevel(int32_t level);
    // Target i of shotCount: 640 / (shotCount + 1) x (i + 1) - 52, in floating point.
    static float TargetX(int32_t shotCount, int32_t index);
    // The sniper's four places, by a draw mod 4.
    static void SniperPlace(int32_t place, float& x, float& y);

    explicit GlTCPenguin(GlToyCatcher* screen);
    // A penguin of a known kind at a known sniper place, for tests and tools.
    GlTCPenguin(GlToyCatcher* screen, bool sniper, int32_t place);
    bool Update() override;

    bool Sniper() const { return mSniper; }
    float X() const { return mX; }
    float Y() const { return mY; }
    bool Shooting() const { return mShooting; }
    int32_t ShotCount() const { return mShotCount; }
    int32_t ShotsFired() const { return mShotsFired; }
    float Target(int32_t index) const { return mTargets[index]; }
    int32_t Ticks() const { return mTicks; }

private:
    void Setup(bool sniper, int32_t place);
    bool UpdateSniper();
    bool UpdateSnowblower();
    void DrawBlower(int32_t penguinFrame, int32_t spoutFrame);
    void Leave();

    GlToyCatcher* mScreen;
    bool mSniper = true;
    bool mShotsLeft = true;
    bool mShooting = false;
    std::array<float, kMaxShots> mTargets{};
    int32_t mShotsFired = 0;
    int32_t mShotCount = 1;
    float mX = 0.0f;
    float mY = 0.0f;
    int32_t mLastIndex = -1;
    int32_t mTicks = -1;
};
