#include "buildsession.h"

#include "chartcounts.h"

#include <algorithm>

namespace chart {

BuildSession::BuildSession(const OpenedChart &opened)
    : m_picturePath(opened.picturePath)
    , m_chart(opened.chart)
    , m_keeper(opened)
    , m_remaining(remainingPieces(m_chart))
{
    moveToFirstNotDone();
}

void BuildSession::moveTo(BlockPlace place)
{
    m_current = {std::clamp(place.x, 0, BlocksAcross - 1), std::clamp(place.y, 0, BlocksDown - 1)};
}

void BuildSession::moveBy(int across, int down)
{
    moveTo({m_current.x + across, m_current.y + down});
}

void BuildSession::moveToFirstNotDone()
{
    m_current = nextBlockNotDone(m_chart, 0).value_or(BlockPlace {});
}

void BuildSession::chooseHighlight(int number)
{
    m_highlight = (number == m_highlight || number < 1 || number > m_chart.colorCount()) ? 0 : number;
}

void BuildSession::stepHighlight(int step)
{
    const int choices = m_chart.colorCount() + 1; // none, then 1..colorCount
    m_highlight = ((m_highlight + step) % choices + choices) % choices;
}

SaveResult BuildSession::toggleCurrentDone()
{
    const BlockPlace place = m_current;
    const bool nowDone = !m_chart.isDone(place);
    const SaveResult result = setDone({place}, nowDone);
    if (nowDone && m_chart.isDone(place)) {
        if (const auto next = nextBlockNotDone(m_chart, place.printIndex() + 1))
            m_current = *next;
    }
    return result;
}

SaveResult BuildSession::setDone(const QList<BlockPlace> &places, bool done)
{
    for (const BlockPlace place : places)
        m_chart.done.set(std::size_t(place.printIndex()), done);
    return saveChange();
}

SaveResult BuildSession::setBuilder(const QList<BlockPlace> &places, const QString &name)
{
    const QString trimmed = name.trimmed();
    for (const BlockPlace place : places) {
        if (trimmed.isEmpty())
            m_chart.builders.remove(place.printIndex());
        else
            m_chart.builders.insert(place.printIndex(), trimmed);
    }
    return saveChange();
}

SaveResult BuildSession::save()
{
    return saveChange();
}

SaveResult BuildSession::startAfresh()
{
    const SaveResult result = m_keeper.startAfresh(m_chart);
    m_unsaved = result.status != SaveStatus::Saved;
    return result;
}

QList<int> BuildSession::currentBlockPieces() const
{
    return blockPieces(m_chart, m_current);
}

SaveResult BuildSession::saveChange()
{
    const SaveResult result = m_keeper.save(m_chart);
    m_unsaved = result.status != SaveStatus::Saved;
    // A merge may have brought in another program's marks.
    m_remaining = remainingPieces(m_chart);
    return result;
}

} // namespace chart
