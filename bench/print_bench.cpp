// The whole colour-number matrix, 192 pages, printed to PDF as the matrix
// window prints it when the system has no printer.
#include "fontface.h"
#include "matrixpages.h"
#include "modshared.h"
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
}

void BM_PrintMatrixAllToPdf(benchmark::State &state)
{
    modShared model;
    fillMatrix(model);
    QTemporaryDir directory;
    const QString pdf = directory.filePath(MatrixAllDocumentName);
    PdfSurface surface;
    for (auto _ : state) {
        setUpPaper(surface, PrintSurface::ColorModeMonochrome, pdf);
        printMatrixAll(surface, model);
    }
    state.counters["pdf_bytes"] = static_cast<double>(QFileInfo(pdf).size());
}
BENCHMARK(BM_PrintMatrixAllToPdf)->Unit(benchmark::kMillisecond);

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
