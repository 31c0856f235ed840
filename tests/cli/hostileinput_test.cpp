// Hostile input to prepare and the other commands, one row each: the exit
// status, and an earlier output left byte for byte as it was with nothing else
// written beside it.
#include "clirun.h"
#include "pngchunk.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QImageWriter>
#include <QTemporaryDir>
#include <QtEndian>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

const QByteArray EarlierBytes("an earlier picture");

QImage photoLike(int width, int height)
{
    QImage image(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            image.setPixel(x, y, qRgb(x * 255 / width, y * 255 / height, (x * y) % 256));
    return image;
}

QByteArray encoded(const QImage &image, const char *format, bool progressive = false)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, format);
    writer.setProgressiveScanWrite(progressive);
    writer.write(image);
    return bytes;
}

QByteArray cut(const QByteArray &bytes, double share)
{
    return bytes.left(qsizetype(bytes.size() * share));
}

QByteArray flipped(QByteArray bytes, qsizetype at)
{
    bytes[at] = char(~bytes[at]);
    return bytes;
}

// A text chunk claiming 2 GiB, as libpng would allocate and read.
QByteArray overlongChunk()
{
    QByteArray chunk = pngChunk("tEXt", "a");
    qToBigEndian<quint32>(0x7fffffff, chunk.data());
    return chunk;
}

// A JPEG whose one scan repeats: the file check refuses it before libjpeg sees it.
QByteArray manyScans(int scans)
{
    const QByteArray jpeg = encoded(photoLike(64, 48), "jpeg");
    const qsizetype scan = jpeg.indexOf("\xff\xda");
    const QByteArray repeated = jpeg.mid(scan, jpeg.size() - 2 - scan);
    return jpeg.left(scan) + repeated.repeated(scans) + "\xff\xd9";
}

// An 8-bit RLE BMP of 4 x 2 pixels: two runs a row, the end-of-bitmap code last.
QByteArray rleBmp()
{
    QByteArray bmp(54 + 4 * 256, '\0');
    auto *header = reinterpret_cast<uchar *>(bmp.data());
    header[0] = 'B';
    header[1] = 'M';
    qToLittleEndian<quint32>(54 + 4 * 256, header + 10);
    qToLittleEndian<quint32>(40, header + 14);
    qToLittleEndian<qint32>(4, header + 18);
    qToLittleEndian<qint32>(2, header + 22);
    qToLittleEndian<quint16>(1, header + 26);
    qToLittleEndian<quint16>(8, header + 28);
    qToLittleEndian<quint32>(1, header + 30);
    header[54 + 4] = char(255); // colour 1 blue
    bmp += QByteArray("\x02\x00\x02\x01\x00\x00\x02\x01\x02\x00\x00\x01", 12);
    qToLittleEndian<quint32>(quint32(bmp.size()), bmp.data() + 2);
    return bmp;
}

// One white pixel; the trailer last.
const QByteArray OnePixelGif("GIF89a\x01\x00\x01\x00\x80\x00\x00\xff\xff\xff\x00\x00\x00"
                             ",\x00\x00\x00\x00\x01\x00\x01\x00\x00\x02\x02\x44\x01\x00;",
    35);

struct HostileCase
{
    const char *name;
    QByteArray input; // written as the file "input"
    QStringList arguments; // "IN", "OUT" and "PALETTE" stand for the paths
    int exitCode;
};

class HostileInput : public ::testing::TestWithParam<HostileCase>
{ };

QStringList withPaths(const QStringList &arguments, const QTemporaryDir &folder)
{
    QStringList result;
    for (const QString &argument : arguments) {
        if (argument == QLatin1String("IN"))
            result << folder.filePath("input");
        else if (argument == QLatin1String("OUT"))
            result << folder.filePath("o.bmp");
        else if (argument == QLatin1String("PALETTE"))
            result << folder.filePath("palette.csv");
        else if (argument == QLatin1String("DEVICE"))
            result << folder.filePath("null.bmp");
        else
            result << argument;
    }
    return result;
}

TEST_P(HostileInput, EndsWithItsStatusAndLeavesTheEarlierFile)
{
    const HostileCase &row = GetParam();
    QTemporaryDir folder;
    QFile input(folder.filePath("input"));
    ASSERT_TRUE(input.open(QIODevice::WriteOnly));
    input.write(row.input);
    input.close();
    QFile earlier(folder.filePath("o.bmp"));
    ASSERT_TRUE(earlier.open(QIODevice::WriteOnly));
    earlier.write(EarlierBytes);
    earlier.close();
    QFile palette(folder.filePath("palette.csv"));
    ASSERT_TRUE(palette.open(QIODevice::WriteOnly));
    palette.write("0,0,0\n255,255,255\n");
    palette.close();
    // A device at a name prepare takes.
    ASSERT_TRUE(QFile::link(QStringLiteral("/dev/null"), folder.filePath("null.bmp")));
    const QStringList before = entriesOf(folder.path());

    const CliRun run = runCli(withPaths(row.arguments, folder));
    EXPECT_EQ(run.exitCode, row.exitCode) << run.err.toStdString();
    if (row.exitCode != 0) {
        EXPECT_EQ(fileBytes(folder.filePath("o.bmp")), EarlierBytes);
        EXPECT_FALSE(run.err.isEmpty());
    }
    // Only our own message: no line of libpng's or libtiff's.
    EXPECT_FALSE(
        run.err.contains(QLatin1String("libpng")) || run.err.contains(QLatin1String("TIFF")))
        << run.err.toStdString();
    EXPECT_EQ(fileBytes(folder.filePath("palette.csv")), QByteArray("0,0,0\n255,255,255\n"));
    // A picture made gets its chart file beside it; nothing else appears.
    QStringList expected = before;
    if (row.exitCode == 0) {
        expected.append(QStringLiteral("o.tessamap"));
        expected.sort();
    }
    EXPECT_EQ(entriesOf(folder.path()), expected);
}

const QByteArray Png = encoded(photoLike(400, 300), "png");
const QByteArray Jpeg = encoded(photoLike(400, 300), "jpeg");
const QByteArray ProgressiveJpeg = encoded(photoLike(400, 300), "jpeg", true);
const QByteArray Bmp = encoded(photoLike(400, 300), "bmp");
const QStringList Prepare {"prepare", "IN", "OUT"};

INSTANTIATE_TEST_SUITE_P(Prepare, HostileInput,
    ::testing::Values(HostileCase {"WholePng", Png, Prepare, 0},
        HostileCase {"PngCut", cut(Png, 0.5), Prepare, 3},
        HostileCase {"PngWithABrokenCrc", flipped(Png, Png.size() / 2), Prepare, 3},
        HostileCase {"TiffCut", cut(encoded(photoLike(400, 300), "tiff"), 0.5), Prepare, 3},
        HostileCase {
            "PngChunkLongerThanTheFile", Png.left(33) + overlongChunk() + Png.mid(33), Prepare, 3},
        HostileCase {"JpegCutAtATenth", cut(Jpeg, 0.1), Prepare, 3},
        HostileCase {"JpegCutInItsLastBytes", Jpeg.left(Jpeg.size() - 2), Prepare, 3},
        HostileCase {"ProgressiveJpegCut", cut(ProgressiveJpeg, 0.6), Prepare, 3},
        HostileCase {"JpegOfTooManyScans", manyScans(101), Prepare, 2},
        HostileCase {"BmpWithSixBytesOfPixels", Bmp.left(54 + 6), Prepare, 3},
        HostileCase {"BmpWithoutItsLastRow", Bmp.left(Bmp.size() - 1), Prepare, 3},
        HostileCase {"RleBmp", rleBmp(), Prepare, 0},
        HostileCase {"RleBmpWithoutItsEnd", rleBmp().chopped(2), Prepare, 3},
        HostileCase {"GifCutInItsImage", OnePixelGif.left(30), Prepare, 3},
        HostileCase {"GifWithoutItsTrailer", OnePixelGif.chopped(1), Prepare, 0},
        HostileCase {
            "OutputIsThePalette", Png, {"prepare", "IN", "PALETTE", "--palette", "PALETTE"}, 1},
        HostileCase {"EmptyPaletteName", Png, {"prepare", "IN", "OUT", "--palette", ""}, 1},
        HostileCase {"DeviceAsOutput", Png, {"prepare", "IN", "DEVICE"}, 4},
        HostileCase {"EmptyOutputFolder", Bmp, {"export", "IN", "--csv", "--out", ""}, 1}),
    [](const auto &info) { return std::string(info.param.name); });

// The rows above where the output is a link, a FIFO, a name in another
// encoding or a limited file size.
class HostileOutput : public ::testing::Test
{
protected:
    void SetUp() override
    {
        QFile file(path("in.png"));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(Png);
        file.close();
        QFile palette(path("palette.csv"));
        ASSERT_TRUE(palette.open(QIODevice::WriteOnly));
        palette.write("0,0,0\n255,255,255\n");
    }

    QString path(const char *name) const { return folder.filePath(QString::fromLatin1(name)); }

    void expectNothingChanged(const QStringList &before)
    {
        EXPECT_EQ(fileBytes(path("in.png")), Png);
        EXPECT_EQ(entriesOf(folder.path()), before);
    }

    QTemporaryDir folder;
};

} // namespace

TEST_F(HostileOutput, AHardLinkToTheInputOrThePaletteIsAUsageError)
{
    ASSERT_EQ(::link(qPrintable(path("in.png")), qPrintable(path("same.bmp"))), 0);
    ASSERT_EQ(::link(qPrintable(path("palette.csv")), qPrintable(path("samepalette.bmp"))), 0);
    const QStringList before = entriesOf(folder.path());
    EXPECT_EQ(runCli({"prepare", path("in.png"), path("same.bmp")}).exitCode, 1);
    EXPECT_EQ(runCli({"prepare", path("in.png"), path("samepalette.bmp"), "--palette",
                         path("palette.csv")})
                  .exitCode,
        1);
    expectNothingChanged(before);
    EXPECT_EQ(fileBytes(path("palette.csv")), QByteArray("0,0,0\n255,255,255\n"));
}

TEST_F(HostileOutput, AFifoStaysAFifo)
{
    ASSERT_EQ(::mkfifo(qPrintable(path("fifo.bmp")), 0600), 0);
    const QStringList before = entriesOf(folder.path());
    const CliRun run = runCli({"prepare", path("in.png"), path("fifo.bmp")});
    EXPECT_EQ(run.exitCode, 4);
    EXPECT_TRUE(run.err.contains(path("fifo.bmp"))) << run.err.toStdString();
    struct stat status;
    ASSERT_EQ(::stat(qPrintable(path("fifo.bmp")), &status), 0);
    EXPECT_TRUE(S_ISFIFO(status.st_mode));
    expectNothingChanged(before);

    // The CSV files go through the same writer.
    ASSERT_EQ(::mkfifo(qPrintable(path("PixelColorNumber.csv")), 0600), 0);
    const QStringList withCsv = entriesOf(folder.path());
    EXPECT_EQ(
        runCli({"export", samplePath("landscape.bmp"), "--csv", "--out", folder.path()}).exitCode,
        4);
    ASSERT_EQ(::stat(qPrintable(path("PixelColorNumber.csv")), &status), 0);
    EXPECT_TRUE(S_ISFIFO(status.st_mode));
    expectNothingChanged(withCsv);
}

TEST_F(HostileOutput, ANameNotInUtf8IsRefusedAndNothingWritten)
{
    const QStringList before = entriesOf(folder.path());
    QProcess process;
    process.setProcessEnvironment(environmentWithoutDisplay());
    // The shell passes the byte 0xFF, which no QString argument could carry.
    process.start(QStringLiteral("/bin/sh"),
        {QStringLiteral("-c"),
            QStringLiteral("exec \"$0\" prepare \"$1\" \"$2$(printf '\\377').bmp\""),
            QStringLiteral(TESSAMAP_CLI), path("in.png"), path("o")});
    ASSERT_TRUE(process.waitForFinished(60000));
    EXPECT_EQ(process.exitCode(), 1);
    EXPECT_TRUE(
        QString::fromUtf8(process.readAllStandardError()).contains(QStringLiteral("UTF-8")));
    expectNothingChanged(before);
}

TEST_F(HostileOutput, AFullDiskKeepsTheEarlierBmp)
{
    QFile earlier(path("o.bmp"));
    ASSERT_TRUE(earlier.open(QIODevice::WriteOnly));
    earlier.write(EarlierBytes);
    earlier.close();
    const QStringList before = entriesOf(folder.path());
    const CliRun run = runCli({"prepare", path("in.png"), path("o.bmp")}, limitFileSize(56 * 1024));
    EXPECT_EQ(run.exitCode, 4) << run.err.toStdString();
    EXPECT_EQ(fileBytes(path("o.bmp")), EarlierBytes);
    expectNothingChanged(before);
}

TEST(HostileStandardOutput, AFullStandardOutputIsAFailedWrite)
{
    QProcess process;
    process.setProcessEnvironment(environmentWithoutDisplay());
    process.setStandardOutputFile(QStringLiteral("/dev/full"));
    process.start(QStringLiteral(TESSAMAP_CLI), {"list", samplePath("landscape.bmp"), "--json"});
    ASSERT_TRUE(process.waitForFinished(60000));
    EXPECT_EQ(process.exitCode(), 4);
}
