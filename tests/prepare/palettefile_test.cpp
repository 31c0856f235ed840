#include "palettefile.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace prepare;

namespace {

class PaletteFileTest : public ::testing::Test
{
protected:
    QString write(const QByteArray &bytes)
    {
        const QString path = dir.filePath(QStringLiteral("palette%1.txt").arg(++count));
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
        return path;
    }

    QTemporaryDir dir;
    int count = 0;
};

} // namespace

TEST_F(PaletteFileTest, ReadsGimpAndCsvPalettesWithJapaneseNames)
{
    const PaletteFile gimp = readPaletteFile(write("GIMP Palette\nName: ビーズ\nColumns: 4\n#\n"
                                                   "255   0   0\t赤\n  0 128 255\tみず いろ\n"));
    ASSERT_EQ(gimp.status, PaletteFile::Status::Ok);
    ASSERT_EQ(gimp.colors.size(), 2);
    EXPECT_EQ(gimp.colors[1].rgb, qRgb(0, 128, 255));
    EXPECT_EQ(gimp.colors[1].name, QStringLiteral("みず いろ"));

    // A byte order mark, CR LF line ends, a name with a comma, no name at all.
    const PaletteFile csv = readPaletteFile(
        write("\xEF\xBB\xBF# R,G,B,name\r\n10, 20, 30,\"黒, つや消し\"\r\n1,2,3\r\n"));
    ASSERT_EQ(csv.status, PaletteFile::Status::Ok);
    ASSERT_EQ(csv.colors.size(), 2);
    EXPECT_EQ(csv.colors[0].rgb, qRgb(10, 20, 30));
    EXPECT_EQ(csv.colors[0].name, QStringLiteral("黒, つや消し"));
    EXPECT_EQ(csv.colors[1].line, 3);
}

TEST_F(PaletteFileTest, NamesTheLineOfEveryFault)
{
    struct Case
    {
        QByteArray bytes;
        PaletteFile::Status status;
        int line;
    };
    const Case cases[] = {
        {"1,2,3\n4,5\n", PaletteFile::Status::BadLine, 2},
        {"1,2,3\n\n256,0,0\n", PaletteFile::Status::BadLine, 3},
        {"R,G,B\n1,2,3\n", PaletteFile::Status::BadLine, 1},
        {"GIMP Palette\n1,2,3\n", PaletteFile::Status::BadLine, 2},
        {"1,2,3,\xff\xfe\n", PaletteFile::Status::NotUtf8, 1},
        {"GIMP Palette\n0 0 0 黒\n9 9 9\n0 0 0 墨\n", PaletteFile::Status::Duplicate, 4},
        {"# nothing\n\n", PaletteFile::Status::NoColor, 3},
        {"", PaletteFile::Status::NoColor, 1},
    };
    for (const Case &c : cases) {
        const QString path = write(c.bytes);
        const PaletteFile palette = readPaletteFile(path);
        EXPECT_EQ(palette.status, c.status) << c.bytes.constData();
        EXPECT_EQ(palette.line, c.line) << c.bytes.constData();
        EXPECT_TRUE(palette.colors.isEmpty());
        EXPECT_TRUE(
            paletteErrorText(palette, path).startsWith(path + QStringLiteral(":%1: ").arg(c.line)))
            << qPrintable(paletteErrorText(palette, path));
    }
    EXPECT_EQ(readPaletteFile(write("GIMP Palette\n0 0 0\n1 1 1\n0 0 0\n")).firstLine, 2);
    EXPECT_EQ(readPaletteFile(dir.filePath("missing.gpl")).status, PaletteFile::Status::CannotOpen);
    EXPECT_EQ(readPaletteFile(dir.path()).status, PaletteFile::Status::CannotOpen);
}
