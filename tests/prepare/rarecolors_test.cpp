#include "labcolor.h"
#include "rarecolors.h"
#include "testfiles.h"

#include <QSet>
#include <gtest/gtest.h>

using namespace prepare;

namespace {

} // namespace

// Ten dark red pixels in a red and blue picture go to red, their nearest,
// also where the picture is dithered again; blue and red stay as they were.
TEST(RareColors, APixelOfADroppedColourTakesTheNearestLeft)
{
    QImage picture(160, 120, QImage::Format_RGB888);
    picture.fill(QColor(200, 30, 30));
    for (int y = 60; y < 120; ++y)
        for (int x = 0; x < 160; ++x)
            picture.setPixelColor(x, y, QColor(30, 40, 200));
    for (int x = 0; x < 10; ++x)
        picture.setPixelColor(x, 5, QColor(150, 20, 20));
    const LabColor lab;
    for (const bool dither : {false, true}) {
        const RareColorsDropped result = dropRareColors(picture, picture, 20, dither, lab);
        EXPECT_EQ(result.dropped, 1) << dither;
        EXPECT_EQ(colorsOf(result.picture), QSet<QRgb>({qRgb(200, 30, 30), qRgb(30, 40, 200)}));
        EXPECT_EQ(result.picture.pixel(0, 5), qRgb(200, 30, 30));
        EXPECT_EQ(result.picture.pixel(0, 100), qRgb(30, 40, 200));
    }
    // More than any colour has: one colour is left. Red and blue then have 9,600
    // pixels each, and of equals the lower colour number goes: blue, on the
    // bottom rows, which the numbering reads first.
    const RareColorsDropped one = dropRareColors(picture, picture, 9601, false, lab);
    EXPECT_EQ(one.dropped, 2);
    EXPECT_EQ(colorsOf(one.picture), QSet<QRgb>({qRgb(200, 30, 30)}));
}
