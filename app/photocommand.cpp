#include "photocommand.h"

#include <QRegularExpression>

namespace {

QString fitName(prepare::Fit fit)
{
    switch (fit) {
    case prepare::Fit::Crop:
        return QStringLiteral("crop");
    case prepare::Fit::Pad:
        return QStringLiteral("pad");
    case prepare::Fit::Stretch:
        return QStringLiteral("stretch");
    }
    return {};
}

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
    const prepare::PrepareOptions defaults;
    QStringList arguments {QStringLiteral("prepare")};
    const auto add = [&](const char *option, const QString &value) {
        arguments << QLatin1String(option) << value;
    };
    if (options.colors != defaults.colors)
        add("--colors", QString::number(options.colors));
    if (options.geometry.fit != defaults.geometry.fit)
        add("--fit", fitName(options.geometry.fit));
    if (options.geometry.background != defaults.geometry.background)
        add("--background",
            QStringLiteral("%1")
                .arg(options.geometry.background & 0xffffff, 6, 16, QLatin1Char('0'))
                .toUpper());
    if (const QRect region = options.geometry.region; !region.isNull())
        add("--region",
            QStringLiteral("%1,%2,%3,%4")
                .arg(region.x())
                .arg(region.y())
                .arg(region.width())
                .arg(region.height()));
    const prepare::Adjustments &adjustments = options.adjustments;
    if (adjustments.brightness != 0)
        add("--brightness", QString::number(adjustments.brightness));
    if (adjustments.contrast != 0)
        add("--contrast", QString::number(adjustments.contrast));
    if (adjustments.saturation != 0)
        add("--saturation", QString::number(adjustments.saturation));
    if (options.dither)
        arguments << QStringLiteral("--dither");
    if (!options.paletteFile.isEmpty())
        add("--palette", options.paletteFile);
    return arguments << input << output;
}

QString prepareCommandLine(
    const prepare::PrepareOptions &options, const QString &input, const QString &output)
{
    QStringList words {QStringLiteral("tessamap-cli")};
    for (const QString &argument : prepareArguments(options, input, output))
        words << shellQuoted(argument);
    return words.join(QLatin1Char(' '));
}
