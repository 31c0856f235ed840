// The printing surface drawn with a QPainter on a paged device: a printer, or a
// PDF file. Subclasses say which device a document goes to, keep its page
// set-up and finish it.
//
// A document begins at its first drawing call and a page at the first drawing
// call after newPage(), so a trailing newPage() adds no blank page. Needs a
// QGuiApplication.
//
// Texts, outlines and fills are gathered per page and drawn in as few calls as
// their font and colour allow, at whole device dots: a matrix page is 100
// numbers in 100 boxes, and one call each keeps the PDF small and quick to
// write. A fill first draws what was asked for before it, so nothing ever lies
// under a fill that was drawn over it.
#pragma once

#include "coordinatesystem.h"
#include "printsurface.h"

#include <QFont>
#include <QGlyphRun>
#include <QHash>
#include <QPageLayout>
#include <QPainter>
#include <QRawFont>

class QPagedPaintDevice;

class PainterSurface : public PrintSurface
{
public:
    PainterSurface();

    // The page set-up of the next document.
    virtual QPageLayout pageLayout() const = 0;

    void setPaperSize(int paperCode) override;
    void setOrientation(int orientation) override;
    void setColorMode(int colorMode) override;
    void setResolution(int dotsPerInch) override;

    void scale() override;
    void scale(double x1, double y1, double x2, double y2) override;
    void setScaleMode(int scaleMode) override;
    double scaleWidth() const override { return m_coordinates.scaleWidth(); }
    double scaleHeight() const override { return m_coordinates.scaleHeight(); }

    void setCurrentX(double x) override { m_position.setX(x); }
    void setCurrentY(double y) override { m_position.setY(y); }
    void setFontName(const QString &name) override;
    void setFontSize(double points) override;
    void setForeColor(int32_t color) override;
    double textWidth(const QString &text) override;
    double textHeight() override;

    void print(const QList<PrintItem> &items) override;
    void line(double x, double y, double width, double height, std::optional<int32_t> color,
        LineOption option) override;
    void picture(double x, double y, double width, double height, const QImage &image) override;
    void newPage() override { m_newPagePending = m_painter.isActive(); }
    void endDoc() override;

protected:
    virtual void setPageLayout(const QPageLayout &layout) = 0;
    // The device the document that begins now is drawn on; throws PrintError.
    virtual QPagedPaintDevice &beginDevice() = 0;
    // Called once the painter has ended the document (ended says whether it
    // could); throws PrintError when the document did not reach its destination.
    virtual void finishDevice(bool ended) = 0;
    // Drops a document that a failure left open, so that the next can begin.
    virtual void abandonDevice() = 0;
    // The file or printer a document goes to, for messages.
    virtual QString destination() const = 0;

    int colorMode() const { return m_colorMode; }
    int resolution() const { return m_resolution; }
    // Ends a document that a failure left open, without finishing it.
    void abandonDocument();
    void updatePrintableArea();

private:
    // The painter on the page to draw on, beginning the document or the page
    // that is due.
    QPainter &painter();
    // The glyphs of a text at the current font, relative to its top-left corner.
    const QList<QGlyphRun> &shapedText(const QString &text);
    void drawGathered();
    // The rectangle in device units, both corners at whole dots.
    QRectF deviceBox(double x, double y, double width, double height) const;
    QPointF toDevice(QPointF point) const;
    QSizeF toDevice(QSizeF extent) const;

    QPainter m_painter;
    QPagedPaintDevice *m_device = nullptr;
    CoordinateSystem m_coordinates;
    QPointF m_position;
    QFont m_font;
    int m_colorMode = ColorModeMonochrome;
    int m_resolution = DefaultResolution;
    QColor m_foreColor = Qt::black;
    bool m_fontChanged = true;
    bool m_newPagePending = false;
    // Shaped texts by font, those of the current font at hand: a matrix needs
    // only a few dozen, and the overview moves between two sizes.
    using Shapes = QHash<QString, QList<QGlyphRun>>;
    QHash<QString, Shapes> m_shapesByFont;
    Shapes *m_shapes = nullptr;
    // Gathered on the current page: glyphs in runs of one font and colour, outlines of
    // one colour, and fills of one colour asked for before any of those.
    struct GatheredGlyphs
    {
        QRawFont font;
        QColor color;
        QList<quint32> indexes;
        QList<QPointF> positions;
    };
    QList<GatheredGlyphs> m_glyphs;
    QList<QRectF> m_outlines;
    QColor m_outlineColor;
    QList<QRectF> m_fills;
    QColor m_fillColor;
    // Device units, valid while a document is open.
    double m_dotsPerMillimetre = 0;
    double m_ascent = 0;
    double m_lineHeight = 0;
};
