#include "clirun.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <csignal>
#include <sys/resource.h>

QProcessEnvironment environmentWithoutDisplay()
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char *name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM", "XDG_RUNTIME_DIR"})
        environment.remove(QString::fromLatin1(name));
    return environment;
}

std::function<void()> limitFileSize(unsigned long bytes)
{
    return [bytes] {
        std::signal(SIGXFSZ, SIG_IGN);
        const rlimit limit {bytes, bytes};
        setrlimit(RLIMIT_FSIZE, &limit);
    };
}

namespace {

CliRun runCliIn(const QProcessEnvironment &environment, const QStringList &arguments,
    const std::function<void()> &childSetUp)
{
    QProcess process;
    process.setProcessEnvironment(environment);
    if (childSetUp)
        process.setChildProcessModifier(childSetUp);
    process.start(QStringLiteral(TESSAMAP_CLI), arguments);
    process.waitForFinished(120000);
    return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
        QString::fromUtf8(process.readAllStandardOutput()),
        QString::fromUtf8(process.readAllStandardError())};
}

} // namespace

CliRun runCli(const QStringList &arguments, const std::function<void()> &childSetUp)
{
    return runCliIn(environmentWithoutDisplay(), arguments, childSetUp);
}

CliRun runCli(const QStringList &arguments, const QProcessEnvironment &environment)
{
    return runCliIn(environment, arguments, {});
}

QString samplePath(const QString &name)
{
    return QStringLiteral(TESSAMAP_SAMPLES "/") + name;
}

QByteArray fileBytes(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QStringList entriesOf(const QString &folder)
{
    return QDir(folder).entryList(
        QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden, QDir::Name);
}

QString pdfPageText(const QString &pdf, int page)
{
    QProcess process;
    process.start(QStringLiteral("pdftotext"),
        {QStringLiteral("-layout"), QStringLiteral("-f"), QString::number(page),
            QStringLiteral("-l"), QString::number(page), pdf, QStringLiteral("-")});
    process.waitForFinished(60000);
    return QString::fromUtf8(process.readAllStandardOutput());
}
