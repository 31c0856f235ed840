// The colours of the user's pieces, read from a GIMP palette (.gpl: a first
// line "GIMP Palette", then "R G B name" lines) or from CSV lines
// "R,G,B[,name]". Either is UTF-8, or else Shift-JIS (CP932), as spreadsheets
// on Japanese systems save CSV; names may be Japanese. Lines end in LF, CR LF
// or CR. Blank lines, lines starting with '#' and a CSV's first line if it
// holds no digit (a header row "R,G,B,名前") are skipped; full-width digits,
// commas and spaces count as ASCII ones, and control characters in names are
// replaced. Every fault stops the reading and names its line (counted from 1).
#pragma once

#include <QList>
#include <QString>

// A larger file or more colours would cost seconds and gigabytes to read and match.
inline constexpr qint64 MaxPaletteBytes = 1 << 20;
inline constexpr int MaxPaletteColors = 1024;

struct PaletteColor
{
    quint32 rgb = 0; // 0xffRRGGBB: the bits of a QRgb, which needs Qt Gui
    QString name;
    QString code {}; // the maker's code of a piece set's colour; empty from a file
    int line = 0;
};

struct PaletteFile
{
    enum class Status {
        Ok,
        CannotOpen, // missing, not a regular file, or not readable
        TooLarge, // more than MaxPaletteBytes
        TooManyColors, // at line, colour number MaxPaletteColors + 1
        NotText, // a picture or other binary file: not text, with a NUL byte near its start
        NotUtf8, // at line, and not Shift-JIS either
        BadLine, // at line: not three numbers 0..255 as the format wants
        Duplicate, // at line, the same colour as at firstLine
        NoColor, // nothing but blank lines, comments or GIMP headers; line is the last
        NotFound, // readPalette(): neither a file nor a piece set of that name
        NotASet, // readPalette(): colours to leave out of a file, which has no codes
        UnknownCode, // readPalette(): lineText is a code to leave out that the set has not
        NoneLeft, // readPalette(): every colour of the set left out
    };

    Status status = Status::CannotOpen;
    int line = 0;
    int firstLine = 0;
    QString lineText; // for BadLine and Duplicate: the line, cut to 40 characters
    QList<PaletteColor> colors; // in file order; filled only when status is Ok
    QString set; // the piece set's id when the colours are a built-in set's
};

PaletteFile readPaletteFile(const QString &path);

// The Japanese message for a palette that cannot be used, naming the file.
QString paletteErrorText(const PaletteFile &palette, const QString &path);
