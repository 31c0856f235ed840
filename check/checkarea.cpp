#include "checkarea.h"

#include "chart.h"

#include <QLineF>
#include <algorithm>

namespace check {

Area blockArea(chart::BlockPlace place)
{
    return {place.firstColumn(), place.firstRow(), 10, 10};
}

bool areaInsidePicture(const Area &area)
{
    return area.width >= 1 && area.height >= 1 && area.column >= 1 && area.row >= 1
        && area.width <= chart::Chart::Columns && area.height <= chart::Chart::Rows
        && area.column <= chart::Chart::Columns - area.width + 1
        && area.row <= chart::Chart::Rows - area.height + 1;
}

CornersFault cornersFault(const Corners &corners, QSize photoSize, const Area &area)
{
    for (const QPointF &corner : corners) {
        // Written so that NaN fails too.
        if (!(corner.x() >= 0 && corner.y() >= 0 && corner.x() <= photoSize.width()
                && corner.y() <= photoSize.height()))
            return CornersFault::Outside;
    }
    // With y down, going round clockwise turns right at every corner: each
    // cross product is positive.
    for (int i = 0; i < 4; ++i) {
        const QPointF a = corners[(i + 1) % 4] - corners[i];
        const QPointF b = corners[(i + 2) % 4] - corners[(i + 1) % 4];
        if (a.x() * b.y() - a.y() * b.x() <= 0)
            return CornersFault::Crossed;
    }
    const double across
        = std::min(QLineF(corners[0], corners[1]).length(), QLineF(corners[3], corners[2]).length())
        / area.width;
    const double down
        = std::min(QLineF(corners[0], corners[3]).length(), QLineF(corners[1], corners[2]).length())
        / area.height;
    if (std::min(across, down) < MinCellPixels)
        return CornersFault::TooSmall;
    return CornersFault::None;
}

} // namespace check
