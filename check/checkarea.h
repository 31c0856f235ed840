// The part of a chart a photo shows, and where it lies in the photo. Cells are
// 1-based as in the matrix (row 1 at the top, column 1 at the left); corners
// are in pixels of the upright photo at its full size, the outer corners of
// the area's top-left, top-right, bottom-right and bottom-left cells.
#pragma once

#include "blockplace.h"

#include <QPointF>
#include <QSize>
#include <array>

namespace check {

struct Area
{
    int column = 1;
    int row = 1;
    int width = 0;
    int height = 0;

    int cellCount() const { return width * height; }
    friend bool operator==(const Area &, const Area &) = default;
};

Area blockArea(chart::BlockPlace place);
// At least one cell, and every cell inside the 160 x 120 picture.
bool areaInsidePicture(const Area &area);

using Corners = std::array<QPointF, 4>;

// Below this a cell's piece cannot be told from its neighbours.
inline constexpr double MinCellPixels = 4;

enum class CornersFault {
    None,
    Outside, // a corner lies outside the photo
    Crossed, // not a convex quadrilateral going round top-left, top-right, bottom-right,
             // bottom-left
    TooSmall, // a cell would be less than MinCellPixels across
};

CornersFault cornersFault(const Corners &corners, QSize photoSize, const Area &area);

} // namespace check
