// The matrix window's controls as they are before its load handler runs.
#include "formcontrols.h"
#include "frmmatrix.h"
#include "icons.h"

#include <QLabel>
#include <QPushButton>
#include <QShortcut>

namespace {

QPushButton *addArrowButton(
    QWidget *form, const QString &name, ArrowDirection direction, const QRect &rect)
{
    QPushButton *button = addButton(form, name, QString(), rect);
    button->setIcon(triangleIcon(direction));
    button->setIconSize(QSize(32, 32));
    return button;
}

QLabel *addHeaderLabel(QWidget *form, const QString &name, const QRect &rect)
{
    QLabel *label = addLabel(form, name, QString(), rect);
    label->setFont(formFont(15.75, true));
    label->setAlignment(Qt::AlignCenter);
    setSingleBorder(label);
    useWindowColors(label);
    return label;
}

} // namespace

void frmMatrix::createControls(QWidget *form)
{
    // The cells run down the columns; 495 twips at a pitch of 480, so
    // neighbours share one border line.
    for (int k = 0; k < Cells; ++k) {
        QLabel *cell = addLabel(form, controlArrayName("lblP", k), QStringLiteral("Label1"),
            twipsRect(960 + 480 * (k / 10), 720 + 480 * (k % 10), 495, 495));
        cell->setFont(formFont(12, true));
        cell->setAlignment(Qt::AlignCenter);
        setSingleBorder(cell);
        useWindowColors(cell);
        lblP[k] = cell;
    }

    cmdLeft = addArrowButton(
        form, QStringLiteral("cmdLeft"), ArrowDirection::Left, twipsRect(960, 120, 495, 495));
    cmdRight = addArrowButton(
        form, QStringLiteral("cmdRight"), ArrowDirection::Right, twipsRect(5280, 120, 495, 495));
    lblCol = addHeaderLabel(form, QStringLiteral("lblCol"), twipsRect(3000, 240, 735, 375));
    cmdUp = addArrowButton(
        form, QStringLiteral("cmdUp"), ArrowDirection::Up, twipsRect(360, 720, 495, 495));
    lblRow = addHeaderLabel(form, QStringLiteral("lblRow"), twipsRect(240, 3000, 615, 495));
    cmdDown = addArrowButton(
        form, QStringLiteral("cmdDown"), ArrowDirection::Down, twipsRect(360, 5040, 495, 495));
    cmdOnePrint = addButton(
        form, QStringLiteral("cmdOnePrint"), QString(), twipsRect(6120, 2400, 2175, 1455));
    cmdPrintMatrix = addButton(form, QStringLiteral("cmdPrintMatrix"),
        QStringLiteral("色番号表の全印刷 ［用紙A4縦］"), twipsRect(960, 6120, 3255, 495));
    addPicture(form, QStringLiteral("Image1"), mosaicPicture(48), twipsRect(7560, 5280, 720, 720));
    cmdClose = addButton(form, QStringLiteral("cmdClose"), QStringLiteral("戻　る"),
        twipsRect(6960, 6120, 1575, 495));
    cmdClose->setFont(formFont(11.25, true));

    QWidget *focusOrder[]
        = {cmdPrintMatrix, cmdClose, cmdLeft, cmdRight, cmdUp, cmdDown, cmdOnePrint};
    for (size_t k = 1; k < std::size(focusOrder); ++k)
        setTabOrder(focusOrder[k - 1], focusOrder[k]);

    // Ours, in the free space under the one-page print; last in the tab order.
    cmdBuild = addButton(form, QStringLiteral("cmdBuild"), QStringLiteral("制作モード…"),
        twipsRect(6120, 4080, 2175, 495));
    setTabOrder(cmdOnePrint, cmdBuild);

    connect(cmdBuild, &QPushButton::clicked, this, &frmMatrix::cmdBuild_Click);
    connect(cmdLeft, &QPushButton::clicked, this, &frmMatrix::cmdLeft_Click);
    connect(cmdRight, &QPushButton::clicked, this, &frmMatrix::cmdRight_Click);
    connect(cmdUp, &QPushButton::clicked, this, &frmMatrix::cmdUp_Click);
    connect(cmdDown, &QPushButton::clicked, this, &frmMatrix::cmdDown_Click);
    connect(cmdOnePrint, &QPushButton::clicked, this, &frmMatrix::cmdOnePrint_Click);
    connect(cmdPrintMatrix, &QPushButton::clicked, this, &frmMatrix::cmdPrintMatrix_Click);
    connect(cmdClose, &QPushButton::clicked, this, &frmMatrix::cmdClose_Click);

    // Keys beside the buttons, as shortcuts so that a focused button does not
    // take the arrows to move the focus.
    const std::pair<Qt::Key, void (frmMatrix::*)()> keys[] = {
        {Qt::Key_Left, &frmMatrix::cmdLeft_Click},
        {Qt::Key_Right, &frmMatrix::cmdRight_Click},
        {Qt::Key_Up, &frmMatrix::cmdUp_Click},
        {Qt::Key_Down, &frmMatrix::cmdDown_Click},
        {Qt::Key_Home, &frmMatrix::showFirstBlock},
    };
    for (const auto &[key, handler] : keys)
        connect(new QShortcut(key, form), &QShortcut::activated, this, handler);
}
