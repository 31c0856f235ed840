#include "clirun.h"
#include "heifencoder.h"

#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QImage>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
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

TEST(CliPrepare, RefusesRegionsAndAdjustmentsOutOfRange)
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
