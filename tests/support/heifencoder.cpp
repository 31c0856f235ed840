#include "heifencoder.h"

#include <QFileInfo>
#include <QProcess>

QString encodeWithHeifEnc(const QString &png, const QString &output, const QStringList &options)
{
    QProcess process;
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.start(
        QStringLiteral("heif-enc"), options + QStringList {QStringLiteral("-o"), output, png});
    if (!process.waitForFinished(120000))
        return QStringLiteral("heif-enc did not run: ") + process.errorString();
    if (process.exitStatus() != QProcess::NormalExit || process.exitCode() != 0
        || !QFileInfo(output).isFile())
        return QString::fromLocal8Bit(process.readAll());
    return {};
}
