#include "writefailure.h"

#include <QDir>
#include <QFileInfo>
#include <QSaveFile>

QString writeFailureText(WriteFailure failure, const QString &path)
{
    const QString what = failure == WriteFailure::Create
        ? QStringLiteral("ファイル「%1」を作成できません。")
        : QStringLiteral("ファイル「%1」を書き込めません。");
    return what.arg(QFileInfo(path).fileName()) + QStringLiteral("\r\n")
        + QDir::toNativeSeparators(path);
}

bool commitCompletely(QSaveFile &file)
{
    // commit() misses a short write (a full disk, a size limit) of the bytes
    // still buffered when it flushes them itself, and would rename a truncated
    // file over the good one. Flushing first reports it.
    if (!file.flush()) {
        file.cancelWriting();
        file.commit();
        return false;
    }
    return file.commit();
}
