#include "csvwriter.h"

#include "csvbytes.h"
#include "modshared.h"
#include "outputfile.h"
#include "writefailure.h"

#include <QByteArray>
#include <QFileInfo>
#include <array>

namespace csv {

namespace {

constexpr const char *FileNames[] = {"PixelColorNumber.csv", "ColorData.csv", "ColorCount.csv"};

struct CsvFile
{
    const char *name;
    QByteArray bytes;
};

WriteResult failed(WriteResult::Failure failure, const QString &name, const QString &path)
{
    const WriteFailure what = failure == WriteResult::Failure::Create ? WriteFailure::Create
        : failure == WriteResult::Failure::Write                      ? WriteFailure::Write
                                                                      : WriteFailure::ReplacesInput;
    return {failure, name, writeFailureText(what, path)};
}

WriteResult writeFile(const CsvFile &csvFile, const QDir &directory)
{
    const QString name = QString::fromLatin1(csvFile.name);
    // A removed working directory has no path, and Qt would put the file in the root.
    if (directory.absolutePath().isEmpty())
        return failed(WriteResult::Failure::Create, name, name);
    const QString path = directory.absoluteFilePath(name);
    OutputFile file(path);
    if (!file.open())
        return failed(WriteResult::Failure::Create, name, path);
    if (file.device().write(csvFile.bytes) != csvFile.bytes.size() || !file.commit())
        return failed(WriteResult::Failure::Write, name, path);
    return {};
}

} // namespace

QStringList outputPaths(const QDir &directory)
{
    QStringList paths;
    for (const char *name : FileNames)
        paths.append(directory.absoluteFilePath(QString::fromLatin1(name)));
    return paths;
}

WriteResult writeAnalysis(
    const modShared &model, int colorMax, const QDir &directory, const QStringList &inputs)
{
    const QStringList read = QStringList {model.strAnalysedFileName} + inputs;
    for (const QString &path : outputPaths(directory)) {
        if (!replacedInput(path, read).isEmpty())
            return failed(WriteResult::Failure::ReplacesInput, QFileInfo(path).fileName(), path);
    }
    // All bytes are built before the first file is opened, so a model fault
    // (colorMax out of range) leaves every file as it was.
    const std::array<CsvFile, 3> files {{
        {FileNames[0], pixelColorNumberBytes(model)},
        {FileNames[1], colorDataBytes(model, colorMax)},
        {FileNames[2], colorCountBytes(model, colorMax)},
    }};
    for (const CsvFile &file : files) {
        if (WriteResult result = writeFile(file, directory); !result.ok())
            return result;
    }
    return {};
}

} // namespace csv
