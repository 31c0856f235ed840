#include "csvbytes.h"
#include "csvmodels.h"
#include "modshared.h"

#include <QByteArrayList>
#include <gtest/gtest.h>
#include <memory>

namespace {

QByteArray zeroLine(QByteArray first, QByteArray last = "0")
{
    QByteArray line = first + ',';
    for (int column = 2; column <= 159; ++column)
        line += "0,";
    return line + last + "\r\n";
}

TEST(CsvBytes, OneColourWhitePicture)
{
    const auto model = whitePicture();
    const QByteArray pixels = csv::pixelColorNumberBytes(*model);
    ASSERT_EQ(pixels.size(), 38520);
    QByteArray line = QByteArray("1,").repeated(159) + "1\r\n";
    ASSERT_EQ(line.size(), 321);
    EXPECT_EQ(pixels, line.repeated(120));
    EXPECT_EQ(csv::colorDataBytes(*model, 1), "1,16777215\r\n");
    EXPECT_EQ(csv::colorCountBytes(*model, 1), "1,19200\r\n");
}

// Corners and neighbours tell rows from columns: a transposed or flipped
// reading of the flat block moves them to other lines or fields.
TEST(CsvBytes, LineIsRowFromTopFieldIsColumnFromLeft)
{
    auto model = std::make_unique<modShared>();
    model->intPixelColor(1, 1) = 12;
    model->intPixelColor(1, 160) = 32;
    model->intPixelColor(2, 1) = 3;
    model->intPixelColor(1, 2) = 4;
    model->intPixelColor(120, 1) = 7;
    model->intPixelColor(120, 160) = 9;

    const QList<QByteArray> lines = csv::pixelColorNumberBytes(*model).split('\n');
    ASSERT_EQ(lines.size(), 121);
    EXPECT_EQ(lines.last(), "");
    auto withLf = [](const QByteArray &line) { return line + '\n'; };
    QByteArray first = zeroLine("12", "32");
    first.replace(0, 5, "12,4,");
    EXPECT_EQ(withLf(lines[0]), first);
    EXPECT_EQ(withLf(lines[1]), zeroLine("3"));
    for (int row = 3; row <= 119; ++row)
        EXPECT_EQ(withLf(lines[row - 1]), zeroLine("0")) << "row " << row;
    EXPECT_EQ(withLf(lines[119]), zeroLine("7", "9"));
}

TEST(CsvBytes, WidestValuesFitTheBuffer)
{
    auto model = std::make_unique<modShared>();
    for (int row = 1; row <= 120; ++row)
        for (int column = 1; column <= 160; ++column)
            model->intPixelColor(row, column) = -32768;
    const QByteArray pixels = csv::pixelColorNumberBytes(*model);
    EXPECT_EQ(pixels, (QByteArray("-32768,").repeated(159) + "-32768\r\n").repeated(120));
}

TEST(CsvBytes, MoreThan32ColoursKeepsZeroFieldsAnd32Lines)
{
    auto model = std::make_unique<modShared>();
    // Columns 33, 66, ... carry colours that got no number.
    for (int row = 1; row <= 120; ++row)
        for (int column = 1; column <= 160; ++column)
            model->intPixelColor(row, column) = column % 33;
    QByteArray expectedData;
    QByteArray expectedCount;
    for (int n = 1; n <= 32; ++n) {
        model->lngColorRGB(n) = n * 500000;
        model->lngColorCount(n) = n == 1 ? 600 : 480;
        expectedData += QByteArray::number(n) + ',' + QByteArray::number(n * 500000) + "\r\n";
        expectedCount += QByteArray::number(n) + ',' + (n == 1 ? "600" : "480") + "\r\n";
    }

    const QList<QByteArray> fields
        = csv::pixelColorNumberBytes(*model).split('\n').first().split(',');
    ASSERT_EQ(fields.size(), 160);
    EXPECT_EQ(fields[31], "32");
    EXPECT_EQ(fields[32], "0");
    EXPECT_EQ(fields[33], "1");
    EXPECT_EQ(fields[159], "28\r");
    EXPECT_EQ(csv::colorDataBytes(*model, 32), expectedData);
    EXPECT_EQ(csv::colorCountBytes(*model, 32), expectedCount);
}

} // namespace
