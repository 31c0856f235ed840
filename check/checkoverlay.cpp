#include "checkoverlay.h"

#include "boardfinder.h"
#include "outputfile.h"

#include <QPainter>
#include <QPainterPath>
#include <algorithm>

namespace check {

QImage overlayImage(const chart::Chart &chart, const Area &area, const LoadedPhoto &photo,
    const CheckResult &result)
{
    if (photo.image.isNull() || photo.fullSize.isEmpty())
        return {};
    QImage image = photo.image.convertToFormat(QImage::Format_RGB32);
    const int longer = std::max(image.width(), image.height());
    if (longer > MaxOverlaySide)
        image = image.scaled(image.size() * double(MaxOverlaySide) / longer, Qt::KeepAspectRatio,
            Qt::SmoothTransformation);
    const double scaleX = double(image.width()) / photo.fullSize.width();
    const double scaleY = double(image.height()) / photo.fullSize.height();
    Corners corners = result.corners;
    for (QPointF &corner : corners)
        corner = QPointF(corner.x() * scaleX, corner.y() * scaleY);
    const QTransform toPhoto = areaToPhoto(corners, area);

    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    // Drawn in cells, so the marks lie in the board's perspective.
    painter.setTransform(toPhoto);
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(QColor(255, 220, 0), 0.08));
    painter.drawPolygon(QPolygonF({QPointF(0, 0), QPointF(area.width, 0),
        QPointF(area.width, area.height), QPointF(0, area.height)}));
    for (const WrongCell &cell : result.wrong) {
        const QPointF centre(cell.column - area.column + 0.5, cell.row - area.row + 0.5);
        painter.setBrush(Qt::NoBrush);
        painter.setPen(QPen(Qt::white, 0.32));
        painter.drawEllipse(centre, 0.72, 0.72);
        painter.setPen(QPen(QColor(230, 0, 40), 0.16));
        painter.drawEllipse(centre, 0.72, 0.72);
        // The colour it should be, beside the circle's top right.
        const QPointF swatch = centre + QPointF(0.78, -0.78);
        painter.setPen(QPen(Qt::white, 0.08));
        painter.setBrush(QColor::fromRgb(QRgb(chart.color(cell.expected).rgb)));
        painter.drawEllipse(swatch, 0.36, 0.36);
        painter.setBrush(Qt::NoBrush);
        painter.setPen(QPen(Qt::black, 0.04));
        painter.drawEllipse(swatch, 0.42, 0.42);
    }
    painter.end();
    return image;
}

OverlayWrite writeOverlay(const QImage &overlay, const QString &path)
{
    OutputFile file(path);
    if (overlay.isNull() || !file.open())
        return OverlayWrite::CreateFailed;
    if (!overlay.save(&file.device(), "PNG") || !file.commit())
        return OverlayWrite::WriteFailed;
    return OverlayWrite::Done;
}

} // namespace check
