// Runs tessamap-cli as a user's shell would, and reads what it left behind.
#pragma once

#include <QByteArray>
#include <QProcess>
#include <QString>
#include <QStringList>
#include <functional>

struct CliRun
{
    int exitCode = -1;
    QString out;
    QString err;
};

// The environment of a terminal without a display.
QProcessEnvironment environmentWithoutDisplay();

// A child set-up that caps the size of any file written, as a full disk would.
std::function<void()> limitFileSize(unsigned long bytes);

// childSetUp runs in the child before the program starts (resource limits).
CliRun runCli(const QStringList &arguments, const std::function<void()> &childSetUp = {});
// In the given environment instead.
CliRun runCli(const QStringList &arguments, const QProcessEnvironment &environment);

QString samplePath(const QString &name);
QByteArray fileBytes(const QString &path);
// The names in a folder, sorted.
QStringList entriesOf(const QString &folder);
// Page `page` of a PDF as pdftotext reads it.
QString pdfPageText(const QString &pdf, int page);
