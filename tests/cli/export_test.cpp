#include "chartcounts.h"
#include "chartfile.h"
#include "clirun.h"
#include "colornumbering.h"
#include "csvwriter.h"
#include "testpicture.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <unistd.h>

namespace {

const QStringList CsvNames {"ColorCount.csv", "ColorData.csv", "PixelColorNumber.csv"};

// The numbers of a matrix page after its heading, in reading order.
QList<int> matrixNumbers(const QString &pageText)
{
    QList<int> numbers;
    for (const QString &line : pageText.split(QLatin1Char('\n'))) {
        if (line.contains(QStringLiteral("色番号Matrix")))
            continue;
        for (const QRegularExpressionMatch &match : QRegularExpression("\\d+").globalMatch(line))
            numbers.append(match.captured().toInt());
    }
    return numbers;
}

// A heading naming the picture, however the PDF reader spaces it.
QRegularExpression headingPattern(const QString &title, const QString &picture)
{
    return QRegularExpression(
        QRegularExpression::escape(title) + "\\s*:\\s*" + QRegularExpression::escape(picture));
}

// The block's number label, then its 100 cells row by row.
QList<int> expectedBlock(const modShared &model, int blockX, int blockY)
{
    QList<int> numbers {blockY + 1};
    for (int row = 1; row <= 10; ++row) {
        for (int column = 1; column <= 10; ++column)
            numbers.append(model.intPixelColor(10 * blockY + row, 10 * blockX + column));
    }
    return numbers;
}

class CliExportTest : public ::testing::Test
{
protected:
    QString copySample(const QString &name, const QString &subfolder = QString())
    {
        QDir(folder.path()).mkpath(subfolder.isEmpty() ? QStringLiteral(".") : subfolder);
        const QString path = QDir(folder.filePath(subfolder)).absoluteFilePath(name);
        QFile::copy(samplePath(name), path);
        return path;
    }
    QString write(const QString &name, const QByteArray &bytes)
    {
        QFile file(folder.filePath(name));
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
        return file.fileName();
    }

    QTemporaryDir folder;
};

} // namespace

TEST_F(CliExportTest, CsvBytesEqualTheColourWindowsExport)
{
    for (const char *sample : {"landscape.bmp", "palette32.bmp", "gradient40.bmp"}) {
        SCOPED_TRACE(sample);
        QTemporaryDir cliOut;
        QTemporaryDir windowOut;
        const CliRun run = runCli({"export", samplePath(sample), "--csv", "--out", cliOut.path()});
        EXPECT_EQ(run.exitCode, 0) << run.err.toStdString();
        EXPECT_TRUE(run.err.isEmpty()) << run.err.toStdString();

        modShared model;
        const AnalysisResult analysis = analyseBitmapFile(samplePath(sample), model);
        ASSERT_TRUE(csv::writeAnalysis(model, analysis.colorMax, QDir(windowOut.path())).ok());
        EXPECT_EQ(entriesOf(cliOut.path()), CsvNames);
        for (const QString &name : CsvNames)
            EXPECT_EQ(fileBytes(cliOut.filePath(name)), fileBytes(windowOut.filePath(name)))
                << name.toStdString();
    }
}

TEST_F(CliExportTest, WritesEverythingBesideThePictureWithoutADisplay)
{
    const QString picture = copySample("landscape.bmp", "作品 集");
    const CliRun run = runCli({"export", picture});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_TRUE(run.err.isEmpty()) << run.err.toStdString();
    EXPECT_EQ(entriesOf(folder.filePath("作品 集")),
        QStringList({"ColorCount.csv", "ColorData.csv", "ColorMatrixAll.pdf", "ColorSample.pdf",
            "PixelColorNumber.csv", "landscape.bmp"}));

    modShared model;
    analyseBitmapFile(picture, model);
    const QString matrix = folder.filePath("作品 集/ColorMatrixAll.pdf");
    EXPECT_TRUE(pdfPageText(matrix, 1).contains(headingPattern("色番号Matrix", picture)));
    for (const int page : {1, 13, 192})
        EXPECT_EQ(matrixNumbers(pdfPageText(matrix, page)),
            expectedBlock(model, (page - 1) / 12, (page - 1) % 12))
            << page;
    const QString sheet = pdfPageText(folder.filePath("作品 集/ColorSample.pdf"), 1);
    EXPECT_TRUE(sheet.contains(headingPattern("色見本", picture)));
    EXPECT_TRUE(sheet.contains(QString::number(model.lngColorCount(3)) + QStringLiteral("枚")));

    const CliRun block = runCli({"export", picture, "--block", "c7", "--out", folder.path()});
    ASSERT_EQ(block.exitCode, 0) << block.err.toStdString();
    EXPECT_EQ(matrixNumbers(pdfPageText(folder.filePath("ColorMatrix_C7.pdf"), 1)),
        expectedBlock(model, 2, 6));
}

TEST_F(CliExportTest, UsageErrorsExitOneAndWriteNothing)
{
    const QString picture = copySample("landscape.bmp");
    for (const QStringList &arguments : QList<QStringList> {{}, {"frobnicate"}, {"export"},
             {"export", picture, picture}, {"export", picture, "--block", "Q1"},
             {"export", picture, "--block", "A13"}, {"export", picture, "--block", "A0"},
             {"export", picture, "--colour"}, {"list"}, {"export", picture, "--actual-size", "0.9"},
             {"export", picture, "--actual-size", "2.555"},
             {"export", picture, "--actual-size", "5", "--paper", "B5"},
             {"export", picture, "--actual-size", "5", "--board", "1"},
             {"export", picture, "--board", "29"}, {"export", picture, "--paper", "A3"}}) {
        SCOPED_TRACE(arguments.join(' ').toStdString());
        const CliRun run = runCli(arguments);
        EXPECT_EQ(run.exitCode, 1);
        EXPECT_FALSE(run.err.isEmpty());
    }
    EXPECT_EQ(entriesOf(folder.path()), QStringList {"landscape.bmp"});
}

TEST_F(CliExportTest, TheActualSizePagesAloneLandBesideThePictureNamedByTheSize)
{
    const QString picture = copySample("landscape.bmp", "作品 集");
    const CliRun run
        = runCli({"export", picture, "--actual-size", "2.6", "--paper", "a3", "--board", "29"});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_TRUE(run.err.isEmpty()) << run.err.toStdString();
    const QString pdf = folder.filePath("作品 集/landscape-2.6mm.pdf");
    EXPECT_EQ(entriesOf(folder.filePath("作品 集")),
        QStringList({"landscape-2.6mm.pdf", "landscape.bmp"}));
    // A3 portrait: the cover and two pages side by side.
    EXPECT_TRUE(pdfPageText(pdf, 1).contains(QStringLiteral("ボード 29 × 29")));
    EXPECT_TRUE(pdfPageText(pdf, 3).contains(QRegularExpression(QStringLiteral("2\\s*–\\s*1"))));
    EXPECT_TRUE(pdfPageText(pdf, 4).isEmpty());
}

TEST_F(CliExportTest, RefusedAndBrokenPicturesWriteNothing)
{
    TestPicture picture;
    BmpOptions eightBit;
    eightBit.bitCount = 8;
    BmpOptions wide;
    wide.width = 161;
    const QByteArray whole = picture.toBmp();
    const struct
    {
        QString path;
        int exitCode;
        QString message;
    } cases[] = {
        {picture.save(folder.filePath("eight.bmp"), eightBit), 2,
            "24bit（ﾌﾙｶﾗｰ）画像ではありません。"},
        {picture.save(folder.filePath("wide.bmp"), wide), 2, "160×120ﾄﾞｯﾄ の画像ではありません。"},
        {write("short.bmp", whole.left(30000)), 3, "画像データが不完全です"},
        {write("text.bmp", "not a picture"), 3, "ファイルが短すぎて"},
        {folder.filePath("missing.bmp"), 3, "ファイルを開けません。"},
        {folder.path(), 3, "ファイルを開けません。"},
    };
    const QStringList before = entriesOf(folder.path());
    for (const auto &refused : cases) {
        for (const QString command : {"export", "list"}) {
            SCOPED_TRACE((command + " " + refused.path).toStdString());
            const CliRun run = runCli({command, refused.path});
            EXPECT_EQ(run.exitCode, refused.exitCode);
            EXPECT_TRUE(run.err.contains(refused.message)) << run.err.toStdString();
            EXPECT_TRUE(run.err.contains(refused.path)) << run.err.toStdString();
            // A picture of the wrong kind can be made right; a broken file cannot.
            EXPECT_EQ(
                run.err.contains(QStringLiteral("tessamap-cli prepare")), refused.exitCode == 2);
        }
    }
    EXPECT_EQ(entriesOf(folder.path()), before);
}

TEST_F(CliExportTest, AnUnnumberedTopLeftBlockRefusesOnlyTheMatrixPrints)
{
    TestPicture picture = TestPicture::withColors(32);
    picture.set(1, 1, 0xABCDEF); // the 33rd colour, met last, in block A 1
    const QString path = picture.save(folder.filePath("many.bmp"));
    const CliRun run = runCli({"export", path});
    EXPECT_EQ(run.exitCode, 2);
    EXPECT_TRUE(run.err.contains(QStringLiteral("32色を越えているため処理できません。")));
    EXPECT_EQ(entriesOf(folder.path()),
        QStringList({"ColorCount.csv", "ColorData.csv", "ColorSample.pdf", "PixelColorNumber.csv",
            "many.bmp"}));

    // Past the top-left block, more than 32 colours print with 0 where a number is missing.
    const CliRun gradient
        = runCli({"export", samplePath("gradient40.bmp"), "--block", "P1", "--out", folder.path()});
    EXPECT_EQ(gradient.exitCode, 0) << gradient.err.toStdString();
    EXPECT_TRUE(matrixNumbers(pdfPageText(folder.filePath("ColorMatrix_P1.pdf"), 1)).contains(0));
}

TEST_F(CliExportTest, AnOutputFolderThatIsNotOneFailsAndWritesNowhere)
{
    const QString picture = copySample("landscape.bmp");
    const QString file = write("file", "x");
    for (const QString &out : {file, folder.filePath("missing")}) {
        SCOPED_TRACE(out.toStdString());
        const CliRun run = runCli({"export", picture, "--out", out});
        EXPECT_EQ(run.exitCode, 4);
        EXPECT_TRUE(run.err.contains(out)) << run.err.toStdString();
    }
    EXPECT_EQ(entriesOf(folder.path()), QStringList({"file", "landscape.bmp"}));
}

TEST_F(CliExportTest, TheOverviewIsWrittenEvenWhereTheMatrixIsRefused)
{
    TestPicture picture = TestPicture::withColors(32);
    picture.set(1, 1, 0xABCDEF);
    const QString path = picture.save(folder.filePath("many.bmp"));
    const CliRun run = runCli({"export", path, "--overview", "--matrix"});
    EXPECT_EQ(run.exitCode, 2);
    EXPECT_EQ(entriesOf(folder.path()), QStringList({"ColorMatrixOverview.pdf", "many.bmp"}));
    EXPECT_TRUE(pdfPageText(folder.filePath("ColorMatrixOverview.pdf"), 2)
                    .contains(QRegularExpression("A\\s*1\\s+0×1\\s")));
}

TEST_F(CliExportTest, TheOverviewWithAPaletteBeginsItsListsWithNamedColours)
{
    const QString path = copySample("landscape.bmp");
    const QString palette = write("beads.csv", "50,120,45,深緑\n70,150,61,若草\n");
    const CliRun run = runCli({"export", path, "--overview", "--palette", palette});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    const QString key = pdfPageText(folder.filePath("ColorMatrixOverview.pdf"), 2);
    EXPECT_TRUE(key.contains(QRegularExpression("1\\s+深緑\\s+549 枚"))) << key.toStdString();
    EXPECT_TRUE(key.contains(QRegularExpression("2\\s+3291 枚"))) << key.toStdString();
    EXPECT_FALSE(key.contains(QStringLiteral("若草")));
}

TEST_F(CliExportTest, AnOutputNamingThePictureOrThePaletteWritesNothing)
{
    const QByteArray picture = fileBytes(samplePath("landscape.bmp"));
    const QByteArray palette("50,120,45,深緑\n");
    QDir(folder.path()).mkdir("out");
    const QString linked = write("picture.bmp", picture);
    QFile::link(linked, folder.filePath("out/ColorSample.pdf"));
    ::link(QFile::encodeName(linked).constData(),
        QFile::encodeName(folder.filePath("out/ColorMatrixAll.pdf")).constData());
    const struct
    {
        QStringList arguments;
        QString kept;
    } cases[] {
        {{"export", write("ColorData.csv", picture), "--csv"}, "ColorData.csv"},
        {{"export", write("ColorMatrix_C7.pdf", picture), "--block", "C7"}, "ColorMatrix_C7.pdf"},
        {{"export", linked, "--sample-sheet", "-o", folder.filePath("out")}, "picture.bmp"},
        {{"export", linked, "--matrix", "-o", folder.filePath("out")}, "picture.bmp"},
        {{"export", write("p.bmp", picture), "--overview", "--palette",
             write("ColorMatrixOverview.pdf", palette)},
            "ColorMatrixOverview.pdf"},
        {{"export", write("q.bmp", picture), "--palette", write("ColorCount.csv", palette)},
            "ColorCount.csv"},
        {{"export", write("w.xlsx", picture), "--xlsx"}, "w.xlsx"},
    };
    for (const auto &each : cases) {
        SCOPED_TRACE(each.arguments.join(' ').toStdString());
        const QStringList before = entriesOf(folder.path());
        const QByteArray kept = fileBytes(folder.filePath(each.kept));
        const CliRun run = runCli(each.arguments);
        EXPECT_EQ(run.exitCode, 1);
        EXPECT_TRUE(run.err.contains(QStringLiteral("読み込んだファイルと同じ")))
            << run.err.toStdString();
        EXPECT_EQ(fileBytes(folder.filePath(each.kept)), kept);
        EXPECT_EQ(entriesOf(folder.path()), before);
    }
    EXPECT_EQ(
        entriesOf(folder.filePath("out")), QStringList({"ColorMatrixAll.pdf", "ColorSample.pdf"}));
}

TEST_F(CliExportTest, BlockPagesComeInPrintOrderNamedByTheChartFileAndABadLabelWritesNothing)
{
    const QString picture = copySample("landscape.bmp");
    modShared model;
    chart::Chart named
        = chart::chartFromAnalysis(model, analyseBitmapFile(picture, model).colorMax);
    for (int n = 1; n <= named.colorCount(); ++n) {
        named.colors[n - 1].name = QStringLiteral("色名%1").arg(n);
        named.colors[n - 1].code = QStringLiteral("K-%1").arg(n);
    }
    const QString chartFile = write("landscape.tessamap",
        chart::encodeChartFile(named, "landscape.bmp", chart::identityOfFile(picture)));
    const QStringList before = entriesOf(folder.path());
    for (const QString labels : {"A1,Q3", "A1,,B2"}) {
        const CliRun run = runCli({"export", picture, "--blocks", labels});
        EXPECT_EQ(run.exitCode, 1);
        EXPECT_TRUE(run.err.contains(labels == "A1,Q3" ? "Q3" : labels)) << run.err.toStdString();
    }
    EXPECT_EQ(entriesOf(folder.path()), before);

    const CliRun run = runCli({"export", chartFile, "--blocks", "b2,A1"});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_EQ(entriesOf(folder.path()),
        QStringList({"ColorMatrixBlocks.pdf", "landscape.bmp", "landscape.tessamap"}));
    const QString pdf = folder.filePath("ColorMatrixBlocks.pdf");
    const QString first = pdfPageText(pdf, 1);
    EXPECT_TRUE(first.contains(headingPattern("色番号Matrix", picture))) << first.toStdString();
    EXPECT_TRUE(first.contains(QRegularExpression("(^|\\n)\\s*A\\s*1\\s"))) << first.toStdString();
    const QList<int> pieces = chart::blockPieces(named, {0, 0});
    for (int n = 1; n <= named.colorCount(); ++n) {
        const QRegularExpression line(
            QStringLiteral("色名%1\\s+K-%1\\s+%2 枚").arg(n).arg(pieces[n]));
        EXPECT_EQ(first.contains(line), pieces[n] > 0) << n << first.toStdString();
    }
    EXPECT_TRUE(pdfPageText(pdf, 2).contains(QRegularExpression("(^|\\n)\\s*B\\s*2\\s")));
    EXPECT_TRUE(pdfPageText(pdf, 3).isEmpty());

    // A chart file of another picture is not guessed at: an error, and it stays as it was.
    QFile::remove(pdf);
    const QByteArray other = chart::encodeChartFile(
        named, "landscape.bmp", chart::identityOfBytes(QByteArrayLiteral("another picture")));
    write("landscape.tessamap", other);
    const CliRun refused = runCli({"export", picture, "--blocks", "A1"});
    EXPECT_EQ(refused.exitCode, 3);
    EXPECT_TRUE(refused.err.contains(QStringLiteral("別の画像"))) << refused.err.toStdString();
    EXPECT_EQ(entriesOf(folder.path()), before);
    EXPECT_EQ(fileBytes(chartFile), other);
}
