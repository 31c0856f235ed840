// Opening the chart of a picture (its analysis and, when there is one, the
// chart file beside it) and keeping that file up to date while it is worked on.
// The command line and the windows open and save charts only through here.
//
// Two programs may hold one chart (two windows, a window and the command
// line). Before each write the file is read again if it changed since this
// program last read or wrote it, and the two are merged block by block: what
// this program changed since then wins, everything else is taken from the
// file, so nobody's marks are lost. A file that has become unusable meanwhile
// is not written over.
#pragma once

#include "chartfile.h"
#include "colornumbering.h"
#include "palettefile.h"

#include <QString>

struct modShared;

namespace chart {

struct OpenedChart
{
    QString picturePath; // absolute
    QString chartPath; // absolute
    BitmapStatus pictureStatus = BitmapStatus::CannotOpen; // the rest only when Ok
    PictureIdentity picture;
    // Ok: the file is laid over the analysis; Missing: there is none yet; else
    // why the file is not used (it is then left as it was).
    ChartFileStatus fileStatus = ChartFileStatus::Missing;
    int fileVersion = FormatVersion; // the version a NewerVersion file claims
    Chart chart;
    QByteArray fileBytes; // the chart file as read (Ok and unusable cases)
};

// path names the picture (a BMP) or its chart file (".tessamap"), whose
// picture is the one it names in its folder, else the BMP of its base name.
// model receives the analysis, as the colour window would make it.
OpenedChart openChart(const QString &path, modShared &model);
OpenedChart openChart(const QString &path);

enum class SaveStatus {
    Saved,
    CreateFailed, // the file (or the backup) could not be created
    WriteFailed, // not every byte reached the disk; the earlier file is kept
    FileUnusable, // the file on disk changed into one that cannot be read; left alone
};

struct SaveResult
{
    SaveStatus status = SaveStatus::Saved;
    ChartFileStatus fileStatus = ChartFileStatus::Ok; // for FileUnusable
    QString path; // the file that failed
    bool merged = false; // marks from another program were taken in
};

// The Japanese message of a save that failed; empty for Saved.
QString saveFailureText(const SaveResult &result);

// The three-way merge: base is the file as this program last knew it, theirs
// the file now. Per block, done and builder come from ours where ours differs
// from base, else from theirs; likewise the names and the settings as a whole.
void mergeChartFile(const ChartFileData &base, const ChartFileData &theirs, Chart &ours);

// Keeps one chart file up to date for a chart opened with openChart().
class ChartKeeper
{
public:
    explicit ChartKeeper(const OpenedChart &opened);

    // Writes chart, merged first with the file when it changed since it was
    // last read or written; chart then holds what was written. A failed save
    // leaves chart as it was (merged) and the file as it was. While the file
    // found at opening was not used, nothing is written (FileUnusable).
    SaveResult save(Chart &chart);
    // For a file that could not be used: keeps its bytes as "NAME.tessamap.bak"
    // and writes chart in its place, nothing of the old file taken in.
    SaveResult startAfresh(Chart &chart);

    const QString &chartPath() const { return m_chartPath; }

private:
    SaveResult write(const Chart &chart);

    QString m_chartPath;
    QString m_pictureName;
    PictureIdentity m_picture;
    ChartFileData m_base; // the file's content as last read or written
    QByteArray m_seenHash; // SHA-256 of the file's bytes then; empty for none
    // Why the file found at opening was not used; Ok once written afresh.
    ChartFileStatus m_refused = ChartFileStatus::Ok;
};

// Names the chart's colours by the entries of exactly the same RGB (the low 24
// bits): name, code and set. Colours without one keep theirs.
void nameColors(Chart &chart, const QList<ChartColor> &named);

// The names and codes of a palette's colours, for nameColors(); set is the
// piece set's id, empty for a palette file.
QList<ChartColor> colorsOfPalette(const QList<PaletteColor> &colors, const QString &set);

// Writes the chart file of a picture just made: names and settings from
// chart; the build state of an earlier chart file of the same picture is kept,
// one of another picture or one that cannot be read is kept as ".bak".
SaveResult writeChartOfNewPicture(
    const QString &picturePath, const QList<ChartColor> &named, const QStringList &settings);

} // namespace chart
