// Times the present path (an 8-bit frame to the window's ARGB pixels through the palette)
// against SDL_ConvertSurfaceFormat of the same paletted surface. SDL runs first as the
// reference; "speedup" is sdl_ns / present_ns (above 1: the present path is faster).
#include "lrPaletteConvert.h"

#include <SDL.h>
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <vector>

namespace {

constexpr int kWidth = 640;
constexpr int kHeight = 480;

// A frame like the game's: a sky gradient, hills and scattered sprites, all palette indices.
std::vector<uint8_t> MakeFrame()
{
    std::vector<uint8_t> pixels(static_cast<size_t>(kWidth) * kHeight);
    for (int y = 0; y < kHeight; ++y)
        for (int x = 0; x < kWidth; ++x) {
            uint8_t index = static_cast<uint8_t>(168 + y * 8 / kHeight);
            if (y > 320 + ((x * 37) % 40))
                index = static_cast<uint8_t>(40 + (x + y) % 16);
            if (((x / 48) + (y / 48)) % 5 == 0 && (x % 48) < 32 && (y % 48) < 32)
                index = static_cast<uint8_t>(56 + (x * 3 + y) % 64);
            pixels[static_cast<size_t>(y) * kWidth + x] = index;
        }
    return pixels;
}

std::vector<uint8_t> MakePalette()
{
    std::vector<uint8_t> palette(256 * 4);
    for (int i = 0; i < 256; ++i) {
        palette[i * 4] = static_cast<uint8_t>(i * 7);
        palette[i * 4 + 1] = static_cast<uint8_t>(255 - i);
        palette[i * 4 + 2] = static_cast<uint8_t>(i * 13);
    }
    return palette;
}

template <typename Convert>
double NanosecondsPerFrame(Convert convert, int repeats)
{
    auto start = std::chrono::steady_clock::now();
    for (int i = 0; i < repeats; ++i) {
        convert();
        benchmark::ClobberMemory();
    }
    std::chrono::duration<double, std::nano> elapsed = std::chrono::steady_clock::now() - start;
    return elapsed.count() / repeats;
}

void BM_PresentConversion(benchmark::State& state)
{
    std::vector<uint8_t> frame = MakeFrame();
    const std::vector<uint8_t> palette = MakePalette();
    std::vector<uint32_t> target(static_cast<size_t>(kWidth) * kHeight);

    SDL_Surface* surface = SDL_CreateRGBSurfaceWithFormatFrom(frame.data(), kWidth, kHeight, 8, kWidth,
                                                              SDL_PIXELFORMAT_INDEX8);
    SDL_Color colors[256];
    for (int i = 0; i < 256; ++i)
        colors[i] = {palette[i * 4], palette[i * 4 + 1], palette[i * 4 + 2], 255};
    SDL_SetPaletteColors(surface->format->palette, colors, 0, 256);

    // The present path builds its colour table every frame too (the palette may have changed).
    auto present = [&] {
        uint32_t table[256];
        lrBuildArgbColors(palette.data(), table);
        lrConvertToArgb(frame.data(), kWidth, kHeight, table, target.data(), kWidth * 4);
    };
    auto sdl = [&] { SDL_FreeSurface(SDL_ConvertSurfaceFormat(surface, SDL_PIXELFORMAT_ARGB8888, 0)); };

    const int repeats = 200;
    NanosecondsPerFrame(sdl, repeats / 10);
    NanosecondsPerFrame(present, repeats / 10);
    double sdlNs = 1e300, presentNs = 1e300;
    for (int round = 0; round < 3; ++round) {
        sdlNs = std::min(sdlNs, NanosecondsPerFrame(sdl, repeats));
        presentNs = std::min(presentNs, NanosecondsPerFrame(present, repeats));
    }

    // Both must give the same picture, or the comparison means nothing.
    SDL_Surface* converted = SDL_ConvertSurfaceFormat(surface, SDL_PIXELFORMAT_ARGB8888, 0);
    present();
    bool same = converted && converted->pitch == kWidth * 4;
    for (int y = 0; same && y < kHeight; ++y)
        same = std::equal(target.begin() + y * kWidth, target.begin() + (y + 1) * kWidth,
                          reinterpret_cast<const uint32_t*>(static_cast<uint8_t*>(converted->pixels) + y * converted->pitch));
    SDL_FreeSurface(converted);
    if (!same)
        state.SkipWithError("the present path and SDL disagree on the converted frame");

    for (auto _ : state) {
        present();
        benchmark::ClobberMemory();
    }
    state.counters["sdl_ns"] = sdlNs;
    state.counters["present_ns"] = presentNs;
    state.counters["speedup"] = sdlNs / presentNs;
    state.SetItemsProcessed(state.iterations() * kWidth * kHeight);
    SDL_FreeSurface(surface);
}

} // namespace

BENCHMARK(BM_PresentConversion);

BENCHMARK_MAIN();
