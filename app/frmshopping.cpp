#include "frmshopping.h"

#include "chartcounts.h"
#include "chartfile.h"
#include "dialogs.h"
#include "failuremessage.h"
#include "formcontrols.h"
#include "outputplace.h"
#include "pagesetup.h"
#include "printsurface.h"
#include "shoppingcsv.h"
#include "shoppingpage.h"
#include "shoppingtext.h"

#include <QFileInfo>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QTableWidget>

namespace {

enum Column { Swatch, Number, Code, Name, Pieces, WithSpares, Bags, ColumnCount };

QTableWidgetItem *cell(const QString &text, Qt::Alignment alignment = Qt::AlignLeft)
{
    auto *item = new QTableWidgetItem(text);
    item->setTextAlignment(alignment | Qt::AlignVCenter);
    item->setFlags(Qt::ItemIsEnabled);
    return item;
}

void setNumbers(QTableWidget *table, int row, const shopping::Line &line)
{
    table->setItem(row, Pieces, cell(QString::number(line.pieces), Qt::AlignRight));
    table->setItem(row, WithSpares, cell(QString::number(line.withSpares), Qt::AlignRight));
    table->setItem(row, Bags, cell(QString::number(line.bags), Qt::AlignRight));
}

} // namespace

frmShopping::frmShopping(Dialogs &dialogs, PrintSurface &printer)
    : FormWindow(QStringLiteral("買い物リスト"), QSize(600, 520))
    , m_dialogs(dialogs)
    , m_printer(printer)
{
    setObjectName(QStringLiteral("frmShopping"));
}

void frmShopping::createControls(QWidget *form)
{
    addLabel(form, QStringLiteral("lblSpare"), QStringLiteral("予備"), {12, 16, 36, 20});
    spnSpare = addControl<QSpinBox>(form, QStringLiteral("spnSpare"), {48, 12, 80, 24});
    spnSpare->setMaximum(shopping::MaxSparePercent);
    spnSpare->setSuffix(QStringLiteral(" %"));
    addLabel(form, QStringLiteral("lblBag"), QStringLiteral("1袋の枚数"), {148, 16, 72, 20});
    spnBag = addControl<QSpinBox>(form, QStringLiteral("spnBag"), {220, 12, 96, 24});
    spnBag->setRange(1, shopping::MaxBagSize);
    optAll = addControl<QRadioButton>(form, QStringLiteral("optAll"), {340, 12, 80, 24});
    optAll->setText(shopping::scopeText(shopping::Scope::All));
    optRemaining
        = addControl<QRadioButton>(form, QStringLiteral("optRemaining"), {424, 12, 164, 24});
    optRemaining->setText(shopping::scopeText(shopping::Scope::Remaining));

    grdList = addControl<QTableWidget>(form, QStringLiteral("grdList"), {12, 48, 576, 420});
    grdList->setColumnCount(ColumnCount);
    grdList->setHorizontalHeaderLabels(
        {QString(), QStringLiteral("色番号"), QStringLiteral("コード"), QStringLiteral("名前"),
            QStringLiteral("枚数"), QStringLiteral("予備込み"), QStringLiteral("袋")});
    grdList->verticalHeader()->hide();
    grdList->setSelectionMode(QAbstractItemView::NoSelection);
    for (const auto &[column, width] : {std::pair {Swatch, 28}, {Number, 56}, {Code, 72},
             {Name, 180}, {Pieces, 70}, {WithSpares, 80}, {Bags, 52}})
        grdList->setColumnWidth(column, width);
    grdList->horizontalHeader()->setSectionResizeMode(Name, QHeaderView::Stretch);

    cmdPrint
        = addButton(form, QStringLiteral("cmdPrint"), QStringLiteral("印刷…"), {12, 480, 120, 28});
    cmdSaveCsv = addButton(
        form, QStringLiteral("cmdSaveCsv"), QStringLiteral("CSVで保存…"), {140, 480, 120, 28});
    cmdClose = addButton(
        form, QStringLiteral("cmdClose"), QStringLiteral("閉じる"), {468, 480, 120, 28});

    connect(cmdPrint, &QPushButton::clicked, this, &frmShopping::cmdPrint_Click);
    connect(cmdSaveCsv, &QPushButton::clicked, this, &frmShopping::cmdSaveCsv_Click);
    connect(cmdClose, &QPushButton::clicked, this, &frmShopping::cmdClose_Click);
}

void frmShopping::Form_Load()
{
    spnSpare->setValue(m_options.sparePercent);
    spnBag->setValue(m_options.bagSize);
    // Connected once the controls show the options, which they would overwrite before.
    connect(spnSpare, &QSpinBox::valueChanged, this, &frmShopping::options_Change);
    connect(spnBag, &QSpinBox::valueChanged, this, &frmShopping::options_Change);
    connect(optAll, &QRadioButton::toggled, this, &frmShopping::options_Change);
    showList();
}

QWidget *frmShopping::firstFocus() const
{
    return cmdClose;
}

void frmShopping::setChart(const chart::Chart &chart, const QString &picturePath)
{
    m_chart = chart;
    m_picturePath = picturePath;
    if (isLoaded())
        showList();
}

void frmShopping::options_Change()
{
    m_options.sparePercent = spnSpare->value();
    m_options.bagSize = spnBag->value();
    m_options.scope = optAll->isChecked() ? shopping::Scope::All : shopping::Scope::Remaining;
    showList();
}

void frmShopping::showList()
{
    // Nothing done: both would be the same list.
    if (chart::doneBlockCount(m_chart) == 0)
        m_options.scope = shopping::Scope::All;
    optRemaining->setEnabled(chart::doneBlockCount(m_chart) > 0);
    {
        const QSignalBlocker blocker(optAll);
        optAll->setChecked(m_options.scope == shopping::Scope::All);
        optRemaining->setChecked(m_options.scope == shopping::Scope::Remaining);
    }

    m_list = shopping::makeList(m_chart, m_options);
    const auto rows = int(m_list.lines.size());
    grdList->setRowCount(rows + 1);
    for (int row = 0; row < rows; ++row) {
        const shopping::Line &line = m_list.lines[row];
        QTableWidgetItem *swatch = cell(QString());
        swatch->setBackground(toQColor(chart::colorValueOfRgb(line.rgb)));
        grdList->setItem(row, Swatch, swatch);
        grdList->setItem(row, Number, cell(QString::number(line.number), Qt::AlignRight));
        grdList->setItem(row, Code, cell(line.code));
        grdList->setItem(row, Name, cell(line.name));
        setNumbers(grdList, row, line);
    }
    grdList->setItem(rows, Swatch, cell(QString()));
    grdList->setItem(rows, Number, cell(QStringLiteral("合計"), Qt::AlignRight));
    grdList->setItem(rows, Code, cell(QString()));
    grdList->setItem(rows, Name, cell(QStringLiteral("%1 色").arg(rows)));
    setNumbers(grdList, rows, m_list.total);
    for (int column = 0; column < ColumnCount; ++column) {
        QFont bold = grdList->item(rows, column)->font();
        bold.setBold(true);
        grdList->item(rows, column)->setFont(bold);
    }
}

void frmShopping::cmdPrint_Click()
{
    try {
        setUpPaper(m_printer, PrintSurface::ColorModeColor,
            shopping::pathBesidePicture(m_picturePath, QStringLiteral("pdf")));
        if (!m_dialogs.showPrinter())
            throw PrintError("キャンセルが選択されました。");
        printShoppingList(m_printer, m_list, m_picturePath);
        reportSavedPdf(m_dialogs, m_printer);
    } catch (const std::exception &error) {
        showFailure(m_dialogs, error);
    }
}

void frmShopping::cmdSaveCsv_Click()
{
    const auto chosen = m_dialogs.chooseSaveFile(
        shopping::pathBesidePicture(m_picturePath, QStringLiteral("csv")),
        QStringLiteral("CSVファイル(*.csv)"), QStringLiteral("csv"));
    if (!chosen)
        return;
    const bool existed = QFileInfo::exists(*chosen);
    const auto failure = shopping::writeCsv(
        m_list, *chosen, {m_picturePath, chart::chartPathOfPicture(m_picturePath)});
    if (failure) {
        QString text = writeFailureText(*failure, *chosen);
        if (existed && *failure != WriteFailure::ReplacesInput)
            text += QStringLiteral("\r\n前からあるファイルはそのまま残っています。");
        showFailure(m_dialogs, outputFailureText(text, QFileInfo(*chosen).absolutePath()));
        return;
    }
    reportSaved(m_dialogs, *chosen);
}

void frmShopping::cmdClose_Click()
{
    unloadForm();
}
