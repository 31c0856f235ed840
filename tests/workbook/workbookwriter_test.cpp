#include "archivecheck.h"
#include "chart.h"
#include "colornumbering.h"
#include "testfiles.h"
#include "workbookwriter.h"

#include <QDir>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

chart::Chart chartOf(const char *sample)
{
    modShared model;
    const AnalysisResult result
        = analyseBitmapFile(QStringLiteral(TESSAMAP_SAMPLES "/") + sample, model);
    EXPECT_EQ(result.status, BitmapStatus::Ok);
    return chart::chartFromAnalysis(model, result.colorMax);
}

QByteArray chartJson(const chart::Chart &chart)
{
    QJsonArray cells;
    for (int row = 1; row <= chart::Chart::Rows; ++row) {
        QJsonArray line;
        for (int column = 1; column <= chart::Chart::Columns; ++column)
            line.append(chart.cell(row, column));
        cells.append(line);
    }
    QJsonArray colors;
    for (const chart::ChartColor &color : chart.colors) {
        colors.append(QJsonObject {
            {"rgb", QStringLiteral("%1").arg(color.rgb, 6, 16, QChar(u'0'))},
            {"pieces", color.pieces},
            {"name", color.name},
            {"code", color.code},
        });
    }
    QJsonObject builders;
    for (auto it = chart.builders.begin(); it != chart.builders.end(); ++it)
        builders.insert(chart::blockLabel(chart::BlockPlace::fromPrintIndex(it.key())), *it);
    return QJsonDocument(QJsonObject {{"cells", cells}, {"colors", colors}, {"builders", builders}})
        .toJson();
}

// Writes the chart's workbook and has openpyxl compare it with the chart.
void expectReadBackAsWritten(const chart::Chart &chart)
{
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("山.xlsx"));
    const workbook::WriteResult result = workbook::writeWorkbook(chart, path);
    ASSERT_TRUE(result.ok()) << result.message.toStdString();
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files), QStringList {QStringLiteral("山.xlsx")});
    writeAll(folder.filePath(QStringLiteral("chart.json")), chartJson(chart));

    QProcess check;
    check.start(QStringLiteral(TESSAMAP_PYTHON3),
        {QStringLiteral(TESSAMAP_CHECK_WORKBOOK), path, folder.filePath("chart.json")});
    ASSERT_TRUE(check.waitForFinished(120000));
    EXPECT_EQ(check.exitCode(), 0) << check.readAllStandardOutput().toStdString()
                                   << check.readAllStandardError().toStdString();
}

} // namespace

TEST(WorkbookWriter, ReadsBackAsTheChartOfThePicture)
{
    expectReadBackAsWritten(chartOf("landscape.bmp"));
}

TEST(WorkbookWriter, ReadsBackWithNamesBuildersDarkColoursAndCellsWithoutNumber)
{
    // 40 colours: the pixels of the last eight have no number.
    chart::Chart chart = chartOf("gradient40.bmp");
    ASSERT_EQ(chart.colorCount(), 32);
    chart.colors[0].rgb = 0x101010; // white numbers
    chart.colors[0].name = QStringLiteral("黒 <&> \"墨\"");
    chart.colors[0].code = QStringLiteral("P18");
    chart.colors[5].name = QStringLiteral("赤");
    chart.builders.insert(0, QStringLiteral("さくら"));
    chart.builders.insert(191, QStringLiteral("Ken & Aya"));
    expectReadBackAsWritten(chart);
}

TEST(WorkbookWriter, AnArchiveCutShortIsNotTakenForAWorkbook)
{
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("landscape.xlsx"));
    ASSERT_TRUE(workbook::writeWorkbook(chartOf("landscape.bmp"), path).ok());
    const QByteArray bytes = readAll(path);
    EXPECT_TRUE(workbook::isCompleteWorkbook(bytes));
    for (const qsizetype cut : {qsizetype(1), qsizetype(22), bytes.size() / 2})
        EXPECT_FALSE(workbook::isCompleteWorkbook(bytes.chopped(cut))) << cut;
}

TEST(WorkbookWriter, NamesTheWorkbookAfterThePicture)
{
    EXPECT_EQ(workbook::workbookFileName(QStringLiteral("/a/landscape.bmp")),
        QStringLiteral("landscape.xlsx"));
    EXPECT_EQ(workbook::workbookFileName(QStringLiteral("写真.2024.bmp")),
        QStringLiteral("写真.2024.xlsx"));
}

TEST(WorkbookWriter, ATargetThatIsNoRegularFileIsRefusedAndKept)
{
    const chart::Chart chart = chartOf("landscape.bmp");
    QTemporaryDir folder;
    const QString fifo = folder.filePath(QStringLiteral("pipe.xlsx"));
    ASSERT_EQ(mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    for (const QString &target : {fifo, QStringLiteral("/dev/full")}) {
        const workbook::WriteResult result = workbook::writeWorkbook(chart, target);
        EXPECT_EQ(result.failure, workbook::WriteResult::Failure::Create) << target.toStdString();
        EXPECT_TRUE(result.message.contains(target)) << result.message.toStdString();
    }
    struct stat status;
    ASSERT_EQ(stat(QFile::encodeName(fifo).constData(), &status), 0);
    EXPECT_TRUE(S_ISFIFO(status.st_mode));
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::AllEntries | QDir::System | QDir::NoDotAndDotDot),
        QStringList {QStringLiteral("pipe.xlsx")});
}

TEST(WorkbookWriter, AReadOnlyFolderKeepsTheEarlierFile)
{
    if (geteuid() == 0)
        GTEST_SKIP() << "root writes into a read-only folder";
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("landscape.xlsx"));
    writeAll(path, "an earlier file");
    ASSERT_TRUE(QFile::setPermissions(folder.path(), QFile::ReadOwner | QFile::ExeOwner));
    const workbook::WriteResult result = workbook::writeWorkbook(chartOf("landscape.bmp"), path);
    QFile::setPermissions(folder.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    EXPECT_EQ(result.failure, workbook::WriteResult::Failure::Create);
    EXPECT_TRUE(
        result.message.contains(QStringLiteral("ファイル「landscape.xlsx」を作成できません。")))
        << result.message.toStdString();
    EXPECT_EQ(readAll(path), QByteArray("an earlier file"));
}

TEST(WorkbookWriter, APictureNamedLikeItsWorkbookIsNotReplaced)
{
    QTemporaryDir folder;
    const QString picture = folder.filePath(QStringLiteral("chart.xlsx"));
    ASSERT_TRUE(QFile::copy(QStringLiteral(TESSAMAP_SAMPLES "/landscape.bmp"), picture));
    const QString path = folder.filePath(workbook::workbookFileName(picture));
    const workbook::WriteResult result
        = workbook::writeWorkbook(chartOf("landscape.bmp"), path, {picture});
    EXPECT_EQ(result.failure, workbook::WriteResult::Failure::ReplacesInput);
    EXPECT_TRUE(result.message.contains(path)) << result.message.toStdString();
    EXPECT_EQ(readAll(picture), readAll(QStringLiteral(TESSAMAP_SAMPLES "/landscape.bmp")));
}
