#include "clirun.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>
#include <gtest/gtest.h>

TEST(CliList, PrintsThePieceCountsWithLfLineEnds)
{
    const CliRun run = runCli({"list", samplePath("landscape.bmp")});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_FALSE(run.out.contains(QLatin1Char('\r')));
    const QStringList lines = run.out.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    ASSERT_EQ(lines.size(), 13);
    EXPECT_EQ(lines[0], QStringLiteral("色1:　549 枚"));
}

TEST(CliList, JsonCountsEveryPixelOnce)
{
    const QString picture = samplePath("gradient40.bmp");
    const CliRun run = runCli({"list", picture, "--json"});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    const QJsonObject json = QJsonDocument::fromJson(run.out.toUtf8()).object();
    EXPECT_EQ(json["picture"].toString(), picture);
    const QJsonArray colors = json["colors"].toArray();
    ASSERT_EQ(colors.size(), 32);
    EXPECT_EQ(colors[0].toObject()["number"].toInt(), 1);
    EXPECT_EQ(colors[0].toObject()["rgb"].toArray(), QJsonArray({0, 255, 128}));
    int pixels = json["unnumbered"].toInt();
    EXPECT_GT(pixels, 0);
    for (const QJsonValue &color : colors)
        pixels += color.toObject()["count"].toInt();
    EXPECT_EQ(pixels, 160 * 120);
}

TEST(CliList, BlocksListEveryBlockInPrintOrder)
{
    const CliRun run = runCli({"list", samplePath("gradient40.bmp"), "--blocks"});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    const QStringList lines = run.out.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    ASSERT_EQ(lines.size(), 192);
    EXPECT_TRUE(lines[0].startsWith(QStringLiteral("A 1  ")));
    EXPECT_TRUE(lines[12].startsWith(QStringLiteral("B 1  ")));
    // Columns 151-160 hold colours past the 32nd: their cells count as 0, first.
    EXPECT_TRUE(lines[191].startsWith(QStringLiteral("P 12  0×")));

    const CliRun json = runCli({"list", samplePath("gradient40.bmp"), "--blocks", "--json"});
    const QJsonArray blocks
        = QJsonDocument::fromJson(json.out.toUtf8()).object()["blocks"].toArray();
    ASSERT_EQ(blocks.size(), 192);
    EXPECT_EQ(blocks[191].toObject()["label"].toString(), QStringLiteral("P 12"));
}

TEST(CliList, NamesOnlyTheColoursOfExactlyTheSameValue)
{
    QTemporaryDir folder;
    QFile palette(folder.filePath("beads.csv"));
    ASSERT_TRUE(palette.open(QIODevice::WriteOnly));
    // landscape.bmp's colour 1 is 50,120,45, its colour 2 is 70,150,60, its colour 11 white.
    palette.write("50,120,45,深緑\n70,150,61,若草\n255,255,255,白\n");
    palette.close();

    const CliRun text
        = runCli({"list", samplePath("landscape.bmp"), "--palette", palette.fileName()});
    ASSERT_EQ(text.exitCode, 0) << text.err.toStdString();
    const QStringList lines = text.out.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    ASSERT_EQ(lines.size(), 13);
    EXPECT_EQ(lines[0], QStringLiteral("色1:　549 枚　深緑"));
    EXPECT_EQ(lines[1], QStringLiteral("色2:　3291 枚"));
    EXPECT_TRUE(lines[10].endsWith(QStringLiteral(" 枚　白"))) << lines[10].toStdString();

    const CliRun json
        = runCli({"list", samplePath("landscape.bmp"), "--palette", palette.fileName(), "--json"});
    const QJsonArray colors
        = QJsonDocument::fromJson(json.out.toUtf8()).object()["colors"].toArray();
    QStringList named;
    for (const QJsonValue &color : colors) {
        if (color.toObject().contains("name"))
            named.append(QStringLiteral("%1 %2")
                             .arg(color.toObject()["number"].toInt())
                             .arg(color.toObject()["name"].toString()));
    }
    EXPECT_EQ(named, QStringList({"1 深緑", "11 白"}));

    const CliRun refused
        = runCli({"list", samplePath("landscape.bmp"), "--palette", folder.filePath("none.csv")});
    EXPECT_EQ(refused.exitCode, 3);
    EXPECT_TRUE(refused.out.isEmpty());
}

TEST(CliList, ShoppingListAddsSparesAndBagsToThePieceCountsAndWritesTheCsv)
{
    QTemporaryDir folder;
    QFile palette(folder.filePath("beads.csv"));
    ASSERT_TRUE(palette.open(QIODevice::WriteOnly));
    palette.write("50,120,45,深緑, 濃い\n");
    palette.close();
    const QString csv = folder.filePath("買い物.csv");
    const CliRun run = runCli({"list", samplePath("landscape.bmp"), "--shopping", "--spare", "15",
        "--bag", "500", "--palette", palette.fileName(), "--csv", csv});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    const QStringList lines = run.out.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    ASSERT_EQ(lines.size(), 2 + 13 + 1);
    EXPECT_EQ(lines[0], QStringLiteral("買い物リスト　すべて　予備 15 %　1袋 500 枚"));
    // Colour 1 has 549 pieces: 631.35 with spares, two bags.
    EXPECT_EQ(lines[2], QStringLiteral("     1     549       632     2  深緑, 濃い"));
    const QStringList total = lines.last().simplified().split(QLatin1Char(' '));
    EXPECT_EQ(total.value(1), QStringLiteral("19200"));

    const QList<QByteArray> rows = fileBytes(csv).split('\n');
    ASSERT_EQ(rows.size(), 1 + 13 + 1);
    EXPECT_EQ(rows[0], "\xEF\xBB\xBFnumber,code,name,red,green,blue,pieces,with_spares,bags\r");
    EXPECT_EQ(rows[1], QStringLiteral("1,,\"深緑, 濃い\",50,120,45,549,632,2\r").toUtf8());
}

TEST(CliList, ShoppingOptionsOfBadValuesAreRefusedNamingTheValue)
{
    QTemporaryDir folder;
    const QString picture = folder.filePath("picture.bmp");
    ASSERT_TRUE(QFile::copy(samplePath("landscape.bmp"), picture));
    ASSERT_EQ(runCli({"progress", picture, "--done", "A1"}).exitCode, 0);
    const QByteArray before = fileBytes(picture);
    const QByteArray chartBefore = fileBytes(folder.filePath("picture.tessamap"));
    const struct
    {
        QStringList arguments;
        QString named;
    } refused[] = {
        {{"--spare", "-1"}, "-1"},
        {{"--spare", "1001"}, "1001"},
        {{"--spare", "たくさん"}, "たくさん"},
        {{"--bag", "0"}, "0"},
        {{"--bag", "1.5"}, "1.5"},
        {{"--csv", picture}, "picture.bmp"},
        {{"--csv", folder.filePath("picture.tessamap")}, "picture.tessamap"},
    };
    for (const auto &bad : refused) {
        SCOPED_TRACE(bad.arguments.join(' ').toStdString());
        const CliRun run = runCli(QStringList {"list", picture, "--shopping"} + bad.arguments);
        EXPECT_EQ(run.exitCode, 1);
        EXPECT_TRUE(run.err.contains(bad.named)) << run.err.toStdString();
        EXPECT_TRUE(run.out.isEmpty());
    }
    EXPECT_EQ(fileBytes(picture), before);
    EXPECT_EQ(fileBytes(folder.filePath("picture.tessamap")), chartBefore);
    EXPECT_EQ(entriesOf(folder.path()), QStringList({"picture.bmp", "picture.tessamap"}));
    EXPECT_EQ(runCli({"list", picture, "--spare", "5"}).exitCode, 1);
}
