#include "chart.h"
#include "chartoption.h"
#include "checkoverlay.h"
#include "checktext.h"
#include "commandline.h"
#include "commands.h"
#include "modshared.h"
#include "outputfile.h"
#include "photocheck.h"
#include "pictureanalysis.h"
#include "writefailure.h"

#include <QCoreApplication>
#include <QRegularExpression>

namespace {

// COL,ROW,WIDTH,HEIGHT in cells; whether it lies in the picture is the check's to say.
std::optional<check::Area> parseArea(const QString &text)
{
    static const QRegularExpression pattern(
        QStringLiteral("^(\\d{1,4}),(\\d{1,4}),(\\d{1,4}),(\\d{1,4})$"));
    const QRegularExpressionMatch match = pattern.match(text);
    if (!match.hasMatch())
        return std::nullopt;
    return check::Area {match.captured(1).toInt(), match.captured(2).toInt(),
        match.captured(3).toInt(), match.captured(4).toInt()};
}

// Eight numbers in photo pixels, decimals allowed; whether they lie in the photo is the check's.
std::optional<check::Corners> parseCorners(const QString &text)
{
    const QStringList parts = text.split(u',');
    if (parts.size() != 8)
        return std::nullopt;
    static const QRegularExpression number(QStringLiteral("^-?\\d{1,6}(\\.\\d{1,6})?$"));
    double values[8];
    for (int i = 0; i < 8; ++i) {
        if (!number.match(parts[i]).hasMatch())
            return std::nullopt;
        values[i] = parts[i].toDouble();
    }
    check::Corners corners;
    for (int i = 0; i < 4; ++i)
        corners[i] = QPointF(values[2 * i], values[2 * i + 1]);
    return corners;
}

QString cornersText(const check::Corners &corners)
{
    QStringList values;
    for (const QPointF &corner : corners)
        values << QString::number(qRound(corner.x())) << QString::number(qRound(corner.y()));
    return values.join(u',');
}

QString resultJson(const check::Area &area, const check::CheckResult &result)
{
    QString json
        = QStringLiteral("{\"area\": {\"col\": %1, \"row\": %2, \"width\": %3, \"height\": "
                         "%4}, \"cells\": %5, \"wrong\": [")
              .arg(area.column)
              .arg(area.row)
              .arg(area.width)
              .arg(area.height)
              .arg(result.cells);
    QStringList cells;
    for (const check::WrongCell &cell : result.wrong)
        cells << QStringLiteral("{\"col\": %1, \"row\": %2, \"expected\": %3, \"seen\": %4}")
                     .arg(cell.column)
                     .arg(cell.row)
                     .arg(cell.expected)
                     .arg(cell.seen);
    return json + cells.join(QStringLiteral(", ")) + QStringLiteral("]}");
}

} // namespace

int runCheck(int argc, char *argv[])
{
    const auto application = createCommandApplication();
    QCommandLineParser parser;
    parser.setApplicationDescription(QCoreApplication::translate("check",
        "Finds the wrong pieces of a laid board from a photo of it: the cells whose\n"
        "piece is clearly another of the picture's colours. Give the part of the\n"
        "picture the board shows (a block, or any rectangle of cells) and, where the\n"
        "board does not stand out from a plain background, its four corners in the\n"
        "photo. The photo's colours and light are corrected from the picture itself;\n"
        "pieces of near colours are not reported.\n"
        "Prints the number of wrong pieces, then each with its block, its place in\n"
        "the block, its column and row, the colour it should be and the one it is.\n"
        "\n"
        "Exit status:\n"
        "  0  checked (with or without wrong pieces)\n"
        "  1  usage error, also when --block or --area is malformed, --overlay does\n"
        "     not end in .png or names the picture or the photo\n"
        "  2  the picture was refused (see tessamap-cli list --help)\n"
        "  3  the picture or the photo is unreadable, the area lies outside the\n"
        "     picture, the corners lie outside the photo, are crossed or too close, or\n"
        "     the board was not found or does not match the picture\n"
        "  4  the overlay or standard output could not be written\n"
        "Nothing is written unless the exit status is 0."));
    parser.addPositionalArgument(
        QStringLiteral("check"), QCoreApplication::translate("check", "The command."));
    parser.addPositionalArgument(QStringLiteral("picture"),
        QCoreApplication::translate("check", "A 160x120, 24-bit BMP picture."));
    parser.addPositionalArgument(QStringLiteral("photo"),
        QCoreApplication::translate(
            "check", "The photo of the laid board (JPEG, PNG, HEIC, ... as prepare reads them)."));
    const QCommandLineOption block(QStringLiteral("block"),
        QCoreApplication::translate("check", "The board is the block <label>, e.g. C7."),
        QStringLiteral("label"));
    const QCommandLineOption area(QStringLiteral("area"),
        QCoreApplication::translate("check",
            "The board is the rectangle of cells from column COL and row ROW (1-based, row 1 "
            "at the top), WIDTH cells across and HEIGHT down."),
        QStringLiteral("COL,ROW,WIDTH,HEIGHT"));
    const QCommandLineOption corners(QStringLiteral("corners"),
        QCoreApplication::translate("check",
            "The outer corners of the board's corner cells in photo pixels: top-left, "
            "top-right, bottom-right, bottom-left (default: found on a plain background)."),
        QStringLiteral("X1,Y1,X2,Y2,X3,Y3,X4,Y4"));
    const QCommandLineOption json(
        QStringLiteral("json"), QCoreApplication::translate("check", "Print the result as JSON."));
    const QCommandLineOption overlay(QStringLiteral("overlay"),
        QCoreApplication::translate("check",
            "Write the photo with the wrong pieces circled and the colour each should be "
            "beside it, as a PNG file."),
        QStringLiteral("file.png"));
    parser.addOptions({block, area, corners, json, overlay});
    if (const auto code = parseCommandLine(parser, argc, argv, 3))
        return *code;

    if (parser.isSet(block) == parser.isSet(area)) {
        printMessage(QStringLiteral("--block か --area のどちらか一つで、写真のボードが図案の"
                                    "どこかを指定してください。"));
        return ExitUsage;
    }
    check::Area checked;
    if (parser.isSet(block)) {
        const auto place = chart::parseBlockLabel(parser.value(block));
        if (!place) {
            printMessage(QStringLiteral("ブロックは A1 から P12 で指定してください: ")
                + parser.value(block));
            return ExitUsage;
        }
        checked = check::blockArea(*place);
    } else {
        const auto rectangle = parseArea(parser.value(area));
        if (!rectangle) {
            printMessage(QStringLiteral("--area は 列,行,幅,高さ の形（例: 1,1,29,29）で"
                                        "指定してください: ")
                + parser.value(area));
            return ExitUsage;
        }
        checked = *rectangle;
    }
    std::optional<check::Corners> givenCorners;
    if (parser.isSet(corners)) {
        givenCorners = parseCorners(parser.value(corners));
        if (!givenCorners) {
            printMessage(QStringLiteral("--corners は 左上、右上、右下、左下 の順に 8 個の数"
                                        "（例: 10,12,980,15,975,990,8,985）で指定してください: ")
                + parser.value(corners));
            return ExitUsage;
        }
    }
    const QString picture = parser.positionalArguments().at(1);
    const QString photoPath = parser.positionalArguments().at(2);
    const QString overlayPath = parser.value(overlay);
    if (parser.isSet(overlay)) {
        if (!overlayPath.endsWith(QLatin1String(".png"), Qt::CaseInsensitive)) {
            printMessage(
                QStringLiteral("--overlay のファイル名は .png で終わるようにしてください: ")
                + overlayPath);
            return ExitUsage;
        }
        if (namesSameFile(overlayPath, picture) || namesSameFile(overlayPath, photoPath)) {
            printMessage(QStringLiteral("--overlay が画像か写真と同じファイルです。"
                                        "別の名前を指定してください。\n")
                + overlayPath);
            return ExitUsage;
        }
    }

    // The chart file beside the picture names the pieces in the report.
    modShared model;
    int exitCode = ExitDone;
    const auto opened = openChartOption(picture, model, exitCode);
    if (!opened)
        return exitCode;
    const chart::Chart &chart = opened->chart;
    const check::LoadedPhoto photo = check::loadPhoto(photoPath);
    const check::CheckResult result = check::checkPhoto(chart, checked, photo, givenCorners);
    if (result.status != check::CheckResult::Status::Checked) {
        printMessage(check::checkFailureText(result, photo, photoPath,
            QStringLiteral("ボードの四隅を --corners X1,Y1,X2,Y2,X3,Y3,X4,Y4（写真のドット。"
                           "左上、右上、右下、左下の順）で指定してください。")));
        return ExitBroken;
    }
    if (parser.isSet(overlay)) {
        switch (
            check::writeOverlay(check::overlayImage(chart, checked, photo, result), overlayPath)) {
        case check::OverlayWrite::Done:
            break;
        case check::OverlayWrite::CreateFailed:
            printMessage(writeFailureText(WriteFailure::Create, overlayPath));
            return ExitWriteFailed;
        case check::OverlayWrite::WriteFailed:
            printMessage(writeFailureText(WriteFailure::Write, overlayPath));
            return ExitWriteFailed;
        }
    }
    if (parser.isSet(json))
        return printOutput(resultJson(checked, result));
    QString report = QStringLiteral("まちがい: %1 個").arg(result.wrong.size());
    for (const check::WrongCell &cell : result.wrong)
        report += QStringLiteral("\n") + check::wrongCellText(chart, cell);
    if (result.cornersFound)
        report += QStringLiteral("\n見つけた四隅: ") + cornersText(result.corners);
    return printOutput(report);
}
