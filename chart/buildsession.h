// One chart being built, as the 「制作」 window works on it: the block shown,
// the highlighted colour, the marks and builders, each change saved at once.
// A save that fails keeps the state here and is tried again with the next
// change, so nothing marked is lost while the folder is unwritable.
#pragma once

#include "chartstore.h"

#include <QList>
#include <optional>

namespace chart {

class BuildSession
{
public:
    explicit BuildSession(const OpenedChart &opened);

    const Chart &chart() const { return m_chart; }
    const QString &picturePath() const { return m_picturePath; }
    const QString &chartPath() const { return m_keeper.chartPath(); }

    BlockPlace current() const { return m_current; }
    void moveTo(BlockPlace place);
    // One block across and down, clamped at the picture's edges as the matrix
    // window's arrows are.
    void moveBy(int across, int down);
    // The first block not done in print order; the first block when all are.
    void moveToFirstNotDone();

    // 0 for none, else the colour number whose cells stand out.
    int highlight() const { return m_highlight; }
    // Choosing the highlighted colour again clears it.
    void chooseHighlight(int number);
    // The next (step 1) or previous (step -1) colour number, round through none.
    void stepHighlight(int step);
    void clearHighlight() { m_highlight = 0; }

    // Marks the current block done, or not done again when it was, and moves
    // on to the next block not done in print order after a mark.
    SaveResult toggleCurrentDone();
    SaveResult setDone(const QList<BlockPlace> &places, bool done);
    // An empty name takes the builder off the blocks.
    SaveResult setBuilder(const QList<BlockPlace> &places, const QString &name);
    // Writes the state again (after a failed save, or to take in another
    // program's marks).
    SaveResult save();
    // For a chart file that could not be used: keeps it as ".bak" and writes
    // this chart in its place.
    SaveResult startAfresh();

    // Pieces per colour number, index 0 the cells without one.
    const QList<int> &remaining() const { return m_remaining; }
    QList<int> currentBlockPieces() const;
    // A save failed and the state here is newer than the file.
    bool unsaved() const { return m_unsaved; }

private:
    SaveResult saveChange();

    QString m_picturePath;
    Chart m_chart;
    ChartKeeper m_keeper;
    BlockPlace m_current;
    int m_highlight = 0;
    QList<int> m_remaining;
    bool m_unsaved = false;
};

} // namespace chart
