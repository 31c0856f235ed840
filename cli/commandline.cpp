#include "commandline.h"

#include "filename.h"

#include <QCoreApplication>
#include <QFile>
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

bool write(std::FILE *stream, QString text)
{
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    if (!text.isEmpty() && !text.endsWith(QLatin1Char('\n')))
        text += QLatin1Char('\n');
    // Written by its length: a NUL in the text must not end the output there.
    const QByteArray bytes = text.toUtf8();
    return std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stream) == size_t(bytes.size())
        && std::fflush(stream) == 0;
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
    QCommandLineParser &parser, int argc, char *argv[], int positionalCount, int optionalCount)
{
    // Qt's own help option has no translation of its text.
    const QCommandLineOption help(
        {QStringLiteral("h"), QStringLiteral("help"), QStringLiteral("?")},
        QCoreApplication::translate("tessamap-cli", "Show this help."));
    const QCommandLineOption version({QStringLiteral("v"), QStringLiteral("version")},
        QCoreApplication::translate("tessamap-cli", "Show the version and licence."));
    parser.addOptions({help, version});
    QStringList arguments;
    for (int i = 0; i < argc; ++i) {
        arguments << QFile::decodeName(argv[i]);
        if (!nameSurvivesFileSystem(arguments.last())) {
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
    if (parser.isSet(help))
        return printOutput(parser.helpText());
    if (parser.isSet(version))
        return printOutput(versionText());
    if (const qsizetype given = parser.positionalArguments().size();
        given < positionalCount || given > positionalCount + optionalCount)
        return usageError(QStringLiteral("引数の数が正しくありません。"));
    return std::nullopt;
}
