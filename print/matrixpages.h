// The colour-number matrix on paper: one block of 10 x 10 cells per page, each
// number in a 16 x 16 box, the block's label above the grid.
//
// A block (X, Y), X = 0..15 and Y = 0..11, covers columns 10X + 1 .. 10X + 10
// and rows 10Y + 1 .. 10Y + 10. A block outside the matrix throws IndexError
// once its first cell is read. The paper must be set up already.
#pragma once

#include <QString>

class PrintSurface;
struct modShared;

// Where the whole matrix goes when the system has no printer.
inline constexpr char MatrixAllDocumentName[] = "ColorMatrixAll.pdf";

// "A1" .. "P12": the block's letter and number.
QString blockLabel(int blockX, int blockY);
// "ColorMatrix_A1.pdf": where one block page goes when the system has no printer.
QString matrixPageDocumentName(int blockX, int blockY);

// One document of one page, the heading on it.
void printMatrixPage(PrintSurface &surface, const modShared &model, int blockX, int blockY);
// One document of 192 pages, strip by strip from the left, each strip from the
// top (A 1, A 2, ... P 12); the heading on the first page only.
void printMatrixAll(PrintSurface &surface, const modShared &model);
