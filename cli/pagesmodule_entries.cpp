// The entry points of the pages module (see pagesmodule.h): the GUI
// application that drawing text needs, the export's PDF prints, prepare and
// check.
#include "actualsizepages.h"
#include "blockpages.h"
#include "chart.h"
#include "commandline.h"
#include "commands.h"
#include "fontface.h"
#include "matrixpages.h"
#include "modshared.h"
#include "overviewsheet.h"
#include "pagesetup.h"
#include "pagesmodule.h"
#include "pdfsurface.h"
#include "piecelist.h"
#include "samplesheet.h"

#include <QFileInfo>
#include <QGuiApplication>

namespace {

// Runs one print into the PDF at path (only lists the path for pathsOnly);
// reports a failure.
template<typename Print>
bool printPdf(const PagesRequest &request, PagesOutcome &outcome, PdfSurface &surface,
    int colorMode, const QString &path, Print print)
{
    if (request.pathsOnly) {
        outcome.paths.append(path);
        return true;
    }
    try {
        setUpPaper(surface, colorMode, path);
        print();
        return true;
    } catch (const std::exception &error) {
        printMessage(QString::fromUtf8(error.what()));
        return false;
    }
}

} // namespace

extern "C" Q_DECL_EXPORT QCoreApplication *tessamapCreateGuiApplication(int *argc, char **argv)
{
    // The offscreen platform needs no display, and fonts then come through fontconfig.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    auto *application = new QGuiApplication(*argc, argv);
    registerFontSubstitutes();
    return application;
}

extern "C" Q_DECL_EXPORT void tessamapPrintPages(const PagesRequest *request, PagesOutcome *outcome)
{
    const modShared &model = *request->model;
    const QDir &folder = request->folder;
    PdfSurface surface;
    if (request->sampleSheet) {
        outcome->writeFailed |= !printPdf(*request, *outcome, surface, PrintSurface::ColorModeColor,
            folder.filePath(QString::fromLatin1(ColorSampleDocumentName)),
            [&] { printColorSample(surface, model, request->colorMax); });
    }
    if ((request->matrix || request->onePage) && blockHasUnnumberedCell(model, 0, 0)
        && !request->pathsOnly) {
        // The matrix window refuses such a picture, and so do its prints.
        printMessage(QStringLiteral("32色を越えているため処理できません。\n") + request->picture);
        outcome->refused = true;
    } else {
        if (request->matrix) {
            outcome->writeFailed
                |= !printPdf(*request, *outcome, surface, PrintSurface::ColorModeMonochrome,
                    folder.filePath(QString::fromLatin1(MatrixAllDocumentName)),
                    [&] { printMatrixAll(surface, model); });
        }
        if (request->onePage) {
            outcome->writeFailed
                |= !printPdf(*request, *outcome, surface, PrintSurface::ColorModeMonochrome,
                    folder.filePath(matrixPageDocumentName(request->blockX, request->blockY)),
                    [&] { printMatrixPage(surface, model, request->blockX, request->blockY); });
        }
    }
    if (request->overview) {
        // Shows unnumbered cells as such, so it is never refused for them.
        outcome->writeFailed |= !printPdf(*request, *outcome, surface, PrintSurface::ColorModeColor,
            folder.filePath(QString::fromLatin1(OverviewDocumentName)), [&] {
                if (request->colorNames.isEmpty())
                    printOverview(surface, *request->chart);
                else
                    printOverview(surface, model, request->colorNames);
            });
    }
    if (!request->blocks.isEmpty()) {
        outcome->writeFailed |= !printPdf(*request, *outcome, surface, PrintSurface::ColorModeColor,
            folder.filePath(QString::fromLatin1(BlockPagesDocumentName)),
            [&] { printBlockPages(surface, *request->chart, request->blocks); });
    }
    if (request->actualSize) {
        actualsize::Options options;
        options.pieceSize = request->pieceSize;
        options.paper = request->a3 ? actualsize::Paper::A3 : actualsize::Paper::A4;
        options.board = request->board;
        options.title = QFileInfo(request->picture).fileName();
        const QString path = folder.filePath(actualsize::documentName(
            QFileInfo(request->picture).completeBaseName(), options.pieceSize));
        if (request->pathsOnly) {
            outcome->paths.append(path);
            return;
        }
        try {
            actualsize::setUpActualSize(surface, options, path);
            actualsize::printActualSize(surface, *request->chart, options);
        } catch (const std::exception &error) {
            printMessage(QString::fromUtf8(error.what()));
            outcome->writeFailed = true;
        }
    }
}

extern "C" Q_DECL_EXPORT int tessamapRunPrepare(int argc, char **argv)
{
    return runPrepare(argc, argv);
}

extern "C" Q_DECL_EXPORT int tessamapRunCheck(int argc, char **argv)
{
    return runCheck(argc, argv);
}
