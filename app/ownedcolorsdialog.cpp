#include "ownedcolorsdialog.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QListWidget>
#include <QPixmap>
#include <QPushButton>
#include <QVBoxLayout>

QString measuredColorsNote()
{
    return QStringLiteral("セットの色は本物のピースを測ったもので、実物と少しちがうことがあります"
                          "（透明やラメのピースはとくに）。");
}

OwnedColorsDialog::OwnedColorsDialog(const QString &setName, const QList<PaletteColor> &colors,
    const QList<bool> &owned, QWidget *parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("dlgOwnedColors"));
    setWindowTitle(QStringLiteral("持っている色を選ぶ（%1）").arg(setName));
    auto *layout = new QVBoxLayout(this);
    auto *note = new QLabel(
        QStringLiteral("持っていない色のチェックを外してください。") + measuredColorsNote(), this);
    note->setObjectName(QStringLiteral("lblOwnedNote"));
    note->setWordWrap(true);
    layout->addWidget(note);

    lstColors = new QListWidget(this);
    lstColors->setObjectName(QStringLiteral("lstColors"));
    for (qsizetype k = 0; k < colors.size(); ++k) {
        QPixmap swatch(16, 16);
        swatch.fill(QColor::fromRgb(colors[k].rgb));
        auto *item = new QListWidgetItem(
            QIcon(swatch), colors[k].code + QStringLiteral("　") + colors[k].name, lstColors);
        item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsUserCheckable);
        item->setCheckState(owned.value(k, true) ? Qt::Checked : Qt::Unchecked);
    }
    layout->addWidget(lstColors);

    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    cmdOk = buttons->button(QDialogButtonBox::Ok);
    auto *all = buttons->addButton(QStringLiteral("すべて"), QDialogButtonBox::ResetRole);
    all->setObjectName(QStringLiteral("cmdAll"));
    layout->addWidget(buttons);
    resize(360, 480);

    connect(all, &QPushButton::clicked, this, [this] {
        for (int k = 0; k < lstColors->count(); ++k)
            lstColors->item(k)->setCheckState(Qt::Checked);
    });
    connect(lstColors, &QListWidget::itemChanged, this, &OwnedColorsDialog::showOkState);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    showOkState();
}

QList<bool> OwnedColorsDialog::owned() const
{
    QList<bool> result;
    for (int k = 0; k < lstColors->count(); ++k)
        result.append(lstColors->item(k)->checkState() == Qt::Checked);
    return result;
}

void OwnedColorsDialog::showOkState()
{
    cmdOk->setEnabled(owned().contains(true));
}
