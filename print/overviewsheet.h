// The overview for laying one picture as a group, a block each: a map of the
// whole picture with every block's place and label, then for every block the
// pieces to fetch.
//
// Page 1 draws each pixel as a filled cell of its colour, one unit (about a
// millimetre) square, under the bold 16 x 12 block grid; a cell without a
// colour number stays white with a thin cross. The pages after it list the
// blocks in print order (A 1 .. A 12, B 1 .. P 12), each with a swatch and
// "n×c" per colour number, two columns to a page; an entry never breaks
// across a column or a page. Given the names of the colours (from the user's
// palette file), the first list page begins with a key of every colour:
// number, swatch, name and pieces. A cell holding a number outside 0..32
// throws IndexError; failures of the surface throw PrintError.
#pragma once

#include <QStringList>

class PrintSurface;
struct modShared;

namespace chart {
struct Chart;
}

// The overview's file name.
inline constexpr char OverviewDocumentName[] = "ColorMatrixOverview.pdf";

// Prints the overview and ends the document; the paper must be set up already,
// in colour. names: none, or one for each colour number 1..colorMax (the
// first for colour 1), empty for a colour without a name.
void printOverview(PrintSurface &surface, const modShared &model, const QStringList &names = {});
// The overview of a chart, headed by its picture's path; the key names the
// colours by their names and codes, when any colour has one.
void printOverview(PrintSurface &surface, const chart::Chart &chart);
