// The colour window's controls as they are before its load handler runs.
#include "formcontrols.h"
#include "frmcountcolor.h"
#include "icons.h"

#include <QFrame>
#include <QLabel>
#include <QPushButton>

namespace {

// Slots stand in six rows, filled column by column; the sixth column stands
// 120 twips left of the regular step.
int slotLeft(int column, int regularLeft, int sixthColumnLeft)
{
    return column < 5 ? regularLeft + 1560 * column : sixthColumnLeft;
}

} // namespace

void frmCountColor::createControls(QWidget *form)
{
    addLabel(form, QStringLiteral("Label1"), QStringLiteral("使用色数 = "),
        twipsRect(480, 240, 1095, 255))
        ->setFont(formFont(9.75));
    lblColors = addLabel(
        form, QStringLiteral("lblColors"), QStringLiteral("0色"), twipsRect(1680, 240, 975, 255));
    QLabel *note = addLabel(form, QStringLiteral("Label2"),
        QStringLiteral("※最大32色まで読み込み可能（それ以上の場合は32色と表示されます。）"),
        twipsRect(2760, 240, 5895, 255));
    setTextColor(note, QColor(192, 0, 0));

    for (int k = 0; k < Slots; ++k) {
        const int column = k / 6;
        const int row = k % 6;
        auto *swatch = new QFrame(form);
        swatch->setObjectName(controlArrayName("ShapeColor", k));
        swatch->setGeometry(twipsRect(slotLeft(column, 960, 8640), 840 + 840 * row, 615, 615));
        swatch->setFrameStyle(QFrame::Box | QFrame::Plain);
        setTextColor(swatch, Qt::black);
        ShapeColor[k] = swatch;

        const int numberTop = k == 2 ? 2640 : 1080 + 840 * row;
        lblColorNumber[k] = addLabel(form, controlArrayName("lblColorNumber", k),
            QStringLiteral("1"), twipsRect(slotLeft(column, 600, 8280), numberTop, 255, 255));
        lblColorNumber[k]->setAlignment(Qt::AlignRight | Qt::AlignTop);
        for (int m = 0; m < 3; ++m) {
            lblRGB[3 * k + m]
                = addLabel(form, controlArrayName("lblRGB", 3 * k + m), QStringLiteral("0"),
                    twipsRect(slotLeft(column, 1680, 9360), 840 + 840 * row + 240 * m, 375, 255));
        }
    }

    cmdPrintColorInfo = addButton(form, QStringLiteral("cmdPrintColorInfo"),
        QStringLiteral("色見本の印刷 ［用紙A4縦］"), twipsRect(360, 6240, 3855, 495));
    cmdPrintColorInfo->setFont(formFont(9.75));
    cmdPrintMatrix = addButton(form, QStringLiteral("cmdPrintMatrix"),
        QStringLiteral("色番号表（色番号Matrix）"), twipsRect(360, 6840, 3855, 495));
    cmdPrintMatrix->setFont(formFont(11.25, true));
    cmdDispCount = addButton(form, QStringLiteral("cmdDispCount"), QStringLiteral("必要枚数情報"),
        twipsRect(4800, 6240, 3015, 495));
    cmdDispCount->setFont(formFont(9.75));
    cmdFileOutput = addButton(form, QStringLiteral("cmdFileOutput"),
        QStringLiteral("CSVﾌｧｲﾙへ色情報の書き出し"), twipsRect(4800, 6840, 3015, 495));
    cmdFileOutput->setFont(formFont(9.75));
    addPicture(form, QStringLiteral("Image1"), mosaicPicture(48), twipsRect(8880, 6000, 720, 720));
    cmdClose = addButton(form, QStringLiteral("cmdClose"), QStringLiteral("戻　る"),
        twipsRect(8040, 6840, 1695, 495));
    cmdClose->setFont(formFont(11.25, true));

    setTabOrder(cmdClose, cmdFileOutput);
    setTabOrder(cmdFileOutput, cmdDispCount);
    setTabOrder(cmdDispCount, cmdPrintColorInfo);
    setTabOrder(cmdPrintColorInfo, cmdPrintMatrix);

    connect(
        cmdPrintColorInfo, &QPushButton::clicked, this, &frmCountColor::cmdPrintColorInfo_Click);
    connect(cmdPrintMatrix, &QPushButton::clicked, this, &frmCountColor::cmdPrintMatrix_Click);
    connect(cmdDispCount, &QPushButton::clicked, this, &frmCountColor::cmdDispCount_Click);
    connect(cmdFileOutput, &QPushButton::clicked, this, &frmCountColor::cmdFileOutput_Click);
    connect(cmdClose, &QPushButton::clicked, this, &frmCountColor::cmdClose_Click);
}
