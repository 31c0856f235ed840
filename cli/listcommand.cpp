#include "blockcounts.h"
#include "chartoption.h"
#include "colornames.h"
#include "colorvalue.h"
#include "commandline.h"
#include "commands.h"
#include "modshared.h"
#include "paletteoption.h"
#include "piecelist.h"
#include "shoppingcsv.h"
#include "shoppingtext.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <algorithm>

namespace {

int unnumberedPixels(const modShared &model)
{
    const int16_t *cells = model.intPixelColor.data();
    return int(std::count(cells, cells + PixelColorMatrix::Size, 0));
}

// names and codes: one a colour number, empty for a colour without one.
QJsonObject analysisJson(const QString &path, const modShared &model, int colorMax,
    const QStringList &names, const QStringList &codes)
{
    QJsonArray colors;
    for (int n = 1; n <= colorMax; ++n) {
        const int32_t value = model.lngColorRGB(n);
        QJsonObject color {
            {QStringLiteral("number"), n},
            {QStringLiteral("rgb"),
                QJsonArray {
                    colorvalue::red(value), colorvalue::green(value), colorvalue::blue(value)}},
            {QStringLiteral("count"), model.lngColorCount(n)},
        };
        if (!names.isEmpty() && !names[n - 1].isEmpty())
            color.insert(QStringLiteral("name"), names[n - 1]);
        if (!codes.isEmpty() && !codes[n - 1].isEmpty())
            color.insert(QStringLiteral("code"), codes[n - 1]);
        colors.append(color);
    }
    return {
        {QStringLiteral("picture"), path},
        {QStringLiteral("colors"), colors},
        {QStringLiteral("unnumbered"), unnumberedPixels(model)},
    };
}

// The chart with the names and codes list shows.
chart::Chart namedChart(chart::Chart chart, const QStringList &names, const QStringList &codes)
{
    for (qsizetype k = 0; k < chart.colors.size(); ++k) {
        chart.colors[k].name = names.value(k);
        chart.colors[k].code = codes.value(k);
    }
    return chart;
}

// The CSV file when one is asked for, then the table on standard output.
int printShoppingList(const shopping::List &list, const QString &csvPath, const QStringList &inputs)
{
    if (!csvPath.isEmpty()) {
        if (const auto failure = shopping::writeCsv(list, csvPath, inputs)) {
            printMessage(writeFailureText(*failure, csvPath));
            return *failure == WriteFailure::ReplacesInput ? ExitUsage : ExitWriteFailed;
        }
    }
    return printOutput(shopping::tableText(list));
}

} // namespace

int runList(int argc, char *argv[])
{
    const auto application = createCommandApplication();
    QCommandLineParser parser;
    parser.setApplicationDescription(QCoreApplication::translate("list",
        "Prints how many pieces of each colour the picture needs, one line per\n"
        "colour number, with the names and codes of the chart file beside the\n"
        "picture (picture.tessamap) when there is one.\n"
        "\n"
        "Exit status:\n"
        "  0  done\n"
        "  1  usage error\n"
        "  2  refused: the picture is not a 24-bit 160x120 BMP\n"
        "  3  the picture, the palette file or the chart file is unreadable or\n"
        "     broken, or the chart file is of another picture or a newer version\n"
        "  4  the CSV file of --csv or standard output could not be written"));
    parser.addPositionalArgument(
        QStringLiteral("list"), QCoreApplication::translate("list", "The command."));
    parser.addPositionalArgument(QStringLiteral("picture"),
        QCoreApplication::translate("list", "A 160x120, 24-bit BMP picture."));
    const QCommandLineOption json(QStringLiteral("json"),
        QCoreApplication::translate(
            "list", "Print the picture, its colours and their counts as JSON."));
    const QCommandLineOption blocks(QStringLiteral("blocks"),
        QCoreApplication::translate("list",
            "Print the pieces of each 10x10 block instead, one line per block in print order: "
            "\"H 6  22×19  25×17\" (colour 22 nineteen times ...; 0 counts cells without a "
            "colour number). With --json, adds \"blocks\"."));
    const QCommandLineOption palette(QStringLiteral("palette"),
        QCoreApplication::translate("list",
            "Name each colour by the colour of exactly the same RGB value in <file> (a GIMP "
            "palette or CSV lines R,G,B[,name]) or in a built-in piece set given by its id "
            "(a file of that name in the working folder wins); with --json, adds \"name\" "
            "and a set's \"code\". A wrong palette line stops with status 3."),
        QStringLiteral("file|set"));
    const QCommandLineOption shoppingList(QStringLiteral("shopping"),
        QCoreApplication::translate("list",
            "Print the shopping list instead: per colour number the pieces, the pieces with "
            "spares and the bags they fill, with the code and name where known, and the "
            "totals."));
    const QCommandLineOption spare(QStringLiteral("spare"),
        QCoreApplication::translate("list",
            "With --shopping: the spares, 0 to 1000 percent more pieces, rounded up "
            "(default 10)."),
        QStringLiteral("percent"));
    const QCommandLineOption bag(QStringLiteral("bag"),
        QCoreApplication::translate(
            "list", "With --shopping: the pieces in a bag, 1 to 100000 (default 1000)."),
        QStringLiteral("n"));
    const QCommandLineOption csvFile(QStringLiteral("csv"),
        QCoreApplication::translate("list",
            "With --shopping: write the list to <file> as well, a CSV file for spreadsheets "
            "(UTF-8 with a byte-order mark, CR LF) of the columns "
            "number,code,name,red,green,blue,pieces,with_spares,bags. It may not be the "
            "picture, its chart file or the palette file (status 1)."),
        QStringLiteral("file"));
    parser.addOptions({json, blocks, palette, shoppingList, spare, bag, csvFile});
    if (const auto code = parseCommandLine(parser, argc, argv, 2))
        return *code;

    shopping::Options shoppingOptions;
    if (!parser.isSet(shoppingList)
        && (parser.isSet(spare) || parser.isSet(bag) || parser.isSet(csvFile))) {
        printMessage(
            QStringLiteral("--spare、--bag と --csv は --shopping と一緒に指定してください。"));
        return ExitUsage;
    }
    if (parser.isSet(shoppingList) && (parser.isSet(json) || parser.isSet(blocks))) {
        printMessage(QStringLiteral("--shopping は --json、--blocks と一緒には指定できません。"));
        return ExitUsage;
    }
    if (parser.isSet(spare)) {
        const auto percent = shopping::parseSparePercent(parser.value(spare));
        if (!percent) {
            printMessage(QStringLiteral("予備は 0 から 1000 までの % で指定してください: ")
                + parser.value(spare));
            return ExitUsage;
        }
        shoppingOptions.sparePercent = *percent;
    }
    if (parser.isSet(bag)) {
        const auto size = shopping::parseBagSize(parser.value(bag));
        if (!size) {
            printMessage(QStringLiteral("1袋の枚数は 1 から 100000 までの整数で指定してください: ")
                + parser.value(bag));
            return ExitUsage;
        }
        shoppingOptions.bagSize = *size;
    }

    std::optional<QList<PaletteColor>> paletteColors;
    if (parser.isSet(palette)) {
        paletteColors = readPaletteOption(parser.value(palette));
        if (!paletteColors)
            return ExitBroken;
    }
    const QString path = QFileInfo(parser.positionalArguments().at(1)).absoluteFilePath();
    modShared model;
    int exitCode = ExitDone;
    const auto opened = openChartOption(path, model, exitCode);
    if (!opened)
        return exitCode;
    const int colorMax = opened->chart.colorCount();
    // The palette given names the colours; else the chart file's names and codes.
    QStringList names;
    QStringList codes;
    if (paletteColors) {
        for (const PaletteColor &color : paletteColorsOfNumbers(model, colorMax, *paletteColors)) {
            names.append(color.name);
            codes.append(color.code);
        }
    } else {
        for (const chart::ChartColor &color : opened->chart.colors) {
            names.append(color.name);
            codes.append(color.code);
        }
    }
    if (parser.isSet(shoppingList)) {
        QStringList inputs {path, opened->chartPath};
        if (parser.isSet(palette))
            inputs.append(QFileInfo(parser.value(palette)).absoluteFilePath());
        const QString csvPath = parser.isSet(csvFile)
            ? QFileInfo(parser.value(csvFile)).absoluteFilePath()
            : QString();
        return printShoppingList(
            shopping::makeList(namedChart(opened->chart, names, codes), shoppingOptions), csvPath,
            inputs);
    }
    if (parser.isSet(json)) {
        QJsonObject object = analysisJson(path, model, colorMax, names, codes);
        if (parser.isSet(blocks))
            object.insert(QStringLiteral("blocks"), blockCountJson(model));
        return printOutput(
            QString::fromUtf8(QJsonDocument(object).toJson(QJsonDocument::Indented)));
    }
    if (parser.isSet(blocks))
        return printOutput(blockCountList(model));
    QStringList labels = names;
    if (!paletteColors) {
        labels.clear();
        for (const chart::ChartColor &color : opened->chart.colors)
            labels.append(chart::colorLabel(color));
    }
    return printOutput(pieceCountList(model, colorMax, labels));
}
