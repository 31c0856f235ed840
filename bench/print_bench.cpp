// The whole colour-number matrix, 192 pages, printed to PDF as the matrix
// window prints it when the system has no printer; and the overview, a map of
// every cell in colour and the pieces of every block, which should take at most
// half as long; and the chart at 5 mm a piece, tiled over A4 pages, which
// must be written within 1 s and 3 MB.
#include "actualsizepages.h"
#include "chart.h"
#include "fontface.h"
#include "matrixpages.h"
#include "modshared.h"
#include "overviewsheet.h"
#include "pagesetup.h"
#include "pdfsurface.h"

#include <QFileInfo>
#include <QGuiApplication>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

void fillMatrix(modShared &model)
{
    model.strAnalysedFileName = QStringLiteral("/home/利用者/作品/絵柄.bmp");
    for (int row = 1; row <= PixelColorMatrix::Rows; ++row) {
        for (int column = 1; column <= PixelColorMatrix::Columns; ++column)
            model.intPixelColor(row, column) = static_cast<int16_t>((7 * row + 3 * column) % 33);
    }
    for (int color = 1; color <= modShared::MaxColors; ++color)
        model.lngColorRGB(color) = 0x050709 * color;
}

// Prints the bench model into the named PDF once per iteration.
template<typename Print>
void printToPdf(benchmark::State &state, int colorMode, const char *name, Print print)
{
    modShared model;
    fillMatrix(model);
    QTemporaryDir directory;
    const QString pdf = directory.filePath(QString::fromLatin1(name));
    PdfSurface surface;
    for (auto _ : state) {
        setUpPaper(surface, colorMode, pdf);
        print(surface, model);
    }
    state.counters["pdf_bytes"] = static_cast<double>(QFileInfo(pdf).size());
}

void BM_PrintMatrixAllToPdf(benchmark::State &state)
{
    printToPdf(state, PrintSurface::ColorModeMonochrome, MatrixAllDocumentName, printMatrixAll);
}
BENCHMARK(BM_PrintMatrixAllToPdf)->Unit(benchmark::kMillisecond);

// Neighbouring cells all differ, so the map draws every one of its 19,200 cells.
void BM_PrintOverviewToPdf(benchmark::State &state)
{
    printToPdf(state, PrintSurface::ColorModeColor, OverviewDocumentName,
        [](PrintSurface &surface, const modShared &model) { printOverview(surface, model); });
}
BENCHMARK(BM_PrintOverviewToPdf)->Unit(benchmark::kMillisecond);

// Every cell a run of its own and a number, 160 x 120 of each.
void BM_PrintActualSize5mmToPdf(benchmark::State &state)
{
    modShared model;
    fillMatrix(model);
    const chart::Chart chart = chart::chartFromAnalysis(model, modShared::MaxColors);
    QTemporaryDir directory;
    actualsize::Options options;
    options.board = 29;
    options.title = QStringLiteral("絵柄.bmp");
    const QString pdf = directory.filePath(actualsize::documentName("絵柄", options.pieceSize));
    PdfSurface surface;
    for (auto _ : state) {
        actualsize::setUpActualSize(surface, options, pdf);
        actualsize::printActualSize(surface, chart, options);
    }
    state.counters["pdf_bytes"] = static_cast<double>(QFileInfo(pdf).size());
}
BENCHMARK(BM_PrintActualSize5mmToPdf)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication application(argc, argv);
    registerFontSubstitutes();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
