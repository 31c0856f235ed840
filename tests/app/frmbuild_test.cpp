#include "blockcellsview.h"
#include "buildsession.h"
#include "chartcounts.h"
#include "startup.h"
#include "testfiles.h"
#include "windowfixture.h"

#include <QComboBox>
#include <QDoubleSpinBox>
#include <QLineEdit>
#include <QRadioButton>
#include <QTableWidget>
#include <QTest>

namespace {

// Stripes of three colours across, so that blocks differ in their counts,
// and a fourth colour in the last column.
TestPicture stripedPicture()
{
    const int32_t colors[] = {0x2040C0, 0x20A040, 0xF0F0F0};
    TestPicture picture;
    for (int row = 1; row <= 120; ++row) {
        for (int column = 1; column <= 160; ++column)
            picture.set(row, column, column == 160 ? 0x000080 : colors[(row / 7 + column / 13) % 3]);
    }
    return picture;
}

class BuildWindowTest : public WindowFixture
{
protected:
    void open(const TestPicture &picture = stripedPicture())
    {
        picturePath = savePicture(picture, QStringLiteral("fruits.bmp"));
        ASSERT_TRUE(build.openChart(picturePath));
        QApplication::setActiveWindow(&build);
    }
    void key(Qt::Key which, int times = 1, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        for (int k = 0; k < times; ++k)
            QTest::keyClick(build.focusWidget(), which, modifiers);
    }
    QString current() const { return chart::blockLabel(build.session()->current()); }
    QString cellText(int column, int row)
    {
        return control<QTableWidget>(build, "grdColors")->item(row, column)->text();
    }

    QString picturePath;
};

} // namespace

TEST_F(BuildWindowTest, TheKeysMoveMarkAndHighlightAsAPupilUsesThem)
{
    open();
    EXPECT_EQ(current(), "A1");
    key(Qt::Key_Left);
    key(Qt::Key_Up);
    EXPECT_EQ(current(), "A1");
    key(Qt::Key_Right, 20);
    key(Qt::Key_Down, 20);
    EXPECT_EQ(current(), "P12");
    EXPECT_EQ(text(build, "lblBlock"), "P 12");
    EXPECT_EQ(text(build, "lblLeft"), "← O 12");
    EXPECT_EQ(text(build, "lblDown"), "");

    // Space marks and moves on in print order, over the blocks already done.
    key(Qt::Key_Home);
    EXPECT_EQ(current(), "A1");
    key(Qt::Key_Down);
    key(Qt::Key_Space); // A2
    key(Qt::Key_Home);
    key(Qt::Key_Space); // A1, then past A2
    EXPECT_EQ(current(), "A3");
    key(Qt::Key_Down, 9);
    key(Qt::Key_Space); // A12
    EXPECT_EQ(current(), "B1");
    EXPECT_EQ(text(build, "lblProgress"), "完成: 3 / 192 ブロック（1%）");
    // Space on a block done takes the mark off and stays there.
    key(Qt::Key_Home);
    EXPECT_EQ(current(), "A3");
    key(Qt::Key_Up, 2);
    key(Qt::Key_Space);
    EXPECT_EQ(current(), "A1");
    EXPECT_FALSE(build.session()->chart().isDone({0, 0}));
    EXPECT_EQ(text(build, "lblProgress"), "完成: 2 / 192 ブロック（1%）");

    // Tab steps through the colours and round through none; Esc clears.
    const int colors = build.session()->chart().colorCount();
    ASSERT_EQ(colors, 4);
    key(Qt::Key_Tab);
    EXPECT_EQ(build.session()->highlight(), 1);
    const auto *cells = control<BlockCellsView>(build, "picBlock");
    for (int row = 0; row < 10; ++row) {
        for (int column = 0; column < 10; ++column)
            EXPECT_EQ(cells->cell(column, row).dimmed, cells->cell(column, row).number != 1);
    }
    key(Qt::Key_Backtab, 2);
    EXPECT_EQ(build.session()->highlight(), colors);
    key(Qt::Key_Escape);
    EXPECT_EQ(build.session()->highlight(), 0);
    // Choosing a colour in the list, and choosing it again, clears it.
    auto *list = control<QTableWidget>(build, "grdColors");
    emit list->cellClicked(2, 0);
    EXPECT_EQ(build.session()->highlight(), 3);
    emit list->cellClicked(2, 4);
    EXPECT_EQ(build.session()->highlight(), 0);
    EXPECT_TRUE(dialogs.messages.isEmpty());

    // Every mark is in the chart file at once.
    EXPECT_EQ(chart::openChart(picturePath).chart.done, build.session()->chart().done);
}

TEST_F(BuildWindowTest, ThePiecesLeftAgreeWithACountOfTheCellsOfTheBlocksNotDone)
{
    open();
    for (int k = 0; k < 15; ++k)
        key(Qt::Key_Space); // A1 .. B3
    key(Qt::Key_Right, 5);
    key(Qt::Key_Space);
    const chart::Chart &chart = build.session()->chart();
    QList<int> left(chart.colorCount() + 1, 0);
    QList<int> here(chart.colorCount() + 1, 0);
    for (int row = 1; row <= 120; ++row) {
        for (int column = 1; column <= 160; ++column) {
            const chart::BlockPlace place {(column - 1) / 10, (row - 1) / 10};
            if (!chart.isDone(place))
                ++left[chart.cell(row, column)];
            if (place == build.session()->current())
                ++here[chart.cell(row, column)];
        }
    }
    for (int number = 1; number <= chart.colorCount(); ++number) {
        EXPECT_EQ(cellText(5, number - 1), QLocale(QLocale::Japanese).toString(left[number]));
        EXPECT_EQ(cellText(6, number - 1), QString::number(here[number]));
    }
    EXPECT_EQ(text(build, "lblRemaining"), "残りのピース: 17,600 枚");
}

TEST_F(BuildWindowTest, MarksOfAnotherProgramAreKeptAndShown)
{
    open();
    key(Qt::Key_Space); // A1
    // The command line marks a block meanwhile, as a second program would.
    {
        chart::OpenedChart other = chart::openChart(picturePath);
        chart::ChartKeeper keeper(other);
        other.chart.done.set(std::size_t(chart::BlockPlace {4, 0}.printIndex()));
        other.chart.builders.insert(chart::BlockPlace {4, 0}.printIndex(), QStringLiteral("花子"));
        ASSERT_EQ(keeper.save(other.chart).status, chart::SaveStatus::Saved);
    }
    key(Qt::Key_Space); // A2
    const chart::Chart &shown = build.session()->chart();
    EXPECT_TRUE(shown.isDone({4, 0}));
    EXPECT_EQ(shown.builder({4, 0}), QStringLiteral("花子"));
    const chart::Chart onDisk = chart::openChart(picturePath).chart;
    EXPECT_EQ(chart::doneBlockCount(onDisk), 3);
    EXPECT_EQ(text(build, "lblProgress"), "完成: 3 / 192 ブロック（1%）");
}

TEST_F(BuildWindowTest, AFailedSaveSaysWhereKeepsTheMarksAndTriesAgain)
{
    open();
    const QString chartPath = folder.filePath(QStringLiteral("fruits.tessamap"));
    // Something that is not a file stands at the chart file's name.
    ASSERT_TRUE(QDir(folder.path()).mkdir(QStringLiteral("fruits.tessamap")));
    key(Qt::Key_Space);
    ASSERT_EQ(dialogs.messages.size(), 1);
    EXPECT_TRUE(dialogs.messages.first().text.contains(QDir::toNativeSeparators(chartPath)))
        << dialogs.messages.first().text.toStdString();
    EXPECT_TRUE(build.session()->chart().isDone({0, 0}));
    EXPECT_TRUE(text(build, "lblRemaining").contains(QStringLiteral("保存できていません")));

    ASSERT_TRUE(QDir(folder.path()).rmdir(QStringLiteral("fruits.tessamap")));
    key(Qt::Key_Space);
    EXPECT_EQ(dialogs.messages.size(), 1);
    EXPECT_EQ(chart::doneBlockCount(chart::openChart(picturePath).chart), 2);
}

TEST_F(BuildWindowTest, ABrokenChartFileIsLeftAsItWasUnlessTheUserStartsAfresh)
{
    picturePath = savePicture(stripedPicture(), QStringLiteral("fruits.bmp"));
    const QString chartPath = folder.filePath(QStringLiteral("fruits.tessamap"));
    const QByteArray broken = R"({"format": "tessamap-chart", "version": 1, "colo)";
    writeAll(chartPath, broken);

    dialogs.answers.push_back(Dialogs::Answer::No);
    EXPECT_FALSE(build.openChart(picturePath));
    EXPECT_FALSE(build.isVisible());
    EXPECT_EQ(readAll(chartPath), broken);

    dialogs.answers.push_back(Dialogs::Answer::Yes);
    ASSERT_TRUE(build.openChart(chartPath));
    EXPECT_EQ(readAll(chartPath + ".bak"), broken);
    EXPECT_EQ(chart::openChart(picturePath).fileStatus, chart::ChartFileStatus::Ok);
}

TEST_F(BuildWindowTest, PicturesTheColourWindowRefusesGetItsWarnings)
{
    const QString wide = savePicture(TestPicture(), QStringLiteral("wide.bmp"), {.width = 161});
    EXPECT_FALSE(build.openChart(wide));
    TestPicture many;
    for (int column = 1; column <= 40; ++column)
        many.set(120, column, 0x010101 * column);
    EXPECT_FALSE(build.openChart(savePicture(many, QStringLiteral("many.bmp"))));
    ASSERT_EQ(dialogs.messages.size(), 2);
    EXPECT_EQ(dialogs.messages[0].text, "160×120ﾄﾞｯﾄ の画像ではありません。");
    EXPECT_EQ(dialogs.messages[1].text, "32色を越えているため処理できません。");
    EXPECT_EQ(dialogs.messages[1].title, "警告");
    EXPECT_FALSE(QFile::exists(folder.filePath(QStringLiteral("many.tessamap"))));
}

TEST_F(BuildWindowTest, TheMatrixWindowOpensItOnTheAnalysedPicture)
{
    openMatrixWindow(stripedPicture());
    button(matrix, "cmdBuild")->click();
    ASSERT_TRUE(build.isVisible());
    EXPECT_EQ(build.session()->picturePath(), QFileInfo(model.strAnalysedFileName).absoluteFilePath());
    EXPECT_EQ(button(matrix, "cmdBuild")->geometry(), twipsRect(6120, 4080, 2175, 495));
}

TEST(StartRequestTest, BuildAndChartFilesOpenTheBuildWindowOtherFilesTheMainWindow)
{
    EXPECT_EQ(startRequest({"--build", "a.bmp"}).buildPath, "a.bmp");
    EXPECT_EQ(startRequest({"fruits.TESSAMAP"}).buildPath, "fruits.TESSAMAP");
    const StartRequest plain = startRequest({"a.bmp", "b.bmp"});
    EXPECT_TRUE(plain.buildPath.isEmpty());
    EXPECT_EQ(plain.files, (QStringList {"a.bmp", "b.bmp"}));
}

TEST_F(BuildWindowTest, OneBuildersBlocksPrintInPrintOrderEachOnItsPage)
{
    open();
    // Ctrl+click on the map chooses B1 and A3 for 花子.
    auto *map = control<QWidget>(build, "picMap");
    for (const QPoint at : {QPoint(45, 5), QPoint(5, 65)})
        QTest::mouseClick(map, Qt::LeftButton, Qt::ControlModifier, at);
    control<QLineEdit>(build, "txtBuilder")->setText(QStringLiteral("花子"));
    button(build, "cmdBuilder")->click();
    QTest::mouseClick(map, Qt::LeftButton, Qt::ControlModifier, QPoint(45, 5));
    QTest::mouseClick(map, Qt::LeftButton, Qt::ControlModifier, QPoint(5, 65)); // none chosen now
    auto *builders = control<QComboBox>(build, "cboBuilders");
    builders->setCurrentIndex(builders->findText(QStringLiteral("花子")));

    printer.savesPdf = true;
    button(build, "cmdPrintBlocks")->click();
    EXPECT_EQ(printer.endedDocuments, QList<int> {2});
    EXPECT_EQ(printer.documentPath, folder.filePath(QStringLiteral("ColorMatrixBlocks.pdf")));
    const auto pageHolds = [&](int page, const QString &text) {
        const auto texts = printer.textsOnPage(page);
        return std::any_of(texts.begin(), texts.end(),
            [&](const RecordingSurface::Text &item) { return item.text.contains(text); });
    };
    EXPECT_TRUE(pageHolds(1, QStringLiteral("A 3")));
    EXPECT_TRUE(pageHolds(2, QStringLiteral("B 1")));
    EXPECT_EQ(chart::blocksOfBuilder(chart::openChart(picturePath).chart, QStringLiteral("花子")),
        (QList<chart::BlockPlace> {{0, 2}, {1, 0}}));
}

TEST_F(BuildWindowTest, TheShoppingListOffersWhatIsStillToLay)
{
    open();
    key(Qt::Key_Space, 12); // the strip A
    button(build, "cmdShopping")->click();
    QWidget *shopping = nullptr;
    for (QWidget *widget : QApplication::topLevelWidgets()) {
        if (widget->objectName() == QLatin1String("frmShopping") && widget->isVisible())
            shopping = widget;
    }
    ASSERT_NE(shopping, nullptr);
    auto *remaining = control<QRadioButton>(*shopping, "optRemaining");
    ASSERT_TRUE(remaining->isEnabled());
    remaining->click();
    const QList<int> left = build.session()->remaining();
    const auto *list = control<QTableWidget>(*shopping, "grdList");
    // Colour 1 lies in strip A too: the list holds what is left of it.
    EXPECT_LT(left[1], chart::openChart(picturePath).chart.color(1).pieces);
    EXPECT_FALSE(list->findItems(QString::number(left[1]), Qt::MatchExactly).isEmpty());
    build.close();
    EXPECT_FALSE(shopping->isVisible());
}

TEST_F(BuildWindowTest, TheActualSizeStartsAtTheSetsPieceSize)
{
    open();
    EXPECT_EQ(control<QDoubleSpinBox>(build, "spnPieceSize")->value(), 5.0);
    const quint32 first = build.session()->chart().color(1).rgb;
    ASSERT_EQ(chart::writeChartOfNewPicture(
                  picturePath, {{first, 0, QStringLiteral("しろ"), QStringLiteral("P01"), "perler-mini"}}, {})
                  .status,
        chart::SaveStatus::Saved);
    ASSERT_TRUE(build.openChart(picturePath));
    EXPECT_DOUBLE_EQ(control<QDoubleSpinBox>(build, "spnPieceSize")->value(), 2.6);
}
