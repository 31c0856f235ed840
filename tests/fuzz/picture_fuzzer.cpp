// Feeds arbitrary bytes through prepare's load, scaling and colour reduction,
// as a picture file on disk would reach them.
#include "colorreduction.h"
#include "labcolor.h"
#include "scaledpicture.h"

#include <QFile>
#include <QTemporaryDir>
#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static const QTemporaryDir folder;
    static const prepare::LabColor lab;
    const QString path = folder.filePath(QStringLiteral("picture"));
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        __builtin_trap();
    file.write(reinterpret_cast<const char *>(data), qint64(size));
    file.close();
    const prepare::ScaledPicture scaled = prepare::loadScaledPicture(path);
    if (scaled.status != prepare::LoadStatus::Ok)
        return 0;
    if (scaled.image.size() != QSize(prepare::PictureWidth, prepare::PictureHeight))
        __builtin_trap();
    const QImage reduced = prepare::reduceColors(scaled.image, {4, false, {}}, lab);
    if (reduced.isNull())
        __builtin_trap();
    return 0;
}
