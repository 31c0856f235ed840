// 「実寸で印刷…」 as a window runs it: the question names the paper and the page
// count, then the printer dialog, the pages, and where a PDF took the
// printer's place. A cancel or a failure ends in the error trap's message.
#pragma once

#include "actualsizeplan.h"

class Dialogs;
class PrintSurface;

namespace chart {
struct Chart;
}

// The question before printing: 「印刷を実行しますか？（用紙：A4 横、全 13 ページ）」.
QString actualSizeQuestion(const actualsize::Options &options, const actualsize::Plan &plan);

// Prints the chart at options' piece size into documentPath where no printer
// takes it; returns whether the pages were printed.
bool printChartAtActualSize(Dialogs &dialogs, PrintSurface &printer, const chart::Chart &chart,
    const actualsize::Options &options, const QString &documentPath);
