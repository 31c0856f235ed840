// The colour numbering of a picture already in memory: 57,600 pixel bytes.
#include "colornumbering.h"

#include <QByteArray>
#include <benchmark/benchmark.h>

namespace {

// Horizontal bands of `colors` colours with a little texture, so the search
// meets both runs of one colour and frequent changes.
QByteArray picturePixels(int colors)
{
    QByteArray pixels;
    pixels.reserve(BitmapFile::PixelBytes);
    for (int y = 0; y < 120; ++y) {
        for (int x = 0; x < 160; ++x) {
            const int band = (y * colors / 120 + (x / 7) % 3) % colors;
            pixels.append(char(band * 5));
            pixels.append(char(band * 3));
            pixels.append(char(255 - band * 4));
        }
    }
    return pixels;
}

void numberColorsOf(benchmark::State &state)
{
    const QByteArray pixels = picturePixels(int(state.range(0)));
    modShared model;
    for (auto _ : state) {
        benchmark::DoNotOptimize(numberColors(pixels, model));
        benchmark::ClobberMemory();
    }
    state.counters["colours"] = numberColors(pixels, model);
}

} // namespace

BENCHMARK(numberColorsOf)->Arg(12)->Arg(32)->Arg(48)->Unit(benchmark::kMicrosecond);
BENCHMARK_MAIN();
