#include "checksession.h"

#include "checkoverlay.h"
#include "checktext.h"

namespace check {

CheckSession::CheckSession(const chart::Chart &chart, const Area &area)
    : m_chart(chart)
    , m_area(area)
{ }

bool CheckSession::openPhoto(const QString &path)
{
    m_path = path;
    m_photo = loadPhoto(path);
    m_result = checkPhoto(m_chart, m_area, m_photo, std::nullopt);
    if (m_result.status == CheckResult::Status::PhotoUnusable)
        return false;
    if (m_result.status == CheckResult::Status::Checked) {
        m_corners = m_result.corners;
    } else {
        const QSizeF size = m_photo.fullSize;
        const double x = 0.1 * size.width(), y = 0.1 * size.height();
        m_corners = {QPointF(x, y), QPointF(size.width() - x, y),
            QPointF(size.width() - x, size.height() - y), QPointF(x, size.height() - y)};
    }
    return true;
}

void CheckSession::checkWithCorners(const Corners &corners)
{
    m_corners = corners;
    m_result = checkPhoto(m_chart, m_area, m_photo, corners);
}

QString CheckSession::failureText() const
{
    return checkFailureText(m_result, m_photo, m_path,
        QStringLiteral("写真の上の四つの角を、ボードの四隅のマスの外側の角までドラッグしてから、"
                       "「確かめる」をクリックしてください。"));
}

QImage CheckSession::overlay() const
{
    if (!checked())
        return m_photo.image;
    return overlayImage(m_chart, m_area, m_photo, m_result);
}

} // namespace check
