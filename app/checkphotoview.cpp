#include "checkphotoview.h"

#include <QLineF>
#include <QMouseEvent>
#include <QPainter>
#include <algorithm>

CheckPhotoView::CheckPhotoView(QWidget *parent)
    : QWidget(parent)
{
    setMouseTracking(false);
}

void CheckPhotoView::setPhoto(const QImage &image, QSize fullSize)
{
    m_image = image;
    m_fullSize = fullSize;
    update();
}

void CheckPhotoView::setCorners(const check::Corners &corners)
{
    m_corners = corners;
    update();
}

QRectF CheckPhotoView::shownPhoto() const
{
    if (m_fullSize.isEmpty())
        return {};
    const QSizeF shown = QSizeF(m_fullSize).scaled(QSizeF(size()), Qt::KeepAspectRatio);
    return QRectF(QPointF((width() - shown.width()) / 2, (height() - shown.height()) / 2), shown);
}

QPointF CheckPhotoView::shownAt(QPointF photoPoint) const
{
    const QRectF shown = shownPhoto();
    if (shown.isEmpty())
        return {};
    return shown.topLeft()
        + QPointF(photoPoint.x() * shown.width() / m_fullSize.width(),
            photoPoint.y() * shown.height() / m_fullSize.height());
}

void CheckPhotoView::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.fillRect(rect(), palette().window());
    const QRectF shown = shownPhoto();
    if (shown.isEmpty() || m_image.isNull())
        return;
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(shown, m_image);
    painter.setRenderHint(QPainter::Antialiasing);
    QPolygonF outline;
    for (const QPointF &corner : m_corners)
        outline << shownAt(corner);
    painter.setPen(QPen(QColor(255, 220, 0), 1.5, Qt::DashLine));
    painter.drawPolygon(outline);
    painter.setPen(QPen(Qt::black, 1.5));
    painter.setBrush(QColor(255, 220, 0));
    for (const QPointF &point : outline)
        painter.drawEllipse(point, HandleRadius, HandleRadius);
}

void CheckPhotoView::mousePressEvent(QMouseEvent *event)
{
    m_dragged = -1;
    m_moved = false;
    double nearest = 3 * HandleRadius;
    for (int i = 0; i < 4; ++i) {
        const double distance = QLineF(shownAt(m_corners[i]), event->position()).length();
        if (distance <= nearest) {
            nearest = distance;
            m_dragged = i;
        }
    }
}

void CheckPhotoView::mouseMoveEvent(QMouseEvent *event)
{
    const QRectF shown = shownPhoto();
    if (m_dragged < 0 || shown.isEmpty())
        return;
    const QPointF at = event->position() - shown.topLeft();
    m_corners[m_dragged] = QPointF(
        std::clamp(at.x() * m_fullSize.width() / shown.width(), 0.0, double(m_fullSize.width())),
        std::clamp(
            at.y() * m_fullSize.height() / shown.height(), 0.0, double(m_fullSize.height())));
    m_moved = true;
    update();
}

void CheckPhotoView::mouseReleaseEvent(QMouseEvent *)
{
    const bool moved = m_dragged >= 0 && m_moved;
    m_dragged = -1;
    if (moved)
        emit cornersChanged();
}
