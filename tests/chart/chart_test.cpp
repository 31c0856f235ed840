#include "chart.h"
#include "colornumbering.h"
#include "testpicture.h"

#include <gtest/gtest.h>

using namespace chart;

TEST(ChartTest, AnAnalysisBecomesCellsColoursAndCountsWithNothingDone)
{
    TestPicture picture(0x0000FF); // red
    picture.set(1, 1, 0x102030); // R 0x30, G 0x20, B 0x10
    modShared model;
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
}
