// 「持っている色を選ぶ」: every colour of a piece set with a tick box (swatch,
// code, name), for the user to untick the colours they have not got;
// 「すべて」 ticks them all again. OK stays off while nothing is ticked.
#pragma once

#include "palettefile.h"

#include <QDialog>

class QListWidget;
class QPushButton;

// Said wherever a set is chosen: the set's colours are measurements.
QString measuredColorsNote();

class OwnedColorsDialog : public QDialog
{
    Q_OBJECT
public:
    // owned: one a colour, true for ticked.
    OwnedColorsDialog(const QString &setName, const QList<PaletteColor> &colors,
        const QList<bool> &owned, QWidget *parent = nullptr);

    QList<bool> owned() const;

private:
    void showOkState();

    QListWidget *lstColors = nullptr;
    QPushButton *cmdOk = nullptr;
};
