// Times a whole sleigh-ride frame with the flyer, its snowballs, Frostine, storm clouds, drifting
// clouds and falling gifts all on screen, against an empty frame of the same loop in the same run.
#include "HeadlessGame.h"

#include "GlInterfaceRun.h"
#include "GlSRGift.h"
#include "GlSRStormcloud.h"
#include "GlSkyRun.h"
#include "PlayerRecord.h"
#include "lrDisplay.h"

#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>

namespace {

const std::string kDist = SKYRUN_DIST_DIR;

class EmptyScreen : public GlInterfaceRun {
public:
    bool RunFrame() override { return true; }
    void Load() override {}
};

void QuietDebugOutput(const char*) {}

// A working folder whose settings bring every hazard at once.
std::string BusyFolder()
{
    const std::string folder = (std::filesystem::temp_directory_path() / "skyrun-bench-ride").string();
    std::filesystem::create_directories(folder);
    std::ofstream(folder + "/gl.config") << "FullScreen 0\nPlayCD 0\nMediaPath " << kDist << "/_media\n"
                                         << "PenguinFlyerOdds 100\nFrostineOdds 100\nFlyerShootOdds 100\n"
                                         << "FlyerLeaveOdds 0\n";
    return folder;
}

double EmptyFrameSeconds()
{
    HeadlessGame game(kDist);
    game.Start(new EmptyScreen());
    for (int i = 0; i < 5; ++i)
        game.Step();
    const auto start = std::chrono::steady_clock::now();
    for (int i = 0; i < 200; ++i)
        game.Step();
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count() / 200;
}

int Count(GlSkyRun& ride, bool gifts)
{
    int count = 0;
    for (GlGameObject* actor : ride.Actors().Actors())
        count += gifts ? dynamic_cast<GlSRGift*>(actor) != nullptr : dynamic_cast<GlSRStormcloud*>(actor) != nullptr;
    return count;
}

// A ride over city 1 in full swing: the flyer has come and shot, Frostine has thrown her cloud.
std::unique_ptr<HeadlessGame> BusyRide(const std::string& folder)
{
    ResetCurrentPlayer();
    GlSkyRun::ResetSharedState();
    CurrentPlayer().chosenCityNumber = 1;
    CurrentPlayer().giftCount = 100;
    auto game = std::make_unique<HeadlessGame>(folder);
    if (!game->Start("GlSkyRun"))
        return nullptr;
    for (int i = 0; i < 240; ++i)
        game->Step();
    return game;
}

// Keeps the picture full: gifts in the air, storm clouds about, health and gifts topped up.
void TopUp(GlSkyRun& ride)
{
    CurrentPlayer().health = 1.0f;
    CurrentPlayer().giftCount = 100;
    for (int i = Count(ride, true); i < 4; ++i)
        ride.Actors().Append(new GlSRGift(&ride, 30.0f + 40.0f * i, 70.0f, false));
    for (int i = Count(ride, false); i < 3; ++i)
        ride.Actors().Append(new GlSRStormcloud(&ride, 250.0f + 110.0f * i, 90.0f + 60.0f * i, -30.0f, 0.0f));
}

void BM_RideFrame(benchmark::State& state)
{
    lrSetDebugSink(QuietDebugOutput);
    const double reference = EmptyFrameSeconds();
    const std::string folder = BusyFolder();
    std::unique_ptr<HeadlessGame> game = BusyRide(folder);
    if (game == nullptr) {
        state.SkipWithError("the ride does not start: build the media first");
        return;
    }
    double measured = 0;
    int64_t frames = 0;
    for (auto _ : state) {
        auto* ride = dynamic_cast<GlSkyRun*>(game->CurrentScreen());
        if (ride == nullptr || ride->LastRoundEnd() != GlSkyRun::RoundEnd::kNone) {
            // A gift found the house: a fresh ride, outside the timing.
            state.PauseTiming();
            game.reset();
            game = BusyRide(folder);
            state.ResumeTiming();
            continue;
        }
        TopUp(*ride);
        const auto start = std::chrono::steady_clock::now();
        game->Step();
        measured += std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
        ++frames;
    }
    if (frames > 0)
        state.counters["ratio"] = measured / frames / reference;
    game.reset();
    std::error_code ignored;
    std::filesystem::remove_all(folder, ignored);
}

BENCHMARK(BM_RideFrame);

} // namespace

BENCHMARK_MAIN();
