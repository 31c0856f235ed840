// One PNG chunk as the format stores it: length, type, data and CRC.
#pragma once

#include <QByteArray>

QByteArray pngChunk(const QByteArray &type, const QByteArray &data);
