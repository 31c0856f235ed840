#include "overviewsheet.h"

#include "blockcounts.h"
#include "chart.h"
#include "colorvalue.h"
#include "elidedtext.h"
#include "modshared.h"
#include "pagesetup.h"
#include "printsurface.h"

#include <QImage>
#include <QList>
#include <QPoint>
#include <QPointF>
#include <algorithm>
#include <iterator>

namespace {

constexpr int BlockSize = 10;
constexpr int32_t White = 0xFFFFFF;
constexpr double MapTop = 8;
constexpr double GridWidth = 0.35;
constexpr double LabelFontSize = 5.5;
// Wide enough for "M 12", the widest label, in 5.5-point Gothic.
constexpr double LabelBoxWidth = 5.3;
constexpr double LabelBoxHeight = 2.2;

constexpr double ListFontSize = 7;
constexpr double ListLabelFontSize = 8;
constexpr double ColumnLefts[] = {0, 81};
constexpr double ItemsLeft = 9;
// Room for a swatch and "32×100" in 7-point Gothic.
constexpr double ItemPitch = 14;
constexpr int ItemsPerLine = 5;
constexpr double LinePitch = 3.8;
constexpr double EntryGap = 1.2;
constexpr double SwatchSize = 2.4;
constexpr double SwatchTop = 0.4;
// The margin below the list matches the one above and left of the origin.
constexpr double BottomMargin = 20;
// The key's columns within a list column; names are cut to fit before the count.
constexpr double KeySwatchLeft = 6;
constexpr double KeyNameLeft = 10;
constexpr double KeyCountLeft = 62;
constexpr qsizetype KeyNameLength = 20;
constexpr double KeyGap = 4;

// Marks a cell without a colour number, so its white is never taken for a white
// colour. The surface draws only rectangles, hence a '+' of two thin boxes.
void drawCross(PrintSurface &surface, double x, double y, double size)
{
    // Short arms keep a field of unnumbered cells from reading as a grid.
    const double arm = 0.55 * size;
    const double thickness = 0.1;
    surface.line(x + (size - arm) / 2, y + (size - thickness) / 2, arm, thickness, std::nullopt,
        LineOption::BoxFilled);
    surface.line(x + (size - thickness) / 2, y + (size - arm) / 2, thickness, arm, std::nullopt,
        LineOption::BoxFilled);
}

int32_t cellColor(const modShared &model, int color)
{
    return color == 0 ? White : model.lngColorRGB(color);
}

void printCells(PrintSurface &surface, const modShared &model)
{
    // One picture of 19,200 pixels rather than as many boxes: a fraction of the
    // document and of the time.
    QImage cells(PixelColorMatrix::Columns, PixelColorMatrix::Rows, QImage::Format_RGB32);
    QList<QPoint> unnumbered;
    for (int row = 1; row <= PixelColorMatrix::Rows; ++row) {
        for (int column = 1; column <= PixelColorMatrix::Columns; ++column) {
            const int color = model.intPixelColor(row, column);
            if (color < 0 || color > modShared::MaxColors)
                throw IndexError();
            const int32_t value = cellColor(model, color);
            cells.setPixel(column - 1, row - 1,
                qRgb(colorvalue::red(value), colorvalue::green(value), colorvalue::blue(value)));
            if (color == 0)
                unnumbered.append(QPoint(column - 1, row - 1));
        }
    }
    surface.picture(0, MapTop, PixelColorMatrix::Columns, PixelColorMatrix::Rows, cells);
    for (const QPoint &cell : std::as_const(unnumbered))
        drawCross(surface, cell.x(), MapTop + cell.y(), 1);
}

void printGrid(PrintSurface &surface)
{
    const double half = GridWidth / 2;
    for (int blockX = 0; blockX <= BlocksAcross; ++blockX) {
        surface.line(BlockSize * blockX - half, MapTop - half, GridWidth,
            PixelColorMatrix::Rows + GridWidth, std::nullopt, LineOption::BoxFilled);
    }
    for (int blockY = 0; blockY <= BlocksDown; ++blockY) {
        surface.line(-half, MapTop + BlockSize * blockY - half,
            PixelColorMatrix::Columns + GridWidth, GridWidth, std::nullopt, LineOption::BoxFilled);
    }
}

void printBlockLabels(PrintSurface &surface)
{
    surface.setFontSize(LabelFontSize);
    for (int blockX = 0; blockX < BlocksAcross; ++blockX) {
        for (int blockY = 0; blockY < BlocksDown; ++blockY) {
            const double left = BlockSize * blockX + 0.3;
            const double top = MapTop + BlockSize * blockY + 0.3;
            // White under the label keeps it legible on dark and light cells alike.
            surface.line(left, top, LabelBoxWidth, LabelBoxHeight, White, LineOption::BoxFilled);
            surface.setCurrentX(left + 0.25);
            surface.setCurrentY(top + 0.1);
            surface.print({blockCaption(blockX, blockY)});
        }
    }
}

// An entry of the piece lists and where its label goes.
struct ListEntry
{
    BlockCount block;
    QPointF topLeft;
};

// Where the swatch of the entry's i-th colour goes; its count follows it.
QPointF swatchAt(const ListEntry &entry, qsizetype i)
{
    return entry.topLeft
        + QPointF(ItemsLeft + ItemPitch * double(i % ItemsPerLine),
            LinePitch * double(i / ItemsPerLine) + SwatchTop);
}

// The entries page by page, down one column and then the next; an entry that
// would cross the foot of a column starts the next one whole. The first page's
// columns begin at firstTop.
QList<QList<ListEntry>> layOutLists(QList<BlockCount> blocks, double firstTop, double bottom)
{
    QList<QList<ListEntry>> pages(1);
    qsizetype column = 0;
    double top = firstTop;
    double y = top;
    for (BlockCount &block : blocks) {
        const auto lines
            = std::max<qsizetype>(1, (block.pieces.size() + ItemsPerLine - 1) / ItemsPerLine);
        const double height = LinePitch * double(lines);
        if (y > top && y + height > bottom) {
            if (++column == qsizetype(std::size(ColumnLefts))) {
                column = 0;
                top = 0;
                pages.emplaceBack();
            }
            y = top;
        }
        pages.last().append({std::move(block), QPointF(ColumnLefts[column], y)});
        y += height + EntryGap;
    }
    return pages;
}

// Where the key puts colour n of count: down the first column, then the second.
QPointF keyEntryAt(int n, int count)
{
    const int perColumn = (count + 1) / 2;
    return {ColumnLefts[(n - 1) / perColumn], LinePitch * double((n - 1) % perColumn)};
}

double keyHeight(int count)
{
    return count == 0 ? 0 : LinePitch * double((count + 1) / 2) + KeyGap;
}

void printKey(PrintSurface &surface, const modShared &model, const QStringList &names)
{
    const int count = int(names.size());
    for (int n = 1; n <= count; ++n) {
        const QPointF at = keyEntryAt(n, count) + QPointF(KeySwatchLeft, SwatchTop);
        surface.line(
            at.x(), at.y(), SwatchSize, SwatchSize, model.lngColorRGB(n), LineOption::BoxFilled);
        surface.line(at.x(), at.y(), SwatchSize, SwatchSize, std::nullopt, LineOption::Box);
    }
    surface.setFontSize(ListFontSize);
    for (int n = 1; n <= count; ++n) {
        const QPointF at = keyEntryAt(n, count);
        const auto printAt = [&](double left, const QString &text) {
            surface.setCurrentX(at.x() + left);
            surface.setCurrentY(at.y());
            surface.print({text});
        };
        printAt(0, QString::number(n));
        if (!names[n - 1].isEmpty())
            printAt(KeyNameLeft, elidedText(names[n - 1], KeyNameLength));
        printAt(KeyCountLeft, QString::number(model.lngColorCount(n)) + QStringLiteral(" 枚"));
    }
}

void printListPage(PrintSurface &surface, const modShared &model, const QList<ListEntry> &entries)
{
    // The swatches one colour number after another, then their outlines, then
    // the texts: the printer changes colour once per colour, not per swatch.
    for (int color = 0; color <= modShared::MaxColors; ++color) {
        for (const ListEntry &entry : entries) {
            for (qsizetype i = 0; i < entry.block.pieces.size(); ++i) {
                if (entry.block.pieces[i].color != color)
                    continue;
                const QPointF at = swatchAt(entry, i);
                surface.line(at.x(), at.y(), SwatchSize, SwatchSize, cellColor(model, color),
                    LineOption::BoxFilled);
            }
        }
    }
    // The outline shows a white colour on white paper.
    for (const ListEntry &entry : entries) {
        for (qsizetype i = 0; i < entry.block.pieces.size(); ++i) {
            const QPointF at = swatchAt(entry, i);
            surface.line(at.x(), at.y(), SwatchSize, SwatchSize, std::nullopt, LineOption::Box);
            if (entry.block.pieces[i].color == 0)
                drawCross(surface, at.x(), at.y(), SwatchSize);
        }
    }

    for (const ListEntry &entry : entries) {
        surface.setFontSize(ListLabelFontSize);
        surface.setCurrentX(entry.topLeft.x());
        surface.setCurrentY(entry.topLeft.y());
        surface.print({entry.block.label});
        // The counts sit lower so their smaller digits share the label's baseline.
        surface.setFontSize(ListFontSize);
        for (qsizetype i = 0; i < entry.block.pieces.size(); ++i) {
            const QPointF at = swatchAt(entry, i);
            surface.setCurrentX(at.x() + SwatchSize + 0.7);
            surface.setCurrentY(at.y() - 0.1);
            surface.print({pieceCountText(entry.block.pieces[i])});
        }
    }
}

} // namespace

void printOverview(PrintSurface &surface, const modShared &model, const QStringList &names)
{
    beginDocument(surface, QStringLiteral("色番号Matrix :  ") + model.strAnalysedFileName);
    printCells(surface, model);
    printGrid(surface);
    printBlockLabels(surface);
    const double listBottom = surface.scaleHeight() - 2 * BottomMargin;
    const QList<QList<ListEntry>> pages
        = layOutLists(blockCounts(model), keyHeight(int(names.size())), listBottom);
    for (qsizetype page = 0; page < pages.size(); ++page) {
        surface.newPage();
        if (page == 0)
            printKey(surface, model, names);
        printListPage(surface, model, pages[page]);
    }
    surface.endDoc();
}

void printOverview(PrintSurface &surface, const chart::Chart &chart)
{
    QStringList names;
    for (const chart::ChartColor &color : chart.colors)
        names.append(chart::colorLabel(color));
    const bool named = std::any_of(
        names.cbegin(), names.cend(), [](const QString &name) { return !name.isEmpty(); });
    printOverview(surface, chart::analysisOfChart(chart), named ? names : QStringList());
}
