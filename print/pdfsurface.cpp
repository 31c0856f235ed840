#include "pdfsurface.h"

#include <QPageSize>

PdfSurface::PdfSurface()
    : m_layout(QPageSize(QPageSize::A4), QPageLayout::Portrait, PdfMargins, QPageLayout::Millimeter)
{
    updatePrintableArea();
}

PdfSurface::~PdfSurface()
{
    abandonDocument();
}

void PdfSurface::setDocumentPath(const QString &path)
{
    abandonDocument();
    m_path = path;
    m_savedPath.clear();
}

QPagedPaintDevice &PdfSurface::beginDevice()
{
    return m_document.open(m_path, m_layout, resolution());
}

void PdfSurface::finishDevice(bool ended)
{
    if (!ended) {
        m_document.discard();
        throw FileWriteError(WriteFailure::Write, m_path);
    }
    m_document.commit();
    m_savedPath = m_path;
}
