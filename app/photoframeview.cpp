#include "photoframeview.h"

#include "scaledpicture.h"

#include <QMouseEvent>
#include <QPainter>
#include <QWheelEvent>
#include <algorithm>
#include <cmath>

PhotoFrameView::PhotoFrameView(QWidget *parent)
    : QWidget(parent)
{
    setCursor(Qt::SizeAllCursor);
}

void PhotoFrameView::setPhoto(const QImage &preview, QSize uprightSize)
{
    m_preview = preview;
    m_upright = uprightSize;
    m_zoom = MinZoom;
    m_frame = prepare::middleRect(uprightSize);
    emit zoomChanged(m_zoom);
    update();
}

void PhotoFrameView::setFrameShown(bool shown)
{
    m_frameShown = shown;
    update();
}

void PhotoFrameView::setZoom(int percent)
{
    percent = std::clamp(percent, MinZoom, MaxZoom);
    if (percent == m_zoom)
        return;
    m_zoom = percent;
    emit zoomChanged(m_zoom);
    placeFrame(m_frame.center());
}

bool PhotoFrameView::frameIsDefault() const
{
    return m_frame == prepare::middleRect(m_upright);
}

QRect PhotoFrameView::shownPhoto() const
{
    QRect shown(QPoint(), m_preview.size());
    shown.moveCenter(rect().center());
    return shown;
}

// Sized for the zoom, the centre kept where the photo allows.
void PhotoFrameView::placeFrame(QPoint centre)
{
    const QRect largest = prepare::middleRect(m_upright);
    const QSize size(std::max(1, int(std::lround(largest.width() * 100.0 / m_zoom))),
        std::max(1, int(std::lround(largest.height() * 100.0 / m_zoom))));
    QRect frame(QPoint(), size);
    frame.moveCenter(centre);
    frame.moveLeft(std::clamp(frame.left(), 0, m_upright.width() - size.width()));
    frame.moveTop(std::clamp(frame.top(), 0, m_upright.height() - size.height()));
    if (frame == m_frame)
        return;
    m_frame = frame;
    update();
    emit frameChanged();
}

void PhotoFrameView::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    const QRect shown = shownPhoto();
    painter.drawImage(shown.topLeft(), m_preview);
    if (!m_frameShown || m_upright.isEmpty())
        return;
    const double scale = double(m_preview.width()) / m_upright.width();
    const QRectF frame(shown.left() + m_frame.x() * scale, shown.top() + m_frame.y() * scale,
        m_frame.width() * scale, m_frame.height() * scale);
    // Light and dark lines, so the frame shows on any photo.
    painter.setPen(QPen(Qt::white, 3));
    painter.drawRect(frame.adjusted(1, 1, -1, -1));
    painter.setPen(QPen(Qt::black, 1));
    painter.drawRect(frame.adjusted(1, 1, -1, -1));
}

void PhotoFrameView::mousePressEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton || !m_frameShown)
        return;
    m_dragging = true;
    m_dragStart = event->position().toPoint();
    m_frameAtDragStart = m_frame.center();
}

void PhotoFrameView::mouseMoveEvent(QMouseEvent *event)
{
    if (!m_dragging || m_preview.isNull())
        return;
    const double scale = double(m_upright.width()) / m_preview.width();
    const QPointF moved = QPointF(event->position().toPoint() - m_dragStart) * scale;
    placeFrame(m_frameAtDragStart + moved.toPoint());
}

void PhotoFrameView::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton)
        m_dragging = false;
}

void PhotoFrameView::wheelEvent(QWheelEvent *event)
{
    if (!m_frameShown || event->angleDelta().y() == 0)
        return;
    setZoom(m_zoom + (event->angleDelta().y() > 0 ? WheelStep : -WheelStep));
    event->accept();
}
