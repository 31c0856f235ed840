// What every subcommand of tessamap-cli shares: exit codes, messages on
// standard error, the application object with the help texts in the user's
// language, and argument parsing with --help and --version.
#pragma once

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QString>
#include <memory>
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

// A Qt Core application named tessamap-cli, the name the usage line of --help
// shows. Its translators give the help texts (and Qt's own parser texts) in the
// language of the locale (LANG, LC_MESSAGES, LC_ALL, LANGUAGE), Japanese or else
// English; they must be installed before the texts are made, so a command
// creates it before its parser.
std::unique_ptr<QCoreApplication> createCommandApplication();

// Parses the arguments of one subcommand (argv[1] is the command word, kept as
// the first positional argument). Returns an exit code when the run ends here:
// after --help or --version, or on a usage error, which it reports: also an
// argument that is not UTF-8 (Qt would turn it into another file name) and an
// option given an empty value, and fewer positional arguments than
// positionalCount or more than optionalCount past it. The command's
// application object must exist already.
std::optional<int> parseCommandLine(
    QCommandLineParser &parser, int argc, char *argv[], int positionalCount, int optionalCount = 0);
