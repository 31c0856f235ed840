#include "blockmapview.h"

#include "chart.h"
#include "formcontrols.h"

#include <QMouseEvent>
#include <QPainter>

namespace {

constexpr int BlockPixels = 10 * BlockMapView::CellPixels;

QRect blockRect(chart::BlockPlace place)
{
    return {place.x * BlockPixels, place.y * BlockPixels, BlockPixels, BlockPixels};
}

} // namespace

BlockMapView::BlockMapView(QWidget *parent)
    : QWidget(parent)
{
    setFixedSize(chart::Chart::Columns * CellPixels, chart::Chart::Rows * CellPixels);
}

void BlockMapView::setChart(const chart::Chart &chart)
{
    m_colors = QImage(chart::Chart::Columns, chart::Chart::Rows, QImage::Format_RGB32);
    m_numbers.resize(chart::Chart::Columns * chart::Chart::Rows);
    for (int row = 1; row <= chart::Chart::Rows; ++row) {
        auto *line = reinterpret_cast<QRgb *>(m_colors.scanLine(row - 1));
        for (int column = 1; column <= chart::Chart::Columns; ++column) {
            const int number = chart.cell(row, column);
            m_numbers[(row - 1) * chart::Chart::Columns + column - 1] = int16_t(number);
            // A cell without a number stays white, as the matrix shows it.
            line[column - 1] = number >= 1 && number <= chart.colorCount()
                ? (0xff000000u | chart.color(number).rgb)
                : qRgb(255, 255, 255);
        }
    }
    m_state.highlight = -1; // renders the dimmed cells on the next state
    setState({});
}

void BlockMapView::setState(const State &state)
{
    const bool highlightChanged = state.highlight != m_state.highlight;
    m_state = state;
    if (highlightChanged)
        renderCells();
    update();
}

void BlockMapView::renderCells()
{
    if (m_state.highlight <= 0) {
        m_dimmed = m_colors;
        return;
    }
    m_dimmed = m_colors.copy();
    for (int row = 0; row < m_dimmed.height(); ++row) {
        auto *line = reinterpret_cast<QRgb *>(m_dimmed.scanLine(row));
        const int16_t *numbers = m_numbers.constData() + row * m_dimmed.width();
        for (int column = 0; column < m_dimmed.width(); ++column) {
            if (numbers[column] != m_state.highlight)
                line[column] = fadedColor(line[column]);
        }
    }
}

chart::BlockPlace BlockMapView::blockAt(QPoint point)
{
    return {std::clamp(point.x() / BlockPixels, 0, chart::BlocksAcross - 1),
        std::clamp(point.y() / BlockPixels, 0, chart::BlocksDown - 1)};
}

void BlockMapView::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.drawImage(rect(), m_dimmed);

    for (int index = 0; index < chart::BlockTotal; ++index) {
        if (!m_state.done.test(std::size_t(index)))
            continue;
        const QRect block = blockRect(chart::BlockPlace::fromPrintIndex(index));
        painter.fillRect(block, QColor(255, 255, 255, 150));
        painter.setPen(QPen(QColor(0, 128, 0), 2));
        painter.drawLine(block.left() + 7, block.center().y(), block.center().x() - 2,
            block.bottom() - 8);
        painter.drawLine(
            block.center().x() - 2, block.bottom() - 8, block.right() - 6, block.top() + 7);
    }

    painter.setPen(QPen(QColor(96, 96, 96), 1));
    for (int x = 0; x <= chart::BlocksAcross; ++x)
        painter.drawLine(x * BlockPixels, 0, x * BlockPixels, height());
    for (int y = 0; y <= chart::BlocksDown; ++y)
        painter.drawLine(0, y * BlockPixels, width(), y * BlockPixels);

    const auto outline = [&](const QSet<int> &blocks, const QColor &color, Qt::PenStyle style) {
        painter.setPen(QPen(color, 2, style));
        for (const int index : blocks)
            painter.drawRect(blockRect(chart::BlockPlace::fromPrintIndex(index)).adjusted(2, 2, -2, -2));
    };
    outline(m_state.builderBlocks, QColor(255, 140, 0), Qt::SolidLine);
    outline(m_state.chosen, QColor(0, 90, 255), Qt::DashLine);

    painter.setPen(QPen(QColor(220, 0, 0), 3));
    painter.drawRect(blockRect(m_state.current).adjusted(1, 1, -1, -1));
}

void BlockMapView::mousePressEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton)
        return;
    emit blockClicked(blockAt(event->position().toPoint()),
        event->modifiers().testFlag(Qt::ControlModifier));
}
