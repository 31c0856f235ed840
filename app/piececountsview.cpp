#include "piececountsview.h"

#include "readablecolor.h"

#include <QHash>
#include <QHelpEvent>
#include <QPainter>
#include <QToolTip>

namespace {

constexpr int Columns = 8;

} // namespace

PieceCountsView::PieceCountsView(QWidget *parent)
    : QWidget(parent)
{ }

void PieceCountsView::setCounts(
    const QList<prepare::ColorCount> &counts, const QList<PaletteColor> &palette)
{
    QHash<quint32, PaletteColor> byRgb;
    for (const PaletteColor &color : palette)
        byRgb.insert(color.rgb & 0xffffff, color);
    m_counts = counts;
    m_named.clear();
    for (const prepare::ColorCount &count : counts)
        m_named.append(byRgb.value(count.color & 0xffffff));
    update();
}

QString PieceCountsView::toolTipOf(int number) const
{
    const QRgb rgb = m_counts.at(number - 1).color;
    QString text = QStringLiteral("色%1:　%2,%3,%4")
                       .arg(number)
                       .arg(qRed(rgb))
                       .arg(qGreen(rgb))
                       .arg(qBlue(rgb));
    for (const QString &label : {m_named[number - 1].name, m_named[number - 1].code}) {
        if (!label.isEmpty())
            text += QStringLiteral("　") + label;
    }
    return text;
}

QRect PieceCountsView::cellOf(int index) const
{
    const int cellWidth = width() / Columns;
    const int rows = (prepare::MaxColors + Columns - 1) / Columns;
    const int cellHeight = height() / rows;
    return {index % Columns * cellWidth, index / Columns * cellHeight, cellWidth, cellHeight};
}

void PieceCountsView::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    QFont number = font();
    number.setPointSizeF(7.5);
    for (int k = 0; k < int(m_counts.size()); ++k) {
        const QRect cell = cellOf(k);
        const QRect swatch(
            cell.left() + 4, cell.top() + 2, cell.width() - 8, cell.height() / 2 - 2);
        const QRgb color = m_counts[k].color;
        painter.fillRect(swatch, QColor(color));
        painter.setPen(Qt::black);
        painter.drawRect(swatch.adjusted(0, 0, -1, -1));
        painter.setFont(number);
        painter.setPen(
            QColor::fromRgb(readablecolor::textColor(color & 0xffffff, 0x000000, 0xffffff)));
        painter.drawText(swatch, Qt::AlignCenter, QString::number(k + 1));
        painter.setFont(font());
        painter.setPen(Qt::black);
        painter.drawText(
            QRect(cell.left(), swatch.bottom() + 1, cell.width(), cell.bottom() - swatch.bottom()),
            Qt::AlignHCenter | Qt::AlignTop, QString::number(m_counts[k].pixels));
    }
}

bool PieceCountsView::event(QEvent *event)
{
    if (event->type() != QEvent::ToolTip)
        return QWidget::event(event);
    const QPoint at = static_cast<QHelpEvent *>(event)->pos();
    for (int k = 0; k < int(m_counts.size()); ++k) {
        if (cellOf(k).contains(at)) {
            QToolTip::showText(
                static_cast<QHelpEvent *>(event)->globalPos(), toolTipOf(k + 1), this, cellOf(k));
            return true;
        }
    }
    QToolTip::hideText();
    event->ignore();
    return true;
}
