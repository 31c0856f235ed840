// What every subcommand of tessamap-cli shares: exit codes, messages on
// standard error, and argument parsing with --help and --version.
#pragma once

#include <QCommandLineParser>
#include <QString>
#include <optional>

enum ExitCode {
    ExitDone = 0,
    ExitUsage = 1,
    ExitRefused = 2, // the picture was refused; see the command's help
    ExitBroken = 3, // the input is unreadable or broken; nothing was written
    ExitWriteFailed = 4, // an output could not be written
};

// Qt's own warnings (XDG_RUNTIME_DIR, fonts, plugins) would mix with ours on
// standard error, where only our messages belong.
void silenceQtMessages();

// A message on standard error, UTF-8, with LF line ends. A message that
// cannot be written leaves the exit status as it was.
void printMessage(const QString &text);
// Data on standard output, UTF-8, with LF line ends: ExitDone, or
// ExitWriteFailed after a message when standard output does not take it all
// (a full disk, a closed pipe).
[[nodiscard]] int printOutput(const QString &text);

// The text of --version: program, version and licence.
QString versionText();
// The exit codes as the commands' help lists them.
QString exitCodesText();

// Parses the arguments of one subcommand (argv[1] is the command word, kept as
// the first positional argument). Returns an exit code when the run ends here:
// after --help or --version, or on a usage error, which it reports: also an
// argument that is not UTF-8 (Qt would turn it into another file name) and an
// option given an empty value.
std::optional<int> parseCommandLine(
    QCommandLineParser &parser, int argc, char *argv[], int positionalCount);
