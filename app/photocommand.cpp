#include "photocommand.h"

#include "prepareoptions.h"

#include <QRegularExpression>

namespace {

QString shellQuoted(const QString &argument)
{
    static const QRegularExpression plain(QStringLiteral("^[A-Za-z0-9_./,:=+-]+$"));
    if (plain.match(argument).hasMatch())
        return argument;
    QString quoted = argument;
    quoted.replace(QLatin1Char('\''), QStringLiteral("'\\''"));
    return QLatin1Char('\'') + quoted + QLatin1Char('\'');
}

} // namespace

QStringList prepareArguments(
    const prepare::PrepareOptions &options, const QString &input, const QString &output)
{
    return QStringList {QStringLiteral("prepare")} << prepare::optionArguments(options) << input
                                                   << output;
}

QString prepareCommandLine(
    const prepare::PrepareOptions &options, const QString &input, const QString &output)
{
    QStringList words {QStringLiteral("tessamap-cli")};
    for (const QString &argument : prepareArguments(options, input, output))
        words << shellQuoted(argument);
    return words.join(QLatin1Char(' '));
}
