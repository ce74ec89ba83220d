// Times whole frames of the busiest screens and SPX decoding. Each benchmark runs
// its reference first (an empty frame: the loop, the present and the clear; a plain
// copy of the sprite file's bytes) and reports "ratio" = measured / reference.
#include "HeadlessGame.h"

#include "AzMemorySprite.h"
#include "AzSpriteLoader.h"
#include "GlInterfaceRun.h"
#include "PlayerRecord.h"
#include "lrDisplay.h"

#include <benchmark/benchmark.h>

#include <chrono>
#include <cstring>
#include <fstream>
#include <iterator>
#include <vector>

namespace {

const std::string kDist = SKYRUN_DIST_DIR;

// A screen that draws nothing: what every frame costs before any picture.
class EmptyScreen : public GlInterfaceRun {
public:
    bool RunFrame() override { return true; }
    void Load() override {}
};

void QuietDebugOutput(const char*) {}

template <typename Body>
double SecondsPerRun(int runs, Body body)
{
    auto start = std::chrono::steady_clock::now();
    for (int i = 0; i < runs; ++i)
        body();
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count() / runs;
}

double EmptyFrameSeconds()
{
    HeadlessGame game(kDist);
    game.Start(new EmptyScreen());
    for (int i = 0; i < 5; ++i)
        game.Step();
    return SecondsPerRun(200, [&] { game.Step(); });
}

void FrameOfScreen(benchmark::State& state, const char* screen)
{
    lrSetDebugSink(QuietDebugOutput);
    double reference = EmptyFrameSeconds();
    ResetCurrentPlayer();
    HeadlessGame game(kDist);
    if (!game.Start(screen)) {
        state.SkipWithError("the screen does not start");
        return;
    }
    for (int i = 0; i < 60; ++i)
        game.Step();
    auto start = std::chrono::steady_clock::now();
    int64_t frames = 0;
    for (auto _ : state) {
        game.Step();
        ++frames;
    }
    double measured = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count() / frames;
    state.counters["ratio"] = measured / reference;
}

void BM_MenuFrame(benchmark::State& state) { FrameOfScreen(state, "GlMenuMain"); }
void BM_IntroFrame(benchmark::State& state) { FrameOfScreen(state, "GlCut1"); }
void BM_TotalsFrame(benchmark::State& state) { FrameOfScreen(state, "GlTotals"); }

void BM_SpxDecode(benchmark::State& state)
{
    std::ifstream file(kDist + "/_media/menus/glim.spx", std::ios::binary);
    std::vector<uint8_t> bytes((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
    if (bytes.empty()) {
        state.SkipWithError("menus/glim.spx is missing: build the media first");
        return;
    }
    std::vector<uint8_t> copy(bytes.size());
    double reference = SecondsPerRun(200, [&] {
        std::memcpy(copy.data(), bytes.data(), bytes.size());
        benchmark::DoNotOptimize(copy.data());
    });
    auto start = std::chrono::steady_clock::now();
    int64_t runs = 0;
    for (auto _ : state) {
        AzMemorySprite* sprite = AzSpriteLoader::GetSPXFromMemory(bytes.data(), bytes.size());
        benchmark::DoNotOptimize(sprite);
        delete sprite;
        ++runs;
    }
    double measured = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count() / runs;
    state.counters["ratio"] = measured / reference;
}

BENCHMARK(BM_MenuFrame);
BENCHMARK(BM_IntroFrame);
BENCHMARK(BM_TotalsFrame);
BENCHMARK(BM_SpxDecode);

} // namespace

BENCHMARK_MAIN();
