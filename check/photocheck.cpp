#include "photocheck.h"

#include "boardfinder.h"
#include "colorfit.h"

#include <algorithm>
#include <cmath>

namespace check {

namespace {

// A JPEG is decoded at 1/2, 1/4 or 1/8 while it keeps this many pixels: a
// 29 x 29 board filling half of them still has 30 pixels a cell.
constexpr qint64 MinDecodedPixels = 2'500'000;

// The ring sampled in each cell, in cells from its centre: outside a fuse
// bead's hole (about 0.25), inside its edge (0.5) with room for blur and for
// corners a little off.
constexpr double RingRadii[] = {0.28, 0.34, 0.40};
constexpr int RingPoints = 16;

struct LinearTable
{
    float values[256];
    LinearTable()
    {
        for (int i = 0; i < 256; ++i)
            values[i] = float(linearOfSrgb(i / 255.0));
    }
};

class Sampler
{
public:
    explicit Sampler(const QImage &image)
        : m_image(image)
    { }

    // Bilinear, in linear light; false outside the image.
    bool sample(QPointF point, LinearRgb &rgb) const
    {
        static const LinearTable table;
        const double x = point.x() - 0.5, y = point.y() - 0.5;
        if (!(x >= 0 && y >= 0 && x < m_image.width() - 1 && y < m_image.height() - 1))
            return false;
        const int x0 = int(x), y0 = int(y);
        const double fx = x - x0, fy = y - y0;
        const uchar *row0 = m_image.constScanLine(y0) + 3 * x0;
        const uchar *row1 = m_image.constScanLine(y0 + 1) + 3 * x0;
        for (int c = 0; c < 3; ++c) {
            const double top = table.values[row0[c]] * (1 - fx) + table.values[row0[3 + c]] * fx;
            const double bottom = table.values[row1[c]] * (1 - fx) + table.values[row1[3 + c]] * fx;
            rgb[c] = top * (1 - fy) + bottom * fy;
        }
        return true;
    }

private:
    const QImage &m_image;
};

struct Reading
{
    std::vector<CellReading> readings;
    std::vector<QPoint> cells; // (column, row) of the picture, one a reading
};

// Each numbered cell's piece: the median of each channel over its ring, which
// a highlight, the hole or a neighbour's edge cannot move far.
Reading readCells(
    const chart::Chart &chart, const Area &area, const QImage &image, const Corners &corners)
{
    const QTransform toPhoto = areaToPhoto(corners, area);
    const Sampler sampler(image);
    Reading reading;
    std::vector<double> channel[3];
    for (int r = 0; r < area.height; ++r) {
        for (int c = 0; c < area.width; ++c) {
            const int number = chart.cell(area.row + r, area.column + c);
            if (number < 1 || number > chart.colorCount())
                continue;
            for (auto &values : channel)
                values.clear();
            for (double radius : RingRadii) {
                for (int k = 0; k < RingPoints; ++k) {
                    // Every other ring turned half a step, to cover the ring evenly.
                    const double angle
                        = (k + (radius == RingRadii[1] ? 0.5 : 0)) * 2 * M_PI / RingPoints;
                    LinearRgb rgb;
                    if (sampler.sample(toPhoto.map(QPointF(c + 0.5 + radius * std::cos(angle),
                                           r + 0.5 + radius * std::sin(angle))),
                            rgb)) {
                        for (int i = 0; i < 3; ++i)
                            channel[i].push_back(rgb[i]);
                    }
                }
            }
            if (channel[0].empty())
                continue;
            CellReading cell;
            cell.x = area.width > 1 ? 2.0 * (c + 0.5) / area.width - 1 : 0;
            cell.y = area.height > 1 ? 2.0 * (r + 0.5) / area.height - 1 : 0;
            for (int i = 0; i < 3; ++i) {
                auto middle = channel[i].begin() + channel[i].size() / 2;
                std::nth_element(channel[i].begin(), middle, channel[i].end());
                cell.observed[i] = *middle;
            }
            cell.expected = number - 1;
            reading.readings.push_back(cell);
            reading.cells.push_back(QPoint(area.column + c, area.row + r));
        }
    }
    return reading;
}

struct Attempt
{
    Reading reading;
    ColorJudgement judgement;
};

Attempt attempt(const chart::Chart &chart, const QList<QRgb> &colors, const Area &area,
    const QImage &image, const Corners &corners)
{
    Attempt result;
    result.reading = readCells(chart, area, image, corners);
    result.judgement = judgeColors(result.reading.readings, colors);
    return result;
}

} // namespace

LoadedPhoto loadPhoto(const QString &path)
{
    LoadedPhoto photo;
    const prepare::PictureSource source = prepare::openPictureSource(path);
    photo.status = source.status;
    photo.storedSize = source.storedSize;
    photo.limit = source.limit;
    photo.format = source.heifFormat;
    if (source.status != prepare::LoadStatus::Ok)
        return photo;
    prepare::DecodePlan plan;
    if (source.jpeg && source.storedSize.isValid()) {
        const qint64 pixels = qint64(source.storedSize.width()) * source.storedSize.height();
        while (plan.reduction < 8
            && pixels / (4 * plan.reduction * plan.reduction) >= MinDecodedPixels)
            plan.reduction *= 2;
    }
    prepare::DecodedPicture decoded = prepare::decodePicture(source, plan);
    photo.status = decoded.status;
    if (decoded.status == prepare::LoadStatus::TooLarge)
        photo.storedSize = decoded.sourceSize;
    if (decoded.status != prepare::LoadStatus::Ok)
        return photo;
    photo.fullSize = decoded.covered.size();
    photo.image = decoded.image.convertToFormat(QImage::Format_RGB888);
    if (photo.image.isNull() || photo.fullSize.isEmpty()) {
        photo.image = {};
        photo.status = prepare::LoadStatus::ConversionFailed;
    }
    return photo;
}

CheckResult checkPhoto(const chart::Chart &chart, const Area &area, const LoadedPhoto &photo,
    const std::optional<Corners> &givenCorners)
{
    using Status = CheckResult::Status;
    CheckResult result;
    if (photo.status != prepare::LoadStatus::Ok || photo.image.isNull()) {
        result.status = Status::PhotoUnusable;
        return result;
    }
    if (!areaInsidePicture(area)) {
        result.status = Status::AreaOutside;
        return result;
    }
    bool numbered = false;
    for (int r = 0; r < area.height && !numbered; ++r) {
        for (int c = 0; c < area.width && !numbered; ++c) {
            const int number = chart.cell(area.row + r, area.column + c);
            numbered = number >= 1 && number <= chart.colorCount();
        }
    }
    if (!numbered) {
        result.status = Status::NothingToCheck;
        return result;
    }
    const double scaleX = double(photo.image.width()) / photo.fullSize.width();
    const double scaleY = double(photo.image.height()) / photo.fullSize.height();
    const auto toImage = [&](Corners corners) {
        for (QPointF &corner : corners)
            corner = QPointF(corner.x() * scaleX, corner.y() * scaleY);
        return corners;
    };
    QList<QRgb> colors;
    for (const chart::ChartColor &color : chart.colors)
        colors.append(QRgb(color.rgb));

    Attempt best;
    Corners corners {};
    if (givenCorners) {
        switch (cornersFault(*givenCorners, photo.fullSize, area)) {
        case CornersFault::None:
            break;
        case CornersFault::Outside:
            result.status = Status::CornersOutside;
            return result;
        case CornersFault::Crossed:
            result.status = Status::CornersCrossed;
            return result;
        case CornersFault::TooSmall:
            result.status = Status::CornersTooSmall;
            return result;
        }
        corners = *givenCorners;
        best = attempt(chart, colors, area, photo.image, toImage(corners));
    } else {
        const std::optional<Corners> found = findBoard(photo.image);
        if (!found) {
            result.status = Status::BoardNotFound;
            return result;
        }
        // The board may lie turned on the table: each of its corners may be the
        // area's top-left, and the chart tells which fits.
        bool any = false;
        for (int turn = 0; turn < 4; ++turn) {
            Corners turned;
            for (int i = 0; i < 4; ++i) {
                const QPointF &p = (*found)[(i + turn) % 4];
                turned[i] = QPointF(p.x() / scaleX, p.y() / scaleY);
            }
            if (cornersFault(turned, photo.fullSize, area) != CornersFault::None)
                continue;
            Attempt candidate = attempt(chart, colors, area, photo.image, toImage(turned));
            if (!any || candidate.judgement.fitting > best.judgement.fitting) {
                best = std::move(candidate);
                corners = turned;
                any = true;
            }
        }
        result.cornersFound = true;
        if (!any) {
            result.status = Status::BoardNotFound;
            return result;
        }
    }
    result.corners = corners;
    result.cells = int(best.reading.readings.size());
    result.fitting = best.judgement.fitting;
    if (result.cells == 0 || result.fitting < MinFitting) {
        result.status = givenCorners ? Status::NoMatch : Status::BoardNotFound;
        return result;
    }
    for (std::size_t k = 0; k < best.judgement.cells.size(); ++k) {
        const CellVerdict &verdict = best.judgement.cells[k];
        if (verdict.wrong) {
            const QPoint cell = best.reading.cells[k];
            result.wrong.append(
                {cell.y(), cell.x(), best.reading.readings[k].expected + 1, verdict.nearest + 1});
        }
    }
    return result;
}

} // namespace check
