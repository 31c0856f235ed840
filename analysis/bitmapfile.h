// Reading a bitmap file chosen by the user. Any file may arrive here: missing,
// a directory, a pipe, truncated, huge or not a bitmap at all. Only regular
// files are opened, and never more than the headers and 57,600 pixel bytes
// are read.
#pragma once

#include "bmpheader.h"

#include <QByteArray>
#include <QString>

enum class BitmapStatus {
    Ok,
    CannotOpen, // missing, not a regular file, or refused by the system
    HeaderIncomplete, // shorter than the 54 header bytes
    NotTwentyFourBit,
    WrongSize,
    PixelDataIncomplete, // ends before all 57,600 pixel bytes
};

struct BitmapFile
{
    static constexpr int PixelBytes = 160 * 120 * 3;

    BitmapStatus status = BitmapStatus::CannotOpen;
    BmpHeader header;
    // Bottom row first, blue, green, red per pixel; filled only when status is Ok.
    QByteArray pixels;
};

// The headers only: status Ok, CannotOpen or HeaderIncomplete.
BitmapFile readBitmapHeader(const QString &path);

// Headers, header test, then the pixel data from pixelDataOffset().
BitmapFile readBitmap(const QString &path);
