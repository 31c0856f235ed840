// An output that cannot be written completely (here a file size limit, as on
// a full disk) must fail loudly and leave the earlier file as it was.
#include "clirun.h"

#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <csignal>
#include <gtest/gtest.h>
#include <sys/resource.h>

namespace {

std::function<void()> limitFileSize(rlim_t bytes)
{
    return [bytes] {
        std::signal(SIGXFSZ, SIG_IGN);
        const rlimit limit {bytes, bytes};
        setrlimit(RLIMIT_FSIZE, &limit);
    };
}

} // namespace

TEST(CliWriteSafety, AFailedPdfKeepsTheEarlierFileAndLeavesNoTemporaryFile)
{
    QTemporaryDir complete;
    const CliRun first
        = runCli({"export", samplePath("landscape.bmp"), "--matrix", "--out", complete.path()});
    ASSERT_EQ(first.exitCode, 0) << first.err.toStdString();
    const qint64 size = QFileInfo(complete.filePath("ColorMatrixAll.pdf")).size();
    ASSERT_GT(size, 20000);

    // Half-way through the pages, and within the document's last bytes.
    for (const qint64 limit : {size / 2, size - 16}) {
        SCOPED_TRACE(limit);
        QTemporaryDir folder;
        const QString pdf = folder.filePath("ColorMatrixAll.pdf");
        QFile earlier(pdf);
        ASSERT_TRUE(earlier.open(QIODevice::WriteOnly));
        earlier.write("an earlier print");
        earlier.close();

        const CliRun run
            = runCli({"export", samplePath("landscape.bmp"), "--matrix", "--out", folder.path()},
                limitFileSize(rlim_t(limit)));
        EXPECT_EQ(run.exitCode, 4);
        EXPECT_TRUE(
            run.err.contains(QStringLiteral("ファイル「ColorMatrixAll.pdf」を書き込めません。")))
            << run.err.toStdString();
        EXPECT_TRUE(run.err.contains(pdf)) << run.err.toStdString();
        EXPECT_EQ(fileBytes(pdf), QByteArray("an earlier print"));
        EXPECT_EQ(entriesOf(folder.path()), QStringList {"ColorMatrixAll.pdf"});
    }
}

TEST(CliWriteSafety, ACsvFileCutShortInItsLastBytesKeepsTheEarlierFile)
{
    QTemporaryDir folder;
    const QString csv = folder.filePath("PixelColorNumber.csv");
    QFile earlier(csv);
    ASSERT_TRUE(earlier.open(QIODevice::WriteOnly));
    earlier.write("an earlier export");
    earlier.close();

    // landscape.bmp's PixelColorNumber.csv has 46,590 bytes.
    const CliRun run
        = runCli({"export", samplePath("landscape.bmp"), "--csv", "--out", folder.path()},
            limitFileSize(46590 - 10));
    EXPECT_EQ(run.exitCode, 4);
    EXPECT_TRUE(
        run.err.contains(QStringLiteral("ファイル「PixelColorNumber.csv」を書き込めません。")))
        << run.err.toStdString();
    EXPECT_EQ(fileBytes(csv), QByteArray("an earlier export"));
    EXPECT_EQ(entriesOf(folder.path()), QStringList {"PixelColorNumber.csv"});
}
