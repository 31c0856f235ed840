#include "blockpages.h"
#include "placedtext.h"

#include "blockcounts.h"
#include "chart.h"
#include "chartcounts.h"
#include "elidedtext.h"
#include "indexerror.h"
#include "pagesetup.h"
#include "printsurface.h"
#include "readablecolor.h"

#include <algorithm>

namespace {

constexpr int BlockSide = 10;
constexpr int32_t Black = 0;
constexpr int32_t White = 0xFFFFFF;
// The margin right of and below the drawing matches the one above and left of the origin.
constexpr double Margin = 20;

constexpr double HeadingFontSize = 9; // as beginDocument prints it
constexpr double LabelFontSize = 20;
constexpr double DetailFontSize = 9;
constexpr double NumberFontSize = 12;
constexpr double KeyFontSize = 8;

constexpr double LabelTop = 6;
constexpr double DetailLeft = 30;
constexpr double DetailTop = 10;
constexpr double GridTop = 20;
constexpr double CellSize = 13;
constexpr double FrameLine = 0.5;
constexpr double KeyGap = 7;

// A key line: the number right-aligned before its swatch, then name and code;
// the count right-aligned at the column's end.
constexpr double KeyPitch = 4.4;
constexpr double KeyColumnGap = 4;
constexpr double KeyNumberRight = 5;
constexpr double KeySwatchLeft = 7;
constexpr double KeySwatchSize = 3.2;
constexpr double KeyNameLeft = 12;
constexpr double KeyCodeWidth = 20;
// Room for "100 枚", a whole block of one colour.
constexpr double KeyCountWidth = 12;
constexpr double KeyTextGap = 2;

// text cut with "…" until it fits room in the current font.
QString fitted(PrintSurface &surface, const QString &text, double room)
{
    QString shown = text;
    for (qsizetype length = text.size() - 1; length >= 1 && surface.textWidth(shown) > room;
         --length)
        shown = elidedText(text, length);
    return shown;
}

quint32 cellRgb(const chart::Chart &chart, int number)
{
    if (number < 0 || number > chart.colorCount())
        throw IndexError();
    return number == 0 ? 0xFFFFFFu : chart.color(number).rgb;
}

void printCells(
    PrintSurface &surface, const chart::Chart &chart, chart::BlockPlace block, double left)
{
    const auto cellAt = [&](int row, int column) {
        return chart.cell(block.firstRow() + row, block.firstColumn() + column);
    };
    for (int row = 0; row < BlockSide; ++row) {
        for (int column = 0; column < BlockSide; ++column) {
            surface.line(left + CellSize * column, GridTop + CellSize * row, CellSize, CellSize,
                chart::colorValueOfRgb(cellRgb(chart, cellAt(row, column))), LineOption::BoxFilled);
        }
    }
    for (int row = 0; row < BlockSide; ++row) {
        for (int column = 0; column < BlockSide; ++column) {
            surface.line(left + CellSize * column, GridTop + CellSize * row, CellSize, CellSize,
                std::nullopt, LineOption::Box);
        }
    }
    const double side = CellSize * BlockSide;
    const double half = FrameLine / 2;
    for (const double offset : {0.0, side}) {
        surface.line(left + offset - half, GridTop - half, FrameLine, side + FrameLine, Black,
            LineOption::BoxFilled);
        surface.line(left - half, GridTop + offset - half, side + FrameLine, FrameLine, Black,
            LineOption::BoxFilled);
    }

    surface.setFontSize(NumberFontSize);
    const double height = surface.textHeight();
    int32_t textColor = Black;
    for (int row = 0; row < BlockSide; ++row) {
        for (int column = 0; column < BlockSide; ++column) {
            const int number = cellAt(row, column);
            if (number == 0)
                continue;
            const int32_t wanted = chart::colorValueOfRgb(
                readablecolor::textColor(chart.color(number).rgb, 0x000000, 0xFFFFFF));
            if (wanted != textColor)
                surface.setForeColor(textColor = wanted);
            const QString text = QString::number(number);
            printAt(surface, left + CellSize * column + (CellSize - surface.textWidth(text)) / 2,
                GridTop + CellSize * row + (CellSize - height) / 2, text);
        }
    }
    surface.setForeColor(Black);
}

struct KeyEntry
{
    int number = 0; // 0: the cells without a colour number
    int pieces = 0;
};

// The colours of the block in ascending number, the cells without one last.
QList<KeyEntry> keyEntries(const chart::Chart &chart, chart::BlockPlace block)
{
    const QList<int> pieces = chart::blockPieces(chart, block);
    QList<KeyEntry> entries;
    for (int number = 1; number < pieces.size(); ++number) {
        if (pieces[number] > 0)
            entries.append({number, pieces[number]});
    }
    if (pieces[0] > 0)
        entries.append({0, pieces[0]});
    return entries;
}

void printKey(PrintSurface &surface, const chart::Chart &chart, chart::BlockPlace block, double top,
    double width, double bottom)
{
    const QList<KeyEntry> entries = keyEntries(chart, block);
    const int count = int(entries.size());
    const double firstLine = top + KeyPitch;
    // One column while the lines fit, else two, closer together if need be.
    const int fit = std::max(1, int((bottom - firstLine) / KeyPitch));
    const int columns = count > fit ? 2 : 1;
    const int perColumn = (count + columns - 1) / columns;
    const double pitch = std::min(KeyPitch, (bottom - firstLine) / perColumn);
    const double columnWidth = (width - KeyColumnGap * (columns - 1)) / columns;
    const double codeLeft = columnWidth - KeyCountWidth - KeyCodeWidth;

    surface.setFontSize(KeyFontSize);
    const double swatchTop = (surface.textHeight() - KeySwatchSize) / 2;
    for (int column = 0; column < columns; ++column) {
        const double left = (columnWidth + KeyColumnGap) * column;
        printRightAligned(surface, left + KeyNumberRight + 1, top, QStringLiteral("番号"));
        printAt(surface, left + KeyNameLeft, top, QStringLiteral("名前"));
        printAt(surface, left + codeLeft, top, QStringLiteral("コード"));
        printRightAligned(surface, left + columnWidth, top, QStringLiteral("枚数"));
    }
    for (int k = 0; k < count; ++k) {
        const KeyEntry &entry = entries[k];
        const double left = (columnWidth + KeyColumnGap) * (k / perColumn);
        const double y = firstLine + pitch * (k % perColumn);
        const double swatchLeft = left + KeySwatchLeft;
        surface.line(swatchLeft, y + swatchTop, KeySwatchSize, KeySwatchSize,
            chart::colorValueOfRgb(cellRgb(chart, entry.number)), LineOption::BoxFilled);
        // The outline shows a white colour on white paper.
        surface.line(
            swatchLeft, y + swatchTop, KeySwatchSize, KeySwatchSize, std::nullopt, LineOption::Box);
        QString name = QStringLiteral("色番号なし");
        QString code;
        if (entry.number > 0) {
            printRightAligned(surface, left + KeyNumberRight, y, QString::number(entry.number));
            name = chart.color(entry.number).name;
            code = chart.color(entry.number).code;
        }
        if (!name.isEmpty())
            printAt(surface, left + KeyNameLeft, y,
                fitted(surface, name, codeLeft - KeyNameLeft - KeyTextGap));
        if (!code.isEmpty())
            printAt(surface, left + codeLeft, y, fitted(surface, code, KeyCodeWidth - KeyTextGap));
        printRightAligned(
            surface, left + columnWidth, y, QString::number(entry.pieces) + QStringLiteral(" 枚"));
    }
}

QString detailText(const chart::Chart &chart, chart::BlockPlace block)
{
    QString text = QStringLiteral("列 %1–%2　行 %3–%4")
                       .arg(block.firstColumn())
                       .arg(block.firstColumn() + BlockSide - 1)
                       .arg(block.firstRow())
                       .arg(block.firstRow() + BlockSide - 1);
    if (const QString builder = chart.builder(block); !builder.isEmpty())
        text += QStringLiteral("　担当: ") + builder;
    return text;
}

} // namespace

void printBlockPages(
    PrintSurface &surface, const chart::Chart &chart, QList<chart::BlockPlace> blocks)
{
    if (blocks.isEmpty())
        throw PrintError(NoBlockText);
    std::sort(blocks.begin(), blocks.end(),
        [](chart::BlockPlace a, chart::BlockPlace b) { return a.printIndex() < b.printIndex(); });
    blocks.erase(std::unique(blocks.begin(), blocks.end()), blocks.end());

    const QString heading = QStringLiteral("色番号Matrix :  ") + chart.picturePath;
    beginDocument(surface, heading);
    const double width = surface.scaleWidth() - 2 * Margin;
    const double bottom = surface.scaleHeight() - 2 * Margin;
    const double gridLeft = (width - CellSize * BlockSide) / 2;
    for (qsizetype page = 0; page < blocks.size(); ++page) {
        const chart::BlockPlace block = blocks[page];
        if (page > 0) {
            surface.newPage();
            // Each sheet goes to its builder on its own, so each names the picture.
            surface.setFontSize(HeadingFontSize);
            printAt(surface, 0, 0, heading);
        }
        surface.setFontSize(LabelFontSize);
        printAt(surface, 0, LabelTop, blockCaption(block.x, block.y));
        surface.setFontSize(DetailFontSize);
        printAt(surface, DetailLeft, DetailTop, detailText(chart, block));
        printCells(surface, chart, block, gridLeft);
        printKey(surface, chart, block, GridTop + CellSize * BlockSide + KeyGap, width, bottom);
    }
    surface.endDoc();
}
