#include "adjustments.h"
#include "labcolor.h"
#include "scaledpicture.h"

#include <QImageWriter>
#include <QTemporaryDir>
#include <cmath>
#include <gtest/gtest.h>

using namespace prepare;

TEST(DecodePlanTest, OnePlanServesEveryFrameAndOnlyASmallerRegionGetsItsOwn)
{
    struct Case
    {
        QSize stored;
        QImageIOHandler::Transformations turn;
        Geometry geometry;
        DecodePlan plan;
    };
    const auto turned = QImageIOHandler::TransformationRotate90;
    // The smallest frame of 4000 x 3000 is 1000 x 750: 1/2, then no average.
    const DecodePlan everyFrame {2, {}, 1};
    const Case cases[] = {
        {{4000, 3000}, {}, {}, everyFrame},
        {{4000, 3000}, {}, {Fit::Pad}, everyFrame},
        {{4000, 3000}, {}, {Fit::Crop, 0, {1000, 700, 1000, 750}}, everyFrame},
        {{4000, 3000}, {}, {Fit::Crop, 0, {0, 0, 999, 749}}, everyFrame},
        {{4000, 3000}, {}, {Fit::Crop, 0, {1000, 700, 400, 300}}, {1, {1000, 700, 400, 300}, 1}},
        // Upright 3000 x 4000: the smallest frame is 750 x 562.
        {{4000, 3000}, turned, {Fit::Crop, 0, {0, 0, 750, 562}}, everyFrame},
        // Small enough to decode whole.
        {{1600, 1200}, {}, {Fit::Crop, 0, {0, 0, 200, 150}}, {1, {}, 1}},
        // 8000 x 6000: 1/4, then averaged by 1 (2000 x 1500 / 4 leave 6.25 each way).
        {{8000, 6000}, {}, {Fit::Stretch}, {4, {}, 1}},
    };
    for (const Case &c : cases) {
        PictureSource source;
        source.status = LoadStatus::Ok;
        source.storedSize = c.stored;
        source.transformation = c.turn;
        source.jpeg = true;
        const DecodePlan plan = decodePlan(source, c.geometry, true);
        EXPECT_EQ(plan, c.plan) << c.stored.width() << " " << c.geometry.region.width();
    }
    // Without libjpeg's reduction, the average does all of it.
    PictureSource png;
    png.status = LoadStatus::Ok;
    png.storedSize = {4000, 3000};
    EXPECT_EQ(decodePlan(png, {}, true), (DecodePlan {1, {}, 3}));
}

TEST(DecodePlanTest, AClipOfATurnedPictureIsThatPartOfTheWholeUprightPicture)
{
    // Quadrants of four colours, so a clip in the wrong place shows.
    QImage stored(320, 240, QImage::Format_RGB888);
    for (int y = 0; y < 240; ++y)
        for (int x = 0; x < 320; ++x)
            stored.setPixel(x, y, qRgb(x < 160 ? 255 : 0, y < 120 ? 255 : 0, (x / 40) * 30));
    QTemporaryDir dir;
    using T = QImageIOHandler;
    for (const auto turn : {T::TransformationNone, T::TransformationMirror, T::TransformationFlip,
             T::TransformationRotate90, T::TransformationRotate180, T::TransformationRotate270,
             T::TransformationMirrorAndRotate90, T::TransformationFlipAndRotate90}) {
        const QString path = dir.filePath(QStringLiteral("turned%1.jpg").arg(int(turn)));
        QImageWriter writer(path, "jpeg");
        writer.setQuality(100);
        writer.setTransformation(turn);
        ASSERT_TRUE(writer.write(stored));
        const PictureSource source = openPictureSource(path);
        ASSERT_EQ(source.status, LoadStatus::Ok);
        const DecodedPicture whole = decodePicture(source, {});
        const QRect part(48, 32, 96, 72);
        const DecodedPicture clipped = decodePicture(source, {1, part});
        ASSERT_EQ(clipped.status, LoadStatus::Ok);
        EXPECT_EQ(clipped.covered, part);
        const QImage expected = whole.image.copy(part).convertToFormat(QImage::Format_RGB888);
        const QImage actual = clipped.image.convertToFormat(QImage::Format_RGB888);
        ASSERT_EQ(actual.size(), part.size()) << int(turn);
        int worst = 0;
        for (int y = 0; y < part.height(); ++y)
            for (int x = 0; x < part.width(); ++x)
                for (const int shift : {0, 8, 16})
                    worst = std::max(worst,
                        std::abs(int((actual.pixel(x, y) >> shift) & 0xff)
                            - int((expected.pixel(x, y) >> shift) & 0xff)));
        EXPECT_LE(worst, 8) << int(turn);
    }
}

TEST(AdjustmentsTest, MoveLightnessAndChromaInCielabAsDefined)
{
    const LabColor lab;
    QImage picture(4, 1, QImage::Format_RGB888);
    const QRgb colors[]
        = {qRgb(119, 119, 119), qRgb(150, 110, 90), qRgb(90, 120, 140), qRgb(250, 250, 250)};
    for (int x = 0; x < 4; ++x)
        picture.setPixel(x, 0, colors[x]);
    EXPECT_EQ(adjusted(picture, {}, lab), picture);

    struct Case
    {
        Adjustments adjustments;
        double deltaL(double L) const
        {
            const double brightened = L + adjustments.brightness / 2.0;
            return 50 + (brightened - 50) * (1 + adjustments.contrast / 100.0) - L;
        }
    };
    for (const Case &c : {Case {{20, 0, 0}}, Case {{0, -40, 0}}, Case {{-10, 30, 0}},
             Case {{0, 0, -100}}, Case {{0, 0, 40}}}) {
        const QImage result = adjusted(picture, c.adjustments, lab);
        for (int x = 0; x < 3; ++x) {
            const cmsCIELab before = lab.fromRgb(colors[x]);
            const cmsCIELab after = lab.fromRgb(result.pixel(x, 0));
            const double chroma = 1 + c.adjustments.saturation / 100.0;
            // Within the rounding to 8 bits.
            EXPECT_NEAR(after.L - before.L, c.deltaL(before.L), 0.6) << x;
            EXPECT_NEAR(after.a, before.a * chroma, 1.2) << x;
            EXPECT_NEAR(after.b, before.b * chroma, 1.2) << x;
        }
    }
    // Out of gamut, clipped per channel.
    EXPECT_EQ(adjusted(picture, {100, 0, 0}, lab).pixel(3, 0), qRgb(255, 255, 255));
}
