#include "colornames.h"
#include "colornumbering.h"
#include "colorvalue.h"
#include "commandline.h"
#include "commands.h"
#include "prepare.h"

#include <QCoreApplication>
#include <QRect>
#include <QRegularExpression>
#include <climits>

namespace {

std::optional<prepare::Fit> parseFit(const QString &text)
{
    if (text == QLatin1String("crop"))
        return prepare::Fit::Crop;
    if (text == QLatin1String("pad"))
        return prepare::Fit::Pad;
    if (text == QLatin1String("stretch"))
        return prepare::Fit::Stretch;
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

std::optional<int> parseAdjustment(const QString &text)
{
    bool numeric = false;
    const int value = text.toInt(&numeric);
    if (!numeric || value < -prepare::MaxAdjustment || value > prepare::MaxAdjustment)
        return std::nullopt;
    return value;
}

int exitCode(prepare::PrepareResult::Status status)
{
    using Status = prepare::PrepareResult::Status;
    switch (status) {
    case Status::Done:
        return ExitDone;
    case Status::OutputIsInput:
    case Status::OutputIsPalette:
    case Status::OutputNotBmp:
    case Status::RegionOutside:
        return ExitUsage;
    case Status::TooLarge:
    case Status::TooManyScans:
        return ExitRefused;
    case Status::CannotOpen:
    case Status::Unreadable:
    case Status::ConversionFailed:
    case Status::NoDecoder:
    case Status::PaletteUnusable:
    case Status::ReductionFailed:
        return ExitBroken;
    case Status::CreateFailed:
    case Status::WriteFailed:
        return ExitWriteFailed;
    }
    return ExitBroken;
}

// One line per colour number of the picture written, numbered as the windows
// will number it: "色3:　230,180,150　肌2".
QString colorNumberList(const QImage &picture, const QList<PaletteColor> &fileColors)
{
    // The pixel bytes of the BMP: blue, green, red, bottom row first.
    QByteArray pixels(qsizetype(picture.width()) * picture.height() * 3, Qt::Uninitialized);
    char *pixel = pixels.data();
    for (int y = picture.height() - 1; y >= 0; --y) {
        const uchar *row = picture.constScanLine(y);
        for (int x = 0; x < picture.width(); ++x) {
            *pixel++ = char(row[3 * x + 2]);
            *pixel++ = char(row[3 * x + 1]);
            *pixel++ = char(row[3 * x]);
        }
    }
    modShared model;
    const int colorMax = numberColors(pixels, model);
    const QStringList names = colorNames(model, colorMax, fileColors);
    QString text;
    for (int n = 1; n <= colorMax; ++n) {
        const int32_t value = model.lngColorRGB(n);
        text += QStringLiteral("\n色%1:　%2,%3,%4")
                    .arg(n)
                    .arg(colorvalue::red(value))
                    .arg(colorvalue::green(value))
                    .arg(colorvalue::blue(value));
        if (!names[n - 1].isEmpty())
            text += QStringLiteral("　") + names[n - 1];
    }
    return text;
}

} // namespace

int runPrepare(int argc, char *argv[])
{
    const auto application = createCommandApplication();
    QCommandLineParser parser;
    parser.setApplicationDescription(QCoreApplication::translate("prepare",
        "Turns a picture (PNG, JPEG, GIF, BMP, WebP, TIFF, HEIC, HEIF or AVIF, told by\n"
        "its content) into a picture Tessamap takes: 160x120 pixels, at most N colours,\n"
        "24-bit BMP. The picture is turned upright by its EXIF orientation (HEIC and\n"
        "AVIF by their own rotation and mirror), scaled in linear light and\n"
        "reduced with libimagequant; with --palette its colours are taken from the\n"
        "colours of your pieces. Prints the number of colours and the mean CIEDE2000\n"
        "colour difference from the scaled picture (with --dither, after a blur of\n"
        "one pixel, as the mosaic looks from a step back).\n"
        "\n"
        "Exit status:\n"
        "  0  done\n"
        "  1  usage error, also when OUTPUT does not end in .bmp, names INPUT or the\n"
        "     palette file (directly or through a link), when --region does not lie\n"
        "     inside the picture, an option value is empty, or a name is not UTF-8\n"
        "  2  refused: the picture's header claims more than 50 megapixels (30 at\n"
        "     16 bits a channel, 25 for HEIC and AVIF), or a JPEG has more than 100\n"
        "     scans\n"
        "  3  the picture or the palette file is unusable: missing, unreadable, empty,\n"
        "     truncated, damaged or in another format, too large to convert, a palette\n"
        "     line is wrong (reported with its line number), or the palette file is\n"
        "     over 1 MiB or has over 1,024 colours\n"
        "  4  the output could not be written or is not a regular file, or standard\n"
        "     output could not be written (OUTPUT is then complete; only the\n"
        "     report is lost)\n"
        "Nothing is written unless the exit status is 0 (or 4 for a lost report)."));
    parser.addPositionalArgument(
        QStringLiteral("prepare"), QCoreApplication::translate("prepare", "The command."));
    parser.addPositionalArgument(
        QStringLiteral("input"), QCoreApplication::translate("prepare", "The picture to prepare."));
    parser.addPositionalArgument(QStringLiteral("output"),
        QCoreApplication::translate("prepare",
            "The BMP file to write, its name ending in .bmp; an existing file is replaced once "
            "the new one is complete."));
    const QCommandLineOption colors(QStringLiteral("colors"),
        QCoreApplication::translate("prepare", "At most <n> colours, 1 to 32 (default 32)."),
        QStringLiteral("n"), QStringLiteral("32"));
    const QCommandLineOption palette(QStringLiteral("palette"),
        QCoreApplication::translate("prepare",
            "Use only colours of <file>, the best <n> of them: a GIMP palette (.gpl) or CSV "
            "lines R,G,B[,name], UTF-8 or Shift-JIS. Then prints each colour used with its "
            "number and name."),
        QStringLiteral("file"));
    const QCommandLineOption dither(QStringLiteral("dither"),
        QCoreApplication::translate("prepare",
            "Mix colours by error diffusion (Floyd-Steinberg). Off by default: scattered "
            "single pieces are harder to lay."));
    const QCommandLineOption fit(QStringLiteral("fit"),
        QCoreApplication::translate("prepare",
            "crop: fill 160x120 and keep the middle (default); pad: the whole picture, the "
            "rest in the background colour; stretch: ignore the aspect ratio."),
        QStringLiteral("mode"), QStringLiteral("crop"));
    const QCommandLineOption background(QStringLiteral("background"),
        QCoreApplication::translate("prepare",
            "Colour under transparent parts and around a padded picture, RRGGBB (default "
            "FFFFFF, white)."),
        QStringLiteral("RRGGBB"), QStringLiteral("FFFFFF"));
    const QCommandLineOption region(QStringLiteral("region"),
        QCoreApplication::translate("prepare",
            "Use only the part of the upright picture at X,Y (its top-left pixel) "
            "of W x H pixels; with crop, its middle in 4:3 (default: the whole "
            "picture)."),
        QStringLiteral("X,Y,W,H"));
    const QCommandLineOption brightness(QStringLiteral("brightness"),
        QCoreApplication::translate(
            "prepare", "Brightness, -100 to 100 (default 0): adds n/2 to CIELAB L*."),
        QStringLiteral("n"), QStringLiteral("0"));
    const QCommandLineOption contrast(QStringLiteral("contrast"),
        QCoreApplication::translate(
            "prepare", "Contrast, -100 to 100 (default 0): L* - 50 times (1 + n/100)."),
        QStringLiteral("n"), QStringLiteral("0"));
    const QCommandLineOption saturation(QStringLiteral("saturation"),
        QCoreApplication::translate(
            "prepare", "Saturation, -100 to 100 (default 0): a* and b* times (1 + n/100)."),
        QStringLiteral("n"), QStringLiteral("0"));
    parser.addOptions(
        {colors, palette, dither, fit, background, region, brightness, contrast, saturation});
    if (const auto code = parseCommandLine(parser, argc, argv, 3))
        return *code;

    prepare::PrepareOptions options;
    bool numeric = false;
    options.colors = parser.value(colors).toInt(&numeric);
    if (!numeric || options.colors < 1 || options.colors > prepare::MaxColors) {
        printMessage(
            QStringLiteral("色数は 1 から 32 で指定してください: ") + parser.value(colors));
        return ExitUsage;
    }
    const auto fitMode = parseFit(parser.value(fit));
    if (!fitMode) {
        printMessage(QStringLiteral("--fit には crop、pad、stretch のどれかを指定してください: ")
            + parser.value(fit));
        return ExitUsage;
    }
    options.geometry.fit = *fitMode;
    const auto backgroundColor = parseBackground(parser.value(background));
    if (!backgroundColor) {
        printMessage(QStringLiteral("背景色は RRGGBB の形（例: FFFFFF）で指定してください: ")
            + parser.value(background));
        return ExitUsage;
    }
    options.geometry.background = *backgroundColor;
    if (parser.isSet(region)) {
        const auto part = parseRegion(parser.value(region));
        if (!part) {
            printMessage(QStringLiteral("--region は X,Y,幅,高さ の形（例: 0,0,400,300）で、"
                                        "幅と高さを 1 以上にして指定してください: ")
                + parser.value(region));
            return ExitUsage;
        }
        options.geometry.region = *part;
    }
    struct AdjustmentOption
    {
        const QCommandLineOption &option;
        const char *name;
        int &value;
    };
    for (const AdjustmentOption &adjustment :
        {AdjustmentOption {brightness, "明るさ", options.adjustments.brightness},
            AdjustmentOption {contrast, "コントラスト", options.adjustments.contrast},
            AdjustmentOption {saturation, "彩度", options.adjustments.saturation}}) {
        const auto value = parseAdjustment(parser.value(adjustment.option));
        if (!value) {
            printMessage(QString::fromUtf8(adjustment.name)
                + QStringLiteral("は -100 から 100 で指定してください: ")
                + parser.value(adjustment.option));
            return ExitUsage;
        }
        adjustment.value = *value;
    }
    options.dither = parser.isSet(dither);
    options.paletteFile = parser.value(palette);

    const QString input = parser.positionalArguments().at(1);
    const QString output = parser.positionalArguments().at(2);
    const prepare::PrepareResult result = prepare::preparePicture(input, output, options);
    if (result.status != prepare::PrepareResult::Status::Done) {
        printMessage(prepare::prepareFailureText(result, input, output, options.paletteFile));
        return exitCode(result.status);
    }
    QString report = QStringLiteral("色数: %1\n平均色差 (CIEDE2000%2): %3")
                         .arg(result.colorCount)
                         .arg(options.dither ? QStringLiteral("、ぼかし後") : QString())
                         .arg(QString::number(result.meanDeltaE, 'f', 2));
    if (!options.paletteFile.isEmpty())
        report += colorNumberList(result.picture, result.palette.colors);
    return printOutput(report);
}
