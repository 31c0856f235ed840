// Where a board lies in a photo when no corners are given: the largest region
// that stands out from a plain background (a table, a sheet of paper), its
// outline straightened into four sides. The pieces must reach the board's
// edges (a full pegboard), as the corners are the outline's. Corners in pixels
// of the image given, clockwise from the one nearest the image's top-left.
#pragma once

#include "checkarea.h"

#include <QImage>
#include <QTransform>
#include <optional>

namespace check {

std::optional<Corners> findBoard(const QImage &photo);

// The perspective from the area's cells (x across, y down, one unit a cell,
// 0..width and 0..height) to the photo's pixels at the corners; identity when
// the corners admit none.
QTransform areaToPhoto(const Corners &corners, const Area &area);

} // namespace check
