#include "commandline.h"
#include "commands.h"
#include "csvwriter.h"
#include "fontface.h"
#include "matrixpages.h"
#include "modshared.h"
#include "overviewsheet.h"
#include "pagesetup.h"
#include "pdfsurface.h"
#include "pictureanalysis.h"
#include "piecelist.h"
#include "printsurface.h"
#include "samplesheet.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QRegularExpression>
#include <memory>

namespace {

struct Block
{
    int x = 0;
    int y = 0;
};

// "C7", "c7", "P12": letters A-P, numbers 1-12.
std::optional<Block> parseBlock(const QString &text)
{
    static const QRegularExpression pattern(QStringLiteral("^([A-Pa-p])([1-9]|1[0-2])$"));
    const QRegularExpressionMatch match = pattern.match(text);
    if (!match.hasMatch())
        return std::nullopt;
    return Block {
        match.captured(1).toUpper().at(0).unicode() - u'A', match.captured(2).toInt() - 1};
}

// The output folder must exist already: a mistyped name is not created.
bool checkOutputFolder(const QString &folder)
{
    const QFileInfo info(folder);
    if (!info.exists()) {
        printMessage(QStringLiteral("出力先のフォルダが見つかりません。\n") + folder);
        return false;
    }
    if (!info.isDir()) {
        printMessage(QStringLiteral("出力先がフォルダではありません。\n") + folder);
        return false;
    }
    return true;
}

// Runs one print into the PDF at path; reports a failure.
template<typename Print>
bool printPdf(PdfSurface &surface, int colorMode, const QString &path, Print print)
{
    try {
        setUpPaper(surface, colorMode, path);
        print();
        return true;
    } catch (const std::exception &error) {
        printMessage(QString::fromUtf8(error.what()));
        return false;
    }
}

// Drawing text needs the GUI application; the offscreen platform needs no
// display, and fonts then come through fontconfig.
std::unique_ptr<QCoreApplication> createApplication(bool drawsPages, int &argc, char *argv[])
{
    if (!drawsPages)
        return std::make_unique<QCoreApplication>(argc, argv);
    qputenv("QT_QPA_PLATFORM", "offscreen");
    auto application = std::make_unique<QGuiApplication>(argc, argv);
    registerFontSubstitutes();
    return application;
}

} // namespace

int runExport(int argc, char *argv[])
{
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral(
            "Writes what the colour and matrix windows write for the picture: the three CSV\n"
            "files, the colour sample sheet (ColorSample.pdf) and all 192 matrix pages\n"
            "(ColorMatrixAll.pdf). The options choose some of them; without one, all are\n"
            "written. Existing files of the same names are replaced only once the new file\n"
            "is complete.\n\n")
        + exitCodesText());
    parser.addPositionalArgument(QStringLiteral("export"), QStringLiteral("The command."));
    parser.addPositionalArgument(
        QStringLiteral("picture"), QStringLiteral("A 160x120, 24-bit BMP picture."));
    const QCommandLineOption out(QStringList {QStringLiteral("o"), QStringLiteral("out")},
        QStringLiteral("Write into <folder>, which must exist (default: the picture's folder)."),
        QStringLiteral("folder"));
    const QCommandLineOption csv(QStringLiteral("csv"),
        QStringLiteral("PixelColorNumber.csv, ColorData.csv and ColorCount.csv."));
    const QCommandLineOption sampleSheet(QStringLiteral("sample-sheet"),
        QStringLiteral("The colour sample sheet, ColorSample.pdf."));
    const QCommandLineOption matrix(
        QStringLiteral("matrix"), QStringLiteral("All 192 matrix pages, ColorMatrixAll.pdf."));
    const QCommandLineOption block(QStringLiteral("block"),
        QStringLiteral("One matrix page, e.g. C7 (letter A-P, number 1-12), as "
                       "ColorMatrix_C7.pdf."),
        QStringLiteral("block"));
    const QCommandLineOption overview(QStringLiteral("overview"),
        QStringLiteral("The overview for laying the picture as a group, "
                       "ColorMatrixOverview.pdf: a colour map of all blocks, then the "
                       "pieces each block needs."));
    parser.addOptions({out, csv, sampleSheet, matrix, block, overview});
    if (const auto code = parseCommandLine(parser, argc, argv, 2))
        return *code;

    std::optional<Block> onePage;
    if (parser.isSet(block)) {
        onePage = parseBlock(parser.value(block));
        if (!onePage) {
            printMessage(QStringLiteral("ブロックは A1 から P12 の形で指定してください: ")
                + parser.value(block));
            return ExitUsage;
        }
    }
    const bool printsOverview = parser.isSet(overview);
    const bool all = !parser.isSet(csv) && !parser.isSet(sampleSheet) && !parser.isSet(matrix)
        && !onePage && !printsOverview;
    const bool writesCsv = all || parser.isSet(csv);
    const bool printsSample = all || parser.isSet(sampleSheet);
    const bool printsMatrix = all || parser.isSet(matrix);

    const auto application
        = createApplication(printsSample || printsMatrix || onePage || printsOverview, argc, argv);
    const QString picture = QFileInfo(parser.positionalArguments().at(1)).absoluteFilePath();
    modShared model;
    int colorMax = 0;
    if (const int code = analysePicture(picture, model, colorMax); code != ExitDone)
        return code;
    const QDir folder(parser.isSet(out) ? QFileInfo(parser.value(out)).absoluteFilePath()
                                        : QFileInfo(picture).absolutePath());
    if (!checkOutputFolder(folder.path()))
        return ExitWriteFailed;

    bool writeFailed = false;
    bool refused = false;
    if (writesCsv) {
        const csv::WriteResult result = csv::writeAnalysis(model, colorMax, folder);
        if (!result.ok())
            printMessage(result.message);
        writeFailed |= !result.ok();
    }
    PdfSurface surface;
    if (printsSample) {
        writeFailed |= !printPdf(surface, PrintSurface::ColorModeColor,
            folder.filePath(QString::fromLatin1(ColorSampleDocumentName)),
            [&] { printColorSample(surface, model, colorMax); });
    }
    if ((printsMatrix || onePage) && blockHasUnnumberedCell(model, 0, 0)) {
        // The matrix window refuses such a picture, and so do its prints.
        printMessage(QStringLiteral("32色を越えているため処理できません。\n") + picture);
        refused = true;
    } else {
        if (printsMatrix) {
            writeFailed |= !printPdf(surface, PrintSurface::ColorModeMonochrome,
                folder.filePath(QString::fromLatin1(MatrixAllDocumentName)),
                [&] { printMatrixAll(surface, model); });
        }
        if (onePage) {
            writeFailed |= !printPdf(surface, PrintSurface::ColorModeMonochrome,
                folder.filePath(matrixPageDocumentName(onePage->x, onePage->y)),
                [&] { printMatrixPage(surface, model, onePage->x, onePage->y); });
        }
    }
    if (printsOverview) {
        // Shows unnumbered cells as such, so it is never refused for them.
        writeFailed |= !printPdf(surface, PrintSurface::ColorModeColor,
            folder.filePath(QString::fromLatin1(OverviewDocumentName)),
            [&] { printOverview(surface, model); });
    }
    if (writeFailed)
        return ExitWriteFailed;
    return refused ? ExitRefused : ExitDone;
}
