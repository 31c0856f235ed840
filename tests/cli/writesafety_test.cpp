// An output that cannot be written completely (here a file size limit, as on
// a full disk) must fail loudly and leave the earlier file as it was.
#include "clirun.h"

#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <sys/resource.h>

namespace {

// Exports with the option into a folder holding an earlier file of that name,
// the file size capped at limit bytes.
void expectEarlierFileKept(const char *option, const QString &name, rlim_t limit)
{
    QTemporaryDir folder;
    const QString path = folder.filePath(name);
    QFile earlier(path);
    ASSERT_TRUE(earlier.open(QIODevice::WriteOnly));
    earlier.write("an earlier file");
    earlier.close();

    const CliRun run
        = runCli({"export", samplePath("landscape.bmp"), option, "--out", folder.path()},
            limitFileSize(limit));
    EXPECT_EQ(run.exitCode, 4);
    EXPECT_TRUE(run.err.contains(QStringLiteral("ファイル「%1」を書き込めません。").arg(name)))
        << run.err.toStdString();
    EXPECT_TRUE(run.err.contains(path)) << run.err.toStdString();
    EXPECT_EQ(fileBytes(path), QByteArray("an earlier file"));
    EXPECT_EQ(entriesOf(folder.path()), QStringList {name});
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
        expectEarlierFileKept("--matrix", "ColorMatrixAll.pdf", rlim_t(limit));
    }
}

TEST(CliWriteSafety, ACsvFileCutShortInItsLastBytesKeepsTheEarlierFile)
{
    // landscape.bmp's PixelColorNumber.csv has 46,590 bytes.
    expectEarlierFileKept("--csv", "PixelColorNumber.csv", 46590 - 10);
}

TEST(CliWriteSafety, AWorkbookCutShortKeepsTheEarlierFile)
{
    QTemporaryDir complete;
    const CliRun first
        = runCli({"export", samplePath("landscape.bmp"), "--xlsx", "--out", complete.path()});
    ASSERT_EQ(first.exitCode, 0) << first.err.toStdString();
    const qint64 size = QFileInfo(complete.filePath("landscape.xlsx")).size();
    ASSERT_GT(size, 100000);
    // Half the archive; and 16 bytes short of it, which cuts the library's own
    // temporary file of the whole sheet, larger than the archive.
    for (const qint64 limit : {size / 2, size - 16}) {
        SCOPED_TRACE(limit);
        expectEarlierFileKept("--xlsx", "landscape.xlsx", rlim_t(limit));
    }
}
