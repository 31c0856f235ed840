#include "palettefile.h"

#include "elidedtext.h"

#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QRegularExpression>
#include <QStringDecoder>
#include <algorithm>
#include <optional>

namespace {

quint32 rgbOf(int red, int green, int blue)
{
    return 0xff000000u | quint32(red) << 16 | quint32(green) << 8 | quint32(blue);
}

std::optional<int> channel(QStringView text)
{
    bool ok = false;
    const int value = text.trimmed().toInt(&ok, 10);
    if (!ok || value < 0 || value > 255)
        return std::nullopt;
    return value;
}

// A full-width digit, comma or space, as a Japanese input method types it,
// in its ASCII form (its NFKC form); any other character as it is.
QChar foldedWidth(QChar c)
{
    if (c.unicode() < 0x80 || c.decompositionTag() != QChar::Wide)
        return c;
    const QString ascii = c.decomposition();
    if (ascii.size() == 1
        && (ascii[0].isDigit() || ascii[0] == QLatin1Char(',') || ascii[0] == QLatin1Char(' ')))
        return ascii[0];
    return c;
}

// One character for one, so that a position in the folded text is one in the text.
QString foldedWidth(QString text)
{
    for (QChar &c : text)
        c = foldedWidth(c);
    return text;
}

// A name reaches terminals and prints: control characters (escape sequences,
// a NUL) become U+FFFD, a tab a space.
QString cleanName(QString name)
{
    for (QChar &c : name) {
        if (c == QLatin1Char('\t'))
            c = QLatin1Char(' ');
        else if (c.category() == QChar::Other_Control)
            c = QChar::ReplacementCharacter;
    }
    return name.trimmed();
}

// "R G B name", any run of spaces or tabs between the numbers.
std::optional<PaletteColor> gimpColor(const QString &line)
{
    static const QRegularExpression pattern(
        QStringLiteral("^\\s*(\\d+)\\s+(\\d+)\\s+(\\d+)(?:\\s+(.*))?$"));
    const QRegularExpressionMatch match = pattern.match(foldedWidth(line));
    if (!match.hasMatch())
        return std::nullopt;
    const auto red = channel(match.capturedView(1));
    const auto green = channel(match.capturedView(2));
    const auto blue = channel(match.capturedView(3));
    if (!red || !green || !blue)
        return std::nullopt;
    const QString name = match.hasCaptured(4) ? line.mid(match.capturedStart(4)) : QString();
    return PaletteColor {rgbOf(*red, *green, *blue), cleanName(name)};
}

// "R,G,B" or "R,G,B,name"; the name keeps any further commas.
std::optional<PaletteColor> csvColor(const QString &line)
{
    // Folded up to the third comma only: the name stays as written.
    qsizetype end = 0;
    QString numbers;
    for (int field = 0; field < 3; ++field) {
        qsizetype comma = end;
        while (comma < line.size() && foldedWidth(line.at(comma)) != QLatin1Char(','))
            ++comma;
        if (comma == line.size() && field < 2)
            return std::nullopt;
        numbers += foldedWidth(line.mid(end, comma - end)) + QLatin1Char(',');
        end = std::min(comma + 1, line.size());
    }
    const QStringList fields = numbers.split(QLatin1Char(','));
    const auto red = channel(fields[0]);
    const auto green = channel(fields[1]);
    const auto blue = channel(fields[2]);
    if (!red || !green || !blue)
        return std::nullopt;
    QString name = line.mid(end).trimmed();
    if (name.size() >= 2 && name.startsWith(QLatin1Char('"')) && name.endsWith(QLatin1Char('"')))
        name = name.mid(1, name.size() - 2).replace(QStringLiteral("\"\""), QStringLiteral("\""));
    return PaletteColor {rgbOf(*red, *green, *blue), cleanName(name)};
}

// Enough of a bad line to recognise it in the message.
constexpr qsizetype ShownLength = 40;

bool isGimpHeader(const QString &line)
{
    return line.startsWith(QLatin1String("Name:")) || line.startsWith(QLatin1String("Columns:"));
}

// The file's text, decoded whole: a line decoded alone would take a lone lead
// byte at its end for the start of a character still to come.
std::optional<QString> decoded(const QByteArray &bytes)
{
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text = utf8.decode(bytes);
    if (!utf8.hasError())
        return text;
    // Qt knows this name through ICU only; QStringConverter::encodingForName() does not.
    QStringDecoder shiftJis("Shift_JIS", QStringDecoder::Flag::Stateless);
    if (!shiftJis.isValid())
        return std::nullopt;
    text = shiftJis.decode(bytes);
    if (shiftJis.hasError())
        return std::nullopt;
    return text;
}

// The line (from 1) of the first byte that is not UTF-8.
int firstNonUtf8Line(const QByteArray &bytes)
{
    const QList<QByteArray> lines = bytes.split('\n');
    for (qsizetype index = 0; index < lines.size(); ++index) {
        QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
        // The decoder works only when its result is taken.
        const QString line = utf8.decode(lines[index]);
        if (utf8.hasError())
            return int(index + 1);
    }
    return int(lines.size());
}

bool holdsDigit(const QString &line)
{
    return std::any_of(line.begin(), line.end(), [](QChar c) { return foldedWidth(c).isDigit(); });
}

// Of a file that is neither UTF-8 nor Shift-JIS: a picture or other binary
// file, by a NUL byte in its first bytes. UTF-16 text, which has them too,
// starts with its byte order mark and is told to be saved as UTF-8.
bool isBinary(const QByteArray &bytes)
{
    if (bytes.startsWith("\xFF\xFE") || bytes.startsWith("\xFE\xFF"))
        return false;
    return bytes.first(std::min<qsizetype>(bytes.size(), 4096)).contains('\0');
}

} // namespace

PaletteFile readPaletteFile(const QString &path)
{
    PaletteFile result;
    const auto fault = [&result](PaletteFile::Status status) {
        result.status = status;
        result.colors.clear();
        return result;
    };
    const QFileInfo info(path);
    QFile file(path);
    if (!info.isFile() || !file.open(QIODevice::ReadOnly))
        return result;
    QByteArray bytes = file.read(MaxPaletteBytes + 1);
    if (file.error() != QFileDevice::NoError)
        return result;
    if (bytes.size() > MaxPaletteBytes)
        return fault(PaletteFile::Status::TooLarge);
    if (bytes.startsWith("\xEF\xBB\xBF"))
        bytes.remove(0, 3);
    // CR LF, LF, and the lone CR of old Mac spreadsheets end a line alike. Safe
    // before decoding: neither byte is part of a Shift-JIS character.
    bytes.replace("\r\n", "\n");
    bytes.replace('\r', '\n');

    const std::optional<QString> text = decoded(bytes);
    if (!text) {
        if (isBinary(bytes))
            return fault(PaletteFile::Status::NotText);
        result.line = firstNonUtf8Line(bytes);
        return fault(PaletteFile::Status::NotUtf8);
    }
    const QStringList lines = text->split(QLatin1Char('\n'));
    bool gimp = false;
    QHash<quint32, int> seen;
    for (qsizetype index = 0; index < lines.size(); ++index) {
        result.line = int(index + 1);
        const QString line = lines[index].trimmed();
        if (index == 0 && line == QLatin1String("GIMP Palette")) {
            gimp = true;
            continue;
        }
        if (line.isEmpty() || line.startsWith(QLatin1Char('#')) || (gimp && isGimpHeader(line)))
            continue;
        // A spreadsheet's header row, e.g. "R,G,B,名前".
        if (index == 0 && !gimp && !holdsDigit(line))
            continue;
        std::optional<PaletteColor> color = gimp ? gimpColor(line) : csvColor(line);
        if (!color) {
            result.lineText = elidedText(cleanName(line), ShownLength);
            return fault(PaletteFile::Status::BadLine);
        }
        color->line = result.line;
        if (const auto first = seen.constFind(color->rgb); first != seen.constEnd()) {
            result.firstLine = *first;
            result.lineText = elidedText(cleanName(line), ShownLength);
            return fault(PaletteFile::Status::Duplicate);
        }
        if (result.colors.size() == MaxPaletteColors)
            return fault(PaletteFile::Status::TooManyColors);
        seen.insert(color->rgb, result.line);
        result.colors.append(*color);
    }
    result.line = int(lines.size());
    result.status
        = result.colors.isEmpty() ? PaletteFile::Status::NoColor : PaletteFile::Status::Ok;
    return result;
}

QString paletteErrorText(const PaletteFile &palette, const QString &path)
{
    const QString at = QStringLiteral("%1:%2: ").arg(path).arg(palette.line);
    const QString shown = QStringLiteral("「%1」").arg(palette.lineText);
    switch (palette.status) {
    case PaletteFile::Status::Ok:
        return {};
    case PaletteFile::Status::CannotOpen:
        return QStringLiteral("パレットファイルを開けません。\n") + path;
    case PaletteFile::Status::TooLarge:
        return QStringLiteral("パレットファイルが大きすぎます（1 MiB まで扱えます）。\n") + path;
    case PaletteFile::Status::TooManyColors:
        return at + QStringLiteral("色が多すぎます（%1 色まで扱えます）。").arg(MaxPaletteColors);
    case PaletteFile::Status::NotText:
        return QStringLiteral(
                   "パレットファイルがテキストファイルではありません（画像などのファイルです）。"
                   "GIMP パレットか CSV のテキストファイルを指定してください。\n")
            + path;
    case PaletteFile::Status::NotUtf8:
        return at + QStringLiteral("UTF-8 ではない文字があります。UTF-8 で保存し直してください。");
    case PaletteFile::Status::BadLine:
        return at + QStringLiteral("色の行として読めません（0〜255 の R、G、B と、あれば名前）。")
            + shown;
    case PaletteFile::Status::Duplicate:
        return at + QStringLiteral("%1 行目と同じ色です。").arg(palette.firstLine) + shown;
    case PaletteFile::Status::NoColor:
        return at + QStringLiteral("色の行が1つもありません。");
    case PaletteFile::Status::NotFound:
        return QStringLiteral("その名前のパレットファイルもピースのセットもありません: %1\n"
                              "セットの一覧は tessamap-cli palettes で表示されます。")
            .arg(path);
    case PaletteFile::Status::NotASet:
        return QStringLiteral("--without で色を除けるのは、組み込みのピースのセットだけです: ")
            + path;
    case PaletteFile::Status::UnknownCode:
        return QStringLiteral("ピースのセット「%1」に品番「%2」の色はありません。\n"
                              "品番は tessamap-cli palettes %1 で表示されます。")
            .arg(path, palette.lineText);
    case PaletteFile::Status::NoneLeft:
        return QStringLiteral("ピースのセット「%1」の色がすべて除かれています。").arg(path);
    }
    return {};
}
