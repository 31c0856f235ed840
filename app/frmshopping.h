// The window 「買い物リスト」: the pieces to buy for a chart, per colour with
// spares and in bags, for the whole picture or what is still to lay; printed
// on A4 (a PDF beside the picture where there is no printer) or saved as CSV.
// The list itself is shopping::makeList's; the options chosen stay for the run.
#pragma once

#include "chart.h"
#include "formwindow.h"
#include "shoppinglist.h"

class Dialogs;
class PrintSurface;
class QPushButton;
class QRadioButton;
class QSpinBox;
class QTableWidget;

class frmShopping : public FormWindow
{
    Q_OBJECT
public:
    frmShopping(Dialogs &dialogs, PrintSurface &printer);

    // The chart the list is of, and its picture, beside which the list is kept.
    // A chart with no block done offers only 「すべて」.
    void setChart(const chart::Chart &chart, const QString &picturePath);
    // The list as the window shows it.
    const shopping::List &list() const { return m_list; }

protected:
    void createControls(QWidget *form) override;
    void Form_Load() override;
    QWidget *firstFocus() const override;

private slots:
    void options_Change();
    void cmdPrint_Click();
    void cmdSaveCsv_Click();
    void cmdClose_Click();

private:
    void showList();

    Dialogs &m_dialogs;
    PrintSurface &m_printer;
    chart::Chart m_chart;
    QString m_picturePath;
    shopping::Options m_options;
    shopping::List m_list;

    QSpinBox *spnSpare = nullptr;
    QSpinBox *spnBag = nullptr;
    QRadioButton *optAll = nullptr;
    QRadioButton *optRemaining = nullptr;
    QTableWidget *grdList = nullptr;
    QPushButton *cmdPrint = nullptr;
    QPushButton *cmdSaveCsv = nullptr;
    QPushButton *cmdClose = nullptr;
};
