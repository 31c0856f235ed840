// The chart file beside the picture ("fruits.bmp" gets "fruits.tessamap"): UTF-8
// JSON that keeps what the picture cannot hold: the pieces' names, codes and
// set per colour number, the prepare options, which blocks are done and who
// builds which. It names the picture it belongs to by size and SHA-256, so a
// replaced picture is noticed instead of given another picture's marks.
//
// A file that cannot be read is never guessed at: decoding says why (cut short,
// malformed, a newer version) and applies nothing. Writing goes through the
// safe writer, so a failed write keeps the earlier file as it was.
#pragma once

#include "chart.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

namespace chart {

inline constexpr char FormatName[] = "tessamap-chart";
inline constexpr int FormatVersion = 1;

// The bytes of a picture file, as the chart file names them.
struct PictureIdentity
{
    qint64 size = -1; // -1: no picture
    QByteArray sha256; // 32 bytes

    friend bool operator==(const PictureIdentity &, const PictureIdentity &) = default;
};

PictureIdentity identityOfBytes(QByteArrayView bytes);
// The identity of the file at path; size -1 when it cannot be read.
PictureIdentity identityOfFile(const QString &path);

enum class ChartFileStatus {
    Ok,
    Missing, // no file of that name: a chart nobody has marked yet
    Unreadable, // exists but cannot be opened or read, or is not a regular file
    Truncated, // ends inside the JSON, or is empty
    Malformed, // not JSON, not a chart file, or a value out of its range
    NewerVersion, // written by a later Tessamap in a format this one does not know
    OtherPicture, // readable, but of another picture (the picture was replaced)
};

// The chart file's own content, before it is laid over an analysis.
struct ChartFileData
{
    QString pictureName; // the picture's file name, without folder
    PictureIdentity picture;
    // number n at colors[n - 1]: rgb, name, code and set; pieces 0.
    QList<ChartColor> colors;
    QStringList settings;
    std::bitset<BlockTotal> done;
    QMap<int, QString> builders;
    int version = FormatVersion; // the version the file claims (for NewerVersion)
};

struct ChartFileRead
{
    ChartFileStatus status = ChartFileStatus::Missing;
    ChartFileData data; // meaningful only for Ok
};

// Decodes a chart file's bytes; Ok, Truncated, Malformed or NewerVersion.
ChartFileRead decodeChartFile(QByteArrayView bytes);
QByteArray encodeChartFile(
    const Chart &chart, const QString &pictureName, const PictureIdentity &picture);

// The data of a chart: what encodeChartFile writes, as decodeChartFile reads it.
ChartFileData chartFileData(
    const Chart &chart, const QString &pictureName, const PictureIdentity &picture);

// Lays a file's names, settings and build state over an analysed chart of the
// picture of that identity. OtherPicture when the file names other bytes, or
// its colours are not the analysis's (same number and RGB); the chart is then
// left as it was.
ChartFileStatus applyChartFile(
    const ChartFileData &data, const PictureIdentity &picture, Chart &chart);

// "fruits.bmp" -> "fruits.tessamap" in the same folder.
QString chartPathOfPicture(const QString &picturePath);
// The backup kept when a chart file that cannot be used is replaced.
QString backupPathOf(const QString &chartPath);
bool isChartFilePath(const QString &path);

// The Japanese message of a chart file that cannot be used, with the path on
// its last line (CR LF between lines); empty for Ok and Missing.
QString chartFileProblemText(ChartFileStatus status, const QString &chartPath);

// The bytes of a file, and whether it could be read; Missing, Unreadable or Ok.
struct FileBytes
{
    ChartFileStatus status = ChartFileStatus::Missing;
    QByteArray bytes;
};
// Chart files past this size are refused as malformed without being read:
// a chart of 192 blocks and 32 colours with long names stays far below.
inline constexpr qint64 MaxChartFileBytes = 4 * 1024 * 1024;
FileBytes readChartFileBytes(const QString &chartPath);

} // namespace chart
