// The window 「制作」: one chart built block by block. The whole picture as a
// map of its blocks, the current block large, the colours with the pieces in
// all, still to lay and in this block, and the progress. Every mark is saved
// in the chart file beside the picture at once; the outputs for building
// (the overview, chosen blocks with their keys, the shopping list, the
// workbook, the actual-size pages, the check of a photo) start from here.
#pragma once

#include "buildsession.h"
#include "formwindow.h"

#include <QSet>
#include <memory>

class BlockCellsView;
class BlockMapView;
class Dialogs;
class PrintSurface;
class QComboBox;
class QDoubleSpinBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QSpinBox;
class QTableWidget;
class frmCheckPhoto;
class frmShopping;

class frmBuild : public FormWindow
{
    Q_OBJECT
public:
    frmBuild(Dialogs &dialogs, PrintSurface &printer);
    ~frmBuild() override;

    // Opens the chart of a picture (a BMP or its chart file) and shows the
    // window. A picture the colour window would refuse gets the same warning;
    // a chart file that cannot be used gets its message and the offer to start
    // afresh (the old file kept as ".bak"). False when nothing was opened.
    bool openChart(const QString &path);
    const chart::BuildSession *session() const { return m_session.get(); }

protected:
    void createControls(QWidget *form) override;
    void Form_Load() override;
    void Form_Unload() override;
    QWidget *firstFocus() const override;

private slots:
    void picMap_BlockClicked(chart::BlockPlace place, bool choose);
    void grdColors_CellClicked(int row);
    void cmdDone_Click();
    void cmdBuilder_Click();
    void cboBuilders_Changed();
    void cmdPrintOverview_Click();
    void cmdPrintBlocks_Click();
    void cmdShopping_Click();
    void cmdWorkbook_Click();
    void cmdActualSize_Click();
    void cmdCheckPhoto_Click();
    void cmdClose_Click();

private:
    void moveBy(int across, int down);
    void moveToFirstNotDone();
    void toggleDone();
    void stepHighlight(int step);
    void clearHighlight();
    void markDoneAfterCheck(chart::BlockPlace place);

    void showColors();
    void showState();
    void showProgress();
    void showNeighbours();
    void reportSave(const chart::SaveResult &result);
    QString shownBuilder() const;
    // In print order.
    QList<chart::BlockPlace> chosenBlocks() const;
    // The blocks chosen on the map, else the shown builder's, else the current one.
    QList<chart::BlockPlace> blocksToPrint() const;
    QString besidePicture(const QString &fileName) const;

    Dialogs &m_dialogs;
    PrintSurface &m_printer;
    std::unique_ptr<chart::BuildSession> m_session;
    QSet<int> m_chosen; // print indexes of the blocks chosen on the map
    std::unique_ptr<frmCheckPhoto> m_checkPhoto;
    std::unique_ptr<frmShopping> m_shopping;

    BlockMapView *picMap = nullptr;
    BlockCellsView *picBlock = nullptr;
    QLabel *lblBlock = nullptr;
    QLabel *lblUp = nullptr;
    QLabel *lblDown = nullptr;
    QLabel *lblLeft = nullptr;
    QLabel *lblRight = nullptr;
    QLabel *lblProgress = nullptr;
    QLabel *lblRemaining = nullptr;
    QLabel *lblChosen = nullptr;
    QTableWidget *grdColors = nullptr;
    QPushButton *cmdDone = nullptr;
    QLineEdit *txtBuilder = nullptr;
    QPushButton *cmdBuilder = nullptr;
    QComboBox *cboBuilders = nullptr;
    QPushButton *cmdPrintOverview = nullptr;
    QPushButton *cmdPrintBlocks = nullptr;
    QPushButton *cmdShopping = nullptr;
    QPushButton *cmdWorkbook = nullptr;
    QDoubleSpinBox *spnPieceSize = nullptr;
    QComboBox *cboPaper = nullptr;
    QSpinBox *spnBoard = nullptr;
    QPushButton *cmdActualSize = nullptr;
    QPushButton *cmdCheckPhoto = nullptr;
    QPushButton *cmdClose = nullptr;
};
