// The photo of a laid board in the check window: the photo (or the check's
// overlay) fitted into the widget, with the area's four corners as handles the
// user drags onto the board's corners. Corners are in the photo's full-size
// pixels and never leave it.
#pragma once

#include "checkarea.h"

#include <QImage>
#include <QWidget>

class CheckPhotoView : public QWidget
{
    Q_OBJECT
public:
    static constexpr int HandleRadius = 6;

    explicit CheckPhotoView(QWidget *parent);

    // image shows a photo of fullSize pixels.
    void setPhoto(const QImage &image, QSize fullSize);
    void setCorners(const check::Corners &corners);
    const check::Corners &corners() const { return m_corners; }
    // Where a corner of the photo is drawn in the widget.
    QPointF shownAt(QPointF photoPoint) const;

signals:
    // After a drag that moved a corner.
    void cornersChanged();

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    QRectF shownPhoto() const;

    QImage m_image;
    QSize m_fullSize;
    check::Corners m_corners {};
    int m_dragged = -1;
    bool m_moved = false;
};
