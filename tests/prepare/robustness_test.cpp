// What prepare refuses or mends in a picture that decodes: a conversion that
// runs out of memory, orientation outside JPEG and TIFF, the size limits, and
// palette files too large to read.
#include "imagestep.h"
#include "pngchunk.h"
#include "prepare.h"
#include "testfiles.h"

#include <QBuffer>
#include <QFile>
#include <QImageWriter>
#include <QTemporaryDir>
#include <QtEndian>
#include <gtest/gtest.h>
#include <sys/stat.h>

using namespace prepare;

namespace {

QByteArray encoded(const QImage &image, const char *format,
    QImageIOHandler::Transformations turn = QImageIOHandler::TransformationNone)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, format);
    writer.setTransformation(turn);
    writer.write(image);
    return bytes;
}

// Red, green, blue and yellow quarters, wider than high.
QImage quarters()
{
    QImage image(200, 120, QImage::Format_RGB32);
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            image.setPixel(x, y,
                y < 60 ? (x < 100 ? qRgb(255, 0, 0) : qRgb(0, 255, 0))
                       : (x < 100 ? qRgb(0, 0, 255) : qRgb(255, 255, 0)));
    return image;
}

// A big-endian TIFF block holding only the orientation tag.
QByteArray exifBlock(int orientation)
{
    QByteArray block("MM\x00\x2a\x00\x00\x00\x08\x00\x01\x01\x12\x00\x03\x00\x00\x00\x01", 18);
    block += char(0);
    block += char(orientation);
    block += QByteArray(6, '\0');
    return block;
}

QByteArray riffChunk(const QByteArray &type, const QByteArray &data)
{
    QByteArray length(4, '\0');
    qToLittleEndian<quint32>(quint32(data.size()), length.data());
    return type + length + data + (data.size() % 2 ? QByteArray(1, '\0') : QByteArray());
}

// Qt's simple WebP turned extended: VP8X naming an EXIF chunk, the image, the EXIF.
QByteArray webpWithExif(const QImage &image, int orientation)
{
    const QByteArray simple = encoded(image, "webp");
    QByteArray vp8x(10, '\0');
    vp8x[0] = 0x08; // EXIF present
    qToLittleEndian<quint32>(quint32(image.width() - 1), vp8x.data() + 4);
    qToLittleEndian<quint32>(quint32(image.height() - 1), vp8x.data() + 7);
    const QByteArray body = "WEBP" + riffChunk("VP8X", vp8x) + simple.mid(12)
        + riffChunk("EXIF", exifBlock(orientation));
    QByteArray riff = "RIFF" + QByteArray(4, '\0') + body;
    qToLittleEndian<quint32>(quint32(body.size()), riff.data() + 4);
    return riff;
}

QImage scaled(const QString &path)
{
    return loadScaledPicture(path, {Fit::Stretch}).image;
}

class Robustness : public ::testing::Test
{
protected:
    QString path(const char *name) const { return dir.filePath(QString::fromLatin1(name)); }
    QTemporaryDir dir;
};

} // namespace

TEST_F(Robustness, AFailedConversionAtAnyStepIsAFailureAndWritesNothing)
{
    writeAll(path("photo.png"), encoded(quarters(), "png"));
    int steps = 0;
    for (int step = 1;; ++step) {
        failImageStepForTesting(step);
        const ScaledPicture result = loadScaledPicture(path("photo.png"));
        if (result.status == LoadStatus::Ok)
            break;
        EXPECT_EQ(result.status, LoadStatus::ConversionFailed) << step;
        EXPECT_TRUE(result.image.isNull()) << step;
        steps = step;
    }
    failImageStepForTesting(0);
    EXPECT_GE(steps, 5);

    failImageStepForTesting(1);
    const PrepareResult prepared = preparePicture(path("photo.png"), path("out.bmp"), {});
    failImageStepForTesting(0);
    EXPECT_EQ(prepared.status, PrepareResult::Status::ConversionFailed);
    EXPECT_FALSE(QFile::exists(path("out.bmp")));
}

TEST_F(Robustness, PngAndWebpAreTurnedUprightAsJpegIs)
{
    // Qt's JPEG writer stores the orientation as EXIF; its reader turns by it.
    const QImageIOHandler::Transformations turns[] = {QImageIOHandler::TransformationNone,
        QImageIOHandler::TransformationMirror, QImageIOHandler::TransformationRotate180,
        QImageIOHandler::TransformationFlip, QImageIOHandler::TransformationFlipAndRotate90,
        QImageIOHandler::TransformationRotate90, QImageIOHandler::TransformationMirrorAndRotate90,
        QImageIOHandler::TransformationRotate270};
    const QByteArray png = encoded(quarters(), "png");
    for (int orientation = 1; orientation <= 8; ++orientation) {
        SCOPED_TRACE(orientation);
        writeAll(path("turned.jpg"), encoded(quarters(), "jpeg", turns[orientation - 1]));
        writeAll(path("turned.png"),
            png.left(33) + pngChunk("eXIf", exifBlock(orientation)) + png.mid(33));
        writeAll(path("turned.webp"), webpWithExif(quarters(), orientation));
        const QImage expected = scaled(path("turned.jpg"));
        for (const char *name : {"turned.png", "turned.webp"}) {
            const QImage image = scaled(path(name));
            ASSERT_FALSE(image.isNull()) << name;
            for (const QPoint at :
                {QPoint(40, 30), QPoint(120, 30), QPoint(40, 90), QPoint(120, 90)})
                EXPECT_LT(qAbs(qRed(image.pixel(at)) - qRed(expected.pixel(at)))
                        + qAbs(qGreen(image.pixel(at)) - qGreen(expected.pixel(at)))
                        + qAbs(qBlue(image.pixel(at)) - qBlue(expected.pixel(at))),
                    40)
                    << name << " at " << at.x() << "," << at.y();
        }
    }
}

TEST_F(Robustness, APictureIsNeverCalledBrokenForItsSize)
{
    // Over Qt's own 128 MB allocation limit at 4 bytes a pixel.
    QImage large(6000, 6000, QImage::Format_RGB32);
    large.fill(qRgb(200, 100, 50));
    ASSERT_TRUE(large.save(path("large.png")));
    EXPECT_EQ(loadScaledPicture(path("large.png")).status, LoadStatus::Ok);

    // 16 bits a channel: refused above its own limit, named in the message.
    QByteArray ihdr(13, '\0');
    qToBigEndian<quint32>(6000, ihdr.data());
    qToBigEndian<quint32>(6000, ihdr.data() + 4);
    ihdr[8] = 16;
    ihdr[9] = 2;
    writeAll(path("deep.png"),
        QByteArray("\x89PNG\r\n\x1a\n", 8) + pngChunk("IHDR", ihdr) + pngChunk("IDAT", {})
            + pngChunk("IEND", {}));
    const PrepareResult deep = preparePicture(path("deep.png"), path("out.bmp"), {});
    EXPECT_EQ(deep.status, PrepareResult::Status::TooLarge);
    EXPECT_EQ(deep.limit, Max16BitSourcePixels);
    EXPECT_TRUE(prepareFailureText(deep, path("deep.png"), path("out.bmp"), {})
                    .contains(QStringLiteral("3000万画素まで")));
}

TEST_F(Robustness, APaletteFileTooLargeOrOfTooManyColoursIsRefused)
{
    writeAll(path("blank.csv"), QByteArray(MaxPaletteBytes + 1, '\n'));
    EXPECT_EQ(readPaletteFile(path("blank.csv")).status, PaletteFile::Status::TooLarge);

    QByteArray many;
    for (int n = 0; n <= MaxPaletteColors; ++n)
        many += QByteArray::number(n % 256) + ',' + QByteArray::number(n / 256) + ",0\n";
    writeAll(path("many.csv"), many);
    const PaletteFile palette = readPaletteFile(path("many.csv"));
    EXPECT_EQ(palette.status, PaletteFile::Status::TooManyColors);
    EXPECT_EQ(palette.line, MaxPaletteColors + 1);
    EXPECT_TRUE(paletteErrorText(palette, path("many.csv")).contains(QStringLiteral("1024 色")));
}

TEST_F(Robustness, OnlyTheListedFormatsAreTakenAndByTheirContent)
{
    // An SVG whose image is a FIFO never returned from Qt's reader.
    const QString fifo = path("fifo");
    ASSERT_EQ(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    writeAll(path("hang.svg"),
        "<svg xmlns='http://www.w3.org/2000/svg' xmlns:xlink='http://www.w3.org/1999/xlink' "
        "width='10' height='10'><image xlink:href='file://"
            + QFile::encodeName(fifo) + "' width='10' height='10'/></svg>");
    writeAll(path("icon.ico"), encoded(quarters(), "ico"));
    writeAll(path("picture.xpm"), encoded(quarters(), "xpm"));
    for (const char *name : {"hang.svg", "icon.ico", "picture.xpm"}) {
        SCOPED_TRACE(name);
        EXPECT_EQ(loadScaledPicture(path(name)).status, LoadStatus::Unreadable);
    }
    // A PNG under another format's name is a PNG.
    writeAll(path("png.svg"), encoded(quarters(), "png"));
    EXPECT_EQ(loadScaledPicture(path("png.svg")).status, LoadStatus::Ok);
}

TEST_F(Robustness, AJpegThatLibjpegFindsDamagedIsUnreadable)
{
    const QByteArray jpeg = encoded(photoLike(800, 600), "jpeg");
    const qsizetype scan = jpeg.indexOf("\xFF\xDA");
    ASSERT_GT(scan, 0);
    QByteArray half = jpeg.first(scan + (jpeg.size() - scan) / 2) + "\xFF\xD9";
    QByteArray claimsMore = jpeg;
    const qsizetype frame = jpeg.indexOf("\xFF\xC0");
    ASSERT_GT(frame, 0);
    qToBigEndian<quint16>(7000, claimsMore.data() + frame + 5);
    qToBigEndian<quint16>(7000, claimsMore.data() + frame + 7);
    // Two changed bytes that make a marker inside the coded data.
    QByteArray marked = jpeg;
    marked[scan + 9000] = '\xFF';
    marked[scan + 9001] = '\xD3';
    // Cameras' harmless kind: bytes between the scan and its end marker.
    const QByteArray padded
        = jpeg.first(jpeg.size() - 2) + QByteArray("\0\0\0\xFF\xD9", 5);
    writeAll(path("half.jpg"), half);
    writeAll(path("claims.jpg"), claimsMore);
    writeAll(path("marked.jpg"), marked);
    writeAll(path("padded.jpg"), padded);
    for (const char *name : {"half.jpg", "claims.jpg", "marked.jpg"}) {
        SCOPED_TRACE(name);
        EXPECT_EQ(loadScaledPicture(path(name)).status, LoadStatus::Unreadable);
    }
    EXPECT_EQ(loadScaledPicture(path("padded.jpg")).status, LoadStatus::Ok);
}
