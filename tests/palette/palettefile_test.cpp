#include "palettefile.h"

#include <QFile>
#include <QRgb>
#include <QStringEncoder>
#include <QTemporaryDir>
#include <gtest/gtest.h>

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
        {"R1,G,B\n1,2,3\n", PaletteFile::Status::BadLine, 1},
        {"1,2,3\nR,G,B\n", PaletteFile::Status::BadLine, 2},
        {"1,2,3\r4,5\r", PaletteFile::Status::BadLine, 2},
        {"GIMP Palette\n1,2,3\n", PaletteFile::Status::BadLine, 2},
        {"1,2,3,\xff\xfe\n", PaletteFile::Status::NotUtf8, 1},
        // Neither UTF-8 nor Shift-JIS: a lone lead byte before the line end.
        {"1,2,3,白\n4,5,6,\xe3\n7,8,9\n", PaletteFile::Status::NotUtf8, 2},
        {"1,2,3,\xe3", PaletteFile::Status::NotUtf8, 1},
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

TEST_F(PaletteFileTest, ReadsAShiftJisFileAsItsUtf8Twin)
{
    // "表" and "ソ" end in the byte of '\\', which a byte-wise reading would take apart.
    const QByteArray utf8 = "# 色,名前\r\n255,255,255,白\r\n230,180,150,肌2\r\n"
                            "90,50,20,こげ茶 表\r\n0,100,200,ソーダ～\r\n";
    QStringEncoder toShiftJis("Shift_JIS");
    ASSERT_TRUE(toShiftJis.isValid());
    const QByteArray shiftJis = toShiftJis.encode(QString::fromUtf8(utf8));
    ASSERT_NE(shiftJis, utf8);

    const PaletteFile expected = readPaletteFile(write(utf8));
    const PaletteFile read = readPaletteFile(write(shiftJis));
    ASSERT_EQ(expected.status, PaletteFile::Status::Ok);
    ASSERT_EQ(read.status, PaletteFile::Status::Ok);
    ASSERT_EQ(read.colors.size(), expected.colors.size());
    for (qsizetype i = 0; i < read.colors.size(); ++i) {
        EXPECT_EQ(read.colors[i].rgb, expected.colors[i].rgb);
        EXPECT_EQ(read.colors[i].name, expected.colors[i].name);
        EXPECT_EQ(read.colors[i].line, expected.colors[i].line);
    }
}

TEST_F(PaletteFileTest, MessagesGiveAdviceAndShowTheBadLine)
{
    const QString notUtf8 = write("1,2,3,\x82\n");
    EXPECT_TRUE(paletteErrorText(readPaletteFile(notUtf8), notUtf8)
                    .endsWith(QStringLiteral("UTF-8 で保存し直してください。")));

    const QString shortLine = write("1,2,3\n4,5,黒\n");
    EXPECT_TRUE(paletteErrorText(readPaletteFile(shortLine), shortLine)
                    .endsWith(QStringLiteral("「4,5,黒」")));
    // Forty characters at most, none of them cut in half.
    const QString longLine = write("1,2,3 " + QString(50, QChar(u'緑')).toUtf8() + "\n");
    const PaletteFile palette = readPaletteFile(longLine);
    EXPECT_EQ(palette.lineText,
        QStringLiteral("1,2,3 ") + QString(33, QChar(u'緑')) + QStringLiteral("…"));
    const QString emoji = write("1x" + QString::fromUtf8("😀").repeated(45).toUtf8());
    EXPECT_EQ(readPaletteFile(emoji).lineText.toUcs4().size(), 40);
}

TEST_F(PaletteFileTest, ReadsPalettesAsSpreadsheetsAndOldMacsSaveThem)
{
    // A header row, full-width digits and commas typed through an input method
    // (the name keeps its own), CR line ends.
    const PaletteFile csv = readPaletteFile(write("R,G,B,名前\r２５５，０, 0,赤１号\r"
                                                  "0\xE3\x80\x80,128,255\r"));
    ASSERT_EQ(csv.status, PaletteFile::Status::Ok) << paletteErrorText(csv, "").toStdString();
    ASSERT_EQ(csv.colors.size(), 2);
    EXPECT_EQ(csv.colors[0].rgb, qRgb(255, 0, 0));
    EXPECT_EQ(csv.colors[0].name, QStringLiteral("赤１号"));
    EXPECT_EQ(csv.colors[1].rgb, qRgb(0, 128, 255));
    EXPECT_EQ(csv.colors[1].line, 3);
    const PaletteFile gimp = readPaletteFile(write("GIMP Palette\r\n１０　２０ ３０\t水色\r\n"));
    ASSERT_EQ(gimp.status, PaletteFile::Status::Ok);
    EXPECT_EQ(gimp.colors[0].rgb, qRgb(10, 20, 30));
    EXPECT_EQ(gimp.colors[0].name, QStringLiteral("水色"));
}

TEST_F(PaletteFileTest, NamesReachNoTerminalRawAndAPictureIsNotText)
{
    const char raw[] = "1,2,3,\x1b]0;title\x07red\x1b[2J\n4,5,6,a\0b\tc\x7f\n";
    const PaletteFile palette = readPaletteFile(write(QByteArray(raw, sizeof raw - 1)));
    ASSERT_EQ(palette.status, PaletteFile::Status::Ok);
    EXPECT_EQ(palette.colors[0].name, QStringLiteral("\uFFFD]0;title\uFFFDred\uFFFD[2J"));
    EXPECT_EQ(palette.colors[1].name, QStringLiteral("a\uFFFDb c\uFFFD"));

    const QByteArray jpeg("\xFF\xD8\xFF\xE0\x00\x10JFIF\x00\x01\x01\x00\x00\x01", 16);
    const QString path = write(jpeg + QByteArray(100, '\x80'));
    const PaletteFile picture = readPaletteFile(path);
    EXPECT_EQ(picture.status, PaletteFile::Status::NotText);
    EXPECT_TRUE(
        paletteErrorText(picture, path).contains(QStringLiteral("テキストファイルではありません")));
    EXPECT_EQ(readPaletteFile(write("\xFF\xFE" + QByteArray("1\0,\0", 4))).status,
        PaletteFile::Status::NotUtf8);
}
