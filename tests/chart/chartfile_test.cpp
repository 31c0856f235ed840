#include "chartfile.h"
#include "colornumbering.h"
#include "testpicture.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <gtest/gtest.h>

using namespace chart;

namespace {

struct Analysed
{
    QByteArray bmp;
    Chart chart;
};

Analysed analysed(const TestPicture &picture)
{
    Analysed result;
    result.bmp = picture.toBmp();
    modShared model;
    const int colorMax = numberColors(QByteArrayView(result.bmp).sliced(54), model);
    result.chart = chartFromAnalysis(model, colorMax);
    return result;
}

Chart markedChart(Chart chart)
{
    chart.colors[0].name = QStringLiteral("ワインレッド");
    chart.colors[0].code = QStringLiteral("P-05");
    chart.colors[0].set = QStringLiteral("perler");
    chart.colors[2].name = QStringLiteral("白 \"2\"\\");
    chart.settings = {QStringLiteral("--colors"), QStringLiteral("3"), QStringLiteral("--palette"),
        QStringLiteral("/tmp/作品 集/beads.gpl")};
    for (const int index : {0, 1, 13, 191})
        chart.done.set(std::size_t(index));
    chart.builders.insert(0, QStringLiteral("花子"));
    chart.builders.insert(191, QStringLiteral("花子"));
    chart.builders.insert(40, QStringLiteral("Ken"));
    return chart;
}

QByteArray withField(const QByteArray &file, const QString &key, const QJsonValue &value)
{
    QJsonObject object = QJsonDocument::fromJson(file).object();
    object.insert(key, value);
    return QJsonDocument(object).toJson();
}

} // namespace

TEST(ChartFileTest, EveryFieldComesBackOverAFreshAnalysisOfTheSamePicture)
{
    TestPicture picture(0x0000FF);
    picture.set(1, 1, 0x102030);
    picture.set(120, 160, 0xFFFFFF);
    const Analysed source = analysed(picture);
    const Chart written = markedChart(source.chart);
    const PictureIdentity identity = identityOfBytes(source.bmp);

    const ChartFileRead read = decodeChartFile(encodeChartFile(written, "fruits.bmp", identity));
    ASSERT_EQ(read.status, ChartFileStatus::Ok);
    EXPECT_EQ(read.data.pictureName, QStringLiteral("fruits.bmp"));
    Chart reopened = analysed(picture).chart;
    ASSERT_EQ(applyChartFile(read.data, identity, reopened), ChartFileStatus::Ok);
    EXPECT_EQ(reopened.colors, written.colors);
    EXPECT_EQ(reopened.settings, written.settings);
    EXPECT_EQ(reopened.done, written.done);
    EXPECT_EQ(reopened.builders, written.builders);
}

TEST(ChartFileTest, AnotherPictureOrOtherColoursApplyNothing)
{
    const Analysed source = analysed(TestPicture::withColors(3));
    const Chart written = markedChart(source.chart);
    const ChartFileRead read
        = decodeChartFile(encodeChartFile(written, "a.bmp", identityOfBytes(source.bmp)));
    ASSERT_EQ(read.status, ChartFileStatus::Ok);

    TestPicture changed = TestPicture::withColors(3);
    changed.set(60, 80, 0x000001);
    Analysed other = analysed(changed);
    const Chart before = other.chart;
    EXPECT_EQ(applyChartFile(read.data, identityOfBytes(other.bmp), other.chart),
        ChartFileStatus::OtherPicture);
    EXPECT_EQ(other.chart.colors, before.colors);
    EXPECT_TRUE(other.chart.done.none());

    // The right bytes but colours that are not the analysis's: a file edited by hand.
    ChartFileData edited = read.data;
    edited.colors[1].rgb ^= 1;
    Chart same = analysed(TestPicture::withColors(3)).chart;
    EXPECT_EQ(
        applyChartFile(edited, identityOfBytes(source.bmp), same), ChartFileStatus::OtherPicture);
    EXPECT_TRUE(same.done.none());
}

TEST(ChartFileTest, EveryCutOfAFileIsRefusedAndSaysWhy)
{
    const Analysed source = analysed(TestPicture::withColors(4));
    const QByteArray file
        = encodeChartFile(markedChart(source.chart), "a.bmp", identityOfBytes(source.bmp));
    for (qsizetype length = 0; length < file.size() - 1; ++length) {
        const ChartFileStatus status = decodeChartFile(file.first(length)).status;
        ASSERT_EQ(status, ChartFileStatus::Truncated) << length;
    }
}

TEST(ChartFileTest, WrongFilesAreMalformedAndNewerVersionsRefused)
{
    const Analysed source = analysed(TestPicture::withColors(3));
    const QByteArray good
        = encodeChartFile(markedChart(source.chart), "a.bmp", identityOfBytes(source.bmp));
    const struct
    {
        const char *what;
        QByteArray bytes;
        ChartFileStatus status;
    } rows[] = {
        {"a later version", withField(good, "version", 2), ChartFileStatus::NewerVersion},
        {"not JSON", "GIMP Palette\n", ChartFileStatus::Malformed},
        {"an array", "[1, 2]", ChartFileStatus::Malformed},
        {"another format", withField(good, "format", "tessamap-palette"),
            ChartFileStatus::Malformed},
        {"no version", withField(good, "version", QJsonValue()), ChartFileStatus::Malformed},
        {"version 0", withField(good, "version", 0), ChartFileStatus::Malformed},
        {"version 1.5", withField(good, "version", 1.5), ChartFileStatus::Malformed},
        {"a bad label", withField(good, "done", QJsonArray {"A1", "Q1"}),
            ChartFileStatus::Malformed},
        {"a label not text", withField(good, "done", QJsonArray {1}), ChartFileStatus::Malformed},
        {"one block two builders",
            withField(
                good, "builders", QJsonObject {{"a", QJsonArray {"A1"}}, {"b", QJsonArray {"A1"}}}),
            ChartFileStatus::Malformed},
        {"a short hash", withField(good, "picture", QJsonObject {{"size", 1}, {"sha256", "abcd"}}),
            ChartFileStatus::Malformed},
        {"colours out of order",
            withField(good, "colors",
                QJsonArray {QJsonObject {{"number", 2}, {"rgb", QJsonArray {1, 2, 3}}}}),
            ChartFileStatus::Malformed},
        {"a channel past 255",
            withField(good, "colors",
                QJsonArray {QJsonObject {{"number", 1}, {"rgb", QJsonArray {1, 256, 3}}}}),
            ChartFileStatus::Malformed},
        {"a name not text",
            withField(good, "colors",
                QJsonArray {
                    QJsonObject {{"number", 1}, {"rgb", QJsonArray {1, 2, 3}}, {"name", 7}}}),
            ChartFileStatus::Malformed},
        {"settings not text", withField(good, "settings", QJsonArray {1}),
            ChartFileStatus::Malformed},
        {"stray bytes after it", good + "}", ChartFileStatus::Malformed},
    };
    for (const auto &row : rows)
        EXPECT_EQ(decodeChartFile(row.bytes).status, row.status) << row.what;
    EXPECT_EQ(decodeChartFile(withField(good, "version", 7)).data.version, 7);
}

TEST(ChartFileTest, EachProblemHasItsOwnMessageWithThePath)
{
    const QString path = QStringLiteral("/home/先生/fruits.tessamap");
    QStringList texts;
    for (const ChartFileStatus status :
        {ChartFileStatus::Unreadable, ChartFileStatus::Truncated, ChartFileStatus::Malformed,
            ChartFileStatus::NewerVersion, ChartFileStatus::OtherPicture}) {
        const QString text = chartFileProblemText(status, path);
        EXPECT_TRUE(text.endsWith(QStringLiteral("\r\n") + path)) << text.toStdString();
        texts.append(text);
    }
    texts.removeDuplicates();
    EXPECT_EQ(texts.size(), 5);
    EXPECT_TRUE(chartFileProblemText(ChartFileStatus::Ok, path).isEmpty());
    EXPECT_EQ(chartPathOfPicture("/a/fruits.v2.bmp"), QStringLiteral("/a/fruits.v2.tessamap"));
}
