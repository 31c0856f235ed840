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
