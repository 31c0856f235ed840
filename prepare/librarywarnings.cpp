#include "librarywarnings.h"

#include <tiffio.h>

namespace prepare {

void silenceImageLibraries()
{
    // Qt's TIFF reader shares this process's libtiff and its handlers.
    TIFFSetErrorHandler(nullptr);
    TIFFSetWarningHandler(nullptr);
}

} // namespace prepare
