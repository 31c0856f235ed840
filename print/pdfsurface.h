// The printing surface of the command line and the benchmarks: every document
// becomes a PDF file, written safely, and no printer is ever asked for.
#pragma once

#include "paintersurface.h"
#include "pdfdocument.h"

class PdfSurface : public PainterSurface
{
public:
    PdfSurface();
    ~PdfSurface() override;

    void setDocumentPath(const QString &path) override;
    QString savedPdfPath() const override { return m_savedPath; }
    QPageLayout pageLayout() const override { return m_layout; }

protected:
    void setPageLayout(const QPageLayout &layout) override { m_layout = layout; }
    QPagedPaintDevice &beginDevice() override;
    void finishDevice(bool ended) override;
    void abandonDevice() override { m_document.discard(); }
    QString destination() const override { return m_path; }

private:
    QPageLayout m_layout;
    QString m_path;
    QString m_savedPath;
    PdfDocument m_document;
};
