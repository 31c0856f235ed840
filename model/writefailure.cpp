#include "writefailure.h"

#include <QDir>
#include <QFileInfo>
#include <QSaveFile>

QString writeFailureText(WriteFailure failure, const QString &path)
{
    QString what;
    switch (failure) {
    case WriteFailure::Create:
        what = QStringLiteral("ファイル「%1」を作成できません。");
        break;
    case WriteFailure::Write:
        what = QStringLiteral("ファイル「%1」を書き込めません。");
        break;
    case WriteFailure::ReplacesInput:
        what = QStringLiteral(
            "ファイル「%1」は読み込んだファイルと同じファイルのため、書き出せません。");
        break;
    }
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
