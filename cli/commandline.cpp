#include "commandline.h"

#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>
#include <cstdio>

namespace {

// Installs the translation baseName_<language>.qm from folder, if the
// locale's language has one.
bool installTranslation(
    QCoreApplication &application, const QString &baseName, const QString &folder)
{
    auto *translator = new QTranslator(&application);
    if (translator->load(QLocale::system(), baseName, QStringLiteral("_"), folder))
        return QCoreApplication::installTranslator(translator);
    delete translator;
    return false;
}

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

std::unique_ptr<QCoreApplication> createCommandApplication()
{
    static int argc = 1;
    static char name[] = "tessamap-cli";
    static char *argv[] = {name, nullptr};
    auto application = std::make_unique<QCoreApplication>(argc, argv);
    // Ours is embedded in the program, so the build and the package find it alike.
    // Qt's own texts (the parser's headings and errors) follow in the same
    // language only, so that a help is never half in another.
    if (installTranslation(
            *application, QStringLiteral("tessamap-cli"), QStringLiteral(":/translations")))
        installTranslation(*application, QStringLiteral("qtbase"),
            QLibraryInfo::path(QLibraryInfo::TranslationsPath));
    return application;
}

std::optional<int> parseCommandLine(
    QCommandLineParser &parser, int argc, char *argv[], int positionalCount)
{
    // Qt's own help option has no translation of its text.
    const QCommandLineOption help(
        {QStringLiteral("h"), QStringLiteral("help"), QStringLiteral("?")},
        QCoreApplication::translate("tessamap-cli", "Show this help."));
    const QCommandLineOption version({QStringLiteral("v"), QStringLiteral("version")},
        QCoreApplication::translate("tessamap-cli", "Show the version and licence."));
    parser.addOptions({help, version});
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    if (!parser.parse(arguments)) {
        printMessage(parser.errorText() + QStringLiteral("\n使い方は --help で表示されます。"));
        return ExitUsage;
    }
    if (parser.isSet(help)) {
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
