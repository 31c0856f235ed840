// The colour window: the analysis of the chosen picture in 32 colour slots,
// and the way on to the piece counts, the CSV files, the sample sheet and the
// matrix window.
#pragma once

#include "formwindow.h"

#include <array>
#include <cstdint>

class Dialogs;
class PrintSurface;
class QFrame;
class QLabel;
class QPushButton;
class frmMatrix;
struct modShared;

class frmCountColor : public FormWindow
{
    Q_OBJECT
public:
    static constexpr int Slots = 32;

    frmCountColor(modShared &model, Dialogs &dialogs, PrintSurface &printer, frmMatrix &matrix);

    // Number of colours of the last load, 0 when it failed.
    int16_t intColorMax = 0;
    // Outcome of the last block test: -1 when the block holds a pixel without a number.
    int16_t pb_Over32 = 0;

protected:
    void createControls(QWidget *form) override;
    void Form_Load() override;
    QWidget *firstFocus() const override;

private slots:
    void cmdDispCount_Click();
    void cmdFileOutput_Click();
    void cmdPrintColorInfo_Click();
    void cmdPrintMatrix_Click();
    void cmdClose_Click();

private:
    void resetSlots();
    void showAnalysis();
    void CheckOver32(const int16_t &blockColumn, const int16_t &blockRow);

    modShared &m_model;
    Dialogs &m_dialogs;
    PrintSurface &m_printer;
    frmMatrix &m_matrix;

    QLabel *lblColors = nullptr;
    std::array<QFrame *, Slots> ShapeColor {};
    std::array<QLabel *, Slots> lblColorNumber {};
    std::array<QLabel *, 3 * Slots> lblRGB {};
    QPushButton *cmdPrintColorInfo = nullptr;
    QPushButton *cmdPrintMatrix = nullptr;
    QPushButton *cmdDispCount = nullptr;
    QPushButton *cmdFileOutput = nullptr;
    QPushButton *cmdClose = nullptr;
};
