// The 「制作」 window's controls as they are before its load handler runs.
#include "actualsizeplan.h"
#include "blockcellsview.h"
#include "blockmapview.h"
#include "formcontrols.h"
#include "frmbuild.h"

#include <QComboBox>
#include <QDoubleSpinBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShortcut>
#include <QSpinBox>
#include <QTableWidget>

namespace {

QLabel *addCentredLabel(QWidget *form, const QString &name, const QRect &rect, Qt::Alignment align)
{
    QLabel *label = addLabel(form, name, QString(), rect);
    label->setAlignment(align | Qt::AlignVCenter);
    return label;
}

} // namespace

void frmBuild::createControls(QWidget *form)
{
    picMap = new BlockMapView(form);
    picMap->setObjectName(QStringLiteral("picMap"));
    picMap->move(12, 12);
    connect(picMap, &BlockMapView::blockClicked, this, &frmBuild::picMap_BlockClicked);

    picBlock = new BlockCellsView(form);
    picBlock->setObjectName(QStringLiteral("picBlock"));
    picBlock->move(560, 36);
    lblUp = addCentredLabel(form, QStringLiteral("lblUp"), {560, 12, 341, 22}, Qt::AlignHCenter);
    lblDown
        = addCentredLabel(form, QStringLiteral("lblDown"), {560, 380, 341, 22}, Qt::AlignHCenter);
    lblLeft = addCentredLabel(form, QStringLiteral("lblLeft"), {498, 196, 58, 22}, Qt::AlignRight);
    lblRight = addCentredLabel(form, QStringLiteral("lblRight"), {906, 196, 84, 22}, Qt::AlignLeft);
    lblBlock = addCentredLabel(form, QStringLiteral("lblBlock"), {906, 36, 84, 40}, Qt::AlignLeft);
    lblBlock->setFont(formFont(18, true));
    cmdDone = addButton(form, QStringLiteral("cmdDone"), QString(), {906, 340, 84, 36});
    connect(cmdDone, &QPushButton::clicked, this, &frmBuild::cmdDone_Click);

    lblProgress = addLabel(form, QStringLiteral("lblProgress"), QString(), {12, 380, 480, 22});
    lblProgress->setFont(formFont(12, true));
    lblRemaining = addLabel(form, QStringLiteral("lblRemaining"), QString(), {12, 404, 540, 20});
    lblChosen = addLabel(form, QStringLiteral("lblChosen"), QString(), {12, 426, 540, 20});

    grdColors = addControl<QTableWidget>(form, QStringLiteral("grdColors"), {12, 450, 560, 238});
    grdColors->setColumnCount(7);
    grdColors->setHorizontalHeaderLabels({QStringLiteral("番号"), QStringLiteral("色"),
        QStringLiteral("名前"), QStringLiteral("コード"), QStringLiteral("全体"),
        QStringLiteral("残り"), QStringLiteral("このブロック")});
    grdColors->verticalHeader()->hide();
    grdColors->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grdColors->setSelectionBehavior(QAbstractItemView::SelectRows);
    grdColors->setSelectionMode(QAbstractItemView::SingleSelection);
    // The keys belong to the window: arrows move blocks, Tab steps colours.
    grdColors->setFocusPolicy(Qt::NoFocus);
    const int widths[] = {40, 44, 150, 70, 70, 70, 90};
    for (int column = 0; column < 7; ++column)
        grdColors->setColumnWidth(column, widths[column]);
    connect(grdColors, &QTableWidget::cellClicked, this, &frmBuild::grdColors_CellClicked);

    addLabel(form, QStringLiteral("lblBuilderCaption"), QStringLiteral("担当:"),
        {584, 416, 40, 20});
    txtBuilder = addControl<QLineEdit>(form, QStringLiteral("txtBuilder"), {624, 412, 160, 26});
    cmdBuilder = addButton(
        form, QStringLiteral("cmdBuilder"), QStringLiteral("担当を設定"), {788, 412, 200, 26});
    connect(cmdBuilder, &QPushButton::clicked, this, &frmBuild::cmdBuilder_Click);
    addLabel(form, QStringLiteral("lblBuildersCaption"), QStringLiteral("担当者で表示:"),
        {584, 448, 90, 20});
    cboBuilders = addControl<QComboBox>(form, QStringLiteral("cboBuilders"), {676, 444, 312, 26});
    connect(cboBuilders, &QComboBox::currentIndexChanged, this, &frmBuild::cboBuilders_Changed);

    cmdPrintOverview = addButton(form, QStringLiteral("cmdPrintOverview"),
        QStringLiteral("全体図を印刷…"), {584, 482, 200, 30});
    connect(cmdPrintOverview, &QPushButton::clicked, this, &frmBuild::cmdPrintOverview_Click);
    cmdPrintBlocks = addButton(form, QStringLiteral("cmdPrintBlocks"),
        QStringLiteral("選んだブロックを印刷…"), {788, 482, 200, 30});
    connect(cmdPrintBlocks, &QPushButton::clicked, this, &frmBuild::cmdPrintBlocks_Click);
    cmdShopping = addButton(form, QStringLiteral("cmdShopping"), QStringLiteral("買い物リスト…"),
        {584, 518, 200, 30});
    connect(cmdShopping, &QPushButton::clicked, this, &frmBuild::cmdShopping_Click);
    cmdWorkbook = addButton(form, QStringLiteral("cmdWorkbook"),
        QStringLiteral("Excel 形式で書き出す…"), {788, 518, 200, 30});
    connect(cmdWorkbook, &QPushButton::clicked, this, &frmBuild::cmdWorkbook_Click);

    addLabel(form, QStringLiteral("lblPieceSizeCaption"), QStringLiteral("ピース"),
        {584, 562, 40, 20});
    spnPieceSize
        = addControl<QDoubleSpinBox>(form, QStringLiteral("spnPieceSize"), {624, 558, 76, 26});
    spnPieceSize->setRange(actualsize::MinPieceSize, actualsize::MaxPieceSize);
    spnPieceSize->setDecimals(1);
    spnPieceSize->setSingleStep(0.1);
    spnPieceSize->setSuffix(QStringLiteral(" mm"));
    addLabel(form, QStringLiteral("lblPaperCaption"), QStringLiteral("用紙"), {712, 562, 30, 20});
    cboPaper = addControl<QComboBox>(form, QStringLiteral("cboPaper"), {742, 558, 60, 26});
    cboPaper->addItems({QStringLiteral("A4"), QStringLiteral("A3")});
    addLabel(form, QStringLiteral("lblBoardCaption"), QStringLiteral("ボード"), {814, 562, 40, 20});
    spnBoard = addControl<QSpinBox>(form, QStringLiteral("spnBoard"), {856, 558, 132, 26});
    // 1 stands for none: a board of one cell marks nothing.
    spnBoard->setRange(actualsize::MinBoard - 1, actualsize::MaxBoard);
    spnBoard->setSpecialValueText(QStringLiteral("なし"));
    spnBoard->setSuffix(QStringLiteral(" ピース角"));
    cmdActualSize = addButton(
        form, QStringLiteral("cmdActualSize"), QStringLiteral("実寸で印刷…"), {584, 590, 200, 30});
    connect(cmdActualSize, &QPushButton::clicked, this, &frmBuild::cmdActualSize_Click);
    cmdCheckPhoto = addButton(form, QStringLiteral("cmdCheckPhoto"),
        QStringLiteral("写真で確かめる…"), {788, 590, 200, 30});
    connect(cmdCheckPhoto, &QPushButton::clicked, this, &frmBuild::cmdCheckPhoto_Click);

    cmdClose = addButton(
        form, QStringLiteral("cmdClose"), QStringLiteral("閉じる"), {868, 652, 120, 32});
    connect(cmdClose, &QPushButton::clicked, this, &frmBuild::cmdClose_Click);

    // Shortcuts, so that a focused button does not take the keys for itself;
    // the builder's name field keeps the keys it edits with.
    const std::pair<QKeySequence, std::function<void()>> keys[] = {
        {Qt::Key_Left, [this] { moveBy(-1, 0); }},
        {Qt::Key_Right, [this] { moveBy(1, 0); }},
        {Qt::Key_Up, [this] { moveBy(0, -1); }},
        {Qt::Key_Down, [this] { moveBy(0, 1); }},
        {Qt::Key_Space, [this] { toggleDone(); }},
        {Qt::Key_Home, [this] { moveToFirstNotDone(); }},
        {Qt::Key_Tab, [this] { stepHighlight(1); }},
        {Qt::Key_Backtab, [this] { stepHighlight(-1); }},
        {Qt::Key_Escape, [this] { clearHighlight(); }},
    };
    for (const auto &[key, handler] : keys)
        connect(new QShortcut(key, form), &QShortcut::activated, this, handler);
}
