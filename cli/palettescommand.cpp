#include "commandline.h"
#include "commands.h"
#include "pieceset.h"

#include <QCoreApplication>
#include <algorithm>

namespace {

QString rgbText(quint32 rgb)
{
    return QStringLiteral("%1,%2,%3").arg(rgb >> 16 & 0xff).arg(rgb >> 8 & 0xff).arg(rgb & 0xff);
}

// "perler       5 mm    103 色  パーラービーズ": the name last, where its width
// cannot push the columns apart.
QString setList()
{
    QString text;
    for (const PieceSet &set : pieceSets())
        text += QStringLiteral("%1 %2 %3 色  %4\n")
                    .arg(set.id, -12)
                    .arg(QString::number(set.pieceSize) + QStringLiteral(" mm"), -7)
                    .arg(set.colors.size(), 4)
                    .arg(set.name);
    return text;
}

// "80-15179  48,85,69     Evergreen", the codes as wide as the set's widest.
QString colorList(const PieceSet &set)
{
    qsizetype codeWidth = 0;
    for (const PaletteColor &color : set.colors)
        codeWidth = std::max(codeWidth, color.code.size());
    QString text;
    for (const PaletteColor &color : set.colors)
        text += QStringLiteral("%1  %2  %3\n")
                    .arg(color.code, -int(codeWidth))
                    .arg(rgbText(color.rgb), -11)
                    .arg(color.name);
    return text;
}

} // namespace

int runPalettes(int argc, char *argv[])
{
    const auto application = createCommandApplication();
    QCommandLineParser parser;
    parser.setApplicationDescription(QCoreApplication::translate("palettes",
        "Lists the piece sets built into Tessamap, one line each: the id that\n"
        "--palette takes, the size of a piece, the number of colours and the name.\n"
        "Given an id, lists that set's colours instead: the maker's code, R,G,B and\n"
        "the name. The colours are measured from photographs and scans of real\n"
        "pieces: close to the real ones, not exact (transparent, glitter and\n"
        "metallic pieces least).\n"
        "\n"
        "Exit status:\n"
        "  0  done\n"
        "  1  usage error, also an id that names no set\n"
        "  4  standard output could not be written"));
    parser.addPositionalArgument(
        QStringLiteral("palettes"), QCoreApplication::translate("palettes", "The command."));
    parser.addPositionalArgument(QStringLiteral("id"),
        QCoreApplication::translate("palettes", "The set whose colours to list, e.g. perler."),
        QStringLiteral("[id]"));
    if (const auto code = parseCommandLine(parser, argc, argv, 1, 1))
        return *code;
    const QStringList arguments = parser.positionalArguments();
    if (arguments.size() == 1)
        return printOutput(setList());
    const PieceSet *set = findPieceSet(arguments[1]);
    if (!set) {
        printMessage(QStringLiteral("ピースのセット「%1」はありません。"
                                    "セットの一覧は tessamap-cli palettes で表示されます。")
                         .arg(arguments[1]));
        return ExitUsage;
    }
    return printOutput(colorList(*set));
}
