#include "blockcounts.h"
#include "chartoption.h"
#include "colornames.h"
#include "colorvalue.h"
#include "commandline.h"
#include "commands.h"
#include "modshared.h"
#include "paletteoption.h"
#include "piecelist.h"

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
        "     broken, or the chart file is of another picture or a newer version"));
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
            "palette or CSV lines R,G,B[,name]); with --json, adds \"name\". A wrong palette "
            "line stops with status 3."),
        QStringLiteral("file"));
    parser.addOptions({json, blocks, palette});
    if (const auto code = parseCommandLine(parser, argc, argv, 2))
        return *code;

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
        names = colorNames(model, colorMax, *paletteColors);
    } else {
        for (const chart::ChartColor &color : opened->chart.colors) {
            names.append(color.name);
            codes.append(color.code);
        }
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
