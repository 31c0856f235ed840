// A printing surface for tests: keeps every drawing call with its coordinates
// in drawing units as they were given, the font and the page it fell on, and
// the last paper settings. Pages are counted as a printer counts them: a
// document begins at its first drawing call, a page at the first drawing call
// after newPage().
#pragma once

#include "coordinatesystem.h"
#include "printsurface.h"

#include <QList>
#include <QPointF>
#include <QRectF>
#include <QSizeF>

class RecordingSurface : public PrintSurface
{
public:
    // The printable area of A4 on a printer with 4.23 mm margins.
    static constexpr QSizeF A4PrintableArea {201.54, 288.54};

    struct Text
    {
        int page;
        QPointF position;
        QString text;
        QString fontName;
        double fontSize;
        int32_t color;
    };
    struct Box
    {
        int page;
        QRectF rect;
        std::optional<int32_t> color;
        LineOption option;
    };

    struct Picture
    {
        int page;
        QRectF rect;
        QImage image;
    };

    explicit RecordingSurface(QSizeF printableArea = A4PrintableArea);

    void setDocumentPath(const QString &path) override;
    QString savedPdfPath() const override { return m_savedPdfPath; }
    void setPaperSize(int paperCode) override { paperSize = paperCode; }
    void setOrientation(int value) override { orientation = value; }
    void setColorMode(int value) override { colorMode = value; }
    void setResolution(int dotsPerInch) override { resolution = dotsPerInch; }

    void scale() override { m_coordinates.reset(); }
    void scale(double x1, double y1, double x2, double y2) override;
    void setScaleMode(int scaleMode) override { m_coordinates.setScaleMode(scaleMode); }
    double scaleWidth() const override { return m_coordinates.scaleWidth(); }
    double scaleHeight() const override { return m_coordinates.scaleHeight(); }

    void setCurrentX(double x) override { m_position.setX(x); }
    void setCurrentY(double y) override { m_position.setY(y); }
    void setFontName(const QString &name) override { m_fontName = name; }
    void setFontSize(double points) override { m_fontSize = points; }
    void setForeColor(int32_t color) override { m_foreColor = color; }
    // Half an em per character, a line one em high: near the Gothic's digits.
    double textWidth(const QString &text) override;
    double textHeight() override;

    void print(const QList<PrintItem> &items) override;
    void line(double x, double y, double width, double height, std::optional<int32_t> color,
        LineOption option) override;
    void picture(double x, double y, double width, double height, const QImage &image) override
    {
        pictures.append({pageForDrawing(), QRectF(x, y, width, height), image});
    }
    void newPage() override { m_newPagePending = m_page > 0; }
    void endDoc() override;

    QList<Text> textsOnPage(int page) const;
    QList<Box> boxesOnPage(int page) const;
    QList<Text> texts;
    QList<Box> boxes;
    QList<Picture> pictures;
    // Page counts of the ended documents, the latest first.
    QList<int> endedDocuments;
    // The file name of the last document path, and the whole path.
    QString documentName;
    QString documentPath;
    // Whether ended documents count as saved to a PDF for want of a printer.
    bool savesPdf = false;
    int paperSize = 0;
    int orientation = 0;
    int colorMode = 0;
    int resolution = 0;
    // The corners of the last scale(x1, y1, x2, y2).
    QRectF userScale;

private:
    int pageForDrawing();

    CoordinateSystem m_coordinates;
    QPointF m_position;
    QString m_fontName;
    double m_fontSize = 0;
    int32_t m_foreColor = 0;
    int m_page = 0;
    bool m_newPagePending = false;
    QString m_savedPdfPath;
};
