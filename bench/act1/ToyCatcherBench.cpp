// Times a toy catcher frame with the field full (both belts loaded, items falling, a snowblower,
// snowballs in the air, bees on Glimmer) and reports "ratio" to an empty frame of the same run,
// and "ratio_quiet" to a round with nothing on the field.
#include "HeadlessGame.h"

#include "GlInterfaceRun.h"
#include "GlSnowmobile.h"
#include "GlTCGift.h"
#include "GlTCPenguin.h"
#include "GlTCSnowball.h"
#include "GlToyCatcher.h"
#include "PlayerRecord.h"
#include "lrDisplay.h"

#include <benchmark/benchmark.h>

#include <chrono>

namespace {

const std::string kDist = SKYRUN_DIST_DIR;

class EmptyScreen : public GlInterfaceRun {
public:
    bool RunFrame() override { return true; }
    void Load() override {}
};

void QuietDebugOutput(const char*) {}

using Clock = std::chrono::steady_clock;

double EmptyFrameSeconds()
{
    HeadlessGame game(kDist);
    game.Start(new EmptyScreen());
    for (int i = 0; i < 5; ++i)
        game.Step();
    auto start = Clock::now();
    for (int i = 0; i < 300; ++i)
        game.Step();
    return std::chrono::duration<double>(Clock::now() - start).count() / 300;
}

struct FieldCount {
    int riding = 0;
    int falling = 0;
    int snowballs = 0;
    bool penguin = false;
};

FieldCount Count(const GlToyCatcher& round)
{
    FieldCount count;
    for (const GlGameObject* actor : round.Actors().Actors()) {
        if (auto* item = dynamic_cast<const GlTCGift*>(actor))
            (item->StateNow() == GlTCGift::kFalling ? count.falling : count.riding) += 1;
        else if (dynamic_cast<const GlTCSnowball*>(actor) != nullptr)
            ++count.snowballs;
        else if (dynamic_cast<const GlTCPenguin*>(actor) != nullptr)
            count.penguin = true;
    }
    return count;
}

// Keeps the field as full as a hard level gets it: 16 items riding, 4 falling, a snowblower,
// 3 snowballs, bees. Nothing ends the round.
void TopUp(GlToyCatcher& round, int frame)
{
    PlayerRecord& player = CurrentPlayer();
    player.health = 1.0f;
    player.giftQuota = 1000000000;
    FieldCount count = Count(round);
    const auto look = [frame](int i) { return static_cast<GlTCGift::Look>((frame + i) % GlTCGift::kLookCount); };
    const auto kind = [](GlTCGift::Look look) {
        switch (look) {
        case GlTCGift::kLookOilCan: return GlTCGift::kOilCan;
        case GlTCGift::kLookDoubleBonus: return GlTCGift::kDoubleBonus;
        case GlTCGift::kLookExtraLife: return GlTCGift::kExtraLife;
        case GlTCGift::kLookBeehive: return GlTCGift::kBeehive;
        default: return GlTCGift::kGift;
        }
    };
    for (int i = count.riding; i < 16; ++i) {
        auto* item = new GlTCGift(&round, {kind(look(i)), look(i), false, 0});
        const bool upper = i % 2 == 0;
        item->SetPlace(static_cast<float>((i * 83 + frame * 7) % 640), upper ? 120.0f : 162.0f,
                       upper ? GlTCGift::kUpperBelt : GlTCGift::kLowerBelt);
        round.Actors().Append(item);
    }
    for (int i = count.falling; i < 4; ++i) {
        auto* item = new GlTCGift(&round, {kind(look(i)), look(i), true, 300});
        item->SetPlace(static_cast<float>((i * 151 + frame * 13) % 600), 150.0f + 40.0f * i, GlTCGift::kFalling);
        round.Actors().Append(item);
    }
    for (int i = count.snowballs; i < 3; ++i)
        round.Actors().Append(new GlTCSnowball(&round, static_cast<float>(100 + 180 * i), 60.0f, 300.0f, 0.0f, false));
    if (!count.penguin) {
        round.Actors().Append(new GlTCPenguin(&round, false, 0));
        round.SetPenguinPresent(true);
    }
    if (!round.Snowmobile()->Bees())
        round.Snowmobile()->StartBees();
}

// Seconds per frame of a round; `busy` keeps its field full, otherwise nothing is on it.
double RoundFrameSeconds(benchmark::State* state, bool busy, int frames)
{
    ResetCurrentPlayer();
    HeadlessGame game(kDist);
    if (!game.Start("GlToyCatcher"))
        return 0.0;
    auto* round = dynamic_cast<GlToyCatcher*>(game.CurrentScreen());
    double seconds = 0.0;
    int64_t measured = 0;
    auto step = [&](int frame) {
        if (busy)
            TopUp(*round, frame);
        else
            round->Actors().Clear();
        round->SetPenguinPresent(true);
        auto start = Clock::now();
        game.Step();
        seconds += std::chrono::duration<double>(Clock::now() - start).count();
        ++measured;
    };
    for (int frame = 0; frame < 60; ++frame)
        step(frame);
    seconds = 0.0;
    measured = 0;
    if (state != nullptr) {
        int frame = 0;
        for (auto _ : *state)
            step(frame++);
    } else {
        for (int frame = 0; frame < frames; ++frame)
            step(frame);
    }
    return seconds / static_cast<double>(measured);
}

void BM_ToyCatcherBusyFrame(benchmark::State& state)
{
    lrSetDebugSink(QuietDebugOutput);
    const double empty = EmptyFrameSeconds();
    const double quiet = RoundFrameSeconds(nullptr, false, 300);
    const double busy = RoundFrameSeconds(&state, true, 0);
    if (busy <= 0.0 || quiet <= 0.0) {
        state.SkipWithError("the toy catcher does not start: build the media first");
        return;
    }
    state.counters["ratio"] = busy / empty;
    state.counters["ratio_quiet"] = busy / quiet;
}

BENCHMARK(BM_ToyCatcherBusyFrame);

} // namespace

BENCHMARK_MAIN();
