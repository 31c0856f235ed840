#include "librarywarnings.h"

#include <QtGlobal>
#include <atomic>
#include <cstdio>
#include <cstring>
#include <tiffio.h>

namespace prepare {

namespace {

// Qt's JPEG reader logs libjpeg's messages under this category.
constexpr char JpegCategory[] = "qt.gui.imageio.jpeg";

struct Caught
{
    int depth = 0;
    QString first;
    bool damaged = false;
};
thread_local Caught caught;

std::atomic<QtMessageHandler> previousHandler {nullptr};

void catchJpegWarning(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    if (caught.depth > 0 && context.category && std::strcmp(context.category, JpegCategory) == 0) {
        if (caught.first.isEmpty())
            caught.first = message;
        caught.damaged |= isJpegDamageWarning(message);
        return;
    }
    if (const QtMessageHandler previous = previousHandler.load())
        previous(type, context, message);
    else
        std::fprintf(stderr, "%s\n", qPrintable(qFormatLogMessage(type, context, message)));
}

// Installed again whenever another handler took its place (the command line
// installs its own at start), passing on what it does not catch.
void installHandler()
{
    const QtMessageHandler previous = qInstallMessageHandler(catchJpegWarning);
    if (previous != catchJpegWarning)
        previousHandler.store(previous);
}

} // namespace

void silenceImageLibraries()
{
    // Qt's TIFF reader shares this process's libtiff and its handlers.
    TIFFSetErrorHandler(nullptr);
    TIFFSetWarningHandler(nullptr);
}

JpegWarnings::JpegWarnings()
{
    installHandler();
    if (caught.depth == 0)
        caught = {};
    ++caught.depth;
}

JpegWarnings::~JpegWarnings()
{
    --caught.depth;
}

bool JpegWarnings::damaged() const
{
    return caught.damaged;
}

QString JpegWarnings::first() const
{
    return caught.first;
}

bool isJpegDamageWarning(const QString &warning)
{
    // libjpeg's texts (jerror.h): JWRN_HUFF_BAD_CODE, JWRN_ARITH_BAD_CODE,
    // JWRN_HIT_MARKER, JWRN_MUST_RESYNC, JWRN_JPEG_EOF.
    for (const char *damage : {"bad Huffman code", "bad arithmetic code",
             "premature end of data segment", "instead of RST", "Premature end of JPEG file"}) {
        if (warning.contains(QLatin1String(damage)))
            return true;
    }
    return false;
}

} // namespace prepare
