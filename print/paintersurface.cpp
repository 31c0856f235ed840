#include "paintersurface.h"

#include "colorvalue.h"

#include <QFontMetricsF>
#include <QPagedPaintDevice>
#include <QTextLayout>
#include <cmath>

namespace {

// Uncoloured outlines.
const QColor ForegroundColor(Qt::black);

// A zero width is the device's thinnest line, one dot: a printer's default.
// It also keeps boxes as plain rectangles in a PDF rather than outlined paths.
QPen thinPen(const QColor &color)
{
    return QPen(color, 0);
}

// Device dots are far below what paper shows (0.085 mm at 300 dpi), and whole
// numbers keep the PDF's coordinates short.
QPointF toWholeDots(QPointF point)
{
    return QPointF(qRound(point.x()), qRound(point.y()));
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
    if (paperCode != PaperA4 && paperCode != PaperA3)
        throw errorAbout("この用紙サイズには対応していません: ", QString::number(paperCode));
    QPageLayout layout = pageLayout();
    layout.setPageSize(QPageSize(paperCode == PaperA3 ? QPageSize::A3 : QPageSize::A4));
    setPageLayout(layout);
    updatePrintableArea();
}

void PainterSurface::setOrientation(int orientation)
{
    if (orientation != OrientationPortrait && orientation != OrientationLandscape)
        throw errorAbout("この用紙の向きには対応していません: ", QString::number(orientation));
    QPageLayout layout = pageLayout();
    layout.setOrientation(
        orientation == OrientationLandscape ? QPageLayout::Landscape : QPageLayout::Portrait);
    setPageLayout(layout);
    updatePrintableArea();
}

void PainterSurface::setColorMode(int colorMode)
{
    if (colorMode != ColorModeMonochrome && colorMode != ColorModeColor)
        throw errorAbout("この色の設定には対応していません: ", QString::number(colorMode));
    m_colorMode = colorMode;
}

void PainterSurface::setResolution(int dotsPerInch)
{
    // Beyond these a page either shows its dots or overflows Qt's coordinates.
    if (dotsPerInch < 72 || dotsPerInch > 2400)
        throw errorAbout("この解像度には対応していません: ", QString::number(dotsPerInch));
    m_resolution = dotsPerInch;
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

void PainterSurface::setForeColor(int32_t color)
{
    m_foreColor = QColor(colorvalue::red(color), colorvalue::green(color), colorvalue::blue(color));
}

double PainterSurface::textWidth(const QString &text)
{
    painter();
    const double width = QFontMetricsF(m_painter.font(), m_device).horizontalAdvance(text);
    return width / m_dotsPerMillimetre
        / std::abs(m_coordinates.toMillimetres(QSizeF(1, 1)).width());
}

double PainterSurface::textHeight()
{
    painter();
    return m_lineHeight / m_dotsPerMillimetre
        / std::abs(m_coordinates.toMillimetres(QSizeF(1, 1)).height());
}

void PainterSurface::print(const QList<PrintItem> &items)
{
    painter();
    const QPointF topLeft = toWholeDots(toDevice(m_coordinates.toMillimetres(m_position)));
    for (const QGlyphRun &shaped : shapedText(printedText(items))) {
        QList<QPointF> positions = shaped.positions();
        for (QPointF &position : positions)
            position += topLeft;
        if (m_glyphs.isEmpty() || m_glyphs.last().font != shaped.rawFont()
            || m_glyphs.last().color != m_foreColor)
            m_glyphs.append({shaped.rawFont(), m_foreColor, {}, {}});
        m_glyphs.last().indexes += shaped.glyphIndexes();
        m_glyphs.last().positions += positions;
    }
    m_position = m_coordinates.nextLine(m_position, m_lineHeight / m_dotsPerMillimetre);
}

void PainterSurface::line(double x, double y, double width, double height,
    std::optional<int32_t> color, LineOption option)
{
    const QColor lineColor = color
        ? QColor(colorvalue::red(*color), colorvalue::green(*color), colorvalue::blue(*color))
        : ForegroundColor;
    painter();
    const QRectF box = deviceBox(x, y, width, height);
    if (option == LineOption::Box) {
        if (lineColor != m_outlineColor && !m_outlines.isEmpty())
            drawGathered();
        m_outlineColor = lineColor;
        m_outlines.append(box);
        return;
    }
    // A fill covers what was asked for before it, so that is drawn first.
    if (!m_outlines.isEmpty() || !m_glyphs.isEmpty()
        || (lineColor != m_fillColor && !m_fills.isEmpty()))
        drawGathered();
    m_fillColor = lineColor;
    m_fills.append(box);
}

void PainterSurface::picture(double x, double y, double width, double height, const QImage &image)
{
    QPainter &page = painter();
    drawGathered();
    // Kept lossless: a JPEG would blur the cells' colours into one another.
    page.setRenderHint(QPainter::LosslessImageRendering);
    page.setRenderHint(QPainter::SmoothPixmapTransform, false);
    page.drawImage(deviceBox(x, y, width, height), image);
}

QRectF PainterSurface::deviceBox(double x, double y, double width, double height) const
{
    const QPointF corner = toDevice(m_coordinates.toMillimetres(QPointF(x, y)));
    const QSizeF extent = toDevice(m_coordinates.toMillimetres(QSizeF(width, height)));
    // Both corners at whole dots, so that boxes sharing an edge still share it.
    return QRectF(
        toWholeDots(corner), toWholeDots(corner + QPointF(extent.width(), extent.height())))
        .normalized();
}

void PainterSurface::drawGathered()
{
    if (!m_fills.isEmpty()) {
        m_painter.setPen(thinPen(m_fillColor));
        m_painter.setBrush(QBrush(m_fillColor));
        m_painter.drawRects(m_fills);
        m_fills.clear();
    }
    if (!m_outlines.isEmpty()) {
        m_painter.setPen(thinPen(m_outlineColor));
        m_painter.setBrush(QBrush());
        m_painter.drawRects(m_outlines);
        m_outlines.clear();
    }
    if (!m_glyphs.isEmpty()) {
        for (const GatheredGlyphs &gathered : std::as_const(m_glyphs)) {
            m_painter.setPen(thinPen(gathered.color));
            QGlyphRun run;
            run.setRawFont(gathered.font);
            run.setGlyphIndexes(gathered.indexes);
            run.setPositions(gathered.positions);
            m_painter.drawGlyphRun(QPointF(), run);
        }
        m_glyphs.clear();
    }
}

const QList<QGlyphRun> &PainterSurface::shapedText(const QString &text)
{
    auto shaped = m_shapes->find(text);
    if (shaped == m_shapes->end()) {
        QTextLayout layout(text, m_painter.font(), m_device);
        layout.beginLayout();
        QTextLine line = layout.createLine();
        layout.endLayout();
        // The layout puts the baseline at the line's ascent below its top; the
        // text's top-left corner is where the surface was told to print.
        line.setPosition(QPointF(0, m_ascent - line.ascent()));
        // Blank glyphs at either end (the spaces around a number) draw nothing
        // and would only lengthen the page; the others keep their places at
        // whole dots, the same for every copy of the text.
        QList<QGlyphRun> runs = layout.glyphRuns();
        for (QGlyphRun &run : runs) {
            const QList<quint32> glyphs = run.glyphIndexes();
            const auto blank
                = [&](qsizetype i) { return run.rawFont().boundingRect(glyphs.at(i)).isEmpty(); };
            qsizetype first = 0;
            qsizetype last = glyphs.size();
            if (&run == &runs.first()) {
                while (first < last && blank(first))
                    ++first;
            }
            if (&run == &runs.last()) {
                while (last > first && blank(last - 1))
                    --last;
            }
            QList<QPointF> positions = run.positions().mid(first, last - first);
            for (QPointF &position : positions)
                position = toWholeDots(position);
            run.setGlyphIndexes(glyphs.mid(first, last - first));
            run.setPositions(positions);
        }
        shaped = m_shapes->insert(text, runs);
    }
    return *shaped;
}

void PainterSurface::endDoc()
{
    m_newPagePending = false;
    if (!m_painter.isActive())
        return;
    drawGathered();
    m_device = nullptr;
    finishDevice(m_painter.end());
}

void PainterSurface::abandonDocument()
{
    m_newPagePending = false;
    m_glyphs.clear();
    m_outlines.clear();
    m_fills.clear();
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
        // Shapes belong to the device's resolution, which a document may change.
        m_shapesByFont.clear();
    } else if (m_newPagePending) {
        drawGathered();
        if (!m_device->newPage())
            throw errorAbout("改ページできません。", destination());
        m_newPagePending = false;
    }
    if (m_fontChanged) {
        m_painter.setFont(m_font);
        m_shapes = &m_shapesByFont[m_font.key()];
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
