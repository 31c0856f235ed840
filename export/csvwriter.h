// Writes the three CSV files of an analysis into one folder, in the order
// PixelColorNumber.csv, ColorData.csv, ColorCount.csv.
//
// Each file is written beside under a temporary name and renamed over the old one
// only when complete, so a failure leaves that file as it was: files before it
// stay written, files after it are not touched. colorMax is 0..32.
#pragma once

#include <QDir>
#include <QString>

struct modShared;

namespace csv {

struct WriteResult
{
    enum class Failure { None, Create, Write };

    Failure failure = Failure::None;
    // Bare name of the file that failed, e.g. "ColorData.csv"; empty on success.
    QString fileName;
    // Japanese text for the failure message box, naming the file and its full path.
    QString message;

    bool ok() const { return failure == Failure::None; }
};

WriteResult writeAnalysis(const modShared &model, int colorMax, const QDir &directory);

} // namespace csv
