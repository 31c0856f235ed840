#include "chart.h"
#include "workbookwriter.h"

#include <QFileInfo>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <random>

namespace {

// The worst case for the workbook's size: 32 colours, each with a name and a
// code, scattered at random (nothing for the archive to compress away), a
// builder for every block.
chart::Chart scatteredChart()
{
    chart::Chart chart;
    std::mt19937 random(28);
    std::uniform_int_distribution<int> number(1, 32);
    for (int row = 1; row <= chart::Chart::Rows; ++row) {
        for (int column = 1; column <= chart::Chart::Columns; ++column)
            chart.cells(row, column) = int16_t(number(random));
    }
    for (int n = 1; n <= 32; ++n) {
        int pieces = 0;
        for (int row = 1; row <= chart::Chart::Rows; ++row) {
            for (int column = 1; column <= chart::Chart::Columns; ++column)
                pieces += chart.cell(row, column) == n;
        }
        chart.colors.append({quint32(n) * 524287u & 0xffffff, pieces,
            QStringLiteral("ピース色 %1").arg(n), QStringLiteral("P%1").arg(n), {}});
    }
    for (int index = 0; index < chart::BlockTotal; ++index)
        chart.builders.insert(index, QStringLiteral("班 %1").arg(index % 8 + 1));
    return chart;
}

void BM_WriteWorkbook(benchmark::State &state)
{
    const chart::Chart chart = scatteredChart();
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("chart.xlsx"));
    for (auto _ : state) {
        if (!workbook::writeWorkbook(chart, path).ok())
            state.SkipWithError("write failed");
    }
    state.counters["MB"] = double(QFileInfo(path).size()) / 1e6;
}
BENCHMARK(BM_WriteWorkbook)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
