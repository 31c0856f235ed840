// The windows' printing surface: the printer that is current, or a PDF file
// where the system has no printer or the printer dialog chose printing to a
// file. PDF files are written safely (see PdfDocument).
//
// A real printer keeps QPrinter: Qt cannot cancel a printer job once it has
// started, so a failure while printing ends that document as it stands.
#pragma once

#include "paintersurface.h"
#include "pdfdocument.h"

#include <QPrinter>

class QtPrintSurface : public PainterSurface
{
public:
    QtPrintSurface();
    ~QtPrintSurface() override;

    // For the printer dialog: what is chosen there applies to the next document.
    QPrinter *printer() { return &m_printer; }

    void setDocumentPath(const QString &path) override;
    QString savedPdfPath() const override { return m_savedPdfPath; }
    QPageLayout pageLayout() const override { return m_printer.pageLayout(); }
    void setColorMode(int colorMode) override;

protected:
    void setPageLayout(const QPageLayout &layout) override { m_printer.setPageLayout(layout); }
    QPagedPaintDevice &beginDevice() override;
    void finishDevice(bool ended) override;
    void abandonDevice() override { m_pdf.discard(); }
    QString destination() const override;

private:
    QPrinter m_printer;
    PdfDocument m_pdf;
    bool m_hasPrinter = false;
    QString m_savedPdfPath;
};
