#include "piececountsview.h"

#include <QPainter>

namespace {

constexpr int Columns = 8;

} // namespace

PieceCountsView::PieceCountsView(QWidget *parent)
    : QWidget(parent)
{ }

void PieceCountsView::setCounts(const QList<prepare::ColorCount> &counts)
{
    m_counts = counts;
    update();
}

void PieceCountsView::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    const int cellWidth = width() / Columns;
    const int rows = (prepare::MaxColors + Columns - 1) / Columns;
    const int cellHeight = height() / rows;
    const int swatchHeight = cellHeight / 2 - 2;
    for (qsizetype k = 0; k < m_counts.size(); ++k) {
        const QRect cell(
            int(k % Columns) * cellWidth, int(k / Columns) * cellHeight, cellWidth, cellHeight);
        const QRect swatch(cell.left() + 4, cell.top() + 2, cell.width() - 8, swatchHeight);
        painter.fillRect(swatch, QColor(m_counts[k].color));
        painter.setPen(Qt::black);
        painter.drawRect(swatch.adjusted(0, 0, -1, -1));
        painter.drawText(
            QRect(cell.left(), swatch.bottom() + 1, cell.width(), cell.bottom() - swatch.bottom()),
            Qt::AlignHCenter | Qt::AlignTop, QString::number(m_counts[k].pixels));
    }
}
