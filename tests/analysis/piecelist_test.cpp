#include "piecelist.h"

#include <gtest/gtest.h>

TEST(PieceCountList, OneLinePerColourWithoutPadding)
{
    modShared model;
    EXPECT_EQ(pieceCountList(model, 0), QString());
    model.lngColorCount(1) = 19200;
    EXPECT_EQ(pieceCountList(model, 1), QStringLiteral("色1:　19200 枚\r\n"));

    for (int n = 1; n <= 32; ++n)
        model.lngColorCount(n) = n * 10;
    const QString list = pieceCountList(model, 32);
    EXPECT_EQ(list.count(QStringLiteral("\r\n")), 32);
    EXPECT_TRUE(list.startsWith(QStringLiteral("色1:　10 枚\r\n色2:　20 枚\r\n")));
    EXPECT_TRUE(list.endsWith(QStringLiteral("色32:　320 枚\r\n")));
}

TEST(BlockTest, FindsAnUnnumberedCellOnlyInsideItsBlock)
{
    modShared model;
    std::fill_n(model.intPixelColor.data(), PixelColorMatrix::Size, int16_t(1));
    EXPECT_FALSE(blockHasUnnumberedCell(model, 0, 0));
    model.intPixelColor(11, 1) = 0; // first row of block (0, 1)
    model.intPixelColor(1, 11) = 0; // first column of block (1, 0)
    EXPECT_FALSE(blockHasUnnumberedCell(model, 0, 0));
    EXPECT_TRUE(blockHasUnnumberedCell(model, 0, 1));
    EXPECT_TRUE(blockHasUnnumberedCell(model, 1, 0));
    model.intPixelColor(10, 10) = 0;
    EXPECT_TRUE(blockHasUnnumberedCell(model, 0, 0));
    model.intPixelColor(120, 160) = 0;
    EXPECT_TRUE(blockHasUnnumberedCell(model, 15, 11));
}
