#include "chartstore.h"

#include "modshared.h"
#include "outputfile.h"
#include "writefailure.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>

namespace chart {

namespace {

QByteArray hashOf(const QByteArray &bytes)
{
    return QCryptographicHash::hash(bytes, QCryptographicHash::Sha256);
}

// The picture a chart file names: the file it names in its own folder, else
// the BMP of its base name.
QString pictureOfChartFile(const QString &chartPath)
{
    const QFileInfo info(chartPath);
    const FileBytes file = readChartFileBytes(chartPath);
    if (file.status == ChartFileStatus::Ok) {
        const ChartFileRead read = decodeChartFile(file.bytes);
        const QString name = read.data.pictureName;
        // Only a plain name: the file must not lead anywhere but beside itself.
        if (read.status == ChartFileStatus::Ok && !name.isEmpty()
            && !name.contains(QLatin1Char('/')) && name != QLatin1String(".")
            && name != QLatin1String("..") && QFileInfo(info.dir().filePath(name)).isFile())
            return info.dir().filePath(name);
    }
    return info.dir().filePath(info.completeBaseName() + QStringLiteral(".bmp"));
}

SaveResult writeBytes(const QString &path, const QByteArray &bytes)
{
    OutputFile file(path);
    if (!file.open())
        return {SaveStatus::CreateFailed, ChartFileStatus::Ok, path, false};
    if (file.device().write(bytes) != bytes.size() || !file.commit())
        return {SaveStatus::WriteFailed, ChartFileStatus::Ok, path, false};
    return {SaveStatus::Saved, ChartFileStatus::Ok, path, false};
}

bool sameNames(const QList<ChartColor> &a, const QList<ChartColor> &b)
{
    if (a.size() != b.size())
        return false;
    for (qsizetype k = 0; k < a.size(); ++k) {
        if (a[k].rgb != b[k].rgb || a[k].name != b[k].name || a[k].code != b[k].code
            || a[k].set != b[k].set)
            return false;
    }
    return true;
}

} // namespace

OpenedChart openChart(const QString &path, modShared &model)
{
    OpenedChart opened;
    const QString absolute = QFileInfo(path).absoluteFilePath();
    if (isChartFilePath(absolute)) {
        opened.chartPath = absolute;
        opened.picturePath = pictureOfChartFile(absolute);
    } else {
        opened.picturePath = absolute;
        opened.chartPath = chartPathOfPicture(absolute);
    }
    const AnalysisResult analysis = analyseBitmapFile(opened.picturePath, model);
    opened.pictureStatus = analysis.status;
    if (analysis.status != BitmapStatus::Ok)
        return opened;
    opened.picture = identityOfFile(opened.picturePath);
    opened.chart = chartFromAnalysis(model, analysis.colorMax);
    const FileBytes file = readChartFileBytes(opened.chartPath);
    opened.fileStatus = file.status;
    if (file.status != ChartFileStatus::Ok)
        return opened;
    opened.fileBytes = file.bytes;
    const ChartFileRead read = decodeChartFile(file.bytes);
    opened.fileStatus = read.status;
    opened.fileVersion = read.data.version;
    if (read.status == ChartFileStatus::Ok)
        opened.fileStatus = applyChartFile(read.data, opened.picture, opened.chart);
    return opened;
}

OpenedChart openChart(const QString &path)
{
    modShared model;
    return openChart(path, model);
}

QString saveFailureText(const SaveResult &result)
{
    switch (result.status) {
    case SaveStatus::Saved:
        return {};
    case SaveStatus::CreateFailed:
        return writeFailureText(WriteFailure::Create, result.path);
    case SaveStatus::WriteFailed:
        return writeFailureText(WriteFailure::Write, result.path);
    case SaveStatus::FileUnusable:
        return chartFileProblemText(result.fileStatus, result.path) + QStringLiteral("\r\n")
            + QStringLiteral("ほかのプログラムが書き換えたため、上書きせずに残しました。");
    }
    return {};
}

void mergeChartFile(const ChartFileData &base, const ChartFileData &theirs, Chart &ours)
{
    for (int index = 0; index < BlockTotal; ++index) {
        const auto bit = std::size_t(index);
        if (ours.done.test(bit) == base.done.test(bit))
            ours.done.set(bit, theirs.done.test(bit));
        const QString ourBuilder = ours.builders.value(index);
        if (ourBuilder == base.builders.value(index)) {
            const QString theirBuilder = theirs.builders.value(index);
            if (theirBuilder.isEmpty())
                ours.builders.remove(index);
            else
                ours.builders.insert(index, theirBuilder);
        }
    }
    QList<ChartColor> ourNames = ours.colors;
    for (ChartColor &color : ourNames)
        color.pieces = 0;
    if (sameNames(ourNames, base.colors) && sameNames(theirs.colors, base.colors) == false
        && theirs.colors.size() == ours.colors.size()) {
        for (qsizetype k = 0; k < ours.colors.size(); ++k) {
            ours.colors[k].name = theirs.colors[k].name;
            ours.colors[k].code = theirs.colors[k].code;
            ours.colors[k].set = theirs.colors[k].set;
        }
    }
    if (ours.settings == base.settings)
        ours.settings = theirs.settings;
}

ChartKeeper::ChartKeeper(const OpenedChart &opened)
    : m_chartPath(opened.chartPath)
    , m_pictureName(QFileInfo(opened.picturePath).fileName())
    , m_picture(opened.picture)
{
    if (opened.fileStatus == ChartFileStatus::Ok) {
        m_base = chartFileData(opened.chart, m_pictureName, m_picture);
        m_seenHash = hashOf(opened.fileBytes);
    } else {
        // Nothing known of a file: any file found at the next save is theirs alone.
        Chart empty = opened.chart;
        empty.done.reset();
        empty.builders.clear();
        for (ChartColor &color : empty.colors)
            color.name.clear(), color.code.clear(), color.set.clear();
        empty.settings.clear();
        m_base = chartFileData(empty, m_pictureName, m_picture);
        if (opened.fileStatus != ChartFileStatus::Missing)
            m_refused = opened.fileStatus;
    }
}

SaveResult ChartKeeper::save(Chart &chart)
{
    if (m_refused != ChartFileStatus::Ok)
        return {SaveStatus::FileUnusable, m_refused, m_chartPath, false};
    const FileBytes file = readChartFileBytes(m_chartPath);
    bool merged = false;
    if (file.status == ChartFileStatus::Unreadable || file.status == ChartFileStatus::Malformed)
        return {SaveStatus::FileUnusable, file.status, m_chartPath, false};
    if (file.status == ChartFileStatus::Ok && hashOf(file.bytes) != m_seenHash) {
        const ChartFileRead read = decodeChartFile(file.bytes);
        ChartFileStatus status = read.status;
        if (status == ChartFileStatus::Ok) {
            Chart check = chart;
            status = applyChartFile(read.data, m_picture, check);
        }
        if (status != ChartFileStatus::Ok)
            return {SaveStatus::FileUnusable, status, m_chartPath, false};
        mergeChartFile(m_base, read.data, chart);
        merged = true;
    }
    SaveResult result = write(chart);
    result.merged = merged;
    return result;
}

SaveResult ChartKeeper::startAfresh(Chart &chart)
{
    const FileBytes file = readChartFileBytes(m_chartPath);
    if (file.status == ChartFileStatus::Unreadable)
        return {SaveStatus::FileUnusable, file.status, m_chartPath, false};
    if (file.status == ChartFileStatus::Ok || file.status == ChartFileStatus::Malformed) {
        // A file too large to read whole is kept by its name only.
        if (file.status == ChartFileStatus::Malformed) {
            const QString backup = backupPathOf(m_chartPath);
            QFile::remove(backup);
            if (!QFile::copy(m_chartPath, backup))
                return {SaveStatus::CreateFailed, ChartFileStatus::Ok, backup, false};
        } else if (const SaveResult kept = writeBytes(backupPathOf(m_chartPath), file.bytes);
                   kept.status != SaveStatus::Saved) {
            return kept;
        }
    }
    return write(chart);
}

SaveResult ChartKeeper::write(const Chart &chart)
{
    const QByteArray bytes = encodeChartFile(chart, m_pictureName, m_picture);
    SaveResult result = writeBytes(m_chartPath, bytes);
    if (result.status == SaveStatus::Saved) {
        m_refused = ChartFileStatus::Ok;
        m_base = chartFileData(chart, m_pictureName, m_picture);
        m_seenHash = hashOf(bytes);
    }
    return result;
}

void nameColors(Chart &chart, const QList<ChartColor> &named)
{
    QHash<quint32, ChartColor> byRgb;
    for (const ChartColor &color : named)
        byRgb.insert(color.rgb & 0xffffff, color);
    for (ChartColor &color : chart.colors) {
        const auto found = byRgb.constFind(color.rgb & 0xffffff);
        if (found == byRgb.constEnd())
            continue;
        color.name = found->name;
        color.code = found->code;
        color.set = found->set;
    }
}

QList<ChartColor> colorsOfPalette(const QList<PaletteColor> &colors, const QString &set)
{
    QList<ChartColor> named;
    for (const PaletteColor &color : colors)
        named.append({color.rgb & 0xffffff, 0, color.name, color.code, set});
    return named;
}

SaveResult writeChartOfNewPicture(
    const QString &picturePath, const QList<ChartColor> &named, const QStringList &settings)
{
    OpenedChart opened = openChart(picturePath);
    if (opened.pictureStatus != BitmapStatus::Ok)
        return {SaveStatus::CreateFailed, ChartFileStatus::Ok, opened.chartPath, false};
    nameColors(opened.chart, named);
    opened.chart.settings = settings;
    ChartKeeper keeper(opened);
    if (opened.fileStatus == ChartFileStatus::Ok || opened.fileStatus == ChartFileStatus::Missing)
        return keeper.save(opened.chart);
    return keeper.startAfresh(opened.chart);
}

} // namespace chart
