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
