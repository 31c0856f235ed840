#include "blockcounts.h"
#include "colornames.h"
#include "colorvalue.h"
#include "commandline.h"
#include "commands.h"
#include "modshared.h"
#include "paletteoption.h"
#include "pictureanalysis.h"
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

// names: one a colour number, empty for a colour without a name.
QJsonObject analysisJson(
    const QString &path, const modShared &model, int colorMax, const QStringList &names)
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
        "colour number.\n"
        "\n"
        "Exit status:\n"
        "  0  done\n"
        "  1  usage error\n"
        "  2  refused: the picture is not a 24-bit 160x120 BMP\n"
        "  3  the picture or the palette file is unreadable or broken"));
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
    int colorMax = 0;
    if (const int code = analysePicture(path, model, colorMax); code != ExitDone)
        return code;
    const QStringList names
        = colorNames(model, colorMax, paletteColors.value_or(QList<PaletteColor>()));
    if (parser.isSet(json)) {
        QJsonObject object = analysisJson(path, model, colorMax, names);
        if (parser.isSet(blocks))
            object.insert(QStringLiteral("blocks"), blockCountJson(model));
        return printOutput(
            QString::fromUtf8(QJsonDocument(object).toJson(QJsonDocument::Indented)));
    }
    if (parser.isSet(blocks))
        return printOutput(blockCountList(model));
    return printOutput(pieceCountList(model, colorMax, names));
}
