#include "clirun.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>
#include <gtest/gtest.h>

namespace {

struct Folder
{
    QTemporaryDir dir;
    QString picture = dir.filePath(QStringLiteral("landscape.bmp"));
    QString chartFile = dir.filePath(QStringLiteral("landscape.tessamap"));

    Folder() { QFile::copy(samplePath(QStringLiteral("landscape.bmp")), picture); }
};

QJsonObject progressJson(const QString &path)
{
    const CliRun run = runCli({"progress", path, "--json"});
    EXPECT_EQ(run.exitCode, 0) << run.err.toStdString();
    return QJsonDocument::fromJson(run.out.toUtf8()).object();
}

} // namespace

TEST(CliProgress, MarksOverTwoRunsAndCountsWhatIsLeft)
{
    Folder folder;
    const CliRun before = runCli({"progress", folder.picture});
    EXPECT_EQ(before.exitCode, 0);
    EXPECT_TRUE(before.out.startsWith(QStringLiteral("完成: 0 / 192 ブロック（0%）")));
    EXPECT_FALSE(QFile::exists(folder.chartFile)) << "a report writes nothing";

    ASSERT_EQ(runCli({"progress", folder.picture, "--done", "A1,b2"}).exitCode, 0);
    ASSERT_EQ(runCli({"progress", folder.chartFile, "--done", "P12", "--undone", "B2", "--builder",
                         "花子", "--blocks", "A1,C3"})
                  .exitCode,
        0);
    const QJsonObject report = progressJson(folder.picture);
    EXPECT_EQ(report["done"].toArray(), (QJsonArray {"A1", "P12"}));
    EXPECT_EQ(report["builders"].toObject(), (QJsonObject {{"花子", QJsonArray {"A1", "C3"}}}));

    // Every colour's pieces left are its pieces outside A1 and P12, as list --blocks counts them.
    const QJsonArray blocks = QJsonDocument::fromJson(
        runCli({"list", folder.picture, "--json", "--blocks"}).out.toUtf8())
                                  .object()["blocks"]
                                  .toArray();
    for (const QJsonValue &color : report["colors"].toArray()) {
        const QString number = QString::number(color["number"].toInt());
        int inDone = 0;
        for (const QJsonValue &block : blocks) {
            const QString label = block["label"].toString();
            if (label == QStringLiteral("A 1") || label == QStringLiteral("P 12"))
                inDone += block["counts"][number].toInt();
        }
        EXPECT_EQ(color["remaining"].toInt(), color["total"].toInt() - inDone)
            << number.toStdString();
    }
}

TEST(CliProgress, ABadLabelOrAnUnusableChartFileWritesNothing)
{
    Folder folder;
    const CliRun bad = runCli({"progress", folder.picture, "--done", "A1,Q7"});
    EXPECT_EQ(bad.exitCode, 1);
    EXPECT_TRUE(bad.err.contains(QStringLiteral("Q7")));
    EXPECT_FALSE(QFile::exists(folder.chartFile));

    const QByteArray broken = "{\"format\": \"tessamap-chart\", \"version\": 1, \"colors\": [";
    QFile file(folder.chartFile);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(broken);
    file.close();
    for (const QStringList &arguments : {QStringList {"progress", folder.picture, "--done", "A1"},
             QStringList {"progress", folder.picture}, QStringList {"list", folder.picture}}) {
        const CliRun run = runCli(arguments);
        EXPECT_EQ(run.exitCode, 3) << arguments.join(' ').toStdString();
        EXPECT_TRUE(run.err.contains(QStringLiteral("途中で切れています")))
            << run.err.toStdString();
    }
    EXPECT_EQ(fileBytes(folder.chartFile), broken);
    EXPECT_EQ(entriesOf(folder.dir.path()), (QStringList {"landscape.bmp", "landscape.tessamap"}));
}

TEST(CliProgress, AFullDiskKeepsTheEarlierChartFile)
{
    Folder folder;
    ASSERT_EQ(runCli({"progress", folder.picture, "--done", "A1"}).exitCode, 0);
    const QByteArray earlier = fileBytes(folder.chartFile);
    const CliRun run = runCli({"progress", folder.picture, "--done", "A2"}, limitFileSize(100));
    EXPECT_EQ(run.exitCode, 4);
    EXPECT_TRUE(run.err.contains(folder.chartFile)) << run.err.toStdString();
    EXPECT_EQ(fileBytes(folder.chartFile), earlier);
}

TEST(CliProgress, AProgramKilledWhileSavingLeavesAWholeChartFile)
{
    Folder folder;
    ASSERT_EQ(runCli({"progress", folder.picture, "--done", "A1"}).exitCode, 0);
    for (int attempt = 0; attempt < 12; ++attempt) {
        QProcess process;
        process.setProcessEnvironment(environmentWithoutDisplay());
        process.start(QStringLiteral(TESSAMAP_CLI),
            {"progress", folder.picture, "--done", attempt % 2 ? "B1,C1" : "D1", "--undone",
                attempt % 2 ? "D1" : "B1,C1"});
        ASSERT_TRUE(process.waitForStarted());
        QThread::usleep(2000 * attempt);
        process.kill();
        process.waitForFinished();
        const QJsonObject report = progressJson(folder.picture);
        EXPECT_TRUE(report["done"].toArray().contains("A1")) << attempt;
    }
    // A program killed mid-write cannot remove its temporary file; nothing else appears.
    for (const QString &name : entriesOf(folder.dir.path()))
        EXPECT_TRUE(name == "landscape.bmp" || name.startsWith("landscape.tessamap"))
            << name.toStdString();
}

TEST(CliProgress, ListNamesTheColoursOfThePreparedPicturesChartFile)
{
    QTemporaryDir dir;
    const QString palette = dir.filePath("beads.csv");
    QFile file(palette);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("0,0,0,黒\n255,255,255,白\n200,30,30,赤\n");
    file.close();
    const QString picture = dir.filePath("photo.bmp");
    const CliRun made = runCli(
        {"prepare", samplePath("landscape.bmp"), picture, "--palette", palette, "--colors", "3"});
    ASSERT_EQ(made.exitCode, 0) << made.err.toStdString();
    QFile::remove(palette); // the names live on in the chart file

    const CliRun list = runCli({"list", picture});
    ASSERT_EQ(list.exitCode, 0) << list.err.toStdString();
    EXPECT_TRUE(
        list.out.contains(QStringLiteral("枚　白")) || list.out.contains(QStringLiteral("枚　黒")))
        << list.out.toStdString();
    const QJsonObject report = progressJson(picture);
    EXPECT_FALSE(report["colors"][0]["name"].toString().isEmpty());
}
