#include "blockpages.h"
#include "buildprints.h"
#include "chart.h"
#include "recordingsurface.h"
#include "scripteddialogs.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

class BuildPrintsTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        chart.cells.data()[0] = 1;
        chart.colors = {{0x20A040, 1, QStringLiteral("若草"), QStringLiteral("P10"), {}}};
        ASSERT_TRUE(folder.isValid());
        chart.picturePath = folder.filePath(QStringLiteral("fruits.bmp"));
        QFile picture(chart.picturePath);
        ASSERT_TRUE(picture.open(QIODevice::WriteOnly));
        pdf = folder.filePath(QStringLiteral("ColorMatrixBlocks.pdf"));
        printer.savesPdf = true;
    }
    bool printBlocks(const QList<chart::BlockPlace> &blocks)
    {
        return printBlocksOfChart(dialogs, printer, chart, blocks, pdf);
    }

    QTemporaryDir folder;
    chart::Chart chart;
    ScriptedDialogs dialogs;
    RecordingSurface printer;
    QString pdf;
};

TEST_F(BuildPrintsTest, PrintsInColourAfterThePrinterDialogAndSaysWhereThePdfWent)
{
    ASSERT_TRUE(printBlocks({{1, 0}, {0, 0}}));
    EXPECT_EQ(dialogs.printerDialogs, 1);
    EXPECT_EQ(printer.documentPath, pdf);
    EXPECT_EQ(printer.paperSize, PrintSurface::PaperA4);
    EXPECT_EQ(printer.colorMode, PrintSurface::ColorModeColor);
    EXPECT_EQ(printer.endedDocuments, QList<int> {2});
    ASSERT_EQ(dialogs.messages.size(), 1);
    EXPECT_TRUE(dialogs.messages[0].text.startsWith(
        QStringLiteral("「ColorMatrixBlocks.pdf」に保存しました。")));

    printer.texts.clear();
    ASSERT_TRUE(printOverviewOfChart(dialogs, printer, chart, pdf));
    EXPECT_EQ(printer.texts.first().text, QStringLiteral("色番号Matrix :  ") + chart.picturePath);
}

TEST_F(BuildPrintsTest, ACancelNoBlockOrAPdfNamedAsThePictureFailsWithAMessageAndPrintsNothing)
{
    dialogs.printerChoices = {false};
    EXPECT_FALSE(printBlocks({{0, 0}}));
    EXPECT_FALSE(printBlocks({}));
    EXPECT_EQ(dialogs.printerDialogs, 1);
    EXPECT_FALSE(printBlocksOfChart(dialogs, printer, chart, {{0, 0}}, chart.picturePath));
    EXPECT_EQ(dialogs.printerDialogs, 1);
    ASSERT_EQ(dialogs.messages.size(), 3);
    EXPECT_EQ(dialogs.messages[0].text, QStringLiteral("キャンセルが選択されました。"));
    EXPECT_EQ(dialogs.messages[1].text, QString::fromUtf8(NoBlockText));
    EXPECT_TRUE(dialogs.messages[2].text.contains(QStringLiteral("読み込んだファイルと同じ")));
    for (const ScriptedDialogs::Message &message : dialogs.messages)
        EXPECT_EQ(message.icon, Dialogs::Icon::Exclamation);
    EXPECT_TRUE(printer.endedDocuments.isEmpty());
    EXPECT_TRUE(printer.texts.isEmpty());
}

} // namespace
