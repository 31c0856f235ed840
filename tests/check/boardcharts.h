// Charts of bead colours and the pieces laid from them, for the photo check's
// tests: known wrong pieces, each clearly another of the chart's colours.
#pragma once

#include "chart.h"
#include "checkarea.h"
#include "photocheck.h"

#include <QList>
#include <QRgb>

// Sixteen bead colours; 0 and 1 are a near pair (two reds of CIEDE2000 about 4).
QList<QRgb> beadColors();
// Every cell a colour of beadColors(), at random but reproducibly.
chart::Chart beadChart(unsigned seed);

struct LaidBoard
{
    QList<QRgb> pieces; // row after row over the area
    QList<check::WrongCell> wrong; // rows from the top, each left to right
};

// The area as laid, with `wrongCount` pieces of a colour clearly unlike the chart's.
LaidBoard layBoard(
    const chart::Chart &chart, const check::Area &area, int wrongCount, unsigned seed);

check::LoadedPhoto photoOf(const QImage &image);
