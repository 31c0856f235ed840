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

// The windows open only .bmp files, so any other name would hide the picture.
TEST(CliPrepare, AnOutputNotEndingInBmpIsAUsageErrorAndWritesNothing)
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
