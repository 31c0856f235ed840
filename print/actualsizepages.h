// The chart printed at the size of its pieces, to lay under a transparent
// pegboard: every cell exactly one piece square in its colour, carrying its
// colour number in the colour that reads on it (numbers are left out below
// NumberedPieceSize, and the pages say so). A thick line every 10 cells with
// the block labels along the edges, the pegboard edges dashed, cut marks at the
// grid's corners and alignment crosses where a neighbour's shared column or row
// begins. The cover page maps the pages and carries a 100 mm check line.
//
// A chart cell outside 0..colors.size() throws IndexError; failures of the
// surface throw PrintError.
#pragma once

#include "actualsizeplan.h"

class PrintSurface;

namespace chart {
struct Chart;
}

namespace actualsize {

// Dots per inch of these pages: a cell's edges land within 0.02 mm of their
// exact places.
inline constexpr int Resolution = 1200;

// The printable areas of the paper in both orientations on this surface;
// leaves the paper set to it, in portrait.
struct PrintableAreas
{
    QSizeF portrait;
    QSizeF landscape;
};
PrintableAreas printableAreas(PrintSurface &surface, Paper paper);

// Sets up the paper for the options, in colour, in the orientation that needs
// fewer pages, for the document at documentPath; returns the plan of its pages.
Plan setUpActualSize(PrintSurface &surface, const Options &options, const QString &documentPath);

// Prints the pages and ends the document, on the paper as it is set up now
// (after setUpActualSize, and any printer dialog); returns the plan it printed
// by. Throws PrintError when not two cells fit across and down.
Plan printActualSize(PrintSurface &surface, const chart::Chart &chart, const Options &options);

} // namespace actualsize
