// Pieces per block: for each 10 x 10 block of the picture, how many cells of
// each colour number it holds, so whoever lays that block knows what to fetch.
//
// A block (X, Y), X = 0..15 and Y = 0..11, covers columns 10X + 1 .. 10X + 10
// and rows 10Y + 1 .. 10Y + 10; its label is the letter and the number with a
// space between, "A 1" .. "P 12", as the block's matrix page prints it.
// Colour number 0 counts the cells whose colour got no number. A cell holding
// a number outside 0..32 throws IndexError.
#pragma once

#include "modshared.h"

#include <QJsonArray>
#include <QList>
#include <QString>

struct PieceCount
{
    int color = 0;
    int count = 0;
};

struct BlockCount
{
    QString label;
    // Ascending colour numbers, 0 first when present; only numbers the block holds.
    QList<PieceCount> pieces;
};

inline constexpr int BlocksAcross = PixelColorMatrix::Columns / 10;
inline constexpr int BlocksDown = PixelColorMatrix::Rows / 10;

// "A 1" .. "P 12".
QString blockCaption(int blockX, int blockY);

// The counts of one block.
BlockCount blockCount(const modShared &model, int blockX, int blockY);
// All 192 blocks in print order: strip by strip from the left, each strip from
// the top (A 1 .. A 12, B 1 .. P 12).
QList<BlockCount> blockCounts(const modShared &model);

// "22×19": the colour number and its count.
QString pieceCountText(const PieceCount &piece);
// "H 6  22×19  25×17  26×64": the label, then two spaces before each piece count.
QString blockCountLine(const BlockCount &block);
// One line per block in print order, each ended by LF.
QString blockCountList(const modShared &model);
// One object per block in print order:
// {"label": "A 1", "counts": {"0": 4, "3": 96}}, keyed by colour number (a JSON
// object keeps no order: QJsonDocument writes the keys sorted as text).
QJsonArray blockCountJson(const modShared &model);
