#include "frmmatrix.h"

#include "dialogs.h"
#include "failuremessage.h"
#include "formcontrols.h"
#include "frmbuild.h"
#include "matrixpages.h"
#include "modshared.h"
#include "outputplace.h"
#include "pagesetup.h"
#include "printsurface.h"
#include "readablecolor.h"

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <algorithm>

frmMatrix::frmMatrix(modShared &model, Dialogs &dialogs, PrintSurface &printer, frmBuild &build)
    : FormWindow(QStringLiteral("色番号表"), twipsSize(8805, 6855))
    , m_model(model)
    , m_dialogs(dialogs)
    , m_printer(printer)
    , m_build(build)
{
    setObjectName(QStringLiteral("frmMatrix"));
}

QWidget *frmMatrix::firstFocus() const
{
    return cmdPrintMatrix;
}

void frmMatrix::Form_Load()
{
    cmdOnePrint->setText(shownText(QStringLiteral("このページのみ印刷\r\n")));
    cmdOnePrint->setText(cmdOnePrint->text() + QStringLiteral("用紙［A4縦］"));
    pb_intX = 0;
    pb_intY = 0;
    pb_Over32 = 0;
    CheckDispMatrix(pb_intX, pb_intY);
    if (pb_Over32 == -1)
        unloadForm();
}

void frmMatrix::showBlockHeaders()
{
    lblCol->setText(QString(QChar(u'A' + pb_intX)));
    lblRow->setText(QString::number(pb_intY + 1));
}

void frmMatrix::showCell(int k, int16_t colorNumber)
{
    lblP[k]->setText(QString::number(colorNumber));
    // A pixel without a number has no palette entry: it keeps the window background.
    const QPalette system = QApplication::palette();
    const QColor background = colorNumber == 0 ? system.color(QPalette::Window)
                                               : toQColor(m_model.lngColorRGB(colorNumber));
    setBackgroundColor(lblP[k], background);
    // Window text, unless it would vanish on a dark cell.
    const auto rgb = [](const QColor &color) { return quint32(color.rgb() & 0xFFFFFF); };
    setTextColor(lblP[k],
        QColor::fromRgb(readablecolor::textColor(rgb(background), rgb(system.color(QPalette::Text)),
            rgb(system.color(QPalette::Base)))));
}

void frmMatrix::CheckDispMatrix(const int16_t &intX, const int16_t &intY)
{
    showBlockHeaders();
    for (int i = 0; i < 10; ++i) {
        for (int j = 0; j < 10; ++j) {
            const int16_t n = m_model.intPixelColor(10 * intY + j + 1, 10 * intX + i + 1);
            if (n == 0) {
                showWarning(m_dialogs, QStringLiteral("32色を越えているため処理できません。"));
                pb_Over32 = -1;
                return;
            }
            showCell(10 * i + j, n);
        }
    }
    pb_Over32 = 0;
}

void frmMatrix::DispMatrix(const int16_t &intX, const int16_t &intY)
{
    showBlockHeaders();
    for (int i = 0; i < 10; ++i) {
        for (int j = 0; j < 10; ++j)
            showCell(10 * i + j, m_model.intPixelColor(10 * intY + j + 1, 10 * intX + i + 1));
    }
}

void frmMatrix::cmdLeft_Click()
{
    pb_intX = std::max<int16_t>(pb_intX - 1, 0);
    DispMatrix(pb_intX, pb_intY);
}

void frmMatrix::cmdRight_Click()
{
    pb_intX = std::min<int16_t>(pb_intX + 1, LastBlockX);
    DispMatrix(pb_intX, pb_intY);
}

void frmMatrix::cmdUp_Click()
{
    pb_intY = std::max<int16_t>(pb_intY - 1, 0);
    DispMatrix(pb_intX, pb_intY);
}

void frmMatrix::cmdDown_Click()
{
    pb_intY = std::min<int16_t>(pb_intY + 1, LastBlockY);
    DispMatrix(pb_intX, pb_intY);
}

void frmMatrix::showFirstBlock()
{
    pb_intX = 0;
    pb_intY = 0;
    DispMatrix(pb_intX, pb_intY);
}

bool frmMatrix::confirmPrint(const QString &title)
{
    return m_dialogs.messageBox(QStringLiteral("印刷を実行しますか？（用紙：A4 縦）"), title,
               Dialogs::Icon::Information, Dialogs::Buttons::YesNo)
        == Dialogs::Answer::Yes;
}

void frmMatrix::cmdOnePrint_Click()
{
    if (!confirmPrint(QStringLiteral("１ページ分の印刷")))
        return;
    try {
        setUpPaper(m_printer, PrintSurface::ColorModeMonochrome,
            outputPath(m_model, matrixPageDocumentName(pb_intX, pb_intY)));
        printMatrixPage(m_printer, m_model, pb_intX, pb_intY);
        reportSavedPdf(m_dialogs, m_printer);
    } catch (const std::exception &error) {
        showFailure(m_dialogs, error);
    }
}

void frmMatrix::cmdPrintMatrix_Click()
{
    if (!confirmPrint(QStringLiteral("色番号Matrixの全印刷")))
        return;
    try {
        setUpPaper(m_printer, PrintSurface::ColorModeMonochrome,
            outputPath(m_model, QString::fromLatin1(MatrixAllDocumentName)));
        printMatrixAll(m_printer, m_model);
        reportSavedPdf(m_dialogs, m_printer);
    } catch (const std::exception &error) {
        showFailure(m_dialogs, error);
    }
}

void frmMatrix::cmdClose_Click()
{
    unloadForm();
}

void frmMatrix::cmdBuild_Click()
{
    m_build.openChart(m_model.strAnalysedFileName);
}
