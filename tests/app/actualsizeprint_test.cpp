#include "actualsizeprint.h"
#include "chart.h"
#include "pdfsurface.h"
#include "scripteddialogs.h"
#include "testpicture.h"

#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

class ActualSizePrintTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(folder.isValid());
        for (int row = 1; row <= chart::Chart::Rows; ++row) {
            for (int column = 1; column <= chart::Chart::Columns; ++column)
                chart.cells(row, column) = int16_t(1 + (row + column) % 3);
        }
        chart.colors = {{0xFF0000, 6400, {}, {}, {}}, {0x00FF00, 6400, {}, {}, {}},
            {0x0000FF, 6400, {}, {}, {}}};
        pdf = folder.filePath("絵柄-5mm.pdf");
    }
    bool print() { return printChartAtActualSize(dialogs, surface, chart, options, pdf); }

    QTemporaryDir folder;
    chart::Chart chart;
    actualsize::Options options;
    QString pdf;
    ScriptedDialogs dialogs;
    PdfSurface surface;
};

TEST_F(ActualSizePrintTest, AsksWithThePageCountThenPrintsAsMany)
{
    dialogs.answers = {Dialogs::Answer::Yes};
    ASSERT_TRUE(print());
    ASSERT_GE(dialogs.messages.size(), 1);
    EXPECT_EQ(dialogs.messages[0].text,
        QStringLiteral("印刷を実行しますか？（用紙：A4 横、全 13 ページ）"));
    EXPECT_EQ(dialogs.messages[0].buttons, Dialogs::Buttons::YesNo);
    EXPECT_EQ(dialogs.printerDialogs, 1);
    QProcess info;
    info.start("pdfinfo", {pdf});
    info.waitForFinished();
    const QString text = QString::fromUtf8(info.readAllStandardOutput());
    EXPECT_TRUE(text.contains(QRegularExpression("Pages:\\s+13\\n"))) << text.toStdString();
}

TEST_F(ActualSizePrintTest, NoOrACancelledPrinterDialogWritesNothing)
{
    dialogs.answers = {Dialogs::Answer::No};
    EXPECT_FALSE(print());
    EXPECT_EQ(dialogs.printerDialogs, 0);
    dialogs.messages.clear();
    dialogs.answers = {Dialogs::Answer::Yes};
    dialogs.printerChoices = {false};
    EXPECT_FALSE(print());
    ASSERT_EQ(dialogs.messages.size(), 2);
    EXPECT_EQ(dialogs.messages[1].icon, Dialogs::Icon::Exclamation);
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files), QStringList());
}

} // namespace
