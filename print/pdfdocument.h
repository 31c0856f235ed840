// One PDF document written safely: drawn through a QPdfWriter into an OutputFile
// beside the target and renamed over it only when complete, so a full disk or
// a failure half-way leaves the earlier file byte for byte as it was and no
// temporary file behind. Failures throw PrintError naming the file and its path.
#pragma once

#include "outputfile.h"

#include <QMarginsF>
#include <QPageLayout>
#include <QPdfWriter>
#include <memory>

// The unprintable edge of a typical office printer, given to every PDF page.
inline const QMarginsF PdfMargins(4.23, 4.23, 4.23, 4.23);

class PdfDocument
{
public:
    // Opens the document at path; throws when the file cannot be created.
    QPdfWriter &open(const QString &path, const QPageLayout &layout, int resolution);
    bool isOpen() const { return m_writer != nullptr; }
    // Renames the finished file over the target, once the painter has ended;
    // throws when any byte could not be written.
    void commit();
    // Drops an unfinished document; the target stays as it was.
    void discard();

private:
    std::unique_ptr<OutputFile> m_file;
    QString m_path;
    std::unique_ptr<QPdfWriter> m_writer;
};
