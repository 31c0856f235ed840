// The matrix window: the colour numbers of one 10 x 10 block on their colours,
// moved block by block, and the matrix prints.
#pragma once

#include "formwindow.h"

#include <array>
#include <cstdint>

class Dialogs;
class PrintSurface;
class QLabel;
class QPushButton;
class frmBuild;
struct modShared;

class frmMatrix : public FormWindow
{
    Q_OBJECT
public:
    static constexpr int Cells = 100;
    static constexpr int16_t LastBlockX = 15;
    static constexpr int16_t LastBlockY = 11;

    frmMatrix(modShared &model, Dialogs &dialogs, PrintSurface &printer, frmBuild &build);

    int16_t pb_intX = 0; // block shown, 0..15 from the left
    int16_t pb_intY = 0; // block shown, 0..11 from the top
    int16_t pb_Over32 = 0; // -1 when the load met a pixel without a number

protected:
    void createControls(QWidget *form) override;
    void Form_Load() override;
    QWidget *firstFocus() const override;

private slots:
    void cmdLeft_Click();
    void cmdRight_Click();
    void cmdUp_Click();
    void cmdDown_Click();
    void showFirstBlock();
    void cmdOnePrint_Click();
    void cmdPrintMatrix_Click();
    void cmdClose_Click();
    void cmdBuild_Click();

private:
    void DispMatrix(const int16_t &intX, const int16_t &intY);
    void CheckDispMatrix(const int16_t &intX, const int16_t &intY);
    void showBlockHeaders();
    void showCell(int k, int16_t colorNumber);
    bool confirmPrint(const QString &title);

    modShared &m_model;
    Dialogs &m_dialogs;
    PrintSurface &m_printer;
    frmBuild &m_build;

    std::array<QLabel *, Cells> lblP {};
    QLabel *lblCol = nullptr;
    QLabel *lblRow = nullptr;
    QPushButton *cmdLeft = nullptr;
    QPushButton *cmdRight = nullptr;
    QPushButton *cmdUp = nullptr;
    QPushButton *cmdDown = nullptr;
    QPushButton *cmdOnePrint = nullptr;
    QPushButton *cmdPrintMatrix = nullptr;
    QPushButton *cmdClose = nullptr;
    QPushButton *cmdBuild = nullptr;
};
