#include "prepare.h"

#include "labcolor.h"
#include "quality.h"
#include "writefailure.h"

#include <QFileInfo>
#include <QImageWriter>
#include <QSaveFile>
#include <QSet>

namespace prepare {

namespace {

int colorCount(const QImage &picture)
{
    QSet<QRgb> colors;
    for (int y = 0; y < picture.height(); ++y) {
        const uchar *row = picture.constScanLine(y);
        for (int x = 0; x < picture.width(); ++x)
            colors.insert(qRgb(row[3 * x], row[3 * x + 1], row[3 * x + 2]));
    }
    return int(colors.size());
}

// Qt writes Format_RGB888 as a bottom-up 24-bit BMP with the 40-byte info
// header; an indexed image would become a 4- or 8-bit BMP instead.
PrepareResult::Status writeBmp(const QImage &picture, const QString &path)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return PrepareResult::Status::CreateFailed;
    QImageWriter writer(&file, "bmp");
    if (!writer.write(picture) || !file.commit())
        return PrepareResult::Status::WriteFailed;
    return PrepareResult::Status::Done;
}

} // namespace

bool namesSameFile(const QString &a, const QString &b)
{
    const QString first = QFileInfo(a).canonicalFilePath();
    return !first.isEmpty() && first == QFileInfo(b).canonicalFilePath();
}

PrepareResult preparePicture(
    const QString &input, const QString &output, const PrepareOptions &options)
{
    PrepareResult result;
    // QSaveFile follows a link at the output path and would replace its target.
    if (namesSameFile(input, output)) {
        result.status = PrepareResult::Status::OutputIsInput;
        return result;
    }
    ReductionOptions reduction {options.colors, options.dither, {}};
    if (!options.paletteFile.isEmpty()) {
        result.palette = readPaletteFile(options.paletteFile);
        if (result.palette.status != PaletteFile::Status::Ok) {
            result.status = PrepareResult::Status::PaletteUnusable;
            return result;
        }
        for (const PaletteColor &color : result.palette.colors)
            reduction.fileColors.append(color.rgb);
    }

    const ScaledPicture scaled = loadScaledPicture(input, options.geometry, options.reducedDecode);
    result.sourceSize = scaled.sourceSize;
    result.format = scaled.format;
    switch (scaled.status) {
    case LoadStatus::Ok:
        break;
    case LoadStatus::CannotOpen:
        result.status = PrepareResult::Status::CannotOpen;
        return result;
    case LoadStatus::TooLarge:
        result.status = PrepareResult::Status::TooLarge;
        return result;
    case LoadStatus::Unreadable:
        result.status = PrepareResult::Status::Unreadable;
        return result;
    case LoadStatus::NoDecoder:
        result.status = PrepareResult::Status::NoDecoder;
        return result;
    }
    result.reference = scaled.image;

    const LabColor lab;
    result.picture = reduceColors(result.reference, reduction, lab);
    if (result.picture.isNull()) {
        result.status = PrepareResult::Status::ReductionFailed;
        return result;
    }
    result.colorCount = colorCount(result.picture);
    result.meanDeltaE = options.dither ? meanBlurredDeltaE(result.picture, result.reference, lab)
                                       : meanDeltaE(result.picture, result.reference, lab);
    result.status = writeBmp(result.picture, output);
    return result;
}

QString prepareFailureText(const PrepareResult &result, const QString &input, const QString &output,
    const QString &paletteFile)
{
    switch (result.status) {
    case PrepareResult::Status::Done:
        return {};
    case PrepareResult::Status::OutputIsInput:
        return QStringLiteral("出力先が元の画像と同じファイルです。別の名前を指定してください。\n")
            + output;
    case PrepareResult::Status::TooLarge:
        return QStringLiteral("画像が大きすぎます（%1×%2ドット。5000万画素まで扱えます）。\n")
                   .arg(result.sourceSize.width())
                   .arg(result.sourceSize.height())
            + input;
    case PrepareResult::Status::CannotOpen:
        return QStringLiteral("画像ファイルを開けません。\n") + input;
    case PrepareResult::Status::Unreadable:
        return QStringLiteral("画像を読み込めません（壊れているか、読めない形式です）。\n") + input;
    case PrepareResult::Status::NoDecoder:
        return QStringLiteral(
                   "%1形式の画像を読み込めません（この環境には%1のデコーダーがありません）。\n")
                   .arg(result.format)
            + input;
    case PrepareResult::Status::PaletteUnusable:
        return paletteErrorText(result.palette, paletteFile);
    case PrepareResult::Status::ReductionFailed:
        return QStringLiteral("色を減らせませんでした。\n") + input;
    case PrepareResult::Status::CreateFailed:
        return writeFailureText(WriteFailure::Create, output);
    case PrepareResult::Status::WriteFailed:
        return writeFailureText(WriteFailure::Write, output);
    }
    return {};
}

} // namespace prepare
