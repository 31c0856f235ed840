#include "writefailure.h"

#include <QDir>
#include <QFileInfo>

QString writeFailureText(WriteFailure failure, const QString &path)
{
    const QString what = failure == WriteFailure::Create
        ? QStringLiteral("ファイル「%1」を作成できません。")
        : QStringLiteral("ファイル「%1」を書き込めません。");
    return what.arg(QFileInfo(path).fileName()) + QStringLiteral("\r\n")
        + QDir::toNativeSeparators(path);
}
