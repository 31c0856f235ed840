#include "scaledpicture.h"

#include <QColorSpace>
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

TEST(ScaledPictureTest, LaysSemiTransparentPixelsOverTheBackgroundOnce)
{
    // (200, 50, 50) at alpha 128 over white, in linear light: (229, 188, 188);
    // at alpha 2 almost white. Alpha multiplied twice gave wrong colours.
    QImage image(320, 240, QImage::Format_ARGB32);
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            image.setPixel(x, y, x < 160 ? qRgba(200, 50, 50, 128) : qRgba(200, 50, 50, 2));
    QTemporaryDir dir;
    for (const char *format : {"png", "webp"}) {
        SCOPED_TRACE(format);
        const QString path = dir.filePath(QStringLiteral("half.") + QLatin1String(format));
        ASSERT_TRUE(image.save(path, format, 100));
        const QImage scaled = loadScaledPicture(path).image;
        ASSERT_FALSE(scaled.isNull());
        const QRgb half = scaled.pixel(40, 60);
        EXPECT_NEAR(qRed(half), 229, 2);
        EXPECT_NEAR(qGreen(half), 188, 2);
        EXPECT_NEAR(qBlue(half), 188, 2);
        const QRgb faint = scaled.pixel(120, 60);
        EXPECT_GE(qGreen(faint), 250);
        EXPECT_GE(qRed(faint), qGreen(faint));
    }
}

TEST(ScaledPictureTest, APartIsScaledAsTheSamePartCutOut)
{
    // In linear light the part is read in place; cut out, it is copied first.
    QImage image(640, 480, QImage::Format_RGBX64);
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            image.setPixel(x, y, qRgb(x * 7 % 256, y * 5 % 256, (x ^ y) % 256));
    image.setColorSpace(QColorSpace::SRgbLinear);
    const DecodedPicture whole {LoadStatus::Ok, image, image.rect(), image.size(), {1, {}, 1}};
    for (const Fit fit : {Fit::Crop, Fit::Pad, Fit::Stretch}) {
        for (const QRect part : {QRect(), QRect(37, 11, 401, 333), QRect(3, 5, 160, 120)}) {
            const QRect used = part.isNull() ? image.rect() : part;
            const DecodedPicture cut {
                LoadStatus::Ok, image.copy(used), used, image.size(), {1, {}, 1}};
            const QImage expected = scaleToPicture(cut, {fit, qRgb(0, 0, 255), used});
            ASSERT_FALSE(expected.isNull());
            EXPECT_EQ(scaleToPicture(whole, {fit, qRgb(0, 0, 255), part}), expected)
                << int(fit) << " " << used.x() << "," << used.y();
        }
    }
}
