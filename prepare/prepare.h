// From any picture to a Tessamap picture: scaled to 160 x 120, reduced to at
// most N colours, written as a 24-bit BMP with the plain 54-byte header
// (57,654 bytes). The file is written last and through a temporary file, so
// nothing is written unless every step succeeded.
#pragma once

#include "colorreduction.h"
#include "palettefile.h"
#include "scaledpicture.h"

#include <QImage>
#include <QString>

namespace prepare {

struct PrepareOptions
{
    Geometry geometry;
    int colors = MaxColors; // 1..32
    bool dither = false;
    QString paletteFile; // empty for none
    bool reducedDecode = true; // see loadScaledPicture()
};

struct PrepareResult
{
    enum class Status {
        Done,
        OutputIsInput, // the output path names the input file, also through links
        OutputIsPalette, // likewise the palette file
        TooLarge, // see LoadStatus; limit is the pixels allowed
        TooManyScans, // see LoadStatus; limit is the scans allowed
        CannotOpen,
        Unreadable,
        ConversionFailed, // see LoadStatus
        NoDecoder, // a HEIC or AVIF photo this build cannot decode; format names it
        PaletteUnusable, // palette tells why
        ReductionFailed, // libimagequant gave no colours
        CreateFailed, // the output file could not be created, or is not a regular file
        WriteFailed, // the output file could not be written completely
    };

    Status status = Status::Done;
    QSize sourceSize; // for TooLarge
    qint64 limit = 0; // for TooLarge and TooManyScans
    QString format; // for NoDecoder
    PaletteFile palette;
    QImage reference; // the scaled picture before colour reduction
    QImage picture; // the picture written
    int colorCount = 0;
    // Mean CIEDE2000 of picture against reference; blurred when dithered.
    double meanDeltaE = 0;
};

PrepareResult preparePicture(
    const QString &input, const QString &output, const PrepareOptions &options);

// The Japanese message of a failed preparation; empty for Done.
QString prepareFailureText(const PrepareResult &result, const QString &input, const QString &output,
    const QString &paletteFile);

} // namespace prepare
