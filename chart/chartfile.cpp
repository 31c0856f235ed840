#include "chartfile.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <cmath>

namespace chart {

namespace {

const QString keyFormat = QStringLiteral("format");
const QString keyVersion = QStringLiteral("version");
const QString keyPicture = QStringLiteral("picture");
const QString keyFile = QStringLiteral("file");
const QString keySize = QStringLiteral("size");
const QString keySha256 = QStringLiteral("sha256");
const QString keyColors = QStringLiteral("colors");
const QString keyNumber = QStringLiteral("number");
const QString keyRgb = QStringLiteral("rgb");
const QString keyName = QStringLiteral("name");
const QString keyCode = QStringLiteral("code");
const QString keySet = QStringLiteral("set");
const QString keySettings = QStringLiteral("settings");
const QString keyDone = QStringLiteral("done");
const QString keyBuilders = QStringLiteral("builders");

// A JSON number that is a whole number in [low, high].
std::optional<qint64> wholeNumber(const QJsonValue &value, qint64 low, qint64 high)
{
    if (!value.isDouble())
        return std::nullopt;
    const double number = value.toDouble();
    if (!(number >= double(low) && number <= double(high)) || std::floor(number) != number)
        return std::nullopt;
    return qint64(number);
}

std::optional<QString> optionalString(const QJsonObject &object, const QString &key)
{
    const QJsonValue value = object.value(key);
    if (value.isUndefined())
        return QString();
    if (!value.isString())
        return std::nullopt;
    return value.toString();
}

// A list of labels as the file writes them; nothing for anything else.
std::optional<QList<BlockPlace>> placesOf(const QJsonValue &value)
{
    if (!value.isArray())
        return std::nullopt;
    QList<BlockPlace> places;
    for (const QJsonValue &label : value.toArray()) {
        const auto place = label.isString() ? parseBlockLabel(label.toString()) : std::nullopt;
        if (!place)
            return std::nullopt;
        places.append(*place);
    }
    return places;
}

QJsonArray labelsOf(const QList<int> &printIndexes)
{
    QJsonArray labels;
    for (int index : printIndexes)
        labels.append(blockLabel(BlockPlace::fromPrintIndex(index)));
    return labels;
}

bool decodeColors(const QJsonValue &value, QList<ChartColor> &colors)
{
    if (!value.isArray() || value.toArray().size() > modShared::MaxColors)
        return false;
    for (const QJsonValue &entry : value.toArray()) {
        if (!entry.isObject())
            return false;
        const QJsonObject color = entry.toObject();
        // Numbers run 1, 2, 3 ... in the file as in the analysis.
        if (wholeNumber(color.value(keyNumber), 1, modShared::MaxColors) != colors.size() + 1)
            return false;
        const QJsonArray rgb = color.value(keyRgb).toArray();
        if (!color.value(keyRgb).isArray() || rgb.size() != 3)
            return false;
        ChartColor decoded;
        for (const QJsonValue &component : rgb) {
            const auto channel = wholeNumber(component, 0, 255);
            if (!channel)
                return false;
            decoded.rgb = (decoded.rgb << 8) | quint32(*channel);
        }
        const auto name = optionalString(color, keyName);
        const auto code = optionalString(color, keyCode);
        const auto set = optionalString(color, keySet);
        if (!name || !code || !set)
            return false;
        decoded.name = *name;
        decoded.code = *code;
        decoded.set = *set;
        colors.append(decoded);
    }
    return true;
}

bool decodePicture(const QJsonValue &value, ChartFileData &data)
{
    if (!value.isObject())
        return false;
    const QJsonObject picture = value.toObject();
    const auto name = optionalString(picture, keyFile);
    const auto size = wholeNumber(picture.value(keySize), 0, qint64(1) << 52);
    const QByteArray sha = QByteArray::fromHex(picture.value(keySha256).toString().toLatin1());
    if (!name || !size || sha.size() != 32
        || picture.value(keySha256).toString().compare(
               QString::fromLatin1(sha.toHex()), Qt::CaseInsensitive)
            != 0)
        return false;
    data.pictureName = *name;
    data.picture = {*size, sha};
    return true;
}

bool decodeBuildState(const QJsonObject &object, ChartFileData &data)
{
    const QJsonValue done = object.value(keyDone);
    if (!done.isUndefined()) {
        const auto places = placesOf(done);
        if (!places)
            return false;
        for (const BlockPlace place : *places)
            data.done.set(std::size_t(place.printIndex()));
    }
    const QJsonValue builders = object.value(keyBuilders);
    if (builders.isUndefined())
        return true;
    if (!builders.isObject())
        return false;
    const QJsonObject byName = builders.toObject();
    for (auto it = byName.begin(); it != byName.end(); ++it) {
        const auto places = placesOf(it.value());
        if (!places || it.key().isEmpty())
            return false;
        for (const BlockPlace place : *places) {
            // One builder a block: a second name for it is not ours to choose between.
            const int index = place.printIndex();
            if (data.builders.contains(index) && data.builders.value(index) != it.key())
                return false;
            data.builders.insert(index, it.key());
        }
    }
    return true;
}

bool isTruncation(const QJsonParseError &error, QByteArrayView bytes)
{
    // Qt reports a cut file at its end, or inside the last word ("tr" of
    // true): nothing after the error may close or separate a value.
    const QByteArray rest = QByteArray(bytes.data(), bytes.size()).mid(error.offset).trimmed();
    for (const char c : rest) {
        if (QByteArrayView("{}[],:\" \t\r\n").contains(c))
            return false;
    }
    return true;
}

} // namespace

PictureIdentity identityOfBytes(QByteArrayView bytes)
{
    return {bytes.size(), QCryptographicHash::hash(bytes, QCryptographicHash::Sha256)};
}

PictureIdentity identityOfFile(const QString &path)
{
    QFile file(path);
    if (!QFileInfo(path).isFile() || !file.open(QIODevice::ReadOnly))
        return {};
    QCryptographicHash hash(QCryptographicHash::Sha256);
    if (!hash.addData(&file) || file.error() != QFileDevice::NoError)
        return {};
    return {file.size(), hash.result()};
}

ChartFileRead decodeChartFile(QByteArrayView bytes)
{
    ChartFileRead read;
    if (QByteArray(bytes.data(), bytes.size()).trimmed().isEmpty()) {
        read.status = ChartFileStatus::Truncated;
        return read;
    }
    QJsonParseError error;
    const QJsonDocument document
        = QJsonDocument::fromJson(QByteArray::fromRawData(bytes.data(), bytes.size()), &error);
    if (error.error != QJsonParseError::NoError) {
        read.status
            = isTruncation(error, bytes) ? ChartFileStatus::Truncated : ChartFileStatus::Malformed;
        return read;
    }
    read.status = ChartFileStatus::Malformed;
    if (!document.isObject())
        return read;
    const QJsonObject object = document.object();
    if (object.value(keyFormat).toString() != QLatin1String(FormatName))
        return read;
    const auto version = wholeNumber(object.value(keyVersion), 1, 1'000'000'000);
    if (!version)
        return read;
    if (*version > FormatVersion) {
        read.data.version = int(*version);
        read.status = ChartFileStatus::NewerVersion;
        return read;
    }
    ChartFileData &data = read.data;
    const QJsonValue settings = object.value(keySettings);
    if (!settings.isUndefined()) {
        if (!settings.isArray())
            return read;
        for (const QJsonValue &argument : settings.toArray()) {
            if (!argument.isString())
                return read;
            data.settings.append(argument.toString());
        }
    }
    if (!decodePicture(object.value(keyPicture), data)
        || !decodeColors(object.value(keyColors), data.colors) || !decodeBuildState(object, data))
        return read;
    read.status = ChartFileStatus::Ok;
    return read;
}

ChartFileData chartFileData(
    const Chart &chart, const QString &pictureName, const PictureIdentity &picture)
{
    ChartFileData data;
    data.pictureName = pictureName;
    data.picture = picture;
    for (ChartColor color : chart.colors) {
        color.pieces = 0;
        data.colors.append(color);
    }
    data.settings = chart.settings;
    data.done = chart.done;
    data.builders = chart.builders;
    return data;
}

QByteArray encodeChartFile(
    const Chart &chart, const QString &pictureName, const PictureIdentity &picture)
{
    QJsonArray colors;
    for (int number = 1; number <= chart.colorCount(); ++number) {
        const ChartColor &color = chart.color(number);
        QJsonObject entry {
            {keyNumber, number},
            {keyRgb,
                QJsonArray {int(color.rgb >> 16 & 0xff), int(color.rgb >> 8 & 0xff),
                    int(color.rgb & 0xff)}},
        };
        if (!color.name.isEmpty())
            entry.insert(keyName, color.name);
        if (!color.code.isEmpty())
            entry.insert(keyCode, color.code);
        if (!color.set.isEmpty())
            entry.insert(keySet, color.set);
        colors.append(entry);
    }
    QList<int> done;
    for (int index = 0; index < BlockTotal; ++index) {
        if (chart.done.test(std::size_t(index)))
            done.append(index);
    }
    QMap<QString, QList<int>> byName;
    for (auto it = chart.builders.begin(); it != chart.builders.end(); ++it) {
        if (!it.value().isEmpty())
            byName[it.value()].append(it.key());
    }
    QJsonObject builders;
    for (auto it = byName.begin(); it != byName.end(); ++it)
        builders.insert(it.key(), labelsOf(it.value()));
    const QJsonObject object {
        {keyFormat, QLatin1String(FormatName)},
        {keyVersion, FormatVersion},
        {keyPicture,
            QJsonObject {
                {keyFile, pictureName},
                {keySize, double(picture.size)},
                {keySha256, QString::fromLatin1(picture.sha256.toHex())},
            }},
        {keyColors, colors},
        {keySettings, QJsonArray::fromStringList(chart.settings)},
        {keyDone, labelsOf(done)},
        {keyBuilders, builders},
    };
    return QJsonDocument(object).toJson(QJsonDocument::Indented);
}

ChartFileStatus applyChartFile(
    const ChartFileData &data, const PictureIdentity &picture, Chart &chart)
{
    if (data.picture != picture || data.colors.size() != chart.colors.size())
        return ChartFileStatus::OtherPicture;
    for (qsizetype k = 0; k < data.colors.size(); ++k) {
        if (data.colors[k].rgb != chart.colors[k].rgb)
            return ChartFileStatus::OtherPicture;
    }
    for (qsizetype k = 0; k < data.colors.size(); ++k) {
        chart.colors[k].name = data.colors[k].name;
        chart.colors[k].code = data.colors[k].code;
        chart.colors[k].set = data.colors[k].set;
    }
    chart.settings = data.settings;
    chart.done = data.done;
    chart.builders = data.builders;
    return ChartFileStatus::Ok;
}

QString chartPathOfPicture(const QString &picturePath)
{
    const QFileInfo info(picturePath);
    return info.dir().filePath(info.completeBaseName() + QStringLiteral(".tessamap"));
}

QString backupPathOf(const QString &chartPath)
{
    return chartPath + QStringLiteral(".bak");
}

bool isChartFilePath(const QString &path)
{
    return path.endsWith(QLatin1String(".tessamap"), Qt::CaseInsensitive);
}

QString chartFileProblemText(ChartFileStatus status, const QString &chartPath)
{
    const QString name = QFileInfo(chartPath).fileName();
    QString what;
    switch (status) {
    case ChartFileStatus::Ok:
    case ChartFileStatus::Missing:
        return {};
    case ChartFileStatus::Unreadable:
        what = QStringLiteral("制作ファイル「%1」を読み込めません。");
        break;
    case ChartFileStatus::Truncated:
        what = QStringLiteral("制作ファイル「%1」は途中で切れています。");
        break;
    case ChartFileStatus::Malformed:
        what = QStringLiteral("制作ファイル「%1」は壊れているか、制作ファイルではありません。");
        break;
    case ChartFileStatus::NewerVersion:
        what = QStringLiteral("制作ファイル「%1」は新しい版の Tessamap で書かれているため"
                              "読み込めません。Tessamap を新しくしてください。");
        break;
    case ChartFileStatus::OtherPicture:
        what = QStringLiteral("制作ファイル「%1」は別の画像のものです（画像が置き換えられて"
                              "います）。");
        break;
    }
    return what.arg(name) + QStringLiteral("\r\n") + QDir::toNativeSeparators(chartPath);
}

FileBytes readChartFileBytes(const QString &chartPath)
{
    const QFileInfo info(chartPath);
    if (!info.exists() && !info.isSymLink())
        return {ChartFileStatus::Missing, {}};
    QFile file(chartPath);
    if (!info.isFile() || !file.open(QIODevice::ReadOnly))
        return {ChartFileStatus::Unreadable, {}};
    if (file.size() > MaxChartFileBytes)
        return {ChartFileStatus::Malformed, {}};
    QByteArray bytes = file.read(MaxChartFileBytes + 1);
    if (file.error() != QFileDevice::NoError)
        return {ChartFileStatus::Unreadable, {}};
    if (bytes.size() > MaxChartFileBytes)
        return {ChartFileStatus::Malformed, {}};
    return {ChartFileStatus::Ok, bytes};
}

} // namespace chart
