#include "colornumbering.h"
#include "colorvalue.h"
#include "testpicture.h"

#include <QFile>
#include <QTemporaryDir>
#include <algorithm>
#include <gtest/gtest.h>
#include <numeric>
#include <random>
#include <vector>

namespace {

int16_t numberPicture(const TestPicture &picture, modShared &model)
{
    return numberColors(QByteArrayView(picture.toBmp()).sliced(54), model);
}

int countSum(const modShared &model)
{
    int sum = 0;
    for (int n = 1; n <= modShared::MaxColors; ++n)
        sum += model.lngColorCount(n);
    return sum;
}

int zeroCells(const modShared &model)
{
    const int16_t *cells = model.intPixelColor.data();
    return int(std::count(cells, cells + PixelColorMatrix::Size, 0));
}

// The numbering done the obvious way, for comparison: a linear search over
// the colours met so far, pixels in file order.
void expectReferenceNumbering(const TestPicture &picture, const modShared &model)
{
    std::vector<int32_t> palette;
    std::vector<int> counts(modShared::MaxColors, 0);
    for (int row = PixelColorMatrix::Rows; row >= 1; --row) {
        for (int column = 1; column <= PixelColorMatrix::Columns; ++column) {
            const int32_t color = picture.at(row, column);
            auto found = std::find(palette.begin(), palette.end(), color);
            if (found == palette.end() && palette.size() < modShared::MaxColors)
                found = palette.insert(found, color);
            const int number = found == palette.end() ? 0 : int(found - palette.begin()) + 1;
            if (number != 0)
                ++counts[number - 1];
            ASSERT_EQ(model.intPixelColor(row, column), number) << row << "," << column;
        }
    }
    for (int n = 1; n <= modShared::MaxColors; ++n) {
        EXPECT_EQ(model.lngColorRGB(n), n <= int(palette.size()) ? palette[n - 1] : 0) << n;
        EXPECT_EQ(model.lngColorCount(n), counts[n - 1]) << n;
    }
}

} // namespace

TEST(ColorNumbering, OneColourCoversThePicture)
{
    for (const int32_t color : {0xFFFFFF, 0x000000}) {
        modShared model;
        ASSERT_EQ(numberPicture(TestPicture(color), model), 1);
        EXPECT_EQ(model.lngColorRGB(1), color);
        EXPECT_EQ(model.lngColorCount(1), 19200);
        EXPECT_EQ(model.lngColorCount(2), 0);
        EXPECT_EQ(zeroCells(model), 0);
        EXPECT_EQ(model.intPixelColor(1, 1), 1);
        EXPECT_EQ(model.intPixelColor(120, 160), 1);
    }
}

TEST(ColorNumbering, NumbersInOrderOfFirstAppearanceFromTheBottomRow)
{
    TestPicture picture(0x000000);
    picture.set(120, 1, colorvalue::fromRgb(1, 2, 3)); // bottom-left: stored first
    picture.set(1, 1, 0x0000FF); // top row only
    picture.set(119, 160, 0x000100);
    picture.set(119, 159, 0x000101); // one step from the one before
    modShared model;
    ASSERT_EQ(numberPicture(picture, model), 5);
    EXPECT_EQ(model.lngColorRGB(1), 1 + 256 * 2 + 65536 * 3);
    EXPECT_EQ(model.lngColorRGB(2), 0); // black, a colour like any other
    EXPECT_EQ(model.lngColorRGB(3), 0x000101);
    EXPECT_EQ(model.lngColorRGB(4), 0x000100);
    EXPECT_EQ(model.lngColorRGB(5), 0x0000FF);
    EXPECT_EQ(model.intPixelColor(120, 1), 1);
    EXPECT_EQ(model.intPixelColor(1, 1), 5);
    EXPECT_EQ(model.intPixelColor(1, 2), 2);
    EXPECT_EQ(model.lngColorCount(2), 19200 - 4);
    EXPECT_EQ(countSum(model), 19200);
}

TEST(ColorNumbering, ExactlyThirtyTwoColoursNumberEveryPixel)
{
    modShared model;
    ASSERT_EQ(numberPicture(TestPicture::withColors(32), model), 32);
    EXPECT_EQ(zeroCells(model), 0);
    EXPECT_EQ(countSum(model), 19200);
    EXPECT_EQ(model.lngColorRGB(32), 31 * 0x030507);
}

TEST(ColorNumbering, ColoursPastTheThirtySecondStayUnnumbered)
{
    modShared model;
    ASSERT_EQ(numberPicture(TestPicture::withColors(40), model), 32);
    EXPECT_EQ(zeroCells(model), 8);
    EXPECT_EQ(countSum(model), 19200 - 8);
    // Colours 33..40 were met at columns 33..40 of the bottom row.
    EXPECT_EQ(model.intPixelColor(120, 32), 32);
    EXPECT_EQ(model.intPixelColor(120, 33), 0);
    EXPECT_EQ(model.intPixelColor(120, 40), 0);
    EXPECT_EQ(model.intPixelColor(120, 41), 1);
}

TEST(ColorNumbering, ALaterColourRepeatedAfterTheLimitStaysUnnumbered)
{
    // The remembered last match must not turn a refused colour into a number.
    TestPicture picture = TestPicture::withColors(33);
    picture.set(120, 34, 32 * 0x030507);
    picture.set(120, 35, 32 * 0x030507);
    modShared model;
    numberPicture(picture, model);
    EXPECT_EQ(model.intPixelColor(120, 34), 0);
    EXPECT_EQ(model.intPixelColor(120, 35), 0);
    EXPECT_EQ(zeroCells(model), 3);
}

TEST(ColorNumbering, AnalysisOfAFileNamesItOrLeavesNothing)
{
    QTemporaryDir dir;
    modShared model;
    const QString good = TestPicture::withColors(12).save(dir.filePath("good.bmp"));
    AnalysisResult result = analyseBitmapFile(good, model);
    ASSERT_EQ(result.status, BitmapStatus::Ok);
    EXPECT_EQ(result.colorMax, 12);
    EXPECT_EQ(model.strAnalysedFileName, good);

    const QByteArray whole = TestPicture::withColors(5).toBmp();
    for (const int length : {54, 30000, 57653}) {
        const QString cut = dir.filePath(QStringLiteral("cut%1.bmp").arg(length));
        QFile file(cut);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(whole.left(length));
        file.close();
        analyseBitmapFile(good, model);
        result = analyseBitmapFile(cut, model);
        EXPECT_EQ(result.status, BitmapStatus::PixelDataIncomplete);
        EXPECT_EQ(result.colorMax, 0);
        EXPECT_EQ(zeroCells(model), PixelColorMatrix::Size);
        EXPECT_EQ(model.lngColorRGB(1), 0);
        EXPECT_EQ(model.lngColorCount(1), 0);
        EXPECT_TRUE(model.strAnalysedFileName.isEmpty());
    }
}

TEST(ColorNumbering, RandomColoursMatchTheObviousNumbering)
{
    // Random 24-bit colours share hash slots in some of these pictures; short
    // random runs keep the last-match shortcut in play between lookups.
    std::mt19937 random(7);
    for (int picture = 0; picture < 20; ++picture) {
        std::vector<int32_t> colors(picture % 2 ? 32 : 40);
        for (int32_t &color : colors)
            color = int32_t(random() & 0xFFFFFF);
        TestPicture noise;
        int32_t color = colors[0];
        for (int row = PixelColorMatrix::Rows; row >= 1; --row) {
            for (int column = 1; column <= PixelColorMatrix::Columns; ++column) {
                if (random() % 2)
                    color = colors[random() % colors.size()];
                noise.set(row, column, color);
            }
        }
        modShared model;
        ASSERT_EQ(numberPicture(noise, model), 32);
        expectReferenceNumbering(noise, model);
    }
}

TEST(ColorNumbering, EveryPixelANewColour)
{
    // 19,168 lookups that find nothing, many of them starting at a taken slot.
    TestPicture picture;
    for (int k = 0; k < PixelColorMatrix::Size; ++k)
        picture.set(120 - k / 160, k % 160 + 1, k * 0x0301);
    modShared model;
    ASSERT_EQ(numberPicture(picture, model), 32);
    expectReferenceNumbering(picture, model);
}
