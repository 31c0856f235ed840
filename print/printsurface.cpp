#include "printsurface.h"

#include "numbertext.h"

FileWriteError::FileWriteError(WriteFailure failure, const QString &path)
    : PrintError(writeFailureText(failure, path).toStdString())
    , m_path(path)
{ }

QString printedText(const QList<PrintItem> &items)
{
    QString text;
    for (const PrintItem &item : items) {
        if (const auto *number = std::get_if<long long>(&item))
            text += numbertext::printItem(*number);
        else
            text += std::get<QString>(item);
    }
    return text;
}
