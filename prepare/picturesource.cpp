#include "picturesource.h"

#include "heifpicture.h"

#include <QFileInfo>
#include <QImageReader>

namespace prepare {

namespace {

// The EXIF orientation turns the picture only after decoding, so a clip is
// asked for in stored orientation: upright = rotated90(mirrored(stored)).
QRect storedRect(const QRect &upright, QSize stored, QImageIOHandler::Transformations turn)
{
    QRect rect = upright;
    if (turn & QImageIOHandler::TransformationRotate90)
        rect = QRect(upright.y(), stored.height() - upright.x() - upright.width(), upright.height(),
            upright.width());
    if (turn & QImageIOHandler::TransformationMirror)
        rect.moveLeft(stored.width() - rect.x() - rect.width());
    if (turn & QImageIOHandler::TransformationFlip)
        rect.moveTop(stored.height() - rect.y() - rect.height());
    return rect;
}

} // namespace

QSize PictureSource::uprightSize() const
{
    return transformation & QImageIOHandler::TransformationRotate90 ? storedSize.transposed()
                                                                    : storedSize;
}

PictureSource openPictureSource(const QString &path)
{
    PictureSource source;
    source.path = path;
    const QFileInfo info(path);
    if (!info.isFile() || !info.isReadable())
        return source;
    if (const HeifFormat heif = heifFormatOfFile(path); heif != HeifFormat::None) {
        source.heifFormat = heifFormatName(heif);
        source.status = LoadStatus::Ok;
        return source;
    }
    QImageReader reader(path);
    reader.setAutoTransform(true);
    if (!reader.canRead()) {
        source.status = LoadStatus::Unreadable;
        return source;
    }
    source.storedSize = reader.size();
    if (source.storedSize.isValid()
        && qint64(source.storedSize.width()) * source.storedSize.height() > MaxSourcePixels) {
        source.status = LoadStatus::TooLarge;
        return source;
    }
    source.transformation = reader.transformation();
    source.jpeg = reader.format() == "jpeg";
    source.status = LoadStatus::Ok;
    return source;
}

DecodedPicture decodePicture(const PictureSource &source, const DecodePlan &plan)
{
    DecodedPicture result;
    result.plan = plan;
    if (!source.heifFormat.isEmpty()) {
        HeifPicture heif = readHeifPicture(source.path);
        result.status = heif.status;
        result.sourceSize = heif.sourceSize;
        result.image = std::move(heif.image);
        if (result.status == LoadStatus::Ok && result.image.isNull())
            result.status = LoadStatus::Unreadable;
        if (result.status == LoadStatus::Ok)
            result.covered = result.image.rect();
        return result;
    }
    // Qt's allocation limit stays in force for what the header does not tell.
    QImageReader reader(source.path);
    reader.setAutoTransform(true);
    const QSize stored = source.storedSize;
    // Sizes rounded down, so that Qt asks libjpeg for exactly 1/reduction;
    // rounded up, Qt would decode larger and scale down in sRGB values.
    if (plan.reduction > 1)
        reader.setScaledSize(
            QSize(stored.width() / plan.reduction, stored.height() / plan.reduction));
    if (!plan.clip.isNull())
        reader.setClipRect(storedRect(plan.clip, stored, source.transformation));
    result.image = reader.read();
    if (result.image.isNull()) {
        result.status = LoadStatus::Unreadable;
        return result;
    }
    if (!plan.clip.isNull())
        result.covered = plan.clip;
    else if (stored.isValid())
        result.covered = QRect(QPoint(), source.uprightSize());
    else
        result.covered = result.image.rect();
    result.status = LoadStatus::Ok;
    return result;
}

} // namespace prepare
