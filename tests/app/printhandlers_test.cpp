#include "windowfixture.h"

namespace {

class PrintHandlerTest : public WindowFixture
{
protected:
    void answer(Dialogs::Answer first) { dialogs.answers = {first}; }
    bool anythingDrawn() const { return !printer.texts.isEmpty() || !printer.boxes.isEmpty(); }
};

} // namespace

TEST_F(PrintHandlerTest, TheSampleSheetAsksFirstAndNoPrintsNothing)
{
    openColorWindow(TestPicture::withColors(5));
    answer(Dialogs::Answer::No);
    button(countColor, "cmdPrintColorInfo")->click();
    ASSERT_EQ(dialogs.messages.size(), 1);
    EXPECT_EQ(dialogs.messages[0].text, QStringLiteral("印刷を実行しますか？（用紙：A4 縦）"));
    EXPECT_EQ(dialogs.messages[0].title, QStringLiteral("色見本の印刷"));
    EXPECT_EQ(dialogs.messages[0].buttons, Dialogs::Buttons::YesNo);
    EXPECT_EQ(dialogs.printerDialogs, 0);
    EXPECT_EQ(printer.paperSize, 0);
    EXPECT_FALSE(anythingDrawn());
}

TEST_F(PrintHandlerTest, CancellingThePrinterDialogFailsAfterThePaperIsSet)
{
    openColorWindow(TestPicture::withColors(5));
    dialogs.printerChoices = {false};
    button(countColor, "cmdPrintColorInfo")->click();
    ASSERT_EQ(dialogs.messages.size(), 2);
    EXPECT_EQ(dialogs.messages[1].title, QStringLiteral("Tessamap"));
    EXPECT_EQ(dialogs.messages[1].icon, Dialogs::Icon::Exclamation);
    EXPECT_FALSE(dialogs.messages[1].text.isEmpty());
    EXPECT_EQ(printer.paperSize, 9);
    EXPECT_EQ(printer.orientation, 1);
    EXPECT_EQ(printer.colorMode, 2);
    EXPECT_FALSE(anythingDrawn());
}

TEST_F(PrintHandlerTest, TheSampleSheetNamesTheAnalysedPicture)
{
    openColorWindow(TestPicture::withColors(5));
    const QString analysed = model.strFileName;
    model.strFileName = folder.filePath("chosen-later.bmp");
    button(countColor, "cmdPrintColorInfo")->click();
    EXPECT_EQ(dialogs.printerDialogs, 1);
    EXPECT_EQ(printer.documentName, QStringLiteral("ColorSample.pdf"));
    ASSERT_FALSE(printer.texts.isEmpty());
    EXPECT_EQ(printer.texts[0].text, QStringLiteral("色見本 :  ") + analysed);
    EXPECT_EQ(printer.endedDocuments.size(), 1);
}

TEST_F(PrintHandlerTest, TheOnePagePrintFollowsTheArrows)
{
    openMatrixWindow(TestPicture::withColors(32));
    button(matrix, "cmdRight")->click();
    button(matrix, "cmdDown")->click();
    answer(Dialogs::Answer::No);
    button(matrix, "cmdOnePrint")->click();
    EXPECT_FALSE(anythingDrawn());
    EXPECT_EQ(dialogs.messages.back().title, QStringLiteral("１ページ分の印刷"));

    button(matrix, "cmdOnePrint")->click();
    EXPECT_EQ(printer.colorMode, 1);
    EXPECT_EQ(printer.documentName, QStringLiteral("ColorMatrix_B2.pdf"));
    const auto page = printer.textsOnPage(1);
    ASSERT_GE(page.size(), 2);
    EXPECT_EQ(page[1].text, QStringLiteral("B 2 "));
    EXPECT_EQ(matrix.pb_intX, 1);
    EXPECT_EQ(matrix.pb_intY, 1);
    EXPECT_EQ(dialogs.printerDialogs, 0);
}

TEST_F(PrintHandlerTest, TheFullPrintAsksWithItsOwnTitle)
{
    openMatrixWindow(TestPicture::withColors(32));
    answer(Dialogs::Answer::No);
    button(matrix, "cmdPrintMatrix")->click();
    EXPECT_EQ(dialogs.messages.back().title, QStringLiteral("色番号Matrixの全印刷"));
    EXPECT_FALSE(anythingDrawn());
    button(matrix, "cmdPrintMatrix")->click();
    EXPECT_EQ(printer.documentName, QStringLiteral("ColorMatrixAll.pdf"));
    ASSERT_EQ(printer.endedDocuments.size(), 1);
    EXPECT_EQ(printer.endedDocuments[0], 192);
}
