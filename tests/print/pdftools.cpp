#include "pdftools.h"

#include "fontface.h"

#include <QGuiApplication>
#include <QProcess>
#include <QStandardPaths>

void ensureGuiApplication()
{
    static int argc = 1;
    static char name[] = "print_tests";
    static char *argv[] = {name, nullptr};
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    static QGuiApplication application(argc, argv);
    registerFontSubstitutes();
}

QString pdfTestObstacle()
{
    for (const char *tool : {"pdfinfo", "pdftotext", "pdffonts", "pdftoppm"}) {
        if (QStandardPaths::findExecutable(tool).isEmpty())
            return QString::fromLatin1(tool) + QStringLiteral(" is not installed");
    }
    return {};
}

QString runTool(const QString &program, const QStringList &arguments)
{
    QProcess process;
    process.start(program, arguments);
    process.waitForFinished(60000);
    return QString::fromUtf8(process.readAllStandardOutput());
}
