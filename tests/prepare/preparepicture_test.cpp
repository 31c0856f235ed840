#include "colornumbering.h"
#include "piecelist.h"
#include "pngchunk.h"
#include "prepare.h"
#include "testfiles.h"

#include <QFile>
#include <QImageWriter>
#include <QSet>
#include <QTemporaryDir>
#include <QtEndian>
#include <cmath>
#include <gtest/gtest.h>
#include <unistd.h>

using namespace prepare;

namespace {

// The bottom-up 24-bit BMP with the plain 54-byte header that the windows take.
void expectTessamapBmp(const QString &path)
{
    const QByteArray bytes = readAll(path);
    ASSERT_EQ(bytes.size(), 57654) << qPrintable(path);
    const auto *data = reinterpret_cast<const uchar *>(bytes.constData());
    EXPECT_EQ(bytes.left(2), QByteArray("BM"));
    EXPECT_EQ(qFromLittleEndian<quint32>(data + 2), 57654u);
    EXPECT_EQ(qFromLittleEndian<quint32>(data + 10), 54u);
    EXPECT_EQ(qFromLittleEndian<quint32>(data + 14), 40u);
    EXPECT_EQ(qFromLittleEndian<qint32>(data + 18), 160);
    EXPECT_EQ(qFromLittleEndian<qint32>(data + 22), 120);
    EXPECT_EQ(qFromLittleEndian<quint16>(data + 26), 1);
    EXPECT_EQ(qFromLittleEndian<quint16>(data + 28), 24);
    EXPECT_EQ(qFromLittleEndian<quint32>(data + 30), 0u);
    EXPECT_EQ(qFromLittleEndian<quint32>(data + 34), 57600u);
}

bool isNear(QRgb a, QRgb b)
{
    return std::abs(qRed(a) - qRed(b)) + std::abs(qGreen(a) - qGreen(b))
        + std::abs(qBlue(a) - qBlue(b))
        < 30;
}

class PreparePictureTest : public ::testing::Test
{
protected:
    QString path(const QString &name) const { return dir.filePath(name); }

    PrepareResult prepare(const QString &input, const PrepareOptions &options = {})
    {
        return preparePicture(input, path(QStringLiteral("out.bmp")), options);
    }

    QImage output() const { return QImage(path(QStringLiteral("out.bmp"))); }

    QTemporaryDir dir;
};

} // namespace

TEST_F(PreparePictureTest, WritesThePlainBmpFromTransparentTopDownIndexedAndTurnedPictures)
{
    // Left half transparent, right half red.
    QImage transparent(400, 300, QImage::Format_ARGB32);
    transparent.fill(Qt::transparent);
    for (int y = 0; y < 300; ++y)
        for (int x = 200; x < 400; ++x)
            transparent.setPixel(x, y, qRgba(255, 0, 0, 255));
    ASSERT_TRUE(transparent.save(path(QStringLiteral("alpha.png"))));
    ASSERT_EQ(prepare(path(QStringLiteral("alpha.png"))).status, PrepareResult::Status::Done);
    expectTessamapBmp(path(QStringLiteral("out.bmp")));
    EXPECT_EQ(output().pixel(10, 60), qRgb(255, 255, 255));
    EXPECT_EQ(output().pixel(150, 60), qRgb(255, 0, 0));

    // A top-down BMP: Qt writes bottom-up, so flip the rows and negate the height.
    QImage twoBands(200, 150, QImage::Format_RGB888);
    twoBands.fill(Qt::blue);
    for (int y = 0; y < 75; ++y)
        for (int x = 0; x < 200; ++x)
            twoBands.setPixel(x, y, qRgb(255, 255, 0));
    ASSERT_TRUE(twoBands.save(path(QStringLiteral("bands.bmp"))));
    QByteArray bmp = readAll(path(QStringLiteral("bands.bmp")));
    const int stride = 200 * 3;
    QByteArray flipped = bmp.left(54);
    for (int row = 149; row >= 0; --row)
        flipped += bmp.mid(54 + row * stride, stride);
    qToLittleEndian<qint32>(-150, flipped.data() + 22);
    writeAll(path(QStringLiteral("topdown.bmp")), flipped);
    ASSERT_EQ(prepare(path(QStringLiteral("topdown.bmp"))).status, PrepareResult::Status::Done);
    expectTessamapBmp(path(QStringLiteral("out.bmp")));
    EXPECT_EQ(output().pixel(80, 0), qRgb(255, 255, 0));
    EXPECT_EQ(output().pixel(80, 119), qRgb(0, 0, 255));

    const QImage indexed = photoLike(400, 300).convertToFormat(QImage::Format_Indexed8);
    ASSERT_TRUE(indexed.save(path(QStringLiteral("indexed.bmp"))));
    ASSERT_EQ(
        qFromLittleEndian<quint16>(readAll(path(QStringLiteral("indexed.bmp"))).constData() + 28),
        8);
    ASSERT_EQ(prepare(path(QStringLiteral("indexed.bmp"))).status, PrepareResult::Status::Done);
    expectTessamapBmp(path(QStringLiteral("out.bmp")));

    // Stored lying on its side, red left and blue right; the EXIF orientation
    // turns it a quarter clockwise, red on top.
    QImage lying(240, 160, QImage::Format_RGB888);
    lying.fill(Qt::blue);
    for (int y = 0; y < 160; ++y)
        for (int x = 0; x < 120; ++x)
            lying.setPixel(x, y, qRgb(255, 0, 0));
    QImageWriter writer(path(QStringLiteral("turned.jpg")), "jpeg");
    writer.setTransformation(QImageIOHandler::TransformationRotate90);
    ASSERT_TRUE(writer.write(lying));
    ASSERT_EQ(prepare(path(QStringLiteral("turned.jpg"))).status, PrepareResult::Status::Done);
    expectTessamapBmp(path(QStringLiteral("out.bmp")));
    EXPECT_TRUE(isNear(output().pixel(80, 5), qRgb(255, 0, 0)));
    EXPECT_TRUE(isNear(output().pixel(80, 114), qRgb(0, 0, 255)));
}

TEST_F(PreparePictureTest, KeepsToNColorsAndPassesTheWindowsAnalysis)
{
    ASSERT_TRUE(photoLike(400, 300).save(path(QStringLiteral("photo.png"))));
    for (const int colors : {1, 2, 32}) {
        for (const bool dither : {false, true}) {
            PrepareOptions options;
            options.colors = colors;
            options.dither = dither;
            const PrepareResult result = prepare(path(QStringLiteral("photo.png")), options);
            ASSERT_EQ(result.status, PrepareResult::Status::Done) << colors;
            EXPECT_LE(result.colorCount, colors);
            EXPECT_EQ(colorsOf(output()).size(), result.colorCount);
            EXPECT_GT(result.meanDeltaE, 0);

            modShared model;
            const AnalysisResult analysis
                = analyseBitmapFile(path(QStringLiteral("out.bmp")), model);
            ASSERT_EQ(analysis.status, BitmapStatus::Ok);
            EXPECT_EQ(analysis.colorMax, result.colorCount);
            for (int x = 0; x < 16; ++x)
                for (int y = 0; y < 12; ++y)
                    EXPECT_FALSE(blockHasUnnumberedCell(model, x, y)) << x << "," << y;
        }
    }
}

TEST_F(PreparePictureTest, UsesOnlyThePaletteFilesColors)
{
    ASSERT_TRUE(photoLike(400, 300).save(path(QStringLiteral("photo.png"))));
    writeAll(path(QStringLiteral("pieces.csv")),
        "0,0,0,黒\n255,255,255,白\n200,30,30,赤\n30,160,60,緑\n40,60,200,青\n230,200,40,黄\n"
        "120,120,120,灰\n");
    const QSet<QRgb> pieces {qRgb(0, 0, 0), qRgb(255, 255, 255), qRgb(200, 30, 30),
        qRgb(30, 160, 60), qRgb(40, 60, 200), qRgb(230, 200, 40), qRgb(120, 120, 120)};
    for (const int colors : {1, 4, 32}) {
        for (const bool dither : {false, true}) {
            PrepareOptions options;
            options.colors = colors;
            options.dither = dither;
            options.paletteFile = path(QStringLiteral("pieces.csv"));
            ASSERT_EQ(prepare(path(QStringLiteral("photo.png")), options).status,
                PrepareResult::Status::Done);
            const QSet<QRgb> used = colorsOf(output());
            EXPECT_LE(used.size(), colors);
            EXPECT_TRUE(pieces.contains(used)) << colors << dither;
        }
    }
}

TEST_F(PreparePictureTest, WritesNothingOnFailure)
{
    ASSERT_TRUE(photoLike(400, 300).save(path(QStringLiteral("photo.png"))));
    const QString input = path(QStringLiteral("photo.png"));
    const QByteArray before = readAll(input);

    EXPECT_EQ(preparePicture(input, input, {}).status, PrepareResult::Status::OutputIsInput);
    ASSERT_TRUE(QFile::link(input, path(QStringLiteral("link.bmp"))));
    EXPECT_EQ(preparePicture(input, path(QStringLiteral("link.bmp")), {}).status,
        PrepareResult::Status::OutputIsInput);
    EXPECT_EQ(readAll(input), before);

    writeAll(path(QStringLiteral("bad.csv")), "1,2,3\n4,5,six\n");
    PrepareOptions withBadPalette;
    withBadPalette.paletteFile = path(QStringLiteral("bad.csv"));
    const PrepareResult bad = prepare(input, withBadPalette);
    EXPECT_EQ(bad.status, PrepareResult::Status::PaletteUnusable);
    EXPECT_EQ(bad.palette.line, 2);

    writeAll(path(QStringLiteral("empty.jpg")), {});
    EXPECT_EQ(prepare(path(QStringLiteral("empty.jpg"))).status, PrepareResult::Status::Unreadable);
    writeAll(path(QStringLiteral("cut.png")), before.left(before.size() / 2));
    EXPECT_EQ(prepare(path(QStringLiteral("cut.png"))).status, PrepareResult::Status::Unreadable);
    EXPECT_EQ(
        prepare(path(QStringLiteral("missing.png"))).status, PrepareResult::Status::CannotOpen);
    EXPECT_FALSE(QFile::exists(path(QStringLiteral("out.bmp"))));

    EXPECT_EQ(preparePicture(input, path(QStringLiteral("no/such/folder/out.bmp")), {}).status,
        PrepareResult::Status::CreateFailed);
}

TEST_F(PreparePictureTest, RefusesHugeDimensionsBeforeDecoding)
{
    // Headers only, claiming 10000 x 10000 pixels: decoding would take 400 MB.
    QByteArray bmp(54, '\0');
    bmp[0] = 'B';
    bmp[1] = 'M';
    auto *header = reinterpret_cast<uchar *>(bmp.data());
    qToLittleEndian<quint32>(54, header + 10);
    qToLittleEndian<quint32>(40, header + 14);
    qToLittleEndian<qint32>(10000, header + 18);
    qToLittleEndian<qint32>(10000, header + 22);
    qToLittleEndian<quint16>(1, header + 26);
    qToLittleEndian<quint16>(24, header + 28);
    writeAll(path(QStringLiteral("huge.bmp")), bmp);

    // A PNG whose header chunk claims the same, followed by an empty data chunk.
    QByteArray ihdr(13, '\0');
    qToBigEndian<quint32>(10000, ihdr.data());
    qToBigEndian<quint32>(10000, ihdr.data() + 4);
    ihdr[8] = 8; // bits per channel
    ihdr[9] = 2; // RGB
    const QByteArray png = QByteArray("\x89PNG\r\n\x1a\n", 8) + pngChunk("IHDR", ihdr)
        + pngChunk("IDAT", {}) + pngChunk("IEND", {});
    writeAll(path(QStringLiteral("huge.png")), png);

    for (const QString &name : {QStringLiteral("huge.bmp"), QStringLiteral("huge.png")}) {
        const PrepareResult result = prepare(path(name));
        EXPECT_EQ(result.status, PrepareResult::Status::TooLarge) << qPrintable(name);
        EXPECT_EQ(result.sourceSize, QSize(10000, 10000));
    }
    EXPECT_FALSE(QFile::exists(path(QStringLiteral("out.bmp"))));
}

TEST_F(PreparePictureTest, RefusesToWriteOverThePaletteFileAlsoThroughAHardLink)
{
    ASSERT_TRUE(photoLike(400, 300).save(path(QStringLiteral("photo.png"))));
    const QByteArray pieces("0,0,0\n255,255,255\n");
    writeAll(path(QStringLiteral("pieces.csv")), pieces);
    ASSERT_EQ(::link(QFile::encodeName(path(QStringLiteral("pieces.csv"))).constData(),
                  QFile::encodeName(path(QStringLiteral("linked.bmp"))).constData()),
        0);
    PrepareOptions options;
    options.paletteFile = path(QStringLiteral("pieces.csv"));
    EXPECT_EQ(preparePicture(
                  path(QStringLiteral("photo.png")), path(QStringLiteral("linked.bmp")), options)
                  .status,
        PrepareResult::Status::OutputIsPalette);
    EXPECT_EQ(readAll(path(QStringLiteral("pieces.csv"))), pieces);
}
