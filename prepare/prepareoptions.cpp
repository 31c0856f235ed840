#include "prepareoptions.h"

#include "rarecolors.h"

#include <QRegularExpression>
#include <algorithm>
#include <climits>

namespace prepare {

namespace {

constexpr Option valueOptions[]
    = {Option::Colors, Option::MinPieces, Option::Fit, Option::Background, Option::Region,
        Option::Brightness, Option::Contrast, Option::Saturation, Option::Without};

const QString ditherName = QStringLiteral("--dither");
const QString paletteName = QStringLiteral("--palette");

QString fitName(Fit fit)
{
    switch (fit) {
    case Fit::Crop:
        return QStringLiteral("crop");
    case Fit::Pad:
        return QStringLiteral("pad");
    case Fit::Stretch:
        return QStringLiteral("stretch");
    }
    return {};
}

std::optional<Fit> parseFit(const QString &text)
{
    for (const Fit fit : {Fit::Crop, Fit::Pad, Fit::Stretch}) {
        if (text == fitName(fit))
            return fit;
    }
    return std::nullopt;
}

std::optional<QRgb> parseBackground(const QString &text)
{
    static const QRegularExpression pattern(QStringLiteral("^#?([0-9A-Fa-f]{6})$"));
    const QRegularExpressionMatch match = pattern.match(text);
    if (!match.hasMatch())
        return std::nullopt;
    return 0xff000000u | match.captured(1).toUInt(nullptr, 16);
}

// X,Y,W,H: a corner inside the picture and a size of at least one pixel.
std::optional<QRect> parseRegion(const QString &text)
{
    static const QRegularExpression pattern(QStringLiteral("^(\\d+),(\\d+),(\\d+),(\\d+)$"));
    const QRegularExpressionMatch match = pattern.match(text);
    if (!match.hasMatch())
        return std::nullopt;
    int values[4];
    for (int i = 0; i < 4; ++i) {
        bool numeric = false;
        values[i] = match.captured(i + 1).toInt(&numeric);
        if (!numeric)
            return std::nullopt;
    }
    if (values[2] < 1 || values[3] < 1 || values[0] > INT_MAX - values[2]
        || values[1] > INT_MAX - values[3])
        return std::nullopt;
    return QRect(values[0], values[1], values[2], values[3]);
}

std::optional<int> parseNumber(const QString &text, int low, int high)
{
    bool numeric = false;
    const int value = text.toInt(&numeric);
    if (!numeric || value < low || value > high)
        return std::nullopt;
    return value;
}

int *adjustment(Option option, PrepareOptions &options)
{
    switch (option) {
    case Option::Brightness:
        return &options.adjustments.brightness;
    case Option::Contrast:
        return &options.adjustments.contrast;
    case Option::Saturation:
        return &options.adjustments.saturation;
    default:
        return nullptr;
    }
}

} // namespace

QString optionName(Option option)
{
    switch (option) {
    case Option::Colors:
        return QStringLiteral("--colors");
    case Option::MinPieces:
        return QStringLiteral("--min-pieces");
    case Option::Fit:
        return QStringLiteral("--fit");
    case Option::Background:
        return QStringLiteral("--background");
    case Option::Region:
        return QStringLiteral("--region");
    case Option::Brightness:
        return QStringLiteral("--brightness");
    case Option::Contrast:
        return QStringLiteral("--contrast");
    case Option::Saturation:
        return QStringLiteral("--saturation");
    case Option::Without:
        return QStringLiteral("--without");
    }
    return {};
}

bool setOption(Option option, const QString &value, PrepareOptions &options)
{
    switch (option) {
    case Option::Colors:
        if (const auto colors = parseNumber(value, 1, MaxColors)) {
            options.colors = *colors;
            return true;
        }
        return false;
    case Option::MinPieces:
        if (const auto pieces = parseNumber(value, 1, MaxMinPieces)) {
            options.minPieces = *pieces;
            return true;
        }
        return false;
    case Option::Fit:
        if (const auto fit = parseFit(value)) {
            options.geometry.fit = *fit;
            return true;
        }
        return false;
    case Option::Background:
        if (const auto background = parseBackground(value)) {
            options.geometry.background = *background;
            return true;
        }
        return false;
    case Option::Region:
        if (const auto region = parseRegion(value)) {
            options.geometry.region = *region;
            return true;
        }
        return false;
    case Option::Brightness:
    case Option::Contrast:
    case Option::Saturation:
        if (const auto number = parseNumber(value, -MaxAdjustment, MaxAdjustment)) {
            *adjustment(option, options) = *number;
            return true;
        }
        return false;
    case Option::Without: {
        const QStringList codes = value.split(QLatin1Char(','));
        if (codes.contains(QString()))
            return false;
        options.leftOut = codes;
        return true;
    }
    }
    return false;
}

QString optionValueError(Option option, const QString &value)
{
    switch (option) {
    case Option::Colors:
        return QStringLiteral("色数は 1 から 32 で指定してください: ") + value;
    case Option::MinPieces:
        return QStringLiteral("1色の最少ピース数は 1 から 200 で指定してください: ") + value;
    case Option::Fit:
        return QStringLiteral("--fit には crop、pad、stretch のどれかを指定してください: ") + value;
    case Option::Background:
        return QStringLiteral("背景色は RRGGBB の形（例: FFFFFF）で指定してください: ") + value;
    case Option::Region:
        return QStringLiteral("--region は X,Y,幅,高さ の形（例: 0,0,400,300）で、"
                              "幅と高さを 1 以上にして指定してください: ")
            + value;
    case Option::Brightness:
        return QStringLiteral("明るさは -100 から 100 で指定してください: ") + value;
    case Option::Contrast:
        return QStringLiteral("コントラストは -100 から 100 で指定してください: ") + value;
    case Option::Saturation:
        return QStringLiteral("彩度は -100 から 100 で指定してください: ") + value;
    case Option::Without:
        return QStringLiteral("--without には除く色の品番をコンマで区切って指定してください"
                              "（例: 80-19001,80-19018）: ")
            + value;
    }
    return {};
}

QStringList optionArguments(const PrepareOptions &options)
{
    const PrepareOptions defaults;
    QStringList arguments;
    const auto add
        = [&](Option option, const QString &value) { arguments << optionName(option) << value; };
    if (options.colors != defaults.colors)
        add(Option::Colors, QString::number(options.colors));
    if (options.minPieces != defaults.minPieces)
        add(Option::MinPieces, QString::number(options.minPieces));
    if (options.geometry.fit != defaults.geometry.fit)
        add(Option::Fit, fitName(options.geometry.fit));
    if (options.geometry.background != defaults.geometry.background)
        add(Option::Background,
            QStringLiteral("%1")
                .arg(options.geometry.background & 0xffffff, 6, 16, QLatin1Char('0'))
                .toUpper());
    if (const QRect region = options.geometry.region; !region.isNull())
        add(Option::Region,
            QStringLiteral("%1,%2,%3,%4")
                .arg(region.x())
                .arg(region.y())
                .arg(region.width())
                .arg(region.height()));
    const Adjustments &adjustments = options.adjustments;
    if (adjustments.brightness != 0)
        add(Option::Brightness, QString::number(adjustments.brightness));
    if (adjustments.contrast != 0)
        add(Option::Contrast, QString::number(adjustments.contrast));
    if (adjustments.saturation != 0)
        add(Option::Saturation, QString::number(adjustments.saturation));
    if (options.dither)
        arguments << ditherName;
    if (!options.paletteFile.isEmpty())
        arguments << paletteName << options.paletteFile;
    if (!options.leftOut.isEmpty())
        add(Option::Without, options.leftOut.join(QLatin1Char(',')));
    return arguments;
}

std::optional<PrepareOptions> parseOptionArguments(const QStringList &arguments)
{
    PrepareOptions options;
    for (qsizetype k = 0; k < arguments.size(); ++k) {
        const QString &name = arguments[k];
        if (name == ditherName) {
            options.dither = true;
            continue;
        }
        if (k + 1 >= arguments.size())
            return std::nullopt;
        const QString &value = arguments[++k];
        if (name == paletteName) {
            options.paletteFile = value;
            continue;
        }
        const Option *known = std::find_if(std::begin(valueOptions), std::end(valueOptions),
            [&](Option option) { return optionName(option) == name; });
        if (known == std::end(valueOptions) || !setOption(*known, value, options))
            return std::nullopt;
    }
    return options;
}

} // namespace prepare
