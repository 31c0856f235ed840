// prepare's options as command-line arguments, both ways: the one place that
// knows their names, their syntax and their defaults. The command line parses
// them with it, the photo window writes its 「同じ絵を作るコマンド」 line with it,
// and the chart file keeps a picture's settings as these arguments.
#pragma once

#include "prepare.h"

#include <QString>
#include <QStringList>
#include <optional>

namespace prepare {

// The options that take a value, and --dither and --palette.
enum class Option {
    Colors,
    MinPieces,
    Fit,
    Background,
    Region,
    Brightness,
    Contrast,
    Saturation,
    Without,
};

// "--colors" ...
QString optionName(Option option);

// Sets the option from its text; false when the text is not a value of it.
bool setOption(Option option, const QString &value, PrepareOptions &options);

// The Japanese message of a value setOption() refused, the value at its end.
QString optionValueError(Option option, const QString &value);

// The arguments of every option that differs from its default, in a fixed
// order, without input and output.
QStringList optionArguments(const PrepareOptions &options);

// The options of such arguments; nothing when one is unknown or has a wrong
// value. Input and output are not among them.
std::optional<PrepareOptions> parseOptionArguments(const QStringList &arguments);

} // namespace prepare
