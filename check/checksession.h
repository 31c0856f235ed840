// One check as a window holds it: the chart and its area, the photo opened,
// the corners in use (found, or as the user placed them) and the last result.
// No widgets, so that tests drive it as the window does.
#pragma once

#include "chart.h"
#include "checkarea.h"
#include "photocheck.h"

#include <QImage>
#include <QString>

namespace check {

class CheckSession
{
public:
    CheckSession(const chart::Chart &chart, const Area &area);

    // Opens the photo and checks it with the corners found. False when the
    // photo cannot be read (failureText() says why); a board not found is
    // no failure: the corners then start a little inside the photo's edges,
    // for the user to drag onto the board.
    bool openPhoto(const QString &path);
    // Checks again with the given corners, in the photo's full-size pixels.
    void checkWithCorners(const Corners &corners);

    const LoadedPhoto &photo() const { return m_photo; }
    const CheckResult &result() const { return m_result; }
    const Corners &corners() const { return m_corners; }
    bool checked() const { return m_result.status == CheckResult::Status::Checked; }
    // Empty after a check; else the message, how to place the corners included.
    QString failureText() const;
    // The photo with the result drawn on it; the photo alone before a check.
    QImage overlay() const;

private:
    chart::Chart m_chart;
    Area m_area;
    QString m_path;
    LoadedPhoto m_photo;
    CheckResult m_result;
    Corners m_corners {};
};

} // namespace check
