#include "readablecolor.h"

#include <gtest/gtest.h>

namespace {

TEST(ReadableColorTest, ContrastRunsFromOneToTwentyOneWhateverTheOrder)
{
    EXPECT_DOUBLE_EQ(readablecolor::contrastRatio(0x000000, 0xFFFFFF), 21.0);
    EXPECT_DOUBLE_EQ(readablecolor::contrastRatio(0xFFFFFF, 0x000000), 21.0);
    EXPECT_DOUBLE_EQ(readablecolor::contrastRatio(0x3A7F22, 0x3A7F22), 1.0);
    // Green weighs most in luminance, blue least: the channels are not mixed up.
    EXPECT_GT(readablecolor::contrastRatio(0x000000, 0x00FF00),
        readablecolor::contrastRatio(0x000000, 0xFF0000));
    EXPECT_GT(readablecolor::contrastRatio(0x000000, 0xFF0000),
        readablecolor::contrastRatio(0x000000, 0x0000FF));
}

TEST(ReadableColorTest, KeepsTheTextColourWhileReadableElseTakesTheBetterOne)
{
    using readablecolor::textColor;
    EXPECT_EQ(textColor(0x808080, 0x000000, 0xFFFFFF), 0x000000u); // 5.3 : 1
    EXPECT_EQ(textColor(0x222222, 0x000000, 0xFFFFFF), 0xFFFFFFu);
    EXPECT_EQ(textColor(0x0000FF, 0x000000, 0xFFFFFF), 0xFFFFFFu);
    // An alternative no better than the text leaves the text.
    EXPECT_EQ(textColor(0x222222, 0x000000, 0x111111), 0x000000u);
}

} // namespace
