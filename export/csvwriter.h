// Writes the three CSV files of an analysis into one folder, in the order
// PixelColorNumber.csv, ColorData.csv, ColorCount.csv.
//
// Each file is written beside under a temporary name and renamed over the old one
// only when complete, so a failure leaves that file as it was: files before it
// stay written, files after it are not touched. colorMax is 0..32.
#pragma once

#include <QDir>
#include <QString>
#include <QStringList>

struct modShared;

namespace csv {

struct WriteResult
{
    enum class Failure {
        None,
        Create,
        Write,
        ReplacesInput, // a file's name is the analysed picture's or one of inputs: none written
    };

    Failure failure = Failure::None;
    // Bare name of the file that failed, e.g. "ColorData.csv"; empty on success.
    QString fileName;
    // Japanese text for the failure message box, naming the file and its full path.
    QString message;

    bool ok() const { return failure == Failure::None; }
};

// The three files' paths in directory, in the order they are written.
QStringList outputPaths(const QDir &directory);

// Refuses, before any file is written, to replace the analysed picture or one
// of inputs (a palette file).
WriteResult writeAnalysis(
    const modShared &model, int colorMax, const QDir &directory, const QStringList &inputs = {});

} // namespace csv
