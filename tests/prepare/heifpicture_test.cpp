#include "heifencoder.h"
#include "heifpicture.h"
#include "labcolor.h"
#include "linearreduction.h"
#include "prepare.h"
#include "quality.h"
#include "testfiles.h"

#include <QColorSpace>
#include <QFile>
#include <QTemporaryDir>
#include <QtEndian>
#include <gtest/gtest.h>

using namespace prepare;

namespace {

class HeifPictureTest : public ::testing::Test
{
protected:
    QString path(const QString &name) const { return dir.filePath(name); }

    QString savePng(const QString &name, QImage image) const
    {
        EXPECT_TRUE(image.save(path(name))) << qPrintable(name);
        return path(name);
    }

    QString encode(const QString &png, const QString &name, const QStringList &options = {})
    {
        const QString failure = encodeWithHeifEnc(png, path(name), options);
        EXPECT_TRUE(failure.isEmpty()) << qPrintable(name) << ": " << qPrintable(failure);
        return path(name);
    }

    // Mean CIEDE2000 between two files' 160 x 120 pictures.
    double difference(const QString &a, const QString &b) const
    {
        const ScaledPicture first = loadScaledPicture(a);
        const ScaledPicture second = loadScaledPicture(b);
        EXPECT_EQ(first.status, LoadStatus::Ok) << qPrintable(a);
        EXPECT_EQ(second.status, LoadStatus::Ok) << qPrintable(b);
        if (first.image.isNull() || second.image.isNull())
            return 1e9;
        return meanDeltaE(first.image, second.image, lab);
    }

    static QImage sample()
    {
        QImage image = QImage(QStringLiteral(TESSAMAP_SAMPLES "/landscape.bmp"))
                           .convertToFormat(QImage::Format_RGB888);
        image.setColorSpace(QColorSpace::SRgb);
        return image;
    }

    QTemporaryDir dir;
    const LabColor lab;
};

} // namespace

TEST(HeifFormatTest, IsToldByTheFtypBrands)
{
    const auto ftyp = [](const QByteArray &brands) {
        QByteArray box(4, '\0');
        qToBigEndian<quint32>(quint32(8 + brands.size()), box.data());
        return box + "ftyp" + brands;
    };
    const struct
    {
        QByteArray head;
        HeifFormat format;
    } cases[] = {
        {ftyp(QByteArrayLiteral("heic\0\0\0\0mif1heicmiaf")), HeifFormat::Heic}, // an iPhone's
        // The codec named only among the compatible brands.
        {ftyp(QByteArrayLiteral("mif1\0\0\0\0mif1heic")), HeifFormat::Heic},
        {ftyp(QByteArrayLiteral("avif\0\0\0\0avifmif1miaf")), HeifFormat::Avif},
        {ftyp(QByteArrayLiteral("mif1\0\0\0\0mif1miaf")), HeifFormat::Heif},
        {ftyp(QByteArrayLiteral("isom\0\0\0\0isomavc1mp41")), HeifFormat::None}, // an MP4 video
        {ftyp(QByteArrayLiteral("mif1\0\0\0\0")) + "heic", HeifFormat::Heif}, // past the box
        {QByteArrayLiteral("\0\0\0\x18"
                           "ftip"
                           "heic\0\0\0\0mif1heic"),
            HeifFormat::None},
    };
    for (const auto &[head, format] : cases)
        EXPECT_EQ(heifFormatOf(head), format) << head.toHex().constData();
}

TEST_F(HeifPictureTest, ComesOutAsThePngRouteDoes)
{
    // 640 x 480 pictures are averaged down by 2 after decoding, 160 x 120 ones not.
    const QImage large = sample().scaled(640, 480);
    QImage halfTransparent = large.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < 480; ++y)
        for (int x = 0; x < 320; ++x)
            halfTransparent.setPixel(x, y, qRgba(0, 0, 0, 0));
    // Black and white squares of 2 x 2 pixels: half the light is sRGB 188, not 128.
    QImage checkers(640, 480, QImage::Format_RGB888);
    for (int y = 0; y < 480; ++y)
        for (int x = 0; x < 640; ++x)
            checkers.setPixel(x, y, (x / 2 + y / 2) % 2 ? qRgb(255, 255, 255) : qRgb(0, 0, 0));
    const QString small = savePng(QStringLiteral("sample.png"), sample());
    const QString smallDeep
        = savePng(QStringLiteral("sample16.png"), sample().convertToFormat(QImage::Format_RGBX64));
    const QString big = savePng(QStringLiteral("large.png"), large);
    const QString bigDeep
        = savePng(QStringLiteral("large16.png"), large.convertToFormat(QImage::Format_RGBX64));
    const QString alpha = savePng(QStringLiteral("alpha.png"), halfTransparent);
    const QString squares = savePng(QStringLiteral("checkers.png"), checkers);
    const QStringList bits10 {QStringLiteral("-b"), QStringLiteral("10")};
    const QStringList bits12 {QStringLiteral("-b"), QStringLiteral("12")};
    const QStringList lossless {
        QStringLiteral("-L"), QStringLiteral("-p"), QStringLiteral("chroma=444")};
    const struct
    {
        QString png, name;
        QStringList options;
    } cases[] = {
        {small, QStringLiteral("sample.heic"), {}},
        {small, QStringLiteral("sample.avif"), {}},
        {smallDeep, QStringLiteral("sample12.avif"), bits12},
        {big, QStringLiteral("large.heic"), {}},
        {bigDeep, QStringLiteral("large10.heic"), bits10},
        {alpha, QStringLiteral("alpha.avif"), {}},
        {squares, QStringLiteral("checkers.heic"), lossless},
    };
    for (const auto &[png, name, options] : cases) {
        const QString heif
            = encode(png, name, QStringList {QStringLiteral("-q"), QStringLiteral("90")} + options);
        // About 1 is barely visible; a wrong bit depth, channel order or
        // averaging in sRGB values is far above 5.
        EXPECT_LT(difference(heif, png), 1.5) << qPrintable(name);
    }
}

TEST_F(HeifPictureTest, AveragedFromItsPlanesAsFromTheWholeDecodedPicture)
{
    // The window and the command line average from libheif's planes; the
    // photo check takes the whole picture: both must see the same samples.
    const QImage large = sample().scaled(640, 480);
    QImage halfTransparent = large.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < 480; ++y)
        for (int x = 0; x < 640; x += 3)
            halfTransparent.setPixel(x, y, qRgba(x % 256, 0, 200, y % 256));
    const QString png = savePng(QStringLiteral("large.png"), large);
    const QString deep
        = savePng(QStringLiteral("large16.png"), large.convertToFormat(QImage::Format_RGBX64));
    const QString adobe
        = savePng(QStringLiteral("adobe.png"), large.convertedToColorSpace(QColorSpace::AdobeRgb));
    const QString alpha = savePng(QStringLiteral("alpha.png"), halfTransparent);
    const QStringList bits10 {QStringLiteral("-b"), QStringLiteral("10")};
    const QString files[] = {encode(png, QStringLiteral("large.heic")),
        encode(deep, QStringLiteral("large10.heic"), bits10),
        encode(adobe, QStringLiteral("adobe.heic")), encode(alpha, QStringLiteral("alpha.avif")),
        encode(alpha, QStringLiteral("alpha10.heic"), bits10)};
    for (const QString &file : files) {
        const PictureSource source = openPictureSource(file);
        const DecodedPicture whole = decodePicture(source, {});
        const DecodedPicture averaged = decodePicture(source, {1, {}, 3});
        ASSERT_EQ(whole.status, LoadStatus::Ok) << qPrintable(file);
        ASSERT_EQ(averaged.status, LoadStatus::Ok) << qPrintable(file);
        const QImage expected = reduceInLinearLight(whole.image, 3);
        EXPECT_EQ(averaged.image, expected) << qPrintable(file);
        EXPECT_EQ(averaged.image.colorSpace(), expected.colorSpace()) << qPrintable(file);
        EXPECT_EQ(averaged.covered, whole.covered) << qPrintable(file);
    }
}

TEST_F(HeifPictureTest, HonoursAWideGamutIccProfileAndAnNclxDescription)
{
    const QString srgb = savePng(QStringLiteral("sample.png"), sample());
    // The same colours in Adobe RGB's values, its ICC profile in the PNG for heif-enc to embed.
    const QString adobe = savePng(
        QStringLiteral("adobe.png"), sample().convertedToColorSpace(QColorSpace::AdobeRgb));
    // Display P3 values with no profile, described as P3 by nclx code points instead.
    QImage p3 = sample().convertedToColorSpace(QColorSpace::DisplayP3);
    p3.setColorSpace({});
    const QString p3Png = savePng(QStringLiteral("p3.png"), p3);

    const QStringList lossless {
        QStringLiteral("-L"), QStringLiteral("-p"), QStringLiteral("chroma=444")};
    const QString heic = encode(adobe, QStringLiteral("adobe.heic"), lossless);
    // heif-enc 1.15 writes its nclx box with unspecified primaries and curve
    // whatever it is told: set Display P3's (12) and sRGB's curve (13) in the file.
    QByteArray avif = readAll(encode(p3Png, QStringLiteral("p3.avif"), lossless));
    const qsizetype nclx = avif.indexOf("colrnclx");
    ASSERT_GT(nclx, 0);
    qToBigEndian<quint16>(12, avif.data() + nclx + 8);
    qToBigEndian<quint16>(13, avif.data() + nclx + 10);
    writeAll(path(QStringLiteral("p3.avif")), avif);
    // Taken as sRGB, the wide-gamut values would look clearly different.
    EXPECT_GT(difference(p3Png, srgb), 2.0);
    EXPECT_LT(difference(heic, srgb), 1.0);
    EXPECT_LT(difference(path(QStringLiteral("p3.avif")), srgb), 1.0);
}

TEST_F(HeifPictureTest, TruncatedFilesAreUnreadableAndWriteNothing)
{
    const QString png = savePng(QStringLiteral("sample.png"), sample());
    for (const QString &name : {QStringLiteral("sample.heic"), QStringLiteral("sample.avif")}) {
        const QByteArray whole = readAll(encode(png, name));
        for (const double part : {0.05, 0.3, 0.6, 0.95}) {
            const qsizetype length = qsizetype(whole.size() * part);
            writeAll(path(QStringLiteral("cut")), whole.left(length));
            EXPECT_EQ(
                preparePicture(path(QStringLiteral("cut")), path(QStringLiteral("out.bmp")), {})
                    .status,
                PrepareResult::Status::Unreadable)
                << qPrintable(name) << " cut at " << length;
        }
        writeAll(path(QStringLiteral("cut")), whole.left(whole.size() - 1));
        EXPECT_EQ(loadScaledPicture(path(QStringLiteral("cut"))).status, LoadStatus::Unreadable)
            << qPrintable(name);
    }
    EXPECT_FALSE(QFile::exists(path(QStringLiteral("out.bmp"))));
}

TEST_F(HeifPictureTest, RefusesHugeDimensionsBeforeDecoding)
{
    // A small HEIC whose image size property claims 6000 x 5000 pixels: fine for
    // a JPEG, past what a HEIC may cost.
    QByteArray heic = readAll(
        encode(savePng(QStringLiteral("sample.png"), sample()), QStringLiteral("sample.heic")));
    const qsizetype ispe = heic.indexOf("ispe");
    ASSERT_GT(ispe, 0);
    qToBigEndian<quint32>(6000, heic.data() + ispe + 8);
    qToBigEndian<quint32>(5000, heic.data() + ispe + 12);
    writeAll(path(QStringLiteral("huge.heic")), heic);
    const PrepareResult result
        = preparePicture(path(QStringLiteral("huge.heic")), path(QStringLiteral("out.bmp")), {});
    EXPECT_EQ(result.status, PrepareResult::Status::TooLarge);
    EXPECT_EQ(result.sourceSize, QSize(6000, 5000));
    // Past libheif's own limit of 32768 each way: still a size, refused as such.
    qToBigEndian<quint32>(60000, heic.data() + ispe + 8);
    qToBigEndian<quint32>(60000, heic.data() + ispe + 12);
    writeAll(path(QStringLiteral("huger.heic")), heic);
    const PrepareResult huger
        = preparePicture(path(QStringLiteral("huger.heic")), path(QStringLiteral("out.bmp")), {});
    EXPECT_EQ(huger.status, PrepareResult::Status::TooLarge);
    EXPECT_EQ(huger.sourceSize, QSize(60000, 60000));
    EXPECT_TRUE(prepareFailureText(result, QString(), QString(), QString())
                    .contains(QStringLiteral("2500万画素まで")));
    EXPECT_FALSE(QFile::exists(path(QStringLiteral("out.bmp"))));
}

TEST_F(HeifPictureTest, NamesTheFormatWhoseDecoderIsMissing)
{
    // The image item's codec changed to VVC, which libheif 1.15 cannot decode.
    QByteArray heic = readAll(
        encode(savePng(QStringLiteral("sample.png"), sample()), QStringLiteral("sample.heic")));
    const qsizetype type = heic.indexOf("hvc1");
    ASSERT_GT(type, 0);
    heic.replace(type, 4, "vvc1");
    writeAll(path(QStringLiteral("vvc.heic")), heic);
    const PrepareResult result
        = preparePicture(path(QStringLiteral("vvc.heic")), path(QStringLiteral("out.bmp")), {});
    EXPECT_EQ(result.status, PrepareResult::Status::NoDecoder);
    EXPECT_EQ(prepareFailureText(result, QStringLiteral("vvc.heic"), {}, {}),
        QStringLiteral("HEIC形式の画像を読み込めません（この環境にはHEICのデコーダーがありません）"
                       "。\nvvc.heic"));
    EXPECT_FALSE(QFile::exists(path(QStringLiteral("out.bmp"))));
}

TEST_F(HeifPictureTest, LaysSemiTransparentPixelsOverTheBackgroundOnce)
{
    // As the PNG route: (200, 50, 50) at alpha 128 over white is (229, 188, 188).
    QImage image(640, 480, QImage::Format_ARGB32);
    image.fill(qRgba(200, 50, 50, 128));
    const QString heic
        = encode(savePng(QStringLiteral("half.png"), image), QStringLiteral("half.heic"),
            {QStringLiteral("-L"), QStringLiteral("-p"), QStringLiteral("chroma=444")});
    const QImage scaled = loadScaledPicture(heic).image;
    ASSERT_FALSE(scaled.isNull());
    const QRgb pixel = scaled.pixel(80, 60);
    EXPECT_NEAR(qRed(pixel), 229, 3);
    EXPECT_NEAR(qGreen(pixel), 188, 3);
    EXPECT_NEAR(qBlue(pixel), 188, 3);
}
