#include "blockcellsview.h"

#include "chart.h"
#include "formcontrols.h"
#include "readablecolor.h"

#include <QPainter>

namespace {

constexpr quint32 Black = 0x000000;
constexpr quint32 White = 0xFFFFFF;

} // namespace

BlockCellsView::BlockCellsView(QWidget *parent)
    : QWidget(parent)
{
    setFixedSize(10 * CellPixels + 1, 10 * CellPixels + 1);
}

void BlockCellsView::setBlock(const chart::Chart &chart, chart::BlockPlace place, int highlight)
{
    for (int row = 0; row < 10; ++row) {
        for (int column = 0; column < 10; ++column) {
            Cell &cell = m_cells[std::size_t(row * 10 + column)];
            cell.number = chart.cell(place.firstRow() + row, place.firstColumn() + column);
            const bool numbered = cell.number >= 1 && cell.number <= chart.colorCount();
            // A cell without a number shows 0 on white, as the matrix window shows it.
            const quint32 rgb = numbered ? chart.color(cell.number).rgb : White;
            cell.dimmed = highlight > 0 && cell.number != highlight;
            cell.fill = cell.dimmed ? fadedColor(rgb) : (0xff000000u | rgb);
            cell.text = cell.dimmed ? qRgb(160, 160, 160)
                                    : (0xff000000u | readablecolor::textColor(rgb, Black, White));
        }
    }
    update();
}

void BlockCellsView::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setFont(formFont(12, true));
    for (int row = 0; row < 10; ++row) {
        for (int column = 0; column < 10; ++column) {
            const Cell &cell = m_cells[std::size_t(row * 10 + column)];
            const QRect box(column * CellPixels, row * CellPixels, CellPixels, CellPixels);
            painter.fillRect(box, QColor::fromRgb(cell.fill));
            painter.setPen(QColor(96, 96, 96));
            painter.drawRect(box);
            painter.setPen(QColor::fromRgb(cell.text));
            painter.drawText(box, Qt::AlignCenter, QString::number(cell.number));
        }
    }
}
