#include "modshared.h"
#include "numbertext.h"

#include <gtest/gtest.h>

TEST(ModShared, StartsEmptyAndRefusesIndexesOutsideItsTables)
{
    const modShared model;
    EXPECT_TRUE(model.strFileName.isEmpty());
    for (int n = 1; n <= modShared::MaxColors; ++n) {
        EXPECT_EQ(model.lngColorRGB(n), 0);
        EXPECT_EQ(model.lngColorCount(n), 0);
    }
    EXPECT_EQ(model.intPixelColor(120, 160), 0);
    EXPECT_THROW(model.lngColorRGB(0), IndexError);
    EXPECT_THROW(model.lngColorCount(33), IndexError);
    EXPECT_THROW(model.intPixelColor(0, 1), IndexError);
    EXPECT_THROW(model.intPixelColor(121, 1), IndexError);
    EXPECT_THROW(model.intPixelColor(1, 161), IndexError);
}

TEST(ModShared, KeepsTheRowIndexFastestInItsFlatLayout)
{
    modShared model;
    model.intPixelColor(2, 1) = 7;
    model.intPixelColor(1, 2) = 9;
    EXPECT_EQ(model.intPixelColor.data()[1], 7);
    EXPECT_EQ(model.intPixelColor.data()[120], 9);
    model.clearAnalysis();
    EXPECT_EQ(model.intPixelColor(2, 1), 0);
}

TEST(NumberText, CarriesTheSignPosition)
{
    EXPECT_EQ(numbertext::withSignPosition(0), QStringLiteral(" 0"));
    EXPECT_EQ(numbertext::withSignPosition(57654), QStringLiteral(" 57654"));
    EXPECT_EQ(numbertext::withSignPosition(-120), QStringLiteral("-120"));
    EXPECT_EQ(numbertext::printItem(7), QStringLiteral(" 7 "));
    EXPECT_EQ(numbertext::printItem(-3), QStringLiteral("-3 "));
}
