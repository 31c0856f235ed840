// The colour numbering of a picture already in memory: 57,600 pixel bytes.
#include "colornumbering.h"

#include <QByteArray>
#include <benchmark/benchmark.h>
#include <random>

namespace {

void appendPixel(QByteArray &pixels, int red, int green, int blue)
{
    pixels.append(char(blue));
    pixels.append(char(green));
    pixels.append(char(red));
}

// Horizontal bands of `colors` colours with a little texture, so the search
// meets both runs of one colour and frequent changes.
QByteArray bandedPixels(int colors)
{
    QByteArray pixels;
    pixels.reserve(BitmapFile::PixelBytes);
    for (int y = 0; y < 120; ++y) {
        for (int x = 0; x < 160; ++x) {
            const int band = (y * colors / 120 + (x / 7) % 3) % colors;
            appendPixel(pixels, 255 - band * 4, band * 3, band * 5);
        }
    }
    return pixels;
}

// Every row one colour, 32 colours taking turns: the last-match shortcut's best case.
QByteArray rowPixels()
{
    QByteArray pixels;
    pixels.reserve(BitmapFile::PixelBytes);
    for (int y = 0; y < 120; ++y) {
        for (int x = 0; x < 160; ++x)
            appendPixel(pixels, (y % 32) * 8, 255 - (y % 32) * 8, 128);
    }
    return pixels;
}

// Each pixel one of 32 colours at random: the shortcut almost never applies.
QByteArray noisePixels()
{
    std::mt19937 random(20240607);
    QByteArray pixels;
    pixels.reserve(BitmapFile::PixelBytes);
    for (int i = 0; i < 160 * 120; ++i) {
        const int k = int(random() % 32);
        appendPixel(pixels, k * 8, 255 - k * 8, k * 3);
    }
    return pixels;
}

// Every pixel a colour of its own: 32 numbers, then 19,168 colours left unnumbered.
QByteArray distinctPixels()
{
    QByteArray pixels;
    pixels.reserve(BitmapFile::PixelBytes);
    for (int i = 0; i < 160 * 120; ++i)
        appendPixel(pixels, i & 0xFF, (i >> 8) & 0xFF, 0x40);
    return pixels;
}

void numberColorsOf(benchmark::State &state, const QByteArray &pixels)
{
    modShared model;
    for (auto _ : state) {
        benchmark::DoNotOptimize(numberColors(pixels, model));
        benchmark::ClobberMemory();
    }
    state.counters["colours"] = numberColors(pixels, model);
}

} // namespace

BENCHMARK_CAPTURE(numberColorsOf, bands12, bandedPixels(12))->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(numberColorsOf, bands32, bandedPixels(32))->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(numberColorsOf, bands48, bandedPixels(48))->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(numberColorsOf, rows32, rowPixels())->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(numberColorsOf, noise32, noisePixels())->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(numberColorsOf, distinct19200, distinctPixels())->Unit(benchmark::kMicrosecond);
BENCHMARK_MAIN();
