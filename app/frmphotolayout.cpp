// The photo window's controls as they are before its load handler runs.
#include "formcontrols.h"
#include "frmphoto.h"
#include "ownedcolorsdialog.h"
#include "rarecolors.h"
#include "photoframeview.h"
#include "piececountsview.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QShortcut>
#include <QSlider>
#include <QSpinBox>

namespace {

QSlider *addSlider(QWidget *form, const QString &name, int minimum, int maximum, const QRect &rect)
{
    auto *slider = addControl<QSlider>(form, name, rect);
    slider->setOrientation(Qt::Horizontal);
    slider->setRange(minimum, maximum);
    return slider;
}

template<typename Control>
Control *addCaptioned(QWidget *form, const QString &name, const QString &caption, const QRect &rect)
{
    auto *control = addControl<Control>(form, name, rect);
    control->setText(caption);
    return control;
}

} // namespace

void frmPhoto::createControls(QWidget *form)
{
    addLabel(form, QStringLiteral("lblOriginal"), QStringLiteral("元の画像"), {12, 8, 200, 16})
        ->setFont(formFont(9.75));
    picOriginal
        = addControl<PhotoFrameView>(form, QStringLiteral("picOriginal"), {12, 28, 320, 240});
    addLabel(form, QStringLiteral("lblResult"), QStringLiteral("できあがり"), {348, 8, 200, 16})
        ->setFont(formFont(9.75));
    picResult = addLabel(form, QStringLiteral("picResult"), QString(), {348, 28, 320, 240});
    picResult->setAlignment(Qt::AlignCenter);
    lblBusy
        = addLabel(form, QStringLiteral("lblBusy"), QStringLiteral("計算中…"), {588, 8, 80, 16});
    lblBusy->setAlignment(Qt::AlignRight | Qt::AlignTop);
    lblStats = addLabel(form, QStringLiteral("lblStats"), QString(), {348, 276, 320, 18});
    lblStats->setFont(formFont(9.75));
    pieceCounts
        = addControl<PieceCountsView>(form, QStringLiteral("pieceCounts"), {348, 298, 320, 152});

    addLabel(form, QStringLiteral("lblFit"), QStringLiteral("合わせ方"), {12, 280, 66, 16});
    optCrop = addCaptioned<QRadioButton>(
        form, QStringLiteral("optCrop"), QStringLiteral("切り抜く"), {80, 277, 76, 22});
    optPad = addCaptioned<QRadioButton>(
        form, QStringLiteral("optPad"), QStringLiteral("全体を入れる"), {158, 277, 98, 22});
    optStretch = addCaptioned<QRadioButton>(
        form, QStringLiteral("optStretch"), QStringLiteral("引き伸ばす"), {258, 277, 84, 22});
    optCrop->setChecked(true);
    fitGroup = new QButtonGroup(form);
    for (QRadioButton *option : {optCrop, optPad, optStretch})
        fitGroup->addButton(option);
    addLabel(form, QStringLiteral("lblZoom"), QStringLiteral("拡大"), {12, 308, 66, 16});
    sldZoom = addSlider(form, QStringLiteral("sldZoom"), PhotoFrameView::MinZoom,
        PhotoFrameView::MaxZoom, {80, 305, 252, 22});

    addLabel(form, QStringLiteral("lblColors"), QStringLiteral("色数"), {12, 340, 66, 16});
    spnColors = addControl<QSpinBox>(form, QStringLiteral("spnColors"), {80, 336, 60, 24});
    spnColors->setRange(1, prepare::MaxColors);
    spnColors->setValue(prepare::MaxColors);
    chkDither = addCaptioned<QCheckBox>(form, QStringLiteral("chkDither"),
        QStringLiteral("ディザ（色を混ぜる）"), {158, 337, 174, 22});
    cmdBackground = addButton(
        form, QStringLiteral("cmdBackground"), QStringLiteral("背景色…"), {12, 368, 110, 26});
    addLabel(form, QStringLiteral("lblMinPieces"), QStringLiteral("1色の最少ピース数"),
        {132, 373, 118, 16});
    spnMinPieces = addControl<QSpinBox>(form, QStringLiteral("spnMinPieces"), {252, 369, 80, 24});
    spnMinPieces->setRange(1, prepare::MaxMinPieces);
    spnMinPieces->setValue(1);

    const QString adjustments[][2] = {
        {QStringLiteral("明るさ"), QStringLiteral("Brightness")},
        {QStringLiteral("コントラスト"), QStringLiteral("Contrast")},
        {QStringLiteral("彩度"), QStringLiteral("Saturation")},
    };
    QSlider **sliders[] = {&sldBrightness, &sldContrast, &sldSaturation};
    for (int k = 0; k < 3; ++k) {
        const int top = 404 + 28 * k;
        addLabel(form, QStringLiteral("lbl") + adjustments[k][1], adjustments[k][0],
            {12, top + 3, 66, 16});
        *sliders[k] = addSlider(form, QStringLiteral("sld") + adjustments[k][1],
            -prepare::MaxAdjustment, prepare::MaxAdjustment, {80, top, 252, 22});
    }
    cmdResetAdjustments = addButton(form, QStringLiteral("cmdResetAdjustments"),
        QStringLiteral("元に戻す"), {252, 488, 80, 26});

    cmdPalette = addButton(form, QStringLiteral("cmdPalette"), QStringLiteral("手持ちのピース色…"),
        {12, 524, 150, 26});
    mnuPalette = new QMenu(cmdPalette);
    mnuPalette->setObjectName(QStringLiteral("mnuPalette"));
    for (const PieceSet &set : pieceSets()) {
        QAction *action = mnuPalette->addAction(QStringLiteral("%1（%2色、%3 mm）")
                                                    .arg(set.name)
                                                    .arg(set.colors.size())
                                                    .arg(set.pieceSize));
        action->setObjectName(QStringLiteral("mnuPaletteSet(%1)").arg(set.id));
        connect(action, &QAction::triggered, this, [this, &set] { mnuPaletteSet_Click(set); });
    }
    mnuPalette->addSeparator();
    QAction *fromFile = mnuPalette->addAction(QStringLiteral("ファイルから…"));
    fromFile->setObjectName(QStringLiteral("mnuPaletteFile"));
    connect(fromFile, &QAction::triggered, this, &frmPhoto::mnuPaletteFile_Click);
    cmdPalette->setMenu(mnuPalette);
    lblPalette = addLabel(form, QStringLiteral("lblPalette"), QString(), {170, 529, 280, 18});
    cmdOwnedColors = addButton(form, QStringLiteral("cmdOwnedColors"),
        QStringLiteral("持っている色を選ぶ…"), {456, 524, 136, 26});
    cmdNoPalette = addButton(
        form, QStringLiteral("cmdNoPalette"), QStringLiteral("使わない"), {598, 524, 70, 26});
    lblSetNote
        = addLabel(form, QStringLiteral("lblSetNote"), measuredColorsNote(), {348, 486, 320, 32});
    lblSetNote->setWordWrap(true);
    lblSetNote->setAlignment(Qt::AlignLeft | Qt::AlignBottom);

    addLabel(form, QStringLiteral("lblCommand"), QStringLiteral("同じ絵を作るコマンド"),
        {12, 562, 200, 16});
    txtCommand = addControl<QLineEdit>(form, QStringLiteral("txtCommand"), {12, 580, 656, 24});
    txtCommand->setReadOnly(true);

    cmdSave = addButton(
        form, QStringLiteral("cmdSave"), QStringLiteral("保存して開く"), {440, 616, 120, 30});
    cmdSave->setFont(formFont(9.75, true));
    cmdClose = addButton(
        form, QStringLiteral("cmdClose"), QStringLiteral("閉じる"), {568, 616, 100, 30});
    cmdClose->setFont(formFont(9.75, true));

    // Enter anywhere saves, the spin box included: a window has no default button.
    for (const Qt::Key key : {Qt::Key_Return, Qt::Key_Enter})
        connect(new QShortcut(QKeySequence(key), form), &QShortcut::activated, cmdSave,
            &QPushButton::click);

    connect(sldZoom, &QSlider::valueChanged, picOriginal, &PhotoFrameView::setZoom);
    connect(picOriginal, &PhotoFrameView::zoomChanged, sldZoom, &QSlider::setValue);
    connect(picOriginal, &PhotoFrameView::frameChanged, this, &frmPhoto::settingsChanged);
    connect(fitGroup, &QButtonGroup::buttonToggled, this, &frmPhoto::optFit_Toggled);
    connect(spnColors, &QSpinBox::valueChanged, this, &frmPhoto::settingsChanged);
    connect(chkDither, &QCheckBox::toggled, this, &frmPhoto::settingsChanged);
    for (QSlider *slider : {sldBrightness, sldContrast, sldSaturation})
        connect(slider, &QSlider::valueChanged, this, &frmPhoto::settingsChanged);
    connect(cmdBackground, &QPushButton::clicked, this, &frmPhoto::cmdBackground_Click);
    connect(cmdResetAdjustments, &QPushButton::clicked, this, &frmPhoto::cmdResetAdjustments_Click);
    connect(spnMinPieces, &QSpinBox::valueChanged, this, &frmPhoto::settingsChanged);
    connect(cmdOwnedColors, &QPushButton::clicked, this, &frmPhoto::cmdOwnedColors_Click);
    connect(cmdNoPalette, &QPushButton::clicked, this, &frmPhoto::cmdNoPalette_Click);
    connect(cmdSave, &QPushButton::clicked, this, &frmPhoto::cmdSave_Click);
    connect(cmdClose, &QPushButton::clicked, this, &frmPhoto::cmdClose_Click);
}
