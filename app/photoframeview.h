// The photo window's left picture: the upright photo fitted into the widget
// and, while cropping, the 4:3 frame of the part used. The user drags the
// frame to move it and turns the mouse wheel to change its size. The frame is
// in whole pixels of the upright photo and never leaves it; at zoom 100 % it
// is the largest 4:3 frame that fits, and the zoom goes up to the smallest
// frame prepare's decode plan serves at once (400 %).
#pragma once

#include "scaledpicture.h"

#include <QImage>
#include <QRect>
#include <QWidget>

class PhotoFrameView : public QWidget
{
    Q_OBJECT
public:
    static constexpr int MinZoom = 100;
    static constexpr int MaxZoom = 100 * prepare::MaxFrameZoom;
    static constexpr int WheelStep = 25;

    explicit PhotoFrameView(QWidget *parent);

    // preview shows a photo of uprightSize pixels; the frame starts centred at 100 %.
    void setPhoto(const QImage &preview, QSize uprightSize);
    void setFrameShown(bool shown);
    void setZoom(int percent);
    int zoom() const { return m_zoom; }
    QRect frame() const { return m_frame; }
    // Whether the frame is the one a crop takes by default: centred at 100 %.
    bool frameIsDefault() const;

signals:
    void frameChanged();
    void zoomChanged(int percent);

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void wheelEvent(QWheelEvent *event) override;

private:
    QRect shownPhoto() const; // where the preview is drawn
    void placeFrame(QPoint centre);

    QImage m_preview;
    QSize m_upright;
    QRect m_frame;
    int m_zoom = MinZoom;
    bool m_frameShown = true;
    bool m_dragging = false;
    QPoint m_dragStart;
    QPoint m_frameAtDragStart;
};
