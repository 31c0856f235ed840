// The printing surface: the operations of a page printer with a settable
// coordinate system, as the print operations use them. Settings persist
// between documents on the one process-wide instance.
//
// Coordinates are in the current unit: twips after scale(), millimetres after
// setScaleMode(6), user units after scale(x1, y1, x2, y2); the origin is the
// top-left corner of the printable area, y grows downwards.
// Every failure (no printer, a refused setting, an unwritable file) throws
// PrintError, whose what() is a Japanese description in UTF-8.
#pragma once

#include "writefailure.h"

#include <QImage>
#include <QList>
#include <QString>
#include <cstdint>
#include <optional>
#include <stdexcept>
#include <variant>

class PrintError : public std::runtime_error
{
public:
    using std::runtime_error::runtime_error;
};

// A document file that could not be created or written; path() is its full path.
class FileWriteError : public PrintError
{
public:
    FileWriteError(WriteFailure failure, const QString &path);
    const QString &path() const { return m_path; }

private:
    QString m_path;
};

// A text item is drawn unchanged; a number item as sign position, digits and one space.
using PrintItem = std::variant<QString, long long>;

// The text that print() draws for the items: one after the other, nothing between.
QString printedText(const QList<PrintItem> &items);

enum class LineOption {
    Box, // B: the outline
    BoxFilled, // BF: filled solid, outline included
};

class PrintSurface
{
public:
    static constexpr int PaperA3 = 8;
    static constexpr int PaperA4 = 9;
    static constexpr int OrientationPortrait = 1;
    static constexpr int OrientationLandscape = 2;
    static constexpr int ColorModeMonochrome = 1;
    static constexpr int ColorModeColor = 2;
    static constexpr int ScaleModeMillimetres = 6;
    static constexpr int DefaultResolution = 300;

    virtual ~PrintSurface() = default;

    // The next document: its name is the file name of path, and where it goes
    // to a file rather than a printer, it becomes the PDF at path.
    virtual void setDocumentPath(const QString &path) = 0;
    // The PDF the last completed document was saved as in place of a printer;
    // empty when a printer, or a file chosen in the printer dialog, took it.
    virtual QString savedPdfPath() const = 0;

    virtual void setPaperSize(int paperCode) = 0;
    virtual void setOrientation(int orientation) = 0;
    virtual void setColorMode(int colorMode) = 0;
    // Device dots per inch of the next document; drawing lands on whole dots.
    virtual void setResolution(int dotsPerInch) = 0;

    virtual void scale() = 0;
    virtual void scale(double x1, double y1, double x2, double y2) = 0;
    virtual void setScaleMode(int scaleMode) = 0;
    virtual double scaleWidth() const = 0;
    virtual double scaleHeight() const = 0;

    virtual void setCurrentX(double x) = 0;
    virtual void setCurrentY(double y) = 0;
    virtual void setFontName(const QString &name) = 0;
    virtual void setFontSize(double points) = 0;
    // The colour of printed text, a colour value; black until set.
    virtual void setForeColor(int32_t color) = 0;
    // The advance width of the text and the height of a line in the current
    // font, in current units.
    virtual double textWidth(const QString &text) = 0;
    virtual double textHeight() = 0;

    virtual void print(const QList<PrintItem> &items) = 0;
    // The rectangle from (x, y) to (x + width, y + height); without a colour the
    // outline takes the foreground colour (black).
    virtual void line(double x, double y, double width, double height, std::optional<int32_t> color,
        LineOption option)
        = 0;
    // The image stretched over the rectangle from (x, y) to (x + width,
    // y + height), each pixel a sharp-edged cell: nothing smooths between them.
    virtual void picture(double x, double y, double width, double height, const QImage &image) = 0;
    virtual void newPage() = 0;
    // Ends the document; a newPage() with nothing drawn after it adds no page.
    virtual void endDoc() = 0;
};
