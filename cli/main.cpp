#include "commandline.h"
#include "commands.h"
#include "pagesmodule.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <algorithm>
#include <cstring>
#include <initializer_list>

namespace {

QString overviewHelp()
{
    return QCoreApplication::translate("tessamap-cli",
        "Usage: tessamap-cli COMMAND [options]\n"
        "Tessamap without a window: the analysis, CSV files and PDF prints of a\n"
        "160x120, 24-bit BMP picture, and such a picture made from any photo.\n"
        "\n"
        "Commands:\n"
        "  prepare INPUT OUTPUT.bmp  make a Tessamap picture from any picture\n"
        "  export PICTURE            write the CSV files and the PDF prints\n"
        "  list PICTURE              print the pieces needed for each colour\n"
        "  progress PICTURE          mark blocks done, report what is left to lay\n"
        "  check PICTURE PHOTO       find the wrong pieces in a photo of a laid board\n"
        "  palettes [ID]             list the built-in piece sets, or one set's colours\n"
        "\n"
        "'tessamap-cli COMMAND --help' describes a command, its options and its\n"
        "exit status.");
}

bool isOneOf(const char *argument, std::initializer_list<const char *> words)
{
    return std::any_of(words.begin(), words.end(),
        [argument](const char *word) { return std::strcmp(argument, word) == 0; });
}

} // namespace

int main(int argc, char *argv[])
{
    silenceQtMessages();
    const char *command = argc > 1 ? argv[1] : "";
    if (std::strcmp(command, "export") == 0)
        return runExport(argc, argv);
    if (std::strcmp(command, "list") == 0)
        return runList(argc, argv);
    if (std::strcmp(command, "progress") == 0)
        return runProgress(argc, argv);
    if (std::strcmp(command, "palettes") == 0)
        return runPalettes(argc, argv);
    if (std::strcmp(command, "prepare") == 0) {
        const auto prepare = pagesFunction<RunPrepareFunction>("tessamapRunPrepare");
        return prepare ? prepare(argc, argv) : ExitBroken;
    }
    if (std::strcmp(command, "check") == 0) {
        const auto check = pagesFunction<RunCheckFunction>("tessamapRunCheck");
        return check ? check(argc, argv) : ExitBroken;
    }
    if (isOneOf(command, {"--help", "-h", "-?"})) {
        const auto application = createCommandApplication();
        return printOutput(overviewHelp());
    }
    if (isOneOf(command, {"--version", "-v"}))
        return printOutput(versionText());
    if (command[0] == '-') {
        printMessage(QStringLiteral("オプションはコマンド（prepare、export、list、progress、check、"
                                    "palettes）の後に指定してください: ")
            + QString::fromLocal8Bit(command) + QStringLiteral("\n")
            + QStringLiteral("使い方は tessamap-cli --help で表示されます。"));
        return ExitUsage;
    }
    printMessage(
        QStringLiteral(
            "コマンドを指定してください（prepare、export、list、progress、check、palettes）。\n")
        + QStringLiteral("使い方は tessamap-cli --help で表示されます。"));
    return ExitUsage;
}
