#include "pdfdocument.h"

#include "memorythresholds.h"
#include "outputfile.h"
#include "printsurface.h"

#include <QDir>
#include <QFileInfo>

QPdfWriter &PdfDocument::open(const QString &path, const QPageLayout &layout, int resolution)
{
    discard();
    fixMemoryThresholds();
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
