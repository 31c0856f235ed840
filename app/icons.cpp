#include "icons.h"

#include <QPainter>
#include <QPolygonF>
#include <array>

namespace {

QPixmap drawTriangle(int size, ArrowDirection direction)
{
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    const double low = size * 0.2;
    const double high = size * 0.8;
    const double mid = size * 0.5;
    QPolygonF triangle;
    switch (direction) {
    case ArrowDirection::Left:
        triangle << QPointF(low, mid) << QPointF(high, low) << QPointF(high, high);
        break;
    case ArrowDirection::Right:
        triangle << QPointF(high, mid) << QPointF(low, low) << QPointF(low, high);
        break;
    case ArrowDirection::Up:
        triangle << QPointF(mid, low) << QPointF(high, high) << QPointF(low, high);
        break;
    case ArrowDirection::Down:
        triangle << QPointF(mid, high) << QPointF(low, low) << QPointF(high, low);
        break;
    }
    painter.setPen(QPen(QColor(0, 0, 128), size / 16.0));
    painter.drawPolygon(triangle);
    return pixmap;
}

} // namespace

// Tiles of a few colours, as a finished piece picture would look.
void paintMosaic(QPainter &painter, int size)
{
    static constexpr std::array<QRgb, 6> tiles
        = {0xd94f3d, 0xf2b441, 0x5aa55a, 0x3f7fbf, 0xffffff, 0x7a4fa0};
    constexpr int Tiles = 4;
    const double tile = size / double(Tiles);
    for (int y = 0; y < Tiles; ++y) {
        for (int x = 0; x < Tiles; ++x) {
            const QRectF cell(x * tile, y * tile, tile, tile);
            painter.fillRect(cell, QColor(tiles[(x * 3 + y * 5 + x * y) % tiles.size()]));
        }
    }
    painter.setPen(QPen(QColor(0x40, 0x40, 0x40), 1));
    for (int k = 0; k <= Tiles; ++k) {
        const double at = std::min(k * tile, size - 0.5);
        painter.drawLine(QPointF(at, 0), QPointF(at, size));
        painter.drawLine(QPointF(0, at), QPointF(size, at));
    }
}

QPixmap mosaicPicture(int size)
{
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    paintMosaic(painter, size);
    return pixmap;
}

QIcon programIcon()
{
    QIcon icon;
    icon.addPixmap(mosaicPicture(32));
    icon.addPixmap(mosaicPicture(16));
    return icon;
}

QPixmap stepArrowPicture()
{
    constexpr int Size = 32;
    QPixmap pixmap(Size, Size);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    QPolygonF arrow;
    arrow << QPointF(3, 12) << QPointF(17, 12) << QPointF(17, 5) << QPointF(29, 16)
          << QPointF(17, 27) << QPointF(17, 20) << QPointF(3, 20);
    painter.setPen(QPen(QColor(0, 0, 128), 1.5));
    painter.setBrush(QColor(0x3f, 0x7f, 0xbf));
    painter.drawPolygon(arrow);
    return pixmap;
}

QIcon triangleIcon(ArrowDirection direction)
{
    QIcon icon;
    icon.addPixmap(drawTriangle(32, direction));
    icon.addPixmap(drawTriangle(16, direction));
    return icon;
}
