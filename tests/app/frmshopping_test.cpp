#include "frmshopping.h"
#include "recordingsurface.h"
#include "scripteddialogs.h"
#include "shoppingcsv.h"
#include "testfiles.h"

#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTableWidget>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

// Colour 1 everywhere but block A1, which is colour 2 and done.
chart::Chart chartWithA1Done()
{
    chart::Chart chart;
    chart.colors = {{0xFF0000, 19100, QStringLiteral("赤, 濃い"), QStringLiteral("P05"), {}},
        {0x00FF00, 100, QStringLiteral("緑"), {}, {}}};
    for (int row = 1; row <= chart::Chart::Rows; ++row) {
        for (int column = 1; column <= chart::Chart::Columns; ++column)
            chart.cells(row, column) = row <= 10 && column <= 10 ? 2 : 1;
    }
    chart.done.set(0);
    return chart;
}

class ShoppingWindowTest : public ::testing::Test
{
protected:
    ShoppingWindowTest()
        : picture(folder.filePath(QStringLiteral("花.bmp")))
    {
        writeAll(picture, "BM");
        window.setChart(chartWithA1Done(), picture);
        window.showForm();
    }
    ~ShoppingWindowTest() override { window.close(); }

    template<typename T> T *control(const QString &name)
    {
        T *found = window.findChild<T *>(name);
        EXPECT_NE(found, nullptr) << name.toStdString();
        return found;
    }
    QString cellText(int row, int column)
    {
        const QTableWidgetItem *item = control<QTableWidget>("grdList")->item(row, column);
        return item ? item->text() : QString();
    }

    QTemporaryDir folder;
    QString picture;
    ScriptedDialogs dialogs;
    RecordingSurface printer;
    frmShopping window {dialogs, printer};
};

} // namespace

TEST_F(ShoppingWindowTest, TheListFollowsTheScopeAndTheOptions)
{
    auto *table = control<QTableWidget>("grdList");
    ASSERT_EQ(table->rowCount(), 3);
    EXPECT_EQ(cellText(0, 3), QStringLiteral("赤, 濃い"));
    EXPECT_EQ(cellText(2, 1), QStringLiteral("合計"));
    EXPECT_EQ(cellText(2, 4), QStringLiteral("19200"));
    EXPECT_EQ(cellText(2, 5), QStringLiteral("21120")); // 21010 + 110

    control<QRadioButton>("optRemaining")->click();
    ASSERT_EQ(table->rowCount(), 2);
    EXPECT_EQ(window.list().options.scope, shopping::Scope::Remaining);
    EXPECT_EQ(cellText(1, 4), QStringLiteral("19100"));
    control<QSpinBox>("spnSpare")->setValue(0);
    control<QSpinBox>("spnBag")->setValue(100);
    EXPECT_EQ(cellText(1, 5), QStringLiteral("19100"));
    EXPECT_EQ(cellText(1, 6), QStringLiteral("191"));

    // The options stay when the window opens again; a chart with nothing done offers all only.
    window.close();
    window.setChart(chart::Chart {}, picture);
    window.showForm();
    EXPECT_EQ(control<QSpinBox>("spnBag")->value(), 100);
    EXPECT_FALSE(control<QRadioButton>("optRemaining")->isEnabled());
    EXPECT_TRUE(control<QRadioButton>("optAll")->isChecked());
    EXPECT_EQ(control<QTableWidget>("grdList")->rowCount(), 1);
}

TEST_F(ShoppingWindowTest, TheCsvIsSavedBesideThePictureAndAFailedSaveKeepsTheFile)
{
    control<QRadioButton>("optRemaining")->click();
    const QString csv = folder.filePath(QStringLiteral("花-shopping.csv"));
    dialogs.saveChoices.push_back(csv);
    control<QPushButton>("cmdSaveCsv")->click();
    EXPECT_EQ(dialogs.lastProposedPath, csv);
    EXPECT_EQ(readAll(csv), shopping::csvBytes(window.list()));
    EXPECT_TRUE(readAll(csv).contains("\"赤, 濃い\""));
    ASSERT_EQ(dialogs.messages.size(), 1);
    EXPECT_EQ(dialogs.messages[0].title, QStringLiteral("完了"));

    dialogs.saveChoices.push_back(picture);
    control<QPushButton>("cmdSaveCsv")->click();
    ASSERT_EQ(dialogs.messages.size(), 2);
    EXPECT_TRUE(dialogs.messages[1].text.contains(QStringLiteral("読み込んだファイルと同じ")));
    EXPECT_EQ(readAll(picture), QByteArray("BM"));
}

TEST_F(ShoppingWindowTest, PrintingWithoutAPrinterSavesAPdfBesideThePicture)
{
    printer.savesPdf = true;
    control<QPushButton>("cmdPrint")->click();
    EXPECT_EQ(dialogs.printerDialogs, 1);
    EXPECT_EQ(printer.documentPath, folder.filePath(QStringLiteral("花-shopping.pdf")));
    EXPECT_EQ(printer.endedDocuments, QList<int> {1});
    ASSERT_EQ(dialogs.messages.size(), 1);
    EXPECT_TRUE(
        dialogs.messages[0].text.startsWith(QStringLiteral("「花-shopping.pdf」に保存しました。")));
}
