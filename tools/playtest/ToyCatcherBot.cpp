// Plays act 1: trunk under the catchable falling item that comes down first, head away from what would hurt it.
#include "ToyCatcherBot.h"

#include "HeadlessGame.h"

#include "GlSnowmobile.h"
#include "GlTCGift.h"
#include "GlTCSnowball.h"
#include "GlToyCatcher.h"

#include "VlKeys.h"

#include <cmath>
#include <limits>
#include <vector>

namespace {

// Where the middle of the trunk box and of the head box lie, from the body's x, by facing.
float TrunkMiddle(bool facingRight)
{
    AzNullRect trunk = GlSnowmobile::TrunkBoxLayout(facingRight);
    GlSnowmobile::Offset part = GlSnowmobile::PartOffset(GlSnowmobile::kTrunk, facingRight);
    return static_cast<float>(2 * part.x + trunk.GetX()) + trunk.GetWidth() / 2.0f;
}

float HeadMiddle(bool facingRight)
{
    AzNullRect head = GlSnowmobile::HeadBoxLayout(facingRight);
    GlSnowmobile::Offset part = GlSnowmobile::PartOffset(GlSnowmobile::kHead, facingRight);
    return static_cast<float>(2 * part.x + head.GetX()) + head.GetWidth() / 2.0f;
}

constexpr float kHeadTop = 383.0f;
constexpr float kIdleX = 290.0f;
constexpr float kCloseEnough = 12.0f;
constexpr float kDeceleration = 800.0f;

struct Threat {
    float left;
    float right;
};

// Holds the key while the target is farther than the glide to a stop would carry it.
int Approach(float x, float target, float speed)
{
    const float glide = speed * speed / (2.0f * kDeceleration) + 4.0f;
    const float gap = target - x;
    if (std::fabs(gap) < kCloseEnough)
        return 0;
    if (gap > 0.0f)
        return speed > 0.0f && gap < glide ? 0 : 1;
    return speed < 0.0f && -gap < glide ? 0 : -1;
}

} // namespace

int ToyCatcherBot::Decide(GlInterfaceRun& screen)
{
    auto* round = dynamic_cast<GlToyCatcher*>(&screen);
    if (round == nullptr || round->Snowmobile() == nullptr)
        return 0;
    GlSnowmobile& snowmobile = *round->Snowmobile();
    const float x = snowmobile.X();
    const float speed = GlSnowmobile::SharedValues().speed;

    // The catch: the falling item that reaches the trunk first and can be reached in time.
    const GlTCGift* best = nullptr;
    float bestTime = std::numeric_limits<float>::max();
    std::vector<Threat> threats;
    for (GlGameObject* actor : round->Actors().Actors()) {
        if (auto* snowball = dynamic_cast<const GlTCSnowball*>(actor)) {
            if (!snowball->Landed())
                threats.push_back({snowball->X() - 6.0f, snowball->X() + snowball->Box().GetWidth() + 6.0f});
            continue;
        }
        auto* item = dynamic_cast<const GlTCGift*>(actor);
        if (item == nullptr || item->StateNow() != GlTCGift::kFalling)
            continue;
        const float middle = static_cast<float>(item->Box().GetX()) + 1.0f;
        if (item->ItemKind() == GlTCGift::kBeehive) {
            threats.push_back({middle - 40.0f, middle + 40.0f});
            continue;
        }
        const float drop = kHeadTop - static_cast<float>(item->Box().GetY());
        const float time = drop / 200.0f;
        const float reach = std::fabs(middle - TrunkMiddle(true) - x);
        const float reachLeft = std::fabs(middle - TrunkMiddle(false) - x);
        const bool reachable = std::min(reach, reachLeft) / 200.0f < time + 0.4f;
        if (reachable && time < bestTime) {
            bestTime = time;
            best = item;
        }
        threats.push_back({middle - 8.0f, middle + 8.0f});
    }

    float target = kIdleX;
    if (best != nullptr) {
        const float middle = static_cast<float>(best->Box().GetX()) + 1.0f;
        const float facingRightX = middle - TrunkMiddle(true);
        const float facingLeftX = middle - TrunkMiddle(false);
        if (snowmobile.FacingRight())
            target = facingRightX >= x - kCloseEnough ? facingRightX : facingLeftX;
        else
            target = facingLeftX <= x + kCloseEnough ? facingLeftX : facingRightX;
    }

    // A threat over the head, other than the chosen item, wins over everything.
    const float head = x + HeadMiddle(snowmobile.FacingRight());
    for (const Threat& threat : threats) {
        if (best != nullptr) {
            const float middle = static_cast<float>(best->Box().GetX()) + 1.0f;
            if (threat.left < middle && middle < threat.right && threat.right - threat.left < 20.0f)
                continue;
        }
        if (head + 20.0f >= threat.left && head - 20.0f <= threat.right) {
            const float centre = (threat.left + threat.right) / 2.0f;
            // Run away from the threat, but never off the edge where the wrap would land us under it.
            if (head < centre)
                return x > 10.0f ? -1 : 1;
            return x < 540.0f ? 1 : -1;
        }
    }
    return Approach(x, target, speed);
}

void ToyCatcherBot::Drive(GlInterfaceRun& screen, HeadlessGame& game)
{
    const int direction = Decide(screen);
    // Only keys the bot pressed itself are let go, so keys held by a script stay held.
    if (mHeld != 0 && mHeld != direction)
        game.SetKey(mHeld < 0 ? Vl::kVK_Left : Vl::kVK_Right, false);
    if (direction != 0)
        game.SetKey(direction < 0 ? Vl::kVK_Left : Vl::kVK_Right, true);
    mHeld = direction;
}
