#include "filename.h"

#include <QFile>

bool nameSurvivesFileSystem(const QString &name)
{
    return !name.contains(QChar::ReplacementCharacter)
        && QFile::decodeName(QFile::encodeName(name)) == name;
}

QString mangledNameText(const QString &name)
{
    return QStringLiteral("UTF-8 ではない文字を含む名前のファイルは扱えません（ファイル名を "
                          "UTF-8 に変えてください）。\r\n")
        + name;
}
