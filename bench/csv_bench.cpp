#include "csvbytes.h"
#include "csvwriter.h"
#include "modshared.h"

#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <memory>

namespace {

// 32 colours spread over the picture, so most fields take two digits.
std::unique_ptr<modShared> thirtyTwoColours()
{
    auto model = std::make_unique<modShared>();
    for (int row = 1; row <= 120; ++row)
        for (int column = 1; column <= 160; ++column)
            model->intPixelColor(row, column) = (row * 7 + column) % 32 + 1;
    for (int n = 1; n <= 32; ++n) {
        model->lngColorRGB(n) = n * 524287;
        model->lngColorCount(n) = 600;
    }
    return model;
}

void BM_BuildBytes(benchmark::State &state)
{
    const auto model = thirtyTwoColours();
    for (auto _ : state) {
        benchmark::DoNotOptimize(csv::pixelColorNumberBytes(*model));
        benchmark::DoNotOptimize(csv::colorDataBytes(*model, 32));
        benchmark::DoNotOptimize(csv::colorCountBytes(*model, 32));
    }
}
BENCHMARK(BM_BuildBytes)->Unit(benchmark::kMicrosecond);

void BM_WriteThreeFiles(benchmark::State &state)
{
    const auto model = thirtyTwoColours();
    QTemporaryDir directory;
    for (auto _ : state) {
        if (!csv::writeAnalysis(*model, 32, QDir(directory.path())).ok())
            state.SkipWithError("write failed");
    }
}
BENCHMARK(BM_WriteThreeFiles)->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();
