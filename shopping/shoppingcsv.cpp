#include "shoppingcsv.h"

#include "outputfile.h"

namespace shopping {

namespace {

QByteArray field(const QString &text)
{
    QByteArray bytes = text.toUtf8();
    if (bytes.contains(',') || bytes.contains('"') || bytes.contains('\r')
        || bytes.contains('\n')) {
        bytes.replace("\"", "\"\"");
        bytes = '"' + bytes + '"';
    }
    return bytes;
}

} // namespace

QByteArray csvBytes(const List &list)
{
    QByteArray bytes = "\xEF\xBB\xBF"
                       "number,code,name,red,green,blue,pieces,with_spares,bags\r\n";
    for (const Line &line : list.lines) {
        const QList<QByteArray> fields {QByteArray::number(line.number), field(line.code),
            field(line.name), QByteArray::number(line.rgb >> 16 & 0xFF),
            QByteArray::number(line.rgb >> 8 & 0xFF), QByteArray::number(line.rgb & 0xFF),
            QByteArray::number(line.pieces), QByteArray::number(line.withSpares),
            QByteArray::number(line.bags)};
        bytes += fields.join(',') + "\r\n";
    }
    return bytes;
}

std::optional<WriteFailure> writeCsv(
    const List &list, const QString &path, const QStringList &inputs)
{
    if (!replacedInput(path, inputs).isEmpty())
        return WriteFailure::ReplacesInput;
    const QByteArray bytes = csvBytes(list);
    OutputFile file(path);
    if (!file.open())
        return WriteFailure::Create;
    if (file.device().write(bytes) != bytes.size() || !file.commit())
        return WriteFailure::Write;
    return std::nullopt;
}

} // namespace shopping
