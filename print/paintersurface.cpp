#include "paintersurface.h"

#include "colorvalue.h"

#include <QFontMetricsF>
#include <QPagedPaintDevice>

namespace {

// Text and uncoloured outlines.
const QColor ForegroundColor(Qt::black);

// A zero width is the device's thinnest line, one dot: a printer's default.
// It also keeps boxes as plain rectangles in a PDF rather than outlined paths.
QPen thinPen(const QColor &color)
{
    return QPen(color, 0);
}

PrintError errorAbout(const char *description, const QString &subject)
{
    return PrintError((QString::fromUtf8(description) + subject).toStdString());
}

} // namespace

PainterSurface::PainterSurface()
    : m_coordinates(QSizeF())
{ }

void PainterSurface::setPaperSize(int paperCode)
{
    if (paperCode != PaperA4)
        throw errorAbout("この用紙サイズには対応していません: ", QString::number(paperCode));
    QPageLayout layout = pageLayout();
    layout.setPageSize(QPageSize(QPageSize::A4));
    setPageLayout(layout);
    updatePrintableArea();
}

void PainterSurface::setOrientation(int orientation)
{
    if (orientation != OrientationPortrait)
        throw errorAbout("この用紙の向きには対応していません: ", QString::number(orientation));
    QPageLayout layout = pageLayout();
    layout.setOrientation(QPageLayout::Portrait);
    setPageLayout(layout);
    updatePrintableArea();
}

void PainterSurface::setColorMode(int colorMode)
{
    if (colorMode != ColorModeMonochrome && colorMode != ColorModeColor)
        throw errorAbout("この色の設定には対応していません: ", QString::number(colorMode));
    m_colorMode = colorMode;
}

void PainterSurface::scale()
{
    // The printer dialog may have changed paper or printer since the last look.
    updatePrintableArea();
    m_coordinates.reset();
}

void PainterSurface::scale(double x1, double y1, double x2, double y2)
{
    updatePrintableArea();
    m_coordinates.setUserScale(x1, y1, x2, y2);
}

void PainterSurface::setScaleMode(int scaleMode)
{
    updatePrintableArea();
    m_coordinates.setScaleMode(scaleMode);
}

void PainterSurface::setFontName(const QString &name)
{
    m_font.setFamily(name);
    m_fontChanged = true;
}

void PainterSurface::setFontSize(double points)
{
    m_font.setPointSizeF(points);
    m_fontChanged = true;
}

void PainterSurface::print(const QList<PrintItem> &items)
{
    QPainter &page = painter();
    page.setPen(thinPen(ForegroundColor));
    const QPointF topLeft = toDevice(m_coordinates.toMillimetres(m_position));
    page.drawText(QPointF(topLeft.x(), topLeft.y() + m_ascent), printedText(items));
    m_position = m_coordinates.nextLine(m_position, m_lineHeight / m_dotsPerMillimetre);
}

void PainterSurface::line(double x, double y, double width, double height,
    std::optional<int32_t> color, LineOption option)
{
    const QColor lineColor = color
        ? QColor(colorvalue::red(*color), colorvalue::green(*color), colorvalue::blue(*color))
        : ForegroundColor;
    QPainter &page = painter();
    page.setPen(thinPen(lineColor));
    page.setBrush(option == LineOption::BoxFilled ? QBrush(lineColor) : QBrush());
    const QPointF corner = toDevice(m_coordinates.toMillimetres(QPointF(x, y)));
    const QSizeF extent = toDevice(m_coordinates.toMillimetres(QSizeF(width, height)));
    page.drawRect(QRectF(corner, extent).normalized());
}

void PainterSurface::endDoc()
{
    m_newPagePending = false;
    if (!m_painter.isActive())
        return;
    m_device = nullptr;
    finishDevice(m_painter.end());
}

void PainterSurface::abandonDocument()
{
    m_newPagePending = false;
    if (m_painter.isActive())
        m_painter.end();
    m_device = nullptr;
    abandonDevice();
}

QPainter &PainterSurface::painter()
{
    if (!m_painter.isActive()) {
        QPagedPaintDevice &device = beginDevice();
        if (!m_painter.begin(&device)) {
            abandonDevice();
            throw errorAbout("印刷を開始できません。", destination());
        }
        m_device = &device;
        m_dotsPerMillimetre = device.logicalDpiX() / 25.4;
        m_fontChanged = true;
    } else if (m_newPagePending) {
        if (!m_device->newPage())
            throw errorAbout("改ページできません。", destination());
        m_newPagePending = false;
    }
    if (m_fontChanged) {
        m_painter.setFont(m_font);
        const QFontMetricsF metrics(m_painter.font(), m_device);
        m_ascent = metrics.ascent();
        m_lineHeight = metrics.height();
        m_fontChanged = false;
    }
    return m_painter;
}

void PainterSurface::updatePrintableArea()
{
    m_coordinates.setPrintableArea(pageLayout().paintRect(QPageLayout::Millimeter).size());
}

QPointF PainterSurface::toDevice(QPointF point) const
{
    return point * m_dotsPerMillimetre;
}

QSizeF PainterSurface::toDevice(QSizeF extent) const
{
    return extent * m_dotsPerMillimetre;
}
