// Feeds arbitrary bytes to the picture file check in memory: the walk over
// JPEG markers, BMP rows, GIF blocks and PNG chunks that runs before any
// decoder, thousands of times faster than through a file and Qt.
#include "filecheck.h"

#include <QByteArrayView>
#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const prepare::FileCheck check
        = prepare::checkPictureBytes(QByteArrayView(data, qsizetype(size)));
    if (check.exifOrientation < 1 || check.exifOrientation > 8)
        __builtin_trap();
    if (check.claimedSize.isValid() && check.claimedSize.isEmpty())
        __builtin_trap();
    return 0;
}
