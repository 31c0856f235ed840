#include "clirun.h"
#include "heifencoder.h"

#include <QFile>
#include <QFileInfo>
#include <QImage>
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
