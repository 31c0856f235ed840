#include "clirun.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
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
