// The main window's controls as they are before its load handler runs.
#include "formcontrols.h"
#include "frmmain.h"
#include "icons.h"

#include <QLabel>
#include <QPushButton>
#include <QScreen>

namespace {

const QColor White(255, 255, 255);

// The numbers of the two steps along the bottom row.
void addStepNumber(
    QWidget *form, const QString &name, const QString &caption, double points, const QRect &rect)
{
    QLabel *step = addLabel(form, name, caption, rect);
    step->setFont(formFont(points, true, true));
    setTextColor(step, QColor(0, 0, 128));
}

} // namespace

void frmMain::createControls(QWidget *form)
{
    imgDisp = addLabel(form, QStringLiteral("imgDisp"), QString(), twipsRect(120, 240, 9000, 6000));
    setSingleBorder(imgDisp);

    addLabel(
        form, QStringLiteral("Label1"), QStringLiteral("画像情報"), twipsRect(9480, 120, 975, 255))
        ->setFont(formFont(9.75));
    lblImgInfo
        = addLabel(form, QStringLiteral("lblImgInfo"), NoImgInfo, twipsRect(9360, 480, 2175, 1095));
    setBackgroundColor(lblImgInfo, White);
    setSingleBorder(lblImgInfo);
    lblinfo = addLabel(form, QStringLiteral("lblinfo"), QStringLiteral("Label2"),
        twipsRect(9360, 1800, 2175, 1815));
    setBackgroundColor(lblinfo, QColor(224, 224, 224));
    setTextColor(lblinfo, QColor(192, 0, 0));
    lblCopyright = addLabel(form, QStringLiteral("lblCopyright"), QStringLiteral("Label4"),
        twipsRect(9360, 5400, 2175, 855));
    addPicture(form, QStringLiteral("Image2"), mosaicPicture(48), twipsRect(10920, 5640, 720, 720));

    lblFileName = addLabel(form, QStringLiteral("lblFileName"),
        QStringLiteral("ここにファイル名が表示されます。"), twipsRect(120, 6480, 7215, 615));
    setBackgroundColor(lblFileName, White);
    setSingleBorder(lblFileName);

    addStepNumber(form, QStringLiteral("Label2"), QStringLiteral("１．"), 26.25,
        twipsRect(120, 7320, 855, 495));
    cmdGetFileName = addButton(form, QStringLiteral("cmdGetFileName"),
        QStringLiteral("画像ファイル読み込み"), twipsRect(840, 7320, 2415, 615));
    cmdGetFileName->setFont(formFont(9.75));
    addPicture(form, QStringLiteral("Image1"), stepArrowPicture(), twipsRect(3600, 7440, 480, 480));
    addStepNumber(form, QStringLiteral("Label3"), QStringLiteral("２．"), 27.75,
        twipsRect(4440, 7320, 975, 615));
    cmdCountColor = addButton(form, QStringLiteral("cmdCountColor"),
        QStringLiteral("色情報の確認と印刷"), twipsRect(5280, 7320, 3135, 615));
    cmdCountColor->setFont(formFont(11.25, true));
    cmdCountColor->setEnabled(false);
    cmdClose = addButton(form, QStringLiteral("cmdClose"), QStringLiteral("終　了"),
        twipsRect(10200, 7320, 1455, 615));
    cmdClose->setFont(formFont(11.25, true));

    setTabOrder(cmdClose, cmdGetFileName);
    setTabOrder(cmdGetFileName, cmdCountColor);

    connect(cmdGetFileName, &QPushButton::clicked, this, &frmMain::cmdGetFileName_Click);
    connect(cmdCountColor, &QPushButton::clicked, this, &frmMain::cmdCountColor_Click);
    connect(cmdClose, &QPushButton::clicked, this, &frmMain::cmdClose_Click);

    if (const QScreen *screen = this->screen())
        move(screen->availableGeometry().center() - rect().center());
}
