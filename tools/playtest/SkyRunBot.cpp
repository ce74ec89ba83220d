// The sleigh ride's bot: dodge first, then line up with the house and drop.
#include "SkyRunBot.h"

#include "HeadlessGame.h"

#include "GlSRBullet.h"
#include "GlSRGift.h"
#include "GlSRStormcloud.h"
#include "GlSettings.h"
#include "GlSkyRun.h"
#include "GlSleigh.h"
#include "PlayerRecord.h"
#include "VlKeys.h"

#include <cmath>

namespace {

// The sleigh's box relative to its position (as the sleigh places it).
constexpr float kBoxTop = -12.0f;
constexpr float kBoxHeight = 37.0f;
constexpr float kBoxWidth = 138.0f;
// How far ahead a snowball or a zap is worth dodging, in pixels.
constexpr float kBulletLookAhead = 140.0f;
constexpr float kCloudMargin = 24.0f;
constexpr float kSecondsPerFrame = 0.017f;

bool Overlap(float a0, float a1, float b0, float b1)
{
    return a0 < b1 && b0 < a1;
}

} // namespace

SkyRunBot::~SkyRunBot()
{
    Release();
}

void SkyRunBot::Release()
{
    if (mGame == nullptr)
        return;
    for (int key : {Vl::kVK_Up, Vl::kVK_Down, Vl::kVK_Left, Vl::kVK_Right, Vl::kVK_Space})
        mGame->SetKey(key, false);
}

bool SkyRunBot::DropWouldLand(float x, float y, int houseX, int houseY, int houseWidth, int houseHeight,
                              float citySpeed, float giftAcceleration, float secondsPerFrame,
                              const std::vector<CloudBody>& clouds)
{
    float gx = x, gy = y, fall = 0.0f, hx = static_cast<float>(houseX);
    for (int frame = 0; frame < 400 && gy <= 480.0f; ++frame) {
        gx += 10.0f * secondsPerFrame;
        gy += std::trunc(fall) * secondsPerFrame;
        fall = std::min(fall + giftAcceleration * secondsPerFrame, 200.0f);
        hx -= citySpeed * secondsPerFrame;
        // A storm cloud in the way would swallow the gift.
        for (const CloudBody& cloud : clouds) {
            const float cx = cloud.x + cloud.speed * secondsPerFrame * static_cast<float>(frame + 1);
            if (Overlap(gx - 6.0f, gx + 26.0f, cx, cx + cloud.width) &&
                Overlap(gy - 6.0f, gy + 26.0f, cloud.y, cloud.y + cloud.height))
                return false;
        }
        // Aim for the middle of the house, so a frame's difference never misses it.
        const float margin = static_cast<float>(houseWidth) * 0.25f;
        if (gy + 20.0f > static_cast<float>(houseY) + 24.0f && gy < static_cast<float>(houseY + houseHeight))
            return gx + 20.0f > hx + margin && gx < hx + static_cast<float>(houseWidth) - margin;
    }
    return false;
}

void SkyRunBot::Drive(GlInterfaceRun& screen, HeadlessGame& game)
{
    mGame = &game;
    auto* ride = dynamic_cast<GlSkyRun*>(&screen);
    GlSleigh* sleigh = ride != nullptr ? ride->Sleigh() : nullptr;
    if (sleigh == nullptr) {
        Release();
        return;
    }
    const float sx = sleigh->X(), sy = sleigh->Y();
    int hx = 0, hy = 0, hw = 0, hh = 0;
    const bool houseNear = ride->HouseRect(hx, hy, hw, hh) && hx < 760 && hx + hw > 0;
    float targetX = kCruiseX, targetY = houseNear ? kApproachY : kCruiseY;

    // Dodge a snowball about to reach the sleigh's band; keep out of storm clouds' reach
    // unless the house is near, when a delivery is worth a zap.
    bool dodging = false;
    float threatY = 0.0f;
    std::vector<CloudBody> clouds;
    for (GlGameObject* actor : ride->Actors().Actors()) {
        if (auto* bullet = dynamic_cast<GlSRBullet*>(actor)) {
            const float by = bullet->Y() + 9.0f;
            if (!bullet->IsHit() && bullet->X() > sx - 10.0f && bullet->X() < sx + kBoxWidth + kBulletLookAhead &&
                Overlap(by - 8.0f, by + 22.0f, sy + kBoxTop, sy + kBoxTop + kBoxHeight)) {
                dodging = true;
                threatY = by + 7.0f;
            }
        } else if (auto* cloud = dynamic_cast<GlSRStormcloud*>(actor)) {
            clouds.push_back({cloud->X(), cloud->Y(), static_cast<float>(cloud->BodyBox().GetWidth()),
                              static_cast<float>(cloud->BodyBox().GetHeight()),
                              -static_cast<float>(Settings().StormCloudSpeed)});
            const float zx = cloud->X() - 18.0f, zy = cloud->Y() - 24.0f;
            if (!houseNear && !dodging &&
                Overlap(zx - kCloudMargin, zx + 116.0f + kCloudMargin, sx, sx + kBoxWidth) &&
                Overlap(zy - kCloudMargin, zy + 98.0f + kCloudMargin, sy + kBoxTop, sy + kBoxTop + kBoxHeight)) {
                dodging = true;
                threatY = zy + 49.0f;
            }
        }
    }
    if (dodging) {
        // Away from the threat, toward the side with more room.
        const float up = threatY - 90.0f, down = threatY + 90.0f;
        targetY = (threatY > sy && up >= GlSleigh::kMinY) || down > GlSleigh::kMaxY ? up : down;
    }

    bool giftFalling = false;
    for (GlGameObject* actor : ride->Actors().Actors())
        giftFalling = giftFalling || dynamic_cast<GlSRGift*>(actor) != nullptr;
    const bool drop = houseNear && !giftFalling && CurrentPlayer().giftCount > 0 &&
                      DropWouldLand(sx, sy, hx, hy, hw, hh, static_cast<float>(Settings().CitySpeed),
                                    static_cast<float>(Settings().GiftAcceleration), kSecondsPerFrame, clouds);

    const float deadZone = 4.0f;
    game.SetKey(Vl::kVK_Up, targetY < sy - deadZone);
    game.SetKey(Vl::kVK_Down, targetY > sy + deadZone);
    game.SetKey(Vl::kVK_Left, targetX < sx - deadZone);
    game.SetKey(Vl::kVK_Right, targetX > sx + deadZone);
    // One frame down per drop, so a held key never drops a second gift.
    mSpaceDown = drop && !mSpaceDown;
    game.SetKey(Vl::kVK_Space, mSpaceDown);
}
