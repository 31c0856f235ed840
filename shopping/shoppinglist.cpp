#include "shoppinglist.h"

#include "chartcounts.h"

#include <QDir>
#include <QFileInfo>

namespace shopping {

namespace {

std::optional<int> parseInRange(QStringView text, int low, int high)
{
    bool isNumber = false;
    const int value = text.toInt(&isNumber);
    if (!isNumber || value < low || value > high)
        return std::nullopt;
    return value;
}

// Index n: the pieces of colour number n; index 0 (cells without one) stays 0.
QList<int> piecesInScope(const chart::Chart &chart, Scope scope)
{
    if (scope == Scope::Remaining)
        return chart::remainingPieces(chart);
    QList<int> pieces {0};
    for (const chart::ChartColor &color : chart.colors)
        pieces.append(color.pieces);
    return pieces;
}

} // namespace

int piecesWithSpares(int pieces, int sparePercent)
{
    // In whole numbers: a product of doubles may land a hair above an integer.
    const qint64 hundredths = qint64(pieces) * (100 + sparePercent);
    return int((hundredths + 99) / 100);
}

int bagsFor(int pieces, int bagSize)
{
    return int((qint64(pieces) + bagSize - 1) / bagSize);
}

List makeList(const chart::Chart &chart, const Options &options)
{
    List list;
    list.options = options;
    const QList<int> pieces = piecesInScope(chart, options.scope);
    for (int number = 1; number <= chart.colorCount(); ++number) {
        if (pieces[number] == 0)
            continue;
        const chart::ChartColor &color = chart.color(number);
        Line line {number, color.rgb, color.code, color.name, pieces[number], 0, 0};
        line.withSpares = piecesWithSpares(line.pieces, options.sparePercent);
        line.bags = bagsFor(line.withSpares, options.bagSize);
        list.total.pieces += line.pieces;
        list.total.withSpares += line.withSpares;
        list.total.bags += line.bags;
        list.lines.append(line);
    }
    return list;
}

std::optional<int> parseSparePercent(QStringView text)
{
    if (text.endsWith(u'%'))
        text.chop(1);
    return parseInRange(text, 0, MaxSparePercent);
}

std::optional<int> parseBagSize(QStringView text)
{
    return parseInRange(text, 1, MaxBagSize);
}

QString pathBesidePicture(const QString &picturePath, const QString &suffix)
{
    const QFileInfo picture(picturePath);
    return picture.absoluteDir().filePath(
        picture.completeBaseName() + QStringLiteral("-shopping.") + suffix);
}

} // namespace shopping
