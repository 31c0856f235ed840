#include "boardcharts.h"
#include "boardphoto.h"
#include "checkarea.h"
#include "photocheck.h"
#include "testfiles.h"

#include <QLineF>
#include <gtest/gtest.h>

using namespace check;

namespace {

const Area Pegboard {5, 3, 29, 29};

struct Scene
{
    const char *name;
    BoardScene scene;
};

// Light, white balance, perspective, blur, noise and JPEG, as phones see boards.
QList<Scene> scenes()
{
    QList<Scene> list;
    BoardScene plain;
    list.append({"plain", plain});

    BoardScene warm;
    warm.corners = {QPointF(250, 120), QPointF(760, 90), QPointF(880, 690), QPointF(140, 650)};
    warm.whiteBalance = {1.15, 0.95, 0.6};
    warm.falloff = 0.45;
    warm.noise = 3;
    warm.jpegQuality = 85;
    list.append({"warm, lighter on the left, at a slant", warm});

    BoardScene cold;
    cold.corners = {QPointF(180, 60), QPointF(840, 130), QPointF(780, 700), QPointF(230, 640)};
    cold.whiteBalance = {0.7, 0.9, 1.2};
    cold.crosstalk = 0.12;
    cold.flare = 0.02;
    cold.blur = 1;
    cold.noise = 5;
    cold.jpegQuality = 70;
    list.append({"cold, hazy, blurred, noisy", cold});

    BoardScene dim;
    dim.corners = {QPointF(330, 150), QPointF(670, 150), QPointF(900, 700), QPointF(100, 700)};
    dim.whiteBalance = {0.45, 0.4, 0.35};
    dim.falloff = 0.3;
    dim.noise = 4;
    dim.jpegQuality = 75;
    list.append({"dim, steep perspective", dim});
    return list;
}

std::optional<Corners> cornersOf(const BoardScene &scene)
{
    return Corners {scene.corners[0], scene.corners[1], scene.corners[2], scene.corners[3]};
}

struct Score
{
    int right = 0; // wrong cells found, with the colour they are
    int missed = 0;
    int falseAlarms = 0;
};

// A wrong piece seen as the near twin of its colour is found all the same.
Score score(const QList<WrongCell> &found, const QList<WrongCell> &truth)
{
    const auto twin = [](int n) { return n == 1 || n == 2 ? 1 : n; };
    Score s;
    for (const WrongCell &cell : found) {
        const bool right = std::any_of(truth.begin(), truth.end(), [&](const WrongCell &t) {
            return t.row == cell.row && t.column == cell.column && t.expected == cell.expected
                && twin(t.seen) == twin(cell.seen);
        });
        (right ? s.right : s.falseAlarms) += 1;
    }
    s.missed = int(truth.size()) - s.right;
    return s;
}

} // namespace

TEST(PhotoCheckTest, FindsTheWrongPiecesInVariedLightAndPerspective)
{
    const chart::Chart chart = beadChart(7);
    unsigned seed = 1;
    for (const Scene &scene : scenes()) {
        SCOPED_TRACE(scene.name);
        const LaidBoard board = layBoard(chart, Pegboard, 30, ++seed);
        BoardScene photo = scene.scene;
        photo.seed = seed;
        const QImage rendered = renderBoard(board.pieces, Pegboard.width, photo);
        const CheckResult result = checkPhoto(chart, Pegboard, photoOf(rendered), cornersOf(photo));
        ASSERT_EQ(result.status, CheckResult::Status::Checked);
        EXPECT_EQ(result.cells, 841);
        const Score s = score(result.wrong, board.wrong);
        EXPECT_GE(double(s.right) / board.wrong.size(), 0.95) << s.missed << " missed";
        EXPECT_GE(double(s.right) / std::max<qsizetype>(result.wrong.size(), 1), 0.95)
            << s.falseAlarms << " false alarms";
    }
}

TEST(PhotoCheckTest, ACorrectBoardOrOneOfNearColoursReportsNothing)
{
    const chart::Chart chart = beadChart(11);
    LaidBoard board = layBoard(chart, Pegboard, 0, 3);
    // Colours 1 and 2 are two reds a child cannot tell apart: swapped, they are no alarm.
    for (QRgb &piece : board.pieces) {
        if (piece == QRgb(chart.color(1).rgb))
            piece = QRgb(chart.color(2).rgb);
    }
    for (const Scene &scene : scenes()) {
        SCOPED_TRACE(scene.name);
        const CheckResult result = checkPhoto(chart, Pegboard,
            photoOf(renderBoard(board.pieces, Pegboard.width, scene.scene)),
            cornersOf(scene.scene));
        ASSERT_EQ(result.status, CheckResult::Status::Checked);
        EXPECT_TRUE(result.wrong.isEmpty()) << result.wrong.size() << " false alarms";
    }
}

TEST(PhotoCheckTest, FindsTheBoardOnAPlainTableWithoutCornersTurnedEitherWay)
{
    const chart::Chart chart = beadChart(5);
    const LaidBoard board = layBoard(chart, Pegboard, 20, 9);
    BoardScene scene;
    scene.corners = {QPointF(260, 90), QPointF(820, 140), QPointF(770, 690), QPointF(210, 640)};
    scene.whiteBalance = {1.1, 1.0, 0.8};
    scene.falloff = 0.25;
    scene.noise = 3;
    scene.jpegQuality = 85;
    for (int turn = 0; turn < 2; ++turn) {
        SCOPED_TRACE(turn ? "upside down" : "upright");
        BoardScene turned = scene;
        if (turn)
            turned.corners
                = {scene.corners[2], scene.corners[3], scene.corners[0], scene.corners[1]};
        const QImage rendered = renderBoard(board.pieces, Pegboard.width, turned);
        const CheckResult result = checkPhoto(chart, Pegboard, photoOf(rendered), {});
        ASSERT_EQ(result.status, CheckResult::Status::Checked);
        EXPECT_TRUE(result.cornersFound);
        const double cell = QLineF(scene.corners[0], scene.corners[1]).length() / Pegboard.width;
        for (int i = 0; i < 4; ++i)
            EXPECT_LT(QLineF(result.corners[i], turned.corners[i]).length(), 0.3 * cell) << i;
        const Score s = score(result.wrong, board.wrong);
        EXPECT_GE(s.right, 19);
        EXPECT_LE(s.falseAlarms, 1);
    }
}

TEST(PhotoCheckTest, RefusesCornersAndAreasThatCannotBeTheBoard)
{
    const chart::Chart chart = beadChart(5);
    const LaidBoard board = layBoard(chart, Pegboard, 0, 1);
    const BoardScene scene;
    const LoadedPhoto photo = photoOf(renderBoard(board.pieces, Pegboard.width, scene));
    const Corners right = *cornersOf(scene);
    using Status = CheckResult::Status;
    const auto status = [&](const Area &area, const std::optional<Corners> &corners) {
        return checkPhoto(chart, area, photo, corners).status;
    };
    EXPECT_EQ(status(Pegboard, right), Status::Checked);
    EXPECT_EQ(status({140, 100, 29, 29}, right), Status::AreaOutside);
    EXPECT_EQ(status({1, 1, 0, 10}, right), Status::AreaOutside);
    EXPECT_EQ(status(Pegboard, Corners {right[0], right[1], right[2], QPointF(-1, 650)}),
        Status::CornersOutside);
    EXPECT_EQ(status(Pegboard, Corners {right[0], right[1], right[2], QPointF(200, 751)}),
        Status::CornersOutside);
    EXPECT_EQ(
        status(Pegboard, Corners {right[0], right[2], right[1], right[3]}), Status::CornersCrossed);
    EXPECT_EQ(
        status(Pegboard, Corners {right[0], right[3], right[2], right[1]}), Status::CornersCrossed);
    EXPECT_EQ(status(Pegboard,
                  Corners {QPointF(10, 10), QPointF(100, 10), QPointF(100, 100), QPointF(10, 100)}),
        Status::CornersTooSmall);
    chart::Chart unnumbered = chart;
    for (int r = 0; r < Pegboard.height; ++r) {
        for (int c = 0; c < Pegboard.width; ++c)
            unnumbered.cells(Pegboard.row + r, Pegboard.column + c) = 0;
    }
    EXPECT_EQ(checkPhoto(unnumbered, Pegboard, photo, right).status, Status::NothingToCheck);
    // The right corners on the wrong part of the chart.
    EXPECT_EQ(status({60, 40, 29, 29}, right), Status::NoMatch);
}

TEST(PhotoCheckTest, APhotoOfSomethingElseIsNoBoard)
{
    const chart::Chart chart = beadChart(5);
    const LoadedPhoto photo = photoOf(photoLike(1000, 750));
    EXPECT_EQ(checkPhoto(chart, Pegboard, photo, {}).status, CheckResult::Status::BoardNotFound);
    EXPECT_EQ(
        checkPhoto(chart, Pegboard, photo,
            Corners {QPointF(200, 100), QPointF(800, 100), QPointF(800, 650), QPointF(200, 650)})
            .status,
        CheckResult::Status::NoMatch);
    QImage blank(1000, 750, QImage::Format_RGB32);
    blank.fill(qRgb(80, 62, 48));
    EXPECT_EQ(
        checkPhoto(chart, Pegboard, photoOf(blank), {}).status, CheckResult::Status::BoardNotFound);
}
