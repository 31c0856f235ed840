// What is left to lay: pieces per colour number in all, in the blocks not
// done, and in one block. Index 0 of each list counts the cells without a
// colour number; index n (1..colorCount) colour number n.
#pragma once

#include "chart.h"

#include <QList>
#include <QStringList>
#include <optional>

namespace chart {

// Pieces of each colour number in one block.
QList<int> blockPieces(const Chart &chart, BlockPlace place);
// Pieces of each colour number in the blocks not done.
QList<int> remainingPieces(const Chart &chart);
// Pieces of each colour number in the given blocks.
QList<int> piecesInBlocks(const Chart &chart, const QList<BlockPlace> &places);

int doneBlockCount(const Chart &chart);
// The first block not done in print order at or after start, wrapping round;
// nothing when every block is done.
std::optional<BlockPlace> nextBlockNotDone(const Chart &chart, int startPrintIndex);
// The blocks a builder has, in print order.
QList<BlockPlace> blocksOfBuilder(const Chart &chart, const QString &name);
// The builders' names, sorted, each once.
QStringList builderNames(const Chart &chart);

} // namespace chart
