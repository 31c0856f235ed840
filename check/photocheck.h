// The check of a laid board: from a photo of an area of the chart, the cells
// whose piece is clearly another of the chart's colours. The photo is read as
// prepare reads pictures (every format, size limit and file check), decoded
// at a reduced size where that still gives many pixels a cell. Each cell is
// sampled on a ring around its centre, where a fuse bead's ring, a stud or a
// tile lies, not its hole nor the pegboard between; the colours are then
// corrected from the chart itself (see colorfit.h).
#pragma once

#include "chart.h"
#include "checkarea.h"
#include "picturesource.h"

#include <QImage>
#include <QList>
#include <optional>

namespace check {

struct LoadedPhoto
{
    prepare::LoadStatus status = prepare::LoadStatus::CannotOpen;
    QImage image; // upright, RGB888, perhaps reduced; null unless status is Ok
    QSize fullSize; // the upright photo's size, the pixels corners are given in
    QSize storedSize; // for TooLarge
    qint64 limit = 0; // for TooLarge and TooManyScans
    QString format; // for NoDecoder
};

LoadedPhoto loadPhoto(const QString &path);

struct WrongCell
{
    int row = 0; // of the picture, 1-based
    int column = 0;
    int expected = 0; // colour numbers
    int seen = 0;

    friend bool operator==(const WrongCell &, const WrongCell &) = default;
};

// The share of cells that must fit the chart for the photo to be its area.
inline constexpr double MinFitting = 0.6;

struct CheckResult
{
    enum class Status {
        Checked,
        PhotoUnusable, // LoadedPhoto::status tells why
        AreaOutside, // the area does not lie inside the 160 x 120 picture
        CornersOutside,
        CornersCrossed,
        CornersTooSmall,
        BoardNotFound, // no corners given, and no board found that fits the chart
        NoMatch, // the pieces within the corners given do not fit the chart's area
        NothingToCheck, // no cell of the area has a colour number (a picture of over 32 colours)
    };

    Status status = Status::Checked;
    Corners corners {}; // given or found, in the photo's full-size pixels
    bool cornersFound = false;
    int cells = 0; // cells checked: those with a colour number
    double fitting = 0; // the share of them that fit the chart's colour
    QList<WrongCell> wrong; // rows from the top, each left to right
};

CheckResult checkPhoto(const chart::Chart &chart, const Area &area, const LoadedPhoto &photo,
    const std::optional<Corners> &corners);

} // namespace check
