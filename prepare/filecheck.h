// Checks a picture file before any decoder sees it. Qt's JPEG, GIF and BMP
// readers return what they got from a cut file as a whole picture, with the
// missing part grey, black or uninitialised memory, and libjpeg spins once per
// scan however small; so a file is walked here first: a JPEG's markers to its
// end-of-image marker (counting its scans), a BMP's pixel data to its last row
// or, run-length encoded, to its end-of-bitmap code, a GIF's first image to
// its last data block, a PNG's chunks to IEND, none longer than the rest of
// the file and every critical one whole by its CRC. PNG eXIf and WebP EXIF chunks are picked up on
// the way, since Qt reads orientation only from JPEG and TIFF.
#pragma once

#include <QByteArrayView>
#include <QSize>
#include <QString>

namespace prepare {

// More scans than this cost seconds to decode; libjpeg's own encoders write 10.
inline constexpr int MaxJpegScans = 100;

struct FileCheck
{
    enum class Status {
        Complete, // or a format not checked here (Qt reports truncation itself)
        Truncated, // also broken in its structure
        TooManyScans, // a JPEG with more than MaxJpegScans scans
    };

    Status status = Status::Complete;
    int exifOrientation = 1; // 1..8 from a PNG or WebP; 1 (upright) elsewhere
    // What a BMP or PNG header claims, so that a cut file claiming too much is
    // still called too large; invalid elsewhere.
    QSize claimedSize;
};

FileCheck checkPictureBytes(QByteArrayView bytes);
// Reads the file mapped, not copied; a file that cannot be mapped is left to
// Qt. Run before Qt reads even the header: libpng reads every chunk before the
// pixel data in full, whatever length it claims.
FileCheck checkPictureFile(const QString &path);

} // namespace prepare
