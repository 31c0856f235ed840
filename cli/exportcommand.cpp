#include "actualsizeplan.h"
#include "blockplace.h"
#include "chartoption.h"
#include "colornames.h"
#include "commandline.h"
#include "commands.h"
#include "csvwriter.h"
#include "modshared.h"
#include "outputfile.h"
#include "pagesmodule.h"
#include "paletteoption.h"
#include "workbookwriter.h"
#include "writefailure.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
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

// Drawing text needs the GUI application, which the pages module makes. It
// replaces the command's application: Qt allows one at a time.
std::unique_ptr<QCoreApplication> createGuiApplication(int &argc, char *argv[])
{
    auto *create = pagesFunction<CreateGuiApplicationFunction>("tessamapCreateGuiApplication");
    return std::unique_ptr<QCoreApplication>(create ? create(&argc, argv) : nullptr);
}

} // namespace

int runExport(int argc, char *argv[])
{
    auto application = createCommandApplication();
    QCommandLineParser parser;
    parser.setApplicationDescription(QCoreApplication::translate("export",
        "Writes what is made of the picture into its folder (or the one of --out).\n"
        "Without an option naming an output, writes what the colour and matrix windows\n"
        "write: the three CSV files, the colour sample sheet (ColorSample.pdf) and all\n"
        "192 matrix pages (ColorMatrixAll.pdf). Each of --csv, --sample-sheet,\n"
        "--matrix, --block, --overview, --blocks, --xlsx and --actual-size names one\n"
        "output; given any of them, only the outputs named are written. The pieces'\n"
        "names and codes come from the chart file beside the picture\n"
        "(picture.tessamap) when there is one; --palette names the overview's colours\n"
        "instead. Existing files of the same names are replaced only once the new file\n"
        "is complete.\n"
        "\n"
        "Exit status:\n"
        "  0  done\n"
        "  1  usage error, also a label that is not a block, or an output would\n"
        "     replace the picture or the palette file (nothing is written)\n"
        "  2  refused: the picture is not a 24-bit 160x120 BMP (nothing is\n"
        "     written), or the matrix prints were refused because the top-left\n"
        "     block holds a pixel without a colour number (the other outputs\n"
        "     are still written)\n"
        "  3  the picture, the palette file or the chart file is unreadable or\n"
        "     broken, or the chart file is of another picture or a newer version;\n"
        "     nothing is written\n"
        "  4  an output could not be written (wins over 2)"));
    parser.addPositionalArgument(
        QStringLiteral("export"), QCoreApplication::translate("export", "The command."));
    parser.addPositionalArgument(QStringLiteral("picture"),
        QCoreApplication::translate(
            "export", "A 160x120, 24-bit BMP picture, or its chart file (.tessamap)."));
    const QCommandLineOption out(QStringList {QStringLiteral("o"), QStringLiteral("out")},
        QCoreApplication::translate(
            "export", "Write into <folder>, which must exist (default: the picture's folder)."),
        QStringLiteral("folder"));
    const QCommandLineOption csv(QStringLiteral("csv"),
        QCoreApplication::translate(
            "export", "PixelColorNumber.csv, ColorData.csv and ColorCount.csv."));
    const QCommandLineOption sampleSheet(QStringLiteral("sample-sheet"),
        QCoreApplication::translate("export", "The colour sample sheet, ColorSample.pdf."));
    const QCommandLineOption matrix(QStringLiteral("matrix"),
        QCoreApplication::translate("export", "All 192 matrix pages, ColorMatrixAll.pdf."));
    const QCommandLineOption block(QStringLiteral("block"),
        QCoreApplication::translate(
            "export", "One matrix page, e.g. C7 (letter A-P, number 1-12), as ColorMatrix_C7.pdf."),
        QStringLiteral("block"));
    const QCommandLineOption overview(QStringLiteral("overview"),
        QCoreApplication::translate("export",
            "The overview for laying the picture as a group, ColorMatrixOverview.pdf: a colour "
            "map of all blocks, then the pieces each block needs."));
    const QCommandLineOption blocks(QStringLiteral("blocks"),
        QCoreApplication::translate("export",
            "These blocks, e.g. A1,B12 (comma-separated labels), in print order, one page each "
            "with a key of the colours the block holds (number, swatch, name, code, pieces), as "
            "ColorMatrixBlocks.pdf."),
        QStringLiteral("labels"));
    const QCommandLineOption palette(QStringLiteral("palette"),
        QCoreApplication::translate("export",
            "With --overview, begin its lists with a key of every colour named by the colour of "
            "exactly the same RGB value in <file> (a GIMP palette or CSV lines R,G,B[,name]) or "
            "in a built-in piece set given by its id (a file of that name in the working folder "
            "wins). A wrong palette line stops with status 3."),
        QStringLiteral("file|set"));
    const QCommandLineOption actualSize(QStringLiteral("actual-size"),
        QCoreApplication::translate("export",
            "The chart at the size of the pieces, <mm> millimetres a cell (1 to 50, e.g. 5 or "
            "2.6), tiled over pages with a cover page, as <picture's base name>-<mm>mm.pdf."),
        QStringLiteral("mm"));
    const QCommandLineOption paper(QStringLiteral("paper"),
        QCoreApplication::translate("export", "With --actual-size: the paper, A4 (default) or A3."),
        QStringLiteral("size"));
    const QCommandLineOption board(QStringLiteral("board"),
        QCoreApplication::translate(
            "export", "With --actual-size: mark the edges of <n> x <n> pegboards (2 to 160)."),
        QStringLiteral("n"));
    const QCommandLineOption xlsx(QStringLiteral("xlsx"),
        QCoreApplication::translate("export",
            "The chart as a spreadsheet workbook, <picture's name>.xlsx: the whole chart, the "
            "colours, the pieces per block and one sheet per block, coloured and numbered."));
    parser.addOptions({out, csv, sampleSheet, matrix, block, overview, blocks, palette, xlsx,
        actualSize, paper, board});
    if (const auto code = parseCommandLine(parser, argc, argv, 2))
        return *code;

    std::optional<double> pieceSize;
    if (parser.isSet(actualSize)) {
        pieceSize = actualsize::parsePieceSize(parser.value(actualSize));
        if (!pieceSize) {
            printMessage(QStringLiteral("ピースの大きさは 1 から 50 までの mm で指定してください"
                                        "（小数は 2 桁まで）: ")
                + parser.value(actualSize));
            return ExitUsage;
        }
    }
    if ((parser.isSet(paper) || parser.isSet(board)) && !pieceSize) {
        printMessage(
            QStringLiteral("--paper と --board は --actual-size と一緒に指定してください。"));
        return ExitUsage;
    }
    const QString paperName = parser.value(paper).toUpper();
    if (parser.isSet(paper) && paperName != QStringLiteral("A4")
        && paperName != QStringLiteral("A3")) {
        printMessage(QStringLiteral("用紙は A4 か A3 で指定してください: ") + parser.value(paper));
        return ExitUsage;
    }
    int boardSize = 0;
    if (parser.isSet(board)) {
        bool isNumber = false;
        boardSize = parser.value(board).toInt(&isNumber);
        if (!isNumber || boardSize < actualsize::MinBoard || boardSize > actualsize::MaxBoard) {
            printMessage(
                QStringLiteral("ボードの大きさは 2 から 160 までのマス数で指定してください: ")
                + parser.value(board));
            return ExitUsage;
        }
    }

    std::optional<Block> onePage;
    if (parser.isSet(block)) {
        onePage = parseBlock(parser.value(block));
        if (!onePage) {
            printMessage(QStringLiteral("ブロックは A1 から P12 の形で指定してください: ")
                + parser.value(block));
            return ExitUsage;
        }
    }
    QList<chart::BlockPlace> blockPages;
    if (parser.isSet(blocks)) {
        const chart::BlockLabelList list = chart::parseBlockLabels(parser.value(blocks));
        if (!list.badLabel.isEmpty()) {
            printMessage(QStringLiteral("ブロックは A1 から P12 の形で、コンマで区切って指定して"
                                        "ください: ")
                + list.badLabel);
            return ExitUsage;
        }
        blockPages = list.places;
    }
    const bool printsOverview = parser.isSet(overview);
    const bool writesWorkbook = parser.isSet(xlsx);
    const bool all = !parser.isSet(csv) && !parser.isSet(sampleSheet) && !parser.isSet(matrix)
        && !onePage && !printsOverview && blockPages.isEmpty() && !writesWorkbook && !pieceSize;
    const bool writesCsv = all || parser.isSet(csv);
    const bool printsSample = all || parser.isSet(sampleSheet);
    const bool printsMatrix = all || parser.isSet(matrix);

    const bool drawsPages = printsSample || printsMatrix || onePage || printsOverview
        || !blockPages.isEmpty() || pieceSize.has_value();
    if (drawsPages) {
        application.reset();
        application = createGuiApplication(argc, argv);
        if (!application)
            return ExitBroken;
    }
    std::optional<QList<PaletteColor>> paletteColors;
    if (parser.isSet(palette)) {
        paletteColors = readPaletteOption(parser.value(palette));
        if (!paletteColors)
            return ExitBroken;
    }
    modShared model;
    int exitCode = ExitDone;
    const auto opened = openChartOption(parser.positionalArguments().at(1), model, exitCode);
    if (!opened)
        return exitCode;
    const QString &picture = opened->picturePath;
    const chart::Chart &chart = opened->chart;
    const int colorMax = chart.colorCount();
    const QDir folder(parser.isSet(out) ? QFileInfo(parser.value(out)).absoluteFilePath()
                                        : QFileInfo(picture).absolutePath());
    if (!checkOutputFolder(folder.path()))
        return ExitWriteFailed;

    PagesRequest request;
    request.model = &model;
    request.colorMax = colorMax;
    request.picture = picture;
    request.folder = folder;
    request.sampleSheet = printsSample;
    request.matrix = printsMatrix;
    request.overview = printsOverview;
    if (paletteColors)
        request.colorNames = colorNames(model, colorMax, *paletteColors);
    request.onePage = onePage.has_value();
    if (onePage) {
        request.blockX = onePage->x;
        request.blockY = onePage->y;
    }
    request.chart = &chart;
    request.blocks = blockPages;
    request.actualSize = pieceSize.has_value();
    request.pieceSize = pieceSize.value_or(0);
    request.a3 = paperName == QStringLiteral("A3");
    request.board = boardSize;
    const auto printPages
        = drawsPages ? pagesFunction<PrintPagesFunction>("tessamapPrintPages") : nullptr;
    if (drawsPages && !printPages)
        return ExitBroken;

    // Every output is named before the first is written, so that none replaces what was read.
    QStringList inputs {picture};
    if (opened->fileStatus == chart::ChartFileStatus::Ok)
        inputs.append(opened->chartPath);
    if (parser.isSet(palette))
        inputs.append(QFileInfo(parser.value(palette)).absoluteFilePath());
    QStringList outputs = writesCsv ? csv::outputPaths(folder) : QStringList();
    if (writesWorkbook)
        outputs.append(folder.absoluteFilePath(workbook::workbookFileName(picture)));
    if (drawsPages) {
        PagesRequest listing = request;
        listing.pathsOnly = true;
        PagesOutcome listed;
        printPages(&listing, &listed);
        outputs += listed.paths;
    }
    for (const QString &output : outputs) {
        if (!replacedInput(output, inputs).isEmpty()) {
            printMessage(writeFailureText(WriteFailure::ReplacesInput, output));
            return ExitUsage;
        }
    }

    bool writeFailed = false;
    bool refused = false;
    if (writesCsv) {
        const csv::WriteResult result = csv::writeAnalysis(model, colorMax, folder, inputs);
        if (!result.ok())
            printMessage(result.message);
        writeFailed |= !result.ok();
    }
    if (writesWorkbook) {
        const workbook::WriteResult result = workbook::writeWorkbook(
            chart, folder.absoluteFilePath(workbook::workbookFileName(picture)), inputs);
        if (!result.ok())
            printMessage(result.message);
        writeFailed |= !result.ok();
    }
    if (drawsPages) {
        PagesOutcome outcome;
        printPages(&request, &outcome);
        writeFailed |= outcome.writeFailed;
        refused = outcome.refused;
    }
    if (writeFailed)
        return ExitWriteFailed;
    return refused ? ExitRefused : ExitDone;
}
