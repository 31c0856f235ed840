#include "chartcounts.h"
#include "chartoption.h"
#include "commandline.h"
#include "commands.h"
#include "modshared.h"

#include <QCoreApplication>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace {

struct Marks
{
    QList<chart::BlockPlace> done;
    QList<chart::BlockPlace> undone;
    QList<chart::BlockPlace> assigned;
    QString builder; // empty with assigned: the blocks lose their builder
};

// The labels of an option, or nullopt after reporting the first bad one.
std::optional<QList<chart::BlockPlace>> labelsOption(
    const QCommandLineParser &parser, const QCommandLineOption &option)
{
    if (!parser.isSet(option))
        return QList<chart::BlockPlace>();
    const chart::BlockLabelList list = chart::parseBlockLabels(parser.value(option));
    if (!list.badLabel.isEmpty()) {
        printMessage(QStringLiteral("ブロックは A1 から P12 の形で、コンマで区切って指定して"
                                    "ください: ")
            + list.badLabel);
        return std::nullopt;
    }
    return list.places;
}

QString rgbText(quint32 rgb)
{
    return QStringLiteral("%1,%2,%3").arg(rgb >> 16 & 0xff).arg(rgb >> 8 & 0xff).arg(rgb & 0xff);
}

QString labelsText(const QList<chart::BlockPlace> &places)
{
    QStringList labels;
    for (const chart::BlockPlace place : places)
        labels.append(chart::blockLabel(place));
    return labels.join(QLatin1Char(','));
}

QJsonArray labelsJson(const QList<chart::BlockPlace> &places)
{
    QJsonArray labels;
    for (const chart::BlockPlace place : places)
        labels.append(chart::blockLabel(place));
    return labels;
}

QList<chart::BlockPlace> doneBlocks(const chart::Chart &chart)
{
    QList<chart::BlockPlace> places;
    for (int index = 0; index < chart::BlockTotal; ++index) {
        if (chart.done.test(std::size_t(index)))
            places.append(chart::BlockPlace::fromPrintIndex(index));
    }
    return places;
}

QString progressText(const chart::Chart &chart)
{
    const QList<int> remaining = chart::remainingPieces(chart);
    const int done = chart::doneBlockCount(chart);
    int piecesLeft = 0;
    for (int number = 1; number <= chart.colorCount(); ++number)
        piecesLeft += remaining[number];
    QString text = QStringLiteral("完成: %1 / %2 ブロック（%3%）\n残りのピース: %4 枚\n")
                       .arg(done)
                       .arg(chart::BlockTotal)
                       .arg(done * 100 / chart::BlockTotal)
                       .arg(piecesLeft);
    if (done > 0)
        text += QStringLiteral("完成したブロック: ") + labelsText(doneBlocks(chart))
            + QStringLiteral("\n");
    for (int number = 1; number <= chart.colorCount(); ++number) {
        const chart::ChartColor &color = chart.color(number);
        text += QStringLiteral("色%1:　残り %2 / %3 枚　%4")
                    .arg(number)
                    .arg(remaining[number])
                    .arg(color.pieces)
                    .arg(rgbText(color.rgb));
        if (!color.name.isEmpty())
            text += QStringLiteral("　") + color.name;
        if (!color.code.isEmpty())
            text += QStringLiteral("（") + color.code + QStringLiteral("）");
        text += QLatin1Char('\n');
    }
    for (const QString &name : chart::builderNames(chart))
        text += QStringLiteral("担当 %1: %2\n")
                    .arg(name, labelsText(chart::blocksOfBuilder(chart, name)));
    return text;
}

QJsonObject progressJson(const chart::Chart &chart)
{
    const QList<int> remaining = chart::remainingPieces(chart);
    QJsonArray colors;
    for (int number = 1; number <= chart.colorCount(); ++number) {
        const chart::ChartColor &color = chart.color(number);
        QJsonObject entry {
            {QStringLiteral("number"), number},
            {QStringLiteral("rgb"),
                QJsonArray {int(color.rgb >> 16 & 0xff), int(color.rgb >> 8 & 0xff),
                    int(color.rgb & 0xff)}},
            {QStringLiteral("total"), color.pieces},
            {QStringLiteral("remaining"), remaining[number]},
        };
        if (!color.name.isEmpty())
            entry.insert(QStringLiteral("name"), color.name);
        if (!color.code.isEmpty())
            entry.insert(QStringLiteral("code"), color.code);
        colors.append(entry);
    }
    QJsonObject builders;
    for (const QString &name : chart::builderNames(chart))
        builders.insert(name, labelsJson(chart::blocksOfBuilder(chart, name)));
    return {
        {QStringLiteral("done"), labelsJson(doneBlocks(chart))},
        {QStringLiteral("blocks"), chart::BlockTotal},
        {QStringLiteral("colors"), colors},
        {QStringLiteral("builders"), builders},
    };
}

void applyMarks(const Marks &marks, chart::Chart &chart)
{
    for (const chart::BlockPlace place : marks.done)
        chart.done.set(std::size_t(place.printIndex()));
    for (const chart::BlockPlace place : marks.undone)
        chart.done.reset(std::size_t(place.printIndex()));
    for (const chart::BlockPlace place : marks.assigned) {
        if (marks.builder.isEmpty())
            chart.builders.remove(place.printIndex());
        else
            chart.builders.insert(place.printIndex(), marks.builder);
    }
}

} // namespace

int runProgress(int argc, char *argv[])
{
    const auto application = createCommandApplication();
    QCommandLineParser parser;
    parser.setApplicationDescription(QCoreApplication::translate("progress",
        "Marks blocks done and reports the progress of building the picture: blocks\n"
        "done of 192, and per colour number the pieces in all and still to lay (in\n"
        "the blocks not done). The marks are kept in the chart file beside the\n"
        "picture (picture.tessamap), which the window 「制作」 uses too. LABELS\n"
        "are block labels separated by commas: A1,B12.\n"
        "\n"
        "Exit status:\n"
        "  0  done\n"
        "  1  usage error, also a label that is not a block (A1 to P12)\n"
        "  2  refused: the picture is not a 24-bit 160x120 BMP\n"
        "  3  the picture or its chart file is unreadable or broken, of another\n"
        "     picture or of a newer version; the chart file is left as it was\n"
        "  4  the chart file could not be written; the earlier file is kept\n"
        "Nothing is written unless blocks are marked and the exit status is 0."));
    parser.addPositionalArgument(
        QStringLiteral("progress"), QCoreApplication::translate("progress", "The command."));
    parser.addPositionalArgument(QStringLiteral("picture"),
        QCoreApplication::translate(
            "progress", "A 160x120, 24-bit BMP picture, or its chart file (.tessamap)."));
    const QCommandLineOption done(QStringLiteral("done"),
        QCoreApplication::translate("progress", "Mark these blocks done."),
        QStringLiteral("labels"));
    const QCommandLineOption undone(QStringLiteral("undone"),
        QCoreApplication::translate("progress", "Mark these blocks not done again."),
        QStringLiteral("labels"));
    const QCommandLineOption builder(QStringLiteral("builder"),
        QCoreApplication::translate("progress", "Give the blocks of --blocks to <name>."),
        QStringLiteral("name"));
    const QCommandLineOption noBuilder(QStringLiteral("no-builder"),
        QCoreApplication::translate("progress", "Take the blocks of --blocks from their builder."));
    const QCommandLineOption blocks(QStringLiteral("blocks"),
        QCoreApplication::translate("progress", "The blocks for --builder or --no-builder."),
        QStringLiteral("labels"));
    const QCommandLineOption json(QStringLiteral("json"),
        QCoreApplication::translate("progress",
            "Print the report as JSON: \"done\" (labels), \"colors\" (number, rgb, name, code, "
            "total, remaining) and \"builders\" (name: labels)."));
    parser.addOptions({done, undone, builder, noBuilder, blocks, json});
    if (const auto code = parseCommandLine(parser, argc, argv, 2))
        return *code;

    Marks marks;
    const auto doneLabels = labelsOption(parser, done);
    const auto undoneLabels = labelsOption(parser, undone);
    const auto blockLabels = labelsOption(parser, blocks);
    if (!doneLabels || !undoneLabels || !blockLabels)
        return ExitUsage;
    marks.done = *doneLabels;
    marks.undone = *undoneLabels;
    for (const chart::BlockPlace place : marks.done) {
        if (marks.undone.contains(place)) {
            printMessage(QStringLiteral("同じブロックが --done と --undone の両方にあります: ")
                + chart::blockLabel(place));
            return ExitUsage;
        }
    }
    if (parser.isSet(builder) && parser.isSet(noBuilder)) {
        printMessage(QStringLiteral("--builder と --no-builder は一緒に指定できません。"));
        return ExitUsage;
    }
    if ((parser.isSet(builder) || parser.isSet(noBuilder)) != parser.isSet(blocks)) {
        printMessage(QStringLiteral("--builder（または --no-builder）と --blocks は一緒に"
                                    "指定してください。"));
        return ExitUsage;
    }
    marks.assigned = *blockLabels;
    marks.builder = parser.value(builder).trimmed();
    if (parser.isSet(builder) && marks.builder.isEmpty()) {
        printMessage(QStringLiteral("--builder の名前が空です。"));
        return ExitUsage;
    }

    modShared model;
    int exitCode = ExitDone;
    auto opened = openChartOption(parser.positionalArguments().at(1), model, exitCode);
    if (!opened)
        return exitCode;
    chart::Chart &chart = opened->chart;
    if (!marks.done.isEmpty() || !marks.undone.isEmpty() || !marks.assigned.isEmpty()) {
        chart::ChartKeeper keeper(*opened);
        applyMarks(marks, chart);
        if (const int code = reportSave(keeper.save(chart)); code != ExitDone)
            return code;
    }
    if (parser.isSet(json))
        return printOutput(
            QString::fromUtf8(QJsonDocument(progressJson(chart)).toJson(QJsonDocument::Indented)));
    return printOutput(progressText(chart));
}
