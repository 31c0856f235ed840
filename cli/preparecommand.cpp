#include "chartstore.h"
#include "colornames.h"
#include "colornumbering.h"
#include "colorvalue.h"
#include "commandline.h"
#include "commands.h"
#include "prepare.h"
#include "prepareoptions.h"

#include <QCoreApplication>

namespace {

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
// will number it: "色3:　230,180,150　肌2", a set's colour with its code after the name.
QString colorNumberList(const QImage &picture, const QList<PaletteColor> &paletteColors)
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
    const QList<PaletteColor> named = paletteColorsOfNumbers(model, colorMax, paletteColors);
    QString text;
    for (int n = 1; n <= colorMax; ++n) {
        const int32_t value = model.lngColorRGB(n);
        text += QStringLiteral("\n色%1:　%2,%3,%4")
                    .arg(n)
                    .arg(colorvalue::red(value))
                    .arg(colorvalue::green(value))
                    .arg(colorvalue::blue(value));
        for (const QString &label : {named[n - 1].name, named[n - 1].code}) {
            if (!label.isEmpty())
                text += QStringLiteral("　") + label;
        }
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
        "colours of your pieces: a palette file, or a built-in set of real pieces\n"
        "(tessamap-cli palettes lists them). Prints the number of colours and the\n"
        "mean CIEDE2000 colour difference from the scaled picture (with --dither,\n"
        "after a blur of one pixel, as the mosaic looks from a step back). Beside\n"
        "OUTPUT it writes its chart file (OUTPUT.tessamap) with the names and codes\n"
        "of the palette's colours and these settings; an earlier one of another\n"
        "picture is kept as .bak.\n"
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
        "  4  the output or its chart file could not be written or is not a regular\n"
        "     file, or standard output could not be written (OUTPUT is then\n"
        "     complete; only the report is lost)\n"
        "Nothing is written unless the exit status is 0, but for the picture when\n"
        "only its chart file or the report could not be written."));
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
            "lines R,G,B[,name], UTF-8 or Shift-JIS; or of a built-in piece set given by its "
            "id, e.g. perler (see tessamap-cli palettes; a file of that name in the working "
            "folder wins). Then prints each colour used with its number, name and code."),
        QStringLiteral("file|set"));
    const QCommandLineOption minPieces(QStringLiteral("min-pieces"),
        QCoreApplication::translate("prepare",
            "No colour for fewer than <n> pieces, 1 to 200 (default 1: any): while a chosen "
            "colour covers fewer pixels, the one with the fewest is dropped and its pixels take "
            "their nearest remaining colour (with --dither, the picture is dithered again)."),
        QStringLiteral("n"), QStringLiteral("1"));
    const QCommandLineOption without(QStringLiteral("without"),
        QCoreApplication::translate("prepare",
            "With --palette and a piece set: leave out the set's colours of these maker's "
            "codes, those you have not got, e.g. 80-19001,80-19018."),
        QStringLiteral("codes"));
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
    parser.addOptions({colors, palette, without, minPieces, dither, fit, background, region,
        brightness, contrast, saturation});
    if (const auto code = parseCommandLine(parser, argc, argv, 3))
        return *code;

    prepare::PrepareOptions options;
    struct ValueOption
    {
        prepare::Option option;
        const QCommandLineOption &parsed;
    };
    for (const ValueOption &value : {ValueOption {prepare::Option::Colors, colors},
             ValueOption {prepare::Option::MinPieces, minPieces},
             ValueOption {prepare::Option::Fit, fit},
             ValueOption {prepare::Option::Background, background},
             ValueOption {prepare::Option::Region, region},
             ValueOption {prepare::Option::Brightness, brightness},
             ValueOption {prepare::Option::Contrast, contrast},
             ValueOption {prepare::Option::Saturation, saturation},
             ValueOption {prepare::Option::Without, without}}) {
        // --region and --without have no default: the whole picture, every colour.
        if (!parser.isSet(value.parsed) && value.parsed.defaultValues().isEmpty())
            continue;
        if (!prepare::setOption(value.option, parser.value(value.parsed), options)) {
            printMessage(prepare::optionValueError(value.option, parser.value(value.parsed)));
            return ExitUsage;
        }
    }
    options.dither = parser.isSet(dither);
    options.paletteFile = parser.value(palette);
    if (!options.leftOut.isEmpty() && options.paletteFile.isEmpty()) {
        printMessage(QStringLiteral("--without は --palette と一緒に指定してください。"));
        return ExitUsage;
    }

    const QString input = parser.positionalArguments().at(1);
    const QString output = parser.positionalArguments().at(2);
    const prepare::PrepareResult result = prepare::preparePicture(input, output, options);
    if (result.status != prepare::PrepareResult::Status::Done) {
        printMessage(prepare::prepareFailureText(result, input, output, options.paletteFile));
        return exitCode(result.status);
    }
    QString report
        = prepare::colorCountText(result.colorCount, options.minPieces, result.droppedColors)
        + QStringLiteral("\n平均色差 (CIEDE2000%1): %2")
              .arg(options.dither ? QStringLiteral("、ぼかし後") : QString())
              .arg(QString::number(result.meanDeltaE, 'f', 2));
    if (!options.paletteFile.isEmpty())
        report += colorNumberList(result.picture, result.palette.colors);
    // The chart file beside the picture keeps the names and the settings for
    // the windows and the other commands.
    const chart::SaveResult chartFile = chart::writeChartOfNewPicture(output,
        chart::colorsOfPalette(result.palette.colors, result.palette.set),
        prepare::optionArguments(options));
    if (chartFile.status != chart::SaveStatus::Saved) {
        printMessage(chart::saveFailureText(chartFile)
            + QStringLiteral("\n画像は書き込みましたが、制作ファイルは書き込めませんでした。"));
        return ExitWriteFailed;
    }
    return printOutput(report);
}
