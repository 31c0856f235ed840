// Files and pictures that several test suites make: whole-file reads and
// writes, and a photo-like picture of thousands of colours.
#pragma once

#include <QByteArray>
#include <QImage>
#include <QSet>
#include <QString>

// The file's bytes; empty when it cannot be read.
QByteArray readAll(const QString &path);
// Fails the calling test when the file cannot be written.
void writeAll(const QString &path, const QByteArray &bytes);

// The distinct colours of a picture.
QSet<QRgb> colorsOf(const QImage &image);

// Smooth hues with fine ripples: thousands of colours, like a photo.
QImage photoLike(int width, int height);
