#include "frmbuild.h"

#include "actualsizeprint.h"
#include "bitmapmessages.h"
#include "blockcellsview.h"
#include "blockmapview.h"
#include "buildprints.h"
#include "chartcounts.h"
#include "checkarea.h"
#include "dialogs.h"
#include "failuremessage.h"
#include "formcontrols.h"
#include "frmcheckphoto.h"
#include "frmshopping.h"
#include "modshared.h"
#include "outputfile.h"
#include "pieceset.h"
#include "overviewsheet.h"
#include "printsurface.h"
#include "waitcursor.h"
#include "workbookwriter.h"

#include <QComboBox>
#include <QDir>
#include <QDoubleSpinBox>
#include <QFileInfo>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QSpinBox>
#include <QTableWidget>
#include <algorithm>
#include <numeric>

namespace {

const QString BlocksDocumentName = QStringLiteral("ColorMatrixBlocks.pdf");
const QString NoBuilder = QStringLiteral("（担当者を選ぶ）");

// 「B 3」, as the matrix window heads a block.
QString spacedLabel(chart::BlockPlace place)
{
    return QStringLiteral("%1 %2").arg(QChar(u'A' + place.x)).arg(place.y + 1);
}

QString countText(int count)
{
    return QLocale(QLocale::Japanese).toString(count);
}

QTableWidgetItem *numberItem(int value)
{
    auto *item = new QTableWidgetItem(countText(value));
    item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
    return item;
}

// The size of the chart's pieces where its colours come from a set, else the
// common fuse bead's 5 mm.
double pieceSizeOf(const chart::Chart &chart)
{
    for (const chart::ChartColor &color : chart.colors) {
        if (const PieceSet *set = findPieceSet(color.set))
            return set->pieceSize;
    }
    return 5;
}

bool hasUnnumberedCell(const chart::Chart &chart)
{
    const int16_t *cells = chart.cells.data();
    return std::find(cells, cells + chart::Chart::Rows * chart::Chart::Columns, 0)
        != cells + chart::Chart::Rows * chart::Chart::Columns;
}

} // namespace

frmBuild::frmBuild(Dialogs &dialogs, PrintSurface &printer)
    : FormWindow(QStringLiteral("制作"), QSize(1000, 700))
    , m_dialogs(dialogs)
    , m_printer(printer)
{
    setObjectName(QStringLiteral("frmBuild"));
}

frmBuild::~frmBuild() = default;

bool frmBuild::openChart(const QString &path)
{
    chart::OpenedChart opened;
    {
        WaitCursor wait;
        modShared model;
        opened = chart::openChart(path, model);
    }
    if (opened.pictureStatus != BitmapStatus::Ok) {
        if (const QString refusal = bitmapRefusalText(opened.pictureStatus); !refusal.isEmpty())
            showWarning(m_dialogs, refusal);
        else
            showFailure(m_dialogs, bitmapFailureText(opened.pictureStatus, opened.picturePath));
        return false;
    }
    if (hasUnnumberedCell(opened.chart)) {
        showWarning(m_dialogs, QStringLiteral("32色を越えているため処理できません。"));
        return false;
    }
    auto session = std::make_unique<chart::BuildSession>(opened);
    if (opened.fileStatus != chart::ChartFileStatus::Ok
        && opened.fileStatus != chart::ChartFileStatus::Missing) {
        const auto answer = m_dialogs.messageBox(
            chart::chartFileProblemText(opened.fileStatus, opened.chartPath)
                + QStringLiteral("\r\n\r\nこのファイルは変更していません。"
                                 "新しく始めますか？（今のファイルは「%1」として残します）")
                      .arg(QFileInfo(chart::backupPathOf(opened.chartPath)).fileName()),
            ApplicationTitle, Dialogs::Icon::Exclamation, Dialogs::Buttons::YesNo);
        if (answer != Dialogs::Answer::Yes)
            return false;
        if (const chart::SaveResult result = session->startAfresh();
            result.status != chart::SaveStatus::Saved) {
            showFailure(m_dialogs, chart::saveFailureText(result));
            return false;
        }
    }
    m_session = std::move(session);
    m_chosen.clear();
    if (isLoaded())
        Form_Load();
    else
        showForm();
    return true;
}

void frmBuild::Form_Load()
{
    if (!m_session)
        return;
    setWindowTitle(QStringLiteral("制作 - %1").arg(QFileInfo(m_session->picturePath()).fileName()));
    picMap->setChart(m_session->chart());
    spnPieceSize->setValue(pieceSizeOf(m_session->chart()));
    spnBoard->setValue(spnBoard->minimum());
    showColors();
    showState();
}

void frmBuild::Form_Unload()
{
    // Their marks and lists belong to this chart.
    if (m_checkPhoto)
        m_checkPhoto->unloadForm();
    if (m_shopping)
        m_shopping->unloadForm();
}

QWidget *frmBuild::firstFocus() const
{
    return cmdDone;
}

void frmBuild::moveBy(int across, int down)
{
    m_session->moveBy(across, down);
    showState();
}

void frmBuild::moveToFirstNotDone()
{
    m_session->moveToFirstNotDone();
    showState();
}

void frmBuild::toggleDone()
{
    reportSave(m_session->toggleCurrentDone());
    showState();
}

void frmBuild::stepHighlight(int step)
{
    m_session->stepHighlight(step);
    showState();
}

void frmBuild::clearHighlight()
{
    m_session->clearHighlight();
    showState();
}

void frmBuild::picMap_BlockClicked(chart::BlockPlace place, bool choose)
{
    if (choose) {
        const int index = place.printIndex();
        if (!m_chosen.remove(index))
            m_chosen.insert(index);
    }
    m_session->moveTo(place);
    showState();
}

void frmBuild::grdColors_CellClicked(int row)
{
    m_session->chooseHighlight(row + 1);
    showState();
}

void frmBuild::cmdDone_Click()
{
    toggleDone();
}

void frmBuild::cmdBuilder_Click()
{
    const QList<chart::BlockPlace> places = m_chosen.isEmpty()
        ? QList<chart::BlockPlace> {m_session->current()}
        : chosenBlocks();
    reportSave(m_session->setBuilder(places, txtBuilder->text()));
    const QString shown = shownBuilder();
    showColors(); // the names in the list may have changed
    if (const int index = cboBuilders->findText(shown); index >= 0)
        cboBuilders->setCurrentIndex(index);
    showState();
}

void frmBuild::cboBuilders_Changed()
{
    if (m_session)
        showState();
}

QString frmBuild::shownBuilder() const
{
    return cboBuilders->currentIndex() > 0 ? cboBuilders->currentText() : QString();
}

QList<chart::BlockPlace> frmBuild::chosenBlocks() const
{
    QList<int> indexes(m_chosen.begin(), m_chosen.end());
    std::sort(indexes.begin(), indexes.end());
    QList<chart::BlockPlace> places;
    for (const int index : indexes)
        places.append(chart::BlockPlace::fromPrintIndex(index));
    return places;
}

QList<chart::BlockPlace> frmBuild::blocksToPrint() const
{
    if (!m_chosen.isEmpty())
        return chosenBlocks();
    if (const QString builder = shownBuilder(); !builder.isEmpty())
        return chart::blocksOfBuilder(m_session->chart(), builder);
    return {m_session->current()};
}

QString frmBuild::besidePicture(const QString &fileName) const
{
    const QString path = QFileInfo(m_session->picturePath()).absoluteDir().absoluteFilePath(fileName);
    if (!replacedInput(path, {m_session->picturePath(), m_session->chartPath()}).isEmpty()) {
        showFailure(m_dialogs, FileWriteError(WriteFailure::ReplacesInput, path));
        return {};
    }
    return path;
}

void frmBuild::cmdPrintOverview_Click()
{
    if (const QString path = besidePicture(QString::fromLatin1(OverviewDocumentName));
        !path.isEmpty())
        printOverviewOfChart(m_dialogs, m_printer, m_session->chart(), path);
}

void frmBuild::cmdPrintBlocks_Click()
{
    if (const QString path = besidePicture(BlocksDocumentName); !path.isEmpty())
        printBlocksOfChart(m_dialogs, m_printer, m_session->chart(), blocksToPrint(), path);
}

void frmBuild::cmdShopping_Click()
{
    if (!m_shopping)
        m_shopping = std::make_unique<frmShopping>(m_dialogs, m_printer);
    m_shopping->setChart(m_session->chart(), m_session->picturePath());
    m_shopping->showForm();
}

void frmBuild::cmdWorkbook_Click()
{
    const QString proposed = QFileInfo(m_session->picturePath())
                                 .absoluteDir()
                                 .absoluteFilePath(workbook::workbookFileName(m_session->picturePath()));
    const auto chosen = m_dialogs.chooseSaveFile(
        proposed, QStringLiteral("Excel ブック(*.xlsx)"), QStringLiteral("xlsx"));
    if (!chosen)
        return;
    workbook::WriteResult result;
    {
        WaitCursor wait;
        result = workbook::writeWorkbook(
            m_session->chart(), *chosen, {m_session->picturePath(), m_session->chartPath()});
    }
    if (!result.ok()) {
        showFailure(m_dialogs, result.message);
        return;
    }
    m_dialogs.messageBox(QStringLiteral("「%1」に書き出しました。\r\n").arg(QFileInfo(*chosen).fileName())
            + QDir::toNativeSeparators(*chosen),
        QStringLiteral("完了"), Dialogs::Icon::Information, Dialogs::Buttons::Ok);
}

void frmBuild::cmdActualSize_Click()
{
    actualsize::Options options;
    options.pieceSize = spnPieceSize->value();
    options.paper = cboPaper->currentIndex() == 1 ? actualsize::Paper::A3 : actualsize::Paper::A4;
    options.board = spnBoard->value() >= actualsize::MinBoard ? spnBoard->value() : 0;
    options.title = QFileInfo(m_session->picturePath()).fileName();
    const QString name = actualsize::documentName(
        QFileInfo(m_session->picturePath()).completeBaseName(), options.pieceSize);
    if (const QString path = besidePicture(name); !path.isEmpty())
        printChartAtActualSize(m_dialogs, m_printer, m_session->chart(), options, path);
}

void frmBuild::cmdCheckPhoto_Click()
{
    if (!m_checkPhoto) {
        m_checkPhoto = std::make_unique<frmCheckPhoto>(m_dialogs);
        connect(m_checkPhoto.get(), &frmCheckPhoto::markBlockDone, this,
            &frmBuild::markDoneAfterCheck);
    }
    const chart::BlockPlace place = m_session->current();
    m_checkPhoto->setArea(m_session->chart(), check::blockArea(place), place);
    m_checkPhoto->showForm();
}

void frmBuild::markDoneAfterCheck(chart::BlockPlace place)
{
    if (!m_session)
        return;
    reportSave(m_session->setDone({place}, true));
    showState();
}

void frmBuild::cmdClose_Click()
{
    unloadForm();
}

void frmBuild::showColors()
{
    const chart::Chart &chart = m_session->chart();
    grdColors->setRowCount(chart.colorCount());
    for (int number = 1; number <= chart.colorCount(); ++number) {
        const chart::ChartColor &color = chart.color(number);
        const int row = number - 1;
        grdColors->setItem(row, 0, numberItem(number));
        // An icon rather than the cell's background, which the highlight's selection covers.
        QPixmap swatch(30, 18);
        swatch.fill(QColor::fromRgb(0xff000000u | color.rgb));
        grdColors->setItem(row, 1, new QTableWidgetItem(QIcon(swatch), QString()));
        grdColors->setItem(row, 2, new QTableWidgetItem(color.name));
        grdColors->setItem(row, 3, new QTableWidgetItem(color.code));
        grdColors->setItem(row, 4, numberItem(color.pieces));
    }

    const QString shown = shownBuilder();
    const QSignalBlocker quiet(cboBuilders);
    cboBuilders->clear();
    cboBuilders->addItem(NoBuilder);
    cboBuilders->addItems(chart::builderNames(chart));
    cboBuilders->setCurrentIndex(std::max(0, cboBuilders->findText(shown)));
}

void frmBuild::showState()
{
    const chart::Chart &chart = m_session->chart();
    const chart::BlockPlace place = m_session->current();

    BlockMapView::State map;
    map.done = chart.done;
    map.current = place;
    map.highlight = m_session->highlight();
    map.chosen = m_chosen;
    for (const chart::BlockPlace block : chart::blocksOfBuilder(chart, shownBuilder()))
        map.builderBlocks.insert(block.printIndex());
    picMap->setState(map);
    picBlock->setBlock(chart, place, m_session->highlight());

    lblBlock->setText(spacedLabel(place));
    cmdDone->setText(chart.isDone(place) ? QStringLiteral("未完成に戻す") : QStringLiteral("完成にする"));
    txtBuilder->setText(chart.builder(place));
    showNeighbours();
    showProgress();

    const QList<int> &remaining = m_session->remaining();
    const QList<int> inBlock = m_session->currentBlockPieces();
    for (int number = 1; number <= chart.colorCount(); ++number) {
        grdColors->setItem(number - 1, 5, numberItem(remaining.value(number)));
        grdColors->setItem(number - 1, 6, numberItem(inBlock.value(number)));
    }
    if (m_session->highlight() > 0)
        grdColors->selectRow(m_session->highlight() - 1);
    else
        grdColors->clearSelection();
}

void frmBuild::showNeighbours()
{
    const chart::BlockPlace place = m_session->current();
    const auto neighbour = [&](QLabel *label, int across, int down, const QString &format) {
        const chart::BlockPlace next {place.x + across, place.y + down};
        const bool inside = next.x >= 0 && next.x < chart::BlocksAcross && next.y >= 0
            && next.y < chart::BlocksDown;
        label->setText(inside ? format.arg(spacedLabel(next)) : QString());
    };
    neighbour(lblUp, 0, -1, QStringLiteral("↑ %1"));
    neighbour(lblDown, 0, 1, QStringLiteral("↓ %1"));
    neighbour(lblLeft, -1, 0, QStringLiteral("← %1"));
    neighbour(lblRight, 1, 0, QStringLiteral("%1 →"));
}

void frmBuild::showProgress()
{
    const chart::Chart &chart = m_session->chart();
    const int done = chart::doneBlockCount(chart);
    lblProgress->setText(QStringLiteral("完成: %1 / %2 ブロック（%3%）")
                             .arg(done)
                             .arg(chart::BlockTotal)
                             .arg(done * 100 / chart::BlockTotal));
    const QList<int> &remaining = m_session->remaining();
    const int pieces = std::accumulate(remaining.begin() + 1, remaining.end(), 0);
    QString text = QStringLiteral("残りのピース: %1 枚").arg(countText(pieces));
    if (m_session->unsaved())
        text += QStringLiteral("（保存できていません。次の変更でもう一度保存します）");
    lblRemaining->setText(text);
    lblChosen->setText(m_chosen.isEmpty()
            ? QStringLiteral("Ctrl+クリックで印刷するブロックを選べます。")
            : QStringLiteral("選んだブロック: %1 個").arg(m_chosen.size()));
}

void frmBuild::reportSave(const chart::SaveResult &result)
{
    if (result.status != chart::SaveStatus::Saved)
        showFailure(m_dialogs, chart::saveFailureText(result));
}
