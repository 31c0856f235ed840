#include "commandline.h"

#include <QCoreApplication>
#include <QFile>
#include <cstdio>

namespace {

void ignoreQtMessage(QtMsgType, const QMessageLogContext &, const QString &) { }

bool write(std::FILE *stream, QString text)
{
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    if (!text.isEmpty() && !text.endsWith(QLatin1Char('\n')))
        text += QLatin1Char('\n');
    return std::fputs(text.toUtf8().constData(), stream) >= 0 && std::fflush(stream) == 0;
}

int usageError(const QString &text)
{
    printMessage(text + QStringLiteral("\n使い方は --help で表示されます。"));
    return ExitUsage;
}

// An option given as --out "" would silently mean the working folder, or nothing.
std::optional<QString> optionWithEmptyValue(const QCommandLineParser &parser)
{
    for (const QString &name : parser.optionNames()) {
        if (parser.values(name).contains(QString()))
            return (name.size() == 1 ? QStringLiteral("-") : QStringLiteral("--")) + name;
    }
    return std::nullopt;
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

int printOutput(const QString &text)
{
    if (write(stdout, text))
        return ExitDone;
    printMessage(QStringLiteral("標準出力に書き込めません。"));
    return ExitWriteFailed;
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
    for (int i = 0; i < argc; ++i) {
        arguments << QFile::decodeName(argv[i]);
        if (QFile::encodeName(arguments.last()) != argv[i]) {
            return usageError(
                QStringLiteral("UTF-8 ではない文字を含む引数は扱えません（ファイル名は UTF-8 で"
                               "指定してください）。\n")
                + arguments.last());
        }
    }
    if (!parser.parse(arguments))
        return usageError(parser.errorText());
    if (const auto empty = optionWithEmptyValue(parser))
        return usageError(QStringLiteral("%1 の値が空です。").arg(*empty));
    if (parser.isSet(help)) {
        // The help text names the program from the application's arguments:
        // its bare name, not the path it was started by.
        int nameOnly = 1;
        char name[] = "tessamap-cli";
        char *arguments[] = {name, nullptr};
        QCoreApplication application(nameOnly, arguments);
        return printOutput(parser.helpText());
    }
    if (parser.isSet(version))
        return printOutput(versionText());
    if (parser.positionalArguments().size() != positionalCount)
        return usageError(QStringLiteral("引数の数が正しくありません。"));
    return std::nullopt;
}
