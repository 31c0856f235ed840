#include "boardcharts.h"
#include "boardphoto.h"
#include "checkphotoview.h"
#include "frmcheckphoto.h"
#include "scripteddialogs.h"
#include "testfiles.h"

#include <QLabel>
#include <QListWidget>
#include <QMouseEvent>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

const chart::BlockPlace Block {2, 3}; // C4: columns 21-30, rows 31-40

class CheckPhotoWindowTest : public ::testing::Test
{
protected:
    CheckPhotoWindowTest()
        : chart(beadChart(3))
        , window(dialogs)
    {
        window.setArea(chart, check::blockArea(Block), Block);
    }
    ~CheckPhotoWindowTest() override { window.close(); }

    QString photoOf(int wrongCount)
    {
        board = layBoard(chart, check::blockArea(Block), wrongCount, 8);
        const QString path = folder.filePath(QStringLiteral("board%1.png").arg(wrongCount));
        renderBoard(board.pieces, 10, scene).save(path);
        return path;
    }
    template<typename T> T *control(const QString &name) { return window.findChild<T *>(name); }
    void drag(QPointF from, QPointF to)
    {
        auto *view = control<CheckPhotoView>("picPhoto");
        for (const auto &[type, at] : {std::pair {QEvent::MouseButtonPress, from},
                 std::pair {QEvent::MouseMove, to}, std::pair {QEvent::MouseButtonRelease, to}}) {
            QMouseEvent event(type, at, view->mapToGlobal(at), Qt::LeftButton,
                type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton, Qt::NoModifier);
            QCoreApplication::sendEvent(view, &event);
        }
    }

    QTemporaryDir folder;
    ScriptedDialogs dialogs;
    chart::Chart chart;
    BoardScene scene;
    LaidBoard board;
    frmCheckPhoto window;
};

} // namespace

TEST_F(CheckPhotoWindowTest, AChosenPhotoShowsTheCornersFoundAndTheWrongPieces)
{
    dialogs.fileChoices.push_back(photoOf(3));
    window.showForm();
    control<QPushButton>("cmdPhoto")->click();
    ASSERT_NE(window.session(), nullptr);
    EXPECT_EQ(control<QLabel>("lblResult")->text(), QStringLiteral("まちがい: 3 個"));
    ASSERT_EQ(control<QListWidget>("lstWrong")->count(), 3);
    EXPECT_TRUE(
        control<QListWidget>("lstWrong")->item(0)->text().startsWith(QStringLiteral("C4 の ")));
    EXPECT_TRUE(dialogs.messages.empty());
}

TEST_F(CheckPhotoWindowTest, ADraggedCornerIsCheckedAgainAndACleanBlockMayBeMarkedDone)
{
    window.openPhoto(photoOf(0));
    auto *view = control<CheckPhotoView>("picPhoto");
    const check::Corners found = view->corners();
    // A corner a little off and dragged back near its place.
    const QPointF handle = view->shownAt(found[0]);
    drag(handle, handle + QPointF(1, 1));
    EXPECT_NE(view->corners()[0], found[0]);
    EXPECT_TRUE(control<QListWidget>("lstWrong")->count() == 0);

    QSignalSpy done(&window, &frmCheckPhoto::markBlockDone);
    dialogs.answers.push_back(Dialogs::Answer::Yes);
    control<QPushButton>("cmdCheck")->click();
    EXPECT_EQ(control<QLabel>("lblResult")->text(), QStringLiteral("まちがい: 0 個"));
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0].buttons, Dialogs::Buttons::YesNo);
    EXPECT_TRUE(dialogs.messages[0].text.contains(QStringLiteral("ブロック C4 を完成にしますか")));
    ASSERT_EQ(done.size(), 1);
    EXPECT_EQ(done[0][0].value<chart::BlockPlace>(), Block);
}

TEST_F(CheckPhotoWindowTest, AnUnreadablePhotoIsRefusedWithItsMessage)
{
    const QString broken = folder.filePath("broken.jpg");
    writeAll(broken, QByteArray("not a photo"));
    EXPECT_FALSE(window.openPhoto(broken));
    EXPECT_EQ(window.session(), nullptr);
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_TRUE(dialogs.messages[0].text.contains(QStringLiteral("画像を読み込めません")));
}
