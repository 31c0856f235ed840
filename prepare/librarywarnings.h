// The image libraries' own English warnings would reach standard error before
// our Japanese message; they are turned off where the library allows it.
// libjpeg goes on over damaged data, filling in grey, and only warns; Qt's
// reader passes the warning to Qt's message log, where it is caught to refuse
// the picture.
#pragma once

#include <QString>

namespace prepare {

void silenceImageLibraries();

// While one lives, libjpeg's warnings on this thread are caught, not printed.
class JpegWarnings
{
public:
    JpegWarnings();
    ~JpegWarnings();
    JpegWarnings(const JpegWarnings &) = delete;
    JpegWarnings &operator=(const JpegWarnings &) = delete;

    // Whether libjpeg said the coded data is damaged or cut: a corrupt
    // Huffman or arithmetic code, a data segment ended early, a marker in
    // place of a restart marker, the file ended early. Harmless warnings that
    // cameras' files carry (extraneous bytes before a marker, an unknown JFIF
    // revision or Adobe transform, a bad ICC marker, odd scan parameters) pass.
    bool damaged() const;
    // The first warning caught; libjpeg reports only its first warning.
    QString first() const;
};

// Whether that libjpeg warning tells of damaged data.
bool isJpegDamageWarning(const QString &warning);

} // namespace prepare
