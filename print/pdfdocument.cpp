#include "pdfdocument.h"

#include "outputfile.h"
#include "printsurface.h"

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
    auto file = std::make_unique<OutputFile>(path);
    if (!file->open())
        throw FileWriteError(WriteFailure::Create, path);
    m_file = std::move(file);
    m_path = path;
    m_writer = std::make_unique<QPdfWriter>(&m_file->device());
    m_writer->setResolution(resolution);
    m_writer->setPageLayout(layout);
    m_writer->setTitle(QFileInfo(path).fileName());
    m_writer->setCreator(QStringLiteral("Tessamap"));
    return *m_writer;
}

void PdfDocument::commit()
{
    m_writer.reset();
    const std::unique_ptr<OutputFile> file = std::move(m_file);
    if (!file->commit())
        throw FileWriteError(WriteFailure::Write, m_path);
}

void PdfDocument::discard()
{
    m_writer.reset();
    // An uncommitted OutputFile removes its temporary file.
    m_file.reset();
}
