#include "shoppinglist.h"
#include "shoppingtext.h"

#include <gtest/gtest.h>
#include <numeric>

using namespace shopping;

namespace {

// Colour n + 1 in stripes of uneven widths, so that the colours' counts differ
// and blocks hold several colours; the last cell is left without a number.
chart::Chart stripedChart(int colorCount)
{
    chart::Chart chart;
    for (int n = 1; n <= colorCount; ++n)
        chart.colors.append({quint32(0x010203 * n), 0, QStringLiteral("色%1").arg(n), {}, {}});
    for (int row = 1; row <= chart::Chart::Rows; ++row) {
        for (int column = 1; column <= chart::Chart::Columns; ++column) {
            const int number = (row * 7 + column * column / 13) % colorCount + 1;
            chart.cells(row, column) = int16_t(number);
        }
    }
    chart.cells(chart::Chart::Rows, chart::Chart::Columns) = 0;
    for (int row = 1; row <= chart::Chart::Rows; ++row) {
        for (int column = 1; column <= chart::Chart::Columns; ++column) {
            if (const int number = chart.cell(row, column))
                ++chart.colors[number - 1].pieces;
        }
    }
    return chart;
}

} // namespace

TEST(ShoppingList, SparesAndBagsRoundUpExactly)
{
    const struct
    {
        int pieces, spare, withSpares;
    } spares[] = {{100, 10, 110}, {101, 10, 112}, {1, 10, 2}, {549, 10, 604}, {7, 0, 7},
        {19200, 1000, 211200}, {3, 33, 4}, {300, 33, 399}};
    for (const auto &c : spares)
        EXPECT_EQ(piecesWithSpares(c.pieces, c.spare), c.withSpares) << c.pieces << " " << c.spare;
    EXPECT_EQ(bagsFor(1000, 1000), 1);
    EXPECT_EQ(bagsFor(1001, 1000), 2);
    EXPECT_EQ(bagsFor(1, 1000), 1);
    EXPECT_EQ(bagsFor(211200, 1), 211200);
}

TEST(ShoppingList, AllAndStillToLayMatchACountOfTheCells)
{
    chart::Chart chart = stripedChart(9);
    for (const int done : {0, 5, 13, 100, 191})
        chart.done.set(std::size_t(done));
    for (const Scope scope : {Scope::All, Scope::Remaining}) {
        SCOPED_TRACE(int(scope));
        const Options options {15, 250, scope};
        // Counted cell by cell, a cell's block found from its row and column.
        QList<int> expected(10, 0);
        for (int row = 1; row <= chart::Chart::Rows; ++row) {
            for (int column = 1; column <= chart::Chart::Columns; ++column) {
                const chart::BlockPlace block {(column - 1) / 10, (row - 1) / 10};
                if (scope == Scope::All || !chart.isDone(block))
                    ++expected[chart.cell(row, column)];
            }
        }
        const List list = makeList(chart, options);
        ASSERT_EQ(list.lines.size(), 9);
        Line total;
        for (const Line &line : list.lines) {
            EXPECT_EQ(line.pieces, expected[line.number]) << line.number;
            // w is the least whole number with w / pieces >= 1.15.
            EXPECT_GE(line.withSpares * 100, line.pieces * 115);
            EXPECT_LT((line.withSpares - 1) * 100, line.pieces * 115);
            EXPECT_GE(line.bags * 250, line.withSpares);
            EXPECT_LT((line.bags - 1) * 250, line.withSpares);
            EXPECT_EQ(line.name, QStringLiteral("色%1").arg(line.number));
            total.pieces += line.pieces;
            total.withSpares += line.withSpares;
            total.bags += line.bags;
        }
        EXPECT_EQ(list.total.pieces, std::accumulate(expected.begin() + 1, expected.end(), 0));
        EXPECT_EQ(list.total.pieces, total.pieces);
        EXPECT_EQ(list.total.withSpares, total.withSpares);
        EXPECT_EQ(list.total.bags, total.bags);
    }
}

TEST(ShoppingList, AColourWithNothingLeftToLayIsLeftOut)
{
    chart::Chart chart;
    chart.colors = {{0xFF0000, 19100, {}, {}, {}}, {0x00FF00, 100, {}, {}, {}}};
    for (int row = 1; row <= chart::Chart::Rows; ++row) {
        for (int column = 1; column <= chart::Chart::Columns; ++column)
            chart.cells(row, column) = row <= 10 && column <= 10 ? 2 : 1;
    }
    chart.done.set(0); // A1, all of colour 2
    const List all = makeList(chart, {});
    ASSERT_EQ(all.lines.size(), 2);
    EXPECT_EQ(all.total.bags, 22 + 1); // 21010 pieces fill 22 bags
    const List remaining = makeList(chart, {10, 1000, Scope::Remaining});
    ASSERT_EQ(remaining.lines.size(), 1);
    EXPECT_EQ(remaining.lines[0].number, 1);
    EXPECT_TRUE(tableText(remaining).endsWith(QStringLiteral("  1 色\n")));
}

TEST(ShoppingList, OptionValuesOutOfRangeOrNotNumbersAreRefused)
{
    EXPECT_EQ(parseSparePercent(u"0"), 0);
    EXPECT_EQ(parseSparePercent(u"1000"), 1000);
    EXPECT_EQ(parseSparePercent(u"15%"), 15);
    EXPECT_EQ(parseBagSize(u"1"), 1);
    EXPECT_EQ(parseBagSize(u"100000"), 100000);
    for (const char16_t *bad : {u"-1", u"1001", u"abc", u"10.5", u"%", u"99999999999"})
        EXPECT_FALSE(parseSparePercent(bad)) << QString::fromUtf16(bad).toStdString();
    for (const char16_t *bad : {u"0", u"-5", u"100001", u"1e3", u"ten"})
        EXPECT_FALSE(parseBagSize(bad)) << QString::fromUtf16(bad).toStdString();
}
