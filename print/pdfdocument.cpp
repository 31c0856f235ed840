#include "pdfdocument.h"

#include "printsurface.h"
#include "writefailure.h"

#include <QDir>
#include <QFileInfo>
#include <malloc.h>

namespace {

// Qt's PDF writer sets up a fresh deflate stream, about 256 KB, for every page.
// glibc would give that memory back to the system after each page and fault it
// in anew for the next, which cost a third of a 192-page print; keeping a few
// megabytes of freed memory at hand avoids it.
void keepPageMemory()
{
    static const bool kept = [] {
        mallopt(M_MMAP_THRESHOLD, 4 << 20);
        mallopt(M_TRIM_THRESHOLD, 16 << 20);
        return true;
    }();
    (void)kept;
}

} // namespace

QPdfWriter &PdfDocument::open(const QString &path, const QPageLayout &layout, int resolution)
{
    discard();
    keepPageMemory();
    // A relative path would follow the working directory, which may have been
    // removed, and Qt would then resolve it against the root.
    if (QDir::isRelativePath(path))
        throw FileWriteError(WriteFailure::Create, path);
    auto file = std::make_unique<QSaveFile>(path);
    // Direct-write fallback stays off: a file that cannot be replaced by rename
    // is refused rather than truncated and rewritten in place.
    if (!file->open(QIODevice::WriteOnly))
        throw FileWriteError(WriteFailure::Create, path);
    m_file = std::move(file);
    m_writer = std::make_unique<QPdfWriter>(m_file.get());
    m_writer->setResolution(resolution);
    m_writer->setPageLayout(layout);
    m_writer->setTitle(QFileInfo(path).fileName());
    m_writer->setCreator(QStringLiteral("Tessamap"));
    return *m_writer;
}

void PdfDocument::commit()
{
    m_writer.reset();
    const std::unique_ptr<QSaveFile> file = std::move(m_file);
    if (!commitCompletely(*file))
        throw FileWriteError(WriteFailure::Write, file->fileName());
}

void PdfDocument::discard()
{
    m_writer.reset();
    // An uncommitted QSaveFile removes its temporary file.
    m_file.reset();
}
