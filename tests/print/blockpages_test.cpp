#include "blockpages.h"
#include "chart.h"
#include "chartcounts.h"
#include "pagesetup.h"
#include "printtestdata.h"
#include "readablecolor.h"
#include "recordingsurface.h"

#include <gtest/gtest.h>

namespace {

using Box = RecordingSurface::Box;
using Text = RecordingSurface::Text;

class BlockPagesTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        modShared model;
        fillModel(model);
        chart = chart::chartFromAnalysis(model, modShared::MaxColors);
        chart.colors[2].name = QStringLiteral("黒");
        chart.colors[2].code = QStringLiteral("H-02");
        chart.colors[4].name = QString(40, QChar(u'肌'));
        chart.builders.insert(chart::BlockPlace {2, 1}.printIndex(), QStringLiteral("さくら"));
        setUpPaper(surface, PrintSurface::ColorModeColor, BlockPagesDocumentName);
    }

    // The text of a page on the line of another text, right of it in its key column.
    static std::optional<Text> onLineOf(const QList<Text> &texts, const Text &start,
        const std::function<bool(const Text &)> &wanted)
    {
        for (const Text &text : texts) {
            if (std::abs(text.position.y() - start.position.y()) < 0.01
                && text.position.x() > start.position.x()
                && text.position.x() < start.position.x() + 78 && wanted(text))
                return text;
        }
        return std::nullopt;
    }

    chart::Chart chart;
    RecordingSurface surface;
};

TEST_F(BlockPagesTest, OnePageABlockInPrintOrderEachNamingPictureBlockAndBuilder)
{
    printBlockPages(surface, chart, {{2, 1}, {0, 0}, {2, 1}, {0, 11}});
    ASSERT_EQ(surface.endedDocuments, QList<int> {3});
    const QStringList labels {"A 1", "A 12", "C 2"};
    for (int page = 1; page <= 3; ++page) {
        const QList<Text> texts = surface.textsOnPage(page);
        ASSERT_GE(texts.size(), 3);
        EXPECT_EQ(texts[0].text, "色番号Matrix :  " + AnalysedPath);
        EXPECT_EQ(texts[1].text, labels[page - 1]);
    }
    EXPECT_EQ(surface.textsOnPage(3)[2].text, "列 21–30　行 11–20　担当: さくら");
    EXPECT_EQ(surface.textsOnPage(1)[2].text, "列 1–10　行 1–10");
    EXPECT_THROW(printBlockPages(surface, chart, {}), PrintError);
}

TEST_F(BlockPagesTest, CellsShowTheirColourAndTheirNumberInAColourThatReads)
{
    const chart::BlockPlace block {2, 1};
    printBlockPages(surface, chart, {block});
    const QList<Box> boxes = surface.boxesOnPage(1);
    const QList<Text> texts = surface.textsOnPage(1);
    int numbers = 0;
    for (int row = 0; row < 10; ++row) {
        for (int column = 0; column < 10; ++column) {
            const int number = chart.cell(block.firstRow() + row, block.firstColumn() + column);
            const Box &cell = boxes[10 * row + column];
            EXPECT_EQ(cell.color, number == 0 ? 0xFFFFFF : patternColor(number));
            const auto text = std::find_if(texts.begin(), texts.end(),
                [&](const Text &t) { return cell.rect.contains(t.position); });
            if (number == 0) {
                EXPECT_EQ(text, texts.end());
                continue;
            }
            ++numbers;
            ASSERT_NE(text, texts.end()) << row << ", " << column;
            EXPECT_EQ(text->text, QString::number(number));
            EXPECT_GE(readablecolor::contrastRatio(
                          chart::rgbOfColorValue(text->color), chart.color(number).rgb),
                readablecolor::ReadableContrast);
        }
    }
    EXPECT_GT(numbers, 90);
}

TEST_F(BlockPagesTest, TheKeyListsTheBlocksColoursWithNameCodeAndCountWithinTheMargins)
{
    // The pattern puts all 32 colours and unnumbered cells into a block: two key columns.
    const chart::BlockPlace block {0, 0};
    printBlockPages(surface, chart, {block});
    const QList<int> pieces = chart::blockPieces(chart, block);
    const QList<Text> texts = surface.textsOnPage(1);
    const QList<Box> boxes = surface.boxesOnPage(1);
    int listed = 0;
    for (int number = 0; number <= chart.colorCount(); ++number) {
        if (pieces[number] == 0)
            continue;
        ++listed;
        SCOPED_TRACE(number);
        const QString first = number == 0 ? "色番号なし" : QString::number(number);
        const auto start = std::find_if(texts.begin(), texts.end(),
            [&](const Text &t) { return t.text == first && t.position.y() > 150; });
        ASSERT_NE(start, texts.end());
        EXPECT_TRUE(onLineOf(texts, *start,
            [&](const Text &t) { return t.text == QString::number(pieces[number]) + " 枚"; }));
        const bool swatch = std::any_of(boxes.begin(), boxes.end(), [&](const Box &box) {
            return std::abs(box.rect.top() - start->position.y()) < 1.5
                && std::abs(box.rect.left() - start->position.x()) < 12
                && box.color == (number == 0 ? 0xFFFFFF : patternColor(number));
        });
        EXPECT_TRUE(swatch);
        if (number == 3) {
            EXPECT_TRUE(onLineOf(texts, *start, [](const Text &t) { return t.text == "黒"; }));
            EXPECT_TRUE(onLineOf(texts, *start, [](const Text &t) { return t.text == "H-02"; }));
        }
        if (number == 5) {
            const auto name
                = onLineOf(texts, *start, [](const Text &t) { return t.text.startsWith(u'肌'); });
            ASSERT_TRUE(name);
            EXPECT_TRUE(name->text.endsWith(u'…'));
        }
    }
    EXPECT_GT(listed, 30);

    // 20 units of margin all round, as the heading has above and left; texts as
    // wide as the surface measured them, half an em a character.
    const QRectF page(0, 0, surface.scaleWidth() - 40, surface.scaleHeight() - 40);
    for (const Box &box : boxes)
        EXPECT_TRUE(page.adjusted(-0.3, -0.3, 0.3, 0.3).contains(box.rect));
    for (const Text &text : texts) {
        const double em = text.fontSize * 25.4 / 72;
        const QSizeF size(double(text.text.size()) * em / 2, em); // in millimetres, near units
        EXPECT_TRUE(page.adjusted(0, 0, 0.1, 0).contains(QRectF(text.position, size)))
            << text.text.toStdString();
    }
}

} // namespace
