// Block pages for sharing out the work: one A4 page for each block given, in
// print order (A 1 .. A 12, B 1 .. P 12), so that whoever takes a few blocks
// has each on a sheet of its own. A page shows the block's label and builder,
// its 10 x 10 cells filled with their colours, each carrying its colour number
// in the colour that reads on it, and a key of the colours the block holds:
// number, swatch, name, code and pieces. A cell without a colour number stays
// white and blank; the key counts such cells last.
//
// A chart cell outside 0..colors.size() throws IndexError; no block at all,
// and failures of the surface, throw PrintError.
#pragma once

#include "blockplace.h"

#include <QList>

class PrintSurface;

namespace chart {
struct Chart;
}

// Where the block pages go when the system has no printer.
inline constexpr char BlockPagesDocumentName[] = "ColorMatrixBlocks.pdf";
// What PrintError says for no block, UTF-8.
inline constexpr char NoBlockText[] = "印刷するブロックが選ばれていません。";

// Prints the pages, each block once, and ends the document; the paper must be
// set up already, in colour.
void printBlockPages(
    PrintSurface &surface, const chart::Chart &chart, QList<chart::BlockPlace> blocks);
