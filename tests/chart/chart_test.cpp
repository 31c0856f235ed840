#include "chart.h"
#include "colornumbering.h"
#include "testpicture.h"

#include <gtest/gtest.h>

using namespace chart;

TEST(ChartTest, AnAnalysisBecomesCellsColoursAndCountsWithNothingDoneAndBack)
{
    TestPicture picture(0x0000FF); // red
    picture.set(1, 1, 0x102030); // R 0x30, G 0x20, B 0x10
    modShared model;
    model.strAnalysedFileName = QStringLiteral("/絵/fruits.bmp");
    const QByteArray bmp = picture.toBmp();
    ASSERT_EQ(numberColors(QByteArrayView(bmp).sliced(54), model), 2);

    const Chart chart = chartFromAnalysis(model, 2);
    ASSERT_EQ(chart.colorCount(), 2);
    EXPECT_EQ(chart.color(1).rgb, 0xFF0000u);
    EXPECT_EQ(chart.color(1).pieces, 19199);
    EXPECT_EQ(chart.color(2).rgb, 0x302010u);
    EXPECT_EQ(chart.color(2).pieces, 1);
    EXPECT_EQ(chart.cell(1, 1), 2);
    EXPECT_EQ(chart.cell(120, 160), 1);
    EXPECT_TRUE(chart.done.none());
    EXPECT_TRUE(chart.builders.isEmpty());

    // The prints that take an analysis print a chart through this.
    const modShared back = analysisOfChart(chart);
    EXPECT_EQ(back.strAnalysedFileName, model.strAnalysedFileName);
    EXPECT_TRUE(std::equal(model.intPixelColor.data(),
        model.intPixelColor.data() + PixelColorMatrix::Size, back.intPixelColor.data()));
    for (int n = 1; n <= modShared::MaxColors; ++n) {
        EXPECT_EQ(back.lngColorRGB(n), model.lngColorRGB(n)) << n;
        EXPECT_EQ(back.lngColorCount(n), model.lngColorCount(n)) << n;
    }
}
