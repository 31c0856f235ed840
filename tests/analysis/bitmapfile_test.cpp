#include "bitmapfile.h"
#include "testpicture.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <sys/stat.h>

namespace {

class BitmapFileTest : public ::testing::Test
{
protected:
    QString write(const QString &name, const QByteArray &bytes)
    {
        const QString path = dir.filePath(name);
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
        return path;
    }

    QTemporaryDir dir;
};

} // namespace

TEST_F(BitmapFileTest, ReadsThePixelsOfAnAcceptedPicture)
{
    TestPicture picture;
    picture.set(120, 1, 0x030201);
    const BitmapFile bitmap = readBitmap(picture.save(dir.filePath("good.bmp")));
    ASSERT_EQ(bitmap.status, BitmapStatus::Ok);
    ASSERT_EQ(bitmap.pixels.size(), BitmapFile::PixelBytes);
    // The first stored pixel is the bottom-left one, blue first.
    EXPECT_EQ(bitmap.pixels.left(3), QByteArray("\x03\x02\x01", 3));
}

TEST_F(BitmapFileTest, RefusesEveryTruncationCleanly)
{
    const QByteArray whole = TestPicture().toBmp();
    for (const int length : {0, 1, 10, 53, 54, 55, 480, 57653}) {
        const QString path = write(QStringLiteral("cut%1.bmp").arg(length), whole.left(length));
        const BitmapStatus expected = length < BmpHeader::Size ? BitmapStatus::HeaderIncomplete
                                                               : BitmapStatus::PixelDataIncomplete;
        const BitmapFile bitmap = readBitmap(path);
        EXPECT_EQ(bitmap.status, expected) << length;
        EXPECT_TRUE(bitmap.pixels.isEmpty()) << length;
    }
}

TEST_F(BitmapFileTest, RefusesWrongHeadersBeforeReadingPixels)
{
    const QString eightBit = write("8bit.bmp", bmpHeaderBytes({.bitCount = 8}, 0));
    EXPECT_EQ(readBitmap(eightBit).status, BitmapStatus::NotTwentyFourBit);
    const QString topDown = write("topdown.bmp", bmpHeaderBytes({.height = -120}, 0));
    EXPECT_EQ(readBitmap(topDown).status, BitmapStatus::WrongSize);
    EXPECT_EQ(readBitmapHeader(topDown).status, BitmapStatus::Ok);
}

TEST_F(BitmapFileTest, FollowsThePixelOffsetOfLargerHeaders)
{
    TestPicture picture;
    picture.set(120, 1, 0x112233);
    for (const int offBits : {0, 54, 138}) {
        BmpOptions options;
        options.offBits = offBits;
        const QString path
            = picture.save(dir.filePath(QStringLiteral("off%1.bmp").arg(offBits)), options);
        const BitmapFile bitmap = readBitmap(path);
        ASSERT_EQ(bitmap.status, BitmapStatus::Ok) << offBits;
        EXPECT_EQ(bitmap.pixels.left(3), QByteArray("\x11\x22\x33", 3)) << offBits;
    }
    const QString farAway = write("far.bmp",
        bmpHeaderBytes({.offBits = 0x7FFFFFFF}, 0) + QByteArray(BitmapFile::PixelBytes, '\0'));
    EXPECT_EQ(readBitmap(farAway).status, BitmapStatus::PixelDataIncomplete);
}

TEST_F(BitmapFileTest, NeverOpensWhatIsNotARegularFile)
{
    EXPECT_EQ(readBitmap(dir.path()).status, BitmapStatus::CannotOpen);
    EXPECT_EQ(readBitmapHeader(dir.filePath("missing.bmp")).status, BitmapStatus::CannotOpen);
    // A pipe would block a reader for ever.
    const QString fifo = dir.filePath("pipe.bmp");
    ASSERT_EQ(mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    EXPECT_EQ(readBitmap(fifo).status, BitmapStatus::CannotOpen);
    EXPECT_EQ(readBitmapHeader(fifo).status, BitmapStatus::CannotOpen);
}

TEST_F(BitmapFileTest, ReadsOnlyWhatItNeedsOfAHugeFile)
{
    QByteArray bytes = TestPicture().toBmp();
    bytes.append(QByteArray(50 * 1024 * 1024, '\x7f'));
    const BitmapFile bitmap = readBitmap(write("huge.bmp", bytes));
    EXPECT_EQ(bitmap.status, BitmapStatus::Ok);
    EXPECT_EQ(bitmap.pixels.size(), BitmapFile::PixelBytes);
}
