#include "clirun.h"

#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>

TEST(CliUsage, AnOptionBeforeTheCommandIsAUsageErrorThatSaysSo)
{
    const CliRun run = runCli({"--colors", "8", "prepare", "in.jpg", "out.bmp"});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_TRUE(run.err.contains(QStringLiteral(
        "オプションはコマンド（prepare、export、list、progress、check、palettes）の後に")))
        << run.err.toStdString();
    EXPECT_TRUE(run.err.contains(QStringLiteral("--colors")));
}

// The windows open only .bmp files, so any other name would hide the picture.
TEST(CliUsage, APreparedPictureNotNamedBmpIsAUsageErrorAndWritesNothing)
{
    QTemporaryDir folder;
    for (const QString name : {"prepared.png", "prepared.bmp.jpg", "prepared"}) {
        SCOPED_TRACE(name.toStdString());
        const CliRun run = runCli({"prepare", samplePath("landscape.bmp"), folder.filePath(name)});
        EXPECT_EQ(run.exitCode, 1);
        EXPECT_TRUE(run.err.contains(QStringLiteral(".bmp で終わる"))) << run.err.toStdString();
    }
    EXPECT_TRUE(entriesOf(folder.path()).isEmpty());
    const QString upperCase = folder.filePath("PREPARED.BMP");
    EXPECT_EQ(runCli({"prepare", samplePath("landscape.bmp"), upperCase}).exitCode, 0);
    EXPECT_EQ(QFileInfo(upperCase).size(), 57654);
}
