#include "actualsizeplan.h"

#include <QList>
#include <gtest/gtest.h>

namespace {

using namespace actualsize;

// The printable areas of A4 and A3 in portrait with 4.23 mm margins.
const QSizeF A4Area(201.54, 288.54);
const QSizeF A3Area(288.54, 411.54);

// Which page numbers each cell along one direction: 1..cells, each once.
bool numbersEachOnce(const QList<QPair<int, int>> &numberedRanges, int cells)
{
    QList<int> counts(cells, 0);
    for (const auto &[first, last] : numberedRanges) {
        for (int cell = first; cell <= last; ++cell)
            ++counts[cell - 1];
    }
    return counts.count(1) == cells;
}

TEST(ActualSizePlanTest, EveryCellIsNumberedOnOnePageAndPagesShareOneLine)
{
    for (const QSizeF &paper : {A4Area, A3Area}) {
        for (const bool landscape : {false, true}) {
            const QSizeF area = landscape ? paper.transposed() : paper;
            // Every size a user may type, to the tenth.
            for (int tenths = 10; tenths <= 500; ++tenths) {
                const double size = tenths / 10.0;
                SCOPED_TRACE(::testing::Message()
                    << area.width() << " x " << area.height() << " at " << size << " mm");
                const Plan plan = planTiles(area, size, 160, 120, landscape);
                ASSERT_EQ(plan.tiles.size(), plan.tilesAcross * plan.tilesDown);
                // Tiles run row by row, so a row's tiles share its rows, a column's its columns.
                QList<QPair<int, int>> columns;
                QList<QPair<int, int>> rows;
                bool fits = true;
                bool shared = true;
                for (qsizetype i = 0; i < plan.tiles.size(); ++i) {
                    const Tile &tile = plan.tiles[i];
                    const Tile &head = plan.tiles[(tile.down - 1) * plan.tilesAcross];
                    const Tile &top = plan.tiles[tile.across - 1];
                    shared = shared && tile.firstRow == head.firstRow
                        && tile.lastRow == head.lastRow && tile.firstColumn == top.firstColumn
                        && tile.lastColumn == top.lastColumn
                        && tile.sharesColumn == (tile.across > 1)
                        && tile.sharesRow == (tile.down > 1)
                        && (!tile.sharesColumn || tile.firstColumn == plan.tiles[i - 1].lastColumn)
                        && tile.columns() >= 2 && tile.rows() >= 2;
                    fits = fits && size * tile.columns() <= area.width() - 2 * MarkBand - LabelBand
                        && size * tile.rows()
                            <= area.height() - 2 * MarkBand - LabelBand - HeadingBand;
                    if (tile.down == 1)
                        columns.append({tile.firstNumberedColumn(), tile.lastColumn});
                    if (tile.across == 1)
                        rows.append({tile.firstNumberedRow(), tile.lastRow});
                }
                EXPECT_TRUE(shared);
                EXPECT_TRUE(fits);
                EXPECT_TRUE(numbersEachOnce(columns, 160));
                EXPECT_TRUE(numbersEachOnce(rows, 120));
            }
        }
    }
}

TEST(ActualSizePlanTest, PieceSizesAreMillimetresFromOneToFiftyWithTwoDecimals)
{
    EXPECT_EQ(parsePieceSize(u"5"), 5.0);
    EXPECT_EQ(parsePieceSize(u"2.6"), 2.6);
    EXPECT_EQ(parsePieceSize(u"1"), 1.0);
    EXPECT_EQ(parsePieceSize(u"50"), 50.0);
    EXPECT_EQ(parsePieceSize(u"2.55"), 2.55);
    for (const char16_t *bad : {u"", u"0.99", u"50.01", u"51", u"2.555", u"2,6", u"-5", u"1e1",
             u" 5", u"5mm", u"abc", u".5"})
        EXPECT_FALSE(parsePieceSize(bad)) << QString::fromUtf16(bad).toStdString();

    EXPECT_EQ(documentName(QStringLiteral("fruits"), 2.6), QStringLiteral("fruits-2.6mm.pdf"));
    EXPECT_EQ(documentName(QStringLiteral("作品.v2"), 5), QStringLiteral("作品.v2-5mm.pdf"));
    EXPECT_EQ(pieceSizeText(2.50), QStringLiteral("2.5"));
    EXPECT_EQ(pieceSizeText(*parsePieceSize(u"2.55")), QStringLiteral("2.55"));
}

} // namespace
