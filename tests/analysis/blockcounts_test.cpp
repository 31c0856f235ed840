#include "blockcounts.h"
#include "colornumbering.h"
#include "indexerror.h"
#include "testpicture.h"

#include <QJsonObject>
#include <gtest/gtest.h>

namespace {

// Black, with the bottom row's first 40 pixels in 40 colours: colours 33..40
// get no number and fall in block D 12 (columns 31..40).
class BlockCountsTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        const QByteArray bmp = TestPicture::withColors(40).toBmp();
        ASSERT_EQ(numberColors(QByteArrayView(bmp).sliced(54), model), 32);
    }

    modShared model;
};

TEST_F(BlockCountsTest, EveryBlockHoldsAHundredAndTheBlocksAddUpToTheColourCounts)
{
    const QList<BlockCount> blocks = blockCounts(model);
    ASSERT_EQ(blocks.size(), 192);
    int totals[modShared::MaxColors + 1] = {};
    for (const BlockCount &block : blocks) {
        int sum = 0;
        for (qsizetype i = 0; i < block.pieces.size(); ++i) {
            if (i > 0) {
                EXPECT_GT(block.pieces[i].color, block.pieces[i - 1].color);
            }
            sum += block.pieces[i].count;
            totals[block.pieces[i].color] += block.pieces[i].count;
        }
        EXPECT_EQ(sum, 100) << block.label.toStdString();
    }
    EXPECT_EQ(totals[0], 8);
    for (int n = 1; n <= modShared::MaxColors; ++n)
        EXPECT_EQ(totals[n], model.lngColorCount(n)) << n;
}

TEST_F(BlockCountsTest, ListRunsStripByStripWithUnnumberedCellsFirst)
{
    const QString list = blockCountList(model);
    EXPECT_EQ(list.count('\n'), 192);
    EXPECT_FALSE(list.contains('\r'));
    EXPECT_TRUE(list.startsWith("A 1  1×100\nA 2  1×100\n"));
    EXPECT_TRUE(list.contains("\nA 12  1×91  2×1  3×1  4×1  5×1  6×1  7×1  8×1  9×1  10×1\nB 1 "));
    EXPECT_TRUE(list.contains("\nD 12  0×8  1×90  31×1  32×1\n"));
    EXPECT_TRUE(list.endsWith("\nP 12  1×100\n"));
}

TEST_F(BlockCountsTest, JsonKeysCountsByColourNumber)
{
    const QJsonArray blocks = blockCountJson(model);
    ASSERT_EQ(blocks.size(), 192);
    const QJsonObject d12 {
        {"label", "D 12"}, {"counts", QJsonObject {{"0", 8}, {"1", 90}, {"31", 1}, {"32", 1}}}};
    EXPECT_EQ(blocks[3 * 12 + 11].toObject(), d12);
}

TEST_F(BlockCountsTest, NumberOutsideThePaletteIsRefused)
{
    model.intPixelColor(120, 160) = -1;
    EXPECT_THROW(blockCounts(model), IndexError);
}

} // namespace
