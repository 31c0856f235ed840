#include "clirun.h"

#include <QFileInfo>
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
