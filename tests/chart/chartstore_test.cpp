#include "chartcounts.h"
#include "chartstore.h"
#include "testfiles.h"
#include "testpicture.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <csignal>
#include <gtest/gtest.h>
#include <sys/resource.h>

using namespace chart;

namespace {

// A folder with fruits.bmp of three colours, and its chart file when asked.
struct Folder
{
    QTemporaryDir dir;
    QString picture = dir.filePath(QStringLiteral("fruits.bmp"));
    QString chartFile = dir.filePath(QStringLiteral("fruits.tessamap"));

    Folder() { TestPicture::withColors(3).save(picture); }
};

// Caps the size of any file this process writes, as a full disk would.
class FileSizeLimit
{
public:
    explicit FileSizeLimit(rlim_t bytes)
    {
        m_handler = std::signal(SIGXFSZ, SIG_IGN);
        getrlimit(RLIMIT_FSIZE, &m_saved);
        const rlimit limit {bytes, m_saved.rlim_max};
        setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~FileSizeLimit()
    {
        setrlimit(RLIMIT_FSIZE, &m_saved);
        std::signal(SIGXFSZ, m_handler);
    }

private:
    rlimit m_saved {};
    void (*m_handler)(int) = nullptr;
};

void markAndSave(const QString &picture, std::initializer_list<int> done)
{
    OpenedChart opened = openChart(picture);
    ASSERT_EQ(
        opened.fileStatus == ChartFileStatus::Ok || opened.fileStatus == ChartFileStatus::Missing,
        true);
    ChartKeeper keeper(opened);
    for (int index : done)
        opened.chart.done.set(std::size_t(index));
    ASSERT_EQ(keeper.save(opened.chart).status, SaveStatus::Saved);
}

} // namespace

TEST(ChartStoreTest, MarksSurviveTheNextOpeningByPictureOrByChartFile)
{
    Folder folder;
    OpenedChart opened = openChart(folder.picture);
    ASSERT_EQ(opened.pictureStatus, BitmapStatus::Ok);
    EXPECT_EQ(opened.fileStatus, ChartFileStatus::Missing);
    ChartKeeper keeper(opened);
    opened.chart.done.set(5);
    opened.chart.builders.insert(5, QStringLiteral("花子"));
    ASSERT_EQ(keeper.save(opened.chart).status, SaveStatus::Saved);

    for (const QString &path : {folder.picture, folder.chartFile}) {
        const OpenedChart again = openChart(path);
        EXPECT_EQ(again.fileStatus, ChartFileStatus::Ok);
        EXPECT_EQ(again.picturePath, folder.picture);
        EXPECT_TRUE(again.chart.done.test(5));
        EXPECT_EQ(again.chart.done.count(), 1u);
        EXPECT_EQ(again.chart.builder(BlockPlace::fromPrintIndex(5)), QStringLiteral("花子"));
    }
}

TEST(ChartStoreTest, AFileThatCannotBeUsedIsNeverWrittenOverUntilTheUserStartsAfresh)
{
    Folder folder;
    markAndSave(folder.picture, {1, 2});
    const QByteArray good = readAll(folder.chartFile);
    TestPicture replaced = TestPicture::withColors(3);
    replaced.set(1, 1, 0x123456);
    const struct
    {
        const char *what;
        QByteArray bytes; // the chart file's
        bool replacePicture;
        ChartFileStatus status;
    } rows[] = {
        {"other picture", good, true, ChartFileStatus::OtherPicture},
        {"truncated", good.first(good.size() / 2), false, ChartFileStatus::Truncated},
        {"empty", {}, false, ChartFileStatus::Truncated},
        {"malformed", "{\"format\": 3}", false, ChartFileStatus::Malformed},
        {"newer version", QByteArray(good).replace("\"version\": 1", "\"version\": 2"), false,
            ChartFileStatus::NewerVersion},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.what);
        Folder case_;
        if (row.replacePicture)
            replaced.save(case_.picture);
        writeAll(case_.chartFile, row.bytes);
        OpenedChart opened = openChart(case_.picture);
        EXPECT_EQ(opened.fileStatus, row.status);
        EXPECT_TRUE(opened.chart.done.none());
        ChartKeeper keeper(opened);
        opened.chart.done.set(7);
        const SaveResult refused = keeper.save(opened.chart);
        EXPECT_EQ(refused.status, SaveStatus::FileUnusable);
        EXPECT_FALSE(saveFailureText(refused).isEmpty());
        EXPECT_EQ(readAll(case_.chartFile), row.bytes);

        ASSERT_EQ(keeper.startAfresh(opened.chart).status, SaveStatus::Saved);
        EXPECT_EQ(readAll(backupPathOf(case_.chartFile)), row.bytes);
        const OpenedChart fresh = openChart(case_.picture);
        EXPECT_EQ(fresh.fileStatus, ChartFileStatus::Ok);
        EXPECT_EQ(fresh.chart.done.count(), 1u);
    }
}

TEST(ChartStoreTest, SomethingElseAtTheChartFilesNameIsLeftAlone)
{
    Folder folder;
    ASSERT_TRUE(QDir(folder.dir.path()).mkdir(QStringLiteral("fruits.tessamap")));
    OpenedChart opened = openChart(folder.picture);
    EXPECT_EQ(opened.fileStatus, ChartFileStatus::Unreadable);
    ChartKeeper keeper(opened);
    EXPECT_EQ(keeper.save(opened.chart).status, SaveStatus::FileUnusable);
    EXPECT_EQ(keeper.startAfresh(opened.chart).status, SaveStatus::FileUnusable);
    EXPECT_TRUE(QFileInfo(folder.chartFile).isDir());
}

TEST(ChartStoreTest, AFaultAtAnyByteOfAWriteKeepsTheEarlierFile)
{
    Folder folder;
    markAndSave(folder.picture, {1});
    const QByteArray earlier = readAll(folder.chartFile);
    OpenedChart opened = openChart(folder.picture);
    ChartKeeper keeper(opened);
    for (int index = 0; index < 192; ++index)
        opened.chart.done.set(std::size_t(index));
    opened.chart.builders.insert(3, QStringLiteral("花子"));
    const qsizetype full = encodeChartFile(opened.chart, "fruits.bmp", opened.picture).size();
    for (const rlim_t limit : {rlim_t(0), rlim_t(1), rlim_t(512), rlim_t(full - 1)}) {
        SCOPED_TRACE(limit);
        SaveResult result;
        {
            FileSizeLimit disk(limit);
            result = keeper.save(opened.chart);
        }
        EXPECT_NE(result.status, SaveStatus::Saved);
        EXPECT_EQ(readAll(folder.chartFile), earlier);
        EXPECT_EQ(QDir(folder.dir.path()).entryList(QDir::Files).size(), 2);
    }
    // The state stays in memory and goes out with the next save.
    ASSERT_EQ(keeper.save(opened.chart).status, SaveStatus::Saved);
    EXPECT_EQ(openChart(folder.picture).chart.done.count(), 192u);
}

TEST(ChartStoreTest, AFolderGoneSinceOpeningIsACreateFailure)
{
    auto folder = std::make_unique<Folder>();
    OpenedChart opened = openChart(folder->picture);
    const QString path = folder->chartFile;
    folder.reset();
    ChartKeeper keeper(opened);
    const SaveResult result = keeper.save(opened.chart);
    EXPECT_EQ(result.status, SaveStatus::CreateFailed);
    EXPECT_TRUE(saveFailureText(result).contains(QStringLiteral("作成できません")));
    EXPECT_TRUE(saveFailureText(result).endsWith(path));
}

TEST(ChartStoreTest, TwoWritersKeepEachOthersMarks)
{
    Folder folder;
    markAndSave(folder.picture, {0, 1, 2});
    OpenedChart first = openChart(folder.picture);
    OpenedChart second = openChart(folder.picture);
    ChartKeeper firstKeeper(first);
    ChartKeeper secondKeeper(second);

    first.chart.done.set(10);
    first.chart.done.reset(1); // undone here, still done over there
    first.chart.builders.insert(10, QStringLiteral("花子"));
    ASSERT_EQ(firstKeeper.save(first.chart).status, SaveStatus::Saved);

    second.chart.done.set(20);
    second.chart.builders.insert(10, QStringLiteral("Ken")); // the newer name wins
    const SaveResult merged = secondKeeper.save(second.chart);
    ASSERT_EQ(merged.status, SaveStatus::Saved);
    EXPECT_TRUE(merged.merged);
    const auto doneOf = [](const Chart &chart) {
        QList<int> indexes;
        for (int index = 0; index < BlockTotal; ++index) {
            if (chart.done.test(std::size_t(index)))
                indexes.append(index);
        }
        return indexes;
    };
    EXPECT_EQ(doneOf(second.chart), (QList<int> {0, 2, 10, 20}));
    EXPECT_EQ(second.chart.builders.value(10), QStringLiteral("Ken"));

    // The first writer, saving again, takes in the second's marks too.
    first.chart.done.set(30);
    ASSERT_EQ(firstKeeper.save(first.chart).status, SaveStatus::Saved);
    EXPECT_EQ(doneOf(first.chart), (QList<int> {0, 2, 10, 20, 30}));
    EXPECT_EQ(doneOf(openChart(folder.picture).chart), (QList<int> {0, 2, 10, 20, 30}));
}

TEST(ChartStoreTest, RemainingPiecesAgreeWithACountOfTheCells)
{
    TestPicture picture(0xFFFFFF);
    for (int row = 1; row <= 120; ++row) {
        for (int column = 1; column <= 160; ++column) {
            if ((row * 7 + column * 3) % 5 == 0)
                picture.set(row, column, 0x0000FF);
            if (column > 150)
                picture.set(row, column, 0x00FF00);
        }
    }
    Folder folder;
    picture.save(folder.picture);
    OpenedChart opened = openChart(folder.picture);
    Chart &chart = opened.chart;
    for (int index : {0, 5, 12, 100, 180, 191})
        chart.done.set(std::size_t(index));

    QList<int> expected(chart.colorCount() + 1, 0);
    for (int row = 1; row <= 120; ++row) {
        for (int column = 1; column <= 160; ++column) {
            const BlockPlace place {(column - 1) / 10, (row - 1) / 10};
            if (!chart.isDone(place))
                ++expected[chart.cell(row, column)];
        }
    }
    EXPECT_EQ(remainingPieces(chart), expected);
    EXPECT_EQ(doneBlockCount(chart), 6);
    const QList<int> last = blockPieces(chart, BlockPlace::fromPrintIndex(191));
    EXPECT_EQ(last[chart.cell(120, 160)], 100);
    EXPECT_EQ(nextBlockNotDone(chart, 191)->printIndex(), 1);
}

TEST(ChartStoreTest, ANewPictureKeepsTheMarksOfTheSamePictureAndBacksUpAnother)
{
    Folder folder;
    markAndSave(folder.picture, {4});
    const QList<ChartColor> named {{0x000000, 0, QStringLiteral("黒"), QStringLiteral("K1"), {}}};
    ASSERT_EQ(
        writeChartOfNewPicture(folder.picture, named, {"--colors", "3"}).status, SaveStatus::Saved);
    OpenedChart same = openChart(folder.picture);
    EXPECT_TRUE(same.chart.done.test(4));
    EXPECT_EQ(same.chart.settings, (QStringList {"--colors", "3"}));
    const QByteArray ofOldPicture = readAll(folder.chartFile);

    TestPicture other(0x000000);
    other.save(folder.picture);
    ASSERT_EQ(writeChartOfNewPicture(folder.picture, named, {}).status, SaveStatus::Saved);
    EXPECT_EQ(readAll(backupPathOf(folder.chartFile)), ofOldPicture);
    const OpenedChart fresh = openChart(folder.picture);
    EXPECT_TRUE(fresh.chart.done.none());
    EXPECT_EQ(fresh.chart.color(1).name, QStringLiteral("黒"));
    EXPECT_EQ(fresh.chart.color(1).code, QStringLiteral("K1"));
}
