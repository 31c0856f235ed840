#include "scaledpicture.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace prepare;

TEST(ScaledPictureTest, AveragesLightNotCodeValues)
{
    // Black and white pixels in equal parts give half the light: sRGB 188, not 128.
    QImage checkers(320, 240, QImage::Format_RGB888);
    for (int y = 0; y < checkers.height(); ++y)
        for (int x = 0; x < checkers.width(); ++x)
            checkers.setPixel(x, y, (x + y) % 2 ? qRgb(255, 255, 255) : qRgb(0, 0, 0));
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("checkers.png"));
    ASSERT_TRUE(checkers.save(path));
    const ScaledPicture scaled = loadScaledPicture(path);
    ASSERT_EQ(scaled.status, LoadStatus::Ok);
    ASSERT_EQ(scaled.image.size(), QSize(160, 120));
    EXPECT_EQ(scaled.image.format(), QImage::Format_RGB888);
    for (const QPoint at : {QPoint(0, 0), QPoint(80, 60), QPoint(159, 119)})
        EXPECT_NEAR(qRed(scaled.image.pixel(at)), 188, 1);
}

TEST(ScaledPictureTest, CropsToTheMiddleAndPadsWithTheBackground)
{
    // A 4:1 strip: green quarters at both ends, red between.
    QImage strip(400, 100, QImage::Format_RGB888);
    strip.fill(Qt::green);
    for (int y = 0; y < 100; ++y)
        for (int x = 100; x < 300; ++x)
            strip.setPixel(x, y, qRgb(255, 0, 0));
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("strip.png"));
    ASSERT_TRUE(strip.save(path));

    const QImage cropped = loadScaledPicture(path, {Fit::Crop}).image;
    EXPECT_EQ(cropped.pixel(0, 0), qRgb(255, 0, 0));
    EXPECT_EQ(cropped.pixel(159, 119), qRgb(255, 0, 0));

    // Scaled to 160 x 40 and laid in the middle rows on blue.
    const QImage padded = loadScaledPicture(path, {Fit::Pad, qRgb(0, 0, 255)}).image;
    EXPECT_EQ(padded.pixel(80, 39), qRgb(0, 0, 255));
    EXPECT_EQ(padded.pixel(80, 40), qRgb(255, 0, 0));
    EXPECT_EQ(padded.pixel(0, 60), qRgb(0, 255, 0));
    EXPECT_EQ(padded.pixel(80, 80), qRgb(0, 0, 255));

    const QImage stretched = loadScaledPicture(path, {Fit::Stretch}).image;
    EXPECT_EQ(stretched.pixel(0, 0), qRgb(0, 255, 0));
    EXPECT_EQ(stretched.pixel(80, 119), qRgb(255, 0, 0));
}
