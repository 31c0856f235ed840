#include "commandline.h"

#include <QCoreApplication>
#include <cstdio>

namespace {

void ignoreQtMessage(QtMsgType, const QMessageLogContext &, const QString &) { }

void write(std::FILE *stream, QString text)
{
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    if (!text.isEmpty() && !text.endsWith(QLatin1Char('\n')))
        text += QLatin1Char('\n');
    std::fputs(text.toUtf8().constData(), stream);
}

} // namespace

void silenceQtMessages()
{
    qInstallMessageHandler(ignoreQtMessage);
}

void printMessage(const QString &text)
{
    write(stderr, text);
}

void printOutput(const QString &text)
{
    write(stdout, text);
}

QString versionText()
{
    return QStringLiteral("tessamap-cli " TESSAMAP_VERSION "\n"
                          "Copyright (C) 2026 Tessamap developers.\n"
                          "License GPL-3.0-or-later <https://gnu.org/licenses/gpl.html>.\n"
                          "This is free software: you are free to change and redistribute it.\n"
                          "There is NO WARRANTY, to the extent permitted by law.");
}

QString exitCodesText()
{
    return QStringLiteral("Exit status:\n"
                          "  0  done\n"
                          "  1  usage error\n"
                          "  2  refused: the picture is not a 24-bit 160x120 BMP (nothing is\n"
                          "     written), or the matrix prints were refused because the top-left\n"
                          "     block holds a pixel without a colour number (the other outputs\n"
                          "     are still written)\n"
                          "  3  the picture is unreadable or broken; nothing is written\n"
                          "  4  an output could not be written (wins over 2)");
}

std::optional<int> parseCommandLine(
    QCommandLineParser &parser, int argc, char *argv[], int positionalCount)
{
    const QCommandLineOption help = parser.addHelpOption();
    const QCommandLineOption version = parser.addVersionOption();
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    if (!parser.parse(arguments)) {
        printMessage(parser.errorText() + QStringLiteral("\n使い方は --help で表示されます。"));
        return ExitUsage;
    }
    if (parser.isSet(help)) {
        // The help text names the program from the application's arguments:
        // its bare name, not the path it was started by.
        int nameOnly = 1;
        char name[] = "tessamap-cli";
        char *arguments[] = {name, nullptr};
        QCoreApplication application(nameOnly, arguments);
        printOutput(parser.helpText());
        return ExitDone;
    }
    if (parser.isSet(version)) {
        printOutput(versionText());
        return ExitDone;
    }
    if (parser.positionalArguments().size() != positionalCount) {
        printMessage(
            QStringLiteral("引数の数が正しくありません。\n使い方は --help で表示されます。"));
        return ExitUsage;
    }
    return std::nullopt;
}
