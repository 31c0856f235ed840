#include "givenfile.h"

#include <QFile>
#include <QFileInfo>

GivenFile examineGivenFile(const QString &path)
{
    const QFileInfo info(path);
    GivenFile given {GivenFileRoad::Unreadable, info.absoluteFilePath(), {}};
    const QString line = QStringLiteral("\r\n") + given.path;
    if (!info.exists()) {
        given.problem = QStringLiteral("ファイルが見つかりません。") + line;
        return given;
    }
    // Pipes and devices would block the reader; a folder is no picture.
    if (!info.isFile()) {
        given.problem = QStringLiteral("画像ファイルではないため開けません。") + line;
        return given;
    }
    QFile file(given.path);
    const QByteArray signature = file.open(QIODevice::ReadOnly) ? file.read(2) : QByteArray();
    if (file.error() != QFileDevice::NoError) {
        given.problem = QStringLiteral("ファイルを読み込めません。") + line;
        return given;
    }
    given.road = signature == "BM" ? GivenFileRoad::Bitmap : GivenFileRoad::Photo;
    return given;
}
