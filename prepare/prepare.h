// From any picture to a Tessamap picture: scaled to 160 x 120, adjusted,
// reduced to at most N colours, written as a 24-bit BMP with the plain 54-byte
// header (57,654 bytes). The file is written last and through a temporary
// file, so nothing is written unless every step succeeded. Each step is here
// on its own too, for a front end that decodes once and tries many settings.
#pragma once

#include "adjustments.h"
#include "colorreduction.h"
#include "palettefile.h"
#include "scaledpicture.h"

#include <QImage>
#include <QString>
#include <QStringList>

namespace prepare {

struct PrepareOptions
{
    Geometry geometry;
    Adjustments adjustments;
    int colors = MaxColors; // 1..32
    bool dither = false;
    QString paletteFile; // a file or a piece set's id (see palettesource.h); empty for none
    QStringList leftOut; // the codes of a set's colours not to use
    int minPieces = 1; // 1..MaxMinPieces; see rarecolors.h
    bool reducedDecode = true; // see loadScaledPicture()
};

struct PrepareResult
{
    enum class Status {
        Done,
        OutputIsInput, // the output path names the input file, also through any link
        OutputIsPalette, // the output path names the palette file, also through any link
        OutputNotBmp, // the output's name does not end in .bmp
        TooLarge, // see LoadStatus; limit is the pixels allowed
        TooManyScans, // see LoadStatus; limit is the scans allowed
        RegionOutside, // the region does not lie inside the picture
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
    QSize sourceSize; // stored for TooLarge, upright for RegionOutside
    qint64 limit = 0; // for TooLarge and TooManyScans
    QString format; // for NoDecoder
    PaletteFile palette;
    QImage reference; // the scaled and adjusted picture before colour reduction
    QImage picture; // the picture written
    int colorCount = 0;
    int droppedColors = 0; // for covering fewer pixels than minPieces
    // Mean CIEDE2000 of picture against reference; blurred when dithered.
    double meanDeltaE = 0;
};

// The colours of a reduced picture with the number of pixels of each, in the
// order of the colour numbers the windows give them: of first appearance in
// the BMP's order, rows from the bottom, each left to right.
struct ColorCount
{
    QRgb color = 0;
    int pixels = 0;
};

struct ReducedPicture
{
    QImage reference; // the scaled and adjusted picture
    QImage picture; // null when libimagequant gave no colours
    QList<ColorCount> counts;
    int droppedColors = 0; // for covering fewer pixels than the reduction's minPieces
    // Mean CIEDE2000 of picture against reference; blurred when dithered.
    double meanDeltaE = 0;
};

// The colours of a Format_RGB888 picture, counted.
QList<ColorCount> colorCounts(const QImage &picture);

// "色数: 12", and with minPieces over 1 how many rare colours were dropped:
// "色数: 12（少ない 3 色を除外）".
QString colorCountText(int colors, int minPieces, int dropped);

// Every step after decoding: the part scaled, adjusted and reduced.
ReducedPicture reduceDecoded(const DecodedPicture &decoded, const Geometry &geometry,
    const Adjustments &adjustments, const ReductionOptions &reduction);
// The steps after scaling (scaleToPicture), for settings that leave the scaled picture as it is.
ReducedPicture reduceScaled(
    const QImage &scaled, const Adjustments &adjustments, const ReductionOptions &reduction);

// The rule of an output's name, for every front end. The windows open only
// .bmp files, so a picture of another name would be hidden; and a name typed
// without .bmp is often another picture's, which the picture would replace.
bool hasBmpName(const QString &path);
// path with ".bmp" added unless it ends in .bmp already (in any case).
QString withBmpName(const QString &path);
// Why output may not be written for input and the palette file (empty for
// none): OutputIsInput, OutputIsPalette or OutputNotBmp; Done where it may.
// A target that is not a regular file is refused when it is opened (CreateFailed).
PrepareResult::Status outputRefusal(
    const QString &input, const QString &output, const QString &paletteFile);

// Writes picture as the 24-bit BMP, through a temporary file: Done,
// CreateFailed or WriteFailed, and an earlier file of that name kept on failure.
PrepareResult::Status writePreparedPicture(const QImage &picture, const QString &path);

PrepareResult preparePicture(
    const QString &input, const QString &output, const PrepareOptions &options);

// The status of a picture that could not be loaded; Done for LoadStatus::Ok.
PrepareResult::Status prepareStatus(LoadStatus status);

// The Japanese message of a failed preparation; empty for Done.
QString prepareFailureText(const PrepareResult &result, const QString &input, const QString &output,
    const QString &paletteFile);

} // namespace prepare
