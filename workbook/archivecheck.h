// Whether a workbook libxlsxwriter reports as written is whole. The library
// misses failed writes (a full disk, a file size limit) both of the archive's
// last bytes and of its own temporary files, which it copies into the archive
// cut short, and reports success; so the archive is checked before it
// replaces anything: the end record of the central directory in its last 22
// bytes (libxlsxwriter writes no comment), right after the directory, every
// entry at a local header, and every XML part inflating to a well-formed
// document.
#pragma once

#include <QByteArray>

namespace workbook {

bool isCompleteWorkbook(const QByteArray &bytes);

} // namespace workbook
