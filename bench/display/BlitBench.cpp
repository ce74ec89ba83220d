// Times lrBlitGraphic against SDL_BlitSurface with a colour key on the same 8-bit pixels.
// Each benchmark times SDL first as the reference and reports sdl_ns / lr_ns as
// "speedup" (above 1: leanRASTER is faster).
#include "lrDisplay.h"

#include <SDL.h>
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <vector>

namespace {

constexpr uint8_t kKey = 254;

void QuietDebugOutput(const char*) {}

// Sprite-like art: a filled disc (with a ring of shading) on the key colour, so
// about a fifth of a square graphic is transparent, as the game's sprites are.
std::vector<uint8_t> MakeSpritePixels(int width, int height)
{
    std::vector<uint8_t> pixels(static_cast<size_t>(width) * height);
    const double cx = width / 2.0, cy = height / 2.0;
    const double radius = (width < height ? width : height) / 2.0;
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            double dx = (x + 0.5 - cx) / radius, dy = (y + 0.5 - cy) / radius;
            double d = dx * dx + dy * dy;
            pixels[y * width + x] = d > 1.0 ? kKey : static_cast<uint8_t>(16 + (x * 7 + y * 3) % 200);
        }
    return pixels;
}

struct Setup {
    int width;
    int height;
    lrGraphic graphic = nullptr;
    SDL_Surface* sdlSource = nullptr;
    SDL_Surface* sdlTarget = nullptr;
    SDL_Palette* palette = nullptr;

    Setup(int w, int h) : width(w), height(h)
    {
        lrSetDebugSink(QuietDebugOutput);
        lrCreateDisplay(640, 480, 8, lrWindowedFlag);
        lrSetColorKey(kKey);
        std::vector<uint8_t> pixels = MakeSpritePixels(w, h);
        lrCreateGraphic(&graphic, w, h, 0);
        lrCopyToGraphic(graphic, 0, 0, pixels.data(), w, h, w);

        // One shared palette keeps SDL on its straight index-to-index keyed copy.
        palette = SDL_AllocPalette(256);
        sdlSource = SDL_CreateRGBSurfaceWithFormat(0, w, h, 8, SDL_PIXELFORMAT_INDEX8);
        sdlTarget = SDL_CreateRGBSurfaceWithFormat(0, 640, 480, 8, SDL_PIXELFORMAT_INDEX8);
        SDL_SetSurfacePalette(sdlSource, palette);
        SDL_SetSurfacePalette(sdlTarget, palette);
        SDL_LockSurface(sdlSource);
        for (int y = 0; y < h; ++y)
            SDL_memcpy(static_cast<uint8_t*>(sdlSource->pixels) + y * sdlSource->pitch, &pixels[y * w], w);
        SDL_UnlockSurface(sdlSource);
        SDL_SetColorKey(sdlSource, SDL_TRUE, kKey);
    }

    ~Setup()
    {
        lrDestroyGraphic(graphic);
        lrDestroyDisplay();
        SDL_FreeSurface(sdlSource);
        SDL_FreeSurface(sdlTarget);
        SDL_FreePalette(palette);
        lrSetDebugSink(nullptr);
    }

    void BlitLeanRaster() { lrBlitGraphic(graphic, 0, 0, width, height, 0, 0); }

    void BlitSdl()
    {
        SDL_Rect target = {0, 0, width, height};
        SDL_BlitSurface(sdlSource, nullptr, sdlTarget, &target);
    }
};

template <typename Blit>
double NanosecondsPerBlit(Blit blit, int repeats)
{
    auto start = std::chrono::steady_clock::now();
    for (int i = 0; i < repeats; ++i) {
        blit();
        benchmark::ClobberMemory();
    }
    std::chrono::duration<double, std::nano> elapsed = std::chrono::steady_clock::now() - start;
    return elapsed.count() / repeats;
}

void BM_KeyedBlit(benchmark::State& state)
{
    Setup setup(static_cast<int>(state.range(0)), static_cast<int>(state.range(1)));
    const int repeats = setup.width * setup.height > 100000 ? 400 : 40000;

    // Warm both, then take the best of a few interleaved rounds of each.
    NanosecondsPerBlit([&] { setup.BlitSdl(); }, repeats / 10);
    NanosecondsPerBlit([&] { setup.BlitLeanRaster(); }, repeats / 10);
    double sdl = 1e300, lean = 1e300;
    for (int round = 0; round < 3; ++round) {
        sdl = std::min(sdl, NanosecondsPerBlit([&] { setup.BlitSdl(); }, repeats));
        lean = std::min(lean, NanosecondsPerBlit([&] { setup.BlitLeanRaster(); }, repeats));
    }

    for (auto _ : state) {
        setup.BlitLeanRaster();
        benchmark::ClobberMemory();
    }
    state.counters["sdl_ns"] = sdl;
    state.counters["lr_ns"] = lean;
    state.counters["speedup"] = sdl / lean;
    state.SetItemsProcessed(state.iterations() * setup.width * setup.height);
}

} // namespace

BENCHMARK(BM_KeyedBlit)->Args({64, 64})->Args({640, 480});

BENCHMARK_MAIN();
