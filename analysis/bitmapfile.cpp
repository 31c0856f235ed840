#include "bitmapfile.h"

#include <QFile>
#include <QFileInfo>

namespace {

// Opening a pipe would block and a directory cannot be read: only regular files.
bool openRegularFile(QFile &file)
{
    return QFileInfo(file.fileName()).isFile() && file.open(QIODevice::ReadOnly);
}

BitmapFile readHeaderFrom(QFile &file)
{
    BitmapFile result;
    const auto header = parseBmpHeader(file.read(BmpHeader::Size));
    if (!header) {
        result.status = BitmapStatus::HeaderIncomplete;
        return result;
    }
    result.header = *header;
    result.status = BitmapStatus::Ok;
    return result;
}

} // namespace

BitmapFile readBitmapHeader(const QString &path)
{
    QFile file(path);
    if (!openRegularFile(file))
        return {};
    return readHeaderFrom(file);
}

BitmapFile readBitmap(const QString &path)
{
    QFile file(path);
    if (!openRegularFile(file))
        return {};
    BitmapFile result = readHeaderFrom(file);
    if (result.status != BitmapStatus::Ok)
        return result;
    switch (checkHeader(result.header)) {
    case HeaderCheck::NotTwentyFourBit:
        result.status = BitmapStatus::NotTwentyFourBit;
        return result;
    case HeaderCheck::WrongSize:
        result.status = BitmapStatus::WrongSize;
        return result;
    case HeaderCheck::Accepted:
        break;
    }
    if (!file.seek(pixelDataOffset(result.header))) {
        result.status = BitmapStatus::PixelDataIncomplete;
        return result;
    }
    result.pixels = file.read(BitmapFile::PixelBytes);
    if (result.pixels.size() != BitmapFile::PixelBytes) {
        result.pixels.clear();
        result.status = BitmapStatus::PixelDataIncomplete;
    }
    return result;
}
