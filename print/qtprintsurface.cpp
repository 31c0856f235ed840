#include "qtprintsurface.h"

#include "colorvalue.h"

#include <QDir>
#include <QFontMetricsF>
#include <QPageLayout>
#include <QPrinterInfo>

namespace {

constexpr int Resolution = 300;
// Text and uncoloured outlines.
const QColor ForegroundColor(Qt::black);
// The unprintable edge of a typical office printer.
const QMarginsF PdfMargins(4.23, 4.23, 4.23, 4.23);

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

QtPrintSurface::QtPrintSurface()
    : m_coordinates(QSizeF())
{
    m_printer.setResolution(Resolution);
    updatePrintableArea();
}

void QtPrintSurface::setDocumentName(const QString &fileName)
{
    // A document a failure left open ends as it stands before the next begins.
    endDoc();
    m_printer.setDocName(fileName);
    if (QPrinterInfo::availablePrinters().isEmpty()) {
        // A removed working directory has no path, and Qt would put the file in the root.
        if (QDir::currentPath().isEmpty())
            throw errorAbout("作業フォルダが見つかりません。", fileName);
        m_printer.setOutputFormat(QPrinter::PdfFormat);
        m_printer.setOutputFileName(QDir::current().absoluteFilePath(fileName));
        m_printer.setPageMargins(PdfMargins, QPageLayout::Millimeter);
    } else {
        m_printer.setOutputFileName(QString());
    }
    updatePrintableArea();
}

void QtPrintSurface::setPaperSize(int paperCode)
{
    if (paperCode != PaperA4)
        throw errorAbout("この用紙サイズには対応していません: ", QString::number(paperCode));
    m_printer.setPageSize(QPageSize(QPageSize::A4));
    updatePrintableArea();
}

void QtPrintSurface::setOrientation(int orientation)
{
    if (orientation != OrientationPortrait)
        throw errorAbout("この用紙の向きには対応していません: ", QString::number(orientation));
    m_printer.setPageOrientation(QPageLayout::Portrait);
    updatePrintableArea();
}

void QtPrintSurface::setColorMode(int colorMode)
{
    if (colorMode != ColorModeMonochrome && colorMode != ColorModeColor)
        throw errorAbout("この色の設定には対応していません: ", QString::number(colorMode));
    m_printer.setColorMode(colorMode == ColorModeColor ? QPrinter::Color : QPrinter::GrayScale);
}

void QtPrintSurface::scale()
{
    // The printer dialog may have changed paper or printer since the last look.
    updatePrintableArea();
    m_coordinates.reset();
}

void QtPrintSurface::scale(double x1, double y1, double x2, double y2)
{
    updatePrintableArea();
    m_coordinates.setUserScale(x1, y1, x2, y2);
}

void QtPrintSurface::setScaleMode(int scaleMode)
{
    updatePrintableArea();
    m_coordinates.setScaleMode(scaleMode);
}

void QtPrintSurface::setFontName(const QString &name)
{
    m_font.setFamily(name);
    m_fontChanged = true;
}

void QtPrintSurface::setFontSize(double points)
{
    m_font.setPointSizeF(points);
    m_fontChanged = true;
}

void QtPrintSurface::print(const QList<PrintItem> &items)
{
    QPainter &page = painter();
    page.setPen(thinPen(ForegroundColor));
    const QPointF topLeft = toDevice(m_coordinates.toMillimetres(m_position));
    page.drawText(QPointF(topLeft.x(), topLeft.y() + m_ascent), printedText(items));
    m_position = m_coordinates.nextLine(m_position, m_lineHeight / m_dotsPerMillimetre);
}

void QtPrintSurface::line(double x, double y, double width, double height,
    std::optional<int32_t> color, LineOption option)
{
    const QColor lineColor = color
        ? QColor(colorvalue::red(*color), colorvalue::green(*color), colorvalue::blue(*color))
        : ForegroundColor;
    QPainter &page = painter();
    page.setPen(thinPen(lineColor));
    const QBrush brush = option == LineOption::BoxFilled ? QBrush(lineColor) : QBrush();
    if (page.brush() != brush)
        page.setBrush(brush);
    const QPointF corner = toDevice(m_coordinates.toMillimetres(QPointF(x, y)));
    const QSizeF extent = toDevice(m_coordinates.toMillimetres(QSizeF(width, height)));
    page.drawRect(QRectF(corner, extent).normalized());
}

void QtPrintSurface::endDoc()
{
    m_newPagePending = false;
    if (m_painter.isActive() && !m_painter.end())
        throw errorAbout("印刷を終了できません。", destination());
}

QPainter &QtPrintSurface::painter()
{
    if (!m_painter.isActive()) {
        if (!m_painter.begin(&m_printer))
            throw errorAbout("印刷を開始できません。", destination());
        m_dotsPerMillimetre = m_printer.resolution() / 25.4;
        m_fontChanged = true;
    } else if (m_newPagePending) {
        if (!m_printer.newPage())
            throw errorAbout("改ページできません。", destination());
        m_newPagePending = false;
    }
    if (m_fontChanged) {
        m_painter.setFont(m_font);
        const QFontMetricsF metrics(m_painter.font(), &m_printer);
        m_ascent = metrics.ascent();
        m_lineHeight = metrics.height();
        m_fontChanged = false;
    }
    return m_painter;
}

QString QtPrintSurface::destination() const
{
    const QString file = m_printer.outputFileName();
    return file.isEmpty() ? m_printer.printerName() : file;
}

void QtPrintSurface::updatePrintableArea()
{
    m_coordinates.setPrintableArea(
        m_printer.pageLayout().paintRect(QPageLayout::Millimeter).size());
}

QPointF QtPrintSurface::toDevice(QPointF point) const
{
    return point * m_dotsPerMillimetre;
}

QSizeF QtPrintSurface::toDevice(QSizeF extent) const
{
    return extent * m_dotsPerMillimetre;
}
