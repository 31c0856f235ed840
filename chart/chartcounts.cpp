#include "chartcounts.h"

#include <algorithm>

namespace chart {

namespace {

void addBlock(const Chart &chart, BlockPlace place, QList<int> &counts)
{
    // The matrix is stored a column at a time: one block is ten runs of ten.
    const int16_t *cells = chart.cells.data();
    for (int column = place.firstColumn(); column < place.firstColumn() + 10; ++column) {
        const int16_t *run = cells + (column - 1) * Chart::Rows + (place.firstRow() - 1);
        for (int row = 0; row < 10; ++row) {
            const int number = run[row];
            // A number past the colours (a chart built by hand) counts as none.
            ++counts[number >= 0 && number < counts.size() ? number : 0];
        }
    }
}

} // namespace

QList<int> blockPieces(const Chart &chart, BlockPlace place)
{
    QList<int> counts(chart.colorCount() + 1, 0);
    addBlock(chart, place, counts);
    return counts;
}

QList<int> remainingPieces(const Chart &chart)
{
    QList<int> counts(chart.colorCount() + 1, 0);
    for (int index = 0; index < BlockTotal; ++index) {
        if (!chart.done.test(std::size_t(index)))
            addBlock(chart, BlockPlace::fromPrintIndex(index), counts);
    }
    return counts;
}

QList<int> piecesInBlocks(const Chart &chart, const QList<BlockPlace> &places)
{
    QList<int> counts(chart.colorCount() + 1, 0);
    for (const BlockPlace place : places)
        addBlock(chart, place, counts);
    return counts;
}

int doneBlockCount(const Chart &chart)
{
    return int(chart.done.count());
}

std::optional<BlockPlace> nextBlockNotDone(const Chart &chart, int startPrintIndex)
{
    for (int step = 0; step < BlockTotal; ++step) {
        const int index = ((startPrintIndex + step) % BlockTotal + BlockTotal) % BlockTotal;
        if (!chart.done.test(std::size_t(index)))
            return BlockPlace::fromPrintIndex(index);
    }
    return std::nullopt;
}

QList<BlockPlace> blocksOfBuilder(const Chart &chart, const QString &name)
{
    QList<BlockPlace> places;
    for (auto it = chart.builders.begin(); it != chart.builders.end(); ++it) {
        if (it.value() == name)
            places.append(BlockPlace::fromPrintIndex(it.key()));
    }
    return places; // QMap keeps print order
}

QStringList builderNames(const Chart &chart)
{
    QStringList names;
    for (const QString &name : chart.builders)
        names.append(name);
    names.sort();
    names.removeDuplicates();
    return names;
}

} // namespace chart
