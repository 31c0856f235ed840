#include "outputfile.h"

#include "writefailure.h"

#include <QFile>
#include <optional>
#include <sys/stat.h>

namespace {

std::optional<struct stat> fileStatus(const QString &path)
{
    struct stat status;
    if (path.isEmpty() || ::stat(QFile::encodeName(path).constData(), &status) != 0)
        return std::nullopt;
    return status;
}

} // namespace

OutputFile::OutputFile(const QString &path)
    : m_file(path)
{
    // Direct-write fallback stays off: a file that cannot be replaced by rename
    // is refused rather than truncated and rewritten in place.
    m_file.setDirectWriteFallback(false);
}

bool OutputFile::open()
{
    return !isOtherThanRegularFile(m_file.fileName()) && m_file.open(QIODevice::WriteOnly);
}

bool OutputFile::commit()
{
    if (isOtherThanRegularFile(m_file.fileName())) {
        m_file.cancelWriting();
        m_file.commit();
        return false;
    }
    return commitCompletely(m_file);
}

bool isOtherThanRegularFile(const QString &path)
{
    const auto status = fileStatus(path);
    return status && !S_ISREG(status->st_mode);
}

bool namesSameFile(const QString &a, const QString &b)
{
    const auto first = fileStatus(a);
    const auto second = fileStatus(b);
    return first && second && first->st_dev == second->st_dev && first->st_ino == second->st_ino;
}

QString replacedInput(const QString &output, const QStringList &inputs)
{
    for (const QString &input : inputs) {
        if (namesSameFile(output, input))
            return input;
    }
    return {};
}
