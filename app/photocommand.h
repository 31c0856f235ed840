// The tessamap-cli command that makes the same picture as the photo window's
// settings: options only where they differ from the defaults, and arguments
// quoted for a POSIX shell where they need it.
#pragma once

#include "prepare.h"

#include <QString>
#include <QStringList>

// The arguments after "tessamap-cli".
QStringList prepareArguments(
    const prepare::PrepareOptions &options, const QString &input, const QString &output);

// One line: "tessamap-cli prepare ... INPUT OUTPUT".
QString prepareCommandLine(
    const prepare::PrepareOptions &options, const QString &input, const QString &output);
