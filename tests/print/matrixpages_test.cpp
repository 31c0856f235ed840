#include "indexerror.h"
#include "matrixpages.h"
#include "numbertext.h"
#include "printtestdata.h"
#include "recordingsurface.h"

#include <gtest/gtest.h>

namespace {

const QString Heading = "色番号Matrix :  " + AnalysedPath;

class MatrixPagesTest : public ::testing::Test
{
protected:
    void SetUp() override { fillModel(model); }

    // The label, 100 numbers and 100 boxes of block (X, Y) on the page, in
    // 20 points and in the grid of 16-unit boxes.
    void expectBlockPage(int page, int blockX, int blockY, bool withHeading) const
    {
        SCOPED_TRACE(QStringLiteral("page %1").arg(page).toStdString());
        QList<RecordingSurface::Text> texts = surface.textsOnPage(page);
        const QList<RecordingSurface::Box> boxes = surface.boxesOnPage(page);
        ASSERT_EQ(texts.size(), withHeading ? 102 : 101);
        ASSERT_EQ(boxes.size(), 100);
        if (withHeading) {
            EXPECT_EQ(texts.first().text, Heading);
            EXPECT_EQ(texts.first().fontSize, 9);
            texts.removeFirst();
        }

        const QString label = QChar(u'A' + blockX) + numbertext::printItem(blockY + 1);
        EXPECT_EQ(texts[0].text, label);
        EXPECT_EQ(texts[0].position, QPointF(0, 5));
        for (int row = 1; row <= 10; ++row) {
            for (int column = 1; column <= 10; ++column) {
                const int cell = 10 * (row - 1) + column - 1;
                const RecordingSurface::Text &number = texts[1 + cell];
                const int16_t value = patternCell(10 * blockY + row, 10 * blockX + column);
                EXPECT_EQ(number.text, numbertext::printItem(value));
                EXPECT_EQ(number.position, QPointF(16 * column - 10, 16 * row + 10));
                EXPECT_EQ(number.fontSize, 20);
                EXPECT_EQ(boxes[cell].rect, QRectF(16 * column - 12, 16 * row + 6, 16, 16));
                EXPECT_EQ(boxes[cell].option, LineOption::Box);
                EXPECT_FALSE(boxes[cell].color.has_value());
            }
        }
    }

    RecordingSurface surface;
    modShared model;
};

TEST(BlockLabelTest, NamesLetterAndNumber)
{
    EXPECT_EQ(blockLabel(0, 0), "A1");
    EXPECT_EQ(blockLabel(15, 11), "P12");
    EXPECT_EQ(matrixPageDocumentName(1, 9), "ColorMatrix_B10.pdf");
}

TEST_F(MatrixPagesTest, FirstBlockPageShowsTheTopLeftCells)
{
    printMatrixPage(surface, model, 0, 0);
    expectBlockPage(1, 0, 0, true);
    // Row 3, column 4 holds 0, a pixel left without a colour number.
    EXPECT_EQ(surface.texts[2 + 23].text, " 0 ");
    EXPECT_EQ(surface.endedDocuments, QList<int> {1});
    // The grid spans (4, 22) to (164, 182).
    EXPECT_EQ(surface.boxes.first().rect.topLeft(), QPointF(4, 22));
    EXPECT_EQ(surface.boxes.last().rect.bottomRight(), QPointF(164, 182));
}

TEST_F(MatrixPagesTest, FullPrintRunsStripByStripWithTheHeadingOnceAndNoBlankPage)
{
    printMatrixAll(surface, model);
    ASSERT_EQ(surface.endedDocuments, QList<int> {192});
    for (int blockX = 0; blockX < 16; ++blockX) {
        for (int blockY = 0; blockY < 12; ++blockY) {
            const int page = 12 * blockX + blockY + 1;
            expectBlockPage(page, blockX, blockY, page == 1);
        }
    }
    EXPECT_EQ(surface.textsOnPage(13).first().text, "B 1 ");
    EXPECT_EQ(surface.textsOnPage(192).first().text, "P 12 ");
}

TEST_F(MatrixPagesTest, BlockOutsideTheMatrixFails)
{
    EXPECT_THROW(printMatrixPage(surface, model, 16, 0), IndexError);
    EXPECT_THROW(printMatrixPage(surface, model, 0, 12), IndexError);
}

} // namespace
