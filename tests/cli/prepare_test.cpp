#include "clirun.h"
#include "heifencoder.h"
#include "testfiles.h"

#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QImage>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>
#include <QSet>
#include <QTemporaryDir>
#include <gtest/gtest.h>

// prepare runs in the pages module, which the program loads from beside it.
TEST(CliPrepare, WritesATessamapPictureThroughThePagesModule)
{
    QTemporaryDir folder;
    const QString output = folder.filePath("prepared.bmp");
    const CliRun run = runCli({"prepare", samplePath("gradient40.bmp"), output, "--colors", "8"});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_TRUE(run.out.contains(QStringLiteral("色数: 8"))) << run.out.toStdString();
    EXPECT_EQ(QFileInfo(output).size(), 57654);
}

// The colours a palette gives, in the numbers the windows and list will show.
TEST(CliPrepare, WithAPaletteListsEveryColourByItsNumber)
{
    QTemporaryDir folder;
    QFile palette(folder.filePath("beads.gpl"));
    ASSERT_TRUE(palette.open(QIODevice::WriteOnly));
    palette.write("GIMP Palette\n0 255 128 みどり\n200 40 40 あか\n20 20 200\n250 250 250 しろ\n"
                  "128 128 0 こがね\n");
    palette.close();
    const QString output = folder.filePath("prepared.bmp");
    const CliRun run = runCli({"prepare", samplePath("gradient40.bmp"), output, "--palette",
        palette.fileName(), "--colors", "4"});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    const QStringList lines = run.out.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    ASSERT_GE(lines.size(), 3);

    const CliRun list = runCli({"list", output, "--json"});
    const QJsonArray colors
        = QJsonDocument::fromJson(list.out.toUtf8()).object()["colors"].toArray();
    ASSERT_EQ(lines.size(), 2 + colors.size()) << run.out.toStdString();
    const QHash<QString, QString> names {{"0,255,128", "　みどり"}, {"200,40,40", "　あか"},
        {"20,20,200", ""}, {"250,250,250", "　しろ"}, {"128,128,0", "　こがね"}};
    for (qsizetype i = 0; i < colors.size(); ++i) {
        const QJsonArray rgb = colors[i].toObject()["rgb"].toArray();
        const QString value = QStringLiteral("%1,%2,%3")
                                  .arg(rgb[0].toInt())
                                  .arg(rgb[1].toInt())
                                  .arg(rgb[2].toInt());
        ASSERT_TRUE(names.contains(value)) << value.toStdString();
        EXPECT_EQ(lines[2 + i], QStringLiteral("色%1:　").arg(i + 1) + value + names[value]);
    }
}

TEST(CliPrepare, RefusesOptionValuesOutOfRange)
{
    QTemporaryDir folder;
    const QString output = folder.filePath("prepared.bmp");
    struct Case
    {
        QStringList options;
        QString message;
    };
    const QString regionForm = QStringLiteral("--region は X,Y,幅,高さ の形");
    const Case cases[] = {
        {{"--region", "0,0,80"}, regionForm},
        {{"--region", "0,0,0,60"}, regionForm},
        {{"--region", "-1,0,80,60"}, regionForm},
        {{"--region", "0,0,99999999999,60"}, regionForm},
        {{"--region", "100,0,80,60"},
            QStringLiteral("使う部分が画像の外に出ています（画像は 160×120ドット）。")},
        {{"--brightness", "101"}, QStringLiteral("明るさは -100 から 100 で指定してください: 101")},
        {{"--contrast", "-101"},
            QStringLiteral("コントラストは -100 から 100 で指定してください: -101")},
        {{"--saturation", "x"}, QStringLiteral("彩度は -100 から 100 で指定してください: x")},
        {{"--min-pieces", "0"},
            QStringLiteral("1色の最少ピース数は 1 から 200 で指定してください: 0")},
        {{"--min-pieces", "201"},
            QStringLiteral("1色の最少ピース数は 1 から 200 で指定してください: 201")},
        {{"--min-pieces", "2x"},
            QStringLiteral("1色の最少ピース数は 1 から 200 で指定してください: 2x")},
    };
    for (const Case &c : cases) {
        const CliRun run
            = runCli(QStringList {"prepare", samplePath("gradient40.bmp"), output} + c.options);
        EXPECT_EQ(run.exitCode, 1) << c.options.join(' ').toStdString();
        EXPECT_TRUE(run.err.contains(c.message)) << run.err.toStdString();
        EXPECT_FALSE(QFileInfo::exists(output));
    }
}

// libheif's own English error text stays off standard error.
TEST(CliPrepare, TruncatedHeicAndAvifExitThreeWithOurMessageOnly)
{
    QTemporaryDir folder;
    const QString png = folder.filePath("sample.png");
    ASSERT_TRUE(QImage(samplePath("landscape.bmp")).save(png));
    for (const QString name : {"photo.heic", "photo.avif"}) {
        const QString whole = folder.filePath(name);
        ASSERT_EQ(encodeWithHeifEnc(png, whole), QString());
        const QString cut = folder.filePath("cut-" + name);
        QFile file(cut);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(fileBytes(whole).chopped(100));
        file.close();
        const QString output = folder.filePath("out.bmp");
        const CliRun run = runCli({"prepare", cut, output});
        EXPECT_EQ(run.exitCode, 3) << qPrintable(name);
        EXPECT_EQ(run.err,
            QStringLiteral("画像を読み込めません（壊れているか、読めない形式です）。\n") + cut
                + "\n");
        EXPECT_FALSE(QFileInfo::exists(output));
    }
}

namespace {

QJsonObject jsonOf(const QString &path)
{
    return QJsonDocument::fromJson(fileBytes(path)).object();
}

QJsonArray listedColors(const QString &picture)
{
    const CliRun list = runCli({"list", picture, "--json"});
    EXPECT_EQ(list.exitCode, 0) << list.err.toStdString();
    return QJsonDocument::fromJson(list.out.toUtf8()).object()["colors"].toArray();
}

QString rgbText(const QJsonValue &color)
{
    const QJsonArray rgb = color.toObject()["rgb"].toArray();
    return QStringLiteral("%1,%2,%3").arg(rgb[0].toInt()).arg(rgb[1].toInt()).arg(rgb[2].toInt());
}

} // namespace

// A set by its id chooses exactly as its colours written into a file; the
// picture's colours are the set's, and its chart file names them with code and set.
TEST(CliPrepare, APieceSetChoosesAsItsColoursGivenAsAFile)
{
    QTemporaryDir folder;
    const QString photo = folder.filePath("photo.png");
    ASSERT_TRUE(photoLike(400, 300).save(photo));
    const CliRun set = runCli({"palettes", "perler"});
    QHash<QString, QString> codeOf;
    QByteArray file;
    for (const QString &line : set.out.split(QLatin1Char('\n'), Qt::SkipEmptyParts)) {
        const QStringList fields = line.split(QStringLiteral("  "), Qt::SkipEmptyParts);
        codeOf.insert(fields[1].trimmed(), fields[0]);
        file += (fields[1].trimmed() + "," + fields[2].trimmed()).toUtf8() + "\n";
    }
    ASSERT_EQ(codeOf.size(), 103);
    writeAll(folder.filePath("perler.csv"), file);

    const QString bySet = folder.filePath("set.bmp");
    const QString byFile = folder.filePath("file.bmp");
    const CliRun run = runCli({"prepare", photo, bySet, "--palette", "perler", "--colors", "12"});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    ASSERT_EQ(runCli({"prepare", photo, byFile, "--palette", folder.filePath("perler.csv"),
                         "--colors", "12"})
                  .exitCode,
        0);
    EXPECT_EQ(fileBytes(bySet), fileBytes(byFile));

    const QJsonArray colors = listedColors(bySet);
    ASSERT_GE(colors.size(), 6);
    const QJsonArray charted = jsonOf(folder.filePath("set.tessamap"))["colors"].toArray();
    ASSERT_EQ(charted.size(), colors.size());
    for (qsizetype i = 0; i < colors.size(); ++i) {
        const QString rgb = rgbText(colors[i]);
        ASSERT_TRUE(codeOf.contains(rgb)) << rgb.toStdString();
        EXPECT_EQ(colors[i].toObject()["code"].toString(), codeOf[rgb]);
        EXPECT_FALSE(colors[i].toObject()["name"].toString().isEmpty());
        EXPECT_EQ(charted[i].toObject()["set"].toString(), QStringLiteral("perler"));
        EXPECT_TRUE(run.out.contains(QStringLiteral("色%1:　%2　").arg(i + 1).arg(rgb)
            + colors[i].toObject()["name"].toString() + QStringLiteral("　") + codeOf[rgb]));
    }

    // Colours left out must be the set's, and only a set's.
    const QByteArray picture = fileBytes(bySet);
    const CliRun unknown = runCli(
        {"prepare", photo, bySet, "--palette", "perler", "--without", "80-15179,H01"});
    EXPECT_EQ(unknown.exitCode, 3);
    EXPECT_TRUE(unknown.err.contains(QStringLiteral("品番「H01」"))) << unknown.err.toStdString();
    const CliRun ofFile = runCli({"prepare", photo, bySet, "--palette",
        folder.filePath("perler.csv"), "--without", "80-15179"});
    EXPECT_EQ(ofFile.exitCode, 3);
    EXPECT_EQ(runCli({"prepare", photo, bySet, "--without", "80-15179"}).exitCode, 1);
    EXPECT_EQ(fileBytes(bySet), picture);
}

// With and without a palette and dithering: no colour keeps fewer than N
// pieces, the report counts the colours dropped, and N = 1 changes no byte.
TEST(CliPrepare, MinPiecesLeavesNoColourOfFewerPieces)
{
    QTemporaryDir folder;
    // Colours of 36 to 4,299 pixels; with a palette, many more near each other.
    const QString picture = samplePath("landscape.bmp");
    const QString plain = folder.filePath("plain.bmp");
    const QString one = folder.filePath("one.bmp");
    ASSERT_EQ(runCli({"prepare", picture, plain, "--palette", "hama"}).exitCode, 0);
    ASSERT_EQ(
        runCli({"prepare", picture, one, "--palette", "hama", "--min-pieces", "1"}).exitCode, 0);
    EXPECT_EQ(fileBytes(one), fileBytes(plain));

    static const QRegularExpression report(QStringLiteral(
        "^色数: (\\d+)（少ない(?: (\\d+) 色を除外|色はなし)）\n"));
    int droppedInAll = 0;
    for (const QStringList &options :
        {QStringList {}, QStringList {"--dither"}, QStringList {"--palette", "artkal-s"},
            QStringList {"--palette", "perler", "--dither"}}) {
        SCOPED_TRACE(options.join(' ').toStdString());
        const QString before = folder.filePath("before.bmp");
        const QString after = folder.filePath("after.bmp");
        ASSERT_EQ(runCli(QStringList {"prepare", picture, before} + options).exitCode, 0);
        const CliRun run
            = runCli(QStringList {"prepare", picture, after, "--min-pieces", "100"} + options);
        ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
        const QJsonArray colors = listedColors(after);
        for (const QJsonValue &color : colors) {
            if (colors.size() > 1) {
                EXPECT_GE(color.toObject()["count"].toInt(), 100) << rgbText(color).toStdString();
            }
        }
        const QRegularExpressionMatch match = report.match(run.out);
        ASSERT_TRUE(match.hasMatch()) << run.out.toStdString();
        EXPECT_EQ(match.captured(1).toInt(), colors.size());
        const int dropped = int(listedColors(before).size() - colors.size());
        EXPECT_EQ(match.captured(2).toInt(), dropped);
        droppedInAll += dropped;
        EXPECT_TRUE(jsonOf(folder.filePath("after.tessamap"))["settings"].toArray().contains(
            QStringLiteral("--min-pieces")));
    }
    EXPECT_GE(droppedInAll, 4);
}
