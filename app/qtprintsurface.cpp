#include "qtprintsurface.h"

#include <QFileInfo>
#include <QPrinterInfo>

QtPrintSurface::QtPrintSurface()
{
    m_printer.setResolution(resolution());
    updatePrintableArea();
}

QtPrintSurface::~QtPrintSurface()
{
    abandonDocument();
}

void QtPrintSurface::setDocumentPath(const QString &path)
{
    abandonDocument();
    m_savedPdfPath.clear();
    m_printer.setDocName(QFileInfo(path).fileName());
    m_hasPrinter = !QPrinterInfo::availablePrinters().isEmpty();
    if (m_hasPrinter) {
        m_printer.setOutputFileName(QString());
    } else {
        // The printer dialog offers this file already filled in.
        m_printer.setOutputFormat(QPrinter::PdfFormat);
        m_printer.setOutputFileName(path);
        m_printer.setPageMargins(PdfMargins, QPageLayout::Millimeter);
    }
    updatePrintableArea();
}

void QtPrintSurface::setColorMode(int colorMode)
{
    PainterSurface::setColorMode(colorMode);
    m_printer.setColorMode(colorMode == ColorModeColor ? QPrinter::Color : QPrinter::GrayScale);
}

QPagedPaintDevice &QtPrintSurface::beginDevice()
{
    m_printer.setResolution(resolution());
    if (m_printer.outputFormat() != QPrinter::PdfFormat)
        return m_printer;
    return m_pdf.open(m_printer.outputFileName(), m_printer.pageLayout(), m_printer.resolution());
}

void QtPrintSurface::finishDevice(bool ended)
{
    if (!ended) {
        m_pdf.discard();
        throw PrintError(("印刷を終了できません。" + destination()).toStdString());
    }
    if (!m_pdf.isOpen())
        return;
    m_pdf.commit();
    if (!m_hasPrinter)
        m_savedPdfPath = m_printer.outputFileName();
}

QString QtPrintSurface::destination() const
{
    const QString file = m_printer.outputFileName();
    return file.isEmpty() ? m_printer.printerName() : file;
}
