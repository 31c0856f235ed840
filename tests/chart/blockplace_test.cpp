#include "blockplace.h"

#include <gtest/gtest.h>

using namespace chart;

TEST(BlockPlaceTest, LabelsAndPrintOrderRoundTripForEveryBlock)
{
    for (int index = 0; index < BlockTotal; ++index) {
        const BlockPlace place = BlockPlace::fromPrintIndex(index);
        EXPECT_EQ(place.printIndex(), index);
        EXPECT_EQ(parseBlockLabel(blockLabel(place)), place) << index;
    }
    EXPECT_EQ(blockLabel(BlockPlace::fromPrintIndex(12)), QStringLiteral("B1"));
    EXPECT_EQ(blockLabel({15, 11}), QStringLiteral("P12"));
}

TEST(BlockPlaceTest, TakesTheMatrixCaptionAndLowerCaseButNothingOutsideTheGrid)
{
    EXPECT_EQ(parseBlockLabel(u"b 3"), (BlockPlace {1, 2}));
    for (const char16_t *bad :
        {u"", u"A", u"A0", u"A13", u"Q1", u"A01", u"A+1", u"1A", u"A１", u"AA1", u"A 1 2"})
        EXPECT_FALSE(parseBlockLabel(bad)) << QString::fromUtf16(bad).toStdString();
}

TEST(BlockPlaceTest, AListNamesItsFirstBadLabelAndKeepsNothing)
{
    const BlockLabelList good = parseBlockLabels(u"A1,B12,A1");
    EXPECT_TRUE(good.badLabel.isEmpty());
    EXPECT_EQ(good.places, (QList<BlockPlace> {{0, 0}, {1, 11}}));

    const BlockLabelList bad = parseBlockLabels(u"A1,Z9,B2");
    EXPECT_EQ(bad.badLabel, QStringLiteral("Z9"));
    EXPECT_TRUE(bad.places.isEmpty());
    EXPECT_FALSE(parseBlockLabels(u"A1,,B2").badLabel.isEmpty());
}
