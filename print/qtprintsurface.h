// The printing surface on a QPrinter: the printer that is current, or, where
// the system has no printer, a PDF file per document in the current directory.
//
// A document begins at its first drawing call and a page at the first drawing
// call after newPage(), so a trailing newPage() adds no blank page. The PDF has
// an A4 page with a printer-like printable area. Needs a QGuiApplication.
#pragma once

#include "coordinatesystem.h"
#include "printsurface.h"

#include <QFont>
#include <QPainter>
#include <QPrinter>

class QtPrintSurface : public PrintSurface
{
public:
    QtPrintSurface();

    // For the printer dialog: what is chosen there applies to the next document.
    QPrinter *printer() { return &m_printer; }

    void setDocumentName(const QString &fileName) override;

    void setPaperSize(int paperCode) override;
    void setOrientation(int orientation) override;
    void setColorMode(int colorMode) override;

    void scale() override;
    void scale(double x1, double y1, double x2, double y2) override;
    void setScaleMode(int scaleMode) override;
    double scaleWidth() const override { return m_coordinates.scaleWidth(); }
    double scaleHeight() const override { return m_coordinates.scaleHeight(); }

    void setCurrentX(double x) override { m_position.setX(x); }
    void setCurrentY(double y) override { m_position.setY(y); }
    void setFontName(const QString &name) override;
    void setFontSize(double points) override;

    void print(const QList<PrintItem> &items) override;
    void line(double x, double y, double width, double height, std::optional<int32_t> color,
        LineOption option) override;
    void newPage() override { m_newPagePending = m_painter.isActive(); }
    void endDoc() override;

private:
    // The painter on the page to draw on, beginning the document or the page
    // that is due.
    QPainter &painter();
    QString destination() const;
    void updatePrintableArea();
    QPointF toDevice(QPointF point) const;
    QSizeF toDevice(QSizeF extent) const;

    QPrinter m_printer;
    QPainter m_painter;
    CoordinateSystem m_coordinates;
    QPointF m_position;
    QFont m_font;
    bool m_fontChanged = true;
    bool m_newPagePending = false;
    // Device units, valid while a document is open.
    double m_dotsPerMillimetre = 0;
    double m_ascent = 0;
    double m_lineHeight = 0;
};
