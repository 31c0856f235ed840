#include "frmcountcolor.h"

#include "bitmapmessages.h"
#include "colornumbering.h"
#include "colorvalue.h"
#include "csvwriter.h"
#include "dialogs.h"
#include "failuremessage.h"
#include "formcontrols.h"
#include "frmmatrix.h"
#include "modshared.h"
#include "numbertext.h"
#include "outputplace.h"
#include "pagesetup.h"
#include "piecelist.h"
#include "printsurface.h"
#include "samplesheet.h"
#include "waitcursor.h"

#include <QFrame>
#include <QLabel>
#include <QPushButton>

frmCountColor::frmCountColor(
    modShared &model, Dialogs &dialogs, PrintSurface &printer, frmMatrix &matrix)
    : FormWindow(QStringLiteral("使用色数のカウント"), twipsSize(9915, 7485))
    , m_model(model)
    , m_dialogs(dialogs)
    , m_printer(printer)
    , m_matrix(matrix)
{
    setObjectName(QStringLiteral("frmCountColor"));
}

QWidget *frmCountColor::firstFocus() const
{
    return cmdClose;
}

void frmCountColor::Form_Load()
{
    AnalysisResult result;
    {
        WaitCursor wait;
        resetSlots();
        result = analyseBitmapFile(m_model.strFileName, m_model);
        intColorMax = result.colorMax;
        if (result.status == BitmapStatus::Ok)
            showAnalysis();
    }
    if (const QString refusal = bitmapRefusalText(result.status); !refusal.isEmpty())
        showWarning(m_dialogs, refusal);
    else if (result.status != BitmapStatus::Ok)
        showFailure(m_dialogs, bitmapFailureText(result.status, m_model.strFileName));
}

void frmCountColor::resetSlots()
{
    for (QLabel *component : lblRGB)
        component->setText(QStringLiteral("*"));
    for (int k = 0; k < Slots; ++k) {
        lblColorNumber[k]->setText(QString::number(k + 1));
        ShapeColor[k]->setAutoFillBackground(false);
    }
}

void frmCountColor::showAnalysis()
{
    for (int n = 1; n <= intColorMax; ++n) {
        const int32_t value = m_model.lngColorRGB(n);
        const int k = n - 1;
        setBackgroundColor(ShapeColor[k], toQColor(value));
        lblRGB[3 * k]->setText(QString::number(colorvalue::red(value)));
        lblRGB[3 * k + 1]->setText(QString::number(colorvalue::green(value)));
        lblRGB[3 * k + 2]->setText(QString::number(colorvalue::blue(value)));
    }
    lblColors->setText(numbertext::withSignPosition(intColorMax) + QStringLiteral(" 色"));
}

void frmCountColor::cmdDispCount_Click()
{
    m_dialogs.messageBox(pieceCountList(m_model, intColorMax), QStringLiteral("色ピースの必要枚数"),
        Dialogs::Icon::Information, Dialogs::Buttons::Ok);
}

void frmCountColor::CheckOver32(const int16_t &blockColumn, const int16_t &blockRow)
{
    if (blockHasUnnumberedCell(m_model, blockColumn, blockRow)) {
        showWarning(m_dialogs, QStringLiteral("32色を越えているため処理できません。"));
        pb_Over32 = -1;
        return;
    }
    pb_Over32 = 0;
}

void frmCountColor::cmdPrintMatrix_Click()
{
    if (intColorMax == 0) {
        showWarning(m_dialogs, NoAnalysisText);
        return;
    }
    try {
        pb_Over32 = 0;
        const int16_t blockColumn = 0;
        const int16_t blockRow = 0;
        CheckOver32(blockColumn, blockRow);
        if (pb_Over32 == 0)
            m_matrix.showForm();
    } catch (const std::exception &error) {
        showFailure(m_dialogs, error);
    }
}

void frmCountColor::cmdFileOutput_Click()
{
    if (intColorMax == 0) {
        showWarning(m_dialogs, NoAnalysisText);
        return;
    }
    const auto answer = m_dialogs.messageBox(
        QStringLiteral("CSVﾌｧｲﾙへの書き出しを実行します。\rよろしいですか？"),
        QStringLiteral("CSVﾌｧｲﾙへの書き出し"), Dialogs::Icon::Information,
        Dialogs::Buttons::OkCancel);
    if (answer != Dialogs::Answer::Ok)
        return;
    csv::WriteResult result;
    QDir folder;
    try {
        WaitCursor wait;
        folder = analysedPictureFolder(m_model);
        result = csv::writeAnalysis(m_model, intColorMax, folder);
    } catch (const std::exception &error) {
        showFailure(m_dialogs, error);
        return;
    }
    if (!result.ok()) {
        showFailure(m_dialogs, outputFailureText(result.message, folder.absolutePath()));
        return;
    }
    m_dialogs.messageBox(QStringLiteral("CSVﾌｧｲﾙへ書き出しました。"), QStringLiteral("完了"),
        Dialogs::Icon::Information, Dialogs::Buttons::Ok);
}

void frmCountColor::cmdPrintColorInfo_Click()
{
    if (intColorMax == 0) {
        showWarning(m_dialogs, NoAnalysisText);
        return;
    }
    const auto answer = m_dialogs.messageBox(QStringLiteral("印刷を実行しますか？（用紙：A4 縦）"),
        QStringLiteral("色見本の印刷"), Dialogs::Icon::Information, Dialogs::Buttons::YesNo);
    if (answer != Dialogs::Answer::Yes)
        return;
    try {
        setUpPaper(m_printer, PrintSurface::ColorModeColor,
            outputPath(m_model, QString::fromLatin1(ColorSampleDocumentName)));
        if (!m_dialogs.showPrinter())
            throw PrintError("キャンセルが選択されました。");
        printColorSample(m_printer, m_model, intColorMax);
        reportSavedPdf(m_dialogs, m_printer);
    } catch (const std::exception &error) {
        showFailure(m_dialogs, error);
    }
}

void frmCountColor::cmdClose_Click()
{
    unloadForm();
}
