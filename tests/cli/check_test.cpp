#include "boardphoto.h"
#include "chartstore.h"
#include "clirun.h"
#include "colornumbering.h"
#include "modshared.h"
#include "testfiles.h"
#include "testpicture.h"

#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <random>

namespace {

const QList<QRgb> Beads {qRgb(200, 30, 40), qRgb(250, 250, 246), qRgb(20, 20, 24),
    qRgb(240, 120, 30), qRgb(250, 210, 40), qRgb(120, 200, 80), qRgb(30, 110, 50),
    qRgb(100, 170, 230), qRgb(30, 60, 170), qRgb(240, 150, 180)};

int32_t colorValue(QRgb c)
{
    return qRed(c) + 256 * qGreen(c) + 65536 * qBlue(c);
}

// A picture of bead colours and a photo of block B2 (columns 11-20, rows
// 11-20) laid with three wrong pieces.
struct CheckFiles
{
    QTemporaryDir folder;
    QString picture;
    QString photo;
    QString overlay;
    QString other; // a photo of something else
    BoardScene scene;
    QMap<QRgb, int> numbers; // colour number of each bead colour
    QList<QPoint> wrongCells; // (column, row)

    CheckFiles()
    {
        TestPicture bmp;
        std::mt19937 random(4);
        std::uniform_int_distribution<int> pick(0, int(Beads.size()) - 1);
        QList<QRgb> cells(160 * 120);
        for (int row = 1; row <= 120; ++row) {
            for (int column = 1; column <= 160; ++column) {
                cells[(row - 1) * 160 + column - 1] = Beads[pick(random)];
                bmp.set(row, column, colorValue(cells[(row - 1) * 160 + column - 1]));
            }
        }
        picture = bmp.save(folder.filePath("picture.bmp"));
        modShared model;
        const int colorMax = numberColors(QByteArrayView(bmp.toBmp()).sliced(54), model);
        for (int n = 1; n <= colorMax; ++n)
            numbers[qRgb(model.lngColorRGB(n) & 0xff, (model.lngColorRGB(n) >> 8) & 0xff,
                (model.lngColorRGB(n) >> 16) & 0xff)]
                = n;

        QList<QRgb> pieces;
        for (int row = 11; row <= 20; ++row) {
            for (int column = 11; column <= 20; ++column)
                pieces.append(cells[(row - 1) * 160 + column - 1]);
        }
        wrongCells = {QPoint(12, 11), QPoint(17, 15), QPoint(20, 20)};
        for (const QPoint &cell : wrongCells) {
            QRgb &piece = pieces[(cell.y() - 11) * 10 + cell.x() - 11];
            // Black for light pieces, white for dark ones: clearly another colour.
            piece = qGray(piece) > 128 ? Beads[2] : Beads[1];
        }
        scene.corners
            = {QPointF(310, 140), QPointF(720, 170), QPointF(700, 600), QPointF(280, 580)};
        scene.whiteBalance = {1.1, 1.0, 0.75};
        scene.falloff = 0.3;
        scene.noise = 3;
        photo = folder.filePath("board.jpg");
        renderBoard(pieces, 10, scene).save(photo, "JPG", 85);
        overlay = folder.filePath("overlay.png");
        other = folder.filePath("other.jpg");
        photoLike(1000, 750).save(other, "JPG", 85);
    }

    QString corners() const
    {
        QStringList values;
        for (const QPointF &p : scene.corners)
            values << QString::number(p.x()) << QString::number(p.y());
        return values.join(u',');
    }
};

} // namespace

TEST(CliCheck, ListsTheWrongPiecesAsJsonAndDrawsThemOnTheOverlay)
{
    CheckFiles files;
    const CliRun run = runCli({"check", files.picture, files.photo, "--block", "B2", "--corners",
        files.corners(), "--json", "--overlay", files.overlay});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    const QJsonObject result = QJsonDocument::fromJson(run.out.toUtf8()).object();
    EXPECT_EQ(result["area"].toObject(),
        QJsonObject({{"col", 11}, {"row", 11}, {"width", 10}, {"height", 10}}));
    EXPECT_EQ(result["cells"].toInt(), 100);
    const QJsonArray wrong = result["wrong"].toArray();
    ASSERT_EQ(wrong.size(), 3) << run.out.toStdString();
    for (qsizetype i = 0; i < wrong.size(); ++i) {
        const QJsonObject cell = wrong[i].toObject();
        EXPECT_EQ(QPoint(cell["col"].toInt(), cell["row"].toInt()), files.wrongCells[i]);
        const int seen = cell["seen"].toInt();
        EXPECT_TRUE(seen == files.numbers[Beads[1]] || seen == files.numbers[Beads[2]]);
        EXPECT_NE(cell["expected"].toInt(), seen);
    }
    const QImage overlay(files.overlay);
    EXPECT_EQ(overlay.size(), QSize(1000, 750));
}

TEST(CliCheck, FindsTheBoardItselfAndSaysWhereInTheBlock)
{
    CheckFiles files;
    // The chart file beside the picture names the pieces in the report.
    ASSERT_EQ(chart::writeChartOfNewPicture(files.picture,
                  {{Beads[1] & 0xffffff, 0, QStringLiteral("しろ"), {}, {}},
                      {Beads[2] & 0xffffff, 0, QStringLiteral("くろ"), {}, {}}},
                  {})
                  .status,
        chart::SaveStatus::Saved);
    const CliRun run = runCli({"check", files.picture, files.photo, "--area", "11,11,10,10"});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    const QStringList lines = run.out.split(u'\n', Qt::SkipEmptyParts);
    ASSERT_EQ(lines.size(), 5) << run.out.toStdString();
    EXPECT_EQ(lines[0], QStringLiteral("まちがい: 3 個"));
    // Column 12, row 11 is B2's first row, second column.
    EXPECT_TRUE(lines[1].startsWith(QStringLiteral("B2 の 1 行目 2 列目（列 12、行 11）: 色")))
        << lines[1].toStdString();
    for (const int line : {1, 2, 3})
        EXPECT_TRUE(lines[line].endsWith(QStringLiteral("（しろ） です"))
            || lines[line].endsWith(QStringLiteral("（くろ） です")))
            << lines[line].toStdString();
    EXPECT_TRUE(lines[4].startsWith(QStringLiteral("見つけた四隅: "))) << lines[4].toStdString();
}

TEST(CliCheck, BadInputIsRefusedWithAReasonAndNothingWritten)
{
    CheckFiles files;
    const QString broken = files.folder.filePath("broken.jpg");
    writeAll(broken, QByteArray("\xff\xd8\xff\xe0 not really a JPEG"));
    const QString link = files.folder.filePath("link.png");
    ASSERT_TRUE(QFile::link(files.photo, link));
    struct Case
    {
        const char *name;
        QStringList arguments;
        int exitCode;
        QString message;
    };
    const QList<Case> cases {
        {"unreadable photo", {broken, "--block", "B2"}, 3, "画像を読み込めません"},
        {"corners outside",
            {files.photo, "--block", "B2", "--corners", "0,0,1001,0,1000,750,0,750"}, 3,
            "写真（1000×750ドット）の外"},
        {"corners crossed",
            {files.photo, "--block", "B2", "--corners", "0,0,1000,750,1000,0,0,750"}, 3, "交差"},
        {"area outside", {files.photo, "--area", "150,100,29,29"}, 3, "図案（160×120）の外"},
        {"something else", {files.other, "--block", "B2"}, 3, "--corners"},
        {"another block", {files.photo, "--block", "C3", "--corners", files.corners()}, 3,
            "図案と合いません"},
        {"both areas", {files.photo, "--block", "B2", "--area", "1,1,10,10"}, 1,
            "--block か --area"},
        {"not a block", {files.photo, "--block", "Q1"}, 1, "A1 から P12"},
        {"overlay is the photo", {files.photo, "--block", "B2", "--overlay", link}, 1,
            "同じファイル"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        QStringList arguments = QStringList {"check", files.picture} + c.arguments;
        if (!arguments.contains("--overlay"))
            arguments << "--overlay" << files.overlay;
        const CliRun run = runCli(arguments);
        EXPECT_EQ(run.exitCode, c.exitCode) << run.err.toStdString();
        EXPECT_TRUE(run.err.contains(c.message)) << run.err.toStdString();
        EXPECT_TRUE(run.out.isEmpty());
        EXPECT_FALSE(QFileInfo::exists(files.overlay));
    }
}
