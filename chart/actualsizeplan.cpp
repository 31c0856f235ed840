#include "actualsizeplan.h"

#include <QRegularExpression>
#include <cmath>

namespace actualsize {

namespace {

// Whole cells of the size in the length; a hair of slack so that a size that
// divides the length exactly is not lost to rounding.
int cellsIn(double length, double pieceSize)
{
    return int(std::floor(length / pieceSize + 1e-9));
}

// The first cell of each page along one direction; every page after the first
// begins with the last cell of the one before.
QList<int> pageStarts(int cells, int perPage)
{
    QList<int> starts {1};
    while (starts.last() + perPage - 1 < cells)
        starts.append(starts.last() + perPage - 1);
    return starts;
}

} // namespace

Plan planTiles(QSizeF printableArea, double pieceSize, int columns, int rows, bool landscape)
{
    Plan plan;
    plan.landscape = landscape;
    plan.pieceSize = pieceSize;
    const int across = cellsIn(printableArea.width() - 2 * MarkBand - LabelBand, pieceSize);
    const int down
        = cellsIn(printableArea.height() - 2 * MarkBand - LabelBand - HeadingBand, pieceSize);
    // A page of one cell would share it and add nothing.
    if (across < 2 || down < 2)
        return plan;
    const QList<int> columnStarts = pageStarts(columns, across);
    const QList<int> rowStarts = pageStarts(rows, down);
    plan.tilesAcross = int(columnStarts.size());
    plan.tilesDown = int(rowStarts.size());
    for (int y = 0; y < plan.tilesDown; ++y) {
        for (int x = 0; x < plan.tilesAcross; ++x) {
            Tile tile;
            tile.across = x + 1;
            tile.down = y + 1;
            tile.firstColumn = columnStarts[x];
            tile.lastColumn = std::min(columns, tile.firstColumn + across - 1);
            tile.firstRow = rowStarts[y];
            tile.lastRow = std::min(rows, tile.firstRow + down - 1);
            tile.sharesColumn = x > 0;
            tile.sharesRow = y > 0;
            plan.tiles.append(tile);
        }
    }
    return plan;
}

Plan choosePlan(QSizeF portraitArea, QSizeF landscapeArea, double pieceSize, int columns, int rows)
{
    const Plan portrait = planTiles(portraitArea, pieceSize, columns, rows, false);
    const Plan landscape = planTiles(landscapeArea, pieceSize, columns, rows, true);
    if (portrait.tiles.isEmpty())
        return landscape;
    if (landscape.tiles.isEmpty() || portrait.tiles.size() <= landscape.tiles.size())
        return portrait;
    return landscape;
}

std::optional<double> parsePieceSize(QStringView text)
{
    static const QRegularExpression pattern(QStringLiteral("^[0-9]{1,2}(\\.[0-9]{1,2})?$"));
    if (!pattern.match(text).hasMatch())
        return std::nullopt;
    const double size = text.toDouble();
    if (size < MinPieceSize || size > MaxPieceSize)
        return std::nullopt;
    return size;
}

QString pieceSizeText(double pieceSize)
{
    // Two decimals at most, without trailing zeros: 2.5, 2.55, 5.
    return QString::number(std::round(pieceSize * 100) / 100, 'g', 6);
}

QString documentName(const QString &baseName, double pieceSize)
{
    return baseName + QLatin1Char('-') + pieceSizeText(pieceSize) + QStringLiteral("mm.pdf");
}

} // namespace actualsize
