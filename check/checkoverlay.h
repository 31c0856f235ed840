// The photo with the check's result drawn on it: the area's outline, and each
// wrong cell circled with the colour it should be beside it. At most
// MaxOverlaySide pixels on the longer side, as a PNG of a full 12-megapixel
// photo would take long to write and to open.
#pragma once

#include "chart.h"
#include "checkarea.h"
#include "photocheck.h"

#include <QImage>
#include <QString>

namespace check {

inline constexpr int MaxOverlaySide = 2400;

QImage overlayImage(const chart::Chart &chart, const Area &area, const LoadedPhoto &photo,
    const CheckResult &result);

enum class OverlayWrite { Done, CreateFailed, WriteFailed };

// As a PNG through the safe writer: an earlier file of that name is kept on failure.
OverlayWrite writeOverlay(const QImage &overlay, const QString &path);

} // namespace check
