// The stages of the prepare step on one JPEG (in scripts/bench, a 4000 x 3000
// photograph): a full decode against libjpeg's 1/8 decode, loading and scaling
// to 160 x 120, and reducing to 32 colours without and with dithering.
//   prepare_bench --jpeg=PHOTO.jpg [benchmark flags]
#include "colorreduction.h"
#include "labcolor.h"
#include "scaledpicture.h"

#include <QCoreApplication>
#include <QImageReader>
#include <benchmark/benchmark.h>
#include <cstdio>
#include <cstring>

using namespace prepare;

namespace {

QString jpeg;

void fullDecode(benchmark::State &state)
{
    for (auto _ : state) {
        QImageReader reader(jpeg);
        benchmark::DoNotOptimize(reader.read());
    }
}
BENCHMARK(fullDecode)->Unit(benchmark::kMillisecond);

void eighthDecode(benchmark::State &state)
{
    for (auto _ : state) {
        QImageReader reader(jpeg);
        reader.setScaledSize(reader.size() / 8);
        benchmark::DoNotOptimize(reader.read());
    }
}
BENCHMARK(eighthDecode)->Unit(benchmark::kMillisecond);

void loadScaled(benchmark::State &state)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(loadScaledPicture(jpeg));
}
BENCHMARK(loadScaled)->Unit(benchmark::kMillisecond);

void reduce(benchmark::State &state)
{
    const QImage picture = loadScaledPicture(jpeg).image;
    const LabColor lab;
    for (auto _ : state)
        benchmark::DoNotOptimize(reduceColors(picture, {MaxColors, state.range(0) != 0, {}}, lab));
}
BENCHMARK(reduce)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char *argv[])
{
    benchmark::Initialize(&argc, argv);
    for (int i = 1; i < argc; ++i) {
        if (std::strncmp(argv[i], "--jpeg=", 7) == 0)
            jpeg = QString::fromLocal8Bit(argv[i] + 7);
    }
    if (jpeg.isEmpty()) {
        std::fprintf(stderr, "usage: prepare_bench --jpeg=PHOTO.jpg [benchmark flags]\n");
        return 1;
    }
    QCoreApplication application(argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    return 0;
}
