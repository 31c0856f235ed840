#include "windowfixture.h"

#include <QFile>
#include <QFileInfo>
#include <QFrame>

namespace {

class ColorWindowTest : public WindowFixture
{
protected:
    QFrame *swatch(int k) { return control<QFrame>(countColor, controlName("ShapeColor", k)); }
    QString rgb(int m) { return text(countColor, controlName("lblRGB", m)); }
    QString number(int k) { return text(countColor, controlName("lblColorNumber", k)); }
    bool filled(int k) { return swatch(k)->autoFillBackground(); }
    static QString controlName(const char *name, int index)
    {
        return QStringLiteral("%1(%2)").arg(QLatin1String(name)).arg(index);
    }
    void expectEmptySlots(int from)
    {
        for (int k = from; k < 32; ++k) {
            EXPECT_FALSE(filled(k)) << k;
            EXPECT_EQ(number(k), QString::number(k + 1));
            for (int m = 0; m < 3; ++m)
                EXPECT_EQ(rgb(3 * k + m), QStringLiteral("*")) << k;
        }
    }
};

} // namespace

TEST_F(ColorWindowTest, ShowsEachColourInItsSlot)
{
    TestPicture picture(0xFFFFFF);
    picture.set(120, 1, 0x000000);
    picture.set(120, 2, 0x804020); // red 32, green 64, blue 128
    openColorWindow(picture);
    EXPECT_EQ(countColor.windowTitle(), QStringLiteral("使用色数のカウント"));
    EXPECT_EQ(countColor.intColorMax, 3);
    EXPECT_EQ(text(countColor, "lblColors"), QStringLiteral(" 3 色"));
    EXPECT_TRUE(filled(0));
    EXPECT_EQ(swatch(0)->palette().color(QPalette::Window), QColor(0, 0, 0));
    EXPECT_EQ(swatch(1)->palette().color(QPalette::Window), QColor(32, 64, 128));
    EXPECT_EQ(rgb(3), QStringLiteral("32"));
    EXPECT_EQ(rgb(4), QStringLiteral("64"));
    EXPECT_EQ(rgb(5), QStringLiteral("128"));
    EXPECT_EQ(rgb(6), QStringLiteral("255"));
    expectEmptySlots(3);
    EXPECT_TRUE(dialogs.messages.isEmpty());
    EXPECT_EQ(countColor.focusWidget(), button(countColor, "cmdClose"));
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
}

TEST_F(ColorWindowTest, PlacesTheSlotsColumnByColumnWithTheirTwoIrregularities)
{
    openColorWindow(TestPicture::withColors(32));
    EXPECT_EQ(countColor.size(), QSize(661, 499));
    const auto at = [](int left, int top, int width, int height) {
        return QRect(left / 15, top / 15, width / 15, height / 15);
    };
    EXPECT_EQ(swatch(0)->geometry(), at(960, 840, 615, 615));
    EXPECT_EQ(swatch(7)->geometry(), at(2520, 1680, 615, 615));
    EXPECT_EQ(swatch(31)->geometry(), at(8640, 1680, 615, 615));
    const auto placeOf = [this](const char *name, int index) {
        return control<QWidget>(countColor, controlName(name, index))->geometry();
    };
    EXPECT_EQ(placeOf("lblColorNumber", 0), at(600, 1080, 255, 255));
    EXPECT_EQ(placeOf("lblColorNumber", 2), at(600, 2640, 255, 255));
    EXPECT_EQ(placeOf("lblColorNumber", 8), at(2160, 2760, 255, 255));
    EXPECT_EQ(placeOf("lblColorNumber", 31), at(8280, 1920, 255, 255));
    EXPECT_EQ(placeOf("lblRGB", 0), at(1680, 840, 375, 255));
    EXPECT_EQ(placeOf("lblRGB", 2), at(1680, 1320, 375, 255));
    EXPECT_EQ(placeOf("lblRGB", 95), at(9360, 2160, 375, 255));
    EXPECT_EQ(button(countColor, "cmdPrintMatrix")->geometry(), at(360, 6840, 3855, 495));
    EXPECT_EQ(
        button(countColor, "cmdFileOutput")->text(), QStringLiteral("CSVﾌｧｲﾙへ色情報の書き出し"));
    EXPECT_EQ(button(countColor, "cmdClose")->geometry(), at(8040, 6840, 1695, 495));
    EXPECT_EQ(text(countColor, "lblColors"), QStringLiteral(" 32 色"));
    EXPECT_EQ(tabOrder(countColor, "cmdClose", 5),
        QStringList(
            {"cmdClose", "cmdFileOutput", "cmdDispCount", "cmdPrintColorInfo", "cmdPrintMatrix"}));
}

TEST_F(ColorWindowTest, RefusesWrongHeadersWithOneWarningAndShowsNoAnalysis)
{
    openColorWindow(TestPicture::withColors(5));
    countColor.close();
    struct Case
    {
        BmpOptions options;
        const char *message;
    };
    const Case cases[] = {
        {{.bitCount = 8}, "24bit（ﾌﾙｶﾗｰ）画像ではありません。"},
        {{.width = 100, .bitCount = 8}, "24bit（ﾌﾙｶﾗｰ）画像ではありません。"},
        {{.height = -120}, "160×120ﾄﾞｯﾄ の画像ではありません。"},
    };
    for (const Case &c : cases) {
        dialogs.messages.clear();
        model.strFileName = savePicture(TestPicture::withColors(5), "bad.bmp", c.options);
        countColor.showForm();
        ASSERT_EQ(dialogs.messages.size(), 1);
        EXPECT_EQ(dialogs.messages[0].text, QString::fromUtf8(c.message));
        EXPECT_EQ(dialogs.messages[0].title, QStringLiteral("警告"));
        EXPECT_EQ(countColor.intColorMax, 0);
        EXPECT_EQ(text(countColor, "lblColors"), QStringLiteral("0色"));
        expectEmptySlots(0);
        EXPECT_EQ(model.lngColorRGB(1), 0);
        EXPECT_EQ(model.intPixelColor(120, 1), 0);
        EXPECT_EQ(QApplication::overrideCursor(), nullptr);
        countColor.close();
    }
}

TEST_F(ColorWindowTest, RefusesAPictureThatEndsEarly)
{
    openColorWindow(TestPicture::withColors(5));
    countColor.close();
    QFile file(folder.filePath("cut.bmp"));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(TestPicture::withColors(5).toBmp().left(57000));
    file.close();
    model.strFileName = file.fileName();
    countColor.showForm();
    ASSERT_EQ(dialogs.messages.size(), 1);
    EXPECT_EQ(dialogs.messages[0].title, QStringLiteral("Tessamap"));
    EXPECT_EQ(dialogs.messages[0].icon, Dialogs::Icon::Exclamation);
    EXPECT_TRUE(dialogs.messages[0].text.startsWith(QStringLiteral("画像データが不完全です")));
    EXPECT_TRUE(dialogs.messages[0].text.contains(file.fileName()));
    EXPECT_EQ(countColor.intColorMax, 0);
    expectEmptySlots(0);
    EXPECT_EQ(model.lngColorCount(1), 0);
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
}

TEST_F(ColorWindowTest, ListsThePieceCountsAndNeverAccumulates)
{
    openColorWindow(TestPicture(0xFFFFFF));
    button(countColor, "cmdDispCount")->click();
    button(countColor, "cmdDispCount")->click();
    ASSERT_EQ(dialogs.messages.size(), 2);
    for (const auto &message : dialogs.messages) {
        EXPECT_EQ(message.text, QStringLiteral("色1:　19200 枚\r\n"));
        EXPECT_EQ(message.title, QStringLiteral("色ピースの必要枚数"));
        EXPECT_EQ(message.icon, Dialogs::Icon::Information);
    }
}

TEST_F(ColorWindowTest, TheBlockTestRefusesAnUnnumberedPixelInTheTopLeftBlock)
{
    TestPicture picture = TestPicture::withColors(32);
    picture.set(5, 5, 0xABCDEF); // a 33rd colour inside rows 1..10, columns 1..10
    openMatrixWindow(picture);
    ASSERT_EQ(dialogs.messages.size(), 1);
    EXPECT_EQ(dialogs.messages[0].text, QStringLiteral("32色を越えているため処理できません。"));
    EXPECT_EQ(countColor.pb_Over32, -1);
    EXPECT_FALSE(matrix.isLoaded());

    countColor.close();
    dialogs.messages.clear();
    picture.set(5, 5, 0);
    picture.set(50, 50, 0xABCDEF); // outside the block: the matrix opens
    openMatrixWindow(picture);
    EXPECT_TRUE(dialogs.messages.isEmpty());
    EXPECT_EQ(countColor.pb_Over32, 0);
    EXPECT_TRUE(matrix.isVisible());
}

TEST_F(ColorWindowTest, WritesTheCsvFilesAfterConfirmation)
{
    openColorWindow(TestPicture(0xFFFFFF));
    dialogs.answers = {Dialogs::Answer::Cancel};
    button(countColor, "cmdFileOutput")->click();
    ASSERT_EQ(dialogs.messages.size(), 1);
    EXPECT_EQ(dialogs.messages[0].text,
        QStringLiteral("CSVﾌｧｲﾙへの書き出しを実行します。\rよろしいですか？"));
    EXPECT_EQ(dialogs.messages[0].title, QStringLiteral("CSVﾌｧｲﾙへの書き出し"));
    EXPECT_EQ(dialogs.messages[0].buttons, Dialogs::Buttons::OkCancel);
    EXPECT_TRUE(QDir::current().entryList({"*.csv"}).isEmpty());

    button(countColor, "cmdFileOutput")->click();
    ASSERT_EQ(dialogs.messages.size(), 3);
    EXPECT_EQ(dialogs.messages[2].text, QStringLiteral("CSVﾌｧｲﾙへ書き出しました。"));
    EXPECT_EQ(dialogs.messages[2].title, QStringLiteral("完了"));
    QFile colorData(QDir::current().filePath("ColorData.csv"));
    ASSERT_TRUE(colorData.open(QIODevice::ReadOnly));
    EXPECT_EQ(colorData.readAll(), QByteArray("1,16777215\r\n"));
}

TEST_F(ColorWindowTest, ReportsAFailedCsvFileKeepsEarlierFilesAndRestoresThePointer)
{
    openColorWindow(TestPicture(0xFFFFFF));
    const QDir here = QDir::current();
    QFile earlier(here.filePath("ColorCount.csv"));
    ASSERT_TRUE(earlier.open(QIODevice::WriteOnly));
    earlier.write("earlier\r\n");
    earlier.close();
    here.mkdir("ColorData.csv"); // a directory holds the name

    button(countColor, "cmdFileOutput")->click();
    ASSERT_EQ(dialogs.messages.size(), 2);
    EXPECT_EQ(dialogs.messages[1].title, QStringLiteral("Tessamap"));
    EXPECT_EQ(dialogs.messages[1].icon, Dialogs::Icon::Exclamation);
    EXPECT_TRUE(dialogs.messages[1].text.contains(QStringLiteral("ColorData.csv")));
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
    EXPECT_EQ(QFileInfo(here.filePath("PixelColorNumber.csv")).size(), 38520);
    ASSERT_TRUE(earlier.open(QIODevice::ReadOnly));
    EXPECT_EQ(earlier.readAll(), QByteArray("earlier\r\n"));
}
