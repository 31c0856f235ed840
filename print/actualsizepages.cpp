#include "actualsizepages.h"
#include "placedtext.h"

#include "blockcounts.h"
#include "chart.h"
#include "colorvalue.h"
#include "fontface.h"
#include "indexerror.h"
#include "printsurface.h"
#include "readablecolor.h"

#include <QHash>
#include <QMap>
#include <QRectF>
#include <algorithm>
#include <cmath>

namespace actualsize {

namespace {

constexpr int32_t Black = 0;
constexpr int32_t White = 0xFFFFFF;
constexpr int32_t GridGrey = colorvalue::fromRgb(128, 128, 128);
// The pegboard edges: a colour of their own, so that they show over the
// block lines where both fall together.
constexpr int32_t BoardBlue = colorvalue::fromRgb(0, 90, 255);
constexpr double ThinLine = 0.1;
constexpr double BlockLine = 0.35;
constexpr double BoardLine = 0.5;
constexpr double BoardDash = 2;
constexpr double BoardGap = 1.5;
constexpr double MarkLine = 0.15;
constexpr double MarkLength = 3;
constexpr double MarkGap = 1;
constexpr double CrossArm = 1.5;
constexpr double CrossLine = 0.2;
// A shared cell shows its colour with this share of white over it.
constexpr double Wash = 0.6;

constexpr double HeadingFontSize = 12;
constexpr double DetailFontSize = 8.5;
constexpr double LabelFontSize = 7;
constexpr double HeadingDetailLeft = 24;
// About 4 points at 2.5 mm, growing with the cell up to what a 2-digit number
// needs on the largest pieces.
constexpr double NumberPointsPerMillimetre = 1.6;
constexpr double MaxNumberFontSize = 24;

quint32 cellRgb(const chart::Chart &chart, int number)
{
    if (number < 0 || number > chart.colorCount())
        throw IndexError();
    return number == 0 ? 0xFFFFFFu : chart.color(number).rgb;
}

quint32 washed(quint32 rgb)
{
    const auto channel = [&](int shift) {
        const double value = double((rgb >> shift) & 0xFF);
        return quint32(std::lround(value + (255 - value) * Wash)) << shift;
    };
    return channel(16) | channel(8) | channel(0);
}

QString paperName(Paper paper)
{
    return paper == Paper::A3 ? QStringLiteral("A3") : QStringLiteral("A4");
}

void printCentred(PrintSurface &surface, QPointF centre, const QString &text)
{
    printAt(surface, centre.x() - surface.textWidth(text) / 2,
        centre.y() - surface.textHeight() / 2, text);
}

void fill(PrintSurface &surface, const QRectF &box, int32_t color)
{
    surface.line(box.x(), box.y(), box.width(), box.height(), color, LineOption::BoxFilled);
}

// A '+' centred on the point; the surface draws only rectangles.
void drawCross(PrintSurface &surface, QPointF centre, double arm, double thickness)
{
    fill(surface, QRectF(centre.x() - arm, centre.y() - thickness / 2, 2 * arm, thickness), Black);
    fill(surface, QRectF(centre.x() - thickness / 2, centre.y() - arm, thickness, 2 * arm), Black);
}

// Dashes along a line from start, across (horizontal) or down.
void drawDashes(PrintSurface &surface, QPointF start, double length, bool horizontal)
{
    for (double along = 0; along < length; along += BoardDash + BoardGap) {
        const double dash = std::min(BoardDash, length - along);
        if (horizontal)
            fill(surface, QRectF(start.x() + along, start.y() - BoardLine / 2, dash, BoardLine),
                BoardBlue);
        else
            fill(surface, QRectF(start.x() - BoardLine / 2, start.y() + along, BoardLine, dash),
                BoardBlue);
    }
}

// Where a tile's cells land on its page.
struct Grid
{
    Tile tile;
    double size = 0;
    QPointF topLeft;

    double x(int column) const { return topLeft.x() + size * (column - tile.firstColumn); }
    double y(int row) const { return topLeft.y() + size * (row - tile.firstRow); }
    QRectF area() const { return {topLeft, QSizeF(size * tile.columns(), size * tile.rows())}; }
};

bool isShared(const Tile &tile, int row, int column)
{
    return (tile.sharesColumn && column == tile.firstColumn)
        || (tile.sharesRow && row == tile.firstRow);
}

// The cells in runs of one colour along each row, the runs of one colour
// together: the printer changes colour once per colour, not per cell.
void drawCells(PrintSurface &surface, const chart::Chart &chart, const Grid &grid)
{
    QMap<int32_t, QList<QRectF>> runs;
    const Tile &tile = grid.tile;
    for (int row = tile.firstRow; row <= tile.lastRow; ++row) {
        int column = tile.firstColumn;
        while (column <= tile.lastColumn) {
            const auto colorAt = [&](int c) {
                const quint32 rgb = cellRgb(chart, chart.cell(row, c));
                return chart::colorValueOfRgb(isShared(tile, row, c) ? washed(rgb) : rgb);
            };
            const int32_t color = colorAt(column);
            int end = column + 1;
            while (end <= tile.lastColumn && colorAt(end) == color)
                ++end;
            runs[color].append(
                QRectF(grid.x(column), grid.y(row), grid.size * (end - column), grid.size));
            column = end;
        }
    }
    for (auto run = runs.cbegin(); run != runs.cend(); ++run) {
        for (const QRectF &box : run.value())
            fill(surface, box, run.key());
    }
}

void drawGridLines(PrintSurface &surface, const Grid &grid, int board)
{
    const Tile &tile = grid.tile;
    const QRectF area = grid.area();
    const auto across = [&](int row, double width, int32_t color) {
        fill(surface, QRectF(area.left(), grid.y(row) - width / 2, area.width(), width), color);
    };
    const auto down = [&](int column, double width, int32_t color) {
        fill(surface, QRectF(grid.x(column) - width / 2, area.top(), width, area.height()), color);
    };
    for (int row = tile.firstRow; row <= tile.lastRow + 1; ++row)
        across(row, ThinLine, GridGrey);
    for (int column = tile.firstColumn; column <= tile.lastColumn + 1; ++column)
        down(column, ThinLine, GridGrey);
    // Every 10 cells, and the frame.
    for (int row = tile.firstRow; row <= tile.lastRow + 1; ++row) {
        if ((row - 1) % 10 == 0 || row == tile.firstRow || row == tile.lastRow + 1)
            across(row, BlockLine, Black);
    }
    for (int column = tile.firstColumn; column <= tile.lastColumn + 1; ++column) {
        if ((column - 1) % 10 == 0 || column == tile.firstColumn || column == tile.lastColumn + 1)
            down(column, BlockLine, Black);
    }
    if (board <= 0)
        return;
    for (int row = tile.firstRow; row <= tile.lastRow + 1; ++row) {
        if ((row - 1) % board == 0)
            drawDashes(surface, QPointF(area.left(), grid.y(row)), area.width(), true);
    }
    for (int column = tile.firstColumn; column <= tile.lastColumn + 1; ++column) {
        if ((column - 1) % board == 0)
            drawDashes(surface, QPointF(grid.x(column), area.top()), area.height(), false);
    }
}

void drawNumbers(PrintSurface &surface, const chart::Chart &chart, const Grid &grid)
{
    const Tile &tile = grid.tile;
    surface.setFontSize(std::min(MaxNumberFontSize, NumberPointsPerMillimetre * grid.size));
    const double height = surface.textHeight();
    QHash<int, double> widths;
    // The numbers of one text colour together, dark ones first.
    QMap<quint32, QList<QPoint>> byTextColor;
    for (int row = tile.firstNumberedRow(); row <= tile.lastRow; ++row) {
        for (int column = tile.firstNumberedColumn(); column <= tile.lastColumn; ++column) {
            const quint32 rgb = cellRgb(chart, chart.cell(row, column));
            byTextColor[readablecolor::textColor(rgb, 0x000000, 0xFFFFFF)].append(
                QPoint(column, row));
        }
    }
    for (auto group = byTextColor.cbegin(); group != byTextColor.cend(); ++group) {
        surface.setForeColor(chart::colorValueOfRgb(group.key()));
        for (const QPoint &cell : group.value()) {
            const int number = chart.cell(cell.y(), cell.x());
            auto width = widths.find(number);
            if (width == widths.end())
                width = widths.insert(number, surface.textWidth(QString::number(number)));
            printAt(surface, grid.x(cell.x()) + (grid.size - *width) / 2,
                grid.y(cell.y()) + (grid.size - height) / 2, QString::number(number));
        }
    }
    surface.setForeColor(Black);
}

// Corner marks to cut along the grid's edges, and a cross where the shared
// column or row ends: the neighbouring sheet's cut edge goes there.
void drawMarks(PrintSurface &surface, const Grid &grid)
{
    const QRectF area = grid.area();
    for (const QPointF corner :
        {area.topLeft(), area.topRight(), area.bottomLeft(), area.bottomRight()}) {
        const double outX = corner.x() == area.left() ? -1 : 1;
        const double outY = corner.y() == area.top() ? -1 : 1;
        const double nearX = corner.x() + outX * MarkGap;
        const double nearY = corner.y() + outY * MarkGap;
        fill(surface,
            QRectF(QPointF(nearX, corner.y() - MarkLine / 2),
                QPointF(nearX + outX * MarkLength, corner.y() + MarkLine / 2))
                .normalized(),
            Black);
        fill(surface,
            QRectF(QPointF(corner.x() - MarkLine / 2, nearY),
                QPointF(corner.x() + MarkLine / 2, nearY + outY * MarkLength))
                .normalized(),
            Black);
    }
    const double away = MarkBand / 2;
    if (grid.tile.sharesColumn) {
        const double x = grid.x(grid.tile.firstColumn + 1);
        drawCross(surface, QPointF(x, area.top() - away), CrossArm, CrossLine);
        drawCross(surface, QPointF(x, area.bottom() + away), CrossArm, CrossLine);
    }
    if (grid.tile.sharesRow) {
        const double y = grid.y(grid.tile.firstRow + 1);
        drawCross(surface, QPointF(area.left() - away, y), CrossArm, CrossLine);
        drawCross(surface, QPointF(area.right() + away, y), CrossArm, CrossLine);
    }
}

// The block letters above the grid and numbers beside it, each centred on
// the part of its block the page shows, where that part is wide enough.
void drawBlockLabels(PrintSurface &surface, const Grid &grid)
{
    const Tile &tile = grid.tile;
    const QRectF area = grid.area();
    surface.setFontSize(LabelFontSize);
    const double labelHeight = surface.textHeight();
    for (int block = (tile.firstColumn - 1) / 10; block <= (tile.lastColumn - 1) / 10; ++block) {
        const int first = std::max(tile.firstColumn, 10 * block + 1);
        const int last = std::min(tile.lastColumn, 10 * block + 10);
        const QString label(QChar(u'A' + block));
        if (grid.size * (last - first + 1) < surface.textWidth(label) + 0.5)
            continue;
        printCentred(surface,
            QPointF((grid.x(first) + grid.x(last + 1)) / 2, area.top() - MarkBand - LabelBand / 2),
            label);
    }
    for (int block = (tile.firstRow - 1) / 10; block <= (tile.lastRow - 1) / 10; ++block) {
        const int first = std::max(tile.firstRow, 10 * block + 1);
        const int last = std::min(tile.lastRow, 10 * block + 10);
        if (grid.size * (last - first + 1) < labelHeight)
            continue;
        printCentred(surface,
            QPointF(area.left() - MarkBand - LabelBand / 2, (grid.y(first) + grid.y(last + 1)) / 2),
            QString::number(block + 1));
    }
}

QString placeText(const Tile &tile)
{
    return QStringLiteral("%1 – %2").arg(tile.across).arg(tile.down);
}

QString omittedNumbersText()
{
    return QStringLiteral("ピースが %1 mm より小さいため、色番号は省いています。")
        .arg(pieceSizeText(NumberedPieceSize));
}

void printTilePage(PrintSurface &surface, const chart::Chart &chart, const Options &options,
    const Plan &plan, qsizetype index)
{
    const Tile &tile = plan.tiles[index];
    const Grid grid {
        tile, plan.pieceSize, QPointF(MarkBand + LabelBand, HeadingBand + LabelBand + MarkBand)};
    drawCells(surface, chart, grid);
    drawGridLines(surface, grid, options.board);
    if (plan.pieceSize >= NumberedPieceSize)
        drawNumbers(surface, chart, grid);
    drawMarks(surface, grid);
    drawBlockLabels(surface, grid);

    surface.setFontSize(HeadingFontSize);
    printAt(surface, 0, 0, placeText(tile));
    const int firstColumn = tile.firstNumberedColumn();
    const int firstRow = tile.firstNumberedRow();
    QString detail
        = QStringLiteral("ブロック %1 – %2　列 %3–%4　行 %5–%6　%7 / %8 ページ　%9 mm　%10")
              .arg(blockCaption((firstColumn - 1) / 10, (firstRow - 1) / 10),
                  blockCaption((tile.lastColumn - 1) / 10, (tile.lastRow - 1) / 10))
              .arg(firstColumn)
              .arg(tile.lastColumn)
              .arg(firstRow)
              .arg(tile.lastRow)
              .arg(index + 2)
              .arg(plan.pageCount())
              .arg(pieceSizeText(plan.pieceSize), options.title);
    surface.setFontSize(DetailFontSize);
    printAt(surface, HeadingDetailLeft, 1, detail);
    if (plan.pieceSize < NumberedPieceSize)
        printAt(surface, HeadingDetailLeft, 4.5, omittedNumbersText());
}

// The whole picture small, each tile's numbered part framed with its place.
void drawMap(PrintSurface &surface, const chart::Chart &chart, const Plan &plan, const QRectF &room)
{
    const double cell
        = std::min(room.width() / chart::Chart::Columns, room.height() / chart::Chart::Rows);
    const QPointF origin = room.topLeft();
    const auto at = [&](int column, int row) {
        return origin + QPointF(cell * (column - 1), cell * (row - 1));
    };
    QMap<int32_t, QList<QRectF>> runs;
    for (int row = 1; row <= chart::Chart::Rows; ++row) {
        int column = 1;
        while (column <= chart::Chart::Columns) {
            const int number = chart.cell(row, column);
            int end = column + 1;
            while (end <= chart::Chart::Columns && chart.cell(row, end) == number)
                ++end;
            runs[chart::colorValueOfRgb(cellRgb(chart, number))].append(
                QRectF(at(column, row), QSizeF(cell * (end - column), cell)));
            column = end;
        }
    }
    for (auto run = runs.cbegin(); run != runs.cend(); ++run) {
        for (const QRectF &box : run.value())
            fill(surface, box, run.key());
    }
    for (const Tile &tile : plan.tiles) {
        const QRectF frame(at(tile.firstNumberedColumn(), tile.firstNumberedRow()),
            at(tile.lastColumn + 1, tile.lastRow + 1));
        surface.line(
            frame.x(), frame.y(), frame.width(), frame.height(), std::nullopt, LineOption::Box);
        const QString label = placeText(tile);
        surface.setFontSize(DetailFontSize);
        const QSizeF box(surface.textWidth(label) + 1.5, surface.textHeight() + 0.5);
        fill(surface, QRectF(frame.center() - QPointF(box.width() / 2, box.height() / 2), box),
            White);
        printCentred(surface, frame.center(), label);
    }
}

void printCover(
    PrintSurface &surface, const chart::Chart &chart, const Options &options, const Plan &plan)
{
    const double width = surface.scaleWidth();
    const double height = surface.scaleHeight();
    surface.setFontSize(HeadingFontSize);
    printAt(surface, 0, 0, QStringLiteral("実寸で印刷　") + options.title);
    surface.setFontSize(DetailFontSize);
    QString summary = QStringLiteral(
        "ピース %1 mm　用紙 %2 %3　全 %4 ページ（この表紙と %5 枚：横 %6 枚 × 縦 %7 枚）")
                          .arg(pieceSizeText(plan.pieceSize), paperName(options.paper),
                              plan.landscape ? QStringLiteral("横") : QStringLiteral("縦"))
                          .arg(plan.pageCount())
                          .arg(plan.tiles.size())
                          .arg(plan.tilesAcross)
                          .arg(plan.tilesDown);
    if (options.board > 0)
        summary += QStringLiteral("　ボード %1 × %1").arg(options.board);
    printAt(surface, 0, 7, summary);

    // The check line: exactly 100 mm from the outer edge of one end tick to
    // that of the other, as a ruler laid on it reads.
    constexpr double CheckTop = 16;
    constexpr double CheckLength = 100;
    constexpr double CheckLine = 0.3;
    printCentred(surface, QPointF(CheckLength / 2, CheckTop), QStringLiteral("10 cm"));
    fill(surface, QRectF(0, CheckTop + 4 - CheckLine / 2, CheckLength, CheckLine), Black);
    for (const double x : {0.0, CheckLength - CheckLine})
        fill(surface, QRectF(x, CheckTop + 2, CheckLine, 4), Black);
    printAt(surface, 0, CheckTop + 8,
        QStringLiteral("印刷の倍率は 100 %（「実際のサイズ」）にしてください。"
                       "「用紙に合わせる」では縮んで、ピースと合いません。"));
    printAt(surface, 0, CheckTop + 12,
        QStringLiteral("印刷したら、上の線が定規で 10 cm あるか確かめてください。"));

    // What the marks on the pages mean.
    double y = CheckTop + 19;
    const double textLeft = 14;
    const auto explain = [&](const QString &text) {
        printAt(surface, textLeft, y - 1.5, text);
        y += 5;
    };
    fill(surface, QRectF(0, y - BlockLine / 2, 10, BlockLine), Black);
    explain(QStringLiteral("太線：10 マスごと（ブロックの境目。上と左にブロックの文字と番号）"));
    if (options.board > 0) {
        drawDashes(surface, QPointF(0, y), 10, true);
        explain(QStringLiteral("青の点線：ボード %1 × %1 の端").arg(options.board));
    }
    fill(surface, QRectF(0, y - 2, 4, 4), chart::colorValueOfRgb(washed(0x3060C0)));
    explain(QStringLiteral("薄い色の列・行：隣のページと重なる所（番号は隣のページにあります）"));
    drawCross(surface, QPointF(5, y), CrossArm, CrossLine);
    explain(QStringLiteral("合わせ印：隣のページを角の印で切り、その端をこの印に合わせて重ねます"));
    if (plan.pieceSize < NumberedPieceSize)
        explain(omittedNumbersText());
    explain(QStringLiteral("ページの「2 – 3」は、横に 2 枚目・縦に 3 枚目のページです。"));

    const double mapTop = y + 2;
    drawMap(surface, chart, plan, QRectF(0, mapTop, width, height - mapTop));
}

} // namespace

PrintableAreas printableAreas(PrintSurface &surface, Paper paper)
{
    surface.setPaperSize(paper == Paper::A3 ? PrintSurface::PaperA3 : PrintSurface::PaperA4);
    const auto area = [&](int orientation) {
        surface.setOrientation(orientation);
        surface.setScaleMode(PrintSurface::ScaleModeMillimetres);
        return QSizeF(surface.scaleWidth(), surface.scaleHeight());
    };
    PrintableAreas areas;
    areas.landscape = area(PrintSurface::OrientationLandscape);
    areas.portrait = area(PrintSurface::OrientationPortrait);
    return areas;
}

Plan setUpActualSize(PrintSurface &surface, const Options &options, const QString &documentPath)
{
    // First: without a printer, the document's PDF brings margins of its own.
    surface.setDocumentPath(documentPath);
    const PrintableAreas areas = printableAreas(surface, options.paper);
    const Plan plan = choosePlan(areas.portrait, areas.landscape, options.pieceSize,
        chart::Chart::Columns, chart::Chart::Rows);
    surface.setOrientation(
        plan.landscape ? PrintSurface::OrientationLandscape : PrintSurface::OrientationPortrait);
    surface.setColorMode(PrintSurface::ColorModeColor);
    surface.setResolution(Resolution);
    surface.setForeColor(Black);
    return plan;
}

Plan printActualSize(PrintSurface &surface, const chart::Chart &chart, const Options &options)
{
    surface.scale();
    surface.setScaleMode(PrintSurface::ScaleModeMillimetres);
    const QSizeF area(surface.scaleWidth(), surface.scaleHeight());
    const Plan plan = planTiles(area, options.pieceSize, chart::Chart::Columns, chart::Chart::Rows,
        area.width() > area.height());
    if (plan.tiles.isEmpty())
        throw PrintError("この用紙には、この大きさのピースが入りません。");
    surface.setFontName(TessamapFontFamily);
    surface.setForeColor(Black);
    printCover(surface, chart, options, plan);
    for (qsizetype index = 0; index < plan.tiles.size(); ++index) {
        surface.newPage();
        printTilePage(surface, chart, options, plan, index);
    }
    surface.endDoc();
    return plan;
}

} // namespace actualsize
