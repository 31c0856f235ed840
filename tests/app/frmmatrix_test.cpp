#include "readablecolor.h"
#include "windowfixture.h"

#include <QTest>

namespace {

// Colour numbers that tell every cell apart: the colour of (row, column) is
// met first in the bottom row's column of its number, so number = column
// index of first appearance.
TestPicture numberedPicture()
{
    TestPicture picture = TestPicture::withColors(32);
    for (int row = 1; row <= 119; ++row) {
        for (int column = 1; column <= 160; ++column)
            picture.set(row, column, ((row + column) % 32) * 0x030507);
    }
    return picture;
}

class MatrixWindowTest : public WindowFixture
{
protected:
    QLabel *cell(int k) { return control(matrix, QStringLiteral("lblP(%1)").arg(k)); }
    void press(const char *name, int times = 1)
    {
        for (int k = 0; k < times; ++k)
            button(matrix, name)->click();
    }
    // What the cells should show for block (x, y), cell k running down the columns.
    void expectBlock(int x, int y)
    {
        EXPECT_EQ(text(matrix, "lblCol"), QString(QChar('A' + x)));
        EXPECT_EQ(text(matrix, "lblRow"), QString::number(y + 1));
        for (int k = 0; k < 100; ++k) {
            const int row = 10 * y + k % 10 + 1;
            const int column = 10 * x + k / 10 + 1;
            const int n = model.intPixelColor(row, column);
            ASSERT_EQ(cell(k)->text(), QString::number(n)) << x << "," << y << " cell " << k;
            if (n != 0) {
                EXPECT_EQ(
                    cell(k)->palette().color(QPalette::Window), toQColor(model.lngColorRGB(n)));
            }
        }
    }
};

} // namespace

TEST_F(MatrixWindowTest, OpensOnTheTopLeftBlockWithItsColours)
{
    openMatrixWindow(numberedPicture());
    ASSERT_TRUE(matrix.isVisible());
    EXPECT_EQ(matrix.windowTitle(), QStringLiteral("色番号表"));
    EXPECT_EQ(matrix.pb_intX, 0);
    EXPECT_EQ(matrix.pb_intY, 0);
    expectBlock(0, 0);
    EXPECT_EQ(cell(0)->text(), QString::number(model.intPixelColor(1, 1)));
    EXPECT_EQ(cell(9)->text(), QString::number(model.intPixelColor(10, 1)));
    EXPECT_EQ(cell(10)->text(), QString::number(model.intPixelColor(1, 2)));
    // Every number in the window-text colour, unless that is unreadable on its cell.
    const QColor windowText = QApplication::palette().color(QPalette::Text);
    const QColor windowBackground = QApplication::palette().color(QPalette::Base);
    for (int k = 0; k < 100; ++k) {
        const QPalette colors = cell(k)->palette();
        const QColor number = colors.color(QPalette::WindowText);
        if (readablecolor::contrastRatio(
                windowText.rgb() & 0xFFFFFF, colors.color(QPalette::Window).rgb() & 0xFFFFFF)
            >= 4.5)
            EXPECT_EQ(number, windowText) << k;
        else
            EXPECT_EQ(number, windowBackground) << k;
    }
    EXPECT_EQ(
        button(matrix, "cmdOnePrint")->text(), QStringLiteral("このページのみ印刷\n用紙［A4縦］"));
    EXPECT_EQ(matrix.focusWidget(), button(matrix, "cmdPrintMatrix"));
}

TEST_F(MatrixWindowTest, PlacesTheGridAndButtonsToTheTwip)
{
    openMatrixWindow(numberedPicture());
    EXPECT_EQ(matrix.size(), QSize(587, 457));
    const auto at = [](int left, int top, int width, int height) {
        return QRect(left / 15, top / 15, width / 15, height / 15);
    };
    EXPECT_EQ(cell(0)->geometry(), at(960, 720, 495, 495));
    EXPECT_EQ(cell(9)->geometry(), at(960, 5040, 495, 495));
    EXPECT_EQ(cell(10)->geometry(), at(1440, 720, 495, 495));
    EXPECT_EQ(cell(99)->geometry(), at(5280, 5040, 495, 495));
    EXPECT_EQ(button(matrix, "cmdLeft")->geometry(), at(960, 120, 495, 495));
    EXPECT_EQ(button(matrix, "cmdRight")->geometry(), at(5280, 120, 495, 495));
    EXPECT_EQ(button(matrix, "cmdUp")->geometry(), at(360, 720, 495, 495));
    EXPECT_EQ(button(matrix, "cmdDown")->geometry(), at(360, 5040, 495, 495));
    EXPECT_EQ(control(matrix, "lblCol")->geometry(), at(3000, 240, 735, 375));
    EXPECT_EQ(control(matrix, "lblRow")->geometry(), at(240, 3000, 615, 495));
    EXPECT_EQ(button(matrix, "cmdOnePrint")->geometry(), at(6120, 2400, 2175, 1455));
    EXPECT_EQ(button(matrix, "cmdPrintMatrix")->geometry(), at(960, 6120, 3255, 495));
    EXPECT_EQ(button(matrix, "cmdClose")->geometry(), at(6960, 6120, 1575, 495));
    EXPECT_TRUE(button(matrix, "cmdLeft")->text().isEmpty());
    EXPECT_FALSE(button(matrix, "cmdLeft")->icon().isNull());
    EXPECT_EQ(tabOrder(matrix, "cmdPrintMatrix", 7),
        QStringList({"cmdPrintMatrix", "cmdClose", "cmdLeft", "cmdRight", "cmdUp", "cmdDown",
            "cmdOnePrint"}));
}

TEST_F(MatrixWindowTest, MovesBlockByBlockAndStopsAtEveryEdge)
{
    openMatrixWindow(numberedPicture());
    press("cmdLeft");
    press("cmdUp");
    expectBlock(0, 0);
    for (int x = 0; x <= 15; ++x) {
        for (int y = 0; y <= 11; ++y) {
            expectBlock(x, y);
            press("cmdDown");
        }
        EXPECT_EQ(matrix.pb_intY, 11);
        press("cmdUp", 12);
        press("cmdRight");
    }
    EXPECT_EQ(matrix.pb_intX, 15);
    EXPECT_EQ(matrix.pb_intY, 0);
    press("cmdRight");
    expectBlock(15, 0);
    press("cmdLeft");
    expectBlock(14, 0);
    EXPECT_TRUE(dialogs.messages.isEmpty());
}

TEST_F(MatrixWindowTest, TheArrowKeysMoveLikeTheButtonsAndHomeGoesToA1)
{
    openMatrixWindow(numberedPicture());
    QApplication::setActiveWindow(&matrix);
    // The focused button must not take the arrows for itself.
    QWidget *focused = matrix.focusWidget();
    ASSERT_EQ(focused, button(matrix, "cmdPrintMatrix"));
    const auto key = [&](Qt::Key which, int times = 1) {
        for (int k = 0; k < times; ++k)
            QTest::keyClick(focused, which);
    };
    key(Qt::Key_Left);
    key(Qt::Key_Up);
    expectBlock(0, 0);
    key(Qt::Key_Right, 16);
    key(Qt::Key_Down, 12);
    expectBlock(15, 11);
    key(Qt::Key_Left);
    key(Qt::Key_Up);
    expectBlock(14, 10);
    key(Qt::Key_Home);
    expectBlock(0, 0);
    EXPECT_EQ(matrix.focusWidget(), focused);
    EXPECT_TRUE(dialogs.messages.isEmpty());
}

TEST_F(MatrixWindowTest, ANumberUnreadableInWindowTextTakesTheWindowBackground)
{
    // Window text black on window background white, as in the usual scheme.
    const QColor windowText = QApplication::palette().color(QPalette::Text);
    const QColor windowBackground = QApplication::palette().color(QPalette::Base);
    ASSERT_EQ(windowText, QColor(Qt::black));
    ASSERT_EQ(windowBackground, QColor(Qt::white));
    const struct
    {
        int32_t color;
        QColor number;
    } cases[] = {
        {0x000000, windowBackground},
        {0x121922, windowBackground}, // (34, 25, 18), a ratio of 1.2 : 1 to black
        {0x808080, windowText}, // 5.3 : 1
        {0xFFFFFF, windowText},
    };
    TestPicture picture = TestPicture::withColors(4);
    for (int k = 0; k < 4; ++k)
        picture.set(1, k + 1, cases[k].color);
    openMatrixWindow(picture);
    for (int k = 0; k < 4; ++k) {
        EXPECT_EQ(cell(10 * k)->palette().color(QPalette::Window), toQColor(cases[k].color));
        EXPECT_EQ(cell(10 * k)->palette().color(QPalette::WindowText), cases[k].number) << k;
    }
}

TEST_F(MatrixWindowTest, ReopensAtTheFirstBlockAndOnlyRaisesWhenOpen)
{
    openMatrixWindow(numberedPicture());
    press("cmdRight", 7);
    press("cmdDown", 5);
    EXPECT_EQ(text(matrix, "lblCol"), QStringLiteral("H"));
    button(countColor, "cmdPrintMatrix")->click();
    EXPECT_EQ(matrix.pb_intX, 7);
    EXPECT_EQ(text(matrix, "lblRow"), QStringLiteral("6"));

    button(matrix, "cmdClose")->click();
    EXPECT_FALSE(matrix.isVisible());
    button(countColor, "cmdPrintMatrix")->click();
    EXPECT_EQ(matrix.pb_intX, 0);
    EXPECT_EQ(matrix.pb_intY, 0);
    expectBlock(0, 0);
}

TEST_F(MatrixWindowTest, ShowsUnnumberedCellsThatTheArrowsBringIntoView)
{
    TestPicture picture = TestPicture::withColors(32);
    picture.set(1, 15, 0xABCDEF); // block (1, 0), cell k = 40
    picture.set(10, 20, 0xABCDEE); // block (1, 0), last cell
    openMatrixWindow(picture);
    ASSERT_TRUE(matrix.isVisible());
    press("cmdRight");
    expectBlock(1, 0);
    EXPECT_EQ(cell(40)->text(), QStringLiteral("0"));
    // The window's background, not the white of a text field.
    EXPECT_EQ(cell(40)->palette().color(QPalette::Window),
        QApplication::palette().color(QPalette::Window));
    EXPECT_EQ(cell(99)->text(), QStringLiteral("0"));
    press("cmdLeft");
    expectBlock(0, 0);
    EXPECT_TRUE(dialogs.messages.isEmpty());
}

TEST_F(MatrixWindowTest, ItsOwnLoadTestClosesItOnAnUnnumberedCell)
{
    // The colour window's analysis changes after the test passed: the
    // matrix window refuses by itself, with one message.
    openColorWindow(TestPicture::withColors(32));
    model.intPixelColor(3, 3) = 0;
    matrix.showForm();
    ASSERT_EQ(dialogs.messages.size(), 1);
    EXPECT_EQ(dialogs.messages[0].text, QStringLiteral("32色を越えているため処理できません。"));
    EXPECT_EQ(matrix.pb_Over32, -1);
    EXPECT_FALSE(matrix.isVisible());
    EXPECT_FALSE(matrix.isLoaded());
}
