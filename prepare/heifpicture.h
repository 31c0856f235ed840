// Photos in the HEIF family (HEIC from phones, HEIF, AVIF), decoded by libheif.
// They are told from other pictures by the brands of their leading ftyp box,
// not by their names. The primary image is decoded with the file's own
// rotation, mirror and crop (in HEIF these, not the EXIF orientation, say which
// way is up); tiled images come out whole; thumbnails, depth maps and other
// auxiliary images are left alone. The size is read from the file before
// anything is decoded.
#pragma once

#include "scaledpicture.h"

#include <QImage>
#include <QSize>
#include <QString>

namespace prepare {

enum class HeifFormat {
    None, // not a HEIF-family file
    Heic, // HEVC-coded
    Avif, // AV1-coded
    Heif, // a HEIF file naming neither codec in its brands
};

// From the first bytes of a file (its ftyp box; 64 bytes are plenty for the
// brands of every phone's photo).
HeifFormat heifFormatOf(const QByteArray &head);
// Reads the head of the file at path; None where it cannot be read.
HeifFormat heifFormatOfFile(const QString &path);

// "HEIC", "AVIF" or "HEIF", for messages.
QString heifFormatName(HeifFormat format);

struct HeifPicture
{
    LoadStatus status = LoadStatus::Unreadable;
    // Upright, with its colour space; as decoded: Format_RGB888 or
    // Format_RGBA8888 for 8-bit images, Format_RGBX64 or Format_RGBA64 for 10-
    // and 12-bit ones (premultiplied where the file says so); averaged: as
    // reduceInLinearLight() gives it. Null unless status is Ok.
    QImage image;
    QSize fullSize; // the decoded picture's, before any averaging
    QSize sourceSize; // upright, as the file gives it; invalid where it does not
};

// average: 0 for the picture as decoded; from 1 on, averaged down by that
// factor in linear light (reduceInLinearLight()), without the whole picture
// ever being laid out for Qt. NoDecoder where this build of libheif has no
// decoder for the file's codec.
HeifPicture readHeifPicture(const QString &path, int average);

// The primary image's upright size, read from the file's boxes without
// decoding; invalid where they cannot be read.
QSize heifPictureSize(const QString &path);

} // namespace prepare
