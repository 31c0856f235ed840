// HEIC and AVIF files made in the tests with libheif's own encoder program
// (heif-enc, from Debian's libheif-examples), from a PNG the test wrote.
#pragma once

#include <QString>
#include <QStringList>

// Encodes png into output, HEIC or AVIF by output's suffix; options go to
// heif-enc as they are. Returns heif-enc's messages where it failed, else empty.
QString encodeWithHeifEnc(
    const QString &png, const QString &output, const QStringList &options = {});
