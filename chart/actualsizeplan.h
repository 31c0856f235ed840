// How a chart printed at the size of its pieces splits over pages: each cell
// exactly one piece wide, the picture tiled over as many pages as it needs in
// the orientation that needs fewer, a cover page first.
//
// Neighbouring pages share one column (or row): the later page shows it shaded
// and without numbers, so every number is printed once and the sheets can be
// laid over each other. Lengths are millimetres on the printable area; columns
// and rows are 1-based as in the matrix.
#pragma once

#include <QList>
#include <QSizeF>
#include <QString>
#include <QStringView>
#include <optional>

namespace actualsize {

inline constexpr double MinPieceSize = 1;
inline constexpr double MaxPieceSize = 50;
// Below this the numbers would be too small to read and are left out.
inline constexpr double NumberedPieceSize = 2.5;
inline constexpr int MinBoard = 2;
inline constexpr int MaxBoard = 160;

// Room around a page's grid: for the cut and alignment marks on every side,
// the block labels left of and above it, and the page's heading on top.
inline constexpr double MarkBand = 4;
inline constexpr double LabelBand = 5;
inline constexpr double HeadingBand = 8;

enum class Paper { A4, A3 };

struct Options
{
    double pieceSize = 5;
    Paper paper = Paper::A4;
    int board = 0; // pegboard edges every board cells; 0 for none
    QString title; // the picture's file name, for the headings
};

struct Tile
{
    int across = 1; // 1-based place among the pages, left to right
    int down = 1; // and top to bottom
    int firstColumn = 1; // the cells drawn, shared ones included
    int lastColumn = 1;
    int firstRow = 1;
    int lastRow = 1;
    bool sharesColumn = false; // firstColumn is the left neighbour's last
    bool sharesRow = false; // firstRow is the upper neighbour's last

    int firstNumberedColumn() const { return firstColumn + (sharesColumn ? 1 : 0); }
    int firstNumberedRow() const { return firstRow + (sharesRow ? 1 : 0); }
    int columns() const { return lastColumn - firstColumn + 1; }
    int rows() const { return lastRow - firstRow + 1; }
};

struct Plan
{
    bool landscape = false;
    double pieceSize = 5;
    int tilesAcross = 0;
    int tilesDown = 0;
    QList<Tile> tiles; // in page order, row by row from the top left

    // The cover page and one page per tile.
    int pageCount() const { return 1 + int(tiles.size()); }
};

// The tiles of a columns x rows picture on pages whose printable area is
// given; no tiles when not even two cells fit across or down.
Plan planTiles(QSizeF printableArea, double pieceSize, int columns, int rows, bool landscape);
// The plan of the two orientations that needs fewer pages; portrait when even.
Plan choosePlan(QSizeF portraitArea, QSizeF landscapeArea, double pieceSize, int columns, int rows);

// A piece size as typed: a number of millimetres from MinPieceSize to
// MaxPieceSize with at most two decimals ("5", "2.6"); nothing otherwise.
std::optional<double> parsePieceSize(QStringView text);
// "2.6", "5": the size as file names and headings show it.
QString pieceSizeText(double pieceSize);
// "fruits-2.6mm.pdf" for the picture's base name "fruits".
QString documentName(const QString &baseName, double pieceSize);

} // namespace actualsize
