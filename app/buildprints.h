// The prints of the 「制作」 window: the overview sheet with the chart's names,
// and the pages of chosen blocks with their keys. Each runs the printer
// dialog, prints in colour into documentPath where no printer takes it, tells
// where such a PDF went, and shows any failure, a cancel included, in the
// error trap's message box, as the colour window's sample sheet does.
#pragma once

#include "blockplace.h"

#include <QList>
#include <QString>

class Dialogs;
class PrintSurface;

namespace chart {
struct Chart;
}

// Whether the pages were printed.
bool printOverviewOfChart(Dialogs &dialogs, PrintSurface &printer, const chart::Chart &chart,
    const QString &documentPath);
bool printBlocksOfChart(Dialogs &dialogs, PrintSurface &printer, const chart::Chart &chart,
    const QList<chart::BlockPlace> &blocks, const QString &documentPath);
